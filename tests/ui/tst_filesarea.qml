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
        // Stands in for a drag of files from the desktop: it carries the file-list type.
        const drag = Qt.createQmlObject('import QtQuick; Item { width: 10; height: 10; Drag.keys: ["text/uri-list"] }', area)
        drag.Drag.active = data.hover
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
}
