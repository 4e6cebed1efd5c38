import QtQuick
import QtQuick.Layouts
import Kestrune

// One queued file: status indicator, name, where it lives or what went wrong, the live readout
// while it converts, and one trailing button to reveal the result or to remove the entry. The
// buttons only ask; the list decides what happens.
Item {
    id: row

    // The record, as the list's roles carry it.
    property string fileName
    property string folderPath
    property int status: FileListModel.Queued
    property bool hasFraction: false
    property real fraction: 0
    property bool hasSpeed: false
    property real speed: 0
    property string note
    property string reason
    // Converting, and the new file is being flushed and named.
    property bool saving: false
    // While a batch runs, a row that is not done offers no button.
    property bool batchRunning: false
    // Drawn around the row while the keyboard is on it.
    property bool showFocus: false
    // What the plan does with the file's tracks, once they are read: one short line, and each
    // track (maps of the list's `tracks` role), listed while the row is open.
    property bool tracksRead: false
    property string trackSummary
    property var tracks: []
    property bool hasException: false
    property int chapters: 0
    property bool tracksOpen: false
    // While joining: which part the file is ("Part 2 of 5"), and why it can't be joined, if so.
    property string partText
    property string joinRefusal

    signal revealRequested
    signal removeRequested
    signal tracksToggled
    signal trackKeptToggled(string key, bool kept)
    signal followRuleRequested

    readonly property bool isDone: status === FileListModel.Done
    readonly property bool isFailed: status === FileListModel.Failed
    readonly property bool isConverting: status === FileListModel.Converting
    readonly property bool hasNote: isDone && note !== ""
    readonly property bool isRefused: joinRefusal !== "" && status === FileListModel.Queued
    readonly property bool showsTracks: tracksRead && trackSummary !== ""
    readonly property int alignment: tracksOpen ? Qt.AlignTop : Qt.AlignVCenter
    readonly property string symbolName: isDone ? "checkmark.circle.fill" : isFailed ? "xmark.octagon.fill" : "circle"

    implicitHeight: layout.implicitHeight + 12

    FocusRing {
        visible: row.showFocus
        anchors.margins: Units.hairline
        radius: Units.radius
    }

    Accessible.role: Accessible.ListItem
    Accessible.focusable: true
    Accessible.name: fileName + ", " + (partText !== "" ? partText + ", " : "") + (isRefused ? joinRefusal + ", " : "") + ViewText.rowStatusText(status, note, reason, saving) + (hasException ? ", " + qsTr("tracks chosen for this file") : "")
    // The live percentage, apart from the name so that its changes are not announced; else what
    // becomes of the tracks.
    Accessible.description: isConverting && hasFraction ? ViewText.percentText(fraction) : showsTracks ? trackSummary : ""

    RowLayout {
        id: layout
        anchors.fill: parent
        anchors.leftMargin: Units.largeSpacing
        anchors.rightMargin: Units.largeSpacing
        anchors.topMargin: Units.mediumSpacing
        anchors.bottomMargin: Units.mediumSpacing
        spacing: Units.rowSpacing

        // Only the indicator the status needs is made: a long queue holds one symbol per row,
        // not a spinner and a ring besides.
        Loader {
            id: indicator
            objectName: "indicator"
            // What the indicator shows: a symbol name, "spinner" or "progress".
            readonly property string kind: row.isConverting ? (row.hasFraction ? "progress" : "spinner") : row.symbolName
            Layout.preferredWidth: Units.indicatorSlot
            Layout.preferredHeight: Units.indicatorSlot
            Layout.alignment: row.alignment
            sourceComponent: kind === "progress" ? progressIndicator : kind === "spinner" ? spinnerIndicator : symbolIndicator
        }
        // This Qt's linter cannot follow ids of the file into an inline Component; they are bound here.
        // qmllint disable unqualified
        Component {
            id: symbolIndicator
            Item {
                SymbolIcon {
                    objectName: "statusSymbol"
                    anchors.centerIn: parent
                    width: Units.icon
                    height: Units.icon
                    name: row.symbolName
                    color: row.isDone ? WindowStyle.green : row.isFailed ? WindowStyle.red : WindowStyle.secondaryText
                }
            }
        }
        Component {
            id: spinnerIndicator
            Item {
                Spinner {
                    anchors.centerIn: parent
                }
            }
        }
        Component {
            id: progressIndicator
            Item {
                CircularProgress {
                    objectName: "circularProgress"
                    anchors.centerIn: parent
                    value: row.fraction
                }
            }
        }

        // qmllint enable unqualified
        ColumnLayout {
            spacing: Units.hairline
            Layout.fillWidth: true
            // What is left beside the indicator and the buttons, however wide its lines would be.
            Layout.preferredWidth: 0
            Layout.alignment: row.alignment

            WindowText {
                id: title
                objectName: "title"
                Layout.fillWidth: true
                text: row.fileName
                color: WindowStyle.text
                elide: Text.ElideRight
                maximumLineCount: 1

                HoverHandler {
                    id: titleHover
                }
                HelpTip {
                    visible: titleHover.hovered && title.truncated
                    text: row.fileName
                }
            }
            WindowText {
                id: detail
                objectName: "detail"
                Layout.fillWidth: true
                readonly property bool alarming: row.isFailed || row.isRefused
                text: row.isFailed ? row.reason : row.hasNote ? row.note : row.saving ? ViewText.rowStatusText(row.status, "", "", true) : row.isRefused ? row.partText + " · " + row.joinRefusal : row.partText !== "" && row.status === FileListModel.Queued ? row.partText : row.folderPath
                font.pointSize: WindowStyle.captionPointSize
                color: alarming ? WindowStyle.red : row.hasNote ? WindowStyle.orange : WindowStyle.secondaryText
                wrapMode: alarming ? Text.Wrap : Text.NoWrap
                maximumLineCount: alarming ? 2 : 1
                elide: alarming || row.hasNote ? Text.ElideRight : Text.ElideMiddle
                // Only a reason or a note carries its full wording as hover help.
                readonly property string help: row.isFailed ? row.reason : row.isRefused ? row.joinRefusal : row.hasNote ? row.note : ""

                HoverHandler {
                    id: detailHover
                }
                HelpTip {
                    visible: detailHover.hovered && detail.help !== ""
                    text: detail.help
                }
            }
            FileRowTracks {
                visible: row.showsTracks
                trackSummary: row.trackSummary
                tracks: row.tracks
                hasException: row.hasException
                chapters: row.chapters
                tracksOpen: row.tracksOpen
                showsTracks: row.showsTracks
                summaryIsReason: row.isFailed && row.reason === row.trackSummary
                onTracksToggled: row.tracksToggled()
                onTrackKeptToggled: (key, kept) => row.trackKeptToggled(key, kept)
                onFollowRuleRequested: row.followRuleRequested()
                Layout.fillWidth: true
                Layout.topMargin: Units.tinySpacing
            }
        }

        Loader {
            objectName: "readoutSlot"
            active: row.isConverting
            visible: active
            Layout.alignment: Qt.AlignVCenter
            // qmllint disable unqualified
            sourceComponent: ConvertingReadout {
                objectName: "readout"
                hasFraction: row.hasFraction
                fraction: row.fraction
                hasSpeed: row.hasSpeed
                speed: row.speed
            }
        }

        // qmllint enable unqualified
        IconButton {
            id: trailing
            objectName: "trailingButton"
            readonly property bool reveals: row.isDone
            visible: row.isDone || !(row.batchRunning || row.isConverting)
            Layout.alignment: row.alignment
            symbol: reveals ? "arrow.right.circle" : "xmark.circle.fill"
            tint: reveals ? ThemeManager.accentColor : WindowStyle.removeButton
            help: reveals ? qsTr("Show in Folder") : qsTr("Remove from list")
            onClicked: reveals ? row.revealRequested() : row.removeRequested()
        }
    }
}
