import QtQuick
import QtQuick.Shapes
import Kestrune

// A symbol image by name, drawn as vector paths on a 24-unit grid and tinted with `color` at run
// time. Filled symbols cut their inner mark out with the even-odd rule, so whatever lies behind
// shows through, as it would with a template image.
Item {
    id: icon

    property string name
    property color color: WindowStyle.text

    implicitWidth: 16
    implicitHeight: 16

    // Even-odd filled outlines and lines drawn with round caps and joins, on a 24-unit grid. A
    // switch rather than a table, so no icon carries a copy of every path.
    readonly property string fillPath: {
        switch (name) {
        case "checkmark.circle.fill":
            return "M 12 2 A 10 10 0 1 1 12 22 A 10 10 0 1 1 12 2 Z M 6.59 13.41 L 10.66 17.49 L 17.67 9.35 L 15.93 7.85 L 10.54 14.11 L 8.21 11.79 Z";
        case "xmark.octagon.fill":
            return "M 21.79 16.06 L 16.06 21.79 L 7.94 21.79 L 2.21 16.06 L 2.21 7.94 L 7.94 2.21 L 16.06 2.21 L 21.79 7.94 Z M 14.86 7.51 L 16.49 9.14 L 13.63 12 L 16.49 14.86 L 14.86 16.49 L 12 13.63 L 9.14 16.49 L 7.51 14.86 L 10.37 12 L 7.51 9.14 L 9.14 7.51 L 12 10.37 Z";
        case "xmark.circle.fill":
            return "M 12 2 A 10 10 0 1 1 12 22 A 10 10 0 1 1 12 2 Z M 14.62 7.83 L 16.17 9.38 L 13.56 12 L 16.17 14.62 L 14.62 16.17 L 12 13.56 L 9.38 16.17 L 7.83 14.62 L 10.44 12 L 7.83 9.38 L 9.38 7.83 L 12 10.44 Z";
        case "exclamationmark.triangle.fill":
            return "M 12 2.2 L 22.8 20.8 L 1.2 20.8 Z M 10.9 8.2 L 13.1 8.2 L 12.75 14.6 L 11.25 14.6 Z M 12 16.35 A 1.25 1.25 0 1 1 12 18.85 A 1.25 1.25 0 1 1 12 16.35 Z";
        case "exclamationmark.triangle":
            return "M 11.1 9 L 12.9 9 L 12.6 14.4 L 11.4 14.4 Z M 12 15.9 A 1.1 1.1 0 1 1 12 18.1 A 1.1 1.1 0 1 1 12 15.9 Z";
        default:
            return "";
        }
    }
    readonly property string strokePath: {
        switch (name) {
        case "exclamationmark.triangle":
            return "M 12 3.2 L 21.6 19.9 L 2.4 19.9 Z";
        case "arrow.down.doc":
            return "M 5.5 2.5 L 13.5 2.5 L 18.5 7.5 L 18.5 21.5 L 5.5 21.5 Z M 13.5 2.5 L 13.5 7.5 L 18.5 7.5 M 12 10.5 L 12 18 M 9 15 L 12 18 L 15 15";
        case "circle":
            return "M 12 2.8 A 9.2 9.2 0 1 1 12 21.2 A 9.2 9.2 0 1 1 12 2.8 Z";
        case "arrow.right.circle":
            return "M 12 2.8 A 9.2 9.2 0 1 1 12 21.2 A 9.2 9.2 0 1 1 12 2.8 Z M 7.5 12 L 16.2 12 M 12.6 8.4 L 16.2 12 L 12.6 15.6";
        case "checkmark":
            return "M 5 12.8 L 9.8 17.5 L 19 6.5";
        default:
            return "";
        }
    }

    Shape {
        readonly property real unit: Math.min(icon.width, icon.height) / 24

        x: (icon.width - 24 * unit) / 2
        y: (icon.height - 24 * unit) / 2
        width: 24
        height: 24
        scale: unit
        transformOrigin: Item.TopLeft
        antialiasing: true

        ShapePath {
            fillColor: icon.fillPath !== "" ? icon.color : "transparent"
            fillRule: ShapePath.OddEvenFill
            strokeColor: "transparent"
            strokeWidth: 0
            PathSvg {
                path: icon.fillPath
            }
        }
        ShapePath {
            fillColor: "transparent"
            strokeColor: icon.strokePath !== "" ? icon.color : "transparent"
            strokeWidth: 1.7
            capStyle: ShapePath.RoundCap
            joinStyle: ShapePath.RoundJoin
            PathSvg {
                path: icon.strokePath
            }
        }
    }
}
