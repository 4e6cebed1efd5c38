import QtQuick
import Kestrune

// A text of the window. Always plain: names, paths and ffmpeg's words are shown as they are,
// never read as markup. Plain texts are invisible to assistive technologies unless they say what
// they are, so every one declares itself static text named by its content.
Text {
    color: WindowStyle.secondaryText
    font.pointSize: WindowStyle.defaultPointSize
    textFormat: Text.PlainText
    Accessible.role: Accessible.StaticText
    Accessible.name: text
}
