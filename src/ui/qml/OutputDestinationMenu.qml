import QtQuick
import QtQuick.Shapes
import QtQuick.Templates as T
import Kestrune

// Where converted files go: beside each source, into the folder chosen earlier, or a new folder.
// Shows and changes the model's destination setting; holds nothing of its own.
T.AbstractButton {
    id: face

    required property RemuxViewModel vm
    readonly property string label: ViewText.destinationLabel(face.vm.sameAsInput, face.vm.hasOutputDirectory, face.vm.outputDirectoryPath)
    property alias menu: menu

    enabled: !face.vm.isConverting
    implicitWidth: 200
    implicitHeight: faceText.implicitHeight + 12
    padding: 0
    leftPadding: 8
    rightPadding: 24
    focusPolicy: Qt.StrongFocus
    hoverEnabled: true

    // Not the control's content item, so the linter can see its id.
    WindowText {
        id: faceText
        objectName: "faceText"
        anchors.fill: parent
        anchors.leftMargin: face.leftPadding
        anchors.rightMargin: face.rightPadding
        text: face.label
        color: face.vm.sameAsInput ? WindowStyle.secondaryText : WindowStyle.text
        elide: Text.ElideMiddle
        maximumLineCount: 1
        verticalAlignment: Text.AlignVCenter
        horizontalAlignment: Text.AlignLeft
        opacity: face.enabled ? 1.0 : 0.5
    }
    background: Rectangle {
        radius: 5
        color: face.down || menu.visible ? WindowStyle.controlFacePressed : WindowStyle.controlFace
        border.width: 1
        border.color: WindowStyle.controlBorder

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
    HelpTip {
        visible: faceHover.hovered && faceText.truncated
        text: face.label
    }

    onClicked: menu.open()

    Accessible.role: Accessible.ButtonMenu
    Accessible.name: qsTr("Output to: %1").arg(label)
    Accessible.onPressAction: if (enabled) clicked()

    component MenuEntry: T.MenuItem {
        id: item

        property bool marked: false

        implicitWidth: Math.max(200, check.width + 6 + itemText.implicitWidth + 24)
        implicitHeight: visible ? itemText.implicitHeight + 8 : 0
        leftPadding: 8
        rightPadding: 16

        SymbolIcon {
            id: check
            objectName: "checkmark"
            name: "checkmark"
            visible: item.marked
            color: item.highlighted ? WindowStyle.text : WindowStyle.labelText
            x: item.leftPadding
            width: 12
            height: 12
            anchors.verticalCenter: parent.verticalCenter
        }
        // A folder's name is shown verbatim.
        WindowText {
            id: itemText
            x: item.leftPadding + check.width + 6
            anchors.verticalCenter: parent.verticalCenter
            text: item.text
            color: item.highlighted ? WindowStyle.text : WindowStyle.labelText
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
            border.color: WindowStyle.controlBorder
        }

        MenuEntry {
            objectName: "sameAsInputItem"
            text: qsTr("Same as input")
            marked: face.vm.sameAsInput
            onTriggered: face.vm.sameAsInput = true
        }
        MenuRule {
            visible: face.vm.hasOutputDirectory
        }
        MenuEntry {
            objectName: "folderItem"
            visible: face.vm.hasOutputDirectory
            text: face.vm.outputDirectoryName
            marked: !face.vm.sameAsInput
            onTriggered: face.vm.sameAsInput = false
        }
        MenuRule {}
        MenuEntry {
            objectName: "chooseFolderItem"
            text: qsTr("Choose folder…")
            onTriggered: face.vm.chooseOutputFolder()
        }
    }
}
