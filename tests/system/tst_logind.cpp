#include "support/SkipUnlessCI.h"
#include "app/CaffeineController.h"
#include "system/SleepWakeSource.h"

#include "support/MockDesktopBus.h"

#include <QSignalSpy>
#include <QtTest>

#include <qcoro/qcorotask.h>

using namespace pacewise;
using namespace pacewise::test;

// Against systemd-logind as python-dbusmock plays it, on a private bus this
// test starts: never the machine's own buses.
class LogindTest : public QObject {
    Q_OBJECT

private:
    MockDesktopBus m_logind;

private slots:
    void initTestCase()
    {
        if (!MockDesktopBus::isAvailable())
            PACEWISE_SKIP_UNLESS_CI("needs dbus-daemon and python3-dbusmock (scripts/install-deps installs them)");
        QVERIFY(m_logind.start());
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
