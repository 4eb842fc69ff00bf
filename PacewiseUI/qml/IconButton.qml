import QtQuick
import QtQuick.Controls

// A flat icon button with a tooltip; while working, a spinner takes the
// icon's place and the button cannot be pressed. The icon is the desktop
// theme's, or Pacewise's own where the theme has none.
ToolButton {
    id: button
    property string iconName
    property string help
    property bool working: false

    enabled: !working
    flat: true
    icon.name: iconName
    icon.source: "qrc:/icons/" + iconName + ".svg"
    icon.width: 16
    icon.height: 16
    icon.color: !enabled ? Qt.rgba(palette.windowText.r, palette.windowText.g, palette.windowText.b, 0.45)
                         : hovered ? palette.highlight : palette.placeholderText
    display: working ? AbstractButton.TextOnly : AbstractButton.IconOnly
    ToolTip.visible: hovered && help.length > 0
    ToolTip.text: help
    Accessible.name: help

    BusyIndicator {
        anchors.centerIn: parent
        width: 18
        height: 18
        running: button.working
        visible: running
    }
}
