import QtQuick
import QtQuick.Controls.Basic
import Kestrune

// The one window: the in-window menu bar with the application menu, and the main view below.
ApplicationWindow {
    id: window

    required property UpdaterController updater
    required property AboutInfo about
    // The one model, handed down by the application.
    readonly property RemuxViewModel model: vm // qmllint disable unqualified

    objectName: "main"
    title: "Kestrune"
    width: Units.windowWidth
    height: Units.windowHeight
    // The main view's own width limits, and the least height that keeps its controls in view.
    minimumWidth: Units.minimumContentWidth
    minimumHeight: Units.minimumContentHeight + menuBar.implicitHeight
    maximumWidth: Units.maximumContentWidth
    visible: true
    color: WindowStyle.windowBackground

    // Always dark, whatever the desktop's colour scheme.
    palette {
        window: WindowStyle.windowBackground
        windowText: WindowStyle.text
        base: WindowStyle.boxFill
        alternateBase: WindowStyle.controlBackground
        text: WindowStyle.text
        button: WindowStyle.controlBackground
        buttonText: WindowStyle.text
        brightText: WindowStyle.text
        highlight: ThemeManager.accentColor
        highlightedText: WindowStyle.text
        light: WindowStyle.controlLight
        midlight: WindowStyle.controlMidlight
        mid: WindowStyle.controlMid
        dark: WindowStyle.controlDark
        shadow: WindowStyle.controlDark
        link: WindowStyle.link
        placeholderText: WindowStyle.placeholderText
        toolTipBase: WindowStyle.controlBackground
        toolTipText: WindowStyle.text
    }

    // Opens the application menu from the keyboard, its first entry current, so the arrows and
    // Return work at once.
    function openApplicationMenu() {
        applicationMenu.popup(menuBar.itemAt(0), 0, menuBar.height);
        applicationMenu.currentIndex = 0;
    }

    menuBar: MenuBar {
        id: menuBar

        objectName: "menuBar"

        background: Rectangle {
            implicitHeight: 26
            color: WindowStyle.menuBar

            Rectangle {
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.bottom: parent.bottom
                height: Units.hairline
                color: WindowStyle.separator
            }
        }

        delegate: MenuBarItem {
            id: menuBarItem

            topPadding: Units.smallSpacing
            bottomPadding: Units.smallSpacing
            leftPadding: Units.rowSpacing
            rightPadding: Units.rowSpacing
            contentItem: WindowText {
                text: menuBarItem.text
                color: WindowStyle.text
            }
            background: Rectangle {
                color: menuBarItem.highlighted ? ThemeManager.accentColor : "transparent"
                radius: Units.radius
            }
        }

        UpdaterCommands {
            id: applicationMenu

            updater: window.updater
            model: window.model
            onAboutRequested: window.openDialog(aboutDialog, {
                    "about": window.about
                })
            onUpdateCheckStarted: window.openDialog(updateDialog, {
                    "updater": window.updater
                })
        }
    }

    Shortcut {
        sequence: "F10"
        onActivated: window.openApplicationMenu()
    }

    // Alt pressed and released alone opens the menu too, as desktop menu bars do. Keys the views
    // leave unhandled arrive here.
    Item {
        id: keyRoot

        property bool altAlone: false

        anchors.fill: parent
        focus: true
        Keys.onPressed: event => {
            keyRoot.altAlone = event.key === Qt.Key_Alt;
            event.accepted = false;
        }
        Keys.onReleased: event => {
            if (event.key === Qt.Key_Alt && keyRoot.altAlone)
                window.openApplicationMenu();
            keyRoot.altAlone = false;
            event.accepted = false;
        }

        ContentView {
            anchors.fill: parent
            vm: window.model
        }
    }

    // The dialogs are made when they are asked for and let go when they close, so the first
    // frame does not wait for them (the About dialog renders an SVG).
    function openDialog(component: Component, properties: var) {
        (component.createObject(window.contentItem, properties) as Dialog).open();
    }

    Component {
        id: aboutDialog

        AboutDialog {
            id: dialog

            onClosed: dialog.destroy()
        }
    }

    Component {
        id: updateDialog

        UpdateDialog {
            id: dialog

            onClosed: dialog.destroy()
        }
    }
}
