import QtQuick
import QtQuick.Templates as T
import Kestrune

// A radio button of the window: a small ring, with the accent colour and a dot while chosen.
// Buttons with one parent are one choice.
T.RadioButton {
    id: radio

    focusPolicy: Qt.StrongFocus
    spacing: Units.iconSpacing
    padding: 0
    implicitWidth: implicitContentWidth
    implicitHeight: Math.max(implicitIndicatorHeight, implicitContentHeight)

    indicator: Rectangle {
        width: Units.mediumIcon
        height: Units.mediumIcon
        radius: width / 2
        y: (radio.height - height) / 2
        color: radio.checked ? ThemeManager.accentColor : WindowStyle.controlFace
        border.width: radio.checked ? 0 : Units.hairline
        border.color: WindowStyle.controlBorder
        opacity: radio.down ? 0.7 : 1.0

        Rectangle {
            anchors.centerIn: parent
            width: parent.width * 0.4
            height: width
            radius: width / 2
            color: WindowStyle.text
            visible: radio.checked
        }
        FocusRing {
            visible: radio.visualFocus
            radius: width / 2
        }
    }
    contentItem: Text {
        leftPadding: radio.indicator.width + radio.spacing
        text: radio.text
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        font.pointSize: WindowStyle.defaultPointSize
        color: radio.enabled ? WindowStyle.labelText : WindowStyle.disabledText
        verticalAlignment: Text.AlignVCenter
    }

    Accessible.role: Accessible.RadioButton
    Accessible.name: text
    Accessible.checkable: true
    Accessible.checked: checked
}
