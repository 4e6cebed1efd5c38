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
    readonly property bool ffmpegAvailable: root.vm.batch.ffmpegAvailable
    // A join waits for its parts' check.
    readonly property bool canConvert: root.vm.files.count > 0 && !root.vm.batch.isConverting && ffmpegAvailable && (!root.vm.join.on || root.vm.join.ready)
    // Handles for tests and tools.
    readonly property alias filesArea: filesArea
    readonly property alias convertButton: formatRow.convertButton
    readonly property alias trackRuleRow: trackRuleRow

    implicitWidth: Units.windowWidth
    implicitHeight: Units.windowHeight

    Rectangle {
        anchors.fill: parent
        color: WindowStyle.windowBackground
    }

    // A control that takes keyboard focus is scrolled into view, so Tab never lands out of sight.
    readonly property Item focusItem: Window.activeFocusItem
    onFocusItemChanged: revealFocus()

    function revealFocus() {
        let item = focusItem;
        while (item && item !== page)
            item = item.parent;
        if (!item)
            return;
        const margin = 8;
        const top = focusItem.mapToItem(page, 0, 0).y - margin;
        const bottom = top + focusItem.height + 2 * margin;
        if (top < scroller.contentY)
            scroller.contentY = Math.max(0, top);
        else if (bottom > scroller.contentY + scroller.height)
            scroller.contentY = Math.min(scroller.contentHeight - scroller.height, bottom - scroller.height);
    }

    // The file box's list scrolls itself, so the controls below it stay in view; the page as a
    // whole scrolls only in a window too low for those controls.
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
            width: Math.max(Units.minimumContentWidth, Math.min(Units.maximumContentWidth, scroller.width))
            x: Math.max(0, (scroller.width - width) / 2)
            spacing: 0

            Item {
                width: Units.hairline
                height: 4
            }
            Rectangle {
                id: topRule
                width: parent.width
                height: Units.hairline
                color: WindowStyle.separator
            }

            Column {
                id: body
                width: parent.width
                leftPadding: Units.pageMargin
                rightPadding: Units.pageMargin
                topPadding: Units.largeSpacing
                bottomPadding: Units.wideSpacing
                spacing: Units.gridSpacing

                readonly property real innerWidth: width - leftPadding - rightPadding
                readonly property real labelWidth: Math.max(filesLabel.implicitWidth, outputLabel.implicitWidth)
                // The height the window leaves the file box once the rest has its own.
                readonly property real filesRoom: scroller.height - topRule.y - topRule.height - topPadding - spacing - lower.height - bottomPadding

                RowLayout {
                    width: body.innerWidth
                    spacing: Units.gridSpacing

                    WindowText {
                        id: filesLabel
                        text: qsTr("Files to convert:")
                        topPadding: Units.mediumSpacing
                        horizontalAlignment: Text.AlignRight
                        Layout.preferredWidth: body.labelWidth
                        Layout.alignment: Qt.AlignTop
                    }
                    FilesArea {
                        id: filesArea
                        objectName: "filesArea"
                        vm: root.vm
                        Layout.fillWidth: true
                        Layout.preferredHeight: Math.max(minimumHeight, Math.min(implicitHeight, body.filesRoom))
                        Layout.alignment: Qt.AlignTop
                    }
                }

                // Everything below the file box keeps its height; the box gets what is left.
                Column {
                    id: lower
                    width: body.innerWidth
                    spacing: Units.sectionSpacing

                    RowLayout {
                        width: body.innerWidth
                        spacing: Units.gridSpacing

                        WindowText {
                            id: outputLabel
                            text: qsTr("Output to:")
                            topPadding: Units.mediumSpacing
                            horizontalAlignment: Text.AlignRight
                            Layout.preferredWidth: body.labelWidth
                            Layout.alignment: Qt.AlignTop
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
                        height: Units.hairline
                        color: WindowStyle.separator
                    }

                    FormatRow {
                        id: formatRow
                        objectName: "formatRow"
                        width: body.innerWidth
                        vm: root.vm
                        canConvert: root.canConvert
                    }

                    TrackRuleRow {
                        id: trackRuleRow
                        objectName: "trackRuleRow"
                        width: body.innerWidth
                        vm: root.vm
                    }

                    RowLayout {
                        objectName: "optionsRow"
                        width: body.innerWidth
                        spacing: Units.gridSpacing

                        KeepOriginalCheckBox {
                        }
                        JoinCheckBox {
                            vm: root.vm
                            Layout.leftMargin: Units.largeSpacing
                        }
                        Item {
                            Layout.fillWidth: true
                        }
                        Row {
                            id: counts
                            objectName: "counts"
                            visible: !root.vm.batch.isBatchFinished && root.vm.files.count > 0
                            spacing: Units.gridSpacing

                            WindowText {
                                objectName: "doneCount"
                                visible: root.vm.batch.doneCount > 0
                                text: qsTr("%n done", "", root.vm.batch.doneCount)
                                color: WindowStyle.green
                                font.pointSize: WindowStyle.captionPointSize
                                font.family: WindowStyle.digitsFamily
                            }
                            WindowText {
                                objectName: "failedCount"
                                visible: root.vm.batch.failedCount > 0
                                text: qsTr("%n failed", "", root.vm.batch.failedCount)
                                color: WindowStyle.red
                                font.pointSize: WindowStyle.captionPointSize
                                font.family: WindowStyle.digitsFamily
                            }
                        }
                    }

                    BatchStatus {
                        id: batchStatus
                        width: body.innerWidth
                        spacing: lower.spacing
                        vm: root.vm
                    }
                }
            }
        }
    }

    // Return presses the focused button, as everywhere on the desktop; anywhere else it is
    // Convert. Keys reach here only when the focused item left them unhandled.
    focus: true
    Component.onCompleted: forceActiveFocus()
    function pressReturn(event) {
        const focused = Window.activeFocusItem;
        if (focused instanceof T.AbstractButton && focused !== root && focused.enabled)
            focused.clicked();
        else if (root.canConvert)
            formatRow.convertButton.clicked();
        else
            event.accepted = false;
    }
    Keys.onReturnPressed: event => pressReturn(event)
    Keys.onEnterPressed: event => pressReturn(event)
    // Escape stops a running batch.
    Shortcut {
        sequence: "Escape"
        enabled: root.vm.batch.isConverting
        onActivated: batchStatus.stopButton.clicked()
    }
}
