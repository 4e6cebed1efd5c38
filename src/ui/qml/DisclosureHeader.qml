import QtQuick
import QtQuick.Shapes
import Kestrune

// The toggle of a disclosure group: a chevron that turns down when open, and its label.
WindowButton {
    id: header

    property bool expanded: false
    property color tint: WindowStyle.secondaryText

    implicitWidth: chevron.width + Units.mediumSpacing + label.implicitWidth
    implicitHeight: Math.max(chevron.height, label.implicitHeight)
    padding: 0

    // Children, not the content item, so the linter can see their ids.
    Shape {
        id: chevron
        width: Units.tinyIcon
        height: Units.tinyIcon
        anchors.verticalCenter: parent.verticalCenter
        rotation: header.expanded ? 90 : 0
        antialiasing: true
        Behavior on rotation  {
            NumberAnimation {
                duration: Units.shortDuration
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
            PathLine {
                x: 7
                y: 5
            }
            PathLine {
                x: 3.5
                y: 8.5
            }
        }
    }
    WindowText {
        id: label
        objectName: "label"
        x: chevron.width + Units.mediumSpacing
        anchors.verticalCenter: parent.verticalCenter
        text: header.text
        font.pointSize: WindowStyle.captionPointSize
        color: header.tint
    }
    // Qt 6.4's Accessible has no expanded state yet, so the description carries it.
    Accessible.description: expanded ? qsTr("expanded") : qsTr("collapsed")
}
