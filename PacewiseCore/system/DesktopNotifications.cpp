#include "DesktopNotifications.h"

#include "PacewiseCoreInfo.h"
#include "Logging.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QVariantMap>

namespace pacewise {

Q_LOGGING_CATEGORY(lcNotifications, "pacewise.notifications", QtInfoMsg)

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");

} // namespace

FreedesktopNotifications::FreedesktopNotifications(QDBusConnection bus)
    : m_bus(std::move(bus))
{
}

void FreedesktopNotifications::show(const QString &summary, const QString &body, Urgency urgency)
{
    if (!m_bus.isConnected() || !m_bus.interface()->isServiceRegistered(service).value()) {
        if (!std::exchange(m_reportedMissing, true))
            qCInfo(lcNotifications, "no notification server on the session bus; notifications are not shown");
        return;
    }
    m_reportedMissing = false;
    const QString applicationId = QString::fromLatin1(PacewiseCoreInfo::applicationId);
    QDBusMessage notify = QDBusMessage::createMethodCall(service, QStringLiteral("/org/freedesktop/Notifications"), service,
                                                         QStringLiteral("Notify"));
    const QVariantMap hints{
        {QStringLiteral("desktop-entry"), applicationId},
        {QStringLiteral("urgency"), QVariant::fromValue(uchar(urgency))},
    };
    notify << QStringLiteral("Pacewise") << uint(0) << applicationId << summary << body << QStringList() << hints
           << int(-1);
    m_bus.asyncCall(notify);
}

} // namespace pacewise
