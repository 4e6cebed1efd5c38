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
        spacing: Units.iconSpacing
        padding: 0
        implicitWidth: implicitContentWidth
        implicitHeight: Math.max(implicitIndicatorHeight, implicitContentHeight)

        indicator: Rectangle {
            width: Units.smallIcon
            height: Units.smallIcon
            radius: Units.smallRadius
            anchors.verticalCenter: parent.verticalCenter
            color: WindowStyle.disabledFill
            border.width: Units.hairline
            border.color: WindowStyle.controlBorder

            SymbolIcon {
                anchors.fill: parent
                anchors.margins: Units.hairline
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
