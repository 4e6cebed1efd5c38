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

    signal aboutRequested
    signal updateCheckStarted

    objectName: "applicationMenu"
    title: "Kestrune"

    component CommandRule: MenuRule {
        implicitWidth: implicitContentWidth + leftPadding + rightPadding
        leftPadding: Units.tinySpacing
        rightPadding: Units.tinySpacing
        topPadding: Units.mediumSpacing
        bottomPadding: Units.mediumSpacing
    }

    delegate: MenuEntry {
        id: menuItem

        implicitWidth: implicitContentWidth + leftPadding + rightPadding
        implicitHeight: 30
        padding: Units.mediumSpacing
        // Room on the left for the check mark of a switch, so every command's text lines up.
        leftPadding: Units.pageMargin
        rightPadding: Units.gridSpacing
        marked: checked

        indicator: WindowText {
            x: Units.largeSpacing
            y: (menuItem.height - height) / 2
            text: menuItem.checked ? "\u2713" : ""
            color: menuItem.textColor
        }

        contentItem: RowLayout {
            spacing: Units.pageMargin
            opacity: menuItem.enabled ? 1 : 0.35

            WindowText {
                Layout.fillWidth: true
                text: menuItem.text
                color: menuItem.textColor
            }
            WindowText {
                text: menuItem.action?.shortcutText ?? ""
                color: menuItem.highlighted ? WindowStyle.text : WindowStyle.secondaryText
            }
        }
    }
    background: Rectangle {
        implicitWidth: 220
        radius: Units.boxRadius
        color: WindowStyle.menuBackground
        border.width: Units.hairline
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
    CommandRule {
    }
    Action {
        objectName: "keepFileDatesAction"
        text: qsTr("Keep File Dates")
        checkable: true
        checked: commands.model.destination.keepFileDates
        onToggled: commands.model.destination.keepFileDates = checked
    }
    CommandRule {
    }
    Action {
        property string shortcutText: "Ctrl+Q"

        objectName: "quitAction"
        text: qsTr("Quit Kestrune")
        shortcut: "Ctrl+Q"
        onTriggered: Qt.quit()
    }
}
