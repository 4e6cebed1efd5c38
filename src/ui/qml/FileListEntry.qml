import QtQuick
import Kestrune

// One entry of the file box's list: the first file's row, or a file of the group after it, with
// the group's label above the second entry. A closed group's entries keep a line each, so the
// list's fill stops at the first of them instead of making them all.
FocusScope {
    id: entry

    required property ListView list
    property RemuxViewModel vm
    // The file box's state: whether the group is open, how many files it lists, and the files
    // whose track lists are open, by id.
    property bool groupOpen: false
    property int fileCount: 0
    property var openTracks: ({})
    // Takes this row's drags while joining.
    property PartOrderDrag reorder
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
    required property int chapters

    // Files after the first live in the group, inset by its padding.
    readonly property bool inGroup: index >= 1
    readonly property bool rowShown: index === 0 || entry.groupOpen
    readonly property real entryBottom: y + height
    // Where the row starts below the group's label, for the drop line between parts.
    readonly property real rowTop: fileRow.y

    // Where the first two entries end: the list's height while the group is closed.
    signal bottomReported(int index, real bottom)
    signal groupToggled
    signal tracksToggled(string fileId)

    width: list.width
    height: Math.max(1, column.implicitHeight)
    onEntryBottomChanged: report()
    onIndexChanged: report()
    Component.onCompleted: report()
    function report() {
        if (index <= 1)
            bottomReported(index, entryBottom);
    }
    // The row the keyboard is on is scrolled into the list's view.
    onActiveFocusChanged: if (activeFocus)
        list.positionViewAtIndex(index, ListView.Contain)

    // While joining, Alt+Up and Alt+Down move the row among the parts, and the keyboard stays on it.
    Keys.onPressed: event => {
        if (!(event.modifiers & Qt.AltModifier) || (event.key !== Qt.Key_Up && event.key !== Qt.Key_Down) || !entry.vm.join.on)
            return;
        event.accepted = true;
        const to = entry.index + (event.key === Qt.Key_Up ? -1 : 1);
        // The list moves this entry with its row, so the keyboard stays on it.
        entry.vm.join.moveFile(entry.index, to);
    }

    // Delete removes the row, from the row or from its button; not the file in work.
    Keys.onDeletePressed: event => {
        event.accepted = entry.status !== FileListModel.Converting;
        if (event.accepted)
            entry.vm.removeFile(entry.fileId);
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
                text: ViewText.moreFilesText(entry.fileCount - 1)
                expanded: entry.groupOpen
                onClicked: entry.groupToggled()
            }
        }
        // The group's content starts 2 below its label.
        Item {
            visible: entry.index === 1 && entry.groupOpen
            width: Units.hairline
            height: 2
        }
        RowSeparator {
            x: 10
            width: parent.width - 20
            visible: entry.inGroup && entry.rowShown
        }
        FileRowView {
            id: fileRow
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
            chapters: entry.chapters
            partText: entry.vm.join.on ? qsTr("Part %1 of %2").arg(entry.index + 1).arg(entry.fileCount) : ""
            joinRefusal: entry.vm.join.on && entry.vm.join.refusedId === entry.fileId ? entry.vm.join.refusal : ""
            tracksOpen: entry.openTracks[entry.fileId] === true
            batchRunning: entry.vm.batch.isConverting
            onRevealRequested: entry.vm.revealFile(entry.fileId)
            onRemoveRequested: entry.vm.removeFile(entry.fileId)
            onTracksToggled: entry.tracksToggled(entry.fileId)
            onTrackKeptToggled: (key, kept) => entry.vm.tracks.setTrackKept(entry.fileId, key, kept)
            onFollowRuleRequested: entry.vm.tracks.followTrackRule(entry.fileId)

            // A press and a move past the drag distance on the row picks the part up; the row's
            // buttons keep their clicks, and the keyboard's moves are not touched.
            DragHandler {
                objectName: "partDrag"
                target: null
                enabled: entry.reorder !== null && entry.reorder.allowed && entry.groupOpen
                onActiveChanged: if (active)
                    entry.reorder.begin(entry.index);
                else
                    entry.reorder.finish()
                onCentroidChanged: if (active)
                    entry.reorder.moveTo(centroid.scenePosition)
                onCanceled: entry.reorder.cancel()
            }
        }
    }

    component RowSeparator: Rectangle {
        height: Units.hairline
        color: WindowStyle.rowSeparator
    }
}
