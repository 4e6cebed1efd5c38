import QtQuick
import QtQuick.Templates as T
import Kestrune

// An icon alone, no bezel or background; its action is named in hover help and for assistive
// technologies.
T.AbstractButton {
    id: button

    property string symbol
    property color tint: WindowStyle.text
    property string help

    implicitWidth: 16
    implicitHeight: 16
    padding: 0
    focusPolicy: Qt.StrongFocus
    hoverEnabled: true

    contentItem: SymbolIcon {
        name: button.symbol
        color: button.tint
        opacity: button.down ? 0.6 : 1.0
    }
    background: FocusRing {
        visible: button.visualFocus
        radius: width / 2
    }

    HelpTip {
        visible: button.hovered && button.help !== ""
        text: button.help
    }

    Accessible.role: Accessible.Button
    Accessible.name: help
    Accessible.onPressAction: if (enabled) clicked()
}
