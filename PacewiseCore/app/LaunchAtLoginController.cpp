#include "LaunchAtLoginController.h"

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

bool LaunchAtLoginController::setEnabled(bool on)
{
    m_hasError = false;
    if (on != isEnabled()) {
        const auto changedItem = on ? m_service->registerItem() : m_service->unregisterItem();
        if (!changedItem) {
            m_status = m_service->status();
            m_hasError = true;
            emit changed();
            return false;
        }
    }
    refresh();
    return true;
}

} // namespace pacewise
