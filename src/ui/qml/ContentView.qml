import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import QtQuick.Templates as T
import Kestrune

// The whole content of the window: the file box and the destination, the format row with
// Convert, the options row with the running counts, then the progress bar, the summary banner,
// a model message and the ffmpeg warning when they apply. Everything is read from `vm`.
Item {
    id: root

    required property RemuxViewModel vm
    readonly property bool ffmpegAvailable: root.vm.ffmpegAvailable
    readonly property bool canConvert: root.vm.files.count > 0 && !root.vm.isConverting && ffmpegAvailable
    // Handles for tests and tools.
    readonly property alias filesArea: filesArea
    readonly property alias convertButton: convertButton

    implicitWidth: 620
    implicitHeight: 540

    Rectangle {
        anchors.fill: parent
        color: WindowStyle.windowBackground
    }

    // A control that takes keyboard focus is scrolled into view, so Tab never lands out of sight.
    readonly property Item focusItem: Window.activeFocusItem
    onFocusItemChanged: revealFocus()

    function revealFocus() {
        let item = focusItem
        while (item && item !== page)
            item = item.parent
        if (!item)
            return
        const margin = 8
        const top = focusItem.mapToItem(page, 0, 0).y - margin
        const bottom = top + focusItem.height + 2 * margin
        if (top < scroller.contentY)
            scroller.contentY = Math.max(0, top)
        else if (bottom > scroller.contentY + scroller.height)
            scroller.contentY = Math.min(scroller.contentHeight - scroller.height, bottom - scroller.height)
    }

    // The list grows with the queue; when it outgrows the window the content scrolls so that
    // Convert stays reachable.
    Flickable {
        id: scroller
        objectName: "scroller"
        anchors.fill: parent
        contentWidth: width
        contentHeight: page.height
        boundsBehavior: Flickable.StopAtBounds
        clip: true

        ScrollBar.vertical: ScrollBar {
            policy: scroller.contentHeight > scroller.height ? ScrollBar.AsNeeded : ScrollBar.AlwaysOff
        }

        Column {
            id: page
            // Between 540 and 640 wide, centred when the window is wider.
            width: Math.max(540, Math.min(640, scroller.width))
            x: Math.max(0, (scroller.width - width) / 2)
            spacing: 0

            Item {
                width: 1
                height: 4
            }
            Rectangle {
                width: parent.width
                height: 1
                color: WindowStyle.separator
            }

            Column {
                id: body
                width: parent.width
                leftPadding: 24
                rightPadding: 24
                topPadding: 8
                bottomPadding: 16
                spacing: 14

                readonly property real innerWidth: width - leftPadding - rightPadding

                GridLayout {
                    width: body.innerWidth
                    columns: 2
                    columnSpacing: 12
                    rowSpacing: 12

                    WindowText {
                        text: qsTr("Files to convert:")
                        topPadding: 6
                        Layout.alignment: Qt.AlignRight | Qt.AlignTop
                    }
                    FilesArea {
                        id: filesArea
                        objectName: "filesArea"
                        vm: root.vm
                        viewport: scroller
                        onFocusedRowMoved: root.revealFocus()
                        Layout.fillWidth: true
                        Layout.alignment: Qt.AlignTop
                    }
                    WindowText {
                        text: qsTr("Output to:")
                        topPadding: 6
                        Layout.alignment: Qt.AlignRight | Qt.AlignTop
                    }
                    OutputDestinationMenu {
                        id: destinationMenu
                        objectName: "destinationMenu"
                        vm: root.vm
                        Layout.fillWidth: true
                        Layout.alignment: Qt.AlignLeft | Qt.AlignTop
                    }
                }

                Rectangle {
                    width: body.innerWidth
                    height: 1
                    color: WindowStyle.separator
                }

                RowLayout {
                    objectName: "formatRow"
                    width: body.innerWidth
                    spacing: 8

                    WindowText {
                        text: qsTr("Convert to")
                    }
                    // This Qt's linter cannot follow ids of the file into a delegate.
                    // qmllint disable unqualified
                    // One radio group: only the chosen format is a Tab stop, and the arrow keys
                    // move the choice, round at the ends.
                    Repeater {
                        id: formats
                        model: root.vm.formatChoices
                        delegate: ToolbarButton {
                            required property int index
                            required property var modelData
                            objectName: "format_" + modelData.id
                            text: modelData.displayName
                            isOn: root.vm.outputFormat === modelData.id
                            enabled: !root.vm.isConverting
                            focusPolicy: isOn ? Qt.StrongFocus : Qt.ClickFocus
                            onClicked: root.vm.outputFormat = modelData.id
                            Keys.onLeftPressed: root.stepFormat(index, -1)
                            Keys.onUpPressed: root.stepFormat(index, -1)
                            Keys.onRightPressed: root.stepFormat(index, 1)
                            Keys.onDownPressed: root.stepFormat(index, 1)
                        }
                    }
                    // qmllint enable unqualified
                    Item {
                        Layout.fillWidth: true
                        Layout.minimumWidth: 0
                    }
                    ConvertButton {
                        id: convertButton
                        objectName: "convertButton"
                        text: root.vm.isConverting ? qsTr("Converting…") : qsTr("Convert")
                        enabled: root.canConvert
                        onClicked: root.vm.startConvert()
                    }
                }

                RowLayout {
                    objectName: "optionsRow"
                    width: body.innerWidth
                    spacing: 12

                    KeepOriginalCheckBox {}
                    Item {
                        Layout.fillWidth: true
                    }
                    Row {
                        id: counts
                        objectName: "counts"
                        visible: !root.vm.isBatchFinished && root.vm.files.count > 0
                        spacing: 12

                        WindowText {
                            objectName: "doneCount"
                            visible: root.vm.doneCount > 0
                            text: qsTr("%n done", "", root.vm.doneCount)
                            color: WindowStyle.green
                            font.pointSize: WindowStyle.captionPointSize
                            font.family: WindowStyle.digitsFamily
                        }
                        WindowText {
                            objectName: "failedCount"
                            visible: root.vm.failedCount > 0
                            text: qsTr("%n failed", "", root.vm.failedCount)
                            color: WindowStyle.red
                            font.pointSize: WindowStyle.captionPointSize
                            font.family: WindowStyle.digitsFamily
                        }
                    }
                }

                // The batch's progress, with Stop beside it while the batch runs.
                RowLayout {
                    width: body.innerWidth
                    spacing: 12
                    visible: root.vm.isConverting || root.vm.overallProgress > 0

                    LinearProgress {
                        objectName: "progressBar"
                        Layout.fillWidth: true
                        value: root.vm.overallProgress
                    }
                    BorderedButton {
                        id: stopButton
                        objectName: "stopButton"
                        visible: root.vm.isConverting
                        text: qsTr("Stop")
                        onClicked: root.vm.stop()
                    }
                }

                // Fades in while sliding down from the top edge, and out the same way.
                Item {
                    id: bannerSlot
                    objectName: "bannerSlot"
                    readonly property bool shown: root.vm.isBatchFinished
                    property real presence: shown ? 1 : 0
                    Behavior on presence {
                        NumberAnimation {
                            duration: 350
                            easing.type: Easing.InOutQuad
                        }
                    }
                    visible: shown || presence > 0
                    width: body.innerWidth
                    height: banner.implicitHeight

                    BatchSummaryBanner {
                        id: banner
                        objectName: "banner"
                        vm: root.vm
                        width: parent.width
                        height: implicitHeight
                        y: -(1 - bannerSlot.presence) * height
                        opacity: bannerSlot.presence
                    }
                }

                WindowText {
                    objectName: "errorText"
                    visible: root.vm.hasErrorMessage
                    width: body.innerWidth
                    text: root.vm.errorMessage
                    color: WindowStyle.red
                    font.pointSize: WindowStyle.captionPointSize
                    wrapMode: Text.Wrap
                }

                Row {
                    objectName: "ffmpegWarning"
                    visible: !root.ffmpegAvailable
                    spacing: 5

                    SymbolIcon {
                        name: "exclamationmark.triangle"
                        color: WindowStyle.orange
                        width: 14
                        height: 14
                        anchors.verticalCenter: parent.verticalCenter
                    }
                    WindowText {
                        text: qsTr("ffmpeg not found: install the ffmpeg package")
                        color: WindowStyle.orange
                        font.pointSize: WindowStyle.captionPointSize
                        anchors.verticalCenter: parent.verticalCenter
                    }
                }
            }
        }
    }

    function stepFormat(from, step) {
        const next = formats.itemAt((from + step + formats.count) % formats.count) as ToolbarButton
        // Focus first: the button losing the choice stops being a Tab stop, which Qt refuses
        // while it has focus.
        next.forceActiveFocus(Qt.TabFocusReason)
        next.clicked()
    }

    // Return presses the focused button, as everywhere on the desktop; anywhere else it is
    // Convert. Keys reach here only when the focused item left them unhandled.
    focus: true
    Component.onCompleted: forceActiveFocus()
    function pressReturn(event) {
        const focused = Window.activeFocusItem
        if (focused instanceof T.AbstractButton && focused !== root && focused.enabled)
            focused.clicked()
        else if (root.canConvert)
            convertButton.clicked()
        else
            event.accepted = false
    }
    Keys.onReturnPressed: event => pressReturn(event)
    Keys.onEnterPressed: event => pressReturn(event)
    // Escape stops a running batch.
    Shortcut {
        sequence: "Escape"
        enabled: root.vm.isConverting
        onActivated: stopButton.clicked()
    }
}
