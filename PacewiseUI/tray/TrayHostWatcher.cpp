#include "TrayHostWatcher.h"

#include "system/Logging.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QSystemTrayIcon>

namespace pacewise {

Q_LOGGING_CATEGORY(lcTrayHost, "pacewise.tray", QtInfoMsg)

namespace {
constexpr char watcherService[] = "org.kde.StatusNotifierWatcher";
}

TrayHostWatcher::TrayHostWatcher(QDBusConnection sessionBus, std::chrono::milliseconds xembedFallbackDelay, QObject *parent)
    : QObject(parent)
    , m_bus(sessionBus)
    , m_watcher(QString::fromLatin1(watcherService), sessionBus, QDBusServiceWatcher::WatchForRegistration)
{
    connect(&m_watcher, &QDBusServiceWatcher::serviceRegistered, this, [this] {
        m_watcherSeen = true;
        askForHost();
    });
    if (m_bus.isConnected()) {
        m_bus.connect(QString::fromLatin1(watcherService), QStringLiteral("/StatusNotifierWatcher"),
                      QString::fromLatin1(watcherService), QStringLiteral("StatusNotifierHostRegistered"), this, SLOT(askForHost()));
    }
    m_xembedFallback.setSingleShot(true);
    m_xembedFallback.setInterval(xembedFallbackDelay);
    connect(&m_xembedFallback, &QTimer::timeout, this, [this] {
        if (m_announced || m_watcherSeen)
            return; // a StatusNotifier tray is on its way
        if (QSystemTrayIcon::isSystemTrayAvailable())
            announce();
        else
            qCWarning(lcTrayHost, "no system tray on this desktop; start Pacewise again to open its panel");
    });
    m_xembedFallback.start();
    askForHost();
}

void TrayHostWatcher::askForHost()
{
    if (m_announced || !m_bus.isConnected())
        return;
    const QDBusMessage question =
        QDBusMessage::createMethodCall(QString::fromLatin1(watcherService), QStringLiteral("/StatusNotifierWatcher"),
                                       QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"))
        << QString::fromLatin1(watcherService) << QStringLiteral("IsStatusNotifierHostRegistered");
    auto *answer = new QDBusPendingCallWatcher(m_bus.asyncCall(question), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this, [this, answer] {
        answer->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *answer;
        if (!reply.isValid()) {
            if (!m_announced && !m_watcherSeen)
                qCInfo(lcTrayHost, "no StatusNotifier tray yet; waiting for one (start Pacewise again for the panel)");
            return;
        }
        m_watcherSeen = true;
        if (reply.value().variant().toBool())
            announce();
    });
}

void TrayHostWatcher::announce()
{
    if (m_announced)
        return;
    m_announced = true;
    m_xembedFallback.stop();
    emit trayAvailable();
}

} // namespace pacewise
