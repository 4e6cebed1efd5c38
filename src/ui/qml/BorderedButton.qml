import QtQuick
import QtQuick.Templates as T
import Kestrune

// A regular push button of the window: a faint face with a thin border, like the destination
// menu's face. Not the accent fill, which is kept for Convert.
T.AbstractButton {
    id: button

    implicitWidth: Math.max(56, implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    leftPadding: 12
    rightPadding: 12
    topPadding: 3
    bottomPadding: 3
    focusPolicy: Qt.StrongFocus

    contentItem: WindowText {
        text: button.text
        color: button.enabled ? WindowStyle.text : WindowStyle.disabledText
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }
    background: Rectangle {
        radius: 5
        color: button.down ? WindowStyle.controlFacePressed : WindowStyle.controlFace
        border.width: 1
        border.color: WindowStyle.controlBorder

        FocusRing {
            visible: button.visualFocus
            radius: 7
        }
    }

    Accessible.role: Accessible.Button
    Accessible.name: text
    Accessible.onPressAction: if (enabled) clicked()
}
