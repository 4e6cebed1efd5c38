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

    onAboutToShow: load(editor.vm.tracks.rule)
    onOpened: languages.firstControl.forceActiveFocus(Qt.TabFocusReason)

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

                TrackRuleLanguages {
                    id: languages
                    vm: editor.vm
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    Layout.alignment: Qt.AlignTop
                    onAudioEdited: editor.noteAudio()
                }
                TrackRuleSwitches {
                    id: switches
                    languagesListed: languages.audioListed
                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    Layout.alignment: Qt.AlignTop
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

    function load(rule) {
        languages.load(rule);
        switches.load(rule);
        audioChosen = rule.audioLanguages.length > 0;
        scroller.contentY = 0;
    }
    function noteAudio() {
        const chosen = languages.audioChosen;
        if (chosen && !audioChosen)
            switches.commentaryLeftOut = true;
        audioChosen = chosen;
    }
    function apply() {
        const rule = {};
        languages.fill(rule);
        switches.fill(rule);
        editor.vm.tracks.rule = rule;
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
