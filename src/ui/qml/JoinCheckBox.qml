import QtQuick
import Kestrune

// "Join into one file": the listed files become the parts of one new file, in list order. Held
// by the model for this list alone; while a batch runs it can't change.
WindowCheckBox {
    id: box

    required property RemuxViewModel vm

    objectName: "joinSwitch"
    text: qsTr("Join into one file")
    pointSize: WindowStyle.captionPointSize
    checked: box.vm.join.on
    enabled: !box.vm.batch.isConverting
    onToggled: box.vm.join.on = checked

    HoverHandler {
        id: hover
    }
    HelpTip {
        visible: hover.hovered
        text: qsTr("Makes one file of the listed files, in the order shown. Alt+Up and Alt+Down move a file.")
    }
}
