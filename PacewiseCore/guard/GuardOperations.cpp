#include "GuardOperations.h"

#include "GuardErrorText.h"

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
    const auto on = settingsManager.isGuardEnabled(settingsPath);
    if (!on)
        return failed(describe(on.error(), settingsPath));
    return Outcome{*on, installer.installedStatus()};
}

// Installs when nothing or an older version is installed; edits by the user
// are never overwritten here.
std::expected<void, Failure> GuardOperations::installIfNeeded() const
{
    const Status status = installer.installedStatus();
    if (status != Status::notInstalled && status != Status::outdated)
        return {};
    if (const auto installed = installer.install(); !installed)
        return failed(describe(installed.error(), installer.hooksDirectory()));
    return {};
}

std::expected<void, Failure> GuardOperations::enable() const
{
    if (const auto enabled = settingsManager.enableGuard(settingsPath, installer.hooksDirectory(), statePath); !enabled)
        return failed(describe(enabled.error(), settingsPath));
    return {};
}

GuardOperations::Result GuardOperations::refresh() const
{
    const auto state = current();
    if (!state || !state->enabled)
        return state;
    const auto toldStatePath = settingsManager.guardStatePath(settingsPath);
    const bool toldAnotherFile = toldStatePath && *toldStatePath != statePath;
    if (state->status != Status::outdated && !toldAnotherFile)
        return state;
    // A newer Pacewise brought new scripts, or the state file moved: an
    // active guard gets both, and the settings point at the current copies.
    if (const auto installed = installIfNeeded(); !installed)
        return std::unexpected(installed.error());
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

} // namespace pacewise
