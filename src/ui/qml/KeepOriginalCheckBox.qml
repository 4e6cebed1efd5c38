import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Templates as T
import Kestrune

// "Keep original files": always on and never changeable. It says what the app promises.
Item {
    id: holder

    implicitWidth: box.implicitWidth
    implicitHeight: box.implicitHeight

    T.CheckBox {
        id: box
        objectName: "keepOriginal"
        checked: true
        enabled: false
        text: "Keep original files"
        spacing: 5
        padding: 0
        implicitWidth: indicator.width + spacing + label.implicitWidth
        implicitHeight: Math.max(indicator.height, label.implicitHeight)

        indicator: Rectangle {
            width: 12
            height: 12
            radius: 3
            anchors.verticalCenter: parent.verticalCenter
            color: WindowStyle.disabledFill
            border.width: 1
            border.color: Qt.rgba(1, 1, 1, 0.12)

            SymbolIcon {
                anchors.fill: parent
                anchors.margins: 1
                name: "checkmark"
                color: WindowStyle.secondaryText
                visible: box.checked
            }
        }
        contentItem: Text {
            id: label
            leftPadding: box.indicator.width + box.spacing
            text: box.text
            font.pointSize: WindowStyle.captionPointSize
            color: WindowStyle.secondaryText
            verticalAlignment: Text.AlignVCenter
        }

        Accessible.role: Accessible.CheckBox
        Accessible.name: text
        Accessible.description: help.text
    }

    // A disabled control gets no hover, so the holder shows the help.
    HoverHandler {
        id: hover
    }
    ToolTip {
        id: help
        visible: hover.hovered
        delay: 600
        text: "This app only writes a new file \u2014 it never deletes your source."
    }
}
