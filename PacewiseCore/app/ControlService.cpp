#include "ControlService.h"

#include "CaffeineController.h"
#include "system/Logging.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>

namespace pacewise {

Q_LOGGING_CATEGORY(lcControl, "pacewise.control", QtInfoMsg)

ControlService::ControlService(CaffeineController *caffeine, QObject *parent)
    : QObject(parent)
    , m_caffeine(caffeine)
{
}

std::expected<void, QString> ControlService::registerOn(QDBusConnection bus)
{
    if (!bus.isConnected())
        return std::unexpected(QStringLiteral("no session bus"));
    if (!bus.registerObject(QLatin1String(objectPath), this, QDBusConnection::ExportScriptableSlots))
        return std::unexpected(QStringLiteral("%1 is taken on the session bus").arg(QLatin1String(objectPath)));
    const auto reply = bus.interface()->registerService(QLatin1String(serviceName), QDBusConnectionInterface::DontQueueService,
                                                        QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid() || reply.value() != QDBusConnectionInterface::ServiceRegistered) {
        bus.unregisterObject(QLatin1String(objectPath));
        return std::unexpected(reply.isValid() ? QStringLiteral("%1 is owned by another process").arg(QLatin1String(serviceName))
                                               : reply.error().message());
    }
    return {};
}

QVariantMap ControlService::SetCaffeine(bool on)
{
    qCInfo(lcControl, "keep-awake switched %s over the session bus", on ? "on" : "off");
    m_caffeine->setActive(on);
    return Status();
}

QVariantMap ControlService::Status() const
{
    return {
        {QStringLiteral("pid"), QCoreApplication::applicationPid()},
        {QStringLiteral("version"), QString::fromLatin1(PacewiseCoreInfo::version)},
        {QStringLiteral("caffeineActive"), m_caffeine->isActive()},
        {QStringLiteral("caffeineUnavailableReason"), m_caffeine->unavailableReason()},
    };
}

} // namespace pacewise
