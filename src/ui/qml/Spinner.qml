import QtQuick
import QtQuick.Shapes
import Kestrune

// An indeterminate indicator: an open ring that turns while it is shown.
Item {
    id: spinner

    implicitWidth: Units.icon
    implicitHeight: Units.icon

    Accessible.role: Accessible.Animation
    Accessible.name: qsTr("Converting")

    Shape {
        id: arc
        anchors.fill: parent
        antialiasing: true

        readonly property real lineWidth: 2
        readonly property real radius: (Math.min(spinner.width, spinner.height) - lineWidth) / 2

        ShapePath {
            fillColor: "transparent"
            strokeColor: WindowStyle.secondaryText
            strokeWidth: arc.lineWidth
            capStyle: ShapePath.RoundCap
            PathAngleArc {
                centerX: spinner.width / 2
                centerY: spinner.height / 2
                radiusX: arc.radius
                radiusY: arc.radius
                startAngle: 0
                sweepAngle: 270
            }
        }

        RotationAnimator on rotation  {
            from: 0
            to: 360
            duration: Units.spinDuration
            loops: Animation.Infinite
            running: spinner.visible
        }
    }
}
