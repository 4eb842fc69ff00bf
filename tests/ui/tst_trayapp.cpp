#include "support/SkipUnlessCI.h"
#include "support/MockDesktopBus.h"
#include "support/ScratchHome.h"

#include <QtTest>

using namespace pacewise::test;

// The tray application as a user starts it: on an X server of its own
// (Xvfb), with a private session bus, a scratch home and the fake claude.
class TrayAppTest : public QObject {
    Q_OBJECT

private:
    ScratchHome m_home;
    QProcess m_xvfb;
    QString m_display;
    std::optional<MockDesktopBus> m_bus;

    // On our display, with the bus at busAddress (else ours) as session and system bus.
    QProcessEnvironment environment(const QString &busAddress = {}) const
    {
        const QString bus = busAddress.isEmpty() ? m_bus->address() : busAddress;
        QProcessEnvironment environment = m_home.environment(true);
        environment.insert(u"DISPLAY"_qs, m_display);
        environment.insert(u"DBUS_SESSION_BUS_ADDRESS"_qs, bus);
        environment.insert(u"DBUS_SYSTEM_BUS_ADDRESS"_qs, bus);
        // libxkbcommon, which the X connection goes through, hands strndup a
        // length past the end of a string it knows to be terminated: fine
        // for strndup, not for the strict string checks of our own code.
        environment.insert(u"ASAN_OPTIONS"_qs, qEnvironmentVariable("ASAN_OPTIONS").replace(u"strict_string_checks=1"_qs,
                                                                                            u"strict_string_checks=0"_qs));
        environment.insert(u"LSAN_OPTIONS"_qs, qEnvironmentVariable("LSAN_OPTIONS"));
        return environment;
    }

    void start(QProcess &process, const QString &program, const QStringList &arguments = {}, const QString &busAddress = {}) const
    {
        process.setProcessEnvironment(environment(busAddress));
        process.start(program, arguments);
    }

    // Whether the process says wanted within 20 s; what it said is added to seen.
    static bool waitForOutput(QProcess &process, const QByteArray &wanted, QByteArray &seen)
    {
        QDeadlineTimer deadline(20'000);
        while (!seen.contains(wanted) && !deadline.hasExpired()) {
            process.waitForReadyRead(200);
            seen += process.readAllStandardError() + process.readAllStandardOutput();
        }
        return seen.contains(wanted);
    }

    // Ended as at logout, it exits cleanly: under ASan, a leak would fail it.
    static void endsCleanly(QProcess &process, QByteArray log = {})
    {
        process.terminate();
        QVERIFY(process.waitForFinished(20'000));
        log += process.readAllStandardError();
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QVERIFY2(process.exitCode() == 0, log.constData());
    }

    QVariant watcherProperty(const QString &name) const
    {
        const QString watcher = u"org.kde.StatusNotifierWatcher"_qs;
        QDBusMessage get = QDBusMessage::createMethodCall(watcher, u"/StatusNotifierWatcher"_qs, u"org.freedesktop.DBus.Properties"_qs, u"Get"_qs);
        get << watcher << name;
        const QDBusMessage reply = m_bus->connection().call(get);
        return reply.arguments().isEmpty() ? QVariant() : reply.arguments().constFirst().value<QDBusVariant>().variant();
    }

    // What xdotool prints, run on our display.
    QByteArray xdotool(const QStringList &arguments) const
    {
        QProcess xdotool;
        QProcessEnvironment onDisplay;
        onDisplay.insert(u"DISPLAY"_qs, m_display);
        xdotool.setProcessEnvironment(onDisplay);
        xdotool.start(u"xdotool"_qs, arguments);
        xdotool.waitForFinished(10'000);
        return xdotool.readAllStandardOutput().trimmed();
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(u"Xvfb"_qs).isEmpty() || !MockDesktopBus::isAvailable())
            PACEWISE_SKIP_UNLESS_CI("needs Xvfb, dbus-daemon and python3-dbusmock (scripts/install-deps installs them)");
        // Xvfb picks a free display and writes its number to the given fd.
        m_xvfb.start(u"sh"_qs, {u"-c"_qs, u"exec Xvfb -displayfd 1 -nolisten tcp -screen 0 1280x800x24"_qs});
        QVERIFY(m_xvfb.waitForReadyRead(20'000));
        m_display = u":"_qs + QString::fromUtf8(m_xvfb.readAllStandardOutput()).trimmed();
    }

    void init()
    {
        m_home.clear();
        m_bus.emplace();
        QVERIFY(m_bus->start());
    }

    void cleanupTestCase()
    {
        m_xvfb.terminate();
        m_xvfb.waitForFinished(5000);
    }

    // As at login: the daemon (a systemd service) runs first and steps
    // aside for the tray app, which waits for the tray to come up.
    void theDaemonStepsAsideAndTheIconShowsOnceATrayIsThere()
    {
        QProcess daemon, app;
        start(daemon, QStringLiteral(PACEWISECTL), {u"daemon"_qs});
        QByteArray daemonLog, log;
        QVERIFY2(waitForOutput(daemon, "running;", daemonLog), daemonLog.constData());
        start(app, QStringLiteral(PACEWISE));
        QVERIFY2(waitForOutput(app, "Pacewise started (tray only)", log), log.constData());
        QVERIFY2(waitForOutput(daemon, "standing by", daemonLog), daemonLog.constData());
        QVERIFY2(waitForOutput(app, "waiting for one", log), log.constData());
        QCOMPARE(m_bus->trayItems(), 0);
        QVERIFY(m_bus->startTrayWatcher());
        QTRY_COMPARE_WITH_TIMEOUT(m_bus->trayItems(), 1, 20'000);

        // A second start opens the first one's panel and ends.
        QProcess second;
        start(second, QStringLiteral(PACEWISE));
        QVERIFY(second.waitForFinished(20'000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(second.readAllStandardOutput(), QByteArray("Pacewise is already running; its panel is open\n"));
        endsCleanly(app, log);
        endsCleanly(daemon);
    }

    // A daemon started without a session bus holds the lock and cannot be
    // asked to step aside: the app says so in a tray icon of its own, and
    // takes over as soon as the daemon ends.
    void aPacewiseOutOfReachGetsAnIconThatSaysSoUntilItEnds()
    {
        QVERIFY(m_bus->startTrayWatcher());
        QProcess daemon, app;
        start(daemon, QStringLiteral(PACEWISECTL), {u"daemon"_qs}, u"unix:path=/nonexistent"_qs);
        QByteArray daemonLog, appLog;
        QVERIFY2(waitForOutput(daemon, "running;", daemonLog), daemonLog.constData());

        start(app, QStringLiteral(PACEWISE));
        QVERIFY2(waitForOutput(app, "standing by until it stops", appLog), appLog.constData());
        QTRY_COMPARE_WITH_TIMEOUT(m_bus->trayItems(), 1, 20'000);
        const QString tooltip = m_bus->lastTrayItemToolTip();
        QVERIFY2(tooltip.startsWith(u"Pacewise is waiting"_qs), qPrintable(tooltip));
        QVERIFY2(tooltip.contains(u"(process %1)"_qs.arg(daemon.processId())), qPrintable(tooltip));

        endsCleanly(daemon);
        if (QTest::currentTestFailed())
            return;
        // At once, not at the next half-minute retry.
        QVERIFY2(waitForOutput(app, "Pacewise started (tray only)", appLog), appLog.constData());
        QTRY_COMPARE_WITH_TIMEOUT(m_bus->trayItems(), 2, 20'000);
        QVERIFY(!m_bus->lastTrayItemToolTip().startsWith(u"Pacewise is waiting"_qs));
        endsCleanly(app);
    }

    // In XFCE's own panel, a real StatusNotifier host: the icon registers
    // with the figure, and a click on it opens the panel.
    void inARealPanelTheIconShowsTheFigureAndAClickOpensThePanel()
    {
        for (const char *tool : {"xfce4-panel", "xdotool"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                PACEWISE_SKIP_UNLESS_CI(qPrintable(QString::fromLatin1(tool) + u" is missing (scripts/install-deps installs it)"_qs));
        }
        const QString xfconfd = u"/usr/lib/x86_64-linux-gnu/xfce4/xfconf/xfconfd"_qs;
        if (!QFileInfo(xfconfd).isExecutable())
            PACEWISE_SKIP_UNLESS_CI("xfconfd is missing (it comes with xfce4-panel)");
        // One panel along the top, 32 pixels high, holding only the tray.
        QVERIFY(writeFile(m_home.filePath(u".config/xfce4/xfconf/xfce-perchannel-xml/xfce4-panel.xml"_qs), R"(<?xml version="1.0"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=6;x=0;y=0"/>
      <property name="length" type="uint" value="100"/>
      <property name="size" type="uint" value="32"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="plugin-ids" type="array"><value type="int" value="1"/></property>
    </property>
  </property>
  <property name="plugins" type="empty"><property name="plugin-1" type="string" value="systray"/></property>
</channel>
)"));
        QVERIFY(writeFile(m_home.filePath(u".config/Pacewise/Pacewise.conf"_qs), "[General]\nonboardingCompleted=true\n"));
        QVERIFY(writeFile(m_home.scenario(u"usage-limits.stdout"_qs),
                          usageEnvelope(42, 10, QDateTime::currentDateTimeUtc().addSecs(7200))));

        QProcessEnvironment desktop = environment();
        desktop.insert(u"NO_AT_BRIDGE"_qs, u"1"_qs);
        QProcess settingsDaemon, panel, app;
        const auto stop = qScopeGuard([&] {
            for (QProcess *process : {&app, &panel, &settingsDaemon}) {
                process->terminate();
                process->waitForFinished(10'000);
            }
        });
        for (QProcess *process : {&settingsDaemon, &panel}) {
            process->setProcessEnvironment(desktop);
            process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        }
        settingsDaemon.start(xfconfd, {});
        QVERIFY(settingsDaemon.waitForStarted());
        panel.start(u"xfce4-panel"_qs, {u"--disable-wm-check"_qs, u"--sm-client-disable"_qs});
        QTRY_VERIFY_WITH_TIMEOUT(watcherProperty(u"IsStatusNotifierHostRegistered"_qs).toBool(), 30'000);

        start(app, QStringLiteral(PACEWISE));
        QTRY_COMPARE_WITH_TIMEOUT(watcherProperty(u"RegisteredStatusNotifierItems"_qs).toStringList().size(), 1, 30'000);
        const QString item = watcherProperty(u"RegisteredStatusNotifierItems"_qs).toStringList().constFirst();
        QTRY_VERIFY_WITH_TIMEOUT(m_bus->trayItemToolTip(item).contains(u"42%"_qs), 30'000);
        const auto panelShown = [&] {
            return !xdotool({u"search"_qs, u"--onlyvisible"_qs, u"--name"_qs, u"^Pacewise$"_qs}).isEmpty();
        };
        QVERIFY(!panelShown());

        // The tray is the panel's only item, at its left end. The panel may
        // draw it a moment after the item registers: a click that found
        // nothing there is made again.
        bool shown = false;
        for (int click = 0; click < 5 && !shown; ++click) {
            // Not --sync: it waits for a motion that never comes when the
            // pointer is already there.
            xdotool({u"mousemove"_qs, u"11"_qs, u"16"_qs, u"click"_qs, u"1"_qs});
            shown = QTest::qWaitFor(panelShown, 5'000);
        }
        QVERIFY(shown);
    }

};

QTEST_GUILESS_MAIN(TrayAppTest)
#include "tst_trayapp.moc"
