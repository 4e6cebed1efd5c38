import QtQuick
import QtTest
import Kestrune

ViewTestCase {
    name: "FilesArea"

    function test_look_data() {
        return [
            { tag: "empty drop zone", files: 0, open: false, hover: false, header: "Drop video files here", dashed: true, group: "", rows: 0 },
            { tag: "empty, drag hovering", files: 0, open: false, hover: true, header: "Drop video files here", dashed: true, group: "", rows: 0 },
            { tag: "one row", files: 1, open: true, hover: false, header: "Drop or add more files", dashed: false, group: "", rows: 1 },
            { tag: "two files, group closed", files: 2, open: false, hover: false, header: "Drop or add more files", dashed: false, group: "1 more file", rows: 1 },
            { tag: "five files, group open", files: 5, open: true, hover: false, header: "Drop or add more files", dashed: false, group: "4 more files", rows: 5 },
            { tag: "listing, drag hovering", files: 2, open: false, hover: true, header: "Drop or add more files", dashed: false, group: "1 more file", rows: 1 },
        ]
    }

    function test_look(data) {
        const view = makeView()
        const area = view.filesArea
        const names = Array.from({ length: data.files }, (_, i) => "clip" + (i + 1) + ".mov")
        driver.addFiles(names)
        area.queueExpanded = data.open
        if (data.hover)
            verify(driver.drag(area, ["hovering.mov"], true), "the box takes a drag of files")
        compare(area.isDragTarget, data.hover)
        compare(find(area, "headerText").text, data.header)
        const outline = find(area, "outline")
        compare(outline.dash > 0, data.dashed, "dashed outline")
        compare(outline.lineWidth > 1, data.hover, "thick outline")
        sameColor(outline.strokeColor, data.hover ? ThemeManager.accentColor : WindowStyle.idleOutline, "outline")
        sameColor(find(area, "headerIcon").color, data.hover ? ThemeManager.accentColor : WindowStyle.secondaryText, "header icon")
        wait(30)
        const groups = findAll(area, "groupHeader").filter(item => item.visible)
        compare(groups.map(item => find(item, "label").text), data.group === "" ? [] : [data.group])
        compare(findAll(area, "fileRow").filter(row => row.visible).map(row => row.fileName), names.slice(0, data.rows))
        compare(area.height, area.implicitHeight, "the box grows with its rows")
    }

    // Files dragged from the desktop and let go: the box hands them over in drop order, the model
    // keeps the videos; beside the box nothing is taken.
    function test_drop_data() {
        return [
            { tag: "three files, one no video", target: "filesArea", files: ["b.mov", "a.mkv", "notes.txt"], accepted: true, listed: ["b.mov", "a.mkv"] },
            { tag: "onto a listing during a batch", target: "filesArea", before: ["x.mov", "w.mov"], files: ["y.mp4"], accepted: true, listed: ["x.mov", "w.mov", "y.mp4"] },
            { tag: "onto the Convert button", target: "convertButton", files: ["c.mov"], accepted: false, listed: [] },
        ]
    }

    function test_drop(data) {
        const view = makeView()
        if (data.before) {
            driver.addFiles(data.before)
            driver.convert()
        }
        compare(driver.drag(find(view, data.target), data.files), data.accepted, "drop accepted")
        compare(rows(view).map(row => row.fileName), data.listed)
        verify(!view.filesArea.isDragTarget, "the hover ends with the drop")
    }

    // The list is one Tab stop; the arrows walk its rows, the list scrolls to the row, and
    // Delete on a row or on its button removes that file, never the one converting.
    function test_deleteKey_data() {
        return [
            { tag: "second row", files: 3, down: 1 },
            { tag: "from the row's button", files: 3, down: 2, button: true },
            { tag: "row 26 of 30, scrolled to", files: 30, down: 25 },
            { tag: "the file in work", files: 3, down: 0, converting: true },
        ]
    }

    function test_deleteKey(data) {
        const view = makeView()
        const names = Array.from({ length: data.files }, (_, i) => "f" + i + ".mov")
        driver.addFiles(names)
        rows(view)
        if (data.converting)
            driver.convert()
        find(view, "rows").forceActiveFocus(Qt.TabFocusReason)
        for (let i = 0; i < data.down; ++i)
            keyClick(Qt.Key_Down)
        const row = view.Window.activeFocusItem
        compare(row.fileName, names[data.down], "the arrows reach the row")
        const y = row.mapToItem(view, 0, 0).y
        verify(y >= 0 && y + row.height <= view.height, "the row is in sight")
        if (data.button)
            find(row, "trailingButton").forceActiveFocus(Qt.TabFocusReason)
        keyClick(Qt.Key_Delete)
        const listed = Array.from({ length: vm.files.count }, (_, i) => vm.files.data(vm.files.index(i, 0), FileListModel.FileNameRole))
        compare(listed, data.converting ? names : names.filter((_, i) => i !== data.down))
    }

    // Only the rows the list can show are made, wherever it is scrolled. Made rows are asked of
    // the list itself: rows it keeps in its pool for reuse are hidden there but still stand in
    // the item tree, with the names they last showed.
    function test_onlyVisibleRowsAreMade_data() {
        return [{ tag: "top", end: false, inSight: 0 }, { tag: "bottom", end: true, inSight: 999 }]
    }

    function test_onlyVisibleRowsAreMade(data) {
        const view = makeView()
        const list = find(view, "rows")
        driver.addFiles(Array.from({ length: 1000 }, (_, i) => "clip" + i + ".mov"))
        tryCompare(vm.files, "count", 1000, 30000) // listed on a worker, late on a slow build
        rows(view)
        if (data.end)
            list.positionViewAtEnd()
        // A slow build lays the list out late: the row in sight is awaited, not assumed.
        tryVerify(() => list.itemAtIndex(data.inSight) !== null, 20000, "the row in sight is made")
        const made = Array.from({ length: list.count }, (_, i) => list.itemAtIndex(i)).filter(item => item !== null)
        verify(made.length < 60, made.length + " rows made")
    }
}
