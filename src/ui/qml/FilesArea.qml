import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Kestrune

// The file box: drop target, "Browse…" link and the queue. The first file always has a row; the
// others fold into a disclosure group. The box grows with its rows until it fills the room the
// window leaves it; its list scrolls from there.
Item {
    id: area

    required property RemuxViewModel vm
    // True while a drag carrying file URLs hovers over the box.
    readonly property bool isDragTarget: dropArea.containsDrag
    // Whether the group of files after the first is open. Kept when the list shrinks and grows.
    property bool queueExpanded: false
    // The rows whose track list is open, by file id: rows are reused for other files as the
    // list scrolls, so the row itself can't remember.
    property var openTracks: ({})

    onQueueExpandedChanged: if (!queueExpanded)
        rows.currentIndex = 0

    readonly property int fileCount: area.vm.files.count
    readonly property bool isEmpty: fileCount === 0

    // Its rows' height, however tall; and the least it needs: the first row and the group's label.
    implicitHeight: header.height + rows.naturalHeight + groupSpace
    readonly property real minimumHeight: header.height + rows.closedHeight + groupSpace
    readonly property real groupSpace: fileCount >= 2 ? groupPadding.height : 0

    Accessible.role: Accessible.List
    Accessible.name: qsTr("Files to convert")

    Rectangle {
        anchors.fill: parent
        radius: Units.boxRadius
        color: WindowStyle.boxFill
    }

    Column {
        id: content
        width: area.width

        RowLayout {
            id: header
            x: 10
            width: parent.width - 20
            height: implicitHeight + 16
            spacing: Units.largeSpacing

            SymbolIcon {
                objectName: "headerIcon"
                name: "arrow.down.doc"
                color: area.isDragTarget ? ThemeManager.accentColor : WindowStyle.secondaryText
                Layout.preferredWidth: Units.icon
                Layout.preferredHeight: Units.icon
            }
            WindowText {
                objectName: "headerText"
                text: area.isEmpty ? qsTr("Drop video files here") : qsTr("Drop or add more files")
                Layout.fillWidth: true
                elide: Text.ElideRight
            }
            LinkButton {
                objectName: "browseButton"
                text: qsTr("Browse…")
                enabled: !area.vm.batch.isConverting
                onClicked: area.vm.presentAddFilesPanel()
            }
        }

        // Open, the list takes the height the window leaves it and scrolls itself, so the
        // controls below the box stay in view; it makes only the rows it shows. Closed, it
        // stops below the group's label, so only the first two entries are ever made.
        ListView {
            id: rows
            objectName: "rows"
            width: content.width
            height: Math.max(0, Math.min(naturalHeight, area.height - header.height - area.groupSpace))
            // As tall as its content would be, which the rows it makes refine: estimated from
            // the rows made so far until all are made.
            readonly property real naturalHeight: count === 0 ? 0 : area.queueExpanded ? contentHeight : closedHeight
            // The first row, and the group's label below it.
            readonly property real closedHeight: count >= 2 ? Math.max(groupBottom, firstBottom + 1) : firstBottom
            interactive: area.queueExpanded && contentHeight > height
            boundsBehavior: Flickable.StopAtBounds
            clip: true
            // The software scene graph draws shapes (the status symbols, the chevrons) past a
            // clip; drawn into a layer of the list's own size, nothing shows outside the box.
            layer.enabled: interactive
            // Tab and arrow keys go to a row; the row's own button stays reachable with Tab.
            activeFocusOnTab: true
            keyNavigationEnabled: area.queueExpanded
            highlightFollowsCurrentItem: false
            reuseItems: true
            model: area.vm.files
            // Reported by the first two entries: with the group closed the list ends below the
            // group's label, or below the first row while it stands alone.
            property real firstBottom: 0
            property real groupBottom: 0

            onCountChanged: if (currentIndex >= count)
                currentIndex = count - 1

            ScrollBar.vertical: ScrollBar {
                policy: rows.interactive ? ScrollBar.AsNeeded : ScrollBar.AlwaysOff
            }

            // This Qt's linter cannot follow ids of the file into a delegate; they are bound here.
            // qmllint disable unqualified
            delegate: FileListEntry {
                list: rows
                vm: area.vm
                groupOpen: area.queueExpanded
                fileCount: area.fileCount
                openTracks: area.openTracks
                reorder: partDrag
                onGroupToggled: area.queueExpanded = !area.queueExpanded
                onTracksToggled: fileId => {
                    const open = Object.assign({}, area.openTracks);
                    open[fileId] = area.openTracks[fileId] !== true;
                    area.openTracks = open;
                }
                onBottomReported: (index, bottom) => {
                    if (index === 0)
                        rows.firstBottom = bottom;
                    else
                        rows.groupBottom = bottom;
                }
            }
            // qmllint enable unqualified
        }

        // The group's padding below its label or its last row.
        Item {
            id: groupPadding
            visible: area.fileCount >= 2
            width: Units.hairline
            height: 6
        }
    }

    // The line between rows where a dragged part would land, over the list.
    PartOrderDrag {
        id: partDrag
        list: rows
        vm: area.vm
        x: rows.x
        y: content.y + rows.y
        width: rows.width
        height: rows.height
        // A gap scrolled out of the list is not marked over the controls around it.
        clip: true
    }

    RoundedOutline {
        objectName: "outline"
        anchors.fill: parent
        radius: Units.boxRadius
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
            area.vm.addFiles(drop.urls);
            drop.acceptProposedAction();
        }
    }
}
