import QtQuick
import Kestrune

// Shown around the control that has keyboard focus.
Rectangle {
    anchors.fill: parent
    anchors.margins: -Units.focusRingOffset
    color: "transparent"
    border.width: Units.focusRingWidth
    border.color: Qt.rgba(ThemeManager.accentColor.r, ThemeManager.accentColor.g, ThemeManager.accentColor.b, 0.7)
}
