import QtQuick
import QtQuick.Shapes
import Kestrune

// A determinate ring: the share done drawn clockwise from the top in the accent colour. Changes
// of the value ease out over 0.3 s.
Item {
    id: ring

    property real value: 0
    property real shown: value
    Behavior on shown  {
        NumberAnimation {
            duration: Units.progressDuration
            easing.type: Easing.Bezier
            easing.bezierCurve: [0, 0, 0.58, 1, 1, 1]
        }
    }

    implicitWidth: Units.icon
    implicitHeight: Units.icon

    Accessible.role: Accessible.ProgressBar
    Accessible.name: ViewText.percentText(value)

    Shape {
        id: shape
        anchors.fill: parent
        antialiasing: true

        readonly property real lineWidth: 2.5
        readonly property real radius: (Math.min(ring.width, ring.height) - lineWidth) / 2

        ShapePath {
            fillColor: "transparent"
            strokeColor: WindowStyle.track
            strokeWidth: shape.lineWidth
            PathAngleArc {
                centerX: ring.width / 2
                centerY: ring.height / 2
                radiusX: shape.radius
                radiusY: shape.radius
                startAngle: 0
                sweepAngle: 360
            }
        }
        ShapePath {
            fillColor: "transparent"
            strokeColor: ThemeManager.accentColor
            strokeWidth: shape.lineWidth
            capStyle: ShapePath.FlatCap
            PathAngleArc {
                centerX: ring.width / 2
                centerY: ring.height / 2
                radiusX: shape.radius
                radiusY: shape.radius
                startAngle: -90
                sweepAngle: 360 * Math.max(0, Math.min(1, ring.shown))
            }
        }
    }
}
