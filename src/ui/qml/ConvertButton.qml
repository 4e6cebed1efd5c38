import QtQuick
import QtQuick.Templates as T
import Kestrune

// The window's default button: large, filled with the accent colour.
T.AbstractButton {
    id: button

    implicitWidth: Math.max(88, implicitContentWidth) + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    leftPadding: 12
    rightPadding: 12
    topPadding: 7
    bottomPadding: 7
    focusPolicy: Qt.StrongFocus

    contentItem: Text {
        text: button.text
        textFormat: Text.PlainText
        font.pointSize: WindowStyle.defaultPointSize
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        color: button.enabled ? WindowStyle.text : WindowStyle.disabledText
    }
    background: Rectangle {
        radius: 6
        color: button.enabled ? ThemeManager.accentColor : WindowStyle.disabledFill

        Rectangle {
            anchors.fill: parent
            radius: parent.radius
            color: WindowStyle.pressedOverlay
            visible: button.down
        }
        FocusRing {
            visible: button.visualFocus
            radius: 8
        }
    }

    Accessible.role: Accessible.Button
    Accessible.name: text
    Accessible.onPressAction: if (enabled) clicked()
}
