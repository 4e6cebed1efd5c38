import QtQuick
import QtQuick.Layouts
import Kestrune

// The result of a finished batch in one line, tinted by its worst outcome, with a "Clear" link
// that removes the finished entries.
Item {
    id: banner

    required property RemuxViewModel vm
    readonly property int converted: banner.vm.doneCount
    readonly property int dropped: banner.vm.droppedTrackCount
    readonly property int warned: banner.vm.warningCount
    readonly property int failed: banner.vm.failedCount
    readonly property string summary: ViewText.summaryText(converted, dropped, failed, warned)
    readonly property int tone: ViewText.summaryTone(dropped, failed, warned)
    readonly property color toneColor: tone === ViewText.Failure ? WindowStyle.red : tone === ViewText.Warning ? WindowStyle.orange : WindowStyle.green

    implicitHeight: layout.implicitHeight + 16

    Accessible.role: Accessible.StatusBar
    Accessible.name: summary

    Rectangle {
        objectName: "fill"
        anchors.fill: parent
        radius: 6
        color: Qt.rgba(banner.toneColor.r, banner.toneColor.g, banner.toneColor.b, 0.14)
    }
    // Stroked centred on the edge.
    Rectangle {
        objectName: "outline"
        anchors.fill: parent
        anchors.margins: -0.5
        radius: 6.5
        color: "transparent"
        border.width: 1
        border.color: Qt.rgba(banner.toneColor.r, banner.toneColor.g, banner.toneColor.b, 0.35)
    }

    RowLayout {
        id: layout
        anchors.fill: parent
        anchors.leftMargin: 12
        anchors.rightMargin: 12
        anchors.topMargin: 8
        anchors.bottomMargin: 8
        spacing: 8

        SymbolIcon {
            objectName: "icon"
            name: ViewText.summarySymbol(banner.dropped, banner.failed, banner.warned)
            color: banner.toneColor
            Layout.preferredWidth: 16
            Layout.preferredHeight: 16
            Layout.alignment: Qt.AlignVCenter
        }
        WindowText {
            objectName: "summaryText"
            text: banner.summary
            color: WindowStyle.text
            font.pointSize: WindowStyle.calloutPointSize
            wrapMode: Text.Wrap
            Layout.fillWidth: true
            Layout.alignment: Qt.AlignVCenter
        }
        LinkButton {
            objectName: "clearButton"
            text: qsTr("Clear")
            enabled: !banner.vm.isConverting
            Layout.alignment: Qt.AlignVCenter
            onClicked: banner.vm.clearFinished()
        }
    }
}
