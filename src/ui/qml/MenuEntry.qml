import QtQuick
import QtQuick.Templates as T
import Kestrune

// An entry of the window's menus: accent-filled while it is the current one, a check mark while
// `marked`, and read out as a checkable menu item.
T.MenuItem {
    id: item

    property bool marked: false
    readonly property color textColor: highlighted ? WindowStyle.text : WindowStyle.labelText

    background: Rectangle {
        radius: Units.radius
        color: item.highlighted ? ThemeManager.accentColor : "transparent"
    }

    Accessible.role: Accessible.MenuItem
    Accessible.name: text
    Accessible.checkable: checkable || marked
    Accessible.checked: marked
    Accessible.onPressAction: triggered()
}
