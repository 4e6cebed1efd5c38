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
            compare(find(view, "banner").Accessible.name, data.banner)
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
        verify(!vm.isConverting)
        compare(rows(view).map(row => row.status), [FileListModel.Done, FileListModel.Queued, FileListModel.Queued])
        verify(find(view, "convertButton").enabled && !stop.visible, "Convert is back, Stop gone")
        verify(find(view, "progressBar").visible, "one file of three is done")
    }

    // With a long list open, a control that takes focus is scrolled into view.
    function test_focusScrollsIntoView_data() {
        return [{ tag: "Convert, below", target: "convertButton", fromBottom: false }, { tag: "Browse, above", target: "browseButton", fromBottom: true }]
    }

    function test_focusScrollsIntoView(data) {
        const view = makeView()
        const scroller = find(view, "scroller")
        driver.addFiles(Array.from({ length: 30 }, (_, i) => "clip" + i + ".mov"))
        rows(view)
        scroller.contentY = data.fromBottom ? scroller.contentHeight - scroller.height : 0
        const target = find(view, data.target)
        const onScreen = () => { const y = target.mapToItem(view, 0, 0).y; return y >= 0 && y + target.height <= view.height }
        verify(!onScreen(), "starts out of sight")
        target.forceActiveFocus(Qt.TabFocusReason)
        verify(onScreen(), data.target + " is scrolled into view")
    }
}
