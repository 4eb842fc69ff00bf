#include "app/AppConfiguration.h"
#include "app/AppState.h"
#include "app/NotificationController.h"
#include "support/FakeScriptRunner.h"
#include "support/FakeUsageFetcher.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <qcoro/qcorotask.h>


using namespace pacewise;
using namespace pacewise::test;

Q_DECLARE_METATYPE(pacewise::UsageCLIError::Kind)
Q_DECLARE_METATYPE(pacewise::FetchIssue)

namespace {

const QString session = u"0f76730a-752b-4aa3-865c-aec0624eaedb"_qs;


UsageSnapshot usage(double fiveHour, double weekly, const QDateTime &reset, std::optional<QString> account = {})
{
    return UsageSnapshot({UsageLimit(UsageLimitKind::fiveHour, std::nullopt, fiveHour, reset),
                          UsageLimit(UsageLimitKind::weeklyAll, std::nullopt, weekly, reset.addDays(3))},
                         account);
}

std::unexpected<UsageCLIError> failure(UsageCLIError::Kind kind)
{
    return std::unexpected(UsageCLIError{.kind = kind});
}

struct FakeNotifications final : DesktopNotifications {
    QStringList shown; // "summary | body"
    void show(const QString &summary, const QString &body, Urgency) override { shown << summary + u" | "_qs + body; }
};

struct Fixture {
    QTemporaryDir home;
    QDateTime now = QDateTime(QDate(2026, 12, 6), QTime(12, 0), Qt::UTC);
    std::shared_ptr<FakeUsageFetcher> fetcher = std::make_shared<FakeUsageFetcher>();
    std::shared_ptr<FakeScriptRunner> runner = std::make_shared<FakeScriptRunner>();
    std::optional<AuthStatus> auth = AuthStatus{.loggedIn = true};
    int authChecks = 0;
    QSettings defaults{home.filePath(u"Pacewise.conf"_qs), QSettings::IniFormat};
    std::unique_ptr<AppState> state;

    QString claude(const QString &path) const { return home.filePath(u".claude/"_qs + path); }

    void build(bool writeState = false)
    {
        QDir().mkpath(home.filePath(u"work"_qs));
        const ResumeQueue queue(claude(u"pacewise-resume-tickets"_qs));
        state = std::make_unique<AppState>(AppState::Dependencies{
            .usageFetcher = fetcher,
            .authStatus = [this] { ++authChecks; return auth; },
            .engineStateReader = EngineStateReader(claude(u"rate-limit-state.json"_qs), AccountIdentity(home.filePath(u".claude.json"_qs))),
            .stateWriter = StateWriter(claude(u"rate-limit-state.json"_qs)),
            .writeStateEnabled = writeState,
            .resumeQueue = queue,
            .titles = std::make_shared<LastMessageResolver>(claude(u"sessions"_qs)),
            .resumeCoordinator = std::make_shared<ResumeCoordinator>(ResumeCoordinator::Dependencies{
                .queue = queue, .resolver = std::make_shared<FakeResolver>(), .runner = runner,
                .environment = QProcessEnvironment(), .sessionsDirectory = claude(u"sessions"_qs)}),
            .settingsManager = SettingsFileManager(),
            .claudeSettingsPath = claude(u"settings.json"_qs),
            .userDefaults = &defaults,
            .now = [this] { return now; },
            .pollTick = std::chrono::milliseconds(5),
        });
    }

    bool refresh(bool automatic = true) { return QCoro::waitFor(state->refresh(automatic)); }

    void writeTicket(const QDateTime &resetsAt)
    {
        writeFile(claude(u"pacewise-resume-tickets/"_qs + session + u".json"_qs),
                  QStringLiteral("{\"session_id\":\"%1\",\"cwd\":\"%2\",\"resets_at\":%3,\"created_at\":%4}")
                      .arg(session, home.filePath(u"work"_qs))
                      .arg(resetsAt.toSecsSinceEpoch())
                      .arg(resetsAt.addSecs(-3600).toSecsSinceEpoch())
                      .toUtf8());
    }
};

} // namespace

class AppStateTest : public QObject {
    Q_OBJECT

private slots:
    void pollIntervalFollowsTheClosestLimit_data()
    {
        QTest::addColumn<QList<double>>("figures"); // five-hour, weekly, weekly model
        QTest::addColumn<bool>("throttledBefore");
        QTest::addColumn<int>("interval");
        QTest::newRow("no snapshot") << QList<double>{} << false << 60;
        QTest::newRow("five-hour 81") << QList<double>{81, 10, 0} << false << 60;
        QTest::newRow("five-hour 81 after a withheld report") << QList<double>{81, 10, 0} << true << 120;
        QTest::newRow("five-hour exactly 80") << QList<double>{80, 10, 0} << false << 300;
        QTest::newRow("weekly model 91") << QList<double>{10, 10, 91} << false << 60;
        QTest::newRow("worst exactly 30") << QList<double>{30, 10, 0} << false << 300;
        QTest::newRow("worst 29.9") << QList<double>{29.9, 10, 0} << false << 1200;
    }

    void pollIntervalFollowsTheClosestLimit()
    {
        QFETCH(QList<double>, figures);
        QFETCH(bool, throttledBefore);
        QFETCH(int, interval);
        Fixture fixture;
        fixture.build();
        if (!figures.isEmpty()) {
            const QDateTime reset = fixture.now.addSecs(3600);
            fixture.fetcher->answer(UsageSnapshot({UsageLimit(UsageLimitKind::fiveHour, std::nullopt, figures[0], reset),
                                                   UsageLimit(UsageLimitKind::weeklyAll, std::nullopt, figures[1], reset),
                                                   UsageLimit(UsageLimitKind::weeklyModel, u"Opus"_qs, figures[2], reset)}));
            QVERIFY(fixture.refresh());
        }
        if (throttledBefore)
            QVERIFY(!fixture.refresh()); // withheld: the snapshot stays
        QCOMPARE(fixture.state->nextPollIntervalSeconds(), interval);
    }

    void stalenessAllowsOneMinuteBeyondTheInterval()
    {
        Fixture fixture;
        fixture.build();
        QVERIFY(fixture.state->isStale(fixture.now));
        fixture.fetcher->answer(usage(10, 10, fixture.now.addSecs(3600)));
        QVERIFY(fixture.refresh());
        QVERIFY(!fixture.state->isStale(fixture.now.addSecs(1200 + 60)));
        QVERIFY(fixture.state->isStale(fixture.now.addSecs(1200 + 61)));
    }

    void withheldFiguresBecomeAnIssueOnlyAfterTenReports()
    {
        Fixture fixture;
        fixture.build();
        for (int report = 1; report <= 10; ++report) {
            QVERIFY(!fixture.refresh());
            QVERIFY(!fixture.state->issue());
        }
        QVERIFY(!fixture.refresh());
        QCOMPARE(fixture.state->issue(), std::optional(FetchIssue::throttled));
        QCOMPARE(fixture.state->issueText(), u"Usage data withheld by server"_qs);
        QCOMPARE(fixture.authChecks, 1); // sign-in looked at once per five minutes
    }

    void withheldFiguresWhileSignedOutAskForSignIn()
    {
        Fixture fixture;
        fixture.auth = AuthStatus{.loggedIn = false};
        fixture.build();
        QVERIFY(!fixture.refresh());
        QCOMPARE(fixture.state->issue(), std::optional(FetchIssue::signInRequired));
    }

    void failuresAreClassified_data()
    {
        QTest::addColumn<UsageCLIError>("error");
        QTest::addColumn<FetchIssue>("issue");
        using K = UsageCLIError::Kind;
        const auto error = [](K kind) { return UsageCLIError{.kind = kind}; };
        QTest::newRow("command failed") << error(K::commandFailed) << FetchIssue::signInRequired;
        QTest::newRow("not found") << error(K::cliNotFound) << FetchIssue::signInRequired;
        QTest::newRow("timed out") << UsageCLIError{.kind = K::processFailed, .runnerError = ScriptRunnerError{.kind = ScriptRunnerError::Kind::timedOut}} << FetchIssue::offline;
        QTest::newRow("launch failed") << UsageCLIError{.kind = K::processFailed, .runnerError = ScriptRunnerError{.kind = ScriptRunnerError::Kind::launchFailed}} << FetchIssue::signInRequired;
        QTest::newRow("invalid JSON") << error(K::invalidJSON) << FetchIssue::unknown;
        QTest::newRow("missing result") << error(K::missingResult) << FetchIssue::unknown;
        QTest::newRow("bad reset") << error(K::invalidResetDate) << FetchIssue::unknown;
    }

    void failuresAreClassified()
    {
        QFETCH(UsageCLIError, error);
        QFETCH(FetchIssue, issue);
        QCOMPARE(classify(error), issue);
    }

    void aFailedFetchFallsBackToTheEngineStateFileOnlyWithoutASnapshot()
    {
        Fixture fixture;
        fixture.build();
        // The reader judges the file's age against this clock: the file is
        // written a minute before "now".
        fixture.now = QDateTime::currentDateTimeUtc();
        QVERIFY(writeFile(fixture.claude(u"rate-limit-state.json"_qs),
                          QStringLiteral("{\"limits\":[{\"kind\":\"five_hour\",\"used_percentage\":55,\"resets_at\":%1}]}")
                              .arg(fixture.now.addSecs(3600).toSecsSinceEpoch()).toUtf8(),
                          fixture.now.addSecs(-60)));
        fixture.fetcher->answer(failure(UsageCLIError::Kind::invalidJSON));
        QVERIFY(!fixture.refresh());
        QCOMPARE(fixture.state->snapshotSource(), std::optional(SnapshotSource::engine));
        QCOMPARE(fixture.state->menuBarTitle(), u"55%"_qs);

        fixture.fetcher->answer(usage(10, 10, fixture.now.addSecs(3600)));
        QVERIFY(fixture.refresh());
        fixture.fetcher->answer(failure(UsageCLIError::Kind::invalidJSON));
        QVERIFY(!fixture.refresh());
        QCOMPARE(fixture.state->snapshotSource(), std::optional(SnapshotSource::usage)); // kept, not replaced
        QCOMPARE(fixture.state->menuBarTitle(), u"10%"_qs);

        fixture.fetcher->answer(usage(1e308, 10, fixture.now.addSecs(3600))); // damaged: capped, not overflowed
        QVERIFY(fixture.refresh());
        QCOMPARE(fixture.state->menuBarTitle(), u"999%"_qs);
    }

    void anotherAccountsSnapshotIsDropped()
    {
        Fixture fixture;
        fixture.build();
        fixture.fetcher->answer(usage(10, 10, fixture.now.addSecs(3600), u"A"_qs));
        QVERIFY(fixture.refresh());
        QVERIFY(writeFile(fixture.home.filePath(u".claude.json"_qs), R"({"oauthAccount":{"accountUuid":"B"}})"));
        fixture.fetcher->answer(failure(UsageCLIError::Kind::commandFailed));
        QVERIFY(!fixture.refresh());
        QVERIFY(!fixture.state->snapshot());
        QCOMPARE(fixture.state->menuBarTitle(), u"—%"_qs);
    }

    void snapshotsAreWrittenBackWhenAskedOrWhenTheGuardNeedsThem_data()
    {
        QTest::addColumn<bool>("writeState");
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<bool>("written");
        const QByteArray guardBehindForeignStatusLine =
            R"({"hooks":{"PreToolUse":[{"hooks":[{"command":"/h/rate-limit-guard.sh"}]}]},"statusLine":{"command":"mine.sh"}})";
        QTest::newRow("write-back on") << true << QByteArray() << true;
        QTest::newRow("guard behind the user's status line") << false << guardBehindForeignStatusLine << true;
        QTest::newRow("guard with Pacewise's status line") << false
            << QByteArray(R"({"hooks":{"PreToolUse":[{"hooks":[{"command":"/h/rate-limit-guard.sh"}]}]},"statusLine":{"command":"/h/rate-limit-statusline.sh"}})") << false;
        QTest::newRow("neither") << false << QByteArray() << false;
    }

    void snapshotsAreWrittenBackWhenAskedOrWhenTheGuardNeedsThem()
    {
        QFETCH(bool, writeState);
        QFETCH(QByteArray, settings);
        QFETCH(bool, written);
        Fixture fixture;
        if (!settings.isEmpty())
            QVERIFY(writeFile(fixture.claude(u"settings.json"_qs), settings));
        fixture.build(writeState);
        fixture.fetcher->answer(usage(42, 10, fixture.now.addSecs(3600)));
        QVERIFY(fixture.refresh());
        QCOMPARE(QFileInfo::exists(fixture.claude(u"rate-limit-state.json"_qs)), written);
    }

    void writeStateSwitchFollowsTheEnvironmentFirst_data()
    {
        QTest::addColumn<QString>("variable"); // null: unset
        QTest::addColumn<bool>("setting");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("TRUE") << u"TRUE"_qs << false << true;
        QTest::newRow("1") << u"1"_qs << false << true;
        QTest::newRow("yes overrides the setting") << u"yes"_qs << true << false;
        QTest::newRow("unset: the setting") << QString() << true << true;
    }

    void writeStateSwitchFollowsTheEnvironmentFirst()
    {
        QFETCH(QString, variable);
        QFETCH(bool, setting);
        QFETCH(bool, enabled);
        QTemporaryDir dir;
        QSettings settings(dir.filePath(u"p.conf"_qs), QSettings::IniFormat);
        settings.setValue(u"writeStateEnabled"_qs, setting);
        QProcessEnvironment environment;
        if (!variable.isNull())
            environment.insert(u"PACEWISE_WRITE_STATE"_qs, variable);
        QCOMPARE(writeStateEnabled(environment, settings), enabled);
    }

    void readySessionsAreContinuedAfterTheReset()
    {
        Fixture fixture;
        fixture.writeTicket(fixture.now.addSecs(-60));
        fixture.build();
        QCOMPARE(fixture.state->pendingResumes().size(), 1);
        QVERIFY(!fixture.state->autoContinueEnabled());
        QVERIFY(QCoro::waitFor([&]() -> QCoro::Task<bool> {
            co_await fixture.state->setAutoContinueEnabled(true);
            co_return true;
        }()));
        QVERIFY(fixture.state->autoContinueEnabled());
        QVERIFY(readFile(fixture.claude(u"settings.json"_qs)).contains("pacewise-resume-tickets"));

        fixture.runner->answer(0, u"{\"is_error\":false}"_qs);
        fixture.fetcher->answer(usage(5, 10, fixture.now.addSecs(18000)));
        QVERIFY(fixture.refresh());
        QTRY_COMPARE(fixture.state->resumeResults().value(session).kind, ResumeAttemptResult::Kind::succeeded);
        QTRY_VERIFY(fixture.state->pendingResumes().isEmpty());
        QCOMPARE(fixture.runner->invocations.size(), 1);
    }

    void autoContinueSwitchedElsewhereIsTakenIn()
    {
        Fixture fixture;
        fixture.build();
        const std::unique_ptr<AppState> running = std::move(fixture.state);
        QSignalSpy changed(running.get(), &AppState::autoContinueChanged);
        fixture.build(); // as pacewisectl auto-continue would
        QCoro::waitFor(fixture.state->setAutoContinueEnabled(true));

        running->reloadSettings();
        QVERIFY(running->autoContinueEnabled());
        QCOMPARE(changed.count(), 1);
        running->reloadSettings(); // nothing new
        QCOMPARE(changed.count(), 1);
        QCoro::waitFor(fixture.state->setAutoContinueEnabled(false));
        running->reloadSettings();
        QVERIFY(!running->autoContinueEnabled());
    }

    void notificationsTellEachEventOnce()
    {
        Fixture fixture;
        fixture.build();
        QCoro::waitFor(fixture.state->setAutoContinueEnabled(true));
        const auto notifications = std::make_shared<FakeNotifications>();
        NotificationController controller({.notifications = notifications, .defaults = &fixture.defaults,
                                           .state = fixture.state.get(), .zone = QTimeZone::utc()});
        const QDateTime reset = fixture.now.addSecs(3600);

        fixture.fetcher->answer(usage(92, 10, reset));
        fixture.fetcher->answer(usage(95, 10, reset)); // the same window: told already
        fixture.refresh();
        fixture.refresh();
        QCOMPARE(notifications->shown.size(), 1);
        QVERIFY2(notifications->shown.constFirst().startsWith(u"92% of the 5-hour limit used | It resets at"_qs),
                 qPrintable(notifications->shown.constFirst()));

        // The guard stops a session; the first attempt to continue it fails, and so does the retry.
        fixture.writeTicket(reset);
        QCoro::waitFor(fixture.state->reloadResumeTickets());
        QCOMPARE(notifications->shown.size(), 2);
        QVERIFY2(notifications->shown.at(1).startsWith(u"Claude Code paused at the usage limit | "_qs), qPrintable(notifications->shown.at(1)));
        QVERIFY(notifications->shown.at(1).contains(u"continues after the reset at 13:00"_qs));
        fixture.now = reset.addSecs(60);
        for (int attempt = 0; attempt < 2; ++attempt) {
            fixture.runner->answer(1, u"boom"_qs);
            fixture.fetcher->answer(usage(5, 10, reset.addSecs(18000)));
            fixture.refresh();
            QTRY_VERIFY(fixture.state->resumingSessionIDs().isEmpty() && fixture.state->resumeResults().contains(session));
            fixture.now = fixture.now.addSecs(7200); // past any back-off
        }
        QCOMPARE(fixture.runner->invocations.size(), 2);
        QCOMPARE(notifications->shown.size(), 3);
        QVERIFY2(notifications->shown.at(2).startsWith(u"Session could not be continued | "_qs), qPrintable(notifications->shown.at(2)));

        // Switched off: a new window near its limit goes untold.
        fixture.defaults.setValue(NotificationController::settingsKey(NotificationController::Kind::limitNear), false);
        fixture.fetcher->answer(usage(99, 10, reset.addSecs(18000)));
        fixture.refresh();
        QCOMPARE(notifications->shown.size(), 3);
        QCOMPARE(NotificationController::settingsKey(NotificationController::Kind::morningKickstart), u"notifyMorningKickstart"_qs);
    }

    void resumeNowFetchesFreshFiguresFirst()
    {
        Fixture fixture;
        fixture.writeTicket(fixture.now.addSecs(600)); // not yet reset: only a manual resume runs
        fixture.build();
        fixture.fetcher->answer(usage(5, 10, fixture.now.addSecs(18000)));
        fixture.runner->answer(0, u"{\"is_error\":false}"_qs);
        const auto ticket = fixture.state->pendingResumes().constFirst();
        const auto outcome = QCoro::waitFor(fixture.state->resumeNow(ticket));
        QCOMPARE(outcome.kind, ResumeAttemptResult::Kind::succeeded);
        QCOMPARE(fixture.fetcher->calls(), 1);
    }

    // The poll is due by the wall clock, which keeps running while the
    // machine sleeps; timers do not.
    void pollsFollowTheWallClock()
    {
        Fixture fixture;
        fixture.build();
        fixture.fetcher->answer(usage(10, 10, fixture.now.addSecs(3600)));
        fixture.state->startPolling();
        QTRY_COMPARE(fixture.fetcher->calls(), 1);
        QTRY_VERIFY(!fixture.state->isFetching());
        QTest::qWait(50);
        QCOMPARE(fixture.fetcher->calls(), 1); // 1200 s to go
        fixture.now = fixture.now.addSecs(1199);
        QTest::qWait(50);
        QCOMPARE(fixture.fetcher->calls(), 1);
        fixture.now = fixture.now.addSecs(2 * 3600); // woke up long after
        QTRY_COMPARE(fixture.fetcher->calls(), 2);
        fixture.state->stopPolling();
    }

    void theMenuBarFigureIsTheRoundedFiveHourPercentage()
    {
        Fixture fixture;
        fixture.build();
        QCOMPARE(fixture.state->menuBarTitle(), u"—%"_qs);
        fixture.fetcher->answer(usage(41.5, 99, fixture.now.addSecs(3600)));
        QVERIFY(fixture.refresh());
        QCOMPARE(fixture.state->menuBarTitle(), u"42%"_qs);
        QCOMPARE(fixture.state->severity(), MenuBarUsage::Severity::critical);
        fixture.state->setShowMenuBarPercentage(false);
        QCOMPARE(fixture.defaults.value(u"showMenuBarPercentage"_qs).toBool(), false);
    }
};

QTEST_GUILESS_MAIN(AppStateTest)
#include "tst_appstate.moc"
