import QtQuick
import QtQuick.Layouts
import Kestrune

// One track of a file, as the plan decided it: a tick where it changes something, its kind, language,
// codec, title and marks, and in grey why it is left out or what changes on the way.
RowLayout {
    id: line

    // A map of the list's `tracks` role: key, kind, languageName, languageCode, codec, title,
    // marks, kept, why, converted, fromSide, byException, tickable.
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
    // libavcodec's names as people know them; others as they are.
    readonly property string codecName: ({
            "h264": "H.264",
            "hevc": "HEVC",
            "av1": "AV1",
            "mpeg2video": "MPEG-2",
            "aac": "AAC",
            "ac3": "AC-3",
            "eac3": "E-AC-3",
            "dts": "DTS",
            "truehd": "TrueHD",
            "flac": "FLAC",
            "opus": "Opus",
            "mp3": "MP3",
            "subrip": "SRT",
            "ass": "ASS",
            "webvtt": "WebVTT",
            "mov_text": qsTr("MP4 text"),
            "hdmv_pgs_subtitle": "PGS",
            "dvd_subtitle": "VobSub",
            "dvb_subtitle": "DVB"
        })[track.codec] || track.codec
    readonly property string namedCode: line.track.languageCode === "und" ? "" : line.track.languageCode
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
        // Offered only where a tick changes what the file gets: video stays, and a track the
        // container refuses stays out.
        enabled: line.track.tickable === true
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
            const parts = [what, line.codecName];
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
            // A track that names no language shows a dash, never the code for "undetermined".
            Caption {
                objectName: "trackLanguage"
                text: line.track.languageName !== "" ? line.track.languageName : line.namedCode !== "" ? line.namedCode : "\u2014"
                color: line.track.kept ? WindowStyle.text : WindowStyle.secondaryText
            }
            WindowText {
                visible: text !== ""
                text: line.track.languageName !== "" ? line.namedCode : ""
                font.pointSize: WindowStyle.captionPointSize - 1
                Accessible.ignored: true
            }
            Caption {
                text: line.codecName
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
