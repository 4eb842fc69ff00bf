#include "ControlService.h"

#include "CaffeineController.h"
#include "system/Logging.h"

#include <QCoreApplication>
#include <QPointer>

#include <qcoro/qcorotask.h>
#include <QDBusConnectionInterface>

namespace pacewise {

Q_LOGGING_CATEGORY(lcControl, "pacewise.control", QtInfoMsg)

ControlService::ControlService(CaffeineController *caffeine, Actions actions, QObject *parent)
    : QObject(parent)
    , m_caffeine(caffeine)
    , m_actions(std::move(actions))
{
}

ControlService::~ControlService()
{
    unregister();
}

void ControlService::unregister()
{
    if (!m_bus.isConnected())
        return;
    m_bus.unregisterObject(QLatin1String(objectPath));
    m_bus.unregisterService(QLatin1String(serviceName));
    m_bus = QDBusConnection(QString());
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
    m_bus = bus;
    return {};
}

bool ControlService::isRunningOn(const QDBusConnection &bus)
{
    return bus.isConnected() && bus.interface()->isServiceRegistered(QLatin1String(serviceName)).value();
}

QDBusMessage ControlService::callRunning(const QDBusConnection &bus, const QString &method, const QVariantList &arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(serviceName), QLatin1String(objectPath),
                                                       QLatin1String(interfaceName), method);
    call.setArguments(arguments);
    return bus.call(call, QDBus::Block, 10'000);
}

QVariantMap ControlService::SetCaffeine(bool on)
{
    qCInfo(lcControl, "keep-awake switched %s over the session bus", on ? "on" : "off");
    if (!calledFromDBus()) {
        m_caffeine->setActive(on);
        return Status();
    }
    // Answered once the desktop has: the event loop runs on meanwhile.
    setDelayedReply(true);
    [](QPointer<ControlService> self, QDBusConnection bus, QDBusMessage request, bool on) -> QCoro::Task<> {
        co_await self->m_caffeine->switchTo(on);
        if (self)
            bus.send(request.createReply(QVariant(self->Status())));
    }(this, connection(), message(), on);
    return {};
}

QVariantMap ControlService::Status() const
{
    return {
        {QStringLiteral("pid"), QCoreApplication::applicationPid()},
        {QStringLiteral("version"), QString::fromLatin1(PacewiseCoreInfo::version)},
        {QStringLiteral("hasPanel"), bool(m_actions.showPanel)},
        {QStringLiteral("caffeineActive"), m_caffeine->isActive()},
        {QStringLiteral("caffeineUnavailableReason"), m_caffeine->unavailableReason()},
    };
}

bool ControlService::ShowPanel()
{
    if (!m_actions.showPanel)
        return false;
    // After the reply: the panel takes focus, which the caller's own
    // window system events should not race.
    QMetaObject::invokeMethod(this, [show = m_actions.showPanel] { show(); }, Qt::QueuedConnection);
    return true;
}

bool ControlService::StandBy()
{
    if (!m_actions.standBy)
        return false;
    qCInfo(lcControl, "another Pacewise asked to take over; standing by");
    // Done at once, before the reply, so that the caller finds the lock and
    // the name free when it hears back. This object may be gone afterwards.
    m_actions.standBy();
    return true;
}

} // namespace pacewise
