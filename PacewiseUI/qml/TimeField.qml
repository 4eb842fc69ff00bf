import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// Hours and minutes on the 24-hour clock; reports a change as a whole.
// Context: strings.
RowLayout {
    id: field
    property int hour
    property int minute
    // What the time is for ("Time", "until"), for screen readers.
    property string label
    signal edited(int hour, int minute)
    function trf(key, english, args) { return strings.format(key, english, args, strings.revision) }
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
        Accessible.name: field.trf("time.hourOf", "%1, hour", [field.label])
    }
    Label { text: ":"; Accessible.ignored: true }
    SpinBox {
        objectName: "minute"
        implicitWidth: 76
        from: 0
        to: 59
        value: field.minute
        editable: true
        textFromValue: value => String(value).padStart(2, "0")
        onValueModified: field.edited(field.hour, value)
        Accessible.name: field.trf("time.minuteOf", "%1, minute", [field.label])
    }
}
