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
            return qsTr("Kestrune is up to date");
        case UpdaterController.UpdateAvailable:
            return qsTr("A new version of Kestrune is available");
        case UpdaterController.Failed:
            return qsTr("Kestrune could not check for updates");
        default:
            return qsTr("Checking for Updates…");
        }
    }

    ColumnLayout {
        anchors.left: parent.left
        anchors.right: parent.right
        spacing: Units.rowSpacing

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
                    return qsTr("Kestrune %1 is the newest version.").arg(dialog.updater.currentVersion);
                case UpdaterController.UpdateAvailable:
                    return qsTr("Kestrune %1 is available; you have %2.").arg(dialog.updater.latestVersion, dialog.updater.currentVersion);
                case UpdaterController.Failed:
                    return dialog.updater.errorText;
                default:
                    return qsTr("Looking for a newer version…");
                }
            }
        }
        LinkButton {
            objectName: "releaseNotes"
            visible: dialog.state === UpdaterController.UpdateAvailable && String(dialog.updater.releaseNotesUrl) !== ""
            text: qsTr("Release notes")
            onClicked: Qt.openUrlExternally(dialog.updater.releaseNotesUrl)
        }
    }
}
