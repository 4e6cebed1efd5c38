import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Kestrune

// The batch's track rule, edited on a copy: Apply (or Return) writes it back to the model,
// Cancel (or Escape) leaves the rule as it was. Languages on the left, everything else on the
// right; it scrolls when the window is too small to hold it.
T.Popup {
    id: editor

    property RemuxViewModel vm
    // Whether the last audio edit left languages chosen: choosing some where there were none
    // also leaves out commentary, as the rule itself does.
    property bool audioChosen: false
    readonly property alias applyButton: applyButton

    objectName: "trackRuleEditor"
    parent: T.Overlay.overlay
    modal: true
    focus: true
    closePolicy: T.Popup.CloseOnEscape | T.Popup.CloseOnPressOutside
    padding: Units.gridSpacing
    width: Math.min(parent ? parent.width - 2 * Units.wideSpacing : 600, 600)
    height: Math.min(parent ? parent.height - 2 * Units.wideSpacing : implicitHeight, implicitHeight)
    x: parent ? Math.round((parent.width - width) / 2) : 0
    y: parent ? Math.round((parent.height - height) / 2) : 0
    implicitHeight: content.implicitHeight + 2 * Units.smallSpacing + topPadding + bottomPadding

    onAboutToShow: load(editor.vm.trackRule)
    onOpened: audioAll.forceActiveFocus(Qt.TabFocusReason)

    background: Rectangle {
        radius: Units.boxRadius
        color: WindowStyle.menuBackground
        border.width: Units.hairline
        border.color: WindowStyle.controlBorder
    }
    T.Overlay.modal: Rectangle {
        color: Qt.rgba(0, 0, 0, 0.45)
    }

    // A child, not the content item, so the linter can see its id.
    Flickable {
        id: scroller
        anchors.fill: parent
        contentWidth: width
        contentHeight: content.implicitHeight + 2 * Units.smallSpacing
        boundsBehavior: Flickable.StopAtBounds
        clip: true

        Accessible.role: Accessible.Dialog
        Accessible.name: title.text

        // Return applies, or presses the focused button; Escape is the pop-up's own.
        Keys.onReturnPressed: editor.pressReturn()
        Keys.onEnterPressed: editor.pressReturn()

        ColumnLayout {
            id: content
            // Inset, so that the focus rings of the controls at the edges are not clipped.
            x: Units.smallSpacing
            y: Units.smallSpacing
            width: scroller.width - 2 * Units.smallSpacing
            spacing: Units.gridSpacing

            WindowText {
                id: title
                text: qsTr("Tracks to keep")
                color: WindowStyle.text
                font.bold: true
            }

            RowLayout {
                spacing: Units.pageMargin
                Layout.fillWidth: true

                ColumnLayout {
                    spacing: Units.smallSpacing
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    Layout.alignment: Qt.AlignTop

                    Heading {
                        text: qsTr("Audio")
                    }
                    // One column per choice: radio buttons with one parent are one choice.
                    ColumnLayout {
                        spacing: Units.smallSpacing
                        WindowRadioButton {
                            id: audioAll
                            objectName: "audioAll"
                            text: qsTr("All languages")
                            onToggled: editor.noteAudio()
                        }
                        WindowRadioButton {
                            id: audioThese
                            objectName: "audioThese"
                            text: qsTr("Only these:")
                            onToggled: editor.noteAudio()
                        }
                    }
                    LanguagePicker {
                        id: audioPicker
                        objectName: "audioPicker"
                        vm: editor.vm
                        visible: audioThese.checked
                        title: qsTr("audio languages")
                        Layout.fillWidth: true
                        Layout.leftMargin: Units.wideSpacing
                        onEdited: editor.noteAudio()
                    }

                    Heading {
                        text: qsTr("Subtitles")
                        Layout.topMargin: Units.mediumSpacing
                    }
                    ColumnLayout {
                        spacing: Units.smallSpacing
                        WindowRadioButton {
                            id: subtitlesAll
                            objectName: "subtitlesAll"
                            text: qsTr("All")
                        }
                        WindowRadioButton {
                            id: subtitlesNone
                            objectName: "subtitlesNone"
                            text: qsTr("None")
                        }
                        WindowRadioButton {
                            id: subtitlesThese
                            objectName: "subtitlesThese"
                            text: qsTr("Only these:")
                            // A new list starts from the audio's.
                            onToggled: if (checked && subtitlePicker.codes.length === 0)
                                subtitlePicker.codes = audioPicker.codes.slice()
                        }
                    }
                    LanguagePicker {
                        id: subtitlePicker
                        objectName: "subtitlePicker"
                        vm: editor.vm
                        visible: subtitlesThese.checked
                        title: qsTr("subtitle languages")
                        Layout.fillWidth: true
                        Layout.leftMargin: Units.wideSpacing
                    }
                }

                ColumnLayout {
                    spacing: Units.smallSpacing
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    Layout.alignment: Qt.AlignTop

                    Switch {
                        id: keepNoLanguage
                        objectName: "keepNoLanguage"
                        text: qsTr("Also keep tracks with no language")
                    }
                    Switch {
                        id: keepMainAudio
                        objectName: "keepMainAudio"
                        text: qsTr("Always keep the file's main audio")
                    }
                    Switch {
                        id: leaveOutCommentary
                        objectName: "leaveOutCommentary"
                        text: qsTr("Leave out commentary")
                    }
                    Switch {
                        id: leaveOutAudioDescription
                        objectName: "leaveOutAudioDescription"
                        text: qsTr("Leave out audio description")
                    }
                    Switch {
                        id: keepForced
                        objectName: "keepForcedInAudioLanguages"
                        text: qsTr("Keep forced subtitles in the languages of the kept audio")
                    }
                    Switch {
                        id: addSideFiles
                        objectName: "addSideFiles"
                        text: qsTr("Add subtitles and audio found beside each video")
                    }

                    Heading {
                        text: qsTr("Default tracks")
                        Layout.topMargin: Units.mediumSpacing
                    }
                    ColumnLayout {
                        spacing: Units.smallSpacing
                        WindowRadioButton {
                            id: asInSource
                            objectName: "asInSource"
                            text: qsTr("As in the source")
                        }
                        WindowRadioButton {
                            id: followOrder
                            objectName: "followOrder"
                            text: qsTr("Follow the order of my languages")
                            Layout.fillWidth: true
                        }
                    }

                    Heading {
                        text: qsTr("When a file has no audio in these languages")
                        Layout.topMargin: Units.mediumSpacing
                    }
                    ColumnLayout {
                        spacing: Units.smallSpacing
                        // Only a list of languages can miss.
                        enabled: audioThese.checked
                        WindowRadioButton {
                            id: keepMain
                            objectName: "keepMain"
                            text: qsTr("Keep its main audio and say so")
                            Layout.fillWidth: true
                        }
                        WindowRadioButton {
                            id: skipFile
                            objectName: "skip"
                            text: qsTr("Skip the file")
                        }
                    }
                }
            }

            RowLayout {
                spacing: Units.largeSpacing
                Layout.alignment: Qt.AlignRight
                Layout.topMargin: Units.mediumSpacing

                BorderedButton {
                    id: cancelButton
                    objectName: "cancelButton"
                    text: qsTr("Cancel")
                    onClicked: editor.close()
                }
                ConvertButton {
                    id: applyButton
                    objectName: "applyButton"
                    text: qsTr("Apply")
                    onClicked: editor.apply()
                }
            }
        }
    }

    component Heading: WindowText {
        color: WindowStyle.text
        wrapMode: Text.Wrap
        Layout.fillWidth: true
    }
    component Switch: WindowCheckBox {
        Layout.fillWidth: true
    }

    function load(rule) {
        audioPicker.codes = rule.audioLanguages;
        (rule.audioLanguages.length > 0 ? audioThese : audioAll).checked = true;
        subtitlePicker.codes = rule.subtitleLanguages;
        (rule.subtitles === "these" ? subtitlesThese : rule.subtitles === "none" ? subtitlesNone : subtitlesAll).checked = true;
        keepNoLanguage.checked = rule.keepNoLanguage;
        keepMainAudio.checked = rule.keepMainAudio;
        leaveOutCommentary.checked = rule.leaveOutCommentary;
        leaveOutAudioDescription.checked = rule.leaveOutAudioDescription;
        keepForced.checked = rule.keepForcedInAudioLanguages;
        addSideFiles.checked = rule.addSideFiles;
        (rule.defaults === "followOrder" ? followOrder : asInSource).checked = true;
        (rule.noAudioMatch === "skip" ? skipFile : keepMain).checked = true;
        audioPicker.searchField.clear();
        subtitlePicker.searchField.clear();
        audioChosen = rule.audioLanguages.length > 0;
        scroller.contentY = 0;
    }
    function noteAudio() {
        const chosen = audioThese.checked && audioPicker.codes.length > 0;
        if (chosen && !audioChosen)
            leaveOutCommentary.checked = true;
        audioChosen = chosen;
    }
    function apply() {
        editor.vm.trackRule = {
            "audioLanguages": audioThese.checked ? audioPicker.codes : [],
            "subtitles": subtitlesThese.checked ? "these" : subtitlesNone.checked ? "none" : "all",
            "subtitleLanguages": subtitlePicker.codes,
            "keepNoLanguage": keepNoLanguage.checked,
            "keepMainAudio": keepMainAudio.checked,
            "leaveOutCommentary": leaveOutCommentary.checked,
            "leaveOutAudioDescription": leaveOutAudioDescription.checked,
            "keepForcedInAudioLanguages": keepForced.checked,
            "addSideFiles": addSideFiles.checked,
            "defaults": followOrder.checked ? "followOrder" : "asInSource",
            "noAudioMatch": skipFile.checked ? "skip" : "keepMain"
        };
        close();
    }
    function pressReturn() {
        const focused = scroller.Window.activeFocusItem;
        if (focused === cancelButton)
            close();
        else
            apply();
    }
}
