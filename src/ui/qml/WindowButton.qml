import QtQuick
import QtQuick.Templates as T
import Kestrune

// The base of the window's buttons: a Tab stop with the focus ring around it, named for assistive
// technologies by its text and pressed by them like a click. A button only draws its face.
T.AbstractButton {
    id: button

    // The ring follows the face's corners, a little wider as it stands outside them.
    property real focusRadius: Units.smallRadius

    focusPolicy: Qt.StrongFocus

    FocusRing {
        visible: button.visualFocus
        radius: button.focusRadius
    }

    Accessible.role: Accessible.Button
    Accessible.name: text
    Accessible.onPressAction: if (enabled)
        clicked()
}
