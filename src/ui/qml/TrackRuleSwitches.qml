import QtQuick
import QtQuick.Layouts
import Kestrune

// The track rule editor's right side: the switches, the default tracks, and what a file with
// none of the languages gets. Its texts keep the editor's translation context, from before it was
// a file of its own.
ColumnLayout {
    id: switches

    // Only a list of languages can miss.
    property bool languagesListed: false
    property alias commentaryLeftOut: leaveOutCommentary.checked

    spacing: Units.smallSpacing

    Switch {
        id: keepNoLanguage
        objectName: "keepNoLanguage"
        text: qsTranslate("TrackRuleEditor", "Also keep tracks with no language")
    }
    Switch {
        id: keepMainAudio
        objectName: "keepMainAudio"
        text: qsTranslate("TrackRuleEditor", "Always keep the file's main audio")
    }
    Switch {
        id: leaveOutCommentary
        objectName: "leaveOutCommentary"
        text: qsTranslate("TrackRuleEditor", "Leave out commentary")
    }
    Switch {
        id: leaveOutAudioDescription
        objectName: "leaveOutAudioDescription"
        text: qsTranslate("TrackRuleEditor", "Leave out audio description")
    }
    Switch {
        id: keepForced
        objectName: "keepForcedInAudioLanguages"
        text: qsTranslate("TrackRuleEditor", "Keep forced subtitles in the languages of the kept audio")
    }
    Switch {
        id: addSideFiles
        objectName: "addSideFiles"
        text: qsTranslate("TrackRuleEditor", "Add subtitles and audio found beside each video")
    }

    Heading {
        text: qsTranslate("TrackRuleEditor", "Default tracks")
        Layout.topMargin: Units.mediumSpacing
    }
    ColumnLayout {
        spacing: Units.smallSpacing
        WindowRadioButton {
            id: asInSource
            objectName: "asInSource"
            text: qsTranslate("TrackRuleEditor", "As in the source")
        }
        WindowRadioButton {
            id: followOrder
            objectName: "followOrder"
            text: qsTranslate("TrackRuleEditor", "Follow the order of my languages")
            Layout.fillWidth: true
        }
    }

    Heading {
        text: qsTranslate("TrackRuleEditor", "When a file has no audio in these languages")
        Layout.topMargin: Units.mediumSpacing
    }
    ColumnLayout {
        spacing: Units.smallSpacing
        // Only a list of languages can miss.
        enabled: switches.languagesListed
        WindowRadioButton {
            id: keepMain
            objectName: "keepMain"
            text: qsTranslate("TrackRuleEditor", "Keep its main audio and say so")
            Layout.fillWidth: true
        }
        WindowRadioButton {
            id: skipFile
            objectName: "skip"
            text: qsTranslate("TrackRuleEditor", "Skip the file")
        }
    }

    function load(rule) {
        keepNoLanguage.checked = rule.keepNoLanguage;
        keepMainAudio.checked = rule.keepMainAudio;
        leaveOutCommentary.checked = rule.leaveOutCommentary;
        leaveOutAudioDescription.checked = rule.leaveOutAudioDescription;
        keepForced.checked = rule.keepForcedInAudioLanguages;
        addSideFiles.checked = rule.addSideFiles;
        (rule.defaults === "followOrder" ? followOrder : asInSource).checked = true;
        (rule.noAudioMatch === "skip" ? skipFile : keepMain).checked = true;
    }
    // This side's part of the rule, written into `rule`.
    function fill(rule) {
        rule.keepNoLanguage = keepNoLanguage.checked;
        rule.keepMainAudio = keepMainAudio.checked;
        rule.leaveOutCommentary = leaveOutCommentary.checked;
        rule.leaveOutAudioDescription = leaveOutAudioDescription.checked;
        rule.keepForcedInAudioLanguages = keepForced.checked;
        rule.addSideFiles = addSideFiles.checked;
        rule.defaults = followOrder.checked ? "followOrder" : "asInSource";
        rule.noAudioMatch = skipFile.checked ? "skip" : "keepMain";
    }

    component Heading: WindowText {
        color: WindowStyle.text
        wrapMode: Text.Wrap
        Layout.fillWidth: true
    }
    component Switch: WindowCheckBox {
        Layout.fillWidth: true
    }
}
