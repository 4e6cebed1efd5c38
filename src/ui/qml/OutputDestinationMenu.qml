import QtQuick
import QtQuick.Shapes
import QtQuick.Templates as T
import Kestrune

// Where converted files go: beside each source, into the folder chosen earlier, or a new folder.
// Shows and changes the model's destination setting; holds nothing of its own.
WindowButton {
    id: face

    required property RemuxViewModel vm
    readonly property string label: ViewText.destinationLabel(face.vm.destination.sameAsInput, face.vm.destination.hasOutputDirectory, face.vm.destination.outputDirectoryPath)
    property alias menu: menu

    enabled: !face.vm.batch.isConverting
    implicitWidth: Units.menuWidth
    implicitHeight: faceText.implicitHeight + 2 * Units.mediumSpacing
    padding: 0
    leftPadding: Units.largeSpacing
    rightPadding: Units.pageMargin
    hoverEnabled: true
    focusRadius: Units.controlRadius + 2

    // Not the control's content item, so the linter can see its id.
    WindowText {
        id: faceText
        objectName: "faceText"
        anchors.fill: parent
        anchors.leftMargin: face.leftPadding
        anchors.rightMargin: face.rightPadding
        text: face.label
        color: face.vm.destination.sameAsInput ? WindowStyle.secondaryText : WindowStyle.text
        elide: Text.ElideMiddle
        maximumLineCount: 1
        verticalAlignment: Text.AlignVCenter
        horizontalAlignment: Text.AlignLeft
        opacity: face.enabled ? 1.0 : 0.5
    }
    background: Rectangle {
        radius: Units.controlRadius
        color: face.down || menu.visible ? WindowStyle.controlFacePressed : WindowStyle.controlFace
        border.width: Units.hairline
        border.color: WindowStyle.controlBorder

        // The pop-up's up and down chevrons.
        Shape {
            anchors.right: parent.right
            anchors.rightMargin: Units.largeSpacing
            anchors.verticalCenter: parent.verticalCenter
            width: 8
            height: Units.smallIcon
            antialiasing: true
            opacity: face.enabled ? 1.0 : 0.5
            ShapePath {
                fillColor: "transparent"
                strokeColor: WindowStyle.secondaryText
                strokeWidth: 1.4
                capStyle: ShapePath.RoundCap
                joinStyle: ShapePath.RoundJoin
                startX: 1
                startY: 4.5
                PathLine {
                    x: 4
                    y: 1.5
                }
                PathLine {
                    x: 7
                    y: 4.5
                }
                PathMove {
                    x: 1
                    y: 7.5
                }
                PathLine {
                    x: 4
                    y: 10.5
                }
                PathLine {
                    x: 7
                    y: 7.5
                }
            }
        }
    }

    HoverHandler {
        id: faceHover
    }
    HelpTip {
        visible: faceHover.hovered && faceText.truncated
        text: face.label
    }

    onClicked: menu.open()

    Accessible.role: Accessible.ButtonMenu
    Accessible.name: qsTr("Output to: %1").arg(label)

    // A destination: its check mark, then its name, shown verbatim.
    component DestinationEntry: MenuEntry {
        id: item

        implicitWidth: Math.max(Units.menuWidth, check.width + Units.mediumSpacing + itemText.implicitWidth + Units.pageMargin)
        implicitHeight: visible ? itemText.implicitHeight + Units.largeSpacing : 0
        leftPadding: Units.largeSpacing
        rightPadding: Units.wideSpacing

        SymbolIcon {
            id: check
            objectName: "checkmark"
            name: "checkmark"
            visible: item.marked
            color: item.textColor
            x: item.leftPadding
            width: Units.smallIcon
            height: Units.smallIcon
            anchors.verticalCenter: parent.verticalCenter
        }
        WindowText {
            id: itemText
            x: item.leftPadding + check.width + Units.mediumSpacing
            anchors.verticalCenter: parent.verticalCenter
            text: item.text
            color: item.textColor
        }

        Accessible.checkable: true
    }

    T.Menu {
        id: menu
        objectName: "destinationMenu"
        y: face.height + Units.tinySpacing
        padding: Units.iconSpacing
        implicitWidth: Math.max(face.width * 0.6, contentItem.implicitWidth + leftPadding + rightPadding)
        implicitHeight: contentItem.implicitHeight + topPadding + bottomPadding
        modal: false

        delegate: DestinationEntry {
        }

        contentItem: ListView {
            implicitHeight: contentHeight
            implicitWidth: {
                let widest = 0;
                for (let i = 0; i < count; ++i)
                    widest = Math.max(widest, model.get(i).implicitWidth);
                return widest;
            }
            model: menu.contentModel
            interactive: false
            clip: true
            currentIndex: menu.currentIndex
        }
        background: Rectangle {
            radius: Units.boxRadius
            color: WindowStyle.menuBackground
            border.width: Units.hairline
            border.color: WindowStyle.controlBorder
        }

        DestinationEntry {
            objectName: "sameAsInputItem"
            text: qsTr("Same as input")
            marked: face.vm.destination.sameAsInput
            onTriggered: face.vm.destination.sameAsInput = true
        }
        MenuRule {
            visible: face.vm.destination.hasOutputDirectory
        }
        DestinationEntry {
            objectName: "folderItem"
            visible: face.vm.destination.hasOutputDirectory
            text: face.vm.destination.outputDirectoryName
            marked: !face.vm.destination.sameAsInput
            onTriggered: face.vm.destination.sameAsInput = false
        }
        MenuRule {
        }
        DestinationEntry {
            objectName: "chooseFolderItem"
            text: qsTr("Choose folder…")
            onTriggered: face.vm.destination.chooseOutputFolder()
        }
    }
}
