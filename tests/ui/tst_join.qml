import QtQuick
import QtTest
import Kestrune

// Joining from the window: the switch, the parts in list order, and a part the check refuses.
ViewTestCase {
    name: "Join"

    function listed() {
        return Array.from({ length: vm.files.count }, (_, i) => vm.files.data(vm.files.index(i, 0), FileListModel.FileNameRole))
    }

    // The switch turns Convert into Join and numbers the rows; a refused part says why on its row
    // and keeps Join disabled until it is removed.
    function test_switch_data() {
        return [
            { tag: "off", on: false, button: "Convert", enabled: true, details: ["/media/clips", "/media/clips", "/media/clips"] },
            { tag: "on", on: true, button: "Join", enabled: true, details: ["Part 1 of 3", "Part 2 of 3", "Part 3 of 3"] },
            { tag: "on, a part refused", on: true, refuse: "b.mov", button: "Join", enabled: false,
              details: ["Part 1 of 3", "Part 2 of 3 · Doesn't match part 1: 1920×1080 here, 3840×2160 there", "Part 3 of 3"] },
            { tag: "on, the refused part removed", on: true, refuse: "b.mov", remove: 1, button: "Join", enabled: true, details: ["Part 1 of 2", "Part 2 of 2"] },
            { tag: "refused, then off", on: true, refuse: "b.mov", off: true, button: "Convert", enabled: true, details: ["/media/clips", "/media/clips", "/media/clips"] },
        ]
    }

    function test_switch(data) {
        const view = makeView()
        if (data.refuse)
            driver.refuseJoin(data.refuse, "Doesn't match part 1: 1920×1080 here, 3840×2160 there")
        driver.addFiles(["a.mov", "b.mov", "c.mov"])
        const box = find(view, "joinSwitch")
        verify(box.Accessible.name.startsWith("Join"), box.Accessible.name)
        if (data.on)
            mouseClick(box)
        if (data.remove !== undefined)
            vm.removeFile(vm.files.data(vm.files.index(data.remove, 0), FileListModel.FileIdRole))
        if (data.off)
            mouseClick(box)
        compare(vm.join.on, data.on && !data.off)
        tryCompare(vm.join, "checking", false)
        compare(view.convertButton.text, data.button)
        compare(view.convertButton.enabled, data.enabled)
        // A removed row's delegate may linger until it is deleted: wait for the list to settle.
        tryVerify(() => rows(view).length === data.details.length, 2000, "rows shown")
        const shown = rows(view)
        compare(shown.map(row => find(row, "detail").text.replace(driver.root, "")), data.details)
        if (data.on && !data.off)
            verify(shown[1].Accessible.name.startsWith(shown[1].fileName + ", Part 2 of "), shown[1].Accessible.name)
    }

    // Alt+Up and Alt+Down move the focused row among the parts, and the keyboard goes with it;
    // not at the ends, not while the switch is off, not during a batch.
    function test_moveKeys_data() {
        return [
            { tag: "second row down", from: 1, key: Qt.Key_Down, order: ["a.mov", "c.mov", "b.mov"], focused: "b.mov" },
            { tag: "third row up", from: 2, key: Qt.Key_Up, order: ["a.mov", "c.mov", "b.mov"], focused: "c.mov" },
            { tag: "first row up stays", from: 0, key: Qt.Key_Up, order: ["a.mov", "b.mov", "c.mov"], focused: "a.mov" },
            { tag: "switch off", off: true, from: 0, key: Qt.Key_Down, order: ["a.mov", "b.mov", "c.mov"] },
            { tag: "during a batch", converting: true, from: 1, key: Qt.Key_Down, order: ["a.mov", "b.mov", "c.mov"] },
        ]
    }

    function test_moveKeys(data) {
        const view = makeView()
        driver.addFiles(["a.mov", "b.mov", "c.mov"])
        vm.join.on = !data.off
        tryCompare(vm.join, "checking", false)
        rows(view)
        if (data.converting)
            driver.convert()
        const list = find(view, "rows")
        list.forceActiveFocus(Qt.TabFocusReason)
        for (let i = 0; i < data.from; ++i)
            keyClick(Qt.Key_Down)
        keyClick(data.key, Qt.AltModifier)
        compare(listed(), data.order)
        if (data.focused)
            tryCompare(view.Window.activeFocusItem, "fileName", data.focused)
    }

    // Dragging a row and dropping it between two others moves that part there, with a line
    // marking the gap while it is held; not while the switch is off, not during a batch.
    function test_dragRows_data() {
        return [
            { tag: "first below the last", from: 0, gap: 3, order: ["b.mov", "c.mov", "a.mov"], marked: true },
            { tag: "last above the first", from: 2, gap: 0, order: ["c.mov", "a.mov", "b.mov"], marked: true },
            { tag: "onto its own place", from: 1, gap: 1, order: ["a.mov", "b.mov", "c.mov"], marked: false },
            { tag: "switch off", off: true, from: 0, gap: 3, order: ["a.mov", "b.mov", "c.mov"], marked: false },
            { tag: "during a batch", converting: true, from: 0, gap: 3, order: ["a.mov", "b.mov", "c.mov"], marked: false },
        ]
    }

    function test_dragRows(data) {
        const view = makeView()
        driver.addFiles(["a.mov", "b.mov", "c.mov"])
        vm.join.on = !data.off
        tryCompare(vm.join, "checking", false)
        const shown = rows(view)
        if (data.converting)
            driver.convert()
        const at = (row, y) => row.mapToItem(view, 60, y)
        const start = at(shown[data.from], shown[data.from].height / 2)
        const end = data.gap < shown.length ? at(shown[data.gap], 3) : at(shown[shown.length - 1], shown[shown.length - 1].height - 3)
        mousePress(view, start.x, start.y)
        for (let step = 1; step <= 8; ++step)
            mouseMove(view, start.x, start.y + (end.y - start.y) * step / 8)
        compare(find(view, "dropMarker").visible, data.marked)
        mouseRelease(view, end.x, end.y)
        compare(listed(), data.order)
    }

    // Join runs over every part at once: one progress, every row done, one file in the banner.
    function test_joined() {
        const view = makeView()
        driver.addFiles(["a.mov", "b.mov", "c.mov"])
        vm.join.on = true
        tryCompare(vm.join, "ready", true)
        driver.convert()
        compare(view.convertButton.text, "Joining…")
        driver.report(0.5, 2)
        compare(vm.batch.overallProgress, 0.5)
        driver.finish()
        compare(rows(view).map(row => row.status), [FileListModel.Done, FileListModel.Done, FileListModel.Done])
        compare(find(view, "summaryText").text, "One file made from 3 parts")
    }
}
