import QtQuick
import Kestrune

// Moving a part of a join by dragging its row: the rows report press, move and release; this
// works out the gap between rows the pointer is over, marks it with a line, and on release asks
// the join to move the part there. Only the list's own rows drag: files dropped from outside
// arrive through the box's drop area and are added, never reordered.
Item {
    id: drag

    required property ListView list
    property RemuxViewModel vm
    // The part being dragged, and the gap it would land in (0 above the first row, count below
    // the last); -1 while nothing is dragged.
    property int from: -1
    property int gap: -1
    readonly property bool active: from >= 0
    // Rows can be dragged while joining, outside a batch, and while the group shows them all.
    readonly property bool allowed: vm !== null && vm.join.on && !vm.batch.isConverting

    function begin(index) {
        from = index;
        gap = -1;
    }

    function moveTo(scenePoint) {
        if (!active)
            return;
        const p = list.mapFromItem(null, scenePoint.x, scenePoint.y);
        gap = gapAt(p.y + list.contentY);
    }

    function finish() {
        const source = from, target = gap > from ? gap - 1 : gap;
        from = -1;
        gap = -1;
        // Dropped on its own place, or outside the list: nothing moves.
        if (source >= 0 && target >= 0 && target !== source && allowed)
            vm.join.moveFile(source, target);
    }

    function cancel() {
        from = -1;
        gap = -1;
    }

    // The gap nearest the content position y: above a row's middle is the gap before it.
    function gapAt(y) {
        if (list.count === 0)
            return -1;
        if (y < 0)
            return 0;
        const index = list.indexAt(list.width / 2, y);
        if (index < 0)
            return list.count;
        const entry = list.itemAtIndex(index);
        const top = entry.y + entry.rowTop;
        return y < top + (entry.height - entry.rowTop) / 2 ? index : index + 1;
    }

    // Where the line goes in the list's own coordinates: the top of the row after the gap, or
    // the bottom of the last row.
    function markerY() {
        if (gap < 0)
            return -1;
        const after = gap < list.count ? list.itemAtIndex(gap) : null;
        if (after)
            return after.y + after.rowTop - list.contentY;
        const last = list.itemAtIndex(list.count - 1);
        return last ? last.y + last.height - list.contentY : -1;
    }

    Rectangle {
        objectName: "dropMarker"
        readonly property real at: drag.gap >= 0 ? drag.markerY() : -1
        // A drop on its own place moves nothing, so it is not marked.
        visible: drag.active && at >= 0 && drag.gap !== drag.from && drag.gap !== drag.from + 1
        x: 10
        y: at - height / 2
        width: drag.width - 20
        height: 2
        radius: 1
        color: ThemeManager.accentColor
    }
}
