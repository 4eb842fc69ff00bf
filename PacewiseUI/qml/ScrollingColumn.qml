import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// A column never taller than its window lets it be: what does not fit
// scrolls, and the control the keyboard moves to is scrolled into view.
Flickable {
    id: scroller
    default property alias content: column.data
    property alias spacing: column.spacing
    implicitWidth: column.implicitWidth
    implicitHeight: column.implicitHeight
    contentHeight: column.implicitHeight
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollBar {}

    ColumnLayout {
        id: column
        width: scroller.width
    }

    Connections {
        target: scroller.Window.window
        function onActiveFocusItemChanged() {
            const item = scroller.Window.window ? scroller.Window.window.activeFocusItem : null
            let inside = item
            while (inside && inside !== scroller.contentItem)
                inside = inside.parent
            if (!inside)
                return
            const top = item.mapToItem(scroller.contentItem, 0, 0).y
            if (top < scroller.contentY)
                scroller.contentY = Math.max(0, top - 8)
            else if (top + item.height > scroller.contentY + scroller.height)
                scroller.contentY = Math.min(scroller.contentHeight - scroller.height, top + item.height - scroller.height + 8)
        }
    }
}
