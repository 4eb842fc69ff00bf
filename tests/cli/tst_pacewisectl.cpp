#include "support/SkipUnlessCI.h"
#include "support/MockDesktopBus.h"
#include "support/ScratchHome.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace pacewise::test;

namespace {

// Files that tell the fake claude how to answer; see tests/fakes/claude.
using Scenario = QMap<QString, QByteArray>;

// Figures confirmed at confirmedAt: the 5-hour window at 42.4 % resetting
// at fiveHourReset, the weekly ones two days and three hours on.
QByteArray stateFile(qint64 confirmedAt, const QByteArray &extra = {}, qint64 fiveHourReset = 0)
{
    const QByteArray confirmed = QByteArray::number(confirmedAt);
    const QByteArray fiveHour = QByteArray::number(fiveHourReset ? fiveHourReset : confirmedAt + 7200);
    const QByteArray week = QByteArray::number(confirmedAt + 2 * 86400 + 3 * 3600 + 600);
    return R"({"limits":[)"
           R"({"kind":"five_hour","used_percentage":42.4,"resets_at":)" + fiveHour + R"(,"confirmed_at":)" + confirmed + "},"
           R"({"kind":"weekly_all","used_percentage":17,"resets_at":)" + week + R"(,"confirmed_at":)" + confirmed + "},"
           R"({"kind":"weekly_model","model":"Sonnet","used_percentage":99,"resets_at":)" + week + R"(,"confirmed_at":)" + confirmed + "}"
           "]" + extra + "}";
}

} // namespace

// Runs the real pacewisectl against a scratch home, as a user would.
class PacewisectlTest : public QObject {
    Q_OBJECT

private:
    ScratchHome m_home;

    void scenario(const Scenario &files)
    {
        QDir(m_home.scenario()).removeRecursively();
        for (auto file = files.begin(); file != files.end(); ++file)
            QVERIFY(writeFile(m_home.scenario(file.key()), file.value()));
    }

    // pacewisectl run as the unprivileged user nobody (the tests run as root).
    ProcessRun runAsNobody(const QStringList &arguments)
    {
        return m_home.run(QStringList{u"--reuid=nobody"_qs, u"--regid=nogroup"_qs, u"--clear-groups"_qs, u"--"_qs,
                                      QStringLiteral(PACEWISECTL)} + arguments,
                          {}, false, u"setpriv"_qs);
    }

    ProcessRun run(const QStringList &arguments, const QStringList &assignments = {}, bool withClaude = false)
    {
        return m_home.run(arguments, assignments, withClaude);
    }

    QString defaultStatePath() const { return m_home.filePath(u".claude/rate-limit-state.json"_qs); }

private slots:
    void init()
    {
        m_home.clear();
        QDir().mkpath(m_home.filePath(u"systemctl"_qs));
    }

    // A minute after the 5-hour reset: the window shows as not started,
    // the tray figure stays the 5-hour one, weekly resets carry their day
    // and every reset how long until then, in English whatever the locale.
    // Figures near a limit confirmed five minutes ago are stale, and say so
    // in every form, with an exit status of their own.
    void statusShowsEveryLimitAsItStandsNow()
    {
        const qint64 fiveMinutesAgo = QDateTime::currentSecsSinceEpoch() - 300;
        QVERIFY(writeFile(defaultStatePath(), stateFile(fiveMinutesAgo, {}, fiveMinutesAgo + 240)));
        const QString week = QDateTime::fromSecsSinceEpoch(fiveMinutesAgo + 2 * 86400 + 3 * 3600 + 600, Qt::UTC)
                                 .toString(u"ddd HH:mm"_qs).toLower();
        const ProcessRun result = run({u"status"_qs, u"--source"_qs, u"state"_qs}, {u"LC_ALL=de_DE.UTF-8"_qs});
        QCOMPARE(result.exitCode, 5);
        QCOMPARE(result.out, u"5 hours          0%  not started\n"
                             "Week            17%  resets %2, in 2 d 3 h\n"
                             "Week (Sonnet)   99%  resets %2, in 2 d 3 h\n"
                             "Updated: 5 min ago (5 min old: stale, nothing has confirmed these figures since)\n"
                             "Tray: 0% (critical)\n"
                             "Source: engine state file %1\n"_qs.arg(defaultStatePath(), week));
        QCOMPARE(result.err, QString());

        const ProcessRun format = run({u"status"_qs, u"--source=state"_qs,
                                       u"--format={five_hour}|{five_hour_reset}|{five_hour_reset_in}|{week_reset}|{week_reset_in}|{age}|{stale}"_qs});
        QCOMPARE(format.out, u"0|not started|not started|%1|2 d 3 h|5 min|stale\n"_qs.arg(week));
        const QJsonObject json = QJsonDocument::fromJson(run({u"status"_qs, u"--source=state"_qs, u"--json"_qs}).out.toUtf8()).object();
        const QJsonArray limits = json.value(u"limits"_qs).toArray();
        QCOMPARE(limits.at(0).toObject().value(u"started"_qs), QJsonValue(false));
        QCOMPARE(limits.at(0).toObject().value(u"resets_at"_qs), QJsonValue(QJsonValue::Null));
        QVERIFY(qAbs(limits.at(1).toObject().value(u"resets_in_seconds"_qs).toDouble() - (2 * 86400 + 3 * 3600 + 300)) < 30);
        QCOMPARE(limits.at(2).toObject().value(u"model"_qs), QJsonValue(u"Sonnet"_qs));
        QCOMPARE(json.value(u"overage"_qs), QJsonValue(false));
    }

    void statusAsksClaudeFirst()
    {
        // As in the real samples: a reset at 17:01:59 that the report calls
        // "5:02pm".
        const qint64 exactReset = QDateTime::currentSecsSinceEpoch() / 60 * 60 + 7259;
        const QDateTime fiveHourReset = QDateTime::fromSecsSinceEpoch(exactReset + 1, Qt::UTC);
        const QDateTime weekReset = QDateTime::currentDateTimeUtc().addDays(3);
        scenario({{u"usage-limits.stdout"_qs,
                   usageEnvelope(u"You are currently using your subscription to power your Claude Code usage\n\n"
                                 "Current session: 42% used · resets %1\n"
                                 "Current week (all models): 17% used · resets %2"_qs.arg(resetText(fiveHourReset),
                                                                                        resetText(weekReset)))}});
        const ProcessRun result = run({u"status"_qs}, {}, true);
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.out.startsWith(u"5 hours   42%  resets %1, in "_qs.arg(fiveHourReset.toString(u"HH:mm"_qs))),
                 qPrintable(result.out));
        QVERIFY(result.out.endsWith(u"Tray: 42% (normal)\nSource: claude usage report\n"_qs));

        // claude ran in the private scratch folder, without the variables
        // of a surrounding Claude Code session.
        const QString log = QString::fromUtf8(readFile(m_home.claudeLog()));
        QVERIFY(log.contains(u"cwd=%1/pacewise-cli-cwd\n"_qs.arg(m_home.filePath(u"run"_qs))));
        QVERIFY(log.contains(u"arg=/usage limits\narg=--output-format\narg=json\narg=--no-session-persistence\n"_qs));
        QVERIFY(!log.contains(u"env=CLAUDECODE="_qs));

        // The figures went to the state file for the guard and status bars.
        // Claude Code's status line then records a higher figure of the same
        // window, to the second: it stands, and confirmed within the
        // interval it spares the next status a claude run.
        const QJsonObject state = QJsonDocument::fromJson(readFile(defaultStatePath())).object();
        QCOMPARE(state[u"limits"_qs][0][u"used_percentage"_qs].toDouble(), 42.0);
        QVERIFY(state[u"limits"_qs][0][u"resets_at"_qs].toInteger() > exactReset);
        QProcess statusLine;
        statusLine.setProcessEnvironment(m_home.environment(false));
        statusLine.start(u"sh"_qs, {QStringLiteral(PACEWISE_SOURCE_DIR "/resources/EngineScripts/rate-limit-statusline.sh")});
        statusLine.write(R"({"session_id":"727bf826-03ae-4fc2-9f71-add1c61a409c","cost":{"total_api_duration_ms":506},)"
                         R"("rate_limits":{"five_hour":{"used_percentage":70,"resets_at":)" +
                         QByteArray::number(exactReset) + "}}}");
        statusLine.closeWriteChannel();
        QVERIFY(statusLine.waitForFinished(20'000));
        const ProcessRun spared = run({u"status"_qs, u"--json"_qs}, {}, true);
        const QJsonDocument json = QJsonDocument::fromJson(spared.out.toUtf8());
        QCOMPARE(json[u"source"_qs], QJsonValue(u"state_file"_qs));
        const QJsonObject fiveHour = json[u"limits"_qs][0].toObject();
        QCOMPARE(fiveHour[u"used_percent"_qs].toDouble(), 70.0);
        QCOMPARE(QDateTime::fromString(fiveHour[u"resets_at"_qs].toString(), Qt::ISODate).toSecsSinceEpoch(), exactReset);
        QCOMPARE(m_home.claudeCalls(u"usage-limits"_qs), 1);
    }

    // status --watch follows what Claude Code's status line records, at
    // once and without asking claude, until q.
    void statusWatchFollowsTheStatusLine()
    {
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        QVERIFY(writeFile(defaultStatePath(), stateFile(now, ",\"status_line_confirmed_at\":" + QByteArray::number(now))));
        const auto watch = m_home.start({u"status"_qs, u"--watch"_qs}, {}, true);
        QByteArray shown;
        const auto shows = [&](const QByteArray &figure) { return (shown += watch->readAllStandardOutput()).contains(figure); };
        QTRY_VERIFY_WITH_TIMEOUT(shows("42%"), 10'000);
        QProcess statusLine;
        statusLine.setProcessEnvironment(m_home.environment(false));
        statusLine.start(u"sh"_qs, {QStringLiteral(PACEWISE_SOURCE_DIR "/resources/EngineScripts/rate-limit-statusline.sh")});
        statusLine.write(R"({"session_id":"s","cost":{"total_api_duration_ms":1},"rate_limits":{"five_hour":)"
                         R"({"used_percentage":77,"resets_at":)" + QByteArray::number(now + 7200) + "}}}");
        statusLine.closeWriteChannel();
        QVERIFY(statusLine.waitForFinished(10'000));
        QTRY_VERIFY_WITH_TIMEOUT(shows("77%"), 2000);
        watch->write("q");
        QCOMPARE(ScratchHome::finish(*watch).exitCode, 0);
        QCOMPARE(m_home.claudeCalls(u"usage-limits"_qs), 0);
    }

    void statusFallsBackAndSaysWhy_data()
    {
        // The fake claude's answer; empty for no claude at all, with a good
        // state file to fall back on.
        QTest::addColumn<Scenario>("answer");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("expected");
        QTest::newRow("claude missing, state file good") << Scenario{} << QStringList{} << 0
            << u"Source: engine state file %1 (claude was not found on PATH"_qs;
        QTest::newRow("signed out, no state file")
            << Scenario{{u"usage-limits.stdout"_qs, usageEnvelope(u"Estimated cost:        $0.0000\nTotal duration (API):  0s"_qs)}}
            << QStringList{} << 3 << u"no usage data: claude showed no usage figures: it is signed out"_qs;
        QTest::newRow("claude hangs") << Scenario{{u"usage-limits.delay"_qs, "30"}, {u"usage-limits.ignore-term"_qs, ""}}
            << QStringList{u"--source=cli"_qs, u"--timeout=0.5"_qs} << 3 << u"no usage data: claude did not answer within 0.5 s\n"_qs;
        QTest::newRow("claude fails") << Scenario{{u"usage-limits.stderr"_qs, "Not logged in · Please run /login\n"}, {u"usage-limits.exit"_qs, "1"}}
            << QStringList{u"--source=cli"_qs} << 3
            << u"no usage data: claude exited with status 1: Not logged in · Please run /login\n"_qs;
    }

    void statusFallsBackAndSaysWhy()
    {
        QFETCH(Scenario, answer);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, expected);
        if (answer.isEmpty())
            QVERIFY(writeFile(defaultStatePath(), stateFile(QDateTime::currentSecsSinceEpoch())));
        scenario(answer);

        const ProcessRun result = run(QStringList{u"status"_qs} + arguments, {}, !answer.isEmpty());
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2(result.out.contains(expected.contains(u"%1"_qs) ? expected.arg(defaultStatePath()) : expected),
                 qPrintable(result.out));
        QCOMPARE(result.out.count(u"no usage data"_qs), exitCode == 3 ? 1 : 0);
    }

    void authTellsWhoIsSignedIn_data()
    {
        const QString samples = QStringLiteral(PACEWISE_TEST_DATA "/cli/");
        QTest::addColumn<Scenario>("answer"); // no claude at all when empty
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("signed out exits 1 but answers")
            << Scenario{{u"auth-status.stdout"_qs, readFile(samples + u"auth-status-signed-out.json"_qs)}, {u"auth-status.exit"_qs, "1"}}
            << 4 << u"Not signed in; run 'claude auth login' to sign in\n"_qs << QString();
        QTest::newRow("claude hangs") << Scenario{{u"auth-status.delay"_qs, "30"}, {u"auth-status.grandchild"_qs, ""}}
                                      << 1 << QString() << u"pacewisectl auth: claude auth status did not answer in time\n"_qs;
    }

    void authTellsWhoIsSignedIn()
    {
        QFETCH(Scenario, answer);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        scenario(answer);

        const ProcessRun result = run({u"auth"_qs, u"--timeout"_qs, u"0.5"_qs}, {}, !answer.isEmpty());
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(result.out, out);
        QVERIFY2(err.isEmpty() ? result.err.isEmpty() : result.err.contains(err), qPrintable(result.err));
        QVERIFY(result.err.count(u'\n') <= 1); // the reason, and no log noise
    }

    // The guard as a user with settings of their own meets it: their hook
    // that calls our script and their status line stay theirs, the status
    // line gets the recorder in front (or not, as they choose), the
    // threshold is theirs to set, and turning it all off again gives back
    // their file byte for byte.
    void guardKeepsTheUsersSettings()
    {
        const QString settings = m_home.filePath(u".claude/settings.json"_qs);
        const QByteArray mine = "{\n  \"model\": \"opus\",\n  \"hooks\": {\n    \"PreToolUse\": [\n      {\"matcher\": \"Bash\", \"hooks\": "
                                "[{\"type\": \"command\", \"command\": \"~/bin/audit.sh && ~/.claude/hooks/rate-limit-guard.sh\"}]}\n"
                                "    ]\n  },\n  \"statusLine\": {\"type\": \"command\", \"command\": \"~/bin/line.sh | tr a-z A-Z\"}\n}\n";
        QVERIFY(writeFile(settings, mine));
        ProcessRun result = run({u"guard"_qs, u"on"_qs});
        QCOMPARE(result.exitCode, 0);
        // It says what it did to their status line, and that paused sessions
        // wait for them until auto-continue is on.
        QCOMPARE(result.out, u"Endrun guard: on\nEngine scripts: up to date (%1/.claude/hooks)\n"
                             "Status line: yours still shows; Pacewise's recorder runs in front of it to record the figures "
                             "('pacewisectl guard recorder off' takes it out)\n"
                             "Auto-continue: off, so a session paused at a limit waits for you; 'pacewisectl auto-continue on' "
                             "continues it after the reset\n"_qs.arg(m_home.path()));
        const QString recorder = u"%1/.claude/hooks/rate-limit-statusline.sh --then '~/bin/line.sh | tr a-z A-Z'"_qs.arg(m_home.path());
        QCOMPARE(QJsonDocument::fromJson(readFile(settings))[u"statusLine"_qs][u"command"_qs].toString(), recorder);
        QVERIFY(readFile(settings).contains("~/bin/audit.sh && ~/.claude/hooks/rate-limit-guard.sh"));
        result = run({u"guard"_qs, u"status"_qs});
        QVERIFY2(result.out.contains(u"Threshold: 98 %\nFigures: Pacewise's recorder in front of your status line writes them to"_qs),
                 qPrintable(result.out));

        QCOMPARE(run({u"guard"_qs, u"recorder"_qs, u"off"_qs}).out, u"Recorder in front of your own status line: off\n"_qs);
        QCOMPARE(QJsonDocument::fromJson(readFile(settings))[u"statusLine"_qs][u"command"_qs].toString(), u"~/bin/line.sh | tr a-z A-Z"_qs);
        QVERIFY(run({u"guard"_qs, u"status"_qs}).out.contains(u"your own status line is kept alone"_qs));
        QCOMPARE(run({u"guard"_qs, u"recorder"_qs, u"on"_qs}).exitCode, 0);
        QCOMPARE(QJsonDocument::fromJson(readFile(settings))[u"statusLine"_qs][u"command"_qs].toString(), recorder);

        QCOMPARE(run({u"guard"_qs, u"threshold"_qs, u"90"_qs}).out, u"Guard threshold: 90 %\n"_qs);
        QCOMPARE(QJsonDocument::fromJson(readFile(settings))[u"env"_qs][u"CC_LIMIT_GUARD_THRESHOLD"_qs].toString(), u"90"_qs);
        QCOMPARE(run({u"guard"_qs, u"threshold"_qs, u"101"_qs}).exitCode, 2);
        QVERIFY(run({u"guard"_qs, u"status"_qs}).out.contains(u"Threshold: 90 %\n"_qs));
        QCOMPARE(run({u"guard"_qs, u"threshold"_qs, u"98"_qs}).exitCode, 0);

        // The engine scripts need jq: without it "on" is said to do nothing.
        QVERIFY(run({u"guard"_qs, u"on"_qs}, {u"PATH=/nonexistent"_qs}).out.contains(u"Warning: jq is not installed"_qs));
        QVERIFY(run({u"auto-continue"_qs, u"on"_qs}).out.contains(u"Auto-continue: on"_qs));
        QCOMPARE(run({u"auto-continue"_qs, u"off"_qs}).exitCode, 0);

        result = run({u"guard"_qs, u"off"_qs});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out.startsWith(u"Endrun guard: off\n"_qs));
        QCOMPARE(readFile(settings), mine);
        QVERIFY(run({u"auto-continue"_qs, u"on"_qs}).out.contains(u"The Endrun guard is off, so no session is recorded"_qs));
    }

    // A state file of the user's choosing reaches the engine scripts.
    void guardFollowsTheStateFile()
    {
        const QString settings = m_home.filePath(u".claude/settings.json"_qs);
        QCOMPARE(run({u"guard"_qs, u"on"_qs}).exitCode, 0);
        QVERIFY(run({u"guard"_qs, u"status"_qs}).out.contains(u"Figures: Claude Code's status line writes them to"_qs));
        const QString mine = u"PACEWISE_STATE_PATH=%1/mine.json"_qs.arg(m_home.path());
        QVERIFY(run({u"guard"_qs, u"status"_qs}, {mine}).out.contains(u"Warning: the guard reads %1"_qs.arg(defaultStatePath())));
        QCOMPARE(run({u"guard"_qs, u"on"_qs}, {mine}).exitCode, 0);
        QCOMPARE(QJsonDocument::fromJson(readFile(settings))[u"env"_qs][u"PACEWISE_STATE_PATH"_qs].toString(), m_home.filePath(u"mine.json"_qs));
        QVERIFY(!run({u"guard"_qs, u"status"_qs}, {mine}).out.contains(u"Warning"_qs));
        QVERIFY(run({u"guard"_qs, u"status"_qs}).out.contains(u"Warning: the guard reads %1/mine.json"_qs.arg(m_home.path())));
    }

    void guardRefusesWhatItMustNotTouch_data()
    {
        // Broken and read-only files are refused below, in the settings
        // file's own tests; these two need the command line or a real user.
        QTest::addColumn<bool>("edited"); // else a settings file of another user
        QTest::addColumn<QString>("message");
        QTest::newRow("edited engine script") << true << u"were edited; run 'pacewisectl guard reinstall'"_qs;
        QTest::newRow("settings of another user") << false << u"cannot be read (Permission denied)"_qs;
    }

    void guardRefusesWhatItMustNotTouch()
    {
        QFETCH(bool, edited);
        QFETCH(QString, message);
        const QString settings = m_home.filePath(u".claude/settings.json"_qs);
        QByteArray content = R"({"model":"opus"})";
        if (edited) {
            QCOMPARE(run({u"guard"_qs, u"on"_qs}).exitCode, 0);
            QCOMPARE(run({u"guard"_qs, u"off"_qs}).exitCode, 0);
            QVERIFY(writeFile(m_home.filePath(u".claude/hooks/rate-limit-guard.sh"_qs), "#!/bin/sh\n# mine\n"));
            content = readFile(settings);
        } else {
            // After `sudo claude` the file may belong to root, mode 0600; run
            // as an ordinary user then.
            if (::geteuid() != 0)
                PACEWISE_SKIP_UNLESS_CI("needs root to hand the home to another user");
            QVERIFY(::chown(QFile::encodeName(m_home.path()).constData(), 65534, 65534) == 0);
            QVERIFY(QDir().mkpath(m_home.filePath(u".claude"_qs)));
            QVERIFY(::chown(QFile::encodeName(m_home.filePath(u".claude"_qs)).constData(), 65534, 65534) == 0);
        }
        QVERIFY(writeFile(settings, content));
        QVERIFY(::chmod(QFile::encodeName(settings).constData(), 0600) == 0);

        const ProcessRun result = edited ? run({u"guard"_qs, u"on"_qs}) : runAsNobody({u"guard"_qs, u"on"_qs});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        QCOMPARE(result.err.count(u'\n'), 1);
        QCOMPARE(readFile(settings), content);
        if (edited)
            QCOMPARE(run({u"guard"_qs, u"reinstall"_qs}).exitCode, 0);
    }

    void caffeineIsHeldByTheRunningDaemon()
    {
        if (!MockDesktopBus::isAvailable())
            PACEWISE_SKIP_UNLESS_CI("needs dbus-daemon and python3-dbusmock (scripts/install-deps installs them)");
        const QString noBus = u"DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent"_qs;
        ProcessRun result = run({u"caffeine"_qs, u"on"_qs}, {noBus});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains(u"no session bus"_qs), qPrintable(result.err));

        MockDesktopBus bus;
        QVERIFY(bus.start(true));
        // The daemon's first poll finds the 5-hour window nearly used up; it
        // says so in the language the user chose for Pacewise.
        scenario({{u"usage-limits.stdout"_qs, usageEnvelope(93, 1, QDateTime::currentDateTimeUtc().addSecs(7200))}});
        QVERIFY(writeFile(m_home.filePath(u".config/Pacewise/Pacewise.conf"_qs), "[General]\nappLanguage=de\n"));
        // The one private bus stands in for both the session and the system bus.
        const QStringList buses{u"DBUS_SESSION_BUS_ADDRESS="_qs + bus.address(), u"DBUS_SYSTEM_BUS_ADDRESS="_qs + bus.address()};
        result = run({u"caffeine"_qs, u"status"_qs}, buses);
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains(u"no Pacewise is running"_qs), qPrintable(result.err));
        // Settings only a running Pacewise acts on say when none does.
        const QString nothingRuns = u"Note: neither the tray app nor the daemon runs"_qs;
        result = run({u"notifications"_qs, u"threshold"_qs, u"5h"_qs, u"92"_qs});
        QVERIFY2(result.out.contains(u"limit-near at      92 % of the 5-hour window"_qs) && result.out.contains(nothingRuns),
                 qPrintable(result.out));

        const auto daemon = m_home.start({u"daemon"_qs}, buses, true);
        QTRY_COMPARE_WITH_TIMEOUT(run({u"caffeine"_qs, u"status"_qs}, buses).out, u"Caffeine: off\n"_qs, 15'000);
        QVERIFY(!run({u"notifications"_qs, u"on"_qs, u"limit-near"_qs}).out.contains(nothingRuns));

        result = run({u"caffeine"_qs, u"on"_qs}, buses);
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, u"Caffeine: on (held by pid %1)\n"_qs.arg(daemon->processId()));
        QCOMPARE(bus.inhibitors(), 1);

        // A second daemon leaves the polling, and keep-awake, to the first.
        const auto secondDaemon = m_home.start({u"daemon"_qs}, buses, true);
        QByteArray secondLog;
        QTRY_VERIFY_WITH_TIMEOUT((secondLog += secondDaemon->readAllStandardError()).contains("already polls; standing by"), 15'000);
        QCOMPARE(run({u"caffeine"_qs, u"status"_qs}, buses).out, u"Caffeine: on (held by pid %1)\n"_qs.arg(daemon->processId()));

        QTRY_COMPARE_WITH_TIMEOUT(bus.notificationSummaries(), QStringList{u"93\u00a0% des 5-Stunden-Limits verbraucht"_qs}, 15'000);

        // Whoever runs next keeps the machine awake: a hand-over (the daemon
        // to the tray app and back) must not end an overnight job's keep-awake.
        for (QProcess *process : {secondDaemon.get(), daemon.get()}) {
            process->terminate();
            QVERIFY(process->waitForFinished(10'000));
            QCOMPARE(process->exitCode(), 0);
        }
        const auto next = m_home.start({u"daemon"_qs}, buses, true);
        QTRY_COMPARE_WITH_TIMEOUT(run({u"caffeine"_qs, u"status"_qs}, buses).out,
                                  u"Caffeine: on (held by pid %1)\n"_qs.arg(next->processId()), 15'000);
        QCOMPARE(run({u"caffeine"_qs, u"off"_qs}, buses).out, u"Caffeine: off\n"_qs);
        QTRY_COMPARE(bus.inhibitors(), 0);
        next->terminate();
        QVERIFY(next->waitForFinished(10'000));
        QCOMPARE(next->exitCode(), 0);
    }

    void jsonOutputFollowsTheDocumentedSchema_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("definition");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("expected"); // one field, as "key=value" of the top level
        QTest::newRow("status") << QStringList{u"status"_qs, u"--source=state"_qs, u"--json"_qs} << u"status"_qs << 5 << u"stale=true"_qs;
        QTest::newRow("status without data") << QStringList{u"status"_qs, u"--json"_qs} << u"status"_qs << 3 << u"confirmed_at=null"_qs;
        QTest::newRow("auth signed in") << QStringList{u"auth"_qs, u"--json"_qs} << u"auth"_qs << 0 << u"email=standin@example.com"_qs;
        QTest::newRow("guard") << QStringList{u"guard"_qs, u"status"_qs, u"--json"_qs} << u"guard"_qs << 0 << u"engine_scripts=upToDate"_qs;
        QTest::newRow("auto-continue") << QStringList{u"auto-continue"_qs, u"--json"_qs} << u"autoContinue"_qs << 0 << u"enabled=false"_qs;
        QTest::newRow("resume list") << QStringList{u"resume"_qs, u"list"_qs, u"--json"_qs} << u"resumeList"_qs << 0 << u"untrusted=null"_qs;
        QTest::newRow("kickstart") << QStringList{u"kickstart"_qs, u"at"_qs, u"06:30"_qs, u"--json"_qs} << u"kickstart"_qs << 0 << u"time=06:30"_qs;
        QTest::newRow("notifications") << QStringList{u"notifications"_qs, u"off"_qs, u"limit-near"_qs, u"--json"_qs} << u"notifications"_qs << 0 << u"limit_near=false"_qs;
        QTest::newRow("service") << QStringList{u"service"_qs, u"status"_qs, u"--json"_qs} << u"service"_qs << 0 << u"installed=false"_qs;
        QTest::newRow("autostart") << QStringList{u"autostart"_qs, u"--json"_qs} << u"autostart"_qs << 0 << u"enabled=false"_qs;
        QTest::newRow("update") << QStringList{u"update"_qs, u"check"_qs, u"--json"_qs} << u"update"_qs << 0 << u"state=package_manager"_qs;
        QTest::newRow("doctor") << QStringList{u"doctor"_qs, u"--json"_qs} << u"doctor"_qs << 1 << u"ok=false"_qs;
        // A failure answers in JSON too, with the same exit status.
        QTest::newRow("caffeine without a bus") << QStringList{u"caffeine"_qs, u"status"_qs, u"--json"_qs} << u"error"_qs << 1 << QString();
        QTest::newRow("a bad argument") << QStringList{u"guard"_qs, u"status"_qs, u"--json"_qs, u"--treshold"_qs} << u"error"_qs << 2 << QString();
    }

    void jsonOutputFollowsTheDocumentedSchema()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, definition);
        QFETCH(int, exitCode);
        QFETCH(QString, expected);
        QVERIFY(writeFile(defaultStatePath(), stateFile(QDateTime::currentSecsSinceEpoch() - 300)));
        if (QLatin1String(QTest::currentDataTag()) == u"status without data")
            QVERIFY(QFile::remove(defaultStatePath()));
        QCOMPARE(run({u"guard"_qs, u"on"_qs}).exitCode, 0);
        const QString session = u"727bf826-03ae-4fc2-9f71-add1c61a409c"_qs;
        QVERIFY(writeFile(m_home.filePath(u".claude/pacewise-resume-tickets/"_qs + session + u".json"_qs),
                          QStringLiteral("{\"session_id\":\"%1\",\"cwd\":\"/\",\"resets_at\":1,\"created_at\":1}").arg(session).toUtf8()));
        QVERIFY(QFile::setPermissions(m_home.filePath(u".claude/pacewise-resume-tickets"_qs), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        scenario({{u"auth-status.stdout"_qs, readFile(QStringLiteral(PACEWISE_TEST_DATA "/cli/auth-status-signed-in.json"))},
                  {u"usage-limits.exit"_qs, "1"}});

        const ProcessRun result = run(arguments, {}, true);
        QCOMPARE(result.exitCode, exitCode);
        QProcess validator;
        validator.start(u"/usr/bin/python3"_qs, {QStringLiteral(PACEWISE_SOURCE_DIR "/tests/support/validate_json.py"),
                                                 QStringLiteral(PACEWISE_SOURCE_DIR "/docs/pacewisectl.schema.json"), definition});
        validator.write(result.out.toUtf8());
        validator.closeWriteChannel();
        QVERIFY(validator.waitForFinished(30'000));
        QVERIFY2(validator.exitCode() == 0, qPrintable(QString::fromUtf8(validator.readAll()) + result.out));

        const QJsonObject object = QJsonDocument::fromJson(result.out.toUtf8()).object();
        if (!expected.isEmpty()) {
            const QJsonValue value = object.value(expected.section(u'=', 0, 0));
            const QString actual = value.isNull() ? u"null"_qs : value.isBool() ? (value.toBool() ? u"true"_qs : u"false"_qs) : value.toString();
            QCOMPARE(actual, expected.section(u'=', 1));
        }
    }

    void serviceIsInstalledThroughSystemd()
    {
        const QString unit = m_home.filePath(u".config/systemd/user/pacewise.service"_qs);
        const auto systemctlCalls = [this] { return QString::fromUtf8(readFile(m_home.filePath(u"systemctl.log"_qs))); };

        ProcessRun result = run({u"service"_qs, u"install"_qs}, {u"PATH=/nonexistent"_qs});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains(u"systemctl was not found"_qs), qPrintable(result.err));
        QVERIFY(writeFile(m_home.filePath(u"systemctl/no-manager"_qs), ""));
        result = run({u"service"_qs, u"install"_qs}, {}, true);
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.contains(u"no systemd user manager is reachable"_qs), qPrintable(result.err));
        QVERIFY(!QFileInfo::exists(unit)); // nothing changed
        QVERIFY(QFile::remove(m_home.filePath(u"systemctl/no-manager"_qs)));

        result = run({u"service"_qs, u"install"_qs}, {}, true);
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(readFile(unit).contains("\nExecStart=" PACEWISECTL " daemon\n"), readFile(unit).constData());
        QVERIFY(systemctlCalls().contains(u"--user daemon-reload\n--user enable --now pacewise.service\n"_qs));
        QCOMPARE(run({u"service"_qs}, {}, true).out, u"pacewise.service: enabled, running (%1)\n"_qs.arg(unit));

        result = run({u"service"_qs, u"uninstall"_qs}, {}, true);
        QCOMPARE(result.exitCode, 0);
        QVERIFY(!QFileInfo::exists(unit));
        QCOMPARE(run({u"service"_qs}, {}, true).out, u"pacewise.service: not installed (pacewisectl service install)\n"_qs);

        // A unit a package installed is used as it is, and never removed.
        QVERIFY(writeFile(m_home.filePath(u"systemctl/packaged"_qs), ""));
        QCOMPARE(run({u"service"_qs, u"install"_qs}, {}, true).out.startsWith(u"Wrote"_qs), false);
        QVERIFY(!QFileInfo::exists(unit));
        QCOMPARE(run({u"service"_qs}, {}, true).out, u"pacewise.service: enabled, running\n"_qs);
        QCOMPARE(run({u"service"_qs, u"uninstall"_qs}, {}, true).exitCode, 0);
        QCOMPARE(run({u"service"_qs}, {}, true).out, u"pacewise.service: disabled, not running\n"_qs);
    }

    void settingsInAReadOnlyHomeFailClearly()
    {
        if (::geteuid() != 0)
            PACEWISE_SKIP_UNLESS_CI("needs root to run as another user");
        QVERIFY(::chmod(QFile::encodeName(m_home.path()).constData(), 0755) == 0); // readable, not writable, by nobody
        for (const QStringList &arguments : {QStringList{u"kickstart"_qs, u"at"_qs, u"07:00"_qs},
                                             QStringList{u"notifications"_qs, u"off"_qs}}) {
            const ProcessRun result = runAsNobody(arguments);
            QCOMPARE(result.exitCode, 1);
            QVERIFY2(result.err.contains(u"the settings could not be saved to %1/.config/Pacewise/Pacewise.conf (not writable)"_qs
                                             .arg(m_home.path())),
                     qPrintable(result.err));
        }
        QCOMPARE(runAsNobody({u"status"_qs, u"--source=state"_qs}).exitCode, 3); // reading still works
    }

    void resumeCommandsFindAndDismissSessions()
    {
        const QString session = u"727bf826-03ae-4fc2-9f71-add1c61a409c"_qs;
        QVERIFY(writeFile(m_home.filePath(u".claude/pacewise-resume-tickets/"_qs + session + u".json"_qs),
                          QStringLiteral("{\"session_id\":\"%1\",\"cwd\":\"/nonexistent\",\"resets_at\":1,\"created_at\":1}").arg(session).toUtf8()));
        ProcessRun result = run({u"resume"_qs, u"list"_qs});
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.out.startsWith(u"727bf826  nonexistent\n          /nonexistent · resets "_qs), qPrintable(result.out));
        QVERIFY(result.out.contains(u"its directory no longer exists"_qs));
        result = run({u"resume"_qs, u"dismiss"_qs, u"99"_qs});
        QCOMPARE(result.exitCode, 1);
        QVERIFY(result.err.contains(u"no paused session '99'"_qs));
        result = run({u"resume"_qs, u"dismiss"_qs, u"727b"_qs});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(run({u"resume"_qs}).out, u"No paused sessions.\n"_qs);
    }

    void kickstartNowGreetsOnceEvenWhenAskedTwice()
    {
        scenario({{u"greeting.delay"_qs, "1.5"}});
        const auto first = m_home.start({u"kickstart"_qs, u"now"_qs}, {}, true);
        // The second asks while the first one's claude is greeting.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(m_home.scenario(u"greeting.pid"_qs)), 10'000);
        const auto second = m_home.start({u"kickstart"_qs, u"now"_qs}, {}, true);
        QVERIFY(second->waitForFinished(10'000));
        QCOMPARE(second->exitCode(), 1);
        QCOMPARE(second->readAllStandardError(), QByteArray("pacewisectl kickstart: a greeting is already being sent\n"));
        QVERIFY(first->waitForFinished(10'000));
        QCOMPARE(first->exitCode(), 0);
        QVERIFY(first->readAllStandardOutput().startsWith("Good morning sent"));
        const QString log = QString::fromUtf8(readFile(m_home.claudeLog()));
        QCOMPARE(m_home.claudeCalls(u"greeting"_qs), 1);
        QVERIFY(log.section(u"--- greeting\n"_qs, 1).contains(u"arg=-p\narg=Good morning\narg=--no-session-persistence\nenv="_qs));

        // A failure in claude's own words, kept for every later look.
        scenario({{u"greeting.exit"_qs, "1"}, {u"greeting.stdout"_qs, "You've hit your 5-hour limit · resets 11:23pm\n"}});
        const ProcessRun failed = run({u"kickstart"_qs, u"now"_qs, u"--json"_qs}, {}, true);
        QCOMPARE(failed.exitCode, 1);
        QCOMPARE(QJsonDocument::fromJson(failed.out.toUtf8())[u"last_reason"_qs].toString(), u"You've hit your 5-hour limit · resets 11:23pm"_qs);
        QVERIFY(run({u"kickstart"_qs, u"status"_qs}).out.contains(u" failed: You've hit your 5-hour limit · resets 11:23pm; will retry"_qs));
    }

    void badArgumentsFailWithOneLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown notification") << QStringList{u"notifications"_qs, u"off"_qs, u"everything"_qs} << u"unknown kind 'everything'"_qs;
        QTest::newRow("kickstart at 25:00") << QStringList{u"kickstart"_qs, u"at"_qs, u"25:00"_qs} << u"use 'at HH:MM'"_qs;
        QTest::newRow("chain through the night, unasked") << QStringList{u"kickstart"_qs, u"chain"_qs, u"until"_qs, u"06:00"_qs}
                                                          << u"add --overnight if that is meant"_qs;
        QTest::newRow("resume a path") << QStringList{u"resume"_qs, u"now"_qs, u"../../x"_qs} << u"'../../x' is not a session id"_qs;
        // A slip of the keyboard gets the word that was meant.
        QTest::newRow("a mistyped command") << QStringList{u"stauts"_qs} << u"unknown command 'stauts'; did you mean 'status'?"_qs;
        QTest::newRow("a mistyped option") << QStringList{u"status"_qs, u"--jsn"_qs} << u"unknown option '--jsn'; did you mean '--json'?"_qs;
        QTest::newRow("a mistyped action") << QStringList{u"caffeine"_qs, u"of"_qs} << u"unknown action 'of'; did you mean 'off'?"_qs;
        QTest::newRow("a missing value") << QStringList{u"status"_qs, u"--timeout"_qs} << u"status: missing value after '--timeout'; see"_qs;
    }

    void badArgumentsFailWithOneLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const ProcessRun result = run(arguments);
        QCOMPARE(result.exitCode, 2);
        QCOMPARE(result.out, QString());
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        QCOMPARE(result.err.count(u'\n'), 1);
        QVERIFY(!QFileInfo::exists(m_home.filePath(u".config/Pacewise/Pacewise.conf"_qs))); // nothing changed
    }

    // Each thing that is wrong gets its own line, with the fix; the rest of
    // the report still comes, and the exit status says something is wrong.
    void doctorNamesWhatIsWrongAndTheFix_data()
    {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("line");
        QTest::newRow("a fresh home") << u"fresh"_qs << QStringList{} << u"✗ Endrun guard: off, so nothing pauses Claude Code before a limit. Fix: pacewisectl guard on"_qs;
        QTest::newRow("no figures yet") << u"fresh"_qs << QStringList{} << u"✗ Figures: none recorded yet in"_qs;
        QTest::newRow("no jq") << u"guard on"_qs << QStringList{u"PATH=/nonexistent"_qs}
                               << u"✗ jq: not installed, so Endrun and the status line do nothing. Fix: install it: sudo apt install jq"_qs;
        QTest::newRow("no claude") << u"guard on"_qs << QStringList{u"PATH=/nonexistent"_qs} << u"✗ claude: not found on PATH"_qs;
        QTest::newRow("a guard edited by hand") << u"edited"_qs << QStringList{} << u"were edited. Fix: put Pacewise's back: pacewisectl guard reinstall"_qs;
        QTest::newRow("a stale state file") << u"stale"_qs << QStringList{} << u"✗ Figures: updated 2h ago, in"_qs;
        QTest::newRow("no daemon") << u"guard on"_qs << QStringList{} << u"✗ Running: neither the tray app nor the daemon"_qs;
        QTest::newRow("not signed in") << u"guard on"_qs << QStringList{} << u"✗ Signed in: no. Fix: run: claude auth login"_qs;
        QTest::newRow("sessions no one continues") << u"ticket"_qs << QStringList{} << u"✗ Paused sessions: 1 waits, but auto-continue is off"_qs;
    }

    void doctorNamesWhatIsWrongAndTheFix()
    {
        QFETCH(QString, setUp);
        QFETCH(QStringList, arguments);
        QFETCH(QString, line);
        scenario({{u"auth-status.stdout"_qs, R"({"loggedIn": false})"}});
        if (setUp != u"fresh")
            QCOMPARE(run({u"guard"_qs, u"on"_qs}).exitCode, 0);
        if (setUp == u"edited")
            QVERIFY(writeFile(m_home.filePath(u".claude/hooks/rate-limit-guard.sh"_qs), "#!/bin/sh\n# mine\n"));
        if (setUp == u"stale") {
            const QDateTime twoHoursAgo = QDateTime::currentDateTimeUtc().addSecs(-7200);
            QVERIFY(writeFile(defaultStatePath(), stateFile(twoHoursAgo.toSecsSinceEpoch())));
            QFile file(defaultStatePath());
            QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(twoHoursAgo, QFileDevice::FileModificationTime));
        }
        if (setUp == u"ticket") {
            QCOMPARE(run({u"auto-continue"_qs, u"on"_qs}).exitCode, 0);
            QVERIFY(writeFile(m_home.filePath(u".claude/pacewise-resume-tickets/727bf826-03ae-4fc2-9f71-add1c61a409c.json"_qs),
                              R"({"session_id":"727bf826-03ae-4fc2-9f71-add1c61a409c","cwd":"/","resets_at":1,"created_at":1})"));
            QCOMPARE(run({u"auto-continue"_qs, u"off"_qs}).exitCode, 0);
        }

        const ProcessRun result = run({u"doctor"_qs}, arguments, true);
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.out.contains(line), qPrintable(result.out));
        QCOMPARE(result.out.count(u'\n'), 12); // every check, and the count of what needs fixing
        QVERIFY2(result.out.endsWith(u" need fixing.\n"_qs), qPrintable(result.out));
    }

    // Signed in, the guard on, fresh figures, the daemon running, started
    // at login, with a notification server and logind: nothing to fix.
    void doctorFindsAWorkingSetUpWell()
    {
        if (!MockDesktopBus::isAvailable())
            PACEWISE_SKIP_UNLESS_CI("needs dbus-daemon and python3-dbusmock (scripts/install-deps installs them)");
        MockDesktopBus bus;
        QVERIFY(bus.start(true));
        const QStringList buses{u"DBUS_SESSION_BUS_ADDRESS="_qs + bus.address(), u"DBUS_SYSTEM_BUS_ADDRESS="_qs + bus.address()};
        scenario({{u"auth-status.stdout"_qs, readFile(QStringLiteral(PACEWISE_TEST_DATA "/cli/auth-status-signed-in.json"))},
                  {u"version.stdout"_qs, "2.1.332 (Claude Code)\n"},
                  {u"usage-limits.exit"_qs, "1"}});
        QCOMPARE(run({u"guard"_qs, u"on"_qs}).exitCode, 0);
        QCOMPARE(run({u"autostart"_qs, u"on"_qs}).exitCode, 0);
        QVERIFY(writeFile(defaultStatePath(), stateFile(QDateTime::currentSecsSinceEpoch())));
        const auto daemon = m_home.start({u"daemon"_qs}, buses, true);
        QTRY_VERIFY_WITH_TIMEOUT(run({u"doctor"_qs}, buses, true).out.contains(u"✓ Running: pid %1\n"_qs.arg(daemon->processId())), 15'000);

        const ProcessRun result = run({u"doctor"_qs}, buses, true);
        QVERIFY2(result.exitCode == 0 && result.out.endsWith(u"All is well.\n"_qs), qPrintable(result.out));
        QVERIFY2(result.out.startsWith(u"✓ claude: 2.1.332 (Claude Code), "_qs), qPrintable(result.out));
        const QJsonObject json = QJsonDocument::fromJson(run({u"doctor"_qs, u"--json"_qs}, buses, true).out.toUtf8()).object();
        QCOMPARE(json.value(u"ok"_qs), QJsonValue(true));
        QCOMPARE(json.value(u"checks"_qs).toArray().size(), 11);
        daemon->terminate();
        QVERIFY(daemon->waitForFinished(10'000));
    }

    // Whatever the command, it explains itself, and an option it does not
    // know changes nothing.
    void everyCommandHelpsAndRefusesUnknownOptions()
    {
        for (const QString &command : {u"status"_qs, u"auth"_qs, u"guard"_qs, u"auto-continue"_qs, u"resume"_qs, u"kickstart"_qs,
                                      u"caffeine"_qs, u"notifications"_qs, u"service"_qs, u"autostart"_qs, u"update"_qs, u"daemon"_qs,
                                      u"doctor"_qs}) {
            const ProcessRun help = run({command, u"--help"_qs});
            QVERIFY2(help.exitCode == 0 && help.out.contains(u"Usage: pacewisectl "_qs + command) && help.out.contains(u"Exit status"_qs),
                     qPrintable(help.out));
            const ProcessRun result = run({command, u"on"_qs, u"--frobnicate"_qs});
            QCOMPARE(result.exitCode, 2);
            QVERIFY2(result.err.count(u'\n') == 1 && result.err.contains(u"--help"_qs), qPrintable(result.err));
        }
        QVERIFY(run({u"--help"_qs}).out.contains(u"3  no usage data"_qs));
        QCOMPARE(run({u"help"_qs, u"kickstart"_qs}).out, run({u"kickstart"_qs, u"--help"_qs}).out);
        QVERIFY(run({u"--version"_qs}).out.startsWith(u"pacewisectl "_qs));
        QCOMPARE(QDir(m_home.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
                 (QStringList{u"run"_qs, u"systemctl"_qs}));
    }
};

QTEST_GUILESS_MAIN(PacewisectlTest)
#include "tst_pacewisectl.moc"
