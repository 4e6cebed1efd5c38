import QtQuick
import QtTest
import Kestrune

ViewTestCase {
    id: testCase
    name: "BatchSummaryBanner"

    function init() {
        driver.reset()
    }

    function test_tone_data() {
        const green = "#30d158", orange = "#ff9f0a", red = "#ff453a"
        return [
            { tag: "one converted", outcomes: ["done"], text: "1 file converted", icon: "checkmark.circle.fill", tone: green },
            { tag: "two converted", outcomes: ["done", "done"], text: "2 files converted", icon: "checkmark.circle.fill", tone: green },
            { tag: "a dropped track", outcomes: ["done", "dropped", "done"], text: "3 files converted  \u00b7  1 with a dropped track", icon: "exclamationmark.triangle.fill", tone: orange },
            { tag: "a failure", outcomes: ["done", "bad header", "done"], text: "2 files converted  \u00b7  1 failed", icon: "xmark.octagon.fill", tone: red },
            { tag: "only failures", outcomes: ["bad header", "broken pipe"], text: "2 failed", icon: "xmark.octagon.fill", tone: red },
            { tag: "failure outranks a dropped track", outcomes: ["dropped", "done", "done", "bad"], text: "3 files converted  \u00b7  1 with a dropped track  \u00b7  1 failed", icon: "xmark.octagon.fill", tone: red },
        ]
    }

    function test_tone(data) {
        const view = makeView()
        let files = []
        for (let i = 0; i < data.outcomes.length; ++i)
            files.push("clip" + i + ".mov")
        driver.addFiles(files)
        driver.runBatch(data.outcomes)
        const slot = find(view, "bannerSlot")
        tryCompare(slot, "visible", true)
        const banner = find(view, "banner")
        compare(find(banner, "summaryText").text, data.text)
        compare(find(banner, "icon").name, data.icon)
        sameColor(find(banner, "icon").color, data.tone, "icon")
        const tone = Qt.color(data.tone)
        sameColor(find(banner, "fill").color, Qt.rgba(tone.r, tone.g, tone.b, 0.14), "fill")
        sameColor(find(banner, "outline").border.color, Qt.rgba(tone.r, tone.g, tone.b, 0.35), "outline")
        tryCompare(banner, "opacity", 1)
    }

    function test_clearRemovesTheFinishedFiles() {
        const view = makeView()
        driver.addFiles(["a.mov", "b.mov"])
        driver.runBatch(["done", "failed for a reason"])
        const slot = find(view, "bannerSlot")
        tryCompare(slot, "visible", true)
        // Click only once the banner has slid fully into view.
        tryCompare(find(view, "banner"), "opacity", 1)
        settle()
        const clear = find(view, "clearButton")
        verify(clear.enabled)
        mouseClick(clear)
        compare(vm.files.count, 0)
        tryCompare(slot, "visible", false)
        compare(find(view, "progressBar").visible, false)
    }

    // A finished batch followed by a new file: the banner goes and the counts come back.
    function test_addingAFileHidesTheBanner() {
        const view = makeView()
        driver.addFiles(["a.mov"])
        driver.runBatch(["done"])
        tryCompare(find(view, "bannerSlot"), "visible", true)
        driver.addFiles(["b.mov"])
        tryCompare(find(view, "bannerSlot"), "visible", false)
        compare(find(view, "doneCount").text, "1 done")
    }
}
