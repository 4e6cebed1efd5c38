import QtQuick
import QtTest
import Kestrune

TestCase {
    id: testCase
    name: "FCPToolbarButtonStyle"
    width: 300
    height: 100
    visible: true
    when: windowShown

    Component {
        id: styleComponent
        FCPToolbarButtonStyle {
            text: "MKV"
        }
    }
    Component {
        id: buttonComponent
        ToolbarButton {
            x: 100
            y: 30
            text: "WEBM"
        }
    }

    function sameColor(actual, expected, message) {
        const a = Qt.color(actual)
        const e = Qt.color(expected)
        verify(Math.abs(a.r - e.r) < 0.01 && Math.abs(a.g - e.g) < 0.01 && Math.abs(a.b - e.b) < 0.01 && Math.abs(a.a - e.a) < 0.01,
               (message || "colour") + ": " + a + " vs " + e)
    }

    function test_look_data() {
        return [
            { tag: "on", isOn: true, pressed: false, label: "white", fill: "accent", overlay: false, scale: 1.0 },
            { tag: "on, pressed", isOn: true, pressed: true, label: "white", fill: "accent", overlay: true, scale: 0.95 },
            { tag: "off", isOn: false, pressed: false, label: Qt.rgba(1, 1, 1, 0.85), fill: Qt.rgba(0.5, 0.5, 0.5, 0.2), overlay: false, scale: 1.0 },
            { tag: "off, pressed", isOn: false, pressed: true, label: Qt.rgba(1, 1, 1, 0.85), fill: Qt.rgba(0.5, 0.5, 0.5, 0.2), overlay: true, scale: 0.95 },
        ]
    }

    function test_look(data) {
        const tile = createTemporaryObject(styleComponent, testCase, { isOn: data.isOn, pressed: data.pressed })
        sameColor(tile.labelColor, data.label, "label")
        sameColor(tile.fillColor, data.fill === "accent" ? ThemeManager.accentColor : data.fill, "fill")
        const overlay = tile.children[1]
        compare(overlay.visible, data.overlay)
        sameColor(overlay.color, Qt.rgba(0, 0, 0, 0.2), "pressed overlay")
        const outline = tile.children[2]
        compare(outline.border.width, 1)
        sameColor(outline.border.color, Qt.rgba(0, 0, 0, 0.2), "outline")
        compare(tile.children[0].radius, 4)
        tryCompare(tile, "scale", data.scale)
        // The label's frame is at least 38 wide, padded 8 on each side.
        verify(tile.implicitWidth >= 38 + 16)
    }

    // The press shrinks the tile over 0.1 s and the release brings it back the same way; the
    // button's own enabled state does not change the drawing.
    function test_pressAnimates_data() {
        return [
            { tag: "enabled", enabled: true },
            { tag: "disabled", enabled: false },
        ]
    }

    function test_pressAnimates(data) {
        const button = createTemporaryObject(buttonComponent, testCase, { isOn: true, enabled: data.enabled })
        const tile = button.contentItem
        sameColor(tile.fillColor, ThemeManager.accentColor, "fill")
        if (!data.enabled) {
            mousePress(button)
            compare(tile.scale, 1.0)
            mouseRelease(button)
            return
        }
        mousePress(button)
        verify(tile.pressed)
        verify(tile.scale > 0.95, "the shrink is animated, not instant")
        tryCompare(tile, "scale", 0.95, 1000)
        mouseRelease(button)
        verify(tile.scale < 1.0)
        tryCompare(tile, "scale", 1.0, 1000)
    }
}
