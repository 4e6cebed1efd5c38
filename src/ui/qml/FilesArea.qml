import QtQuick
import QtQuick.Layouts
import Kestrune

// The file box: drop target, "Browse…" link and the queue. The first file always has a row; the
// others fold into a disclosure group. The box never scrolls: it grows with its rows, and the
// window's scroller shows it.
Item {
    id: area

    required property RemuxViewModel vm
    // True while a drag carrying file URLs hovers over the box.
    readonly property bool isDragTarget: dropArea.containsDrag
    // Whether the group of files after the first is open. Kept when the list shrinks and grows.
    property bool queueExpanded: false
    // The scroller that shows the box; rows outside its viewport are not made. Without one,
    // every row is made.
    property Flickable viewport: null
    // The rows whose track list is open, by file id: rows are reused for other files as the
    // list scrolls, so the row itself can't remember.
    property var openTracks: ({})

    // A focused row moved as the rows around it were made: the window scrolls to it again.
    signal focusedRowMoved

    onQueueExpandedChanged: if (!queueExpanded)
        rows.currentIndex = 0

    readonly property int fileCount: area.vm.files.count
    readonly property bool isEmpty: fileCount === 0

    implicitHeight: content.implicitHeight

    Accessible.role: Accessible.List
    Accessible.name: qsTr("Files to convert")

    Rectangle {
        anchors.fill: parent
        radius: Units.boxRadius
        color: WindowStyle.boxFill
    }

    component RowSeparator: Rectangle {
        height: Units.hairline
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
                enabled: !area.vm.isConverting
                onClicked: area.vm.presentAddFilesPanel()
            }
        }

        // Rows are made only where the window's scroller can show them (plus a margin), so a
        // queue of thousands costs what one screen of rows costs. The list never scrolls itself:
        // it is as tall as its content and the window scrolls it; its display margins shrink its
        // fill range to the part of it inside the scroller's viewport. With the group closed it
        // stops below the group's label, so only the first two entries are ever made.
        ListView {
            id: rows
            objectName: "rows"
            width: content.width
            // Open, the list is its content's height, which the rows it makes refine: estimated
            // from the rows made so far until all are made.
            height: count === 0 ? 0 : area.queueExpanded ? contentHeight : count >= 2 ? Math.max(groupBottom, firstBottom + 1) : firstBottom
            interactive: false
            // Tab and arrow keys go to a row; the row's own button stays reachable with Tab.
            activeFocusOnTab: true
            keyNavigationEnabled: area.queueExpanded
            highlightFollowsCurrentItem: false
            // Rows a screen beyond the viewport are made ahead, a few per frame, so a scroll
            // finds them ready without a long frame.
            cacheBuffer: area.queueExpanded && area.viewport ? area.viewport.height : 0
            reuseItems: true
            model: area.vm.files

            // Where the scroller's viewport lies in the list.
            readonly property real viewTop: {
                if (!area.viewport)
                    return 0;
                area.viewport.contentY + area.y + rows.contentY;
                return area.viewport.contentItem.mapToItem(rows, 0, area.viewport.contentY).y;
            }
            readonly property real viewBottom: area.viewport ? viewTop + area.viewport.height : height
            displayMarginBeginning: area.queueExpanded ? -Math.max(0, Math.min(viewTop, height - 1)) : 0
            displayMarginEnd: area.queueExpanded ? -Math.max(0, Math.min(height - viewBottom, height - 1)) : 0
            // Reported by the first two entries: with the group closed the list ends below the
            // group's label, or below the first row while it stands alone.
            property real firstBottom: 0
            property real groupBottom: 0

            onCountChanged: if (currentIndex >= count)
                currentIndex = count - 1

            // This Qt's linter cannot follow ids of the file into a delegate; they are bound here.
            // qmllint disable unqualified
            delegate: FocusScope {
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
                required property bool saving
                required property bool tracksRead
                required property string trackSummary
                required property var tracks
                required property bool hasException

                // Files after the first live in the group, inset by its padding.
                readonly property bool inGroup: index >= 1
                readonly property bool rowShown: index === 0 || area.queueExpanded
                readonly property real entryBottom: y + height

                width: content.width
                // Never empty: a closed group's entries keep a line each, so the list's fill stops
                // at the first of them instead of making them all.
                height: Math.max(1, column.implicitHeight)
                onEntryBottomChanged: {
                    report();
                    if (activeFocus)
                        area.focusedRowMoved();
                }
                onIndexChanged: report()
                Component.onCompleted: report()
                function report() {
                    if (index === 0)
                        rows.firstBottom = entryBottom;
                    else if (index === 1)
                        rows.groupBottom = entryBottom;
                }

                // Delete removes the row, from the row or from its button; not the file in work.
                Keys.onDeletePressed: event => {
                    event.accepted = entry.status !== FileListModel.Converting;
                    if (event.accepted)
                        area.vm.removeFile(entry.fileId);
                }

                Column {
                    id: column
                    width: parent.width
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
                        width: Units.hairline
                        height: 2
                    }
                    RowSeparator {
                        x: 10
                        width: parent.width - 20
                        visible: entry.inGroup && entry.rowShown
                    }
                    FileRowView {
                        objectName: "fileRow"
                        visible: entry.rowShown
                        height: visible ? implicitHeight : 0
                        x: entry.inGroup ? 10 : 0
                        width: entry.inGroup ? parent.width - 20 : parent.width
                        focus: true
                        showFocus: activeFocus
                        fileName: entry.fileName
                        folderPath: entry.folderPath
                        status: entry.status
                        hasFraction: entry.hasFraction
                        fraction: entry.fraction
                        hasSpeed: entry.hasSpeed
                        speed: entry.speed
                        note: entry.note
                        reason: entry.reason
                        saving: entry.saving
                        tracksRead: entry.tracksRead
                        trackSummary: entry.trackSummary
                        tracks: entry.tracks
                        hasException: entry.hasException
                        tracksOpen: area.openTracks[entry.fileId] === true
                        batchRunning: area.vm.isConverting
                        onRevealRequested: area.vm.revealFile(entry.fileId)
                        onRemoveRequested: area.vm.removeFile(entry.fileId)
                        onTracksToggled: {
                            const open = Object.assign({}, area.openTracks);
                            open[entry.fileId] = area.openTracks[entry.fileId] !== true;
                            area.openTracks = open;
                        }
                        onTrackKeptToggled: (key, kept) => area.vm.setTrackKept(entry.fileId, key, kept)
                        onFollowRuleRequested: area.vm.followTrackRule(entry.fileId)
                    }
                }
            }
        }

        // qmllint enable unqualified

        // The group's padding below its label or its last row.
        Item {
            visible: area.fileCount >= 2
            width: Units.hairline
            height: 6
        }
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
