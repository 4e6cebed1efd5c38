import QtQuick
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
        text: qsTr("Keep original files")
        spacing: 5
        padding: 0
        implicitWidth: implicitContentWidth
        implicitHeight: Math.max(implicitIndicatorHeight, implicitContentHeight)

        indicator: Rectangle {
            width: 12
            height: 12
            radius: 3
            anchors.verticalCenter: parent.verticalCenter
            color: WindowStyle.disabledFill
            border.width: 1
            border.color: WindowStyle.controlBorder

            SymbolIcon {
                anchors.fill: parent
                anchors.margins: 1
                name: "checkmark"
                color: WindowStyle.secondaryText
                visible: box.checked
            }
        }
        contentItem: Text {
            leftPadding: box.indicator.width + box.spacing
            text: box.text
            textFormat: Text.PlainText
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
    HelpTip {
        id: help
        visible: hover.hovered
        text: qsTr("This app only writes a new file — it never deletes your source.")
    }
}
