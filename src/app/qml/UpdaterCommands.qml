import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Kestrune

// The application menu "Kestrune": About, then "Check for Updates…" right after it, then the
// "Keep File Dates" switch, then Quit. The update command is greyed out whenever the updater
// says it cannot check.
Menu {
    id: commands

    required property UpdaterController updater
    required property RemuxViewModel model

    signal aboutRequested()
    signal updateCheckStarted()

    objectName: "applicationMenu"
    title: "Kestrune"

    delegate: MenuItem {
        id: menuItem

        implicitHeight: 30
        // Room on the left for the check mark of a switch, so every command's text lines up.
        leftPadding: 24
        rightPadding: 12

        indicator: WindowText {
            x: 8
            y: (menuItem.height - height) / 2
            text: menuItem.checked ? "\u2713" : ""
            color: menuItem.highlighted ? WindowStyle.text : WindowStyle.labelText
        }

        contentItem: RowLayout {
            spacing: 24
            opacity: menuItem.enabled ? 1 : 0.35

            WindowText {
                Layout.fillWidth: true
                text: menuItem.text
                color: menuItem.highlighted ? WindowStyle.text : WindowStyle.labelText
            }
            WindowText {
                text: menuItem.action?.shortcutText ?? ""
                color: menuItem.highlighted ? WindowStyle.text : WindowStyle.secondaryText
            }
        }
        background: Rectangle {
            radius: 4
            color: menuItem.highlighted ? ThemeManager.accentColor : "transparent"
        }
    }
    background: Rectangle {
        implicitWidth: 220
        radius: 6
        color: WindowStyle.menuBackground
        border.width: 1
        border.color: WindowStyle.controlBorder
    }

    Action {
        objectName: "aboutAction"
        text: qsTr("About Kestrune")
        onTriggered: commands.aboutRequested()
    }
    Action {
        objectName: "checkForUpdatesAction"
        text: qsTr("Check for Updates…")
        enabled: commands.updater.canCheckForUpdates
        onTriggered: {
            commands.updater.checkForUpdates();
            commands.updateCheckStarted();
        }
    }
    MenuSeparator {
        contentItem: Rectangle {
            implicitHeight: 1
            color: WindowStyle.separator
        }
    }
    Action {
        objectName: "keepFileDatesAction"
        text: qsTr("Keep File Dates")
        checkable: true
        checked: commands.model.keepFileDates
        onToggled: commands.model.keepFileDates = checked
    }
    MenuSeparator {
        contentItem: Rectangle {
            implicitHeight: 1
            color: WindowStyle.separator
        }
    }
    Action {
        property string shortcutText: "Ctrl+Q"

        objectName: "quitAction"
        text: qsTr("Quit Kestrune")
        shortcut: "Ctrl+Q"
        onTriggered: Qt.quit()
    }
}
