import QtQuick
import QtQuick.Controls.Basic
import Kestrune

// Hover help. Its text may be a file name or ffmpeg's words, so it is shown as plain text.
ToolTip {
    id: tip

    delay: 600

    contentItem: Text {
        text: tip.text
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        font.pointSize: WindowStyle.captionPointSize
        color: WindowStyle.text
    }
    background: Rectangle {
        radius: 4
        color: WindowStyle.controlBackground
        border.width: 1
        border.color: WindowStyle.controlBorder
    }
}
