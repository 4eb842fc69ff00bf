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
        QVERIFY(m_logind.start(true));
    }

    void withoutLogindCaffeineSaysItIsUnavailable()
    {
        const QDBusConnection none = QDBusConnection::connectToBus(u"unix:path=/nonexistent"_qs, u"none"_qs);
        CaffeineController caffeine(std::make_shared<LinuxSleepInhibitors>(none, none));
        QCoro::waitFor(caffeine.switchTo(true));
        QVERIFY(!caffeine.isActive());
        QVERIFY(!caffeine.unavailableReason().isEmpty());
    }

    // A session's title is shown as written, never read as markup by a
    // server that reads markup in bodies.
    void notificationBodiesShowTitlesAsWritten()
    {
        FreedesktopNotifications notifications(m_logind.connection());
        notifications.show(u"Session continued"_qs, u"“<b>Fix</b> A & B”"_qs, DesktopNotifications::Urgency::normal);
        QTRY_COMPARE(m_logind.notificationSummaries(4), QStringList{u"“&lt;b&gt;Fix&lt;/b&gt; A &amp; B”"_qs});
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
