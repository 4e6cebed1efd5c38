import QtQuick
import Kestrune

// The batch's progress bar; the value eases out over 0.3 s.
Item {
    id: bar

    property real value: 0
    property real shown: value
    Behavior on shown  {
        NumberAnimation {
            duration: Units.progressDuration
            easing.type: Easing.Bezier
            easing.bezierCurve: [0, 0, 0.58, 1, 1, 1]
        }
    }

    implicitHeight: 6

    Accessible.role: Accessible.ProgressBar
    Accessible.name: qsTr("Overall progress %1").arg(ViewText.percentText(value))

    Rectangle {
        anchors.fill: parent
        radius: height / 2
        color: WindowStyle.track
    }
    Rectangle {
        objectName: "fill"
        height: parent.height
        width: parent.width * Math.max(0, Math.min(1, bar.shown))
        radius: height / 2
        color: ThemeManager.accentColor
    }
}
