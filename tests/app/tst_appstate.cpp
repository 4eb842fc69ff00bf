#include "app/AppComposition.h"
#include "app/AppState.h"
#include "app/NotificationController.h"
#include "support/FakeResumes.h"
#include "support/FakeScriptRunner.h"
#include "support/FakeUsageFetcher.h"
#include "support/TestFiles.h"

#include <QProcess>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThreadPool>

#include <atomic>
#include <QtTest>

#include <qcoro/qcorotask.h>


using namespace pacewise;
using namespace pacewise::test;


namespace {

const QString session = u"0f76730a-752b-4aa3-865c-aec0624eaedb"_qs;
// How long a claude run takes on the day the polls are driven through.
constexpr qint64 fetchSeconds = 15;


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
    // Where a test's clock moves on another thread too (a fetch that takes
    // time), it is this instead of now.
    std::function<QDateTime()> clock;
    std::shared_ptr<FakeUsageFetcher> fetcher = std::make_shared<FakeUsageFetcher>();
    std::shared_ptr<FakeScriptRunner> runner = std::make_shared<FakeScriptRunner>();
    std::optional<AuthStatus> auth = AuthStatus{.loggedIn = true};
    int authChecks = 0;
    QSettings appSettings{home.filePath(u"Pacewise.conf"_qs), QSettings::IniFormat};
    std::unique_ptr<AppState> state;
    std::unique_ptr<ResumeController> resumes;

    // Started at once, unless a test first writes tickets for it to find.
    enum Start { startNow, startLater };
    explicit Fixture(Start start = startNow)
    {
        if (start == startNow)
            build();
    }

    QString claude(const QString &path) const { return home.filePath(u".claude/"_qs + path); }

    void build()
    {
        QDir().mkpath(home.filePath(u"work"_qs));
        state = std::make_unique<AppState>(AppState::Dependencies{
            .usageFetcher = fetcher,
            .authStatus = [this] { ++authChecks; return auth; },
            .engineStateReader = EngineStateReader(claude(u"rate-limit-state.json"_qs), AccountIdentity(home.filePath(u".claude.json"_qs))),
            .stateWriter = StateWriter(claude(u"rate-limit-state.json"_qs)),
            .appSettings = &appSettings,
            .now = [this] { return clock ? clock() : now; },
        });
        const ClaudePaths paths(home.filePath(u".claude"_qs), home.filePath(u".claude.json"_qs));
        resumes = fakeResumes(paths, runner, [this] { return now; }, state.get());
    }

    bool refresh(bool automatic = true) { return QCoro::waitFor(state->refresh(automatic)); }

    void writeTicket(const QDateTime &resetsAt, const QString &id = session)
    {
        writeFile(claude(u"pacewise-resume-tickets/"_qs + id + u".json"_qs),
                  QStringLiteral("{\"session_id\":\"%1\",\"cwd\":\"%2\",\"resets_at\":%3,\"created_at\":%4}")
                      .arg(id, home.filePath(u"work"_qs))
                      .arg(resetsAt.toSecsSinceEpoch())
                      .arg(resetsAt.addSecs(-3600).toSecsSinceEpoch())
                      .toUtf8());
    }
};

} // namespace

class AppStateTest : public QObject {
    Q_OBJECT

private slots:
    // A whole day on the injected clock, in 10 s steps, against a 5-hour
    // window that fills up, sits at its limit and resets: every poll comes
    // the interval the policy names after the previous one began, not a
    // tick later; a suspend is caught up at once on waking; a clock set back
    // does not push the next poll beyond one interval.
    void aDayOfPollsKeepsThePolicysIntervals()
    {
        Fixture fixture;
        const QDateTime start = fixture.now;
        std::atomic<qint64> clock = start.toSecsSinceEpoch();
        fixture.clock = [&clock] { return utc(clock); };
        fixture.fetcher->respond = [&clock] {
            // claude takes a while: the next poll counts from this one's start.
            const qint64 asked = clock.fetch_add(fetchSeconds);
            // 5-hour windows from the start on; usage climbs 30 % an hour and stops at 100.
            const qint64 elapsed = asked - 1'796'558'400;
            const qint64 windowStart = elapsed / 18000 * 18000;
            const double used = std::min(100.0, double(elapsed - windowStart) / 120);
            return UsageSnapshot({UsageLimit(UsageLimitKind::fiveHour, std::nullopt, used, utc(1'796'558'400 + windowStart + 18000)),
                                  UsageLimit(UsageLimitKind::weeklyAll, std::nullopt, 10, utc(1'796'558'400 + 5 * 86400))});
        };
        QList<std::pair<qint64, int>> polls; // when, and the interval the figures named
        fixture.state->startPolling();
        QTRY_VERIFY(!fixture.state->isFetching());
        polls.append({0, fixture.state->nextPollIntervalSeconds()});
        for (qint64 second = 10; second <= 86400; second += 10) {
            if (second == 40000) // suspended for two hours
                second += 7200;
            if (start.toSecsSinceEpoch() + second <= clock)
                continue; // still within the last fetch
            clock = start.toSecsSinceEpoch() + second;
            const int before = fixture.fetcher->calls();
            fixture.state->pollIfDue();
            if (fixture.fetcher->calls() != before || fixture.state->isFetching()) {
                QDeadlineTimer deadline(5000);
                while (fixture.state->isFetching() && !deadline.hasExpired())
                    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
                QVERIFY(!fixture.state->isFetching());
                polls.append({second, fixture.state->nextPollIntervalSeconds()});
            }
        }
        QVERIFY(polls.size() > 50);
        QSet<int> intervals;
        for (qsizetype i = 1; i < polls.size(); ++i) {
            const qint64 gap = polls[i].first - polls[i - 1].first;
            const int named = polls[i - 1].second;
            intervals.insert(named);
            if (polls[i].first == 40000 + 7200)
                continue; // the wake-up poll
            QVERIFY2(gap >= named && gap < named + 10,
                     qPrintable(u"poll at %1 s came %2 s after the last, which named %3 s"_qs.arg(polls[i].first).arg(gap).arg(named)));
        }
        QCOMPARE(intervals, (QSet<int>{60, 300, 1200}));
        QVERIFY(std::any_of(polls.cbegin(), polls.cend(), [](const auto &poll) { return poll.first == 47200; }));

        // The clock set back an hour: the next poll is still one interval away.
        clock -= 3600;
        fixture.state->pollIfDue();
        QVERIFY(fixture.state->nextPollAt() <= utc(clock).addSecs(fixture.state->nextPollIntervalSeconds()));
        fixture.state->stopPolling();
    }

    // After its reset a window shows as not started, at the reset and not
    // at the next poll; the figure stays the 5-hour one.
    void aWindowPastItsResetShowsAsNotStarted()
    {
        Fixture fixture;
        const QDateTime reset = fixture.now.addSecs(600);
        fixture.fetcher->answer(usage(97, 40, reset));
        QVERIFY(fixture.refresh());
        QCOMPARE(fixture.state->trayTitle(), u"97%"_qs);
        QCOMPARE(fixture.state->severity(), TrayUsage::Severity::warning);
        fixture.state->startPolling(); // the fetcher has nothing more: withheld
        QTRY_VERIFY(!fixture.state->isFetching());
        QSignalSpy changed(fixture.state.get(), &AppState::snapshotChanged);
        fixture.now = reset.addSecs(1);
        fixture.state->pollIfDue();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(fixture.state->trayTitle(), u"0%"_qs);
        QCOMPARE(fixture.state->severity(), TrayUsage::Severity::normal);
        QVERIFY(!fixture.state->snapshot()->fiveHour()->hasStarted());
        fixture.state->stopPolling();
    }

    // While Claude Code runs, its status line confirms the figures: no
    // claude is started for them; once they are older than the interval, it is.
    void figuresTheStatusLineConfirmedSpareAClaudeRun()
    {
        Fixture fixture;
        // A little in the past: the status line below records at the real time.
        fixture.now = QDateTime::currentDateTimeUtc().addSecs(-10);
        const auto state = [&](qint64 confirmedAgo) {
            return QStringLiteral(R"({"limits":[{"kind":"five_hour","used_percentage":55,"resets_at":%1,"confirmed_at":%2}],)"
                                  R"("status_line_confirmed_at":%2})")
                .arg(fixture.now.addSecs(3600).toSecsSinceEpoch())
                .arg(fixture.now.addSecs(-confirmedAgo).toSecsSinceEpoch())
                .toUtf8();
        };
        QVERIFY(writeFile(fixture.claude(u"rate-limit-state.json"_qs), state(100)));
        QVERIFY(fixture.refresh());
        QCOMPARE(fixture.fetcher->calls(), 0);
        QCOMPARE(fixture.state->trayTitle(), u"55%"_qs);
        QCOMPARE(fixture.state->lastSuccessAt(), std::optional(utc(fixture.now.addSecs(-100).toSecsSinceEpoch())));

        // Older than the 300 s the figures call for: claude is asked, and
        // its lower figure for the same window is merged, not taken.
        QVERIFY(writeFile(fixture.claude(u"rate-limit-state.json"_qs), state(400)));
        fixture.fetcher->answer(usage(50, 10, fixture.now.addSecs(3600)));
        QVERIFY(fixture.refresh());
        QCOMPARE(fixture.fetcher->calls(), 1);
        QCOMPARE(fixture.state->trayTitle(), u"55%"_qs);
        QVERIFY(readFile(fixture.claude(u"rate-limit-state.json"_qs)).contains("\"weekly_all\""));

        // A reply in a Claude Code session: its status line records 86 %,
        // and the figure shows within a second, dated by that reply,
        // without a poll.
        const QDateTime polledAt = *fixture.state->lastSuccessAt();
        fixture.now = QDateTime::currentDateTimeUtc().addSecs(30);
        QProcess statusLine;
        statusLine.start(u"env"_qs, {u"-u"_qs, u"CLAUDE_CONFIG_DIR"_qs, u"-u"_qs, u"PACEWISE_STATE_PATH"_qs, u"HOME="_qs + fixture.home.path(),
                                     u"sh"_qs, QStringLiteral(PACEWISE_SOURCE_DIR "/resources/EngineScripts/rate-limit-statusline.sh")});
        statusLine.write(R"({"session_id":"s","cost":{"total_api_duration_ms":9},"rate_limits":{"five_hour":{"used_percentage":86,"resets_at":)" +
                         QByteArray::number(fixture.now.addSecs(3600).toSecsSinceEpoch()) + "}}}");
        statusLine.closeWriteChannel();
        QVERIFY(statusLine.waitForFinished(10'000));
        QTRY_COMPARE_WITH_TIMEOUT(fixture.state->trayTitle(), u"86%"_qs, 1000);
        QCOMPARE(fixture.fetcher->calls(), 1);
        QVERIFY(*fixture.state->lastSuccessAt() > polledAt);
    }

    // Resume-now and the morning greeting decide on the figures a refresh
    // brings: one that arrives while another runs waits for its outcome.
    void aRefreshDuringAnotherWaitsForItsFigures()
    {
        Fixture fixture;
        fixture.fetcher->hold();
        fixture.fetcher->answer(usage(20, 10, fixture.now.addSecs(3600)));
        std::optional<bool> first;
        std::optional<bool> second;
        fixture.state->refresh(true).then([&](bool fresh) { first = fresh; });
        fixture.state->refresh(false).then([&](bool fresh) { second = fresh; });
        QTRY_COMPARE(fixture.fetcher->calls(), 1); // under way, held
        QVERIFY(!first && !second);
        fixture.fetcher->release();
        QTRY_VERIFY(first && second);
        QCOMPARE(*second, true);
        QCOMPARE(fixture.fetcher->calls(), 1);
    }

    void withheldFiguresBecomeAnIssueOnlyAfterTenReports()
    {
        Fixture fixture;
        for (int report = 1; report <= 10; ++report) {
            QVERIFY(!fixture.refresh());
            QVERIFY(!fixture.state->issue());
        }
        QVERIFY(!fixture.refresh());
        QCOMPARE(fixture.state->issue(), std::optional(FetchIssue::throttled));
        QCOMPARE(fixture.state->issueText(), u"Usage data withheld by server"_qs);
        QCOMPARE(fixture.authChecks, 1); // sign-in looked at once per five minutes
    }

    void aFailedFetchFallsBackToTheEngineStateFileOnlyWithoutASnapshot()
    {
        Fixture fixture;
        // The reader judges the file's age against this clock: the file is
        // written a minute before "now".
        fixture.now = QDateTime::currentDateTimeUtc();
        QVERIFY(writeFile(fixture.claude(u"rate-limit-state.json"_qs),
                          QStringLiteral("{\"limits\":[{\"kind\":\"five_hour\",\"used_percentage\":55,\"resets_at\":%1}]}")
                              .arg(fixture.now.addSecs(3600).toSecsSinceEpoch()).toUtf8(),
                          fixture.now.addSecs(-60)));
        fixture.fetcher->answer(failure(UsageCLIError::Kind::invalidJSON));
        QVERIFY(!fixture.refresh());
        QCOMPARE(fixture.state->trayTitle(), u"55%"_qs);

        fixture.fetcher->answer(usage(10, 10, fixture.now.addSecs(7200))); // the next window
        QVERIFY(fixture.refresh());
        fixture.fetcher->answer(failure(UsageCLIError::Kind::invalidJSON));
        QVERIFY(!fixture.refresh());
        QCOMPARE(fixture.state->trayTitle(), u"10%"_qs); // kept, not replaced by the file's 55

        fixture.fetcher->answer(usage(1e308, 10, fixture.now.addSecs(7200))); // damaged: capped, not overflowed
        QVERIFY(fixture.refresh());
        QCOMPARE(fixture.state->trayTitle(), u"999%"_qs);
    }

    void anotherAccountsSnapshotIsDropped()
    {
        Fixture fixture;
        fixture.fetcher->answer(usage(10, 10, fixture.now.addSecs(3600), u"A"_qs));
        QVERIFY(fixture.refresh());
        QVERIFY(writeFile(fixture.home.filePath(u".claude.json"_qs), R"({"oauthAccount":{"accountUuid":"B"}})"));
        fixture.fetcher->answer(failure(UsageCLIError::Kind::commandFailed));
        // The account file (tens of MiB for heavy users) is read on the
        // pool, never on the GUI thread: while the pool is busy, nothing
        // of the poll has happened yet. No earlier poll may still be under
        // way, or the refresh would only wait for it.
        QTRY_VERIFY(!fixture.state->isFetching());
        QThreadPool::globalInstance()->waitForDone();
        QThreadPool::globalInstance()->setMaxThreadCount(1);
        QSemaphore poolMayGoOn;
        QThreadPool::globalInstance()->start([&] { poolMayGoOn.acquire(); });
        const auto restorePool = qScopeGuard([&] {
            poolMayGoOn.release();
            QThreadPool::globalInstance()->setMaxThreadCount(QThread::idealThreadCount());
        });
        bool refreshed = false;
        fixture.state->refresh(true).then([&](bool) { refreshed = true; });
        QCoreApplication::processEvents();
        QVERIFY(fixture.state->snapshot());
        poolMayGoOn.release();
        QTRY_VERIFY(refreshed);
        QVERIFY(!fixture.state->snapshot());
        QCOMPARE(fixture.state->trayTitle(), u"—%"_qs);
    }

    void readySessionsAreContinuedAfterTheReset()
    {
        Fixture fixture(Fixture::startLater);
        fixture.writeTicket(fixture.now.addSecs(-60));
        fixture.build();
        QCOMPARE(fixture.resumes->pendingResumes().size(), 1);
        QVERIFY(!fixture.resumes->autoContinueEnabled());

        // The resume runs long, and on a one-thread shared pool: the polls
        // meanwhile must still bring figures.
        QThreadPool::globalInstance()->setMaxThreadCount(1);
        QSemaphore resumeMayEnd;
        fixture.runner->whileRunning = [&](const ScriptInvocation &) { resumeMayEnd.tryAcquire(1, 30'000); };
        fixture.runner->answer(0, u"{\"is_error\":false}"_qs);
        fixture.fetcher->answer(usage(5, 10, fixture.now.addSecs(18000)));
        // Switched on after its reset, the session goes on at once, on the
        // figures it asks for itself.
        QCoro::waitFor(fixture.resumes->setAutoContinueEnabled(true));
        QVERIFY(fixture.resumes->autoContinueEnabled());
        QVERIFY(readFile(fixture.claude(u"settings.json"_qs)).contains("pacewise-resume-tickets"));
        QTRY_VERIFY(fixture.resumes->isResuming(session));
        fixture.fetcher->answer(usage(6, 10, fixture.now.addSecs(18000)));
        bool polled = false;
        fixture.state->refresh(true).then([&](bool) { polled = true; });
        QTRY_VERIFY_WITH_TIMEOUT(polled, 10'000);
        resumeMayEnd.release();
        QThreadPool::globalInstance()->setMaxThreadCount(QThread::idealThreadCount());
        QTRY_COMPARE(fixture.resumes->lastResult(session).value_or(ResumeAttemptResult{.kind = ResumeAttemptResult::Kind::failed}).kind,
                     ResumeAttemptResult::Kind::succeeded);
        QTRY_VERIFY(fixture.resumes->pendingResumes().isEmpty());
        QCOMPARE(fixture.runner->invocations().size(), 1);
    }

    // Forty sessions stopped at one limit: all go on at its reset, without
    // waiting for a poll, a few at a time, each once, on the figures of one
    // fetch.
    void everySessionReadyAtAResetIsContinued()
    {
        Fixture fixture(Fixture::startLater);
        for (int index = 0; index < 40; ++index)
            fixture.writeTicket(fixture.now.addSecs(-60), u"0f76730a-752b-4aa3-865c-%1"_qs.arg(index, 12, 10, QLatin1Char('0')));
        fixture.build();
        for (int index = 0; index < 40; ++index)
            fixture.runner->answer(0, u"{\"is_error\":false}"_qs);
        fixture.fetcher->answer(usage(5, 10, fixture.now.addSecs(18000)));
        QCoro::waitFor(fixture.resumes->setAutoContinueEnabled(true));
        QTRY_VERIFY_WITH_TIMEOUT(fixture.resumes->pendingResumes().isEmpty(), 20'000);
        QCOMPARE(fixture.runner->invocations().size(), 40);
        QCOMPARE(fixture.fetcher->calls(), 1);
    }

    // The machine sleeps through the reset (timers stop meanwhile): on
    // waking, the session goes on at once, on figures asked for anew, not
    // at the next poll.
    void aResetPassedInASuspendIsActedOnAtWaking()
    {
        Fixture fixture(Fixture::startLater);
        const QDateTime reset = fixture.now.addSecs(3600);
        fixture.writeTicket(reset);
        fixture.build();
        QCoro::waitFor(fixture.resumes->setAutoContinueEnabled(true));
        fixture.fetcher->answer(usage(100, 10, reset));
        QVERIFY(fixture.refresh());
        fixture.now = reset.addSecs(1800);
        fixture.fetcher->answer(usage(0, 10, reset.addSecs(18000)));
        fixture.runner->answer(0, u"{\"is_error\":false}"_qs);
        fixture.state->pollIfDue(); // as the wake source does
        QTRY_VERIFY(fixture.resumes->pendingResumes().isEmpty());
        QCOMPARE(fixture.runner->invocations().size(), 1);
        QCOMPARE(fixture.fetcher->calls(), 2);
    }

    void autoContinueSwitchedElsewhereIsTakenIn()
    {
        Fixture fixture;
        QSignalSpy changed(fixture.resumes.get(), &ResumeController::autoContinueChanged);
        // As pacewisectl auto-continue would.
        const AutoContinueSetting setting = AppComposition::autoContinueSetting(
            ClaudePaths(fixture.home.filePath(u".claude"_qs), fixture.home.filePath(u".claude.json"_qs)));
        QVERIFY(setting.set(true));

        QCoro::waitFor(fixture.resumes->reloadSettings());
        QVERIFY(fixture.resumes->autoContinueEnabled());
        QCOMPARE(changed.count(), 1);
        QVERIFY(writeFile(fixture.claude(u"settings.json"_qs), "{\"env\": "));
        QCoro::waitFor(fixture.resumes->reloadSettings()); // unreadable: an error, not "off" in silence
        QVERIFY(!fixture.resumes->autoContinueEnabled());
        QVERIFY(!fixture.resumes->autoContinueSettingsError().isEmpty());
    }

    void notificationsTellEachEventOnce()
    {
        Fixture fixture;
        QCoro::waitFor(fixture.resumes->setAutoContinueEnabled(true));
        const auto notifications = std::make_shared<FakeNotifications>();
        const QStringList &shown = notifications->shown;
        NotificationController controller({.notifications = notifications, .appSettings = &fixture.appSettings,
                                           .state = fixture.state.get(), .resumes = fixture.resumes.get(),
                                           .zone = QTimeZone::utc(), .now = [&fixture] { return fixture.now; }});
        QCoro::waitFor(fixture.resumes->reload());
        const QDateTime reset = fixture.now.addSecs(3600);

        fixture.fetcher->answer(usage(92, 10, reset));
        fixture.fetcher->answer(usage(95, 10, reset)); // the same window: told already
        fixture.refresh();
        fixture.refresh();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.at(0).startsWith(u"92% of the 5-hour limit used | It resets at"_qs), qPrintable(shown.at(0)));

        // The guard stops a session; the first attempt to continue it fails, and so does the retry.
        fixture.writeTicket(reset);
        QCoro::waitFor(fixture.resumes->reload());
        QCOMPARE(shown.size(), 2);
        QVERIFY2(shown.at(1).startsWith(u"Claude Code paused at the usage limit | "_qs), qPrintable(shown.at(1)));
        QVERIFY(shown.at(1).contains(u"continues after the reset at 13:00"_qs));
        fixture.now = reset.addSecs(60);
        QSignalSpy finished(fixture.resumes.get(), &ResumeController::resumeFinished);
        for (int attempt = 0; attempt < 2; ++attempt) {
            fixture.runner->answer(1, u"boom"_qs);
            fixture.fetcher->answer(usage(5, 10, reset.addSecs(18000)));
            fixture.refresh();
            QTRY_COMPARE(finished.count(), attempt + 1);
            fixture.now = fixture.now.addSecs(7200); // past any back-off
        }
        QCOMPARE(fixture.runner->invocations().size(), 2);
        QCOMPARE(shown.size(), 3);
        QVERIFY2(shown.at(2).startsWith(u"Session could not be continued | "_qs), qPrintable(shown.at(2)));

        // A weekly stop two days away names the day.
        QVERIFY(QFile::remove(fixture.claude(u"pacewise-resume-tickets/"_qs + session + u".json"_qs)));
        QCoro::waitFor(fixture.resumes->reload());
        fixture.writeTicket(fixture.now.addDays(2), u"727bf826-03ae-4fc2-9f71-add1c61a409c"_qs);
        QCoro::waitFor(fixture.resumes->reload());
        QCOMPARE(shown.size(), 4);
        const QString day = QLocale().dayName(fixture.now.addDays(2).date().dayOfWeek());
        QVERIFY2(shown.at(3).contains(u"continues after the reset on %1 at "_qs.arg(day)), qPrintable(shown.at(3)));

        // The user's own share for the 5-hour window: 93 % is not near yet.
        fixture.appSettings.setValue(NotificationController::limitNearKey(UsageLimitKind::fiveHour), 95);
        fixture.fetcher->answer(usage(93, 10, reset.addSecs(18000)));
        fixture.refresh();
        QCOMPARE(shown.size(), 4);
        // Switched off: a new window near its limit goes untold.
        fixture.appSettings.setValue(NotificationController::settingsKey(NotificationController::Kind::limitNear), false);
        fixture.fetcher->answer(usage(99, 10, reset.addSecs(18000)));
        fixture.refresh();
        QCOMPARE(shown.size(), 4);
    }

    void resumeNowFetchesFreshFiguresFirst()
    {
        Fixture fixture(Fixture::startLater);
        fixture.writeTicket(fixture.now.addSecs(600)); // not yet reset: only a manual resume runs
        fixture.build();
        fixture.fetcher->answer(usage(5, 10, fixture.now.addSecs(18000)));
        fixture.runner->answer(0, u"{\"is_error\":false}"_qs);
        const auto ticket = fixture.resumes->pendingResumes().constFirst();
        const auto outcome = QCoro::waitFor(fixture.resumes->resumeNow(ticket));
        QCOMPARE(outcome.kind, ResumeAttemptResult::Kind::succeeded);
        QCOMPARE(fixture.fetcher->calls(), 1);
    }

};

QTEST_GUILESS_MAIN(AppStateTest)
#include "tst_appstate.moc"
