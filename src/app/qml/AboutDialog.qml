import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Kestrune

// Name, version and licence, and which ffmpeg conversions would run now.
Dialog {
    id: dialog

    required property AboutInfo about

    objectName: "aboutDialog"
    title: qsTr("About Kestrune")
    modal: true
    anchors.centerIn: parent
    width: Math.min(420, (parent ? parent.width : 420) - 40)
    standardButtons: Dialog.Close
    onAboutToShow: about.refresh()

    ColumnLayout {
        anchors.left: parent.left
        anchors.right: parent.right
        spacing: Units.mediumSpacing

        Image {
            Layout.alignment: Qt.AlignHCenter
            source: "qrc:/Kestrune/org.kestrune.Kestrune.svg"
            sourceSize.width: Units.largeIcon
            sourceSize.height: Units.largeIcon
        }
        Label {
            Layout.alignment: Qt.AlignHCenter
            text: dialog.about.applicationName
            font.bold: true
            font.pointSize: WindowStyle.defaultPointSize * 1.4
        }
        Label {
            Layout.alignment: Qt.AlignHCenter
            text: qsTr("Version %1").arg(dialog.about.version)
        }
        Label {
            Layout.fillWidth: true
            Layout.topMargin: Units.mediumSpacing
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            text: qsTr("Free software under the GNU General Public License, version 3 or later (%1).").arg(dialog.about.licence)
        }
        Label {
            objectName: "ffmpegLine"
            Layout.fillWidth: true
            Layout.topMargin: Units.mediumSpacing
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WrapAnywhere
            textFormat: Text.PlainText
            color: dialog.about.ffmpegKnown && dialog.about.ffmpegPath === "" ? WindowStyle.orange : WindowStyle.text
            text: {
                if (dialog.about.ffmpegPath !== "")
                    return qsTr("ffmpeg: %1").arg(dialog.about.ffmpegPath);
                return dialog.about.ffmpegKnown ? qsTr("ffmpeg not found") : qsTr("Looking for ffmpeg…");
            }
        }
        Label {
            objectName: "ffmpegVersionLine"
            Layout.fillWidth: true
            visible: dialog.about.ffmpegPath !== ""
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            textFormat: Text.PlainText
            opacity: 0.65
            font.pointSize: WindowStyle.captionPointSize
            text: dialog.about.ffmpegKnown ? dialog.about.ffmpegVersion : "…"
        }
    }
}
