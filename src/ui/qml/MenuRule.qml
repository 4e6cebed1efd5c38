import QtQuick
import QtQuick.Templates as T
import Kestrune

// A separator line between groups of menu entries.
T.MenuSeparator {
    implicitWidth: Units.menuWidth
    implicitHeight: visible ? implicitContentHeight + topPadding + bottomPadding : 0
    padding: 0
    topPadding: Units.smallSpacing
    bottomPadding: Units.smallSpacing

    contentItem: Rectangle {
        implicitHeight: Units.hairline
        color: WindowStyle.separator
    }
}
