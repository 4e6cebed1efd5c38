import QtQuick
import QtQuick.Layouts
import Kestrune

// Its texts keep the window's translation context, from before it was a file of its own.
// Below the options: the batch's progress with Stop, the summary banner when a batch is over, a
// message of the model and the ffmpeg warning, each shown only when it applies.
Column {
    id: status

    required property RemuxViewModel vm
    readonly property alias stopButton: stopButton

    // Takes no room in the page, not even its spacing, while nothing in it applies.
    // (From the conditions, not the children's visibility, which follows this item's own.)
    visible: status.vm.batch.isConverting || status.vm.batch.overallProgress > 0 || bannerSlot.shown || bannerSlot.presence > 0 || status.vm.batch.hasErrorMessage || !status.vm.batch.ffmpegAvailable

    // The batch's progress, with Stop beside it while the batch runs.
    RowLayout {
        width: status.width
        spacing: Units.gridSpacing
        visible: status.vm.batch.isConverting || status.vm.batch.overallProgress > 0

        LinearProgress {
            objectName: "progressBar"
            Layout.fillWidth: true
            value: status.vm.batch.overallProgress
        }
        BorderedButton {
            id: stopButton
            objectName: "stopButton"
            visible: status.vm.batch.isConverting
            text: qsTranslate("ContentView", "Stop")
            onClicked: status.vm.batch.stop()
        }
    }

    // Fades in while sliding down from the top edge, and out the same way.
    Item {
        id: bannerSlot
        objectName: "bannerSlot"
        readonly property bool shown: status.vm.batch.isBatchFinished
        property real presence: shown ? 1 : 0
        Behavior on presence  {
            NumberAnimation {
                duration: Units.longDuration
                easing.type: Easing.InOutQuad
            }
        }
        visible: shown || presence > 0
        width: status.width
        height: banner.implicitHeight

        BatchSummaryBanner {
            id: banner
            objectName: "banner"
            vm: status.vm
            width: parent.width
            height: implicitHeight
            y: -(1 - bannerSlot.presence) * height
            opacity: bannerSlot.presence
        }
    }

    WindowText {
        objectName: "errorText"
        visible: status.vm.batch.hasErrorMessage
        width: status.width
        text: status.vm.batch.errorMessage
        color: WindowStyle.red
        font.pointSize: WindowStyle.captionPointSize
        wrapMode: Text.Wrap
    }

    Row {
        objectName: "ffmpegWarning"
        visible: !status.vm.batch.ffmpegAvailable
        spacing: Units.iconSpacing

        SymbolIcon {
            name: "exclamationmark.triangle"
            color: WindowStyle.orange
            width: Units.mediumIcon
            height: Units.mediumIcon
            anchors.verticalCenter: parent.verticalCenter
        }
        WindowText {
            text: qsTranslate("ContentView", "ffmpeg not found: install the ffmpeg package")
            color: WindowStyle.orange
            font.pointSize: WindowStyle.captionPointSize
            anchors.verticalCenter: parent.verticalCenter
        }
    }
}
