#include "DesktopNotifications.h"

#include "PacewiseCoreInfo.h"
#include "Logging.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QVariantMap>

namespace pacewise {

Q_LOGGING_CATEGORY(lcNotifications, "pacewise.notifications", QtInfoMsg)

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");

} // namespace

FreedesktopNotifications::FreedesktopNotifications(QDBusConnection bus)
    : m_bus(std::move(bus))
{
    if (!m_bus.isConnected())
        return;
    const QDBusMessage capabilities = QDBusMessage::createMethodCall(
        service, QStringLiteral("/org/freedesktop/Notifications"), service, QStringLiteral("GetCapabilities"));
    auto *reply = new QDBusPendingCallWatcher(m_bus.asyncCall(capabilities));
    QObject::connect(reply, &QDBusPendingCallWatcher::finished, reply, [reply, markup = m_bodyMarkup] {
        reply->deleteLater();
        const QDBusMessage answer = reply->reply();
        if (!reply->isError() && !answer.arguments().isEmpty())
            *markup = answer.arguments().constFirst().toStringList().contains(QStringLiteral("body-markup"));
    });
}

void FreedesktopNotifications::show(const QString &summary, const QString &body, Urgency urgency)
{
    if (!m_bus.isConnected()) {
        if (!std::exchange(*m_reportedMissing, true))
            qCInfo(lcNotifications, "no session bus; notifications are not shown");
        return;
    }
    const QString applicationId = QString::fromLatin1(PacewiseCoreInfo::applicationId);
    QDBusMessage notify = QDBusMessage::createMethodCall(service, QStringLiteral("/org/freedesktop/Notifications"), service,
                                                         QStringLiteral("Notify"));
    const QVariantMap hints{
        {QStringLiteral("desktop-entry"), applicationId},
        {QStringLiteral("urgency"), QVariant::fromValue(uchar(urgency))},
    };
    notify << QStringLiteral("Pacewise") << uint(0) << applicationId << summary << (*m_bodyMarkup ? body.toHtmlEscaped() : body)
           << QStringList() << hints << int(-1);
    // Called without asking first whether a server runs: the bus starts one
    // that is installed but not running yet, and asking would block.
    auto *reply = new QDBusPendingCallWatcher(m_bus.asyncCall(notify));
    QObject::connect(reply, &QDBusPendingCallWatcher::finished, reply, [reply, reported = m_reportedMissing] {
        reply->deleteLater();
        if (!reply->isError()) {
            *reported = false;
        } else if (!std::exchange(*reported, true)) {
            qCInfo(lcNotifications, "notifications are not shown: %s", qUtf8Printable(reply->error().message()));
        }
    });
}

} // namespace pacewise
