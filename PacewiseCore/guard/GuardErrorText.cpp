#include "GuardErrorText.h"

#include "i18n/UIStrings.h"
#include "system/ErrorText.h"

namespace pacewise {

// In the chosen language where a catalogue is loaded (the tray app); the
// command line loads none and stays in English.

QString describe(const SettingsError &error, const QString &settingsPath)
{
    using Kind = SettingsError::Kind;
    switch (error.kind) {
    case Kind::invalidJSON:
        return UIStrings::format("guard.error.invalidJSON",
                                 "%1 is not valid JSON (%2); fix it and try again",
                                 {settingsPath, error.description});
    case Kind::rootIsNotObject:
        return UIStrings::format("guard.error.notAnObject",
                                 "%1 does not hold a JSON object; fix it and try again",
                                 {settingsPath});
    case Kind::unreadable:
        return UIStrings::format("guard.error.unreadable", "%1 cannot be read (%2); check its owner and permissions",
                                 {settingsPath, systemErrorText(error.errorNumber)});
    case Kind::notRegularFile:
        return UIStrings::format("guard.error.notRegularFile", "%1 is not a regular file; it was left alone", {settingsPath});
    case Kind::tooLarge:
        return UIStrings::format("guard.error.tooLarge", "%1 is larger than 16 MiB; it was left alone", {settingsPath});
    case Kind::wrongType:
        return UIStrings::format("guard.error.wrongType",
                                 "\"%1\" in %2 is not of the type Claude Code expects; it was left alone",
                                 {error.description, settingsPath});
    case Kind::readOnly:
        return UIStrings::format("guard.error.readOnly",
                                 "%1 is read-only; Pacewise leaves it as it is (make it writable to let Pacewise change it)",
                                 {settingsPath});
    case Kind::concurrentModification:
        return UIStrings::format("guard.error.keptChanging",
                                 "%1 kept changing while it was being edited; try again",
                                 {settingsPath});
    case Kind::lockUnavailable:
        return UIStrings::format("guard.error.locked",
                                 "another Pacewise is editing %1; try again in a moment",
                                 {settingsPath});
    case Kind::writeFailed:
    case Kind::renameFailed:
        return UIStrings::format("guard.error.writeFailed",
                                 "%1 could not be written (%2)",
                                 {settingsPath, systemErrorText(error.errorNumber)});
    }
    Q_UNREACHABLE();
    return {};
}

QString describe(const InstallerError &error, const QString &hooksDirectory)
{
    switch (error.kind) {
    case InstallerError::Kind::sourceScriptMissing:
        return UIStrings::format("guard.error.scriptMissing",
                                 "the engine script %1 is missing from this Pacewise build",
                                 {error.name});
    case InstallerError::Kind::writeFailed:
    case InstallerError::Kind::renameFailed:
        return UIStrings::format("guard.error.installFailed", "%1 could not be installed in %2 (%3)",
                                 {error.name, hooksDirectory, systemErrorText(error.errorNumber)});
    }
    Q_UNREACHABLE();
    return {};
}

} // namespace pacewise
