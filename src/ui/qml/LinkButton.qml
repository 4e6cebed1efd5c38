import QtQuick
import Kestrune

// A text-only button in the link colour, no bezel.
WindowButton {
    id: link

    property real pointSize: WindowStyle.defaultPointSize

    implicitWidth: implicitContentWidth
    implicitHeight: implicitContentHeight
    padding: 0
    hoverEnabled: true

    contentItem: Text {
        text: link.text
        textFormat: Text.PlainText
        font.pointSize: link.pointSize
        color: link.enabled ? WindowStyle.link : WindowStyle.disabledText
        opacity: link.down ? 0.6 : 1.0
    }

    HoverHandler {
        cursorShape: link.enabled ? Qt.PointingHandCursor : Qt.ArrowCursor
    }

    Accessible.role: Accessible.Link
}
