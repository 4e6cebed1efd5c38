import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Kestrune

// Follows one update check: a spinner while it runs, then its outcome.
Dialog {
    id: dialog

    required property UpdaterController updater
    readonly property int state: updater.checkState

    objectName: "updateDialog"
    modal: true
    anchors.centerIn: parent
    width: Math.min(420, (parent ? parent.width : 420) - 40)
    standardButtons: Dialog.Close
    title: {
        switch (state) {
        case UpdaterController.UpToDate:
            return "Kestrune is up to date";
        case UpdaterController.UpdateAvailable:
            return "A new version of Kestrune is available";
        case UpdaterController.Failed:
            return "Kestrune could not check for updates";
        default:
            return "Checking for Updates…";
        }
    }

    ColumnLayout {
        anchors.left: parent.left
        anchors.right: parent.right
        spacing: 10

        BusyIndicator {
            Layout.alignment: Qt.AlignHCenter
            visible: dialog.state === UpdaterController.Checking
            running: visible
        }
        // Versions and errors come from the feed and the network: plain text only, so markup in
        // them can neither style the dialog nor make it fetch anything.
        Label {
            objectName: "updateMessage"
            Layout.fillWidth: true
            wrapMode: Text.Wrap
            textFormat: Text.PlainText
            text: {
                switch (dialog.state) {
                case UpdaterController.UpToDate:
                    return "Kestrune " + dialog.updater.currentVersion + " is the newest version.";
                case UpdaterController.UpdateAvailable:
                    return "Kestrune " + dialog.updater.latestVersion + " is available; you have " + dialog.updater.currentVersion + ".";
                case UpdaterController.Failed:
                    return dialog.updater.errorText;
                default:
                    return "Looking for a newer version…";
                }
            }
        }
        LinkButton {
            objectName: "releaseNotes"
            visible: dialog.state === UpdaterController.UpdateAvailable && String(dialog.updater.releaseNotesUrl) !== ""
            text: "Release notes"
            onClicked: Qt.openUrlExternally(dialog.updater.releaseNotesUrl)
        }
    }
}
