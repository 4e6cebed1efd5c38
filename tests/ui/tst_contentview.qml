import QtQuick
import QtTest
import Kestrune

ViewTestCase {
    name: "ContentView"

    function test_phase_data() {
        const red = "#ff453a", orange = "#ff9f0a", green = "#30d158"
        return [
            { tag: "empty list", files: [], formats: true, convert: "Convert", enabled: false, counts: "", progress: false, stop: false, banner: "", warning: false },
            { tag: "files queued", formats: true, convert: "Convert", enabled: true, counts: "shown", progress: false, stop: false, banner: "", warning: false },
            { tag: "converting", converting: true, formats: false, convert: "Converting\u2026", enabled: false, counts: "shown", progress: true, stop: true, banner: "", warning: false },
            { tag: "finished", outcomes: ["done", "broken pipe"], formats: true, convert: "Convert", enabled: true, counts: "", progress: true, stop: false, banner: "1 file converted  \u00b7  1 failed", tone: red, warning: false },
            { tag: "finished, a track dropped", outcomes: ["done", "dropped"], formats: true, convert: "Convert", enabled: true, counts: "", progress: true, stop: false, banner: "2 files converted  \u00b7  1 with a dropped track", tone: orange, warning: false },
            { tag: "finished, all converted", outcomes: ["done", "done"], formats: true, convert: "Convert", enabled: true, counts: "", progress: true, stop: false, banner: "2 files converted", tone: green, warning: false },
            { tag: "every file failed", outcomes: ["bad header", "broken pipe"], formats: true, convert: "Convert", enabled: true, counts: "", progress: false, stop: false, banner: "2 failed", tone: red, warning: false },
            { tag: "finished, then a file added", outcomes: ["done", "broken pipe"], more: true, formats: true, convert: "Convert", enabled: true, counts: "shown 1 done 1 failed", progress: true, stop: false, banner: "", warning: false },
            { tag: "ffmpeg missing", ffmpeg: false, formats: true, convert: "Convert", enabled: false, counts: "shown", progress: false, stop: false, banner: "", warning: true },
        ]
    }

    function test_phase(data) {
        const view = makeView()
        driver.setFfmpegFound(data.ffmpeg !== false)
        driver.addFiles(data.files || ["a.mov", "b.mp4"])
        if (data.outcomes)
            driver.runBatch(data.outcomes)
        if (data.converting)
            driver.convert()
        if (data.more)
            driver.addFiles(["c.mkv"])
        for (const id of ["mkv", "mp4", "mov", "webm", "mpegts"])
            compare(find(view, "format_" + id).enabled, data.formats, id + " enabled")
        const convert = find(view, "convertButton")
        compare(convert.text, data.convert)
        compare(convert.enabled, data.enabled)
        let counts = find(view, "counts").visible ? "shown" : ""
        for (const name of ["doneCount", "failedCount"])
            counts += find(view, name).visible ? " " + find(view, name).text : ""
        compare(counts, data.counts)
        compare(find(view, "progressBar").visible, data.progress, "progress bar")
        compare(find(view, "stopButton").visible, data.stop, "Stop")
        tryCompare(find(view, "bannerSlot"), "visible", data.banner !== "")
        if (data.banner !== "") {
            compare([find(view, "banner").Accessible.name, find(view, "banner").Accessible.role], [data.banner, Accessible.AlertMessage], "announced")
            sameColor(find(view, "banner").toneColor, data.tone, "banner tone")
        }
        compare(find(view, "ffmpegWarning").visible, data.warning, "ffmpeg warning")
    }

    // Stop ends the batch: the file in work waits again, finished files stay, Convert is back.
    function test_stop_data() {
        return [{ tag: "Stop button", key: false }, { tag: "Escape", key: true }]
    }

    function test_stop(data) {
        const view = makeView()
        driver.addFiles(["a.mov", "b.mov", "c.mov"])
        driver.runBatch(["done"])
        driver.report(0.5, 1.0)
        const stop = find(view, "stopButton")
        compare(stop.Accessible.name, "Stop")
        if (data.key)
            keyClick(Qt.Key_Escape)
        else
            mouseClick(stop)
        verify(!vm.batch.isConverting)
        compare(rows(view).map(row => row.status), [FileListModel.Done, FileListModel.Queued, FileListModel.Queued])
        verify(find(view, "convertButton").enabled && !stop.visible, "Convert is back, Stop gone")
        verify(find(view, "progressBar").visible, "one file of three is done")
    }

    // Files listed, the group open and a batch running: Convert, Stop, the progress and the Tracks
    // row stay inside the window at its default size (below the menu bar) and at its least, and
    // the file list scrolls itself instead of the page.
    function test_controlsStayInView_data() {
        return [
            { tag: "five files, default size", files: 5, width: Units.windowWidth, height: Units.windowHeight - 26 },
            { tag: "five files, least size", files: 5, width: Units.minimumContentWidth, height: Units.minimumContentHeight },
            { tag: "forty files, default size", files: 40, width: Units.windowWidth, height: Units.windowHeight - 26 },
        ]
    }

    function test_controlsStayInView(data) {
        const view = createTemporaryObject(sizedView, this, { width: data.width, height: data.height })
        const names = Array.from({ length: data.files }, (_, i) => "clip" + i + ".mov")
        // Each row with its line of tracks, as files read under a rule show them.
        names.forEach(name => driver.setTracks(name, [{ kind: "video", codec: "h264" }, { kind: "audio", codec: "aac", language: "eng" }]))
        vm.tracks.rule = { audioLanguages: ["en"] }
        driver.addFiles(names)
        view.filesArea.queueExpanded = true
        tryVerify(() => vm.files.data(vm.files.index(0, 0), FileListModel.TracksReadRole), 5000, "the tracks are read")
        driver.convert()
        driver.report(0.5, 1.0)
        wait(30)
        for (const name of ["convertButton", "stopButton", "progressBar", "trackRuleRow", "editTracksButton"]) {
            const item = find(view, name)
            const at = item.mapToItem(view, 0, 0)
            verify(item.visible && at.y >= 0 && at.y + item.height <= view.height, name + " inside the window: " + at.y + " + " + item.height + " of " + view.height)
        }
        const scroller = find(view, "scroller")
        verify(scroller.contentHeight <= scroller.height, "the page itself doesn't scroll: " + scroller.contentHeight + " of " + scroller.height)
        const list = find(view, "rows")
        list.positionViewAtEnd()
        tryVerify(() => {
            const last = list.itemAtIndex(data.files - 1)
            const y = last ? last.mapToItem(view, 0, 0).y : -1
            return y >= 0 && y + last.height <= list.mapToItem(view, 0, list.height).y + 1
        }, 5000, "the list scrolls to its last file")
    }

    property Component sizedView: Component {
        ContentView {
            vm: driver.model
        }
    }

    // In a window lower than its least height the page scrolls: a control that takes focus is
    // scrolled into view.
    function test_focusScrollsIntoView_data() {
        return [{ tag: "Convert, below", target: "convertButton", fromBottom: false }, { tag: "Browse, above", target: "browseButton", fromBottom: true }]
    }

    function test_focusScrollsIntoView(data) {
        const view = createTemporaryObject(sizedView, this, { width: Units.windowWidth, height: Units.minimumContentHeight / 2 })
        const scroller = find(view, "scroller")
        driver.addFiles(Array.from({ length: 30 }, (_, i) => "clip" + i + ".mov"))
        rows(view)
        const target = find(view, data.target)
        const onScreen = () => { const y = target.mapToItem(view, 0, 0).y; return y >= 0 && y + target.height <= view.height }
        // The list grows as its rows are laid out, later on a loaded machine: scrolled again
        // until the target is out of sight.
        tryVerify(() => {
            scroller.contentY = data.fromBottom ? scroller.contentHeight - scroller.height : 0
            return !onScreen()
        }, 10000, "starts out of sight")
        target.forceActiveFocus(Qt.TabFocusReason)
        verify(onScreen(), data.target + " is scrolled into view")
    }

    // Return presses the focused button; anywhere else it is Convert.
    function test_returnKey_data() {
        return [
            { tag: "on Convert", focus: "convertButton", after: "converting mkv 2" },
            { tag: "on a format button", focus: "format_webm", after: "webm 2" },
            { tag: "on the group's label", focus: "disclosure", after: "mkv open 2" },
            { tag: "on the destination", focus: "destinationMenu", after: "mkv menu 2" },
            { tag: "on a row's remove button", focus: "trailingButton", after: "mkv 1" },
            { tag: "on a row", focus: "fileRow", after: "converting mkv 2" },
            { tag: "nothing focused", focus: "", after: "converting mkv 2" },
        ]
    }

    function test_returnKey(data) {
        const view = makeView()
        driver.addFiles(["a.mov", "b.mov"])
        // The rows come with the list's next layout, later on a loaded machine.
        if (data.focus !== "") {
            tryVerify(() => findAll(view, data.focus).length > 0, 2000, "found " + data.focus)
            find(view, data.focus).forceActiveFocus(Qt.TabFocusReason)
        }
        keyClick(Qt.Key_Return)
        const state = [vm.batch.isConverting ? "converting" : "", vm.destination.outputFormat, view.filesArea.queueExpanded ? "open" : "", find(view, "destinationMenu").menu.visible ? "menu" : "", vm.files.count]
        compare(state.filter(part => part !== "").join(" "), data.after)
    }

    // The formats are one radio group: one Tab stop, and the arrows move the choice round.
    function test_formatChoice_data() {
        return [
            { tag: "click", click: "mov", keys: [], chosen: "mov" },
            { tag: "Right", keys: [Qt.Key_Right], chosen: "mp4" },
            { tag: "Left, round the end", keys: [Qt.Key_Left], chosen: "mpegts" },
            { tag: "Down twice", keys: [Qt.Key_Down, Qt.Key_Down], chosen: "mov" },
            { tag: "Up after a click", click: "webm", keys: [Qt.Key_Up], chosen: "mov" },
        ]
    }

    function test_formatChoice(data) {
        const view = makeView()
        driver.addFiles(["a.mov"])
        if (data.click)
            mouseClick(find(view, "format_" + data.click))
        else
            find(view, "format_mkv").forceActiveFocus(Qt.TabFocusReason)
        data.keys.forEach(key => keyClick(key))
        compare(vm.destination.outputFormat, data.chosen)
        const checked = ["mkv", "mp4", "mov", "webm", "mpegts"].filter(id => find(view, "format_" + id).Accessible.checked)
        compare(checked, [data.chosen], "checked for assistive tools")
        const chosen = find(view, "format_" + data.chosen)
        verify(chosen.activeFocus, "focus moves with the choice")
        compare(chosen.Accessible.role, Accessible.RadioButton)
        keyClick(Qt.Key_Tab)
        verify(find(view, "convertButton").activeFocus, "Tab leaves the group")
        keyClick(Qt.Key_Backtab)
        keyClick(Qt.Key_Backtab)
        verify(find(view, "destinationMenu").activeFocus, "and Backtab too")
    }
}
