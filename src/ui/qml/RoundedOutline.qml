import QtQuick
import QtQuick.Shapes

// A rounded rectangle stroked along the item's edge, optionally dashed. Built from lines and
// arcs: this Qt has no rectangle path element.
Shape {
    id: outline

    property real radius: 6
    property real lineWidth: 1
    property color strokeColor: "white"
    // Length of each dash and of each gap, in pixels; 0 draws a solid line.
    property real dash: 0

    // Centred on the edge; an odd width moves half a pixel inward so the line stays crisp.
    readonly property real inset: (Math.round(lineWidth) % 2) / 2
    readonly property real left: inset
    readonly property real top: inset
    readonly property real right: width - inset
    readonly property real bottom: height - inset
    readonly property real r: Math.min(radius, (right - left) / 2, (bottom - top) / 2)

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

        startX: outline.left + outline.r
        startY: outline.top
        PathLine { x: outline.right - outline.r; y: outline.top }
        PathArc { x: outline.right; y: outline.top + outline.r; radiusX: outline.r; radiusY: outline.r }
        PathLine { x: outline.right; y: outline.bottom - outline.r }
        PathArc { x: outline.right - outline.r; y: outline.bottom; radiusX: outline.r; radiusY: outline.r }
        PathLine { x: outline.left + outline.r; y: outline.bottom }
        PathArc { x: outline.left; y: outline.bottom - outline.r; radiusX: outline.r; radiusY: outline.r }
        PathLine { x: outline.left; y: outline.top + outline.r }
        PathArc { x: outline.left + outline.r; y: outline.top; radiusX: outline.r; radiusY: outline.r }
    }
}
