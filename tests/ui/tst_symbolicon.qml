import QtQuick
import QtTest
import Kestrune

TestCase {
    id: testCase
    name: "SymbolIcon"
    width: 200
    height: 200
    visible: true
    when: windowShown

    Component {
        id: iconComponent
        // On black, so every pixel is either background or a shade of the tint.
        Rectangle {
            property alias name: symbol.name
            property alias tint: symbol.color
            width: 48
            height: 48
            color: "black"

            SymbolIcon {
                id: symbol
                anchors.fill: parent
            }
        }
    }

    function test_tint_data() {
        return [
            { tag: "checkmark.circle.fill", name: "checkmark.circle.fill", filled: true },
            { tag: "xmark.octagon.fill", name: "xmark.octagon.fill", filled: true },
            { tag: "exclamationmark.triangle.fill", name: "exclamationmark.triangle.fill", filled: true },
            { tag: "exclamationmark.triangle", name: "exclamationmark.triangle", filled: false },
            { tag: "arrow.down.doc", name: "arrow.down.doc", filled: false },
            { tag: "circle", name: "circle", filled: false },
            { tag: "arrow.right.circle", name: "arrow.right.circle", filled: false },
            { tag: "xmark.circle.fill", name: "xmark.circle.fill", filled: true },
            { tag: "checkmark", name: "checkmark", filled: false },
        ]
    }

    // Each symbol is drawn in its tint: some pixels carry the full colour, and nothing is drawn
    // in any colour but antialiased shades of the tint.
    function test_tint(data) {
        const icon = createTemporaryObject(iconComponent, testCase, { name: data.name, tint: "#ff0000" })
        verify(icon)
        waitForRendering(icon)
        const image = grabImage(icon)
        let tinted = 0
        let foreign = 0
        for (let y = 0; y < 48; ++y) {
            for (let x = 0; x < 48; ++x) {
                const c = image.pixel(x, y)
                if (c.g > 0.05 || c.b > 0.05)
                    ++foreign
                else if (c.r > 0.9)
                    ++tinted
            }
        }
        verify(tinted > 20, "tinted pixels: " + tinted)
        compare(foreign, 0)
        // A filled symbol covers its centre region far more than a line drawing does.
        if (data.filled)
            verify(tinted > 600, "a filled symbol is mostly solid: " + tinted)
        else
            verify(tinted < 600, "an outlined symbol is mostly empty: " + tinted)
    }

    function test_unknownNameDrawsNothing() {
        const icon = createTemporaryObject(iconComponent, testCase, { name: "no.such.symbol", tint: "#ff0000" })
        waitForRendering(icon)
        const image = grabImage(icon)
        for (let y = 0; y < 48; y += 4)
            for (let x = 0; x < 48; x += 4)
                compare(image.pixel(x, y).r, 0)
    }
}
