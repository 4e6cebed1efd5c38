import QtQuick
import QtTest
import Kestrune

ViewTestCase {
    name: "TrackRule"

    // The editor as made on the first Edit…, the focus on its first control.
    function openEditor(view) {
        const row = view.trackRuleRow
        compare(row.editor, null, "made only when first opened")
        mouseClick(row.editButton)
        tryVerify(() => row.editor && row.editor.opened)
        return row.editor.contentItem
    }

    // Each row edits the rule through the editor's controls; "Return" in the search field takes
    // the first match, elsewhere it applies.
    function test_edit_data() {
        const every = "Keeping every track"
        return [
            { tag: "Escape leaves the rule", steps: ["audioThese", "type:english", "Return", "subtitlesNone", "Escape"], sentence: every, rule: { audioLanguages: [], subtitles: "all" } },
            { tag: "Cancel leaves the rule", steps: ["skip", "leaveOutAudioDescription", "cancelButton"], sentence: every, rule: { leaveOutAudioDescription: false } },
            { tag: "a language, applied with Return", steps: ["audioThese", "type:japanese", "Return", "Return"], rule: { audioLanguages: ["ja"], leaveOutCommentary: true } },
            { tag: "commentary back on after choosing", steps: ["audioThese", "type:english", "Return", "leaveOutCommentary", "applyButton"], rule: { audioLanguages: ["en"], leaveOutCommentary: false } },
            { tag: "subtitles start from the audio", steps: ["audioThese", "type:english", "Return", "type:japanese", "Return", "subtitlesThese", "applyButton"], rule: { audioLanguages: ["en", "ja"], subtitles: "these", subtitleLanguages: ["en", "ja"] } },
            { tag: "a language ticked off again", steps: ["audioThese", "type:english", "Return", "type:english", "Return", "applyButton"], rule: { audioLanguages: [], leaveOutCommentary: true } },
            { tag: "the other choices", steps: ["subtitlesNone", "keepNoLanguage", "keepMainAudio", "keepForcedInAudioLanguages", "addSideFiles", "followOrder", "applyButton"], rule: { subtitles: "none", keepNoLanguage: false, keepMainAudio: true, keepForcedInAudioLanguages: true, addSideFiles: false, defaults: "followOrder", noAudioMatch: "keepMain" } },
        ]
    }

    function test_edit(data) {
        const view = makeView()
        const before = vm.tracks.rule
        const editor = openEditor(view)
        for (const step of data.steps) {
            if (step.startsWith("type:")) {
                const field = findAll(editor, "languageSearch").filter(item => item.visible).pop()
                field.forceActiveFocus(Qt.TabFocusReason)
                Array.from(step.slice(5)).forEach(letter => keyClick(letter))
            } else if (step === "Return" || step === "Escape") {
                keyClick(step === "Return" ? Qt.Key_Return : Qt.Key_Escape)
            } else {
                mouseClick(find(editor, step))
            }
        }
        tryVerify(() => !view.trackRuleRow.editor.visible, 2000, "closed")
        for (const key in data.rule)
            compare(vm.tracks.rule[key], data.rule[key], key)
        if (data.sentence)
            compare(vm.tracks.rule, before, "unchanged")
        compare(find(view, "trackRuleSentence").text, data.sentence || vm.tracks.sentence)
        verify(vm.tracks.sentence !== "", "the model says the rule")
        compare(view.trackRuleRow.Accessible.name, "Tracks: " + vm.tracks.sentence)
    }

    // Tab walks every control once, each named for a screen reader, and never leaves the editor.
    function test_tabOrder() {
        const view = makeView()
        vm.tracks.rule = { audioLanguages: ["en"], subtitles: "these", subtitleLanguages: ["en"] }
        const editor = openEditor(view)
        const seen = [], names = []
        for (let i = 0; i < 40; ++i) {
            const item = view.Window.activeFocusItem
            verify(isInside(item, editor), "focus stays in the editor")
            if (seen.includes(item))
                break
            seen.push(item)
            // The list's current entry takes the focus for it.
            names.push(item.objectName.startsWith("language_") ? "languageChoices" : item.objectName)
            verify(item.Accessible.name !== "", (item.objectName || item) + " is named")
            keyClick(Qt.Key_Tab)
        }
        for (const control of ["audioAll", "audioThese", "subtitlesAll", "subtitlesNone", "subtitlesThese", "keepNoLanguage", "keepMainAudio", "leaveOutCommentary", "leaveOutAudioDescription", "keepForcedInAudioLanguages", "addSideFiles", "asInSource", "followOrder", "keepMain", "skip", "cancelButton", "applyButton"])
            verify(names.includes(control), control + " reached by Tab: " + names)
        compare(names.filter(name => name === "languageSearch").length, 2, "both search fields")
        compare(names.filter(name => name === "languageChoices").length, 2, "both lists")
    }

    function isInside(item, ancestor) {
        for (; item; item = item.parent)
            if (item === ancestor)
                return true
        return false
    }
}
