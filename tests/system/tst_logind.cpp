#include "support/SkipUnlessCI.h"
#include "app/CaffeineController.h"
#include "system/DesktopNotifications.h"
#include "system/SleepWakeSource.h"

#include "support/MockDesktopBus.h"

#include <QSignalSpy>
#include <QtTest>

#include <qcoro/qcorotask.h>

using namespace pacewise;
using namespace pacewise::test;

// Against systemd-logind and a notification server as python-dbusmock plays
// them, on a private bus this test starts: never the machine's own buses.
class LogindTest : public QObject {
    Q_OBJECT

private:
    MockDesktopBus m_logind;

    QDBusConnection bus() const { return m_logind.connection(); }
    int inhibitors() const { return m_logind.inhibitors(); }

private slots:
    void initTestCase()
    {
        if (!MockDesktopBus::isAvailable())
            PACEWISE_SKIP_UNLESS_CI("needs dbus-daemon and python3-dbusmock (scripts/install-deps installs them)");
        QVERIFY(m_logind.start(true));
    }

    // A notification server installed but not yet running is started by
    // the bus on the first notification, not taken for missing.
    void notificationsReachAServerTheBusStarts()
    {
        FreedesktopNotifications notifications(bus());
        notifications.show(u"Claude Code paused at the usage limit"_qs, u"body"_qs, DesktopNotifications::Urgency::normal);
        QTRY_COMPARE_WITH_TIMEOUT(m_logind.notificationSummaries(), QStringList{u"Claude Code paused at the usage limit"_qs}, 15'000);
    }

    void caffeineHoldsALogindInhibitorUntilSwitchedOff()
    {
        const QDBusConnection noSession = QDBusConnection::connectToBus(u"unix:path=/nonexistent"_qs, u"none"_qs);
        CaffeineController caffeine(std::make_shared<LinuxPowerAssertions>(noSession, bus()));
        QSignalSpy changed(&caffeine, &CaffeineController::isActiveChanged);
        auto first = caffeine.switchTo(true);
        QCoro::waitFor(caffeine.switchTo(true)); // asked already: once is enough
        QCoro::waitFor(first);
        QVERIFY(caffeine.isActive());
        QCOMPARE(changed.count(), 1);
        QTRY_COMPARE(inhibitors(), 1);
        QCoro::waitFor(caffeine.switchTo(false));
        QVERIFY(!caffeine.isActive());
        QTRY_COMPARE(inhibitors(), 0); // closing the descriptor released it
    }

    void withoutLogindCaffeineSaysItIsUnavailable()
    {
        const QDBusConnection none = QDBusConnection::connectToBus(u"unix:path=/nonexistent"_qs, u"none"_qs);
        CaffeineController caffeine(std::make_shared<LinuxPowerAssertions>(none, none));
        QCoro::waitFor(caffeine.switchTo(true));
        QVERIFY(!caffeine.isActive());
        QVERIFY(!caffeine.unavailableReason().isEmpty());
    }

    void wakingUpIsReported()
    {
        LogindSleepWakeSource wake(m_logind.address(), nullptr);
        QVERIFY(wake.isConnected());
        QSignalSpy woke(&wake, &SleepWakeSource::woke);
        m_logind.emitPrepareForSleep(true); // going to sleep: nothing yet
        m_logind.emitPrepareForSleep(false);
        QTRY_COMPARE(woke.count(), 1);
    }
};

QTEST_GUILESS_MAIN(LogindTest)
#include "tst_logind.moc"
