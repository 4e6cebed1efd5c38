import QtQuick
import QtTest
import Kestrune

ViewTestCase {
    id: testCase
    name: "FileRowView"

    readonly property string clip: "/Volumes/Media/Holiday 2024/beach.mov"
    readonly property string longReason: "ffmpeg exited 1: Could not write header for output file #0 (incorrect codec parameters ?): Invalid argument. Error initializing output stream 0:1 -- the container does not support this stream"

    function init() {
        driver.reset()
    }

    function rows(view) {
        view.filesArea.queueExpanded = true
        settle()
        return findAll(view.filesArea, "fileRow")
    }

    // Brings the first (or second) file into the state a table row names.
    function enter(state) {
        switch (state) {
        case "queued":
            driver.addFiles([clip])
            break
        case "queued during a batch":
            driver.addFiles(["/m/first.mov", clip])
            driver.convert()
            break
        case "converting":
            driver.addFiles([clip])
            driver.convert()
            break
        case "done":
            driver.addFiles([clip])
            driver.runBatch(["done"])
            break
        case "done during a batch":
            driver.addFiles([clip, "/m/second.mov"])
            driver.convert()
            driver.finish()
            break
        case "done with a note":
            driver.addFiles([clip])
            driver.runBatch(["dropped"])
            break
        case "failed":
            driver.addFiles([clip])
            driver.runBatch([longReason])
            break
        }
    }

    function test_row_data() {
        const secondary = Qt.rgba(1, 1, 1, 0.65)
        const folder = "/Volumes/Media/Holiday 2024"
        const note = "A data track couldn't be copied into MKV and was dropped (timecode usually survives)"
        const base = { row: 0, fraction: undefined, speed: undefined, percent: "", speedText: "", help: "" }
        const rows = [
            { tag: "queued, idle", state: "queued", kind: "circle", iconColor: secondary, detail: folder, detailColor: secondary, button: "Remove from list" },
            { tag: "queued during a batch", state: "queued during a batch", row: 1, kind: "circle", iconColor: secondary, detail: folder, detailColor: secondary, button: "" },
            { tag: "converting, nothing known", state: "converting", kind: "spinner", detail: folder, detailColor: secondary, button: "" },
            { tag: "converting at a half, no speed", state: "converting", fraction: 0.5, kind: "progress", percent: "50%", detail: folder, detailColor: secondary, button: "" },
            { tag: "converting, speed only", state: "converting", speed: 1.5, kind: "spinner", speedText: "1.5\u00d7", detail: folder, detailColor: secondary, button: "" },
            { tag: "speed 9.96", state: "converting", fraction: 0.2, speed: 9.96, kind: "progress", percent: "20%", speedText: "10.0\u00d7", detail: folder, detailColor: secondary, button: "" },
            { tag: "speed 10", state: "converting", fraction: 0.2, speed: 10, kind: "progress", percent: "20%", speedText: "10\u00d7", detail: folder, detailColor: secondary, button: "" },
            { tag: "speed 12.5", state: "converting", fraction: 0.2, speed: 12.5, kind: "progress", percent: "20%", speedText: "13\u00d7", detail: folder, detailColor: secondary, button: "" },
            { tag: "fraction 0.125", state: "converting", fraction: 0.125, kind: "progress", percent: "13%", detail: folder, detailColor: secondary, button: "" },
            { tag: "fraction 0.999", state: "converting", fraction: 0.999, kind: "progress", percent: "100%", detail: folder, detailColor: secondary, button: "" },
            { tag: "done", state: "done", kind: "checkmark.circle.fill", iconColor: "#30d158", detail: folder, detailColor: secondary, button: "Reveal in Finder" },
            { tag: "done, during a batch", state: "done during a batch", kind: "checkmark.circle.fill", iconColor: "#30d158", detail: folder, detailColor: secondary, button: "Reveal in Finder" },
            { tag: "done with a note", state: "done with a note", kind: "checkmark.circle.fill", iconColor: "#30d158", detail: note, detailColor: "#ff9f0a", help: note, button: "Reveal in Finder" },
            { tag: "failed", state: "failed", kind: "xmark.octagon.fill", iconColor: "#ff453a", detail: longReason, detailColor: "#ff453a", help: longReason, button: "Remove from list" },
        ]
        return rows.map(row => Object.assign({}, base, row))
    }

    function test_row(data) {
        const view = makeView()
        enter(data.state)
        if (data.fraction !== undefined || data.speed !== undefined)
            driver.report(data.fraction, data.speed)
        const row = rows(view)[data.row]
        compare(row.fileName, "beach.mov")
        compare(find(row, "title").text, "beach.mov")
        const indicator = find(row, "indicator")
        compare(indicator.kind, data.kind)
        if (data.iconColor !== undefined) {
            const symbol = find(indicator, "statusSymbol")
            compare(symbol.name, data.kind)
            sameColor(symbol.color, data.iconColor, "status symbol")
        }
        const detail = find(row, "detail")
        compare(detail.text, data.detail)
        sameColor(detail.color, data.detailColor, "detail line")
        compare(detail.help, data.help)
        compare(detail.maximumLineCount, data.state === "failed" ? 2 : 1)
        compare(detail.elide, data.state === "failed" || data.help !== "" ? Text.ElideRight : Text.ElideMiddle)

        const converting = data.kind === "spinner" || data.kind === "progress"
        const readouts = findAll(row, "readout")
        compare(readouts.length, converting ? 1 : 0, "readout")
        if (converting) {
            const percent = find(readouts[0], "percentSlot")
            const speed = find(readouts[0], "speedSlot")
            compare(percent.visible ? percent.text : "", data.percent)
            compare(speed.visible ? speed.text : "", data.speedText)
        }

        const button = find(row, "trailingButton")
        compare(button.visible ? button.help : "", data.button)
        if (data.button === "Reveal in Finder")
            sameColor(button.tint, ThemeManager.accentColor, "reveal button")
        if (data.button === "Remove from list")
            sameColor(button.tint, Qt.rgba(1, 1, 1, 0.65 * 0.6), "remove button")
    }

    // The percentage stands right-aligned in a slot as wide as "100%", so the row never shifts.
    function test_readoutSlotsHoldTheirWidth() {
        const view = makeView()
        enter("converting")
        const row = rows(view)[0]
        const percent = find(row, "percentSlot")
        const speed = find(row, "speedSlot")
        driver.report(1.0, 8888)
        const fullPercent = percent.width
        const fullSpeed = speed.width
        const rightEdge = percent.mapToItem(row, percent.width, 0).x
        driver.report(0.05, 1.0)
        compare(percent.text, "5%")
        compare(percent.width, fullPercent)
        compare(speed.width, fullSpeed)
        compare(percent.mapToItem(row, percent.width, 0).x, rightEdge)
        // A speed wider than the placeholder widens its slot.
        driver.report(0.05, 123456)
        verify(speed.width > fullSpeed)
    }

    function test_buttonsCallTheModel() {
        const view = makeView()
        driver.addFiles(["/m/one.mov"])
        driver.runBatch(["done"])
        driver.addFiles(["/m/two.mov"])
        let list = rows(view)
        mouseClick(find(list[0], "trailingButton"))
        compare(driver.revealed, ["/m/one.mkv"])
        settle()
        mouseClick(find(list[1], "trailingButton"))
        compare(vm.files.count, 1)
    }

    function test_longPathIsShortenedInTheMiddle() {
        const view = makeView()
        const deep = "/Volumes/Media/" + "very long folder name/".repeat(8) + "end/clip.mov"
        driver.addFiles([deep])
        const detail = find(rows(view)[0], "detail")
        verify(detail.truncated)
        compare(detail.elide, Text.ElideMiddle)
    }
}
