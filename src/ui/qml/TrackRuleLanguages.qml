import QtQuick
import QtQuick.Layouts
import Kestrune

// The track rule editor's left side: which audio and which subtitles, by language. Its texts keep
// the editor's translation context, from before it was a file of its own.
ColumnLayout {
    id: languages

    property RemuxViewModel vm
    readonly property alias firstControl: audioAll
    // Languages are listed for the audio: only then can a file miss them.
    readonly property bool audioListed: audioThese.checked
    readonly property bool audioChosen: audioThese.checked && audioPicker.codes.length > 0

    // The user changed the audio's choice or its list.
    signal audioEdited

    spacing: Units.smallSpacing

    Heading {
        text: qsTranslate("TrackRuleEditor", "Audio")
    }
    // One column per choice: radio buttons with one parent are one choice.
    ColumnLayout {
        spacing: Units.smallSpacing
        WindowRadioButton {
            id: audioAll
            objectName: "audioAll"
            text: qsTranslate("TrackRuleEditor", "All languages")
            onToggled: languages.audioEdited()
        }
        WindowRadioButton {
            id: audioThese
            objectName: "audioThese"
            text: qsTranslate("TrackRuleEditor", "Only these:")
            onToggled: languages.audioEdited()
        }
    }
    LanguagePicker {
        id: audioPicker
        objectName: "audioPicker"
        vm: languages.vm
        visible: audioThese.checked
        title: qsTranslate("TrackRuleEditor", "audio languages")
        Layout.fillWidth: true
        Layout.leftMargin: Units.wideSpacing
        onEdited: languages.audioEdited()
    }

    Heading {
        text: qsTranslate("TrackRuleEditor", "Subtitles")
        Layout.topMargin: Units.mediumSpacing
    }
    ColumnLayout {
        spacing: Units.smallSpacing
        WindowRadioButton {
            id: subtitlesAll
            objectName: "subtitlesAll"
            text: qsTranslate("TrackRuleEditor", "All")
        }
        WindowRadioButton {
            id: subtitlesNone
            objectName: "subtitlesNone"
            text: qsTranslate("TrackRuleEditor", "None")
        }
        WindowRadioButton {
            id: subtitlesThese
            objectName: "subtitlesThese"
            text: qsTranslate("TrackRuleEditor", "Only these:")
            // A new list starts from the audio's.
            onToggled: if (checked && subtitlePicker.codes.length === 0)
                subtitlePicker.codes = audioPicker.codes.slice()
        }
    }
    LanguagePicker {
        id: subtitlePicker
        objectName: "subtitlePicker"
        vm: languages.vm
        visible: subtitlesThese.checked
        title: qsTranslate("TrackRuleEditor", "subtitle languages")
        Layout.fillWidth: true
        Layout.leftMargin: Units.wideSpacing
    }

    function load(rule) {
        audioPicker.codes = rule.audioLanguages;
        (rule.audioLanguages.length > 0 ? audioThese : audioAll).checked = true;
        subtitlePicker.codes = rule.subtitleLanguages;
        (rule.subtitles === "these" ? subtitlesThese : rule.subtitles === "none" ? subtitlesNone : subtitlesAll).checked = true;
        audioPicker.searchField.clear();
        subtitlePicker.searchField.clear();
    }
    // This side's part of the rule, written into `rule`.
    function fill(rule) {
        rule.audioLanguages = audioThese.checked ? audioPicker.codes : [];
        rule.subtitles = subtitlesThese.checked ? "these" : subtitlesNone.checked ? "none" : "all";
        rule.subtitleLanguages = subtitlePicker.codes;
    }

    component Heading: WindowText {
        color: WindowStyle.text
        wrapMode: Text.Wrap
        Layout.fillWidth: true
    }
}
