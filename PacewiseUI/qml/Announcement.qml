import QtQuick
import QtQuick.Controls

// A line a screen reader says as it appears (a status, an error, an
// outcome). Qt Quick 6.4 gives every text item the static-text role
// whatever it is set to, so the text sits in an item that is the alert.
Item {
    property alias text: label.text
    property alias color: label.color
    property alias font: label.font
    property alias wrapMode: label.wrapMode

    implicitWidth: label.implicitWidth
    implicitHeight: label.implicitHeight
    Accessible.role: Accessible.AlertMessage
    Accessible.name: label.text

    Label {
        id: label
        width: parent.width
        wrapMode: Text.Wrap
        Accessible.ignored: true
    }
}
