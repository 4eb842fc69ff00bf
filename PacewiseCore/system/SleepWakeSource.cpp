#include "SleepWakeSource.h"

#include "Logging.h"

#include <QDBusConnection>

namespace pacewise {

Q_LOGGING_CATEGORY(lcWake, "pacewise.wake", QtInfoMsg)

LogindSleepWakeSource::LogindSleepWakeSource(QObject *parent)
    : SleepWakeSource(parent)
{
    subscribe(QDBusConnection::systemBus());
}

LogindSleepWakeSource::LogindSleepWakeSource(const QString &busAddress, QObject *parent)
    : SleepWakeSource(parent)
{
    subscribe(QDBusConnection::connectToBus(busAddress, QStringLiteral("pacewise-wake-") + busAddress));
}

void LogindSleepWakeSource::subscribe(QDBusConnection bus)
{
    m_connected = bus.isConnected() &&
                  bus.connect(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                              QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"), this,
                              SLOT(prepareForSleep(bool)));
    if (!m_connected)
        qCInfo(lcWake, "no logind on the system bus; wake-ups are noticed by the minute tick only");
}

void LogindSleepWakeSource::prepareForSleep(bool start)
{
    if (!start)
        emit woke();
}

} // namespace pacewise
