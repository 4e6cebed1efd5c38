import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Shapes
import QtQuick.Templates as T
import Kestrune

// Where converted files go: beside each source, into the folder chosen earlier, or a new folder.
// Shows and changes the model's destination setting; holds nothing of its own.
T.AbstractButton {
    id: face

    readonly property string label: ViewText.destinationLabel(vm.sameAsInput, vm.hasOutputDirectory, vm.outputDirectoryPath)
    property alias menu: menu

    enabled: !vm.isConverting
    implicitWidth: 200
    implicitHeight: faceText.implicitHeight + 12
    padding: 0
    leftPadding: 8
    rightPadding: 24
    focusPolicy: Qt.StrongFocus
    hoverEnabled: true

    contentItem: WindowText {
        id: faceText
        objectName: "faceText"
        text: face.label
        color: vm.sameAsInput ? WindowStyle.secondaryText : "white"
        elide: Text.ElideMiddle
        maximumLineCount: 1
        verticalAlignment: Text.AlignVCenter
        horizontalAlignment: Text.AlignLeft
        opacity: face.enabled ? 1.0 : 0.5
    }
    background: Rectangle {
        radius: 5
        color: face.down || menu.visible ? Qt.rgba(1, 1, 1, 0.14) : Qt.rgba(1, 1, 1, 0.08)
        border.width: 1
        border.color: Qt.rgba(1, 1, 1, 0.1)

        // The pop-up's up and down chevrons.
        Shape {
            anchors.right: parent.right
            anchors.rightMargin: 8
            anchors.verticalCenter: parent.verticalCenter
            width: 8
            height: 12
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
                PathLine { x: 4; y: 1.5 }
                PathLine { x: 7; y: 4.5 }
                PathMove { x: 1; y: 7.5 }
                PathLine { x: 4; y: 10.5 }
                PathLine { x: 7; y: 7.5 }
            }
        }
        FocusRing {
            visible: face.visualFocus
            radius: 7
        }
    }

    HoverHandler {
        id: faceHover
    }
    ToolTip.visible: faceHover.hovered && faceText.truncated
    ToolTip.text: face.label
    ToolTip.delay: 600

    onClicked: menu.open()

    Accessible.role: Accessible.ButtonMenu
    Accessible.name: "Output to: " + label
    Accessible.onPressAction: if (enabled) clicked()

    component MenuEntry: T.MenuItem {
        id: item

        property bool marked: false

        implicitWidth: Math.max(200, check.width + 6 + itemText.implicitWidth + 24)
        implicitHeight: visible ? itemText.implicitHeight + 8 : 0
        leftPadding: 8
        rightPadding: 16

        contentItem: Item {
            SymbolIcon {
                id: check
                objectName: "checkmark"
                name: "checkmark"
                visible: item.marked
                color: item.highlighted ? "white" : WindowStyle.labelText
                width: 12
                height: 12
                anchors.verticalCenter: parent.verticalCenter
            }
            Text {
                id: itemText
                x: check.width + 6
                anchors.verticalCenter: parent.verticalCenter
                text: item.text
                font.pointSize: WindowStyle.defaultPointSize
                color: item.highlighted ? "white" : WindowStyle.labelText
            }
        }
        background: Rectangle {
            radius: 4
            color: item.highlighted ? ThemeManager.accentColor : "transparent"
        }

        Accessible.role: Accessible.MenuItem
        Accessible.name: text
        Accessible.checkable: true
        Accessible.checked: marked
        Accessible.onPressAction: triggered()
    }
    component MenuRule: T.MenuSeparator {
        implicitWidth: 200
        implicitHeight: visible ? 9 : 0
        padding: 0
        topPadding: 4
        bottomPadding: 4
        contentItem: Rectangle {
            implicitHeight: 1
            color: WindowStyle.separator
        }
    }

    T.Menu {
        id: menu
        objectName: "destinationMenu"
        y: face.height + 2
        padding: 5
        implicitWidth: Math.max(face.width * 0.6, contentItem.implicitWidth + leftPadding + rightPadding)
        implicitHeight: contentItem.implicitHeight + topPadding + bottomPadding
        modal: false

        delegate: MenuEntry {}

        contentItem: ListView {
            implicitHeight: contentHeight
            implicitWidth: {
                let widest = 0
                for (let i = 0; i < count; ++i)
                    widest = Math.max(widest, model.get(i).implicitWidth)
                return widest
            }
            model: menu.contentModel
            interactive: false
            clip: true
            currentIndex: menu.currentIndex
        }
        background: Rectangle {
            radius: 6
            color: WindowStyle.menuBackground
            border.width: 1
            border.color: Qt.rgba(1, 1, 1, 0.12)
        }

        MenuEntry {
            objectName: "sameAsInputItem"
            text: "Same as input"
            marked: vm.sameAsInput
            onTriggered: vm.sameAsInput = true
        }
        MenuRule {
            visible: vm.hasOutputDirectory
        }
        MenuEntry {
            objectName: "folderItem"
            visible: vm.hasOutputDirectory
            text: vm.outputDirectoryName
            marked: !vm.sameAsInput
            onTriggered: vm.sameAsInput = false
        }
        MenuRule {}
        MenuEntry {
            objectName: "chooseFolderItem"
            text: "Choose folder\u2026"
            onTriggered: vm.chooseOutputFolder()
        }
    }
}
