#include "usage/TrayUsage.h"
#include "support/TestFiles.h"
#include "usage/UsageHistory.h"
#include "usage/UsagePollPolicy.h"

#include <QTemporaryDir>
#include <QtTest>

#include <limits>

using namespace pacewise;

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
const QDateTime someReset = QDateTime::fromSecsSinceEpoch(1'796'576'519, Qt::UTC);

UsageLimit limit(UsageLimitKind kind, double utilization, std::optional<QString> model = std::nullopt)
{
    return UsageLimit(kind, std::move(model), utilization, someReset);
}

using Limits = QList<UsageLimit>;
using Samples = QList<UsageSample>;
using OptionalInstant = std::optional<QDateTime>;

const QDateTime forecastNow = QDateTime::fromSecsSinceEpoch(1'796'560'000, Qt::UTC);

// A 5-hour figure taken minutesAgo before forecastNow, for the window
// that resets resetInMinutes after forecastNow.
UsageSample sample(int minutesAgo, double utilization, int resetInMinutes = 120)
{
    return UsageSample{forecastNow.addSecs(-60 * minutesAgo), utilization, forecastNow.addSecs(60 * resetInMinutes)};
}
using OptionalDouble = std::optional<double>;

} // namespace

Q_DECLARE_METATYPE(pacewise::TrayUsage::Severity)

class UsageModelTest : public QObject {
    Q_OBJECT

private slots:
    void trayPrintsFiveHourFigureColouredByWorstWindow_data()
    {
        QTest::addColumn<Limits>("limits");
        QTest::addColumn<OptionalDouble>("figure");
        QTest::addColumn<OptionalDouble>("severityFigure");
        QTest::addColumn<TrayUsage::Severity>("severity");

        using enum UsageLimitKind;
        using S = TrayUsage::Severity;
        QTest::newRow("no limits") << Limits{} << OptionalDouble{} << OptionalDouble{} << S::noData;
        QTest::newRow("only limit is NaN") << Limits{limit(fiveHour, notANumber)} << OptionalDouble{} << OptionalDouble{} << S::noData;
        QTest::newRow("weekly 99, five-hour 10")
            << Limits{limit(weeklyAll, 99), limit(fiveHour, 10)} << OptionalDouble(10) << OptionalDouble(99) << S::critical;
        QTest::newRow("no five-hour: first finite")
            << Limits{limit(weeklyAll, 42), limit(weeklyModel, 60, u"Sonnet"_qs)} << OptionalDouble(42)
            << OptionalDouble(60) << S::normal;
        QTest::newRow("NaN five-hour skipped")
            << Limits{limit(fiveHour, notANumber), limit(weeklyAll, 20), limit(fiveHour, 5)} << OptionalDouble(5)
            << OptionalDouble(20) << S::normal;
        QTest::newRow("weekly model decides colour")
            << Limits{limit(fiveHour, 1), limit(weeklyModel, 85, u"Opus"_qs)} << OptionalDouble(1) << OptionalDouble(85)
            << S::warning;
    }

    void trayPrintsFiveHourFigureColouredByWorstWindow()
    {
        QFETCH(Limits, limits);
        QFETCH(OptionalDouble, figure);
        QFETCH(OptionalDouble, severityFigure);
        QFETCH(TrayUsage::Severity, severity);

        const TrayUsage usage = TrayUsage::from(UsageSnapshot(limits));
        QCOMPARE(usage.utilization, figure);
        QCOMPARE(usage.severityUtilization, severityFigure);
        QCOMPARE(usage.severity(), severity);
    }

    // What a snapshot says a moment later: a window whose reset has come
    // has not started again, and overage ends with the exhausted window.
    void figuresAsTheyStandAtAnyMoment_data()
    {
        QTest::addColumn<double>("fiveHour"); // beside a weekly 40 % that resets two days later
        QTest::addColumn<bool>("overage");
        QTest::addColumn<qint64>("secondsAfterReset");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("overageShown");
        QTest::newRow("a second before the reset") << 97.0 << false << qint64(-1) << u"97 1 | 40 1"_qs << false;
        QTest::newRow("at the reset") << 97.0 << false << qint64(0) << u"0 0 | 40 1"_qs << false;
        QTest::newRow("overage while exhausted") << 100.0 << true << qint64(-60) << u"100 1 | 40 1"_qs << true;
        QTest::newRow("overage ends with the window") << 100.0 << true << qint64(1) << u"0 0 | 40 1"_qs << false;
    }

    void figuresAsTheyStandAtAnyMoment()
    {
        QFETCH(double, fiveHour);
        QFETCH(bool, overage);
        QFETCH(qint64, secondsAfterReset);
        QFETCH(QString, shown);
        QFETCH(bool, overageShown);
        const Limits limits{limit(UsageLimitKind::fiveHour, fiveHour), UsageLimit(UsageLimitKind::weeklyAll, std::nullopt, 40, someReset.addDays(2))};
        const QDateTime now = someReset.addSecs(secondsAfterReset);
        const UsageSnapshot snapshot = UsageSnapshot(limits, u"acct"_qs, overage).asOf(now);
        QStringList figures;
        for (const UsageLimit &entry : snapshot.limits())
            figures << u"%1 %2"_qs.arg(entry.utilization()).arg(int(entry.window().hasStarted()));
        QCOMPARE(figures.join(u" | "_qs), shown);
        QCOMPARE(snapshot.usingOverage(), overageShown);
        QCOMPARE(snapshot.accountUUID(), std::optional(u"acct"_qs));
        const auto next = UsageSnapshot(limits).nextResetAfter(now);
        QCOMPARE(next, secondsAfterReset < 0 ? std::optional(someReset) : std::optional(someReset.addDays(2)));
    }

    void pollIntervalFollowsTheClosestLimit_data()
    {
        QTest::addColumn<QList<double>>("figures"); // five-hour, weekly, weekly model
        QTest::addColumn<bool>("throttledBefore");
        QTest::addColumn<int>("interval");
        QTest::newRow("no figures") << QList<double>{} << false << 60;
        QTest::newRow("five-hour 81") << QList<double>{81, 10, 0} << false << 60;
        QTest::newRow("five-hour 81 after a withheld report") << QList<double>{81, 10, 0} << true << 120;
        QTest::newRow("five-hour exactly 80") << QList<double>{80, 10, 0} << false << 300;
        QTest::newRow("weekly model 91") << QList<double>{10, 10, 91} << false << 60;
        QTest::newRow("worst 29.9") << QList<double>{29.9, 10, 0} << false << 1200;
    }

    void pollIntervalFollowsTheClosestLimit()
    {
        QFETCH(QList<double>, figures);
        QFETCH(bool, throttledBefore);
        QFETCH(int, interval);
        using enum UsageLimitKind;
        std::optional<UsageSnapshot> snapshot;
        if (!figures.isEmpty())
            snapshot = UsageSnapshot({limit(fiveHour, figures[0]), limit(weeklyAll, figures[1]), limit(weeklyModel, figures[2], u"Opus"_qs)});
        QCOMPARE(UsagePollPolicy::intervalSeconds(snapshot, throttledBefore), interval);
    }

    void theForecastFollowsTheLastHoursPace_data()
    {
        QTest::addColumn<Samples>("samples");
        QTest::addColumn<OptionalInstant>("limitAt");
        const auto inMinutes = [](int minutes) { return OptionalInstant(forecastNow.addSecs(60 * minutes)); };
        QTest::newRow("40 % an hour, 60 % used") << Samples{sample(30, 40), sample(15, 50), sample(0, 60)} << inMinutes(60);
        QTest::newRow("flat") << Samples{sample(30, 60), sample(0, 60)} << OptionalInstant();
        QTest::newRow("the window reset: falling") << Samples{sample(30, 90, 120), sample(0, 5, 120)} << OptionalInstant();
        QTest::newRow("limit only after the reset") << Samples{sample(30, 40), sample(0, 41, 60)} << OptionalInstant();
        QTest::newRow("the previous window is left out")
            << Samples{sample(50, 95, -10), sample(30, 10), sample(0, 40)} << inMinutes(60);
        QTest::newRow("a reset a minute off is the same window")
            << Samples{sample(30, 40, 121), sample(0, 60)} << inMinutes(60);
    }

    void theForecastFollowsTheLastHoursPace()
    {
        QFETCH(Samples, samples);
        QFETCH(OptionalInstant, limitAt);
        const auto forecast = UsageForecast::from(samples, forecastNow);
        QCOMPARE(forecast.has_value(), limitAt.has_value());
        if (forecast) {
            QCOMPARE(forecast->limitAt, *limitAt);
            QCOMPARE(forecast->resetsAt, forecastNow.addSecs(7200));
        }
    }

    void theHistoryKeepsTheLatestSamples()
    {
        QTemporaryDir dir;
        const UsageHistory history(dir.filePath(u"state/pacewise/usage-history.json"_qs));
        QVERIFY(history.samples().isEmpty()); // no file yet
        for (int minute = UsageHistory::maximumSamples + 10; minute > 0; --minute)
            history.record(sample(minute, 100.0 - minute));
        const Samples kept = history.record(sample(1, 42)); // the same second again: replaced
        QCOMPARE(history.samples(), kept); // what was written is what record() says
        QCOMPARE(kept.size(), UsageHistory::maximumSamples);
        QCOMPARE(kept.constFirst(), sample(UsageHistory::maximumSamples, 100.0 - UsageHistory::maximumSamples));
        QCOMPARE(kept.constLast(), sample(1, 42));

        for (const QByteArray &damaged : {QByteArray("{\"samples\":[{\"at\":\"soon\"}"), QByteArray("[1,2]"),
                                          QByteArray(UsageHistory::maximumFileSize + 1, ' ')}) {
            QVERIFY(test::writeFile(history.path(), damaged));
            QVERIFY(history.samples().isEmpty());
            history.record(sample(0, 7)); // starts afresh
            QCOMPARE(history.samples(), Samples{sample(0, 7)});
        }
    }
};

QTEST_GUILESS_MAIN(UsageModelTest)
#include "tst_usagemodel.moc"
