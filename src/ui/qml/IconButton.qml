import QtQuick
import Kestrune

// An icon alone, no bezel or background; its action is named in hover help and for assistive
// technologies.
WindowButton {
    id: button

    property string symbol
    property color tint: WindowStyle.text
    property string help

    implicitWidth: Units.icon
    implicitHeight: Units.icon
    padding: 0
    hoverEnabled: true
    focusRadius: width / 2

    contentItem: SymbolIcon {
        name: button.symbol
        color: button.tint
        opacity: button.down ? 0.6 : 1.0
    }

    HelpTip {
        visible: button.hovered && button.help !== ""
        text: button.help
    }

    Accessible.name: help
}
