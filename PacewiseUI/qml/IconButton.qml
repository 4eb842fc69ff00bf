import QtQuick
import QtQuick.Controls
import Pacewise

// A flat icon button with a tooltip; while working, a spinner takes the
// icon's place and the button cannot be pressed. The icon is a line drawing
// of Pacewise's own, tinted like text: themes' icons of these names are
// full-colour on some desktops (Breeze), and a coloured icon tinted whole
// is a blot, while Qt cannot tell whether a theme has a symbolic one.
ToolButton {
    id: button
    Accessible.onPressAction: clicked()
    property string iconName
    property string help
    property bool working: false
    // A picture beside a text that says the same: not a button to anyone.
    property bool decorative: false
    readonly property color iconColor: decorative ? palette.windowText
                                     : !enabled ? Qt.rgba(palette.windowText.r, palette.windowText.g, palette.windowText.b, 0.45)
                                     : hovered || visualFocus ? palette.highlight : Colors.secondaryText

    enabled: !working && !decorative
    focusPolicy: decorative ? Qt.NoFocus : Qt.StrongFocus
    Accessible.ignored: decorative
    flat: true
    implicitWidth: 28
    implicitHeight: 28
    ToolTip.visible: (hovered || visualFocus) && help.length > 0
    ToolTip.text: help
    Accessible.name: help

    // The drawings, in a 16 × 16 space: SVG path data, stroked.
    readonly property var drawings: ({
        "view-refresh": "M13 8A5 5 0 1 1 11.54 4.46 M12.5 1.5V5H9",
        "view-history": "M14 8A6 6 0 1 1 2 8A6 6 0 1 1 14 8 M8 4.5V8L10.5 9.5",
        "preferences-system": "M13.0 6.7L14.9 7.0L14.9 9.0L13.0 9.3L12.5 10.7L13.6 12.2L12.2 13.6L10.7 12.5L9.3 13.0L9.0 14.9L7.0 14.9L6.7 13.0L5.3 12.5L3.8 13.6L2.4 12.2L3.5 10.7L3.0 9.3L1.1 9.0L1.1 7.0L3.0 6.7L3.5 5.3L2.4 3.8L3.8 2.4L5.3 3.5L6.7 3.0L7.0 1.1L9.0 1.1L9.3 3.0L10.7 3.5L12.2 2.4L13.6 3.8L12.5 5.3Z M10.2 8A2.2 2.2 0 1 1 5.8 8A2.2 2.2 0 1 1 10.2 8",
        "dialog-warning": "M8 2L15 14H1Z"
    })

    Canvas {
        id: drawing
        anchors.centerIn: parent
        width: 16
        height: 16
        visible: !button.working
        onVisibleChanged: requestPaint()
        Connections {
            target: button
            function onIconColorChanged() { drawing.requestPaint() }
        }
        onPaint: {
            const context = getContext("2d")
            context.reset()
            context.lineWidth = 1.5
            context.lineCap = "round"
            context.lineJoin = "round"
            if (button.iconName === "dialog-warning") {
                context.fillStyle = Colors.warning
                context.path = button.drawings["dialog-warning"]
                context.fill()
                context.strokeStyle = "#ffffff"
                context.path = "M8 6V9.5 M8 11.8V11.9"
                context.stroke()
                return
            }
            context.strokeStyle = button.iconColor
            context.path = button.drawings[button.iconName] || ""
            context.stroke()
        }
    }

    // Made only while needed: an idle spinner would still wake the
    // process at every frame.
    Loader {
        anchors.centerIn: parent
        active: button.working
        sourceComponent: BusyIndicator {
            width: 18
            height: 18
        }
    }
}
