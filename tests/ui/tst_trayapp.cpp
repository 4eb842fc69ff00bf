#include "support/MockDesktopBus.h"
#include "support/TestFiles.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace pacewise::test;

// The tray application as a user starts it: on an X server of its own
// (Xvfb), with a private session bus, a scratch home and the fake claude.
class TrayAppTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_home;
    QProcess m_xvfb;
    QString m_display;

    QProcessEnvironment environment(const QString &busAddress) const
    {
        QProcessEnvironment environment;
        environment.insert(u"HOME"_qs, m_home.path());
        environment.insert(u"XDG_RUNTIME_DIR"_qs, m_home.filePath(u"run"_qs));
        environment.insert(u"PATH"_qs, QStringLiteral(FAKE_CLAUDE_DIR ":/usr/bin:/bin"));
        environment.insert(u"FAKE_CLAUDE_SCENARIO"_qs, m_home.filePath(u"scenario"_qs));
        environment.insert(u"DISPLAY"_qs, m_display);
        environment.insert(u"DBUS_SESSION_BUS_ADDRESS"_qs, busAddress);
        environment.insert(u"DBUS_SYSTEM_BUS_ADDRESS"_qs, busAddress);
        // libxkbcommon, which the X connection goes through, hands strndup a
        // length past the end of a string it knows to be terminated: fine
        // for strndup, not for the strict string checks of our own code.
        environment.insert(u"ASAN_OPTIONS"_qs, qEnvironmentVariable("ASAN_OPTIONS").replace(u"strict_string_checks=1"_qs,
                                                                                            u"strict_string_checks=0"_qs));
        environment.insert(u"LSAN_OPTIONS"_qs, qEnvironmentVariable("LSAN_OPTIONS"));
        return environment;
    }

    static QByteArray waitForOutput(QProcess &process, const QByteArray &wanted, QByteArray &seen)
    {
        QDeadlineTimer deadline(20'000);
        while (!seen.contains(wanted) && !deadline.hasExpired()) {
            process.waitForReadyRead(200);
            seen += process.readAllStandardError() + process.readAllStandardOutput();
        }
        return seen;
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(u"Xvfb"_qs).isEmpty() || !MockDesktopBus::isAvailable())
            QSKIP("needs Xvfb, dbus-daemon and python3-dbusmock (scripts/install-deps installs them)");
        // Xvfb picks a free display and writes its number to the given fd.
        m_xvfb.start(u"sh"_qs, {u"-c"_qs, u"exec Xvfb -displayfd 1 -nolisten tcp -screen 0 1280x800x24"_qs});
        QVERIFY(m_xvfb.waitForReadyRead(20'000));
        m_display = u":"_qs + QString::fromUtf8(m_xvfb.readAllStandardOutput()).trimmed();
        QDir().mkpath(m_home.filePath(u"run"_qs));
        QFile::setPermissions(m_home.filePath(u"run"_qs), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void cleanupTestCase()
    {
        m_xvfb.terminate();
        m_xvfb.waitForFinished(5000);
    }

    void startsShowsItsIconOnceATrayIsThereAndQuitsCleanly()
    {
        MockDesktopBus bus;
        QVERIFY(bus.start());
        QProcess app;
        app.setProcessEnvironment(environment(bus.address()));
        app.start(QStringLiteral(PACEWISE), {});
        QByteArray log;
        QVERIFY2(waitForOutput(app, "Pacewise started (tray only)", log).contains("Pacewise started"), log.constData());
        QVERIFY2(waitForOutput(app, "waiting for one", log).contains("waiting for one"), log.constData());
        QCOMPARE(bus.trayItems(), 0);

        // The tray comes up after Pacewise, as at login.
        QVERIFY(bus.startTrayWatcher());
        QTRY_COMPARE_WITH_TIMEOUT(bus.trayItems(), 1, 20'000);

        // A second start opens the first one's panel and ends.
        QProcess second;
        second.setProcessEnvironment(environment(bus.address()));
        second.start(QStringLiteral(PACEWISE), {});
        QVERIFY(second.waitForFinished(20'000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(second.readAllStandardOutput(), QByteArray("Pacewise is already running; its panel is open\n"));

        app.terminate();
        QVERIFY(app.waitForFinished(20'000));
        log += app.readAllStandardError();
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QVERIFY2(app.exitCode() == 0, log.constData()); // under ASan, a leak would fail it
    }

    void theDaemonStepsAsideForTheTrayApp()
    {
        MockDesktopBus bus;
        QVERIFY(bus.start());
        QVERIFY(bus.startTrayWatcher());
        QProcess daemon, app;
        daemon.setProcessEnvironment(environment(bus.address()));
        daemon.start(QStringLiteral(PACEWISECTL), {u"daemon"_qs});
        QByteArray daemonLog, appLog;
        QVERIFY2(waitForOutput(daemon, "running;", daemonLog).contains("running;"), daemonLog.constData());

        app.setProcessEnvironment(environment(bus.address()));
        app.start(QStringLiteral(PACEWISE), {});
        QVERIFY2(waitForOutput(app, "Pacewise started (tray only)", appLog).contains("Pacewise started"), appLog.constData());
        QVERIFY2(waitForOutput(daemon, "standing by", daemonLog).contains("standing by"), daemonLog.constData());
        QTRY_COMPARE_WITH_TIMEOUT(bus.trayItems(), 1, 20'000);

        for (QProcess *process : {&app, &daemon}) {
            process->terminate();
            QVERIFY(process->waitForFinished(20'000));
            QVERIFY2(process->exitCode() == 0, process->readAllStandardError().constData());
        }
    }

    // A daemon started without a session bus holds the lock and cannot be
    // asked to step aside: the app says so in a tray icon of its own, and
    // takes over as soon as the daemon ends.
    void aPacewiseOutOfReachGetsAnIconThatSaysSoUntilItEnds()
    {
        MockDesktopBus bus;
        QVERIFY(bus.start());
        QVERIFY(bus.startTrayWatcher());
        QProcess daemon, app;
        daemon.setProcessEnvironment(environment(u"unix:path=/nonexistent"_qs));
        daemon.start(QStringLiteral(PACEWISECTL), {u"daemon"_qs});
        QByteArray daemonLog, appLog;
        QVERIFY2(waitForOutput(daemon, "running;", daemonLog).contains("running;"), daemonLog.constData());

        app.setProcessEnvironment(environment(bus.address()));
        app.start(QStringLiteral(PACEWISE), {});
        QVERIFY2(waitForOutput(app, "standing by until it stops", appLog).contains("standing by"), appLog.constData());
        QTRY_COMPARE_WITH_TIMEOUT(bus.trayItems(), 1, 20'000);
        const QString tooltip = bus.lastTrayItemToolTip();
        QVERIFY2(tooltip.startsWith(u"Pacewise is waiting"_qs), qPrintable(tooltip));
        QVERIFY2(tooltip.contains(u"(process %1)"_qs.arg(daemon.processId())), qPrintable(tooltip));

        daemon.terminate();
        QVERIFY(daemon.waitForFinished(20'000));
        QVERIFY2(daemon.exitCode() == 0, daemon.readAllStandardError().constData());
        // At once, not at the next half-minute retry.
        QVERIFY2(waitForOutput(app, "Pacewise started (tray only)", appLog).contains("Pacewise started"), appLog.constData());
        QTRY_COMPARE_WITH_TIMEOUT(bus.trayItems(), 2, 20'000);
        QVERIFY(!bus.lastTrayItemToolTip().startsWith(u"Pacewise is waiting"_qs));

        app.terminate();
        QVERIFY(app.waitForFinished(20'000));
        QVERIFY2(app.exitCode() == 0, app.readAllStandardError().constData());
    }

    void withoutADisplayItShowsTheStatusInstead()
    {
        QProcessEnvironment withoutDisplay = environment(u"unix:path=/nonexistent"_qs);
        withoutDisplay.remove(u"DISPLAY"_qs);
        QProcess app;
        app.setProcessEnvironment(withoutDisplay);
        app.start(QStringLiteral(PACEWISE), {});
        QVERIFY(app.waitForFinished(30'000));
        QCOMPARE(app.exitCode(), 3); // pacewisectl status: no data in an empty home
        QVERIFY(app.readAllStandardError().startsWith("pacewise: no display to put a tray icon on"));
        QVERIFY(app.readAllStandardOutput().startsWith("no usage data: "));
    }
};

QTEST_GUILESS_MAIN(TrayAppTest)
#include "tst_trayapp.moc"
