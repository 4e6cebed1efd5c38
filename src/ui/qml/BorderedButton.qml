import QtQuick
import Kestrune

// A regular push button of the window: a faint face with a thin border, like the destination
// menu's face. Not the accent fill, which is kept for Convert.
WindowButton {
    id: button

    implicitWidth: Math.max(56, implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    leftPadding: Units.buttonPadding
    rightPadding: Units.buttonPadding
    topPadding: Units.buttonVerticalPadding
    bottomPadding: Units.buttonVerticalPadding
    focusRadius: Units.controlRadius + 2

    contentItem: WindowText {
        text: button.text
        color: button.enabled ? WindowStyle.text : WindowStyle.disabledText
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }
    background: Rectangle {
        radius: Units.controlRadius
        color: button.down ? WindowStyle.controlFacePressed : WindowStyle.controlFace
        border.width: Units.hairline
        border.color: WindowStyle.controlBorder
    }
}
