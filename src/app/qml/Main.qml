import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Kestrune

// The one window: the in-window menu bar with the application menu, and the main view below.
ApplicationWindow {
    id: window

    required property UpdaterController updater
    required property AboutInfo about

    objectName: "main"
    title: "Kestrune"
    width: 620
    height: 540
    // The main view's own width limits; its height is unconstrained.
    minimumWidth: 540
    maximumWidth: 640
    visible: true
    color: Qt.rgba(0.1, 0.1, 0.1, 1)

    // Always dark, whatever the desktop's colour scheme.
    palette {
        window: Qt.rgba(0.1, 0.1, 0.1, 1)
        windowText: "white"
        base: Qt.rgba(0.15, 0.15, 0.15, 1)
        alternateBase: Qt.rgba(0.18, 0.18, 0.18, 1)
        text: "white"
        button: Qt.rgba(0.2, 0.2, 0.2, 1)
        buttonText: "white"
        brightText: "white"
        highlight: "#2f65ca"
        highlightedText: "white"
        light: Qt.rgba(0.32, 0.32, 0.32, 1)
        midlight: Qt.rgba(0.26, 0.26, 0.26, 1)
        mid: Qt.rgba(0.22, 0.22, 0.22, 1)
        dark: Qt.rgba(0.06, 0.06, 0.06, 1)
        shadow: "black"
        link: "#6ea8ff"
        placeholderText: Qt.rgba(1, 1, 1, 0.4)
        toolTipBase: Qt.rgba(0.2, 0.2, 0.2, 1)
        toolTipText: "white"
    }

    menuBar: MenuBar {
        objectName: "menuBar"

        background: Rectangle {
            implicitHeight: 26
            color: Qt.rgba(0.14, 0.14, 0.14, 1)

            Rectangle {
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.bottom: parent.bottom
                height: 1
                color: Qt.rgba(1, 1, 1, 0.65 * 0.2)
            }
        }

        delegate: MenuBarItem {
            id: menuBarItem

            topPadding: 4
            bottomPadding: 4
            leftPadding: 10
            rightPadding: 10
            contentItem: Label {
                text: menuBarItem.text
                color: window.palette.windowText
            }
            background: Rectangle {
                color: menuBarItem.highlighted ? window.palette.highlight : "transparent"
                radius: 4
            }
        }

        Menu {
            id: applicationMenu

            objectName: "applicationMenu"
            title: "Kestrune"

            delegate: MenuItem {
                id: menuItem

                implicitHeight: 30
                leftPadding: 12
                rightPadding: 12

                contentItem: RowLayout {
                    spacing: 24
                    opacity: menuItem.enabled ? 1 : 0.35

                    Label {
                        Layout.fillWidth: true
                        text: menuItem.text
                        color: menuItem.highlighted ? window.palette.highlightedText : window.palette.windowText
                    }
                    Label {
                        text: menuItem.action?.shortcutText ?? ""
                        color: menuItem.highlighted ? window.palette.highlightedText : window.palette.windowText
                        opacity: 0.65
                    }
                }
            }

            Action {
                objectName: "aboutAction"
                text: "About Kestrune"
                onTriggered: aboutDialog.open()
            }
            Action {
                objectName: "checkForUpdatesAction"
                text: "Check for Updates…"
                enabled: window.updater.canCheckForUpdates
                onTriggered: {
                    window.updater.checkForUpdates();
                    updateDialog.open();
                }
            }
            MenuSeparator {}
            Action {
                property string shortcutText: "Ctrl+Q"

                objectName: "quitAction"
                text: "Quit Kestrune"
                shortcut: "Ctrl+Q"
                onTriggered: Qt.quit()
            }
        }
    }

    ContentView {
        anchors.fill: parent
    }

    AboutDialog {
        id: aboutDialog

        about: window.about
    }

    UpdateDialog {
        id: updateDialog

        updater: window.updater
    }
}
