import QtQuick
import QtQuick.Templates as T
import Kestrune

// A button drawn with the format tile look.
T.AbstractButton {
    id: button

    property bool isOn: false

    implicitWidth: implicitContentWidth
    implicitHeight: implicitContentHeight
    padding: 0
    focusPolicy: Qt.StrongFocus

    contentItem: FCPToolbarButtonStyle {
        isOn: button.isOn
        pressed: button.down
        text: button.text
        font.pointSize: WindowStyle.defaultPointSize
    }
    background: FocusRing {
        visible: button.visualFocus
        radius: 5
    }

    Accessible.role: Accessible.RadioButton
    Accessible.name: text
    Accessible.checkable: true
    Accessible.checked: isOn
    Accessible.onPressAction: if (enabled) clicked()
}
