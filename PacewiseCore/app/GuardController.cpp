#include "GuardController.h"

#include "system/Logging.h"

#include <QPointer>
#include <QtConcurrent/QtConcurrentRun>

#include <qcoro/qcorofuture.h>

namespace pacewise {

GuardController::GuardController(GuardOperations operations, QObject *parent)
    : QObject(parent)
    , m_operations(std::move(operations))
{
    refresh();
}

void GuardController::refresh()
{
    // Asked while busy (the settings changed during an operation): once
    // more afterwards, so that the state shown is the disk's.
    if (m_busy) {
        m_refreshAgain = true;
        return;
    }
    execute([operations = m_operations] { return operations.refresh(); });
}

void GuardController::setRecordsBeforeUserStatusLine(bool on)
{
    if (m_operations.recordBeforeUserStatusLine == on)
        return;
    m_operations.recordBeforeUserStatusLine = on;
    emit recordsBeforeUserStatusLineChanged();
}

void GuardController::setThreshold(double percent)
{
    execute([operations = m_operations, percent] { return operations.setThreshold(percent); });
}

void GuardController::setEnabled(bool on)
{
    execute([operations = m_operations, on] { return operations.setEnabled(on); });
}

void GuardController::overwriteChanges()
{
    execute([operations = m_operations] { return operations.overwrite(); });
}

QCoro::Task<> GuardController::execute(std::function<GuardOperations::Result()> body)
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
    // Started in a statement of its own: GCC 12 destroys the temporaries of
    // a co_await full-expression twice.
    auto running = QtConcurrent::run(std::move(body));
    const GuardOperations::Result result = co_await running;
    if (!self)
        co_return;

    if (result) {
        update(m_enabled, result->enabled, &GuardController::enabledChanged);
        update(m_engineStatus, result->status, &GuardController::engineStatusChanged);
        update(m_threshold, result->threshold, &GuardController::thresholdChanged);
        update(m_jqInstalled, result->jqInstalled, &GuardController::jqInstalledChanged);
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
    if (std::exchange(m_refreshAgain, false))
        refresh();
}

} // namespace pacewise
