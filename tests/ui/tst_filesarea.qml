import QtQuick
import QtTest
import Kestrune

ViewTestCase {
    id: testCase
    name: "FilesArea"

    function init() {
        driver.reset()
    }

    function names(count) {
        let list = []
        for (let i = 1; i <= count; ++i)
            list.push("clip" + i + ".mov")
        return list
    }

    function shownRows(area) {
        return findAll(area, "fileRow").filter(row => row.visible && row.parent.visible)
    }

    function test_look_data() {
        return [
            { tag: "empty, idle", files: 0, hover: false, header: "Drop video files here", dash: 4, width: 1, accent: false },
            { tag: "empty, drag hovering", files: 0, hover: true, header: "Drop video files here", dash: 4, width: 2, accent: true },
            { tag: "listing, idle", files: 2, hover: false, header: "Drop or add more files", dash: 0, width: 1, accent: false },
            { tag: "listing, drag hovering", files: 2, hover: true, header: "Drop or add more files", dash: 0, width: 2, accent: true },
        ]
    }

    function test_look(data) {
        const view = makeView()
        const area = view.filesArea
        driver.addFiles(names(data.files))
        if (data.hover)
            driver.drag(area, ["file:///media/clips/new.mov"], "enter")
        compare(area.isDragTarget, data.hover)
        compare(find(area, "headerText").text, data.header)
        const outline = find(area, "outline")
        compare(outline.dash, data.dash)
        compare(outline.lineWidth, data.width)
        const accent = ThemeManager.accentColor
        sameColor(outline.strokeColor, data.accent ? accent : Qt.rgba(1, 1, 1, 0.65 * 0.25), "outline")
        sameColor(find(area, "headerIcon").color, data.accent ? accent : Qt.rgba(1, 1, 1, 0.65), "header icon")
        if (data.hover) {
            driver.drag(area, [], "leave")
            compare(area.isDragTarget, false)
        }
    }

    function test_collapseRule_data() {
        return [
            { tag: "1 file", files: 1, open: false, group: "", rows: 1 },
            { tag: "1 file, group flag open", files: 1, open: true, group: "", rows: 1 },
            { tag: "2 files, closed", files: 2, open: false, group: "1 more file", rows: 1 },
            { tag: "2 files, open", files: 2, open: true, group: "1 more file", rows: 2 },
            { tag: "5 files, closed", files: 5, open: false, group: "4 more files", rows: 1 },
            { tag: "5 files, open", files: 5, open: true, group: "4 more files", rows: 5 },
        ]
    }

    function test_collapseRule(data) {
        const view = makeView()
        const area = view.filesArea
        driver.addFiles(names(data.files))
        if (data.open)
            area.queueExpanded = true
        const headers = findAll(area, "groupHeader").filter(item => item.visible)
        compare(headers.length, data.group === "" ? 0 : 1, "disclosure group present")
        if (data.group !== "")
            compare(find(headers[0], "label").text, data.group)
        const rows = shownRows(area)
        compare(rows.length, data.rows)
        compare(rows.map(row => row.fileName), names(data.rows))
        // Every shown row is preceded by a separator; the box grows to hold them all.
        compare(area.height, area.implicitHeight)
    }

    function test_disclosureOpensOnClickAndKeepsItsStateWhenTheListShrinks() {
        const view = makeView()
        const area = view.filesArea
        driver.addFiles(names(3))
        settle()
        const disclosure = findAll(area, "disclosure").filter(item => item.parent.visible)[0]
        const closedHeight = area.height
        mouseClick(disclosure)
        verify(area.queueExpanded)
        compare(shownRows(area).length, 3)
        tryVerify(() => area.height > closedHeight, 1000, "the box grows when the group opens")
        // Down to one file: the group goes; back to three: it comes back open.
        const open = shownRows(area)
        vm.removeFile(open[2].fileId)
        vm.removeFile(open[1].fileId)
        compare(shownRows(area).length, 1)
        compare(findAll(area, "groupHeader").filter(item => item.visible).length, 0)
        driver.addFiles(["x.mkv", "y.mkv"])
        verify(area.queueExpanded)
        compare(shownRows(area).length, 3)
    }

    function test_removingTheFirstFilePromotesTheSecond() {
        const view = makeView()
        const area = view.filesArea
        driver.addFiles(names(2))
        settle()
        const first = shownRows(area)[0]
        mouseClick(find(first, "trailingButton"))
        const rows = shownRows(area)
        compare(rows.length, 1)
        compare(rows[0].fileName, "clip2.mov")
    }

    function test_dropAddsTheUrlsInOrder_data() {
        return [
            { tag: "three files", urls: ["file:///m/b.mov", "file:///m/a.mkv", "file:///m/c.mp4"], added: ["b.mov", "a.mkv", "c.mp4"] },
            { tag: "the model filters", urls: ["file:///m/a.MOV", "file:///m/notes.txt", "file:///m/c"], added: ["a.MOV"] },
        ]
    }

    function test_dropAddsTheUrlsInOrder(data) {
        const view = makeView()
        const area = view.filesArea
        driver.drag(area, data.urls, "enter")
        verify(area.isDragTarget)
        driver.drag(area, data.urls, "drop")
        compare(area.isDragTarget, false)
        area.queueExpanded = true
        compare(shownRows(area).map(row => row.fileName), data.added)
    }

    function test_browseDuringABatch() {
        const view = makeView()
        const area = view.filesArea
        const browse = find(area, "browseButton")
        driver.setNextFiles(["/m/picked.mov"])
        mouseClick(browse)
        compare(driver.prompts, ["Add Files"])
        compare(shownRows(area)[0].fileName, "picked.mov")
        driver.convert()
        verify(!browse.enabled)
        // Dropping still works and the new file waits for the next batch.
        driver.drag(area, ["file:///m/late.mkv"], "enter")
        driver.drag(area, ["file:///m/late.mkv"], "drop")
        compare(vm.files.count, 2)
        driver.finish()
        verify(browse.enabled)
        area.queueExpanded = true
        compare(shownRows(area)[1].status, "queued")
    }
}
