import QtQuick
import QtQuick.Layouts
import Kestrune

// Its texts keep the window's translation context, from before it was a file of its own.
// The format row: "Convert to", one tile per container as a radio group, and Convert.
RowLayout {
    id: row

    required property RemuxViewModel vm
    required property bool canConvert
    readonly property alias convertButton: convertButton

    spacing: Units.largeSpacing

    WindowText {
        text: qsTranslate("ContentView", "Convert to")
    }
    // This Qt's linter cannot follow ids of the file into a delegate.
    // qmllint disable unqualified
    // One radio group: only the chosen format is a Tab stop, and the arrow keys
    // move the choice, round at the ends.
    Repeater {
        id: formats
        model: row.vm.destination.formatChoices
        delegate: ToolbarButton {
            required property int index
            required property var modelData
            objectName: "format_" + modelData.id
            text: modelData.displayName
            isOn: row.vm.destination.outputFormat === modelData.id
            enabled: !row.vm.batch.isConverting
            focusPolicy: isOn ? Qt.StrongFocus : Qt.ClickFocus
            onClicked: row.vm.destination.outputFormat = modelData.id
            Keys.onLeftPressed: row.stepFormat(index, -1)
            Keys.onUpPressed: row.stepFormat(index, -1)
            Keys.onRightPressed: row.stepFormat(index, 1)
            Keys.onDownPressed: row.stepFormat(index, 1)
        }
    }
    // qmllint enable unqualified
    Item {
        Layout.fillWidth: true
        Layout.minimumWidth: 0
    }
    ConvertButton {
        id: convertButton
        objectName: "convertButton"
        text: row.vm.join.on ? (row.vm.batch.isConverting ? qsTranslate("ContentView", "Joining…") : qsTranslate("ContentView", "Join"))
                             : row.vm.batch.isConverting ? qsTranslate("ContentView", "Converting…") : qsTranslate("ContentView", "Convert")
        enabled: row.canConvert
        onClicked: row.vm.batch.startConvert()
    }

    function stepFormat(from, step) {
        const next = formats.itemAt((from + step + formats.count) % formats.count) as ToolbarButton;
        // Focus first: the button losing the choice stops being a Tab stop, which Qt refuses
        // while it has focus.
        next.forceActiveFocus(Qt.TabFocusReason);
        next.clicked();
    }
}
