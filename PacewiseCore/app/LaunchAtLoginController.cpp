#include "LaunchAtLoginController.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

namespace pacewise {

LaunchAtLoginController::LaunchAtLoginController(std::shared_ptr<LoginItemService> service, QObject *parent)
    : QObject(parent)
    , m_service(std::move(service))
    , m_status(m_service->status())
{
}

bool LaunchAtLoginController::isEnabled() const
{
    return m_status == LoginItemService::Status::enabled || m_status == LoginItemService::Status::requiresApproval;
}

void LaunchAtLoginController::refresh()
{
    m_status = m_service->status();
    emit changed();
}

void LaunchAtLoginController::setEnabled(bool on)
{
    if (m_isUpdating)
        return;
    m_hasError = false;
    if (on == isEnabled()) {
        refresh();
        return;
    }
    m_isUpdating = true;
    emit changed();
    auto *writing = new QFutureWatcher<bool>(this);
    connect(writing, &QFutureWatcher<bool>::finished, this, [this, writing] {
        writing->deleteLater();
        m_isUpdating = false;
        m_hasError = !writing->result();
        refresh();
    });
    writing->setFuture(QtConcurrent::run([service = m_service, on] {
        return (on ? service->registerItem() : service->unregisterItem()).has_value();
    }));
}

} // namespace pacewise
