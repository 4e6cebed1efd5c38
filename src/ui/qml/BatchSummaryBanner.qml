import QtQuick
import QtQuick.Layouts
import Kestrune

// The result of a finished batch in one line, tinted by its worst outcome, with a "Clear" link
// that removes the finished entries.
Item {
    id: banner

    required property RemuxViewModel vm
    readonly property int converted: banner.vm.batch.doneCount
    readonly property int dropped: banner.vm.batch.droppedTrackCount
    readonly property int warned: banner.vm.batch.warningCount
    readonly property int failed: banner.vm.batch.failedCount
    // A join's parts end together: one file was made of them, or none.
    readonly property bool joined: banner.vm.join.on && converted + failed > 0
    readonly property string summary: !joined ? ViewText.summaryText(converted, dropped, failed, warned)
                                      : converted > 0 ? qsTr("One file made from %n parts", "", converted) : qsTr("Not joined")
    readonly property int tone: ViewText.summaryTone(dropped, failed, warned)
    readonly property color toneColor: tone === ViewText.Failure ? WindowStyle.red : tone === ViewText.Warning ? WindowStyle.orange : WindowStyle.green

    implicitHeight: layout.implicitHeight + 16

    // An alert is read out as it appears, so a screen reader tells when a batch is over.
    Accessible.role: Accessible.AlertMessage
    Accessible.name: summary

    Rectangle {
        objectName: "fill"
        anchors.fill: parent
        radius: Units.boxRadius
        color: Qt.rgba(banner.toneColor.r, banner.toneColor.g, banner.toneColor.b, 0.14)
    }
    // Stroked centred on the edge.
    Rectangle {
        objectName: "outline"
        anchors.fill: parent
        anchors.margins: -0.5
        radius: Units.boxRadius + 0.5
        color: "transparent"
        border.width: Units.hairline
        border.color: Qt.rgba(banner.toneColor.r, banner.toneColor.g, banner.toneColor.b, 0.35)
    }

    RowLayout {
        id: layout
        anchors.fill: parent
        anchors.leftMargin: Units.gridSpacing
        anchors.rightMargin: Units.gridSpacing
        anchors.topMargin: Units.largeSpacing
        anchors.bottomMargin: Units.largeSpacing
        spacing: Units.largeSpacing

        SymbolIcon {
            objectName: "icon"
            name: ViewText.summarySymbol(banner.dropped, banner.failed, banner.warned)
            color: banner.toneColor
            Layout.preferredWidth: Units.icon
            Layout.preferredHeight: Units.icon
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
            enabled: !banner.vm.batch.isConverting
            Layout.alignment: Qt.AlignVCenter
            onClicked: banner.vm.batch.clearFinished()
        }
    }
}
