#include "app/CaffeineController.h"
#include "system/SleepWakeSource.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

using namespace pacewise;

// Against systemd-logind as python-dbusmock plays it, on a private bus this
// test starts: never the machine's own system bus.
class LogindTest : public QObject {
    Q_OBJECT

private:
    QProcess m_bus;
    QProcess m_logind;
    QString m_address;

    QDBusConnection bus() const { return QDBusConnection::connectToBus(m_address, QStringLiteral("test-logind")); }

    int inhibitors()
    {
        const QDBusMessage reply = bus().call(QDBusMessage::createMethodCall(
            u"org.freedesktop.login1"_qs, u"/org/freedesktop/login1"_qs, u"org.freedesktop.login1.Manager"_qs,
            u"ListInhibitors"_qs));
        if (reply.type() != QDBusMessage::ReplyMessage)
            return -1;
        const QDBusArgument list = reply.arguments().constFirst().value<QDBusArgument>();
        int count = 0;
        list.beginArray();
        while (!list.atEnd()) {
            QString what, who, why, mode;
            uint uid = 0, pid = 0;
            list.beginStructure();
            list >> what >> who >> why >> mode >> uid >> pid;
            list.endStructure();
            if (what == u"sleep:idle" && who == u"Pacewise" && mode == u"block")
                ++count;
        }
        list.endArray();
        return count;
    }

    void emitPrepareForSleep(bool start)
    {
        QDBusMessage signal = QDBusMessage::createMethodCall(u"org.freedesktop.login1"_qs, u"/org/freedesktop/login1"_qs,
                                                           u"org.freedesktop.DBus.Mock"_qs, u"EmitSignal"_qs);
        signal << u"org.freedesktop.login1.Manager"_qs << u"PrepareForSleep"_qs << u"b"_qs
             << QVariant::fromValue(QVariantList{start});
        QCOMPARE(bus().call(signal).type(), QDBusMessage::ReplyMessage);
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(u"dbus-daemon"_qs).isEmpty() || !QFileInfo::exists(u"/usr/bin/python3"_qs))
            QSKIP("needs dbus-daemon and python3-dbusmock (scripts/install-deps installs them)");
        m_bus.start(u"dbus-daemon"_qs, {u"--session"_qs, u"--nofork"_qs, u"--print-address=1"_qs});
        QVERIFY(m_bus.waitForReadyRead(10'000));
        m_address = QString::fromUtf8(m_bus.readLine()).trimmed();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"DBUS_SYSTEM_BUS_ADDRESS"_qs, m_address);
        m_logind.setProcessEnvironment(environment);
        m_logind.start(u"/usr/bin/python3"_qs, {u"-m"_qs, u"dbusmock"_qs, u"--template"_qs, u"logind"_qs});
        QTRY_VERIFY_WITH_TIMEOUT(bus().interface()->isServiceRegistered(u"org.freedesktop.login1"_qs).value(), 15'000);
    }

    void cleanupTestCase()
    {
        for (QProcess *process : {&m_logind, &m_bus}) {
            process->terminate();
            process->waitForFinished(5000);
        }
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
        LogindSleepWakeSource wake(m_address, nullptr);
        QVERIFY(wake.isConnected());
        QSignalSpy woke(&wake, &SleepWakeSource::woke);
        emitPrepareForSleep(true); // going to sleep: nothing yet
        emitPrepareForSleep(false);
        QTRY_COMPARE(woke.count(), 1);
    }
};

QTEST_GUILESS_MAIN(LogindTest)
#include "tst_logind.moc"
