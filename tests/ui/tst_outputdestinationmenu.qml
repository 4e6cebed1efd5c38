import QtQuick
import QtTest
import Kestrune

ViewTestCase {
    id: testCase
    name: "OutputDestinationMenu"

    readonly property string out: "/Volumes/Work/Out"

    function init() {
        driver.reset()
    }

    function enter(look) {
        switch (look) {
        case "start":
            break
        case "folder chosen":
            driver.setNextFolder(out)
            vm.chooseOutputFolder()
            break
        case "folder remembered":
            driver.setNextFolder(out)
            vm.chooseOutputFolder()
            vm.sameAsInput = true
            break
        case "no folder":
            vm.sameAsInput = false
            break
        }
    }

    function test_look_data() {
        const dim = Qt.rgba(1, 1, 1, 0.65)
        return [
            { tag: "same as input, no folder", look: "start", face: "Same as input", faceColor: dim, items: ["\u2713 Same as input", "Choose folder\u2026"] },
            { tag: "same as input, folder remembered", look: "folder remembered", face: "Same as input", faceColor: dim, items: ["\u2713 Same as input", "Out", "Choose folder\u2026"] },
            { tag: "folder chosen", look: "folder chosen", face: "/Volumes/Work/Out", faceColor: "white", items: ["Same as input", "\u2713 Out", "Choose folder\u2026"] },
            { tag: "no folder, not beside the sources", look: "no folder", face: "Choose a folder\u2026", faceColor: "white", items: ["Same as input", "Choose folder\u2026"] },
        ]
    }

    // What the open menu lists, a tick marking the checked entry; separators stand between
    // entries and are counted separately.
    function listed(menu) {
        let entries = []
        let separators = 0
        for (let i = 0; i < menu.count; ++i) {
            const item = menu.itemAt(i)
            if (!item.visible)
                continue
            if (item.text === undefined) {
                ++separators
                continue
            }
            const check = find(item, "checkmark")
            entries.push((check.visible ? "\u2713 " : "") + item.text)
        }
        return { entries: entries, separators: separators }
    }

    function test_look(data) {
        const view = makeView()
        enter(data.look)
        const face = find(view, "destinationMenu")
        compare(face.label, data.face)
        compare(find(face, "faceText").text, data.face)
        sameColor(find(face, "faceText").color, data.faceColor, "face text")
        mouseClick(face)
        tryCompare(face.menu, "opened", true)
        const shown = listed(face.menu)
        compare(shown.entries, data.items)
        compare(shown.separators, data.items.length - 1)
        face.menu.close()
    }

    function test_choosing_data() {
        return [
            { tag: "choose a folder", look: "start", pick: "chooseFolderItem", sameAsInput: false, face: "/Volumes/Work/Out", prompts: ["Choose Output Folder"] },
            { tag: "cancel the panel", look: "start", pick: "chooseFolderItem", cancel: true, sameAsInput: true, face: "Same as input", prompts: ["Choose Output Folder"] },
            { tag: "back to same as input", look: "folder chosen", pick: "sameAsInputItem", sameAsInput: true, face: "Same as input", prompts: ["Choose Output Folder"] },
            { tag: "the remembered folder, no panel", look: "folder remembered", pick: "folderItem", sameAsInput: false, face: "/Volumes/Work/Out", prompts: ["Choose Output Folder"] },
        ]
    }

    function test_choosing(data) {
        const view = makeView()
        enter(data.look)
        driver.setNextFolder(data.cancel ? "" : out)
        const face = find(view, "destinationMenu")
        mouseClick(face)
        tryCompare(face.menu, "opened", true)
        settle()
        const item = find(face.menu.contentItem, data.pick)
        mouseClick(item)
        tryCompare(face.menu, "visible", false)
        compare(vm.sameAsInput, data.sameAsInput)
        compare(face.label, data.face)
        compare(driver.prompts, data.prompts)
    }

    function test_disabledDuringABatch() {
        const view = makeView()
        const face = find(view, "destinationMenu")
        driver.addFiles(["a.mov"])
        driver.convert()
        verify(!face.enabled)
        mouseClick(face)
        wait(50)
        verify(!face.menu.visible)
        driver.finish()
        verify(face.enabled)
    }

    function test_longPathIsShortenedInTheMiddle() {
        const view = makeView()
        driver.setNextFolder("/Volumes/Work/" + "a rather long folder name/".repeat(6) + "Out")
        vm.chooseOutputFolder()
        const text = find(find(view, "destinationMenu"), "faceText")
        verify(text.truncated)
        compare(text.elide, Text.ElideMiddle)
    }
}
