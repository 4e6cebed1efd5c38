import QtQuick
import QtQuick.Layouts
import Kestrune

// One track of a file, as the plan decided it: a tick (video always stays), its kind, language,
// codec, title and marks, and in grey why it is left out or what changes on the way.
RowLayout {
    id: line

    // A map of the list's `tracks` role: key, kind, languageName, languageCode, codec, title,
    // marks, kept, why, converted, fromSide, byException.
    required property var track
    // The user ticked or unticked it.
    signal keptToggled(bool kept)

    readonly property string kindName: ({
            "video": qsTr("Video"),
            "audio": qsTr("Audio"),
            "subtitle": qsTr("Subtitles"),
            "data": qsTr("Data"),
            "attachment": qsTr("Attachment")
        })[track.kind] || qsTr("Other")
    readonly property string detail: {
        if (!track.kept)
            return track.why;
        if (track.why !== "")
            return track.why;
        if (track.converted)
            return qsTr("Converted");
        return track.fromSide ? qsTr("Added from beside the video") : "";
    }

    spacing: Units.largeSpacing

    WindowCheckBox {
        id: tick
        objectName: "trackKept"
        // The tick follows the plan; a click only asks.
        checkable: false
        checked: line.track.kept
        enabled: line.track.kind !== "video"
        Layout.alignment: Qt.AlignTop
        onClicked: line.keptToggled(!line.track.kept)
        // "English audio, AAC, kept": what a screen reader says of the line.
        Accessible.name: {
            const named = ({
                    "video": qsTr("%1 video"),
                    "audio": qsTr("%1 audio"),
                    "subtitle": qsTr("%1 subtitles")
                })[line.track.kind];
            const what = line.track.languageName === "" ? line.kindName : named ? named.arg(line.track.languageName) : line.track.languageName + " " + line.kindName;
            const parts = [what, line.track.codec];
            if (line.track.title !== "")
                parts.push(line.track.title);
            parts.push(line.track.kept ? qsTr("kept") : qsTr("left out"));
            if (line.detail !== "")
                parts.push(line.detail);
            return parts.join(", ");
        }
    }
    ColumnLayout {
        spacing: 0
        Layout.fillWidth: true

        RowLayout {
            spacing: Units.mediumSpacing
            Layout.fillWidth: true

            Caption {
                text: line.kindName
                color: line.track.kept ? WindowStyle.labelText : WindowStyle.secondaryText
                Layout.preferredWidth: 64
            }
            Caption {
                objectName: "trackLanguage"
                visible: text !== ""
                text: line.track.languageName
                color: line.track.kept ? WindowStyle.text : WindowStyle.secondaryText
            }
            WindowText {
                visible: text !== ""
                text: line.track.languageCode
                font.pointSize: WindowStyle.captionPointSize - 1
                Accessible.ignored: true
            }
            Caption {
                text: line.track.codec
            }
            Caption {
                objectName: "trackTitle"
                visible: line.track.title !== ""
                text: "\u201c" + line.track.title + "\u201d"
                elide: Text.ElideRight
                Layout.fillWidth: true
                Layout.maximumWidth: implicitWidth
            }
            Caption {
                visible: text !== ""
                text: line.track.marks
                color: WindowStyle.placeholderText
            }
            Item {
                Layout.fillWidth: true
            }
        }
        Caption {
            objectName: "trackWhy"
            visible: text !== ""
            text: line.detail
            color: line.track.kept ? WindowStyle.secondaryText : WindowStyle.placeholderText
            wrapMode: Text.Wrap
            Layout.fillWidth: true
        }
    }

    component Caption: WindowText {
        font.pointSize: WindowStyle.captionPointSize
        maximumLineCount: 2
        Accessible.ignored: true
    }
}
