#include "resume/SessionTranscript.h"
#include "support/ScratchHome.h"

#include <QtTest>

#include <QElapsedTimer>

#include <signal.h>
#include <sys/stat.h>

using namespace pacewise::test;

namespace {

const QString session = u"0f76730a-752b-4aa3-865c-aec0624eaedb"_qs;

} // namespace

// Sessions continued exactly once whatever else runs, as users meet it:
// real pacewisectl processes, side by side, with the fake claude and a
// scratch home.
class ResumeProcessesTest : public QObject {
    Q_OBJECT

private:
    ScratchHome m_home;

    QString home(const QString &path) const { return m_home.filePath(path); }
    QString tickets() const { return home(u".claude/pacewise-resume-tickets"_qs); }
    QString ticket() const { return tickets() + u'/' + session + u".json"_qs; }
    QString scenario(const QString &file) const { return m_home.scenario(file); }
    qsizetype claudeResumes() const { return m_home.claudeCalls(u"resume"_qs); }
    std::unique_ptr<QProcess> start(const QStringList &arguments) const { return m_home.start(arguments, {}, true); }
    ProcessRun run(const QStringList &arguments) const { return m_home.run(arguments, {}, true); }
    ProcessRun resumeNow() const { return run({u"resume"_qs, u"now"_qs, session}); }
    QString resumeList() const { return run({u"resume"_qs, u"list"_qs}).out; }
    QString transcript() const { return pacewise::SessionTranscript::pathFor(home(u".claude/projects"_qs), home(u"work"_qs), session); }

    void typeInTranscript(const QDateTime &at, const QString &text) const
    {
        QFile file(transcript());
        QVERIFY(QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::Append));
        const QJsonObject line{{u"type"_qs, u"user"_qs}, {u"timestamp"_qs, at.toString(Qt::ISODateWithMs)}, {u"promptSource"_qs, u"typed"_qs},
                               {u"message"_qs, QJsonObject{{u"content"_qs, text}}}};
        file.write(QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n');
    }

    // The fake claude's pid once a resume of it runs; 0 if none starts.
    qint64 runningClaude() const
    {
        // Generous: under a loaded CI machine a start of the ASan build
        // alone can take seconds, and a working run never waits this long.
        QDeadlineTimer deadline(60'000);
        while (!QFileInfo::exists(scenario(u"resume.pid"_qs)) && !deadline.hasExpired())
            QTest::qWait(20);
        return readFile(scenario(u"resume.pid"_qs)).trimmed().toLongLong();
    }

private slots:
    // A scratch home with auto-continue on, a session the guard paused at
    // a limit that reset an hour ago, and a claude that reports low figures
    // and continues sessions successfully, telling their transcripts so.
    void init()
    {
        m_home.clear();
        QVERIFY(QDir().mkpath(home(u"work"_qs)));
        QCOMPARE(run({u"auto-continue"_qs, u"on"_qs}).exitCode, 0);
        const QDateTime now = QDateTime::currentDateTimeUtc();
        QVERIFY(writeFile(ticket(), QStringLiteral(R"({"session_id":"%1","cwd":"%2","transcript_path":"%3","resets_at":%4,"created_at":%5})")
                                        .arg(session, home(u"work"_qs), transcript())
                                        .arg(now.addSecs(-3600).toSecsSinceEpoch())
                                        .arg(now.addDays(-1).toSecsSinceEpoch())
                                        .toUtf8()));
        QVERIFY(writeFile(scenario(u"usage-limits.stdout"_qs), usageEnvelope(3, 1, now.addSecs(7200))));
        QVERIFY(writeFile(scenario(u"resume.stdout"_qs), R"({"type":"result","is_error":false,"result":"Done."})"));
        QVERIFY(writeFile(scenario(u"resume.transcript"_qs), ""));
    }

    // One `resume now`, then `resume list`, in each situation a session
    // can be in: what they say, and how often claude ran.
    void eachSessionIsToldWhereItStands_data()
    {
        QTest::addColumn<QString>("said");      // by resume now, on standard output or error
        QTest::addColumn<QString>("listed");    // in the list afterwards; "" for no session left
        QTest::addColumn<int>("claudeRuns");
        QTest::newRow("open under a pid another process reuses") << u"0f76730a: continued"_qs << QString() << 1;
        QTest::newRow("open and idle since before the reset")
            << u"pacewisectl resume: 0f76730a: still open in Claude Code, idle since before the reset; continue it there"_qs
            << u"open in Claude Code, idle since before the reset; continue it there"_qs << 0;
        QTest::newRow("continued in Claude Code after the reset") << u"0f76730a: already continued in Claude Code"_qs << QString() << 0;
        QTest::newRow("a title that writes to the terminal") << u"0f76730a: continued"_qs << QString() << 1;
    }

    void eachSessionIsToldWhereItStands()
    {
        QFETCH(QString, said);
        QFETCH(QString, listed);
        QFETCH(int, claudeRuns);
        const QString situation = QString::fromLatin1(QTest::currentDataTag());
        const QDateTime now = QDateTime::currentDateTimeUtc();
        QProcess claudeCode; // an interactive Claude Code, left running
        const auto writeSession = [&](qint64 pid, const QString &start, const QString &status) {
            QVERIFY(writeFile(home(u".claude/sessions/%1.json"_qs.arg(pid)),
                              QStringLiteral(R"({"pid":%1,"sessionId":"%2","procStart":"%3","status":"%4","statusUpdatedAt":%5})")
                                  .arg(pid).arg(session, start, status).arg(now.addSecs(-4000).toMSecsSinceEpoch()).toUtf8()));
        };
        if (situation == u"open under a pid another process reuses") {
            writeSession(QCoreApplication::applicationPid(), u"1"_qs, u"busy"_qs);
        } else if (situation == u"open and idle since before the reset") {
            claudeCode.start(u"sleep"_qs, {u"30"_qs});
            QVERIFY(claudeCode.waitForStarted());
            const QList<QByteArray> stat = readFile(u"/proc/%1/stat"_qs.arg(claudeCode.processId())).split(')').last().split(' ');
            writeSession(claudeCode.processId(), QString::fromLatin1(stat.at(20)), u"idle"_qs);
        } else if (situation == u"continued in Claude Code after the reset") {
            typeInTranscript(now.addSecs(-600), u"go on with the tests"_qs);
        } else if (situation == u"a title that writes to the terminal") {
            typeInTranscript(now.addDays(-2), u"fix it\u001b]52;c;cm0gLXJmIH4=\u0007\u001b[2J\nforged line"_qs);
            const QString list = resumeList();
            QVERIFY2(list.startsWith(uR"(0f76730a  fix it\e]52;c;cm0gLXJmIH4=\u0007\e[2J forged line)"_qs + u'\n'), qPrintable(list));
        }

        const ProcessRun resumed = resumeNow();
        QCOMPARE((resumed.exitCode == 0 ? resumed.out : resumed.err).trimmed(), said);
        const QString list = resumeList();
        if (listed.isEmpty()) {
            QCOMPARE(list, u"No paused sessions.\n"_qs);
            QCOMPARE(QDir(tickets()).entryList(QDir::Files | QDir::Hidden), QStringList());
        } else {
            QVERIFY2(list.contains(listed), qPrintable(list));
        }
        QCOMPARE(claudeResumes(), claudeRuns);
        claudeCode.kill();
        claudeCode.waitForFinished();
    }

    // Ctrl-C on `resume now` stops its claude too: no second claude can
    // later run beside a forgotten first one, and the session stays.
    void aStoppedResumerStopsItsClaude()
    {
        QVERIFY(writeFile(scenario(u"resume.delay"_qs), "30"));
        const auto resumer = start({u"resume"_qs, u"now"_qs, session});
        const qint64 claude = runningClaude();
        QVERIFY(claude > 0);
        ::kill(pid_t(resumer->processId()), SIGINT);
        const ProcessRun stopped = ScratchHome::finish(*resumer);
        QCOMPARE(stopped.exitCode, 1);
        QVERIFY2(stopped.err.contains(u"stopped; the session stays to be continued"_qs), qPrintable(stopped.err));
        QTRY_VERIFY_WITH_TIMEOUT(::kill(pid_t(claude), 0) != 0, 60'000);
        QVERIFY(resumeList().contains(u"last try"_qs));
        QVERIFY(writeFile(scenario(u"resume.delay"_qs), "0"));
        QCOMPARE(resumeNow().out, u"0f76730a: continued\n"_qs);
        QCOMPARE(claudeResumes(), 2);
    }

    // A second resumer is turned away while the first runs, and after the
    // first was killed outright, leaving its claude running: nobody starts a
    // second claude beside it. That claude failing after its prompt reached
    // the transcript is no success: the daemon backs off from it, and the
    // session stays until a run goes well.
    void aKilledResumersFailingClaudeIsNotTakenForDone()
    {
        QVERIFY(writeFile(scenario(u"resume.hold"_qs), ""));
        const auto resumer = start({u"resume"_qs, u"now"_qs, session});
        const qint64 claude = runningClaude();
        QVERIFY(claude > 0);
        const ProcessRun second = resumeNow();
        QVERIFY2(second.err.contains(u"being continued by another Pacewise right now"_qs), qPrintable(second.err));
        // What claude prints is the user's alone; claude itself works with
        // the user's own umask.
        const QString runFiles = QFileInfo(ticket()).dir().filePath(u"."_qs + session + u".resume-run"_qs);
        for (const QString &suffix : {u".out"_qs, u".err"_qs})
            QCOMPARE(QFileInfo(runFiles + suffix).permissions(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
        const mode_t umask = ::umask(0);
        ::umask(umask);
        QVERIFY(readFile(m_home.claudeLog()).contains(u"umask=%1\n"_qs.arg(umask, 4, 8, QLatin1Char('0')).toUtf8()));
        resumer->kill();
        resumer->waitForFinished();
        QVERIFY(resumeNow().err.contains(u"being continued by another Pacewise right now"_qs));
        QVERIFY(resumeList().contains(u"being continued now"_qs));
        QVERIFY(writeFile(scenario(u"resume.stdout"_qs), R"({"type":"result","is_error":true,"result":"API Error: 529 Overloaded"})"));
        QVERIFY(writeFile(scenario(u"resume.exit"_qs), "1"));
        QVERIFY(QFile::remove(scenario(u"resume.hold"_qs)));
        QTRY_VERIFY_WITH_TIMEOUT(::kill(pid_t(claude), 0) != 0, 60'000);

        auto daemon = start({u"daemon"_qs});
        QTRY_VERIFY_WITH_TIMEOUT(resumeList().contains(u"failed: claude exited with status 1: API Error: 529 Overloaded"_qs), 30'000);
        daemon->terminate();
        QVERIFY(daemon->waitForFinished(20'000));
        QCOMPARE(claudeResumes(), 1);
        QVERIFY(QFile::remove(scenario(u"resume.exit"_qs)));
        QVERIFY(writeFile(scenario(u"resume.stdout"_qs), R"({"type":"result","is_error":false,"result":"Done."})"));
        QCOMPARE(resumeNow().out, u"0f76730a: continued\n"_qs);
        QCOMPARE(claudeResumes(), 2);
        const ProcessRun after = resumeNow();
        QCOMPARE(after.exitCode, 1);
        QVERIFY(after.err.contains(u"no paused session"_qs));
    }

    // The SSH session the daemon was started from closes (SIGHUP), stray
    // signals arrive, the service is restarted: the daemon lives through
    // the first and stops at once on SIGTERM, the resume under way goes on,
    // and the next daemon starts no second claude but takes that run's end
    // for the session's.
    void aResumeOutlivesTheDaemonThatStartedIt()
    {
        QVERIFY(writeFile(scenario(u"resume.hold"_qs), ""));
        auto daemon = start({u"daemon"_qs});
        const qint64 claude = runningClaude();
        QVERIFY(claude > 0);
        for (const int signal : {SIGHUP, SIGUSR1, SIGUSR2, SIGPIPE, SIGTERM})
            ::kill(pid_t(daemon->processId()), signal);
        QVERIFY(daemon->waitForFinished(20'000));
        QCOMPARE(daemon->exitStatus(), QProcess::NormalExit);
        QCOMPARE(daemon->exitCode(), 0);
        QCOMPARE(::kill(pid_t(claude), 0), 0);

        daemon = start({u"daemon"_qs});
        QVERIFY(resumeList().contains(u"being continued now"_qs));
        QVERIFY(QFile::remove(scenario(u"resume.hold"_qs)));
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(ticket()), 30'000);
        daemon->terminate();
        QVERIFY(daemon->waitForFinished(20'000));
        QCOMPARE(claudeResumes(), 1);
    }

    // A reset a few seconds away: the daemon continues the session within
    // seconds of it, not at its next poll twenty minutes on.
    void aSessionGoesOnAtItsReset()
    {
        const QDateTime reset = QDateTime::currentDateTimeUtc().addSecs(3);
        QJsonObject waiting = QJsonDocument::fromJson(readFile(ticket())).object();
        waiting.insert(u"resets_at"_qs, reset.toSecsSinceEpoch());
        QVERIFY(writeFile(ticket(), QJsonDocument(waiting).toJson()));
        auto daemon = start({u"daemon"_qs});
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(scenario(u"resume.pid"_qs)), 20'000);
        QVERIFY2(QDateTime::currentDateTimeUtc() < reset.addSecs(10), "resumed more than 10 s after the reset");
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(ticket()), 20'000);
        daemon->terminate();
        QVERIFY(daemon->waitForFinished(20'000));
        QCOMPARE(claudeResumes(), 1);
    }

    // The guard holds a call at the 5-hour limit; the user, from another
    // terminal, lets it go: it goes on within a second, its ticket goes,
    // and the session is held no more.
    void aHeldCallIsLetGoFromAnotherProcess()
    {
        QVERIFY(QFile::remove(ticket()));
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        QVERIFY(writeFile(home(u".claude/rate-limit-state.json"_qs),
                          QStringLiteral(R"({"limits":[{"kind":"five_hour","used_percentage":100,"resets_at":%1,"confirmed_at":%2}]})")
                              .arg(now + 3600)
                              .arg(now)
                              .toUtf8()));
        QProcess guard;
        QProcessEnvironment environment = m_home.environment(true);
        environment.insert(u"CC_LIMIT_GUARD_RESUME_DIR"_qs, tickets());
        guard.setProcessEnvironment(environment);
        guard.setStandardInputFile(QStringLiteral(PACEWISE_SOURCE_DIR "/tests/engine/samples/pretooluse-stdin.json"));
        guard.start(u"sh"_qs, {QStringLiteral(PACEWISE_SOURCE_DIR "/resources/EngineScripts/rate-limit-guard.sh")});
        QTRY_VERIFY_WITH_TIMEOUT(resumeList().contains(u"held by the guard until"_qs), 20'000);

        QElapsedTimer released;
        released.start();
        const ProcessRun release = run({u"guard"_qs, u"release"_qs, u"0f76"_qs});
        QVERIFY2(release.out.startsWith(u"0f76730a: goes on now; not held again until the 5-hour limit resets"_qs), qPrintable(release.out));
        QVERIFY(guard.waitForFinished(20'000));
        QVERIFY2(released.elapsed() < 2000 + 1000, qPrintable(QString::number(released.elapsed()))); // the release command's own start included
        QCOMPARE(guard.exitCode(), 0);
        QCOMPARE(resumeList(), u"No paused sessions.\n"_qs);
        QVERIFY(run({u"guard"_qs, u"release"_qs, u"0f76"_qs}).err.contains(u"no call of session '0f76' is held"_qs));
    }

    // In print mode Claude Code keeps no session file: only the guard's own
    // mark on the ticket keeps a resumer off a call it still holds.
    void aCallTheGuardHoldsIsLeftToIt()
    {
        QProcess guard; // stands in for the guard's process, holding
        guard.start(u"sleep"_qs, {u"30"_qs});
        QVERIFY(guard.waitForStarted());
        const QList<QByteArray> stat = readFile(u"/proc/%1/stat"_qs.arg(guard.processId())).split(')').last().split(' ');
        const QJsonObject held{{u"pid"_qs, guard.processId()}, {u"start_time"_qs, stat.at(20).toLongLong()}};
        QJsonObject held_ticket = QJsonDocument::fromJson(readFile(ticket())).object();
        held_ticket.insert(u"held_by"_qs, held);
        QVERIFY(writeFile(ticket(), QJsonDocument(held_ticket).toJson()));

        QVERIFY(resumeList().contains(u"held by the guard until"_qs));
        auto daemon = start({u"daemon"_qs});
        QByteArray daemonLog;
        QTRY_VERIFY_WITH_TIMEOUT((daemonLog += daemon->readAllStandardError()).contains("the guard still holds its call; left to it"),
                                 30'000);
        QVERIFY(resumeNow().err.contains(u"the guard holds its call"_qs));
        QCOMPARE(claudeResumes(), 0);
        guard.kill();
        guard.waitForFinished();
        QCOMPARE(resumeNow().out, u"0f76730a: continued\n"_qs);
        daemon->terminate();
        QVERIFY(daemon->waitForFinished(20'000));
    }

};

QTEST_GUILESS_MAIN(ResumeProcessesTest)
#include "tst_resumeprocesses.moc"
