#include "GuardErrorText.h"

#include "system/ErrorText.h"

namespace pacewise {

QString describe(const SettingsError &error, const QString &settingsPath)
{
    using Kind = SettingsError::Kind;
    switch (error.kind) {
    case Kind::invalidJSON:
        return QStringLiteral("%1 is not valid JSON (%2); fix it and try again").arg(settingsPath, error.description);
    case Kind::rootIsNotObject:
        return QStringLiteral("%1 does not hold a JSON object; fix it and try again").arg(settingsPath);
    case Kind::unreadable:
        return QStringLiteral("%1 cannot be read (%2); check its owner and permissions")
            .arg(settingsPath, systemErrorText(error.errorNumber));
    case Kind::tooLarge:
        return QStringLiteral("%1 is larger than 16 MiB; it was left alone").arg(settingsPath);
    case Kind::wrongType:
        return QStringLiteral("\"%1\" in %2 is not of the type Claude Code expects; it was left alone")
            .arg(error.description, settingsPath);
    case Kind::readOnly:
        return QStringLiteral("%1 is read-only; Pacewise leaves it as it is (make it writable to let Pacewise change it)")
            .arg(settingsPath);
    case Kind::concurrentModification:
        return QStringLiteral("%1 kept changing while it was being edited; try again").arg(settingsPath);
    case Kind::lockUnavailable:
        return QStringLiteral("another Pacewise is editing %1; try again in a moment").arg(settingsPath);
    case Kind::writeFailed:
    case Kind::renameFailed:
        return QStringLiteral("%1 could not be written (%2)").arg(settingsPath, systemErrorText(error.errorNumber));
    }
    Q_UNREACHABLE();
    return {};
}

QString describe(const InstallerError &error, const QString &hooksDirectory)
{
    switch (error.kind) {
    case InstallerError::Kind::sourceScriptMissing:
        return QStringLiteral("the engine script %1 is missing from this Pacewise build").arg(error.name);
    case InstallerError::Kind::writeFailed:
    case InstallerError::Kind::renameFailed:
        return QStringLiteral("%1 could not be installed in %2 (%3)")
            .arg(error.name, hooksDirectory, systemErrorText(error.errorNumber));
    }
    Q_UNREACHABLE();
    return {};
}

} // namespace pacewise
