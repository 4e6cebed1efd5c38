import QtQuick
import QtQuick.Templates as T
import Kestrune

// A check box of the window: a small square, filled with the accent colour while ticked, and
// its label. Named for assistive technologies by its label unless told otherwise.
T.CheckBox {
    id: box

    property real pointSize: WindowStyle.defaultPointSize

    focusPolicy: Qt.StrongFocus
    spacing: Units.iconSpacing
    padding: 0
    implicitWidth: implicitContentWidth
    implicitHeight: Math.max(implicitIndicatorHeight, implicitContentHeight)

    indicator: Rectangle {
        width: Units.mediumIcon
        height: Units.mediumIcon
        radius: Units.smallRadius
        y: (box.height - height) / 2
        color: box.checked && box.enabled ? ThemeManager.accentColor : box.enabled ? WindowStyle.controlFace : WindowStyle.disabledFill
        border.width: box.checked && box.enabled ? 0 : Units.hairline
        border.color: WindowStyle.controlBorder
        opacity: box.down ? 0.7 : 1.0

        SymbolIcon {
            anchors.fill: parent
            anchors.margins: Units.tinySpacing
            name: "checkmark"
            color: box.enabled ? WindowStyle.text : WindowStyle.secondaryText
            visible: box.checked
        }
        FocusRing {
            visible: box.visualFocus
            radius: Units.radius
        }
    }
    contentItem: Text {
        leftPadding: box.indicator.width + box.spacing
        text: box.text
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        font.pointSize: box.pointSize
        color: box.enabled ? WindowStyle.labelText : WindowStyle.disabledText
        verticalAlignment: Text.AlignVCenter
    }

    Accessible.role: Accessible.CheckBox
    Accessible.name: text
    Accessible.checkable: true
    Accessible.checked: checked
    // A screen reader's Press or Toggle ticks the box as a click does: Qt's own only clicks it.
    Accessible.onPressAction: box.flip()
    Accessible.onToggleAction: box.flip()

    function flip() {
        if (!box.enabled)
            return;
        box.toggle();
        box.toggled();
    }
}
