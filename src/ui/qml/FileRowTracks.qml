import QtQuick
import QtQuick.Layouts
import Kestrune

// Below a row's name: what becomes of the file's tracks, a toggle to list them, the way back to
// the rule when this file's were chosen by hand, and the list itself while open. Its texts keep
// the row's translation context, from before it was a file of its own.
ColumnLayout {
    id: tracksPart

    // The row's values this part shows.
    property string trackSummary
    property var tracks: []
    property bool hasException: false
    // The file's chapters, one line below its tracks.
    property int chapters: 0
    property bool tracksOpen: false
    property bool showsTracks: false
    // A skip already stands above as the row's reason.
    property bool summaryIsReason: false

    signal tracksToggled
    signal trackKeptToggled(string key, bool kept)
    signal followRuleRequested

    spacing: 0

    Flow {
        objectName: "trackLine"
        spacing: Units.largeSpacing
        Layout.fillWidth: true

        DisclosureHeader {
            objectName: "tracksDisclosure"
            text: tracksPart.summaryIsReason ? qsTranslate("FileRowView", "Tracks") : tracksPart.trackSummary
            expanded: tracksPart.tracksOpen
            onClicked: tracksPart.tracksToggled()
            Accessible.name: qsTranslate("FileRowView", "Tracks: %1").arg(tracksPart.trackSummary)
        }
        WindowText {
            objectName: "exceptionMark"
            visible: tracksPart.hasException
            text: qsTranslate("FileRowView", "Chosen for this file")
            color: WindowStyle.orange
            font.pointSize: WindowStyle.captionPointSize
            Accessible.ignored: true
        }
        LinkButton {
            objectName: "followRuleButton"
            visible: tracksPart.hasException
            text: qsTranslate("FileRowView", "Back to the rule")
            pointSize: WindowStyle.captionPointSize
            onClicked: tracksPart.followRuleRequested()
        }
    }
    // Made only while open: a long queue holds no track lists.
    Loader {
        objectName: "trackList"
        active: tracksPart.tracksOpen && tracksPart.showsTracks
        visible: active
        Layout.fillWidth: true
        Layout.topMargin: Units.smallSpacing
        // qmllint disable unqualified
        sourceComponent: Column {
            spacing: Units.smallSpacing
            // By count: a tick changes every map, and lines made anew would drop the
            // keyboard's focus.
            Repeater {
                model: tracksPart.tracks.length
                delegate: TrackLine {
                    required property int index
                    width: parent ? parent.width : 0
                    track: tracksPart.tracks[index]
                    onKeptToggled: kept => tracksPart.trackKeptToggled(track.key, kept)
                }
            }
            WindowText {
                objectName: "chaptersLine"
                visible: tracksPart.chapters > 0
                text: qsTranslate("FileRowView", "Chapters: %1").arg(tracksPart.chapters)
            }
        }
        // qmllint enable unqualified
    }
}
