#include "app/KickstartController.h"
#include "kickstart/KickstartPolicy.h"
#include "support/FakeScriptRunner.h"

#include <QTemporaryDir>
#include <QtTest>

#include <latch>

using namespace pacewise;

Q_DECLARE_METATYPE(pacewise::KickstartTime)
Q_DECLARE_METATYPE(pacewise::KickstartResult)

namespace {

QDateTime at(const char *isoUtc)
{
    return QDateTime::fromString(QString::fromLatin1(isoUtc), Qt::ISODate).toUTC();
}

const QTimeZone utc("UTC");
using OptionalInstant = std::optional<QDateTime>;

UsageSnapshot fiveHour(double utilization, const QDateTime &reset)
{
    return UsageSnapshot({UsageLimit(UsageLimitKind::fiveHour, std::nullopt, utilization, reset)});
}

struct StarterFixture {
    QTemporaryDir dir;
    std::shared_ptr<test::FakeResolver> resolver = std::make_shared<test::FakeResolver>();
    std::shared_ptr<test::FakeScriptRunner> runner = std::make_shared<test::FakeScriptRunner>();

    std::shared_ptr<Kickstart> starter() const
    {
        return std::make_shared<Kickstart>(Kickstart::Dependencies{
            .resolver = resolver, .runner = runner, .environment = {},
            .lockFile = dir.filePath(u"kickstart.lock"_qs)});
    }
};

// The controller over a fake clock, fake usage and the fake runner.
struct ControllerFixture : StarterFixture {
    QDateTime now;
    QSettings appSettings{dir.filePath(u"Pacewise.conf"_qs), QSettings::IniFormat};
    KickstartController::Usage usage;
    int refreshes = 0;
    SleepWakeSource wake;
    std::unique_ptr<KickstartController> controller;

    explicit ControllerFixture(const char *isoUtc = "2026-12-06T09:00:00Z")
        : now(at(isoUtc))
    {
        build();
    }

    // Built again, as on a restart.
    void build()
    {
        controller = std::make_unique<KickstartController>(KickstartController::Dependencies{
            .appSettings = &appSettings,
            .starter = starter(),
            .usageProvider = [this] { return usage; },
            .refreshUsage = [this]() -> QCoro::Task<> { ++refreshes; co_return; },
            .wakeSource = &wake,
            .autostart = false,
            .now = [this] { return now; },
            .zone = utc,
        });
    }

    void tickAt(const char *isoUtc)
    {
        now = at(isoUtc);
        QCoro::waitFor(controller->tick());
    }

    // A tick at which claude, when it is run, answers so.
    void tickAt(const char *isoUtc, int exitCode, const QString &output = {})
    {
        runner->answer(exitCode, output);
        tickAt(isoUtc);
    }
};

} // namespace

class KickstartTest : public QObject {
    Q_OBJECT

private slots:
    // The day's slot, in the zone's day and across daylight-saving
    // changes, is due once.
    void aSlotRunsOnceADay_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<KickstartTime>("time");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<OptionalInstant>("handled");
        QTest::addColumn<bool>("due");
        QTest::addColumn<QDateTime>("next");
        const QByteArray inUtc("UTC"), berlin("Europe/Berlin");
        const KickstartTime seven{7, 0}, halfPastTwo{2, 30};
        const OptionalInstant never;
        QTest::newRow("on time, never run") << inUtc << seven << at("2026-12-06T07:00:00Z") << never << true << at("2026-12-06T07:00:00Z");
        QTest::newRow("handled today") << inUtc << seven << at("2026-12-06T09:00:00Z") << OptionalInstant(at("2026-12-06T07:00:00Z")) << false << at("2026-12-07T07:00:00Z");
        QTest::newRow("handled yesterday") << inUtc << seven << at("2026-12-06T09:00:00Z") << OptionalInstant(at("2026-12-05T07:00:00Z")) << true << at("2026-12-06T07:00:00Z");
        QTest::newRow("winter") << berlin << seven << at("2026-12-06T12:00:00Z") << never << true << at("2026-12-06T06:00:00Z");
        QTest::newRow("skipped hour: first time after it") << berlin << halfPastTwo << at("2026-03-29T12:00:00Z") << never << true << at("2026-03-29T01:00:00Z");
        QTest::newRow("repeated hour: first occurrence") << berlin << halfPastTwo << at("2026-10-25T12:00:00Z") << never << true << at("2026-10-25T00:30:00Z");
        QTest::newRow("the zone's day, not UTC's") << QByteArray("Pacific/Auckland") << seven << at("2026-12-06T20:00:00Z") << never << true << at("2026-12-06T18:00:00Z");
    }

    void aSlotRunsOnceADay()
    {
        QFETCH(QByteArray, zone);
        QFETCH(KickstartTime, time);
        QFETCH(QDateTime, now);
        QFETCH(OptionalInstant, handled);
        QFETCH(bool, due);
        QFETCH(QDateTime, next);
        QCOMPARE(KickstartPolicy::shouldRun(time, now, handled, QTimeZone(zone)), due);
        QCOMPARE(KickstartPolicy::nextRun(time, now, handled, QTimeZone(zone)), std::optional(next));
    }

    void theChainRunsWithinItsSpan_data()
    {
        QTest::addColumn<KickstartTime>("start");
        QTest::addColumn<KickstartTime>("end");
        QTest::addColumn<QString>("clock");
        QTest::addColumn<bool>("within");
        const KickstartTime nine{9, 0}, five{17, 0}, ten{22, 0}, six{6, 0}, seven{7, 0};
        QTest::newRow("09:00 in") << nine << five << u"09:00"_qs << true;
        QTest::newRow("17:00 out") << nine << five << u"17:00"_qs << false;
        QTest::newRow("23:00 in a night span") << ten << six << u"23:00"_qs << true;
        QTest::newRow("06:00 out") << ten << six << u"06:00"_qs << false;
        QTest::newRow("start equals end: always") << seven << seven << u"03:00"_qs << true;
    }

    void theChainRunsWithinItsSpan()
    {
        QFETCH(KickstartTime, start);
        QFETCH(KickstartTime, end);
        QFETCH(QString, clock);
        QFETCH(bool, within);
        const QDateTime now(QDate(2026, 12, 6), QTime::fromString(clock, u"HH:mm"_qs), Qt::UTC);
        QCOMPARE(KickstartChainPolicy::isWithinSpan(now, start, end, utc), within);
    }

    void theStarterGreetsUnlessTheWindowRuns_data()
    {
        QTest::addColumn<std::optional<UsageSnapshot>>("snapshot");
        QTest::addColumn<qint64>("fetchedAgo");
        QTest::addColumn<int>("exitCode"); // -1: launch failure
        QTest::addColumn<KickstartResult>("result");
        const QDateTime now = at("2026-12-06T07:00:00Z");
        QTest::newRow("no figures") << std::optional<UsageSnapshot>() << qint64(0) << 0 << KickstartResult::started;
        QTest::newRow("window running") << std::optional(fiveHour(12, now.addSecs(10800))) << qint64(10) << 0 << KickstartResult::skippedWindowActive;
        QTest::newRow("running, but figures 6 min old") << std::optional(fiveHour(12, now.addSecs(10800))) << qint64(360) << 0 << KickstartResult::started;
        QTest::newRow("launch failure") << std::optional<UsageSnapshot>() << qint64(0) << -1 << KickstartResult::failed;
    }

    void theStarterGreetsUnlessTheWindowRuns()
    {
        QFETCH(std::optional<UsageSnapshot>, snapshot);
        QFETCH(qint64, fetchedAgo);
        QFETCH(int, exitCode);
        QFETCH(KickstartResult, result);
        StarterFixture fixture;
        if (exitCode >= 0)
            fixture.runner->answer(exitCode, exitCode ? u"You've hit your 5-hour limit · resets 11:23am (Europe/Berlin)\n"_qs : QString());
        const QDateTime now = at("2026-12-06T07:00:00Z");
        const KickstartOutcome outcome = fixture.starter()->run(now, snapshot, now.addSecs(-fetchedAgo));
        QCOMPARE(outcome.result, result);
        QCOMPARE(outcome.reason, exitCode > 0 ? u"You've hit your 5-hour limit · resets 11:23am (Europe/Berlin)"_qs : QString());
        QCOMPARE(fixture.runner->invocations().size(), result == KickstartResult::skippedWindowActive ? 0 : 1);
        QCOMPARE(fixture.resolver->invalidations, exitCode < 0 ? 1 : 0);
    }

    // Switched on after today's time, the first greeting is tomorrow's; a
    // time moved to one already past today whose greeting was not sent is
    // due at once. Each day's greeting is sent once, on waking if the
    // machine slept through its time.
    void eachDaysGreetingIsSentOnce()
    {
        ControllerFixture fixture;
        fixture.controller->setEnabled(true); // at 09:00, time 07:00
        fixture.tickAt("2026-12-06T09:01:00Z");
        QVERIFY(fixture.runner->invocations().isEmpty());
        fixture.controller->setTime({8, 30});
        fixture.tickAt("2026-12-06T09:02:00Z", 0);
        QCOMPARE(fixture.runner->invocations().size(), 1);
        fixture.controller->setTime({7, 0}); // passed today, and sent: tomorrow's
        fixture.tickAt("2026-12-07T07:00:00Z", 0);
        QCOMPARE(fixture.runner->invocations().size(), 2);
        QCOMPARE(fixture.controller->lastResult(), std::optional(KickstartResult::started));
        QCOMPARE(fixture.refreshes, 2); // fresh usage before each greeting
        fixture.tickAt("2026-12-07T07:01:00Z");
        fixture.tickAt("2026-12-07T06:59:00Z"); // the clock steps back: no second run
        fixture.tickAt("2026-12-07T07:00:30Z");
        QCOMPARE(fixture.runner->invocations().size(), 2);
        fixture.runner->answer(0, QString());
        fixture.now = at("2026-12-08T07:40:00Z"); // slept through 07:00
        emit fixture.wake.woke();
        QTRY_COMPARE(fixture.runner->invocations().size(), 3);
    }

    void failuresRetryAfterAQuarterThenHourly()
    {
        ControllerFixture fixture("2026-12-06T06:00:00Z");
        fixture.controller->setEnabled(true);
        for (const char *attemptAt : {"2026-12-06T07:00:00Z", "2026-12-06T07:15:00Z", "2026-12-06T07:30:00Z"})
            fixture.tickAt(attemptAt, 1, u"Not logged in · Please run /login"_qs);
        QCOMPARE(fixture.runner->invocations().size(), 3);
        fixture.tickAt("2026-12-06T08:29:00Z");
        QCOMPARE(fixture.runner->invocations().size(), 3);
        fixture.tickAt("2026-12-06T08:30:00Z", 1);
        QCOMPARE(fixture.runner->invocations().size(), 4);
        // A new day counts afresh.
        fixture.tickAt("2026-12-07T07:00:00Z", 1);
        fixture.tickAt("2026-12-07T07:15:00Z", 1);
        QCOMPARE(fixture.runner->invocations().size(), 6);
    }

    void theChainFiresAMinuteAfterTheReset()
    {
        ControllerFixture fixture("2026-12-06T06:00:00Z");
        fixture.controller->setEnabled(true);
        fixture.controller->setChainEnabled(true);
        fixture.usage = {fiveHour(0, at("2026-12-06T12:00:00Z")), at("2026-12-06T07:00:00Z")};
        fixture.tickAt("2026-12-06T07:00:00Z", 0);
        QCOMPARE(fixture.controller->chainNextAt(), std::optional(at("2026-12-06T12:01:00Z")));
        fixture.tickAt("2026-12-06T12:00:30Z");
        QCOMPARE(fixture.runner->invocations().size(), 1);
        fixture.usage = {fiveHour(0, at("2026-12-06T12:00:00Z")), at("2026-12-06T12:01:00Z")};
        fixture.tickAt("2026-12-06T12:01:00Z", 0);
        QCOMPARE(fixture.runner->invocations().size(), 2);
        QCOMPARE(fixture.controller->chainNextAt(), std::optional(at("2026-12-06T17:06:00Z"))); // reset unknown: +5 h 5 min
        // A failed greeting started no window: the chain tries again with the retry.
        fixture.tickAt("2026-12-06T17:06:00Z", 1, u"API Error: Can't reach the API server"_qs);
        QCOMPARE(fixture.controller->chainNextAt(), std::optional(at("2026-12-06T17:21:00Z")));
    }

    void nothingStartsWhileAGreetingRuns()
    {
        ControllerFixture fixture;
        std::latch started(1), release(1);
        fixture.runner->answer(0, QString());
        fixture.runner->whileRunning = [&](const ScriptInvocation &) { started.count_down(); release.wait(); };
        auto first = fixture.controller->runNow();
        started.wait();
        QVERIFY(fixture.controller->isRunning());
        QCOMPARE(QCoro::waitFor(fixture.controller->runNow()).result, KickstartResult::alreadyRunning);
        QCOMPARE(fixture.runner->invocations().size(), 1);
        release.count_down();
        QCOMPARE(QCoro::waitFor(first).result, KickstartResult::started);
    }

    void settingsSurviveARestartAndBadValuesAreTamed()
    {
        ControllerFixture fixture;
        fixture.controller->setEnabled(true);
        fixture.controller->setTime({6, 45});
        fixture.controller->setChainEnabled(true);
        fixture.controller->setChainEndTime({21, 30});
        fixture.appSettings.sync();
        for (const char *key : {"morningStartEnabled", "morningStartHour", "morningStartMinute", "morningStartHandledSlot",
                                "morningStartChainEnabled", "morningStartChainEndHour", "morningStartChainEndMinute"})
            QVERIFY2(fixture.appSettings.contains(QLatin1String(key)), key);
        fixture.build();
        QVERIFY(fixture.controller->enabled());
        QCOMPARE(fixture.controller->time(), (KickstartTime{6, 45}));
        QCOMPARE(fixture.controller->chainEndTime(), (KickstartTime{21, 30}));

        // What an older version stored (a date, not text) is still read.
        fixture.appSettings.setValue(u"morningStartChainNextAt"_qs, at("2026-12-06T14:00:00Z"));
        fixture.build();
        QCOMPARE(fixture.controller->chainNextAt(), std::optional(at("2026-12-06T14:00:00Z")));

        fixture.appSettings.setValue(u"morningStartHour"_qs, 99);
        fixture.appSettings.setValue(u"morningStartMinute"_qs, u"half past"_qs);
        fixture.appSettings.setValue(u"morningStartHandledSlot"_qs, u"yesterday"_qs);
        fixture.build();
        QCOMPARE(fixture.controller->time(), (KickstartTime{23, 0}));
    }

    void settingsChangedByAnotherProcessAreTakenIn()
    {
        ControllerFixture fixture;
        QSignalSpy changed(fixture.controller.get(), &KickstartController::settingsChanged);
        fixture.controller->reloadSettings(); // nothing new: no signal
        QCOMPARE(changed.count(), 0);

        {
            // As pacewisectl would: its own QSettings on the same file.
            QSettings other(fixture.appSettings.fileName(), QSettings::IniFormat);
            other.setValue(u"morningStartEnabled"_qs, true);
            other.setValue(u"morningStartHour"_qs, 10);
            other.setValue(u"morningStartMinute"_qs, 15);
        }
        fixture.controller->reloadSettings();
        QCOMPARE(changed.count(), 1);
        QVERIFY(fixture.controller->enabled());
        QCOMPARE(fixture.controller->time(), (KickstartTime{10, 15}));
        fixture.tickAt("2026-12-06T10:15:00Z", 0);
        QCOMPARE(fixture.runner->invocations().size(), 1);

        QSettings(fixture.appSettings.fileName(), QSettings::IniFormat).setValue(u"morningStartEnabled"_qs, false);
        fixture.controller->reloadSettings();
        QVERIFY(!fixture.controller->enabled());
        fixture.tickAt("2026-12-07T10:15:00Z");
        QCOMPARE(fixture.runner->invocations().size(), 1);
    }
};

QTEST_GUILESS_MAIN(KickstartTest)
#include "tst_kickstart.moc"
