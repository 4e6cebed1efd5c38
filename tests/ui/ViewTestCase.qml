import QtQuick
import QtTest
import Kestrune

// A test case that shows the window's content at its default size, over a model the driver
// has just reset.
TestCase {
    id: testCase

    width: 620
    height: 540
    visible: true
    when: windowShown

    property Component viewComponent: Component {
        ContentView {
            width: 620
            height: 540
        }
    }

    function makeView() {
        const view = createTemporaryObject(viewComponent, testCase)
        verify(view, "ContentView is created")
        return view
    }

    // Every item below `item` with this objectName, in visual order.
    // Lets positioners and layouts place what just changed before the test clicks on it.
    function settle() {
        wait(30)
    }

    function findAll(item, name) {
        let found = []
        const walk = function (node) {
            if (!node)
                return
            if (node.objectName === name)
                found.push(node)
            const kids = node.children
            if (kids)
                for (let i = 0; i < kids.length; ++i)
                    walk(kids[i])
        }
        walk(item)
        return found
    }

    function find(item, name) {
        const all = findAll(item, name)
        verify(all.length > 0, "found " + name)
        return all[0]
    }

    // Shown means visible itself and through all its ancestors.
    function shown(item) {
        return item !== null && item.visible
    }

    function sameColor(actual, expected, message) {
        const a = Qt.color(actual)
        const e = Qt.color(expected)
        const close = Math.abs(a.r - e.r) < 0.01 && Math.abs(a.g - e.g) < 0.01 && Math.abs(a.b - e.b) < 0.01 && Math.abs(a.a - e.a) < 0.01
        verify(close, (message || "colour") + ": " + a + " vs " + e)
    }
}
