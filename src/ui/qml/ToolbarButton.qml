import QtQuick
import Kestrune

// A button drawn with the format tile look.
WindowButton {
    id: button

    property bool isOn: false

    implicitWidth: implicitContentWidth
    implicitHeight: implicitContentHeight
    padding: 0
    focusRadius: Units.controlRadius

    contentItem: FormatTileStyle {
        isOn: button.isOn
        pressed: button.down
        text: button.text
        font.pointSize: WindowStyle.defaultPointSize
    }

    Accessible.role: Accessible.RadioButton
    Accessible.checkable: true
    Accessible.checked: isOn
}
