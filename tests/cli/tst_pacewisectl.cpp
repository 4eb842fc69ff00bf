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

    // pacewisectl given a command line as typed, its words apart at spaces.
    ProcessRun run(QStringView commandLine, const QStringList &assignments = {}, bool withClaude = false)
    {
        return m_home.run(commandLine.toString().split(u' '), assignments, withClaude);
    }

    // pacewisectl run as the unprivileged user nobody (the tests run as root).
    ProcessRun runAsNobody(QStringView commandLine)
    {
        return m_home.run(QStringList{u"--reuid=nobody"_qs, u"--regid=nogroup"_qs, u"--clear-groups"_qs, u"--"_qs,
                                      QStringLiteral(PACEWISECTL)} + commandLine.toString().split(u' '),
                          {}, false, u"setpriv"_qs);
    }

    // Claude Code's status line after a reply, handed the 5-hour figures;
    // its exit status.
    int statusLineRecords(int fiveHour, qint64 resetsAt)
    {
        const auto script = m_home.start({QStringLiteral(PACEWISE_SOURCE_DIR "/resources/EngineScripts/rate-limit-statusline.sh")}, {},
                                         false, u"sh"_qs);
        script->write(R"({"session_id":"s","cost":{"total_api_duration_ms":1},"rate_limits":{"five_hour":{"used_percentage":)" +
                      QByteArray::number(fiveHour) + R"(,"resets_at":)" + QByteArray::number(resetsAt) + "}}}");
        script->closeWriteChannel();
        return ScratchHome::finish(*script).exitCode;
    }

    // The run failed with exitCode, saying why in one line of error output.
    static void expectFailure(const ProcessRun &result, int exitCode, const QString &why)
    {
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2(result.err.contains(why), qPrintable(result.err));
        QCOMPARE(result.err.count(u'\n'), 1);
    }

    // A session paused at a limit that reset long ago, in the folder cwd.
    bool writeTicket(const QString &cwd)
    {
        return writeFile(m_home.filePath(u".claude/pacewise-resume-tickets/727bf826-03ae-4fc2-9f71-add1c61a409c.json"_qs),
                         uR"({"session_id":"727bf826-03ae-4fc2-9f71-add1c61a409c","cwd":"%1","resets_at":1,"created_at":1})"_qs.arg(cwd).toUtf8());
    }

    QString defaultStatePath() const { return m_home.filePath(u".claude/rate-limit-state.json"_qs); }
    QString settingsPath() const { return m_home.filePath(u".claude/settings.json"_qs); }
    QJsonDocument claudeSettings() const { return QJsonDocument::fromJson(readFile(settingsPath())); }

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
        const QString week = utc(fiveMinutesAgo + 2 * 86400 + 3 * 3600 + 600).toString(u"ddd HH:mm"_qs).toLower();
        const ProcessRun result = run(u"status --source state", {u"LC_ALL=de_DE.UTF-8"_qs});
        QCOMPARE(result.exitCode, 5);
        QCOMPARE(result.out, u"5 hours          0%  not started\n"
                             "Week            17%  resets %2, in 2 d 3 h\n"
                             "Week (Sonnet)   99%  resets %2, in 2 d 3 h\n"
                             "Updated: 5 min ago (5 min old: stale, nothing has confirmed these figures since)\n"
                             "Tray: 0% (critical)\n"
                             "Source: engine state file %1\n"_qs.arg(defaultStatePath(), week));
        QCOMPARE(result.err, QString());

        const ProcessRun format = run(u"status --source=state "
                                      "--format={five_hour}|{five_hour_reset}|{five_hour_reset_in}|{week_reset}|{week_reset_in}|{age}|{stale}");
        QCOMPARE(format.out, u"0|not started|not started|%1|2 d 3 h|5 min|stale\n"_qs.arg(week));
        const QJsonDocument json = QJsonDocument::fromJson(run(u"status --source=state --json").out.toUtf8());
        QCOMPARE(json[u"limits"_qs][0][u"started"_qs], QJsonValue(false));
        QCOMPARE(json[u"limits"_qs][0][u"resets_at"_qs], QJsonValue(QJsonValue::Null));
        QVERIFY(qAbs(json[u"limits"_qs][1][u"resets_in_seconds"_qs].toDouble() - (2 * 86400 + 3 * 3600 + 300)) < 30);
        QCOMPARE(json[u"limits"_qs][2][u"model"_qs], QJsonValue(u"Sonnet"_qs));
        QCOMPARE(json[u"overage"_qs], QJsonValue(false));
    }

    void statusAsksClaudeUntilTheStatusLineRecords()
    {
        // As in the real samples: a reset at 17:01:59 that the report calls
        // "5:02pm".
        const qint64 exactReset = QDateTime::currentSecsSinceEpoch() / 60 * 60 + 7259;
        const QDateTime fiveHourReset = utc(exactReset + 1);
        const QDateTime weekReset = QDateTime::currentDateTimeUtc().addDays(3);
        scenario({{u"usage-limits.stdout"_qs,
                   usageEnvelope(u"You are currently using your subscription to power your Claude Code usage\n\n"
                                 "Current session: 42% used · resets %1\n"
                                 "Current week (all models): 17% used · resets %2"_qs.arg(resetText(fiveHourReset),
                                                                                        resetText(weekReset)))}});
        const ProcessRun result = run(u"status", {}, true);
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
        const QJsonDocument state = QJsonDocument::fromJson(readFile(defaultStatePath()));
        QCOMPARE(state[u"limits"_qs][0][u"used_percentage"_qs].toDouble(), 42.0);
        QVERIFY(state[u"limits"_qs][0][u"resets_at"_qs].toInteger() > exactReset);
        QCOMPARE(statusLineRecords(70, exactReset), 0);
        const QJsonDocument json = QJsonDocument::fromJson(run(u"status --json", {}, true).out.toUtf8());
        QCOMPARE(json[u"source"_qs], QJsonValue(u"state_file"_qs));
        QCOMPARE(json[u"limits"_qs][0][u"used_percent"_qs].toDouble(), 70.0);
        QCOMPARE(QDateTime::fromString(json[u"limits"_qs][0][u"resets_at"_qs].toString(), Qt::ISODate).toSecsSinceEpoch(), exactReset);

        // status --watch follows what the status line records, at once and
        // without asking claude, until q.
        const auto watch = m_home.start({u"status"_qs, u"--watch"_qs}, {}, true);
        QByteArray shown;
        const auto shows = [&](const QByteArray &figure) { return (shown += watch->readAllStandardOutput()).contains(figure); };
        QTRY_VERIFY_WITH_TIMEOUT(shows("70%"), 10'000);
        QCOMPARE(statusLineRecords(77, exactReset), 0);
        QTRY_VERIFY_WITH_TIMEOUT(shows("77%"), 2000);
        watch->write("q");
        QCOMPARE(ScratchHome::finish(*watch).exitCode, 0);
        QCOMPARE(m_home.claudeCalls(u"usage-limits"_qs), 1);
    }

    void statusFallsBackAndSaysWhy_data()
    {
        QTest::addColumn<Scenario>("answer"); // none: no claude at all, and a good state file to fall back on
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("expected");
        QTest::newRow("claude missing, state file good") << Scenario{} << u"status"_qs << 0
            << u"Source: engine state file %1 (claude was not found on PATH"_qs;
        QTest::newRow("signed out, no state file")
            << Scenario{{u"usage-limits.stdout"_qs, usageEnvelope(u"Estimated cost:        $0.0000\nTotal duration (API):  0s"_qs)}}
            << u"status"_qs << 3 << u"no usage data: claude showed no usage figures: it is signed out"_qs;
        QTest::newRow("claude hangs") << Scenario{{u"usage-limits.delay"_qs, "30"}, {u"usage-limits.ignore-term"_qs, ""}}
            << u"status --source=cli --timeout=0.5"_qs << 3 << u"no usage data: claude did not answer within 0.5 s\n"_qs;
        QTest::newRow("claude fails") << Scenario{{u"usage-limits.stderr"_qs, "Not logged in · Please run /login\n"}, {u"usage-limits.exit"_qs, "1"}}
            << u"status --source=cli"_qs << 3 << u"no usage data: claude exited with status 1: Not logged in · Please run /login\n"_qs;
    }

    void statusFallsBackAndSaysWhy()
    {
        QFETCH(Scenario, answer);
        QFETCH(QString, command);
        QFETCH(int, exitCode);
        QFETCH(QString, expected);
        if (answer.isEmpty())
            QVERIFY(writeFile(defaultStatePath(), stateFile(QDateTime::currentSecsSinceEpoch())));
        scenario(answer);

        const ProcessRun result = run(command, {}, !answer.isEmpty());
        QCOMPARE(result.exitCode, exitCode);
        QVERIFY2(result.out.contains(expected.contains(u"%1"_qs) ? expected.arg(defaultStatePath()) : expected),
                 qPrintable(result.out));
        QCOMPARE(result.out.count(u"no usage data"_qs), exitCode == 3 ? 1 : 0);
    }

    // The guard as a user with settings of their own meets it: their hook
    // that calls our script and their status line stay theirs, the status
    // line gets the recorder in front (or not, as they choose), the
    // threshold is theirs to set, and turning it all off again gives back
    // their file byte for byte.
    void guardKeepsTheUsersSettings()
    {
        const QByteArray mine = "{\n  \"model\": \"opus\",\n  \"hooks\": {\n    \"PreToolUse\": [\n      {\"matcher\": \"Bash\", \"hooks\": "
                                "[{\"type\": \"command\", \"command\": \"~/bin/audit.sh && ~/.claude/hooks/rate-limit-guard.sh\"}]}\n"
                                "    ]\n  },\n  \"statusLine\": {\"type\": \"command\", \"command\": \"~/bin/line.sh | tr a-z A-Z\"}\n}\n";
        QVERIFY(writeFile(settingsPath(), mine));
        ProcessRun result = run(u"guard on");
        QCOMPARE(result.exitCode, 0);
        // It says what it did to their status line, and that paused sessions
        // wait for them until auto-continue is on.
        QCOMPARE(result.out, u"Endrun guard: on\nEngine scripts: up to date (%1/.claude/hooks)\n"
                             "Status line: yours still shows; Pacewise's recorder runs in front of it to record the figures "
                             "('pacewisectl guard recorder off' takes it out)\n"
                             "Auto-continue: off, so a session paused at a limit waits for you; 'pacewisectl auto-continue on' "
                             "continues it after the reset\n"_qs.arg(m_home.path()));
        const QString recorder = u"%1/.claude/hooks/rate-limit-statusline.sh --then '~/bin/line.sh | tr a-z A-Z'"_qs.arg(m_home.path());
        QCOMPARE(claudeSettings()[u"statusLine"_qs][u"command"_qs].toString(), recorder);
        QVERIFY(readFile(settingsPath()).contains("~/bin/audit.sh && ~/.claude/hooks/rate-limit-guard.sh"));
        result = run(u"guard status");
        QVERIFY2(result.out.contains(u"Threshold: 98 %\nFigures: Pacewise's recorder in front of your status line writes them to"_qs),
                 qPrintable(result.out));

        QCOMPARE(run(u"guard recorder off").out, u"Recorder in front of your own status line: off\n"_qs);
        QCOMPARE(claudeSettings()[u"statusLine"_qs][u"command"_qs].toString(), u"~/bin/line.sh | tr a-z A-Z"_qs);
        QVERIFY(run(u"guard status").out.contains(u"your own status line is kept alone"_qs));
        QCOMPARE(run(u"guard recorder on").exitCode, 0);
        QCOMPARE(claudeSettings()[u"statusLine"_qs][u"command"_qs].toString(), recorder);

        QCOMPARE(run(u"guard threshold 90").out, u"Guard threshold: 90 %\n"_qs);
        QCOMPARE(claudeSettings()[u"env"_qs][u"CC_LIMIT_GUARD_THRESHOLD"_qs].toString(), u"90"_qs);
        QCOMPARE(run(u"guard threshold 101").exitCode, 2);
        QVERIFY(run(u"guard status").out.contains(u"Threshold: 90 %\n"_qs));
        QCOMPARE(run(u"guard threshold 98").exitCode, 0);

        // The engine scripts need jq: without it "on" is said to do nothing.
        QVERIFY(run(u"guard on", {u"PATH=/nonexistent"_qs}).out.contains(u"Warning: jq is not installed"_qs));
        QVERIFY(run(u"auto-continue on").out.contains(u"Auto-continue: on"_qs));
        QCOMPARE(run(u"auto-continue off").exitCode, 0);

        result = run(u"guard off");
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out.startsWith(u"Endrun guard: off\n"_qs));
        QCOMPARE(readFile(settingsPath()), mine);
        QVERIFY(run(u"auto-continue on").out.contains(u"The Endrun guard is off, so no session is recorded"_qs));
    }

    // A state file of the user's choosing reaches the engine scripts.
    void guardFollowsTheStateFile()
    {
        QCOMPARE(run(u"guard on").exitCode, 0);
        QVERIFY(run(u"guard status").out.contains(u"Figures: Claude Code's status line writes them to"_qs));
        const QString mine = u"PACEWISE_STATE_PATH=%1/mine.json"_qs.arg(m_home.path());
        QVERIFY(run(u"guard status", {mine}).out.contains(u"Warning: the guard reads %1"_qs.arg(defaultStatePath())));
        QCOMPARE(run(u"guard on", {mine}).exitCode, 0);
        QCOMPARE(claudeSettings()[u"env"_qs][u"PACEWISE_STATE_PATH"_qs].toString(), m_home.filePath(u"mine.json"_qs));
        QVERIFY(!run(u"guard status", {mine}).out.contains(u"Warning"_qs));
        QVERIFY(run(u"guard status").out.contains(u"Warning: the guard reads %1/mine.json"_qs.arg(m_home.path())));
    }

    // Broken and read-only settings files are refused in the settings
    // file's own tests; this needs the command line.
    void guardLeavesAnEditedEngineScriptAlone()
    {
        QCOMPARE(run(u"guard on").exitCode, 0);
        QCOMPARE(run(u"guard off").exitCode, 0);
        QVERIFY(writeFile(m_home.filePath(u".claude/hooks/rate-limit-guard.sh"_qs), "#!/bin/sh\n# mine\n"));
        const QByteArray settings = readFile(settingsPath());
        expectFailure(run(u"guard on"), 1, u"were edited; run 'pacewisectl guard reinstall'"_qs);
        QCOMPARE(readFile(settingsPath()), settings);
        QCOMPARE(run(u"guard reinstall").exitCode, 0);
    }

    void caffeineIsHeldByTheRunningDaemon()
    {
        if (!MockDesktopBus::isAvailable())
            PACEWISE_SKIP_UNLESS_CI("needs dbus-daemon and python3-dbusmock (scripts/install-deps installs them)");
        MockDesktopBus bus;
        QVERIFY(bus.start(true));
        // The daemon's first poll finds the 5-hour window nearly used up; it
        // says so in the language the user chose for Pacewise.
        scenario({{u"usage-limits.stdout"_qs, usageEnvelope(93, 1, QDateTime::currentDateTimeUtc().addSecs(7200))}});
        QVERIFY(writeFile(m_home.filePath(u".config/Pacewise/Pacewise.conf"_qs), "[General]\nappLanguage=de\n"));
        // The one private bus stands in for both the session and the system bus.
        const QStringList buses{u"DBUS_SESSION_BUS_ADDRESS="_qs + bus.address(), u"DBUS_SYSTEM_BUS_ADDRESS="_qs + bus.address()};
        expectFailure(run(u"caffeine status", buses), 1, u"no Pacewise is running"_qs);
        // Settings only a running Pacewise acts on say when none does.
        const QString nothingRuns = u"Note: neither the tray app nor the daemon runs"_qs;
        ProcessRun result = run(u"notifications threshold 5h 92");
        QVERIFY2(result.out.contains(u"limit-near at      92 % of the 5-hour window"_qs) && result.out.contains(nothingRuns),
                 qPrintable(result.out));

        const auto daemon = m_home.start({u"daemon"_qs}, buses, true);
        QTRY_COMPARE_WITH_TIMEOUT(run(u"caffeine status", buses).out, u"Caffeine: off\n"_qs, 15'000);
        QVERIFY(!run(u"notifications on limit-near").out.contains(nothingRuns));
        result = run(u"caffeine on", buses);
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, u"Caffeine: on (held by pid %1)\n"_qs.arg(daemon->processId()));
        QCOMPARE(bus.inhibitors(), 1);

        // A second daemon leaves the polling, and keep-awake, to the first.
        const auto secondDaemon = m_home.start({u"daemon"_qs}, buses, true);
        QByteArray secondLog;
        QTRY_VERIFY_WITH_TIMEOUT((secondLog += secondDaemon->readAllStandardError()).contains("already polls; standing by"), 15'000);
        QCOMPARE(run(u"caffeine status", buses).out, u"Caffeine: on (held by pid %1)\n"_qs.arg(daemon->processId()));

        QTRY_COMPARE_WITH_TIMEOUT(bus.notificationSummaries(), QStringList{u"93\u00a0% des 5-Stunden-Limits verbraucht"_qs}, 15'000);

        // Whoever runs next keeps the machine awake: a hand-over (the daemon
        // to the tray app and back) must not end an overnight job's keep-awake.
        for (QProcess *process : {secondDaemon.get(), daemon.get()}) {
            process->terminate();
            QCOMPARE(ScratchHome::finish(*process).exitCode, 0);
        }
        const auto next = m_home.start({u"daemon"_qs}, buses, true);
        QTRY_COMPARE_WITH_TIMEOUT(run(u"caffeine status", buses).out, u"Caffeine: on (held by pid %1)\n"_qs.arg(next->processId()), 15'000);
        QCOMPARE(run(u"caffeine off", buses).out, u"Caffeine: off\n"_qs);
        QTRY_COMPARE(bus.inhibitors(), 0);
        next->terminate();
        QCOMPARE(ScratchHome::finish(*next).exitCode, 0);
    }

    void jsonOutputFollowsTheDocumentedSchema_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("definition");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("key"); // of one field of the top level, and its value
        QTest::addColumn<QJsonValue>("value");
        QTest::newRow("status") << u"status --source=state --json"_qs << u"status"_qs << 5 << u"stale"_qs << QJsonValue(true);
        QTest::newRow("status without data") << u"status --json"_qs << u"status"_qs << 3 << u"confirmed_at"_qs << QJsonValue(QJsonValue::Null);
        QTest::newRow("auth signed in") << u"auth --json"_qs << u"auth"_qs << 0 << u"email"_qs << QJsonValue(u"standin@example.com"_qs);
        QTest::newRow("guard") << u"guard status --json"_qs << u"guard"_qs << 0 << u"engine_scripts"_qs << QJsonValue(u"upToDate"_qs);
        QTest::newRow("auto-continue") << u"auto-continue --json"_qs << u"autoContinue"_qs << 0 << u"enabled"_qs << QJsonValue(false);
        QTest::newRow("resume list") << u"resume list --json"_qs << u"resumeList"_qs << 0 << u"untrusted"_qs << QJsonValue(QJsonValue::Null);
        QTest::newRow("kickstart") << u"kickstart at 06:30 --json"_qs << u"kickstart"_qs << 0 << u"time"_qs << QJsonValue(u"06:30"_qs);
        QTest::newRow("notifications") << u"notifications off limit-near --json"_qs << u"notifications"_qs << 0 << u"limit_near"_qs << QJsonValue(false);
        QTest::newRow("service") << u"service status --json"_qs << u"service"_qs << 0 << u"installed"_qs << QJsonValue(false);
        QTest::newRow("autostart") << u"autostart --json"_qs << u"autostart"_qs << 0 << u"enabled"_qs << QJsonValue(false);
        QTest::newRow("update") << u"update check --json"_qs << u"update"_qs << 0 << u"state"_qs << QJsonValue(u"package_manager"_qs);
        QTest::newRow("doctor") << u"doctor --json"_qs << u"doctor"_qs << 1 << u"ok"_qs << QJsonValue(false);
        // A failure answers in JSON too, with the same exit status.
        QTest::newRow("caffeine without a bus") << u"caffeine status --json"_qs << u"error"_qs << 1 << QString() << QJsonValue();
        QTest::newRow("a bad argument") << u"guard status --json --treshold"_qs << u"error"_qs << 2 << QString() << QJsonValue();
    }

    void jsonOutputFollowsTheDocumentedSchema()
    {
        QFETCH(QString, command);
        QFETCH(QString, definition);
        QFETCH(int, exitCode);
        QFETCH(QString, key);
        QFETCH(QJsonValue, value);
        if (QLatin1String(QTest::currentDataTag()) != u"status without data")
            QVERIFY(writeFile(defaultStatePath(), stateFile(QDateTime::currentSecsSinceEpoch() - 300)));
        QCOMPARE(run(u"guard on").exitCode, 0);
        QVERIFY(writeTicket(u"/"_qs));
        QVERIFY(QFile::setPermissions(m_home.filePath(u".claude/pacewise-resume-tickets"_qs), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        scenario({{u"auth-status.stdout"_qs, readFile(QStringLiteral(PACEWISE_TEST_DATA "/cli/auth-status-signed-in.json"))},
                  {u"usage-limits.exit"_qs, "1"}});

        const ProcessRun result = run(command, {}, true);
        QCOMPARE(result.exitCode, exitCode);
        QProcess validator;
        validator.start(u"/usr/bin/python3"_qs, {QStringLiteral(PACEWISE_SOURCE_DIR "/tests/support/validate_json.py"),
                                                 QStringLiteral(PACEWISE_SOURCE_DIR "/docs/pacewisectl.schema.json"), definition});
        validator.write(result.out.toUtf8());
        validator.closeWriteChannel();
        QVERIFY(validator.waitForFinished(30'000));
        QVERIFY2(validator.exitCode() == 0, qPrintable(QString::fromUtf8(validator.readAll()) + result.out));
        if (!key.isEmpty())
            QCOMPARE(QJsonDocument::fromJson(result.out.toUtf8())[key], value);
    }

    void serviceIsInstalledThroughSystemd()
    {
        const QString unit = m_home.filePath(u".config/systemd/user/pacewise.service"_qs);

        QVERIFY(writeFile(m_home.filePath(u"systemctl/no-manager"_qs), ""));
        expectFailure(run(u"service install", {}, true), 1, u"no systemd user manager is reachable"_qs);
        QVERIFY(!QFileInfo::exists(unit)); // nothing changed
        QVERIFY(QFile::remove(m_home.filePath(u"systemctl/no-manager"_qs)));

        QCOMPARE(run(u"service install", {}, true).exitCode, 0);
        QVERIFY2(readFile(unit).contains("\nExecStart=" PACEWISECTL " daemon\n"), readFile(unit).constData());
        QVERIFY(readFile(m_home.filePath(u"systemctl.log"_qs)).contains("--user daemon-reload\n--user enable --now pacewise.service\n"));
        QCOMPARE(run(u"service", {}, true).out, u"pacewise.service: enabled, running (%1)\n"_qs.arg(unit));

        QCOMPARE(run(u"service uninstall", {}, true).exitCode, 0);
        QVERIFY(!QFileInfo::exists(unit));
        QCOMPARE(run(u"service", {}, true).out, u"pacewise.service: not installed (pacewisectl service install)\n"_qs);

        // A unit a package installed is used as it is, and never removed.
        QVERIFY(writeFile(m_home.filePath(u"systemctl/packaged"_qs), ""));
        QCOMPARE(run(u"service install", {}, true).out.startsWith(u"Wrote"_qs), false);
        QVERIFY(!QFileInfo::exists(unit));
        QCOMPARE(run(u"service", {}, true).out, u"pacewise.service: enabled, running\n"_qs);
        QCOMPARE(run(u"service uninstall", {}, true).exitCode, 0);
        QCOMPARE(run(u"service", {}, true).out, u"pacewise.service: disabled, not running\n"_qs);
    }

    // A user in a home not theirs to write: settings fail clearly, and the
    // guard leaves settings it cannot read alone (after `sudo claude` the
    // file may belong to root, mode 0600).
    void anotherUsersFilesFailClearlyAndAreLeftAlone()
    {
        if (::geteuid() != 0)
            PACEWISE_SKIP_UNLESS_CI("needs root to run as another user");
        QVERIFY(::chmod(QFile::encodeName(m_home.path()).constData(), 0755) == 0); // readable, not writable, by nobody
        const QString notWritable = u"the settings could not be saved to %1/.config/Pacewise/Pacewise.conf (not writable)"_qs.arg(m_home.path());
        for (const QString &command : {u"kickstart at 07:00"_qs, u"notifications off"_qs})
            expectFailure(runAsNobody(command), 1, notWritable);
        QCOMPARE(runAsNobody(u"status --source=state").exitCode, 3); // reading still works

        const QByteArray settings = R"({"model":"opus"})";
        QVERIFY(writeFile(settingsPath(), settings));
        QVERIFY(::chmod(QFile::encodeName(settingsPath()).constData(), 0600) == 0);
        for (const QString &folder : {m_home.path(), m_home.filePath(u".claude"_qs)})
            QVERIFY(::chown(QFile::encodeName(folder).constData(), 65534, 65534) == 0);
        expectFailure(runAsNobody(u"guard on"), 1, u"cannot be read (Permission denied)"_qs);
        QCOMPARE(readFile(settingsPath()), settings);
    }

    void resumeCommandsFindAndDismissSessions()
    {
        QVERIFY(writeTicket(u"/nonexistent"_qs));
        const ProcessRun result = run(u"resume list");
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.out.startsWith(u"727bf826  nonexistent\n          /nonexistent · resets "_qs), qPrintable(result.out));
        QVERIFY(result.out.contains(u"its directory no longer exists"_qs));
        expectFailure(run(u"resume dismiss 99"), 1, u"no paused session '99'"_qs);
        QCOMPARE(run(u"resume dismiss 727b").exitCode, 0);
        QCOMPARE(run(u"resume").out, u"No paused sessions.\n"_qs);
    }

    void kickstartNowGreetsOnceEvenWhenAskedTwice()
    {
        scenario({{u"greeting.delay"_qs, "1.5"}});
        const auto first = m_home.start({u"kickstart"_qs, u"now"_qs}, {}, true);
        // The second asks while the first one's claude is greeting.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(m_home.scenario(u"greeting.pid"_qs)), 10'000);
        const ProcessRun second = run(u"kickstart now", {}, true);
        QCOMPARE(second.exitCode, 1);
        QCOMPARE(second.err, u"pacewisectl kickstart: a greeting is already being sent\n"_qs);
        const ProcessRun greeted = ScratchHome::finish(*first);
        QCOMPARE(greeted.exitCode, 0);
        QVERIFY(greeted.out.startsWith(u"Good morning sent"_qs));
        const QString log = QString::fromUtf8(readFile(m_home.claudeLog()));
        QCOMPARE(m_home.claudeCalls(u"greeting"_qs), 1);
        QVERIFY(log.section(u"--- greeting\n"_qs, 1).contains(u"arg=-p\narg=Good morning\narg=--no-session-persistence\nenv="_qs));

        // A failure in claude's own words, kept for every later look.
        scenario({{u"greeting.exit"_qs, "1"}, {u"greeting.stdout"_qs, "You've hit your 5-hour limit · resets 11:23pm\n"}});
        const ProcessRun failed = run(u"kickstart now --json", {}, true);
        QCOMPARE(failed.exitCode, 1);
        QCOMPARE(QJsonDocument::fromJson(failed.out.toUtf8())[u"last_reason"_qs].toString(), u"You've hit your 5-hour limit · resets 11:23pm"_qs);
        QVERIFY(run(u"kickstart status").out.contains(u" failed: You've hit your 5-hour limit · resets 11:23pm; will retry"_qs));
    }

    // What cannot be done is said in one line, and changes nothing.
    void commandsAnswerInOneLine_data()
    {
        QTest::addColumn<Scenario>("answer");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("assignments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err"); // in its one line; none at all when empty
        const auto badArguments = [](const char *name, const QString &command, const QString &err) {
            QTest::newRow(name) << Scenario{} << command << QStringList{} << 2 << QString() << err;
        };
        badArguments("unknown notification", u"notifications off everything"_qs, u"unknown kind 'everything'"_qs);
        badArguments("kickstart at 25:00", u"kickstart at 25:00"_qs, u"use 'at HH:MM'"_qs);
        badArguments("chain through the night, unasked", u"kickstart chain until 06:00"_qs, u"add --overnight if that is meant"_qs);
        badArguments("resume a path", u"resume now ../../x"_qs, u"'../../x' is not a session id"_qs);
        // A slip of the keyboard gets the word that was meant.
        badArguments("a mistyped command", u"stauts"_qs, u"unknown command 'stauts'; did you mean 'status'?"_qs);
        badArguments("a mistyped option", u"status --jsn"_qs, u"unknown option '--jsn'; did you mean '--json'?"_qs);
        badArguments("a mistyped action", u"caffeine of"_qs, u"unknown action 'of'; did you mean 'off'?"_qs);
        badArguments("a missing value", u"status --timeout"_qs, u"status: missing value after '--timeout'; see"_qs);
        QTest::newRow("auth signed out: claude exits 1 but answers")
            << Scenario{{u"auth-status.stdout"_qs, readFile(QStringLiteral(PACEWISE_TEST_DATA "/cli/auth-status-signed-out.json"))},
                        {u"auth-status.exit"_qs, "1"}}
            << u"auth --timeout 0.5"_qs << QStringList{} << 4 << u"Not signed in; run 'claude auth login' to sign in\n"_qs << QString();
        QTest::newRow("auth while claude hangs") << Scenario{{u"auth-status.delay"_qs, "30"}, {u"auth-status.grandchild"_qs, ""}}
            << u"auth --timeout 0.5"_qs << QStringList{} << 1 << QString() << u"pacewisectl auth: claude auth status did not answer in time\n"_qs;
        QTest::newRow("caffeine without a session bus") << Scenario{} << u"caffeine on"_qs
            << QStringList{u"DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent"_qs} << 1 << QString() << u"no session bus"_qs;
        QTest::newRow("service without systemctl") << Scenario{} << u"service install"_qs << QStringList{u"PATH=/nonexistent"_qs} << 1
                                                   << QString() << u"systemctl was not found"_qs;
    }

    void commandsAnswerInOneLine()
    {
        QFETCH(Scenario, answer);
        QFETCH(QString, command);
        QFETCH(QStringList, assignments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        scenario(answer);
        const ProcessRun result = run(command, assignments, true);
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(result.out, out);
        QVERIFY2(err.isEmpty() ? result.err.isEmpty() : result.err.contains(err) && result.err.count(u'\n') == 1, qPrintable(result.err));
        QVERIFY(!QFileInfo::exists(m_home.filePath(u".config/Pacewise/Pacewise.conf"_qs)));
    }

    // Each thing that is wrong gets its own line, with the fix; the rest of
    // the report still comes, and the exit status says something is wrong.
    void doctorNamesWhatIsWrongAndTheFix_data()
    {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("a fresh home") << u"fresh"_qs
            << QStringList{u"✗ Endrun guard: off, so nothing pauses Claude Code before a limit. Fix: pacewisectl guard on"_qs,
                           u"✗ Figures: none recorded yet in"_qs};
        QTest::newRow("no jq, no claude") << u"guard on, empty PATH"_qs
            << QStringList{u"✗ jq: not installed, so Endrun and the status line do nothing. Fix: install it: sudo apt install jq"_qs,
                           u"✗ claude: not found, neither on PATH"_qs};
        QTest::newRow("a guard edited by hand") << u"edited"_qs
                                                << QStringList{u"were edited. Fix: put Pacewise's scripts back: pacewisectl guard reinstall"_qs};
        QTest::newRow("a stale state file") << u"stale"_qs << QStringList{u"✗ Figures: updated 2h ago, in"_qs};
        QTest::newRow("no daemon, not signed in") << u"guard on"_qs
            << QStringList{u"✗ Running: neither the tray app nor the daemon"_qs, u"✗ Signed in: no. Fix: run: claude auth login"_qs};
        QTest::newRow("sessions no one continues") << u"ticket"_qs << QStringList{u"✗ Paused sessions: 1 waits, but auto-continue is off"_qs};
    }

    void doctorNamesWhatIsWrongAndTheFix()
    {
        QFETCH(QString, setUp);
        QFETCH(QStringList, lines);
        scenario({{u"auth-status.stdout"_qs, R"({"loggedIn": false})"}});
        if (setUp != u"fresh")
            QCOMPARE(run(u"guard on").exitCode, 0);
        if (setUp == u"edited")
            QVERIFY(writeFile(m_home.filePath(u".claude/hooks/rate-limit-guard.sh"_qs), "#!/bin/sh\n# mine\n"));
        if (setUp == u"stale") {
            const QDateTime twoHoursAgo = QDateTime::currentDateTimeUtc().addSecs(-7200);
            QVERIFY(writeFile(defaultStatePath(), stateFile(twoHoursAgo.toSecsSinceEpoch()), twoHoursAgo));
        }
        if (setUp == u"ticket") {
            QCOMPARE(run(u"auto-continue on").exitCode, 0);
            QVERIFY(writeTicket(u"/"_qs));
            QCOMPARE(run(u"auto-continue off").exitCode, 0);
        }

        const ProcessRun result = run(u"doctor", setUp.endsWith(u"empty PATH") ? QStringList{u"PATH=/nonexistent"_qs} : QStringList(), true);
        QCOMPARE(result.exitCode, 1);
        for (const QString &line : lines)
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
        QCOMPARE(run(u"guard on").exitCode, 0);
        QCOMPARE(run(u"autostart on").exitCode, 0);
        QVERIFY(writeFile(defaultStatePath(), stateFile(QDateTime::currentSecsSinceEpoch())));
        const auto daemon = m_home.start({u"daemon"_qs}, buses, true);
        QTRY_VERIFY_WITH_TIMEOUT(run(u"doctor", buses, true).out.contains(u"✓ Running: pid %1\n"_qs.arg(daemon->processId())), 15'000);

        const ProcessRun result = run(u"doctor", buses, true);
        QVERIFY2(result.exitCode == 0 && result.out.endsWith(u"All is well.\n"_qs), qPrintable(result.out));
        QVERIFY2(result.out.startsWith(u"✓ claude: 2.1.332 (Claude Code), "_qs), qPrintable(result.out));
        const QJsonDocument json = QJsonDocument::fromJson(run(u"doctor --json", buses, true).out.toUtf8());
        QCOMPARE(json[u"ok"_qs], QJsonValue(true));
        QCOMPARE(json[u"checks"_qs].toArray().size(), 11);
        daemon->terminate();
        QCOMPARE(ScratchHome::finish(*daemon).exitCode, 0);
    }

    // Whatever the command, it explains itself, and an option it does not
    // know changes nothing.
    void everyCommandHelpsAndRefusesUnknownOptions()
    {
        for (const QString &command :
             u"status auth guard auto-continue resume kickstart caffeine notifications service autostart update daemon doctor"_qs.split(u' ')) {
            const ProcessRun help = run(command + u" --help"_qs);
            QVERIFY2(help.exitCode == 0 && help.out.contains(u"Usage: pacewisectl "_qs + command) && help.out.contains(u"Exit status"_qs),
                     qPrintable(help.out));
            expectFailure(run(command + u" on --frobnicate"_qs), 2, u"--help"_qs);
        }
        QVERIFY(run(u"--help").out.contains(u"3  no usage data"_qs));
        QCOMPARE(run(u"help kickstart").out, run(u"kickstart --help").out);
        QVERIFY(run(u"--version").out.startsWith(u"pacewisectl "_qs));
        QCOMPARE(QDir(m_home.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
                 (QStringList{u"run"_qs, u"systemctl"_qs}));
    }
};

QTEST_GUILESS_MAIN(PacewisectlTest)
#include "tst_pacewisectl.moc"
