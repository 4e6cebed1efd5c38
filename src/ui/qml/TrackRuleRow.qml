import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Kestrune

// Under the formats: which tracks the batch keeps, as one sentence, and Edit… to change it. The
// editor is made when first opened, so the window's first frame never pays for it: not even its
// types are loaded before.
RowLayout {
    id: row

    required property RemuxViewModel vm
    readonly property alias editButton: editButton
    property T.Popup editor: null

    spacing: Units.largeSpacing

    Accessible.role: Accessible.Grouping
    Accessible.name: qsTr("Tracks: %1").arg(row.vm.tracks.sentence)

    WindowText {
        text: qsTr("Tracks:")
        Layout.alignment: Qt.AlignBaseline
        Accessible.ignored: true
    }
    WindowText {
        id: sentence
        objectName: "trackRuleSentence"
        Layout.fillWidth: true
        Layout.alignment: Qt.AlignBaseline
        // Wrapped, never cut: it is the whole rule.
        text: row.vm.tracks.sentence
        color: WindowStyle.labelText
        wrapMode: Text.Wrap
        Accessible.ignored: true
    }
    BorderedButton {
        id: editButton
        objectName: "editTracksButton"
        text: qsTr("Edit…")
        enabled: !row.vm.batch.isConverting
        Layout.alignment: Qt.AlignBaseline
        Accessible.description: row.Accessible.name
        onClicked: row.openEditor()
    }

    function openEditor() {
        if (!editor)
            editor = Qt.createComponent("TrackRuleEditor.qml").createObject(row, {
                "vm": row.vm
            }) as T.Popup;
        editor.open();
    }
}
