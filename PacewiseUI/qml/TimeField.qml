import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// Hours and minutes on the 24-hour clock; reports a change as a whole.
RowLayout {
    id: field
    property int hour
    property int minute
    signal edited(int hour, int minute)
    spacing: 2

    SpinBox {
        objectName: "hour"
        implicitWidth: 76
        from: 0
        to: 23
        value: field.hour
        editable: true
        textFromValue: value => String(value).padStart(2, "0")
        onValueModified: field.edited(value, field.minute)
    }
    Label { text: ":" }
    SpinBox {
        objectName: "minute"
        implicitWidth: 76
        from: 0
        to: 59
        value: field.minute
        editable: true
        textFromValue: value => String(value).padStart(2, "0")
        onValueModified: field.edited(field.hour, value)
    }
}
