import QtQuick
import Kestrune

// The window's default button: large, filled with the accent colour.
WindowButton {
    id: button

    implicitWidth: Math.max(88, implicitContentWidth) + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    leftPadding: Units.buttonPadding
    rightPadding: Units.buttonPadding
    topPadding: Units.defaultButtonVerticalPadding
    bottomPadding: Units.defaultButtonVerticalPadding
    focusRadius: Units.boxRadius + 2

    contentItem: Text {
        text: button.text
        textFormat: Text.PlainText
        font.pointSize: WindowStyle.defaultPointSize
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        color: button.enabled ? WindowStyle.text : WindowStyle.disabledText
    }
    background: Rectangle {
        radius: Units.boxRadius
        color: button.enabled ? ThemeManager.accentColor : WindowStyle.disabledFill

        Rectangle {
            anchors.fill: parent
            radius: parent.radius
            color: WindowStyle.pressedOverlay
            visible: button.down
        }
    }
}
