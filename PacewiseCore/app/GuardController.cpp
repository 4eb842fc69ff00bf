#include "GuardController.h"

#include "guard/GuardErrorText.h"
#include "system/Logging.h"

#include <QPointer>
#include <QtConcurrent/QtConcurrentRun>

#include <qcoro/qcorofuture.h>

namespace pacewise {

namespace {

using Status = HookInstaller::Status;
using Result = GuardController::Result;
using Failure = GuardController::Failure;

// The file work of one operation; a copy runs on a pool thread.
struct GuardWork {
    QString settingsPath;
    HookInstaller installer;
    SettingsFileManager settingsManager;

    std::unexpected<Failure> failed(const SettingsError &error) const
    {
        return std::unexpected(Failure{.message = describe(error, settingsPath)});
    }
    std::unexpected<Failure> failed(const InstallerError &error) const
    {
        return std::unexpected(Failure{.message = describe(error, installer.hooksDirectory())});
    }

    Result current() const
    {
        const auto on = settingsManager.isGuardEnabled(settingsPath);
        if (!on)
            return failed(on.error());
        return GuardController::Outcome{*on, installer.installedStatus()};
    }

    // Installs when nothing or an older version is installed; edits by the
    // user are never overwritten here.
    std::expected<void, Failure> installIfNeeded() const
    {
        const Status status = installer.installedStatus();
        if (status != Status::notInstalled && status != Status::outdated)
            return {};
        if (const auto installed = installer.install(); !installed)
            return failed(installed.error());
        return {};
    }

    std::expected<void, Failure> enable() const
    {
        if (const auto enabled = settingsManager.enableGuard(settingsPath, installer.hooksDirectory()); !enabled)
            return failed(enabled.error());
        return {};
    }

    Result refresh() const
    {
        const auto state = current();
        if (!state || !state->enabled || state->status != Status::outdated)
            return state;
        // An upgrade of Pacewise brought new scripts: an active guard gets
        // them, and the settings point at the current copies.
        if (const auto installed = installIfNeeded(); !installed)
            return std::unexpected(installed.error());
        if (const auto enabled = enable(); !enabled)
            return std::unexpected(enabled.error());
        return current();
    }

    Result setEnabled(bool on) const
    {
        if (!on) {
            if (const auto disabled = settingsManager.disableGuard(settingsPath); !disabled)
                return failed(disabled.error());
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

    Result overwrite() const
    {
        if (installer.installedStatus() != Status::upToDate) {
            if (const auto installed = installer.install(); !installed)
                return failed(installed.error());
        }
        if (const auto enabled = enable(); !enabled)
            return std::unexpected(enabled.error());
        return current();
    }
};

} // namespace

GuardController::GuardController(QString settingsPath, HookInstaller installer, SettingsFileManager settingsManager,
                                 QObject *parent)
    : QObject(parent)
    , m_settingsPath(std::move(settingsPath))
    , m_installer(std::move(installer))
    , m_settingsManager(std::move(settingsManager))
{
    refresh();
}

void GuardController::refresh()
{
    const GuardWork work{m_settingsPath, m_installer, m_settingsManager};
    execute([work] { return work.refresh(); });
}

void GuardController::setEnabled(bool on)
{
    const GuardWork work{m_settingsPath, m_installer, m_settingsManager};
    execute([work, on] { return work.setEnabled(on); });
}

void GuardController::overwriteChanges()
{
    const GuardWork work{m_settingsPath, m_installer, m_settingsManager};
    execute([work] { return work.overwrite(); });
}

QCoro::Task<> GuardController::execute(std::function<Result()> body)
{
    if (m_busy)
        co_return;
    const auto update = [this](auto &member, auto value, void (GuardController::*changed)()) {
        if (member != value) {
            member = value;
            emit(this->*changed)();
        }
    };
    update(m_busy, true, &GuardController::busyChanged);
    update(m_lastError, QString(), &GuardController::lastErrorChanged);
    update(m_needsForce, false, &GuardController::needsForceChanged);

    const QPointer<GuardController> self(this);
    const Result result = co_await QtConcurrent::run(std::move(body));
    if (!self)
        co_return;

    if (result) {
        update(m_enabled, result->enabled, &GuardController::enabledChanged);
        update(m_engineStatus, result->status, &GuardController::engineStatusChanged);
        if (result->enabled && result->status == HookInstaller::Status::modifiedByUser)
            update(m_needsForce, true, &GuardController::needsForceChanged);
    } else if (result.error().forceRequired) {
        update(m_needsForce, true, &GuardController::needsForceChanged);
        update(m_engineStatus, HookInstaller::Status::modifiedByUser, &GuardController::engineStatusChanged);
    } else {
        qCWarning(lcGuard, "guard operation failed: %s", qUtf8Printable(privateText(result.error().message)));
        update(m_lastError, result.error().message, &GuardController::lastErrorChanged);
    }
    update(m_busy, false, &GuardController::busyChanged);
}

} // namespace pacewise
