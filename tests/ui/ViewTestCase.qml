import QtQuick
import QtTest
import Kestrune

// Shows the window's content at its default size, over a model the driver has just reset.
TestCase {
    width: 620
    height: 540
    visible: true
    when: windowShown

    property Component viewComponent: Component {
        ContentView {
            anchors.fill: parent
            vm: driver.model
        }
    }

    function init() {
        driver.reset()
    }

    function makeView() {
        return createTemporaryObject(viewComponent, this)
    }

    // Every item below `item` with this objectName, depth first.
    function findAll(item, name) {
        return Array.prototype.reduce.call(item.children || [], (found, child) => found.concat(findAll(child, name)), item.objectName === name ? [item] : [])
    }

    function find(item, name) {
        const all = findAll(item, name)
        verify(all.length > 0, "found " + name)
        return all[0]
    }

    // The rows the file box has made with its group open, top to bottom.
    function rows(view) {
        view.filesArea.queueExpanded = true
        wait(30)
        return findAll(view.filesArea, "fileRow").filter(row => row.visible).sort((a, b) => a.mapToItem(view, 0, 0).y - b.mapToItem(view, 0, 0).y)
    }

    function sameColor(actual, expected, message) {
        const a = Qt.color(actual), e = Qt.color(expected)
        verify(Math.abs(a.r - e.r) + Math.abs(a.g - e.g) + Math.abs(a.b - e.b) + Math.abs(a.a - e.a) < 0.02, message + ": " + a + " vs " + e)
    }
}
