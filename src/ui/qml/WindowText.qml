import QtQuick
import Kestrune

// A text of the window. Plain texts are invisible to assistive technologies unless they say what
// they are, so every one declares itself static text named by its content.
Text {
    color: WindowStyle.secondaryText
    font.pointSize: WindowStyle.defaultPointSize
    Accessible.role: Accessible.StaticText
    Accessible.name: text
}
