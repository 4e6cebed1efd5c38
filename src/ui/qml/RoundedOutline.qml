import QtQuick
import QtQuick.Shapes
import Kestrune

// A rounded rectangle stroked along the item's edge, optionally dashed. Built from lines and
// arcs: this Qt has no rectangle path element.
Shape {
    id: outline

    property real radius: 6
    property real lineWidth: 1
    property color strokeColor: WindowStyle.text
    // Length of each dash and of each gap, in pixels; 0 draws a solid line.
    property real dash: 0

    // Centred on the edge; an odd width moves half a pixel inward so the line stays crisp.
    readonly property real inset: (Math.round(lineWidth) % 2) / 2
    readonly property real x0: inset
    readonly property real y0: inset
    readonly property real x1: width - inset
    readonly property real y1: height - inset
    readonly property real r: Math.min(radius, (x1 - x0) / 2, (y1 - y0) / 2)

    antialiasing: true

    ShapePath {
        fillColor: "transparent"
        strokeColor: outline.strokeColor
        strokeWidth: outline.lineWidth
        strokeStyle: outline.dash > 0 ? ShapePath.DashLine : ShapePath.SolidLine
        // Dash lengths are counted in line widths.
        dashPattern: [outline.dash / outline.lineWidth, outline.dash / outline.lineWidth]
        dashOffset: 0
        capStyle: ShapePath.FlatCap
        joinStyle: ShapePath.MiterJoin
        miterLimit: 10

        startX: outline.x0 + outline.r
        startY: outline.y0
        PathLine {
            x: outline.x1 - outline.r
            y: outline.y0
        }
        PathArc {
            x: outline.x1
            y: outline.y0 + outline.r
            radiusX: outline.r
            radiusY: outline.r
        }
        PathLine {
            x: outline.x1
            y: outline.y1 - outline.r
        }
        PathArc {
            x: outline.x1 - outline.r
            y: outline.y1
            radiusX: outline.r
            radiusY: outline.r
        }
        PathLine {
            x: outline.x0 + outline.r
            y: outline.y1
        }
        PathArc {
            x: outline.x0
            y: outline.y1 - outline.r
            radiusX: outline.r
            radiusY: outline.r
        }
        PathLine {
            x: outline.x0
            y: outline.y0 + outline.r
        }
        PathArc {
            x: outline.x0 + outline.r
            y: outline.y0
            radiusX: outline.r
            radiusY: outline.r
        }
    }
}
