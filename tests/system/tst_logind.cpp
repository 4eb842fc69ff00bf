#include "app/CaffeineController.h"
#include "system/SleepWakeSource.h"

#include "support/MockDesktopBus.h"

#include <QSignalSpy>
#include <QtTest>

using namespace pacewise;
using namespace pacewise::test;

// Against systemd-logind as python-dbusmock plays it, on a private bus this
// test starts: never the machine's own system bus.
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
            QSKIP("needs dbus-daemon and python3-dbusmock (scripts/install-deps installs them)");
        QVERIFY(m_logind.start());
    }

    void caffeineHoldsALogindInhibitorUntilSwitchedOff()
    {
        const QDBusConnection noSession = QDBusConnection::connectToBus(u"unix:path=/nonexistent"_qs, u"none"_qs);
        CaffeineController caffeine(std::make_shared<LinuxPowerAssertions>(noSession, bus()));
        QSignalSpy changed(&caffeine, &CaffeineController::isActiveChanged);
        caffeine.start();
        caffeine.start(); // once is enough
        QVERIFY(caffeine.isActive());
        QCOMPARE(changed.count(), 1);
        QTRY_COMPARE(inhibitors(), 1);
        caffeine.setActive(false);
        QVERIFY(!caffeine.isActive());
        QTRY_COMPARE(inhibitors(), 0); // closing the descriptor released it
    }

    void withoutLogindCaffeineSaysItIsUnavailable()
    {
        const QDBusConnection none = QDBusConnection::connectToBus(u"unix:path=/nonexistent"_qs, u"none"_qs);
        CaffeineController caffeine(std::make_shared<LinuxPowerAssertions>(none, none));
        caffeine.start();
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
