#pragma once

#include <QDBusConnection>
#include <QObject>

namespace pacewise {

// Tells when the machine woke from sleep: timers stop while it sleeps, so
// whatever fell due meanwhile is looked at again then.
class SleepWakeSource : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    void woke();
};

// systemd-logind's PrepareForSleep(false) on the system bus. Without a
// system bus or logind it simply never reports a wake; the minute tick and
// the wall-clock rules cover that.
class LogindSleepWakeSource final : public SleepWakeSource {
    Q_OBJECT

public:
    // The bus is the system bus unless a test hands in its own.
    explicit LogindSleepWakeSource(QObject *parent = nullptr);
    LogindSleepWakeSource(const QString &busAddress, QObject *parent);

    bool isConnected() const { return m_connected; }

private slots:
    void prepareForSleep(bool start);

private:
    void subscribe(QDBusConnection bus);

    bool m_connected = false;
};

} // namespace pacewise
