#include "morning/MorningStartPolicy.h"

#include <QtTest>

using namespace pacewise;

Q_DECLARE_METATYPE(pacewise::MorningStartTime)

namespace {

QDateTime at(const char *isoUtc)
{
    return QDateTime::fromString(QString::fromLatin1(isoUtc), Qt::ISODate).toUTC();
}

const QTimeZone utc("UTC");
using OptionalInstant = std::optional<QDateTime>;

} // namespace

class MorningTest : public QObject {
    Q_OBJECT

private slots:
    void timesAreClamped()
    {
        QCOMPARE(MorningStartTime::clamped(25, -3), (MorningStartTime{23, 0}));
        QCOMPARE(MorningStartTime::clamped(-1, 99), (MorningStartTime{0, 59}));
    }

    void slotsFollowTheZoneAcrossDaylightSavingChanges_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<MorningStartTime>("time");
        QTest::addColumn<QDateTime>("day");
        QTest::addColumn<QDateTime>("slot");
        QTest::newRow("winter") << QByteArray("Europe/Berlin") << MorningStartTime{7, 0} << at("2026-12-06T12:00:00Z") << at("2026-12-06T06:00:00Z");
        QTest::newRow("summer") << QByteArray("Europe/Berlin") << MorningStartTime{7, 0} << at("2026-07-06T12:00:00Z") << at("2026-07-06T05:00:00Z");
        QTest::newRow("skipped hour: first time after it") << QByteArray("Europe/Berlin") << MorningStartTime{2, 30} << at("2026-03-29T12:00:00Z") << at("2026-03-29T01:00:00Z");
        QTest::newRow("repeated hour: first occurrence") << QByteArray("Europe/Berlin") << MorningStartTime{2, 30} << at("2026-10-25T12:00:00Z") << at("2026-10-25T00:30:00Z");
        QTest::newRow("New York gap") << QByteArray("America/New_York") << MorningStartTime{2, 15} << at("2026-03-08T15:00:00Z") << at("2026-03-08T07:00:00Z");
        QTest::newRow("the zone's day, not UTC's") << QByteArray("Pacific/Auckland") << MorningStartTime{7, 0} << at("2026-12-06T20:00:00Z") << at("2026-12-06T18:00:00Z");
    }

    void slotsFollowTheZoneAcrossDaylightSavingChanges()
    {
        QFETCH(QByteArray, zone);
        QFETCH(MorningStartTime, time);
        QFETCH(QDateTime, day);
        QFETCH(QDateTime, slot);
        QCOMPARE(MorningStartPolicy::scheduledDate(time, day, QTimeZone(zone)), std::optional(slot));
    }

    void aSlotRunsOnceADay_data()
    {
        QTest::addColumn<MorningStartTime>("time");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<OptionalInstant>("handled");
        QTest::addColumn<bool>("due");
        QTest::addColumn<QDateTime>("next");
        const MorningStartTime seven{7, 0};
        QTest::newRow("a minute early") << seven << at("2026-12-06T06:59:00Z") << OptionalInstant() << false << at("2026-12-06T07:00:00Z");
        QTest::newRow("on time, never run") << seven << at("2026-12-06T07:00:00Z") << OptionalInstant() << true << at("2026-12-06T07:00:00Z");
        QTest::newRow("handled today") << seven << at("2026-12-06T09:00:00Z") << OptionalInstant(at("2026-12-06T07:00:00Z")) << false << at("2026-12-07T07:00:00Z");
        QTest::newRow("handled yesterday") << seven << at("2026-12-06T09:00:00Z") << OptionalInstant(at("2026-12-05T07:00:00Z")) << true << at("2026-12-06T07:00:00Z");
        QTest::newRow("moved later the same day") << MorningStartTime{8, 0} << at("2026-12-06T08:00:00Z") << OptionalInstant(at("2026-12-06T07:00:00Z")) << true << at("2026-12-06T08:00:00Z");
        QTest::newRow("clock stepped back after the run") << seven << at("2026-12-06T06:59:30Z") << OptionalInstant(at("2026-12-06T07:00:00Z")) << false << at("2026-12-06T07:00:00Z");
    }

    void aSlotRunsOnceADay()
    {
        QFETCH(MorningStartTime, time);
        QFETCH(QDateTime, now);
        QFETCH(OptionalInstant, handled);
        QFETCH(bool, due);
        QFETCH(QDateTime, next);
        QCOMPARE(MorningStartPolicy::shouldRun(time, now, handled, utc), due);
        QCOMPARE(MorningStartPolicy::nextRun(time, now, handled, utc), std::optional(next));
    }

    void snapshotsAreTrustedForFiveMinutes_data()
    {
        QTest::addColumn<qint64>("fetchedAhead");
        QTest::addColumn<bool>("usable");
        QTest::newRow("61 s ahead") << qint64(61) << false;
        QTest::newRow("60 s ahead") << qint64(60) << true;
        QTest::newRow("300 s ago") << qint64(-300) << true;
        QTest::newRow("301 s ago") << qint64(-301) << false;
    }

    void snapshotsAreTrustedForFiveMinutes()
    {
        QFETCH(qint64, fetchedAhead);
        QFETCH(bool, usable);
        const QDateTime now = at("2026-12-06T07:00:00Z");
        QCOMPARE(MorningStartPolicy::isSnapshotUsable(now.addSecs(fetchedAhead), now), usable);
        QVERIFY(!MorningStartPolicy::isSnapshotUsable(std::nullopt, now));
    }

    void theChainRunsWithinItsSpan_data()
    {
        QTest::addColumn<MorningStartTime>("start");
        QTest::addColumn<MorningStartTime>("end");
        QTest::addColumn<QString>("clock");
        QTest::addColumn<bool>("within");
        const MorningStartTime nine{9, 0}, five{17, 0}, ten{22, 0}, six{6, 0}, seven{7, 0};
        QTest::newRow("08:59 before a day span") << nine << five << u"08:59"_qs << false;
        QTest::newRow("09:00 in") << nine << five << u"09:00"_qs << true;
        QTest::newRow("16:59 in") << nine << five << u"16:59"_qs << true;
        QTest::newRow("17:00 out") << nine << five << u"17:00"_qs << false;
        QTest::newRow("23:00 in a night span") << ten << six << u"23:00"_qs << true;
        QTest::newRow("05:59 in") << ten << six << u"05:59"_qs << true;
        QTest::newRow("06:00 out") << ten << six << u"06:00"_qs << false;
        QTest::newRow("21:59 out") << ten << six << u"21:59"_qs << false;
        QTest::newRow("start equals end: always") << seven << seven << u"03:00"_qs << true;
    }

    void theChainRunsWithinItsSpan()
    {
        QFETCH(MorningStartTime, start);
        QFETCH(MorningStartTime, end);
        QFETCH(QString, clock);
        QFETCH(bool, within);
        const QDateTime now(QDate(2026, 12, 6), QTime::fromString(clock, u"HH:mm"_qs), Qt::UTC);
        QCOMPARE(MorningChainPolicy::isWithinSpan(now, start, end, utc), within);
    }

    void theChainFollowsTheReset()
    {
        const QDateTime now = at("2026-12-06T10:00:00Z");
        const auto snapshot = [](const QDateTime &reset) {
            return UsageSnapshot({UsageLimit(UsageLimitKind::fiveHour, std::nullopt, 20, reset)});
        };
        QCOMPARE(MorningChainPolicy::nextChainRun(now, snapshot(now.addSecs(7200)), now), now.addSecs(7260));
        QCOMPARE(MorningChainPolicy::nextChainRun(now, snapshot(now.addSecs(-60)), now), now.addSecs(18300));
        QCOMPARE(MorningChainPolicy::nextChainRun(now, snapshot(now.addSecs(7200)), now.addSecs(-301)), now.addSecs(18300));
        QCOMPARE(MorningChainPolicy::nextChainRun(now, std::nullopt, now), now.addSecs(18300));
    }
};

QTEST_GUILESS_MAIN(MorningTest)
#include "tst_morning.moc"
