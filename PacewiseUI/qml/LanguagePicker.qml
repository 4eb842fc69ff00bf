import QtQuick
import QtQuick.Controls

// The system's language or one of the supported ones; a choice applies at
// once. Context: strings.
ComboBox {
    id: picker
    function tr(key, english) { return strings.text(key, english, strings.revision) }

    readonly property var choices: [{ "code": "", "name": tr("settings.general.language.system", "System (default)") }]
                                   .concat(strings.options)
    model: choices
    textRole: "name"
    // As wide as the longest name, so that none is cut when chosen.
    implicitContentWidthPolicy: ComboBox.WidestText
    currentIndex: Math.max(0, choices.findIndex(choice => choice.code === strings.selection))
    onActivated: index => strings.setLanguage(choices[index].code)
    Accessible.name: tr("settings.general.language", "Language")
}
