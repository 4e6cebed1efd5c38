import QtQuick
import QtTest
import Kestrune

ViewTestCase {
    name: "FileRowView"

    readonly property string folder: "/Volumes/Media/Holiday 2024"
    readonly property string reason: "ffmpeg exited 1: Invalid argument"
    readonly property string note: "A data track couldn't be copied into MKV and was dropped (timecode usually survives)"

    // The row of beach.mov after the table's files are added and its steps taken.
    function row(data) {
        const view = makeView()
        driver.addFiles(data.files || [folder + "/beach.mov"])
        const step = { convert: () => driver.convert(), finish: () => driver.finish(), dropped: () => driver.finish(true), fail: () => driver.fail(reason), report: () => driver.report(data.fraction, data.speed), saving: () => driver.report(undefined, undefined, true) }
        data.steps.forEach(name => step[name]())
        return rows(view).filter(row => row.fileName === "beach.mov")[0]
    }

    function test_row_data() {
        const both = ["/m/a.mov", folder + "/beach.mov"]
        return [
            { tag: "queued, idle", steps: [], name: "Queued", indicator: "circle", detail: driver.root + folder, readout: "", button: "Remove from list" },
            { tag: "queued during a batch", files: both, steps: ["convert"], name: "Queued", indicator: "circle", detail: driver.root + folder, readout: "", button: "" },
            { tag: "converting, nothing known", steps: ["convert"], name: "Converting", indicator: "spinner", detail: driver.root + folder, readout: "", button: "" },
            { tag: "converting at a half", steps: ["convert", "report"], fraction: 0.5, name: "Converting", description: "50%", indicator: "progress", detail: driver.root + folder, readout: "50%", button: "" },
            { tag: "converting, speed only", steps: ["convert", "report"], speed: 12.5, name: "Converting", indicator: "spinner", detail: driver.root + folder, readout: "13\u00d7", button: "" },
            { tag: "converting, both", steps: ["convert", "report"], fraction: 0.125, speed: 9.96, name: "Converting", description: "13%", indicator: "progress", detail: driver.root + folder, readout: "13% 10.0\u00d7", button: "" },
            { tag: "saving", steps: ["convert", "report", "saving"], fraction: 1, name: "Saving…", description: "100%", indicator: "progress", detail: "Saving…", readout: "100%", button: "" },
            { tag: "done", steps: ["convert", "finish"], name: "Converted", indicator: "checkmark.circle.fill", detail: driver.root + folder, readout: "", button: "Show in Folder" },
            { tag: "done during a batch", files: [...both].reverse(), steps: ["convert", "finish"], name: "Converted", indicator: "checkmark.circle.fill", detail: driver.root + folder, readout: "", button: "Show in Folder" },
            { tag: "done with a note", steps: ["convert", "dropped"], name: "Converted: " + note, indicator: "checkmark.circle.fill", detail: note, readout: "", button: "Show in Folder" },
            { tag: "failed", steps: ["convert", "fail"], name: "Failed: " + reason, indicator: "xmark.octagon.fill", detail: reason, readout: "", button: "Remove from list" },
        ]
    }

    function test_row(data) {
        const item = row(data)
        compare(item.Accessible.name, "beach.mov, " + data.name)
        compare(item.Accessible.description, data.description || "")
        compare(find(item, "indicator").kind, data.indicator)
        compare(find(item, "detail").text, data.detail)
        const slots = findAll(item, "percentSlot").concat(findAll(item, "speedSlot")).filter(slot => slot.visible)
        compare(slots.map(slot => slot.text).join(" "), data.readout)
        const button = find(item, "trailingButton")
        compare(button.visible ? button.Accessible.name : "", data.button)
    }

    // A name, a path or ffmpeg's words full of markup are shown exactly as they are.
    function test_markupIsShownAsPlainText_data() {
        const markup = "o_<b>bold &amp; <u>under"
        return [
            { tag: "file name", file: "/m/" + markup + ".mkv", item: "title", text: markup + ".mkv" },
            { tag: "folder path", file: "/m/" + markup + "/a.mov", item: "detail", text: driver.root + "/m/" + markup },
            { tag: "failure reason", file: "/m/a.mov", reason: "<i>disk</i> &lt;full&gt;", item: "detail", text: "<i>disk</i> &lt;full&gt;" },
        ]
    }

    function test_markupIsShownAsPlainText(data) {
        const view = makeView()
        driver.addFiles([data.file])
        driver.runBatch([data.reason || "done"])
        const text = find(rows(view)[0], data.item)
        compare(text.text, data.text)
        metrics.font = text.font
        metrics.text = data.text
        fuzzyCompare(text.contentWidth, metrics.advanceWidth, 1, "drawn as written, markup and all")
    }

    TextMetrics { id: metrics }

    // An open row lists every track as the plan has it; a tick makes an exception for the file,
    // marked on the row until it goes back to the rule. Video always stays.
    function test_trackList_data() {
        return [
            { tag: "as the rule says", click: -1, kept: [true, true, false, true, true], exception: false },
            { tag: "German ticked", click: 2, kept: [true, true, true, true, true], exception: true },
            { tag: "English unticked, then back to the rule", click: 1, back: true, kept: [true, true, false, true, true], exception: false },
            { tag: "video can't be unticked", click: 0, kept: [true, true, false, true, true], exception: false },
            { tag: "PGS refused by MP4 can't be ticked in", format: "mp4", click: 4, kept: [true, true, false, true, false], exception: false },
            { tag: "with chapters, one line for them", click: -1, kept: [true, true, false, true, true], exception: false, chapters: 12 },
        ]
    }

    function test_trackList(data) {
        const view = makeView()
        driver.setTracks("beach.mov", [{ kind: "video", codec: "h264", language: "und" }, { kind: "audio", codec: "aac", language: "eng", flags: "default" }, { kind: "audio", codec: "ac3", language: "ger" }, { kind: "subtitle", codec: "subrip", language: "eng", title: "Signs" }, { kind: "subtitle", codec: "hdmv_pgs_subtitle", language: "eng" }, { chapters: data.chapters || 0 }])
        vm.destination.outputFormat = data.format || "mkv"
        vm.tracks.rule = { audioLanguages: ["en"] }
        driver.addFiles([folder + "/beach.mov"])
        let item = rows(view)[0]
        tryVerify(() => find(item, "trackLine").visible, 5000, "the tracks are read")
        const toggle = find(item, "tracksDisclosure")
        compare(toggle.text, vm.files.data(vm.files.index(0, 0), FileListModel.TrackSummaryRole))
        mouseClick(toggle)
        const lines = () => findAll(item, "trackKept")
        // Laid out before a click can find its line.
        tryVerify(() => lines().length === 5 && lines()[4].mapToItem(item, 0, 0).y > lines()[0].mapToItem(item, 0, 0).y)
        compare(lines().map(line => line.enabled), [false, true, true, true, data.format !== "mp4"], "a tick only where it changes something")
        if (data.click >= 0) {
            lines()[data.click].forceActiveFocus(Qt.TabFocusReason)
            keyClick(Qt.Key_Space)
            verify(!lines()[data.click].enabled || lines()[data.click].activeFocus, "the tick keeps the focus")
        }
        if (data.back)
            mouseClick(find(item, "followRuleButton"))
        compare(lines().map(line => line.checked), data.kept)
        compare(find(item, "exceptionMark").visible, data.exception, "marked")
        compare(item.Accessible.name, "beach.mov, Queued" + (data.exception ? ", tracks chosen for this file" : ""))
        compare(lines()[0].Accessible.name, "Video, H.264, kept")
        compare(findAll(item, "trackLanguage").map(caption => caption.text), ["\u2014", "English", "German", "English", "English"], "no language is a dash")
        compare(lines()[2].Accessible.name, data.kept[2] ? "German audio, AC-3, kept" : "German audio, AC-3, left out, German: not in your languages")
        compare(lines()[3].Accessible.name, "English subtitles, SRT, Signs, kept" + (data.format === "mp4" ? ", Converted to MP4's text format" : ""))
        const chapters = find(item, "chaptersLine")
        compare(chapters.visible ? chapters.text : "", data.chapters ? "Chapters: " + data.chapters : "", "chapters as one line, none without")
    }

    // The row's buttons only ask; the list reveals or removes that file.
    function test_buttonsCallTheModel() {
        const view = makeView()
        driver.addFiles(["/m/one.mov"])
        driver.runBatch(["done"])
        driver.addFiles(["/m/two.mov", "/m/three.mov"])
        mouseClick(find(rows(view)[0], "trailingButton"))
        compare(driver.revealed, [driver.root + "/m/one.mkv"])
        mouseClick(find(rows(view)[2], "trailingButton"))
        compare(rows(view).map(row => row.fileName), ["one.mov", "two.mov"])
    }
}
