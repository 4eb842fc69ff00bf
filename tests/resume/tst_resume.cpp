#include "resume/LastMessageResolver.h"
#include "resume/ResumeCoordinator.h"
#include "resume/ResumeQueue.h"
#include "resume/SessionTranscript.h"
#include "claude/ClaudeCommandLine.h"
#include "support/FakeScriptRunner.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include <latch>
#include <thread>

using namespace pacewise;
using namespace pacewise::test;

namespace {

const QString sessionA = u"0f76730a-752b-4aa3-865c-aec0624eaedb"_qs;
const QString sessionB = u"727bf826-03ae-4fc2-9f71-add1c61a409c"_qs;
const QString sessionC = u"11111111-2222-4333-8444-555555555555"_qs;

QByteArray ticketJson(const QString &session, double resetsAt, double createdAt, const QByteArray &extra = {},
                      const QString &cwd = u"/home/ada/work"_qs)
{
    return QStringLiteral("{\"session_id\":\"%1\",\"cwd\":\"%2\",\"resets_at\":%3,\"created_at\":%4")
               .arg(session, cwd)
               .arg(resetsAt, 0, 'f', 3)
               .arg(createdAt, 0, 'f', 3)
               .toUtf8() +
           extra + '}';
}

// A line of a session's transcript: a reply, or, given the session's
// permission mode, a prompt.
QByteArray transcriptLine(const QDateTime &at, const QByteArray &content, const QByteArray &promptMode = {})
{
    const QByteArray opening = promptMode.isEmpty()
        ? "{\"type\":\"assistant\""
        : "{\"type\":\"user\",\"promptSource\":\"sdk\",\"permissionMode\":\"" + promptMode + '"';
    return opening + ",\"timestamp\":\"" + at.toString(Qt::ISODateWithMs).toUtf8() + "\",\"message\":{\"content\":\"" +
           content + "\"}}\n";
}

UsageSnapshot usage(double fiveHour, double weekly, std::optional<double> model = std::nullopt)
{
    const QDateTime reset = QDateTime::fromSecsSinceEpoch(1'796'600'000, Qt::UTC);
    QList<UsageLimit> limits{UsageLimit(UsageLimitKind::fiveHour, std::nullopt, fiveHour, reset),
                             UsageLimit(UsageLimitKind::weeklyAll, std::nullopt, weekly, reset)};
    if (model)
        limits = {UsageLimit(UsageLimitKind::weeklyModel, u"Sonnet"_qs, *model, reset)};
    return UsageSnapshot(limits);
}

const QDateTime resetAt = QDateTime::fromSecsSinceEpoch(1'796'567'200, Qt::UTC);
const QDateTime afterReset = resetAt.addSecs(120);

// A scratch home with a ticket directory, Claude Code's session and
// transcript folders and a working directory, and a coordinator over fakes.
struct ResumeFixture {
    QTemporaryDir home;
    std::shared_ptr<test::FakeResolver> resolver = std::make_shared<test::FakeResolver>();
    std::shared_ptr<test::FakeScriptRunner> runner = std::make_shared<test::FakeScriptRunner>();
    std::unique_ptr<ResumeCoordinator> coordinator;
    ResumeTicket ticket;
    std::function<double()> guardThreshold = nullptr;
    QDateTime clock = afterReset; // set by attempt(); a run may move it on

    ResumeFixture()
    {
        for (const char *folder : {"work", "sessions", "projects"})
            QDir().mkpath(home.filePath(QString::fromLatin1(folder)));
        QDir().mkpath(tickets());
        QFile::setPermissions(tickets(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        runner->clock = [this] { return clock; };
        restart();
        ticket = writeTicket(resetAt, resetAt.addSecs(-3600));
    }

    // A new coordinator, as after a restart of the daemon: only what was
    // kept on disk is known.
    void restart()
    {
        coordinator = std::make_unique<ResumeCoordinator>(ResumeCoordinator::Dependencies{
            .queue = ResumeQueue(tickets()),
            .resolver = resolver,
            .runner = runner,
            .environment = QProcessEnvironment(),
            .sessionsDirectory = home.filePath(u"sessions"_qs),
            .projectsDirectory = home.filePath(u"projects"_qs),
            .cancellation = nullptr,
            .detachment = nullptr,
            .guardThreshold = guardThreshold,
            .now = [this] { return clock; },
        });
    }

    QString work() const { return home.filePath(u"work"_qs); }
    QString tickets() const { return home.filePath(u"tickets"_qs); }
    QString ticketFile() const { return tickets() + u'/' + sessionA + u".json"_qs; }

    ResumeTicket writeTicket(const QDateTime &resets, const QDateTime &created, const QByteArray &extra = {})
    {
        const QByteArray json = ticketJson(sessionA, resets.toSecsSinceEpoch(), created.toSecsSinceEpoch(), extra, work());
        writeFile(ticketFile(), json);
        return *ResumeTicket::decode(json);
    }

    void appendToTranscript(const QByteArray &lines)
    {
        QFile file(SessionTranscript::pathFor(home.filePath(u"projects"_qs), work(), sessionA));
        QVERIFY(QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::Append));
        file.write(lines);
    }

    ResumeAttemptResult attempt(const QDateTime &now, bool manual = false,
                                const std::optional<UsageSnapshot> &snapshot = usage(10, 20))
    {
        clock = now;
        return coordinator->attempt(ticket, snapshot, now.addSecs(-30), now, manual);
    }

    void answerSuccess() { runner->answer(0, u"{\"type\":\"result\",\"is_error\":false,\"result\":\"done\"}"_qs); }
};

using Kind = ResumeAttemptResult::Kind;
using SetUp = std::function<void(ResumeFixture &)>;

} // namespace

Q_DECLARE_METATYPE(pacewise::ResumeReadiness::Kind)
Q_DECLARE_METATYPE(SetUp)
Q_DECLARE_METATYPE(std::function<bool(const QString &)>)

class ResumeTest : public QObject {
    Q_OBJECT

private slots:
    void ticketsAreDecodedStrictly_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<bool>("valid");
        QTest::newRow("real ticket") << ticketJson(sessionA, 1796567200, 1796560000, ",\"used_percentage\":99") << true;
        QTest::newRow("slash") << ticketJson(u"0f76730a/752b-4aa3-865c-aec0624eaedb"_qs, 100, 50) << false;
        QTest::newRow("relative cwd") << ticketJson(sessionA, 1, 1, {}, u"work"_qs) << false;
        QTest::newRow("absurd reset") << ticketJson(sessionA, 1e300, 1) << false;
    }

    void ticketsAreDecodedStrictly()
    {
        QFETCH(QByteArray, json);
        QFETCH(bool, valid);
        QCOMPARE(ResumeTicket::decode(json).has_value(), valid);
    }

    void optionalFieldsAreCleanedUp()
    {
        const auto ticket = ResumeTicket::decode(
            ticketJson(sessionA, 100.5, 50, ",\"transcript_path\":\"  /home/ada/t.jsonl\\n\",\"permission_mode\":\"acceptEdits\""));
        QVERIFY(ticket);
        QCOMPARE(ticket->transcriptPath, std::optional(u"/home/ada/t.jsonl"_qs));
        QCOMPARE(ticket->permissionMode, std::optional(u"acceptEdits"_qs));
        QCOMPARE(ticket->resetsAt.toMSecsSinceEpoch(), 100'500);
        QCOMPARE(ResumeTicket::decode(ticket->encode()), ticket);

        const auto loose = ResumeTicket::decode(
            ticketJson(sessionA, 1, 1, ",\"transcript_path\":\"relative.jsonl\",\"permission_mode\":\"yolo\""));
        QVERIFY(loose);
        QVERIFY(!loose->transcriptPath);
        QVERIFY(!loose->permissionMode);
    }

    // The newest ticket per session, in reset order; removal up to an
    // attempt's ticket keeps those written after it.
    void theQueueKeepsTheNewestTicketPerSessionInResetOrder()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath(sessionA + u".json"_qs), ticketJson(sessionA, 300, 100)));
        QVERIFY(writeFile(dir.filePath(u"older-copy.JSON"_qs), ticketJson(sessionA, 900, 200)));
        QVERIFY(writeFile(dir.filePath(sessionB + u".json"_qs), ticketJson(sessionB, 300, 100)));
        QVERIFY(writeFile(dir.filePath(sessionC + u".json"_qs), ticketJson(sessionC, 200, 100)));
        const ResumeQueue queue(dir.path());
        const auto tickets = queue.tickets();
        QCOMPARE(tickets.size(), 3);
        QCOMPARE(tickets.at(0).sessionID, sessionC);
        QCOMPARE(tickets.at(1).sessionID, sessionB); // same reset as A's old one: A's newest resets later
        QCOMPARE(tickets.at(2).sessionID, sessionA);
        QCOMPARE(tickets.at(2).createdAt.toSecsSinceEpoch(), 200);

        QVERIFY(queue.remove(sessionA, QDateTime::fromSecsSinceEpoch(100, Qt::UTC)));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{sessionC + u".json"_qs, sessionB + u".json"_qs, u"older-copy.JSON"_qs}));
        QVERIFY(queue.remove(sessionA));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{sessionC + u".json"_qs, sessionB + u".json"_qs}));
        QVERIFY(queue.remove(u"99999999-2222-4333-8444-555555555555"_qs));
    }

    // A ticket ends up in a command line and a working directory: only
    // this user's own files, in a folder nobody else can write, are read;
    // nothing unusable is ever deleted.
    void onlyTrustedTicketFilesAreRead_data()
    {
        QTest::addColumn<std::function<bool(const QString &directory)>>("plant");
        QTest::addColumn<bool>("trusted");
        using Plant = std::function<bool(const QString &)>;
        const QByteArray valid = ticketJson(sessionA, 1, 1);
        const auto file = [valid](mode_t mode, uid_t owner) {
            return Plant([=](const QString &directory) {
                const QString path = directory + u"/ticket.json"_qs;
                return writeFile(path, valid) && ::chmod(QFile::encodeName(path).constData(), mode) == 0 &&
                       ::chown(QFile::encodeName(path).constData(), owner, ::getegid()) == 0;
            });
        };
        QTest::newRow("ours") << file(0600, ::geteuid()) << true;
        QTest::newRow("another user's") << file(0600, ::geteuid() + 1) << false;
        QTest::newRow("writable by the group") << file(0620, ::geteuid()) << false;
        QTest::newRow("in a folder everyone can write") << Plant([valid](const QString &directory) {
            return writeFile(directory + u"/ticket.json"_qs, valid) && ::chmod(QFile::encodeName(directory).constData(), 01777) == 0;
        }) << false;
        QTest::newRow("a link to one outside") << Plant([valid](const QString &directory) {
            return writeFile(directory + u"/../target.json"_qs, valid) && QFile::link(directory + u"/../target.json"_qs, directory + u"/link.json"_qs);
        }) << false;
        QTest::newRow("a FIFO") << Plant([](const QString &directory) {
            return ::mkfifo(QFile::encodeName(directory + u"/fifo.json"_qs).constData(), 0600) == 0;
        }) << false;
        QTest::newRow("larger than a ticket") << Plant([valid](const QString &directory) {
            return writeFile(directory + u"/huge.json"_qs, valid.chopped(1) + ",\"pad\":\"" + QByteArray(1 << 20, 'x') + "\"}");
        }) << false;
    }

    void onlyTrustedTicketFilesAreRead()
    {
        QFETCH(std::function<bool(const QString &)>, plant);
        QFETCH(bool, trusted);
        QTemporaryDir home;
        const QString directory = home.filePath(u"tickets"_qs);
        QVERIFY(QDir().mkpath(directory));
        QVERIFY(plant(directory));
        const ResumeQueue queue(directory);
        QCOMPARE(queue.tickets().size(), trusted ? 1 : 0);
        QCOMPARE(queue.ticket(sessionA).has_value(), trusted);
        const auto files = [&] { return QDir(directory).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot).size(); };
        const qsizetype before = files();
        QVERIFY(queue.remove(sessionA));
        QCOMPARE(files(), trusted ? before - 1 : before);
    }

    void readinessNeedsAFreshSnapshotBelowTheThreshold_data()
    {
        QTest::addColumn<std::optional<UsageSnapshot>>("snapshot");
        QTest::addColumn<qint64>("fetchedAgo");
        QTest::addColumn<ResumeReadiness::Kind>("kind");
        using R = ResumeReadiness::Kind;
        QTest::newRow("below everywhere") << std::optional(usage(97.9, 50)) << qint64(10) << R::ready;
        QTest::newRow("at the threshold") << std::optional(usage(98.0, 50)) << qint64(10) << R::quotaUnavailable;
        QTest::newRow("NaN") << std::optional(usage(qQNaN(), 50)) << qint64(10) << R::quotaUnavailable;
        QTest::newRow("only a per-model limit") << std::optional(usage(0, 0, 5.0)) << qint64(10) << R::quotaUnconfirmed;
        QTest::newRow("301 s old") << std::optional(usage(1, 1)) << qint64(301) << R::quotaUnconfirmed;
        QTest::newRow("from the future") << std::optional(usage(1, 1)) << qint64(-5) << R::quotaUnconfirmed;
        QTest::newRow("no snapshot") << std::optional<UsageSnapshot>() << qint64(10) << R::quotaUnconfirmed;
    }

    void readinessNeedsAFreshSnapshotBelowTheThreshold()
    {
        QFETCH(std::optional<UsageSnapshot>, snapshot);
        QFETCH(qint64, fetchedAgo);
        QFETCH(ResumeReadiness::Kind, kind);
        const ResumeTicket ticket{.sessionID = sessionA, .cwd = u"/w"_qs, .resetsAt = resetAt, .createdAt = resetAt};
        QCOMPARE(ResumePolicy::readiness(ticket, afterReset, snapshot, afterReset.addSecs(-fetchedAgo), true).kind, kind);
        QCOMPARE(ResumePolicy::readiness(ticket, resetAt.addSecs(-1), snapshot, afterReset, true),
                 (ResumeReadiness{ResumeReadiness::Kind::waitingForReset, resetAt}));
    }

    void aSuccessfulResumeRunsInTheSessionsDirectoryAndDeletesTheTicket()
    {
        ResumeFixture fixture;
        fixture.ticket = fixture.writeTicket(resetAt, resetAt.addSecs(-3600), ",\"permission_mode\":\"acceptEdits\"");
        fixture.answerSuccess();
        QCOMPARE(fixture.attempt(afterReset).kind, Kind::succeeded);
        // claude runs under the shell that outlives us, in a session of its
        // own, stopped by that shell after 30 minutes.
        const ScriptInvocation &run = fixture.runner->invocations().constFirst();
        QCOMPARE(run.arguments.mid(4), (QStringList{u"1800.000"_qs, u"/opt/claude/bin/claude"_qs, u"-p"_qs, u"--resume="_qs + sessionA,
                                                    u"--permission-mode=acceptEdits"_qs, u"--output-format"_qs, u"json"_qs,
                                                    u"Please continue the previous task where you left off."_qs}));
        QCOMPARE(run.workingDirectory, std::optional(fixture.work()));
        QVERIFY(run.ownSession);
        QVERIFY(QDir(fixture.tickets()).entryList(QDir::Files | QDir::Hidden).isEmpty()); // record, run and lock went too
    }

    // Before claude is started, what the session is doing now decides: each
    // row is a way a session can be resumed twice, or in vain, if nobody looks.
    void attemptsLookAtTheSessionFirst_data()
    {
        QTest::addColumn<SetUp>("setUp");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<bool>("ran");
        QTest::addColumn<bool>("ticketLeft");
        QTest::newRow("replaced by a newer stop meanwhile")
            << SetUp([](ResumeFixture &fixture) { fixture.writeTicket(resetAt.addSecs(18000), resetAt.addSecs(60)); })
            << Kind::alreadyContinued << false << true;
        QTest::newRow("held by a guard since gone") << SetUp([](ResumeFixture &fixture) {
            fixture.ticket = fixture.writeTicket(resetAt, resetAt.addSecs(-3600),
                                                 QStringLiteral(",\"held_by\":{\"pid\":%1,\"start_time\":1}").arg(::getpid()).toUtf8());
        }) << Kind::succeeded << true << false;
        QTest::newRow("only our own tries since the stop") << SetUp([](ResumeFixture &fixture) {
            fixture.appendToTranscript(transcriptLine(resetAt.addSecs(-4000), "go on", "default") +
                                       transcriptLine(resetAt.addSecs(60), ClaudeCommandLine::continuePrompt, "default") +
                                       transcriptLine(resetAt.addSecs(61), "ok"));
        }) << Kind::succeeded << true << false;
        // The user went on after the stop (extra usage, say), before the
        // reset: that work is not done again.
        QTest::newRow("the user went on before the reset") << SetUp([](ResumeFixture &fixture) {
            fixture.appendToTranscript(transcriptLine(resetAt.addSecs(-600), "go on", "default") +
                                       transcriptLine(resetAt.addSecs(-599), "ok"));
        }) << Kind::alreadyContinued << false << false;
    }

    void attemptsLookAtTheSessionFirst()
    {
        QFETCH(SetUp, setUp);
        QFETCH(Kind, kind);
        QFETCH(bool, ran);
        QFETCH(bool, ticketLeft);
        ResumeFixture fixture;
        setUp(fixture);
        fixture.answerSuccess();
        QCOMPARE(fixture.attempt(afterReset, true).kind, kind);
        QCOMPARE(fixture.runner->invocations().size(), ran ? 1 : 0);
        QCOMPARE(!ResumeQueue(fixture.tickets()).tickets().isEmpty(), ticketLeft);
    }

    // How a run ended is kept beside the ticket: a restarted daemon neither
    // retries a session that needs the user nor one that is backing off.
    void outcomesAreRememberedAcrossRestarts_data()
    {
        QTest::addColumn<SetUp>("answer");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<Kind>("afterRestart");
        QTest::newRow("claude fails") << SetUp([](ResumeFixture &fixture) {
            fixture.runner->answer(1, QString(), u"No conversation found with session ID: 0f76730a"_qs);
        }) << Kind::failed << u"claude exited with status 1: No conversation found with session ID: 0f76730a"_qs << Kind::backingOff;
        QTest::newRow("an error in the envelope") << SetUp([](ResumeFixture &fixture) {
            fixture.runner->answer(0, u"{\"is_error\":true,\"subtype\":\"success\",\"result\":\"API Error: overloaded\"}"_qs);
        }) << Kind::failed << u"Claude Code reported an error: API Error: overloaded"_qs << Kind::backingOff;
        QTest::newRow("tool calls refused") << SetUp([](ResumeFixture &fixture) {
            fixture.runner->answer(0, u"{\"is_error\":false,\"permission_denials\":[{\"tool_name\":\"Bash\"},{\"tool_name\":\"Edit\"}]}"_qs);
        }) << Kind::needsAttention << u"Bash and Edit were not allowed"_qs << Kind::needsAttention;
        // The guard inside the resumed run stops it at the next limit: it
        // waits for that reset, it does not need the user.
        QTest::newRow("stopped by our own guard again") << SetUp([](ResumeFixture &fixture) {
            fixture.runner->answer(0, u"{\"is_error\":false,\"permission_denials\":[{\"tool_name\":\"Bash\"}]}"_qs);
            fixture.runner->whileRunning = [&fixture](const ScriptInvocation &) {
                writeFile(fixture.tickets() + u"/next.json"_qs,
                          ticketJson(sessionA, afterReset.addDays(2).toSecsSinceEpoch(), afterReset.toSecsSinceEpoch()));
            };
        }) << Kind::waitingForReset << QString() << Kind::waitingForReset;
        QTest::newRow("its resumer stopped") << SetUp([](ResumeFixture &fixture) {
            fixture.runner->answer(std::unexpected(ScriptRunnerError{.kind = ScriptRunnerError::Kind::cancelled}));
        }) << Kind::interrupted << u"stopped before it finished"_qs << Kind::succeeded;
    }

    void outcomesAreRememberedAcrossRestarts()
    {
        QFETCH(SetUp, answer);
        QFETCH(Kind, kind);
        QFETCH(QString, reason);
        QFETCH(Kind, afterRestart);
        ResumeFixture fixture;
        answer(fixture);
        const auto outcome = fixture.attempt(afterReset);
        QCOMPARE(outcome.kind, kind);
        QCOMPARE(outcome.reason ? outcome.reason->text() : QString(), reason);
        fixture.restart();
        fixture.runner->whileRunning = nullptr;
        fixture.answerSuccess();
        fixture.ticket = ResumeQueue(fixture.tickets()).tickets().constFirst();
        const auto again = fixture.attempt(afterReset.addSecs(60));
        QCOMPARE(again.kind, afterRestart);
        if (afterRestart == Kind::needsAttention) {
            QCOMPARE(again.reason, outcome.reason);
            QCOMPARE(fixture.attempt(afterReset.addSecs(60), true).kind, Kind::succeeded); // the user asks
        }
    }

    // A guard that stops at 90 % would stop a session resumed at 95 % again
    // at once: no claude is run for that.
    void aLowerGuardThresholdHoldsResumesBack()
    {
        ResumeFixture fixture;
        fixture.guardThreshold = [] { return 90.0; };
        fixture.restart();
        QCOMPARE(fixture.attempt(afterReset, false, usage(95, 20)).kind, Kind::quotaUnavailable);
        QVERIFY(fixture.runner->invocations().isEmpty());
        fixture.answerSuccess();
        QCOMPARE(fixture.attempt(afterReset, false, usage(85, 20)).kind, Kind::succeeded);
    }

    // claude may take long to fail (retrying an overloaded API): the next
    // try counts from the end of the run, 300 s doubling to an hour.
    void failuresBackOffFromTheirEndDoublingToAnHour()
    {
        ResumeFixture fixture;
        fixture.runner->whileRunning = [&](const ScriptInvocation &) { fixture.clock = fixture.clock.addSecs(310); };
        QDateTime now = afterReset;
        for (const int delay : {300, 600, 1200, 2400, 3600, 3600}) {
            fixture.runner->answer(1, QString(), u"API Error: overloaded"_qs);
            QCOMPARE(fixture.attempt(now).kind, Kind::failed);
            const QDateTime ended = now.addSecs(310);
            QCOMPARE(fixture.attempt(ended.addSecs(delay - 1)).until, ended.addSecs(delay));
            now = ended.addSecs(delay);
        }
        fixture.answerSuccess();
        QCOMPARE(fixture.attempt(now.addSecs(-10), true).kind, Kind::succeeded); // manual ignores the back-off
    }

    void aVanishedWorkingDirectoryIsNeverReplacedByAnother()
    {
        ResumeFixture fixture;
        QVERIFY(QDir(fixture.work()).removeRecursively());
        const auto outcome = fixture.attempt(afterReset);
        QCOMPARE(outcome.kind, Kind::failed);
        QCOMPARE(outcome.reason, (ResumeReason{ResumeReason::Code::directoryMissing, {fixture.work()}}));
        QVERIFY(fixture.runner->invocations().isEmpty());
        QVERIFY(QFileInfo::exists(fixture.ticketFile()));
    }

    // A ticket that asks for bypassPermissions gets it only where the
    // session's own transcript shows that mode.
    void bypassPermissionsNeedsTheSessionsOwnWord()
    {
        ResumeFixture fixture;
        fixture.ticket = fixture.writeTicket(resetAt, resetAt.addSecs(-3600), ",\"permission_mode\":\"bypassPermissions\"");
        QVERIFY(!fixture.coordinator->permissionModeFor(fixture.ticket));
        fixture.appendToTranscript(transcriptLine(resetAt.addSecs(-900), "go on", "bypassPermissions"));
        QCOMPARE(fixture.coordinator->permissionModeFor(fixture.ticket), std::optional(u"bypassPermissions"_qs));
    }

    // Within one process, while a run is under way (across processes, the
    // session's lock file; see tst_resumeprocesses).
    void oneSessionIsNeverResumedTwiceAtOnce()
    {
        ResumeFixture fixture;
        std::latch started(1), finish(1);
        fixture.answerSuccess();
        fixture.runner->whileRunning = [&](const ScriptInvocation &) { started.count_down(); finish.wait(); };
        std::thread first([&] { QCOMPARE(fixture.attempt(afterReset).kind, Kind::succeeded); });
        started.wait();
        QCOMPARE(fixture.attempt(afterReset).kind, Kind::alreadyRunning);
        finish.count_down();
        first.join();
    }

    // Claude Code keeps a session's transcript in a folder named after its
    // directory; the samples were written there by the real program.
    void transcriptsAreFoundAndReadAsClaudeCodeWritesThem()
    {
        const QString projects = QStringLiteral(PACEWISE_TEST_DATA "/claude-home/.claude/projects");
        const QString path = SessionTranscript::pathFor(projects, u"/home/ada/work"_qs, sessionA);
        QCOMPARE(path, projects + u"/-home-ada-work/"_qs + sessionA + u".jsonl"_qs);
        const QString deep = u"/"_qs + QString(300, u'x');
        QVERIFY(SessionTranscript::pathFor(projects, deep, sessionA).section(u'/', -2, -2).size() > 200);
        // Printed at 15:02:10, then resumed by Pacewise at 15:02:26: only
        // a stop before the print finds the session gone on without it.
        const QDateTime stoppedAt = QDateTime::fromString(u"2026-12-06T15:02:20Z"_qs, Qt::ISODate);
        QCOMPARE(SessionTranscript::wentOnWithoutPacewise(path, stoppedAt, stoppedAt), std::optional(false));
        QCOMPARE(SessionTranscript::wentOnWithoutPacewise(path, stoppedAt.addSecs(-60), stoppedAt), std::optional(true));
        const QString interactivePath = projects + u"/-home-ada-work/727bf826-03ae-4fc2-9f71-add1c61a409c.jsonl"_qs;
        QCOMPARE(SessionTranscript::lastPermissionMode(interactivePath), std::optional(u"auto"_qs));
        // The title is the user's last prompt, never ours.
        QCOMPARE(LastMessageResolver::lastUserMessage(interactivePath), std::optional(u"please run the tool"_qs));
        QCOMPARE(LastMessageResolver::lastUserMessage(path), std::optional(u"run the tool"_qs));
    }

    // However much work came before the stop, and however long the turn
    // after it: the user's own "go on" is found, and Pacewise's own long
    // turn after the reset is no reason to think the session went on.
    void theStopIsFoundHoweverLongTheTranscript_data()
    {
        QTest::addColumn<int>("linesBefore"); // a kilobyte each
        QTest::addColumn<int>("linesAfter");
        QTest::addColumn<bool>("ours");
        QTest::newRow("2.4 MB after the user's go-on") << 100 << 2400 << false;
        QTest::newRow("40 MB before the stop") << 40000 << 4800 << false;
        QTest::newRow("4.8 MB of Pacewise's own turn") << 40000 << 4800 << true;
    }

    void theStopIsFoundHoweverLongTheTranscript()
    {
        QFETCH(int, linesBefore);
        QFETCH(int, linesAfter);
        QFETCH(bool, ours);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"t.jsonl"_qs);
        const QDateTime stoppedAt = resetAt.addSecs(-3600);
        QByteArray text;
        for (int index = 0; index < linesBefore; ++index)
            text += transcriptLine(stoppedAt.addSecs(-86400).addMSecs(index), QByteArray(1000, 'b'));
        const QDateTime promptAt = ours ? resetAt.addSecs(60) : stoppedAt.addSecs(60);
        text += transcriptLine(promptAt, ours ? QByteArray(ClaudeCommandLine::continuePrompt) : QByteArray("go on"), "default");
        for (int index = 0; index < linesAfter; ++index)
            text += transcriptLine(promptAt.addMSecs(index + 1), QByteArray(1000, 'a'));
        QVERIFY(writeFile(path, text));
        QCOMPARE(SessionTranscript::wentOnWithoutPacewise(path, stoppedAt, resetAt), std::optional(!ours));
    }

    // The Pacewise that started a run quit, or was killed, before the run
    // ended: how the run itself ended decides (a Pacewise prompt in the
    // transcript is no success), and claude is never started beside it.
    void aRunLeftBehindIsJudgedByHowItEnded_data()
    {
        QTest::addColumn<bool>("goingOn");
        QTest::addColumn<QByteArray>("exit"); // what the run recorded; empty: nothing
        QTest::addColumn<QString>("output");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<bool>("ticketLeft");
        const QByteArray endedAt = QByteArray::number(resetAt.addSecs(90).toSecsSinceEpoch());
        QTest::newRow("still going on") << true << QByteArray() << QString() << Kind::alreadyRunning << true;
        QTest::newRow("went well") << false << "0 " + endedAt << u"{\"is_error\":false,\"result\":\"done\"}"_qs << Kind::alreadyContinued << false;
        QTest::newRow("failed after its prompt") << false << "1 " + endedAt << u"{\"is_error\":true,\"result\":\"API Error: 529 Overloaded\"}"_qs
                                                 << Kind::failed << true;
        QTest::newRow("ended without saying how") << false << QByteArray() << QString() << Kind::failed << true;
    }

    void aRunLeftBehindIsJudgedByHowItEnded()
    {
        QFETCH(bool, goingOn);
        QFETCH(QByteArray, exit);
        QFETCH(QString, output);
        QFETCH(Kind, kind);
        QFETCH(bool, ticketLeft);
        ResumeFixture fixture;
        fixture.appendToTranscript(transcriptLine(resetAt.addSecs(30), ClaudeCommandLine::continuePrompt, "default"));
        const ResumeQueue queue(fixture.tickets());
        ResumeRecord record{.ticketCreatedAt = fixture.ticket.createdAt, .attempts = 1, .lastAttemptAt = resetAt.addSecs(30)};
        record.running = ResumeRecord::Running{goingOn ? ProcessIdentity::self() : ProcessIdentity{deadProcessId(), 1},
                                               resetAt.addSecs(30)};
        QVERIFY(queue.saveRecord(sessionA, record));
        if (!exit.isEmpty()) {
            QVERIFY(writeFile(queue.runFilePrefix(sessionA) + u".exit"_qs, exit));
            QVERIFY(writeFile(queue.runFilePrefix(sessionA) + u".out"_qs, output.toUtf8()));
        }
        const auto outcome = fixture.attempt(afterReset.addSecs(600));
        QCOMPARE(outcome.kind, kind);
        QVERIFY(fixture.runner->invocations().isEmpty());
        QCOMPARE(QFileInfo::exists(fixture.ticketFile()), ticketLeft);
        if (kind == Kind::failed && !exit.isEmpty())
            QCOMPARE(outcome.until, resetAt.addSecs(90 + 300)); // from the run's end
    }

    void onlyTheTranscriptsTailIsRead()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"t.jsonl"_qs);
        const QByteArray prompt = "{\"type\":\"user\",\"message\":{\"content\":\"" + QByteArray(100'000, 'p') + "\"}}\n";
        const QByteArray noise = "{\"type\":\"assistant\",\"message\":{\"content\":\"" + QByteArray(1000, 'n') + "\"}}\n";
        // A prompt longer than a chunk, then under 4 MiB of other lines: found.
        QVERIFY(writeFile(path, prompt + noise.repeated(3000)));
        QCOMPARE(LastMessageResolver::lastUserMessage(path), std::optional(QString(59, u'p') + u'…'));
        // Pushed out of the last 4 MiB: not found.
        QVERIFY(writeFile(path, prompt + noise.repeated(4300)));
        QVERIFY(!LastMessageResolver::lastUserMessage(path));
        QVERIFY(!LastMessageResolver::lastUserMessage(dir.path()));
        QVERIFY(QFile::link(u"/dev/zero"_qs, dir.filePath(u"zero.jsonl"_qs)));
        QVERIFY(!LastMessageResolver::lastUserMessage(dir.filePath(u"zero.jsonl"_qs)));
    }

};

QTEST_GUILESS_MAIN(ResumeTest)
#include "tst_resume.moc"
