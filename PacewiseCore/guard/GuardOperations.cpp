#include "GuardOperations.h"

#include "GuardErrorText.h"

#include <QStandardPaths>

namespace pacewise {

namespace {

using Status = HookInstaller::Status;
using Failure = GuardOperations::Failure;

std::unexpected<Failure> failed(const QString &message)
{
    return std::unexpected(Failure{.message = message});
}

} // namespace

GuardOperations::Result GuardOperations::current() const
{
    const auto settings = settingsManager.read(settingsPath);
    if (!settings)
        return failed(describe(settings.error(), settingsPath));
    return outcome(*settings);
}

GuardOperations::Outcome GuardOperations::outcome(const SettingsFileManager::GuardSettings &settings) const
{
    return Outcome{
        .enabled = settings.guardEnabled,
        .status = installer.installedStatus(),
        .threshold = settings.threshold,
        .jqInstalled = !QStandardPaths::findExecutable(QStringLiteral("jq"), executableSearchPath).isEmpty(),
    };
}

// Installs when nothing or an older version is installed (true then); edits
// by the user are never overwritten here.
std::expected<bool, GuardOperations::Failure> GuardOperations::installIfNeeded() const
{
    const Status status = installer.installedStatus();
    if (status != Status::notInstalled && status != Status::outdated)
        return false;
    if (const auto installed = installer.install(); !installed)
        return failed(describe(installed.error(), installer.hooksDirectory()));
    return true;
}

std::expected<void, Failure> GuardOperations::enable() const
{
    const SettingsFileManager::GuardSetup setup{.hooksDirectory = installer.hooksDirectory(),
                                                .statePath = statePath,
                                                .recordBeforeUserStatusLine = recordBeforeUserStatusLine};
    if (const auto enabled = settingsManager.enableGuard(settingsPath, setup); !enabled)
        return failed(describe(enabled.error(), settingsPath));
    return {};
}

GuardOperations::Result GuardOperations::refresh() const
{
    const auto settings = settingsManager.read(settingsPath);
    if (!settings)
        return failed(describe(settings.error(), settingsPath));
    if (!settings->guardEnabled)
        return outcome(*settings);
    const auto installed = installIfNeeded();
    if (!installed)
        return std::unexpected(installed.error());
    // The entries are written again (only what differs) when a new version
    // of ours or another choice asks for it, never merely because the file
    // changed: what the user edited by hand stays.
    using Owner = SettingsFileManager::StatusLineOwner;
    const bool recorderWanted = settings->statusLine == (recordBeforeUserStatusLine ? Owner::user : Owner::recorder);
    if (!*installed && !recorderWanted && settings->statePath == statePath)
        return outcome(*settings);
    if (const auto enabled = enable(); !enabled)
        return std::unexpected(enabled.error());
    return current();
}

GuardOperations::Result GuardOperations::setEnabled(bool on) const
{
    if (!on) {
        if (const auto disabled = settingsManager.disableGuard(settingsPath); !disabled)
            return failed(describe(disabled.error(), settingsPath));
        return current();
    }
    if (installer.installedStatus() == Status::modifiedByUser)
        return std::unexpected(Failure{.forceRequired = true});
    if (const auto installed = installIfNeeded(); !installed)
        return std::unexpected(installed.error());
    if (const auto enabled = enable(); !enabled)
        return std::unexpected(enabled.error());
    return current();
}

GuardOperations::Result GuardOperations::overwrite() const
{
    if (installer.installedStatus() != Status::upToDate) {
        if (const auto installed = installer.install(); !installed)
            return failed(describe(installed.error(), installer.hooksDirectory()));
    }
    if (const auto enabled = enable(); !enabled)
        return std::unexpected(enabled.error());
    return current();
}

GuardOperations::Result GuardOperations::setThreshold(double percent) const
{
    if (const auto set = settingsManager.setThreshold(settingsPath, percent); !set)
        return failed(describe(set.error(), settingsPath));
    return current();
}

} // namespace pacewise
