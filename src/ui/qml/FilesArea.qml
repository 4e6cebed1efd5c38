import QtQuick
import QtQuick.Layouts
import Kestrune

// The file box: drop target, "Browse…" link and the queue. The first file always has a row; the
// others fold into a disclosure group. The box never scrolls: it grows with its rows.
Item {
    id: area

    required property RemuxViewModel vm
    // True while a drag carrying file URLs hovers over the box.
    readonly property bool isDragTarget: dropArea.containsDrag
    // Whether the group of files after the first is open. Kept when the list shrinks and grows.
    property bool queueExpanded: false

    readonly property int fileCount: area.vm.files.count
    readonly property bool isEmpty: fileCount === 0

    implicitHeight: content.implicitHeight

    Accessible.role: Accessible.List
    Accessible.name: "Files to convert"

    Rectangle {
        anchors.fill: parent
        radius: 6
        color: WindowStyle.boxFill
    }

    component RowSeparator: Rectangle {
        height: 1
        color: WindowStyle.rowSeparator
    }

    Column {
        id: content
        width: area.width

        RowLayout {
            id: header
            x: 10
            width: parent.width - 20
            height: implicitHeight + 16
            spacing: 8

            SymbolIcon {
                objectName: "headerIcon"
                name: "arrow.down.doc"
                color: area.isDragTarget ? ThemeManager.accentColor : WindowStyle.secondaryText
                Layout.preferredWidth: 16
                Layout.preferredHeight: 16
            }
            WindowText {
                objectName: "headerText"
                text: area.isEmpty ? "Drop video files here" : "Drop or add more files"
                Layout.fillWidth: true
                elide: Text.ElideRight
            }
            LinkButton {
                objectName: "browseButton"
                text: "Browse\u2026"
                enabled: !area.vm.isConverting
                onClicked: area.vm.presentAddFilesPanel()
            }
        }

        Repeater {
            id: rows
            model: area.vm.files

            // This Qt's linter cannot follow ids of the file into a delegate; they are bound here.
            // qmllint disable unqualified
            delegate: Column {
                id: entry

                required property int index
                required property string fileId
                required property string fileName
                required property string folderPath
                required property int status
                required property bool hasFraction
                required property double fraction
                required property bool hasSpeed
                required property double speed
                required property string note
                required property string reason

                // Files after the first live in the group, inset by its padding.
                readonly property bool inGroup: index >= 1
                readonly property bool rowShown: index === 0 || area.queueExpanded

                width: content.width

                RowSeparator {
                    width: parent.width
                    visible: entry.index <= 1
                }
                Item {
                    objectName: "groupHeader"
                    visible: entry.index === 1
                    width: parent.width
                    height: disclosure.implicitHeight + 6

                    DisclosureHeader {
                        id: disclosure
                        objectName: "disclosure"
                        x: 10
                        y: 6
                        width: parent.width - 20
                        text: ViewText.moreFilesText(area.fileCount - 1)
                        expanded: area.queueExpanded
                        onClicked: area.queueExpanded = !area.queueExpanded
                    }
                }
                // The group's content starts 2 below its label.
                Item {
                    visible: entry.index === 1 && area.queueExpanded
                    width: 1
                    height: 2
                }
                RowSeparator {
                    x: 10
                    width: parent.width - 20
                    visible: entry.inGroup && entry.rowShown
                }
                // Rows in a closed group are not made at all, so a long queue costs little
                // until the group is opened.
                Loader {
                    active: entry.rowShown
                    visible: active
                    x: entry.inGroup ? 10 : 0
                    width: entry.inGroup ? parent.width - 20 : parent.width
                    sourceComponent: FileRowView {
                        objectName: "fileRow"
                        fileName: entry.fileName
                        folderPath: entry.folderPath
                        status: entry.status
                        hasFraction: entry.hasFraction
                        fraction: entry.fraction
                        hasSpeed: entry.hasSpeed
                        speed: entry.speed
                        note: entry.note
                        reason: entry.reason
                        batchRunning: area.vm.isConverting
                        onRevealRequested: area.vm.revealFile(entry.fileId)
                        onRemoveRequested: area.vm.removeFile(entry.fileId)
                    }
                }
            }
        }

        // qmllint enable unqualified

        // The group's padding below its label or its last row.
        Item {
            visible: area.fileCount >= 2
            width: 1
            height: 6
        }
    }

    RoundedOutline {
        objectName: "outline"
        anchors.fill: parent
        radius: 6
        lineWidth: area.isDragTarget ? 2 : 1
        strokeColor: area.isDragTarget ? ThemeManager.accentColor : WindowStyle.idleOutline
        dash: area.isEmpty ? 4 : 0
    }

    DropArea {
        id: dropArea
        anchors.fill: parent
        keys: ["text/uri-list"]
        onDropped: drop => {
            // One call per drop with every URL in drop order; the model decides what it keeps.
            area.vm.addFiles(drop.urls)
            drop.acceptProposedAction()
        }
    }
}
