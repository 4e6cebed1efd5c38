import QtQuick
import QtQuick.Shapes
import QtQuick.Templates as T
import Kestrune

// The toggle of a disclosure group: a chevron that turns down when open, and its label.
T.AbstractButton {
    id: header

    property bool expanded: false
    property color tint: WindowStyle.secondaryText

    implicitWidth: chevron.width + 6 + label.implicitWidth
    implicitHeight: Math.max(chevron.height, label.implicitHeight)
    padding: 0
    focusPolicy: Qt.StrongFocus

    // Children, not the content item, so the linter can see their ids.
    Shape {
        id: chevron
        width: 10
        height: 10
        anchors.verticalCenter: parent.verticalCenter
        rotation: header.expanded ? 90 : 0
        antialiasing: true
        Behavior on rotation {
            NumberAnimation {
                duration: 150
            }
        }
        ShapePath {
            fillColor: "transparent"
            strokeColor: header.tint
            strokeWidth: 1.6
            capStyle: ShapePath.RoundCap
            joinStyle: ShapePath.RoundJoin
            startX: 3.5
            startY: 1.5
            PathLine { x: 7; y: 5 }
            PathLine { x: 3.5; y: 8.5 }
        }
    }
    WindowText {
        id: label
        objectName: "label"
        x: chevron.width + 6
        anchors.verticalCenter: parent.verticalCenter
        text: header.text
        font.pointSize: WindowStyle.captionPointSize
        color: header.tint
    }
    background: FocusRing {
        visible: header.visualFocus
        radius: 3
    }

    Accessible.role: Accessible.Button
    Accessible.name: text
    Accessible.description: expanded ? qsTr("expanded") : qsTr("collapsed")
    Accessible.onPressAction: clicked()
}
