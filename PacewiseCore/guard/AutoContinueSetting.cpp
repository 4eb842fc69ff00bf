#include "AutoContinueSetting.h"

#include "GuardErrorText.h"
#include "system/ErrorText.h"
#include "system/PrivateDirectory.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace pacewise {

std::expected<AutoContinueSetting::State, SettingsError> AutoContinueSetting::read() const
{
    const auto recorded = settingsManager.resumeDirectory(settingsPath, homeDirectory);
    if (!recorded)
        return std::unexpected(recorded.error());
    if (!*recorded)
        return State{};
    if (QDir::cleanPath(**recorded) == QDir::cleanPath(ticketDirectory))
        return State{.enabled = true};
    return State{.enabled = false, .elsewhere = **recorded};
}

std::expected<void, QString> AutoContinueSetting::set(bool enabled) const
{
    if (enabled) {
        if (const int failed = makePrivatePath(ticketDirectory))
            return std::unexpected(QStringLiteral("%1 could not be created: %2").arg(ticketDirectory, systemErrorText(failed)));
        // A folder an earlier version made under a lax umask: tickets there
        // are not trusted until only this user can write it.
        struct stat status {};
        const QByteArray encoded = QFile::encodeName(ticketDirectory);
        if (::lstat(encoded.constData(), &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == ::geteuid() &&
            (status.st_mode & (S_IWGRP | S_IWOTH)) != 0)
            ::chmod(encoded.constData(), 0700);
        if (!isPrivateDirectory(ticketDirectory))
            return std::unexpected(QStringLiteral("%1 is not a folder of yours that only you can write").arg(ticketDirectory));
    }
    const auto edited = settingsManager.setResumeDirectory(settingsPath, enabled ? std::optional(ticketDirectory) : std::nullopt);
    if (!edited)
        return std::unexpected(describe(edited.error(), settingsPath));
    return {};
}

} // namespace pacewise
