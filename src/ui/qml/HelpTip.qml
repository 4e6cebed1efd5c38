import QtQuick
import QtQuick.Controls.Basic
import Kestrune

// Hover help. Only a holder until it is first shown: the pop-up is made then, so a window full of
// controls does not build one per control before its first frame. Its text may be a file name or
// ffmpeg's words, so it is shown as plain text.
Item {
    id: holder

    property string text
    property int delay: Units.helpDelay
    property ToolTip tip: null

    visible: false
    onVisibleChanged: if (visible && !tip)
        tip = popup.createObject(holder.parent)

    // This Qt's linter cannot follow ids of the file into an inline Component; they are bound here.
    // qmllint disable unqualified
    Component {
        id: popup

        ToolTip {
            id: tip

            visible: holder.visible
            text: holder.text
            delay: holder.delay

            contentItem: Text {
                text: tip.text
                textFormat: Text.PlainText
                wrapMode: Text.Wrap
                font.pointSize: WindowStyle.captionPointSize
                color: WindowStyle.text
            }
            background: Rectangle {
                radius: Units.radius
                color: WindowStyle.controlBackground
                border.width: Units.hairline
                border.color: WindowStyle.controlBorder
            }
        }
    }

    // qmllint enable unqualified
}
