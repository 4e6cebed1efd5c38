import QtQuick
import Kestrune

// Live percentage and speed of the file in work. Each number stands right-aligned in a slot held
// open by its widest usual value, so the row does not shift as the digits change.
Row {
    id: readout

    property bool hasFraction: false
    property real fraction: 0
    property bool hasSpeed: false
    property real speed: 0

    readonly property string percentText: hasFraction ? ViewText.percentText(fraction) : ""
    readonly property string speedText: hasSpeed ? ViewText.speedText(speed) : ""

    spacing: Units.largeSpacing

    component Slot: Item {
        id: slot
        property string placeholder
        property string text

        implicitWidth: Math.max(hidden.implicitWidth, shown.implicitWidth)
        implicitHeight: shown.implicitHeight

        // Takes up room but is never drawn.
        Text {
            id: hidden
            text: slot.placeholder
            font: shown.font
            visible: false
        }
        WindowText {
            id: shown
            anchors.right: parent.right
            text: slot.text
            font.pointSize: WindowStyle.captionPointSize
            font.family: WindowStyle.digitsFamily
        }
    }

    Slot {
        objectName: "percentSlot"
        visible: readout.hasFraction
        placeholder: "100%"
        text: readout.percentText
        anchors.verticalCenter: parent.verticalCenter
    }
    Slot {
        objectName: "speedSlot"
        visible: readout.hasSpeed
        placeholder: "8888\u00d7"
        text: readout.speedText
        anchors.verticalCenter: parent.verticalCenter
    }
}
