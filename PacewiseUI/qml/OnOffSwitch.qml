import QtQuick
import QtQuick.Controls
import Pacewise

// A switch drawn so that its outline and knob stand out from the window by
// 3:1 in light and dark alike (Fusion's own outline is about 2:1), with a
// focus ring; a screen reader's Press or Toggle acts as a click does.
Switch {
    id: control
    Accessible.onToggleAction: { toggle(); toggled() }
    Accessible.onPressAction: { toggle(); toggled() }

    indicator: Rectangle {
        objectName: "track"
        implicitWidth: 40
        implicitHeight: 20
        x: control.leftPadding
        y: control.topPadding + (control.availableHeight - height) / 2
        radius: height / 2
        color: control.checked ? Colors.accent : control.palette.base
        border.width: control.visualFocus ? 2 : 1
        border.color: control.visualFocus ? control.palette.highlight : control.checked ? Colors.accent : Colors.track
        opacity: control.enabled ? 1 : 0.45

        Rectangle {
            width: parent.height - 6
            height: width
            radius: width / 2
            y: 3
            x: control.checked ? parent.width - width - 3 : 3
            color: control.checked ? control.palette.highlightedText : Colors.track
            Behavior on x {
                enabled: !control.pressed
                NumberAnimation { duration: 120 }
            }
        }
    }
}
