import QtQuick
import QtTest
import Kestrune

ViewTestCase {
    id: testCase
    name: "ContentView"

    function init() {
        driver.reset()
    }

    function formatButtons(view) {
        return ["mkv", "mp4", "mov", "webm", "mpegts"].map(id => find(view, "format_" + id))
    }

    // Brings the model into one of the window's phases.
    function enter(phase) {
        switch (phase) {
        case "empty":
            break
        case "queued":
            driver.addFiles(["a.mov", "b.mp4"])
            break
        case "converting":
            driver.addFiles(["a.mov", "b.mp4"])
            driver.convert()
            driver.report(0.5, 2.0)
            break
        case "finished":
            driver.addFiles(["a.mov", "b.mp4"])
            driver.runBatch(["done", "broken pipe"])
            break
        case "all failed":
            driver.addFiles(["a.mov", "b.mp4"])
            driver.runBatch(["bad header", "broken pipe"])
            break
        case "finished, then one more":
            driver.addFiles(["a.mov", "b.mp4"])
            driver.runBatch(["done", "broken pipe"])
            driver.addFiles(["c.mkv"])
            break
        case "no ffmpeg":
            driver.setFfmpegFound(false)
            driver.addFiles(["a.mov"])
            break
        }
    }

    function test_phase_data() {
        return [
            { tag: "empty list", phase: "empty", formats: true, convert: "Convert", convertEnabled: false, counts: false, done: "", failed: "", progress: false, banner: false, warning: false },
            { tag: "files queued, idle", phase: "queued", formats: true, convert: "Convert", convertEnabled: true, counts: true, done: "", failed: "", progress: false, banner: false, warning: false },
            { tag: "converting", phase: "converting", formats: false, convert: "Converting\u2026", convertEnabled: false, counts: true, done: "", failed: "", progress: true, banner: false, warning: false },
            { tag: "batch finished", phase: "finished", formats: true, convert: "Convert", convertEnabled: true, counts: false, done: "", failed: "", progress: true, banner: true, warning: false },
            { tag: "batch finished, every file failed", phase: "all failed", formats: true, convert: "Convert", convertEnabled: true, counts: false, done: "", failed: "", progress: false, banner: true, warning: false },
            { tag: "finished, then a file added", phase: "finished, then one more", formats: true, convert: "Convert", convertEnabled: true, counts: true, done: "1 done", failed: "1 failed", progress: true, banner: false, warning: false },
            { tag: "ffmpeg missing", phase: "no ffmpeg", formats: true, convert: "Convert", convertEnabled: false, counts: true, done: "", failed: "", progress: false, banner: false, warning: true },
        ]
    }

    function test_phase(data) {
        const view = makeView()
        enter(data.phase)
        for (const button of formatButtons(view))
            compare(button.enabled, data.formats, "format button " + button.text + " enabled")
        const convert = find(view, "convertButton")
        compare(convert.text, data.convert)
        compare(convert.enabled, data.convertEnabled)
        compare(find(view, "counts").visible, data.counts, "counts readout")
        const done = find(view, "doneCount")
        const failed = find(view, "failedCount")
        compare(done.visible ? done.text : "", data.done)
        compare(failed.visible ? failed.text : "", data.failed)
        compare(find(view, "progressBar").visible, data.progress, "progress bar")
        tryCompare(find(view, "bannerSlot"), "visible", data.banner)
        compare(find(view, "ffmpegWarning").visible, data.warning, "ffmpeg warning")
    }

    function test_formatButtonsAreOneChoice_data() {
        return [
            { tag: "start", press: "", on: "mkv" },
            { tag: "MP4", press: "mp4", on: "mp4" },
            { tag: "TS", press: "mpegts", on: "mpegts" },
            { tag: "the selected one again", press: "mkv", on: "mkv" },
        ]
    }

    function test_formatButtonsAreOneChoice(data) {
        const view = makeView()
        const buttons = formatButtons(view)
        compare(buttons.map(b => b.text), ["MKV", "MP4", "MOV", "WEBM", "TS"])
        if (data.press !== "")
            mouseClick(find(view, "format_" + data.press))
        compare(vm.outputFormat, data.on)
        for (const button of buttons)
            compare(button.isOn, button.objectName === "format_" + data.on, button.text + " selected")
    }

    function test_convertStartsTheBatchAndReturnPressesIt_data() {
        return [
            { tag: "click", how: "click" },
            { tag: "Return key", how: "return" },
        ]
    }

    function test_convertStartsTheBatchAndReturnPressesIt(data) {
        const view = makeView()
        driver.addFiles(["a.mov"])
        if (data.how === "click")
            mouseClick(find(view, "convertButton"))
        else
            keyClick(Qt.Key_Return)
        verify(vm.isConverting)
        verify(driver.running)
        // A second Return during the batch does nothing.
        keyClick(Qt.Key_Return)
        driver.finish()
        verify(!vm.isConverting)
        compare(vm.doneCount, 1)
    }

    function test_keepOriginalCannotBeTurnedOff() {
        const view = makeView()
        const box = find(view, "keepOriginal")
        verify(box.checked)
        verify(!box.enabled)
        mouseClick(box)
        verify(box.checked)
    }

    function test_convertButtonTakesTheAccentColour() {
        const view = makeView()
        driver.addFiles(["a.mov"])
        const convert = find(view, "convertButton")
        sameColor(convert.background.color, ThemeManager.accentColor, "Convert fill")
        ThemeManager.accentColor = "#cc3366"
        sameColor(convert.background.color, "#cc3366", "Convert fill after a new accent")
        sameColor(find(view, "format_mkv").contentItem.fillColor, "#cc3366", "selected format tile")
        ThemeManager.accentColor = Qt.rgba(0.2, 0.6, 0.9, 1)
    }

    // The box never scrolls; the window's content does, so Convert stays reachable.
    function test_longListScrollsTheWindow() {
        const view = makeView()
        const scroller = find(view, "scroller")
        let names = []
        for (let i = 0; i < 30; ++i)
            names.push("clip" + i + ".mov")
        driver.addFiles(names)
        compare(scroller.contentHeight <= scroller.height, true, "collapsed list fits")
        view.filesArea.queueExpanded = true
        tryVerify(() => scroller.contentHeight > scroller.height, 1000, "open list is taller than the window")
        compare(view.filesArea.height, view.filesArea.implicitHeight, "the box takes its whole height")
        scroller.contentY = scroller.contentHeight - scroller.height
        settle()
        const convert = find(view, "convertButton")
        const top = convert.mapToItem(view, 0, 0).y
        verify(top >= 0 && top + convert.height <= view.height, "Convert is on screen after scrolling: " + top)
    }

    // Tab walks through every control that can act now, and comes back round.
    function test_tabReachesEveryControl() {
        const view = makeView()
        driver.addFiles(["a.mov", "b.mov"])
        driver.runBatch(["done", "done"])
        driver.addFiles(["c.mov"])
        settle()
        find(view, "format_mkv").forceActiveFocus()
        let reached = []
        for (let i = 0; i < 30; ++i) {
            const item = testCase.Window.activeFocusItem
            if (item && item.objectName !== "" && reached.indexOf(item.objectName) < 0)
                reached.push(item.objectName)
            keyClick(Qt.Key_Tab)
        }
        for (const name of ["browseButton", "trailingButton", "disclosure", "destinationMenu", "format_mkv", "format_mpegts", "convertButton"])
            verify(reached.indexOf(name) >= 0, name + " is reached by Tab: " + reached.join(", "))
    }
}
