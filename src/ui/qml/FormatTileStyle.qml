import QtQuick
import Kestrune

// The look of a format tile: a small flat rounded tile, accent-filled when it stands for the
// current choice, faint grey otherwise, darkened and shrunk to 95 % while pressed. It draws only;
// the button that uses it keeps the action and the enabled state (a disabled tile looks the same).
Item {
    id: style

    property bool isOn: false
    property bool pressed: false
    property string text
    property font font
    // The label's frame is at least this wide before the padding.
    property real minimumLabelWidth: 38

    readonly property color labelColor: isOn ? WindowStyle.text : WindowStyle.labelText
    readonly property color fillColor: isOn ? ThemeManager.accentColor : WindowStyle.controlFill

    implicitWidth: Math.max(minimumLabelWidth, label.implicitWidth) + 16
    implicitHeight: label.implicitHeight + 12

    scale: pressed ? 0.95 : 1.0
    Behavior on scale  {
        NumberAnimation {
            duration: Units.pressDuration
            easing.type: Easing.Bezier
            easing.bezierCurve: [0.42, 0, 0.58, 1, 1, 1]
        }
    }

    Rectangle {
        id: fill
        anchors.fill: parent
        radius: Units.radius
        color: style.fillColor
    }
    Rectangle {
        id: pressedOverlay
        anchors.fill: parent
        radius: Units.radius
        color: WindowStyle.pressedOverlay
        visible: style.pressed
    }
    // Stroked centred on the edge: half the line lies outside the tile.
    Rectangle {
        id: outline
        anchors.fill: parent
        anchors.margins: -0.5
        radius: Units.radius + 0.5
        color: "transparent"
        border.width: Units.hairline
        border.color: WindowStyle.tileOutline
    }
    Text {
        id: label
        anchors.centerIn: parent
        text: style.text
        textFormat: Text.PlainText
        font: style.font
        color: style.labelColor
    }
}
