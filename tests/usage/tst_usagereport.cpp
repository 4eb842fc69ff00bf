#include "support/FakeScriptRunner.h"
#include "support/TestFiles.h"
#include "usage/UsageCLI.h"
#include "usage/UsageReportParser.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

using namespace pacewise;
using namespace pacewise::test;

namespace {

QDateTime at(const char *isoUtc)
{
    return QDateTime::fromString(QString::fromLatin1(isoUtc), Qt::ISODate).toUTC();
}

QString limitsSummary(const UsageSnapshot &snapshot)
{
    QStringList parts;
    for (const UsageLimit &limit : snapshot.limits()) {
        parts << rawValue(limit.kind()) + (limit.model() ? u" "_qs + *limit.model() : QString()) + u' ' +
                     QString::number(limit.utilization()) + u' ' +
                     (limit.window().hasStarted() ? limit.resetsAt().toString(Qt::ISODate) : u"not started"_qs);
    }
    return parts.join(u" | "_qs);
}

QString envelope(const QString &result, bool isError = false)
{
    return QString::fromUtf8(QJsonDocument(QJsonObject{{u"type"_qs, u"result"_qs}, {u"subtype"_qs, u"success"_qs},
                                                       {u"is_error"_qs, isError}, {u"result"_qs, result}})
                                 .toJson(QJsonDocument::Compact));
}

const QString realReport = u"You are currently using your subscription to power your Claude Code usage\n\n"
                           "Current session: 42% used · resets Dec 6, 10:42am (Europe/Berlin)\n"
                           "Current week (all models): 17% used · resets Dec 9, 8:37am (Europe/Berlin)\n"
                           "Current week (Sonnet only): 5% used · resets Dec 9, 8:37am (Europe/Berlin)\n\n"
                           "What's contributing to your usage?\nApproximate · sessions on this machine only"_qs;

} // namespace

Q_DECLARE_METATYPE(pacewise::UsageCLIError::Kind)
Q_DECLARE_METATYPE(std::function<void(pacewise::test::FakeResolver &, pacewise::test::FakeScriptRunner &)>)

class UsageReportTest : public QObject {
    Q_OBJECT

private slots:
    // Resets named to the minute count from the end of that minute; a reset
    // that has already come means the window has not started again.
    void readsResetTimesInEveryForm_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("reset"); // "rejected", "not started" or an ISO time
        const auto row = [](const char *name, const QString &reset, const char *now, const char *expected) {
            QTest::newRow(name) << u"Current session: 12% used · "_qs + reset << at(now) << QString::fromLatin1(expected);
        };
        // What claude prints today.
        row("within the minute of the reset", u"resets Dec 6, 10am (UTC)"_qs, "2026-12-06T10:00:30Z", "2026-12-06T10:00:59Z");
        row("once the minute is over", u"resets Dec 6, 10am (UTC)"_qs, "2026-12-06T10:01:00Z", "not started");
        row("real form with a year", u"resets Jan 3, 2027, 9am (UTC)"_qs, "2026-12-30T08:00:00Z", "2027-01-03T09:00:59Z");
        row("real form across the year end", u"resets Jan 3, 9am (UTC)"_qs, "2026-12-30T08:00:00Z", "2027-01-03T09:00:59Z");
        row("real form in a DST gap", u"resets Mar 29, 2:30am (Europe/Berlin)"_qs, "2026-03-28T12:00:00Z", "rejected");
        row("unknown zone", u"resets Dec 6, 10am (Mars/Olympus)"_qs, "2026-12-06T08:00:00Z", "rejected");
        // Older and shorter forms.
        row("relative", u"resets in 3 hr 5 min"_qs, "2026-12-06T08:00:00Z", "2026-12-06T11:05:00Z");
        row("no known form", u"resets whenever"_qs, "2026-12-06T08:00:00Z", "rejected");
    }

    void readsResetTimesInEveryForm()
    {
        QFETCH(QString, line);
        QFETCH(QDateTime, now);
        QFETCH(QString, reset);
        const auto window = UsageReportParser::parseWindow(line, now, QTimeZone("Europe/Berlin"));
        if (reset == u"rejected") {
            QVERIFY(!window);
            QCOMPARE(window.error(), (UsageCLIError{.kind = UsageCLIError::Kind::invalidResetDate, .text = line}));
            return;
        }
        QVERIFY2(window, qPrintable(line));
        if (reset == u"not started") {
            QVERIFY(!window->hasStarted());
            return;
        }
        QCOMPARE(window->resetsAt, QDateTime::fromString(reset, Qt::ISODate));
        QCOMPARE(window->utilization, 12.0);
    }

    void reportOutcomes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("limits"); // empty with an error kind
        QTest::addColumn<int>("error");
        const int none = -1;
        using K = UsageCLIError::Kind;
        const QString week = u"\nCurrent week (all models): 17% used · resets Dec 9, 8:37am (UTC)"_qs;
        QTest::newRow("real report") << realReport
            << u"five_hour 42 2026-12-06T09:42:59Z | weekly_all 17 2026-12-09T07:37:59Z | weekly_model Sonnet 5 2026-12-09T07:37:59Z"_qs << none;
        QTest::newRow("window not started") << u"Current session: 0% used"_qs + week
            << u"five_hour 0 not started | weekly_all 17 2026-12-09T08:37:59Z"_qs << none;
        QTest::newRow("no week") << u"Current session: 4% used · resets in 2 hr"_qs << QString() << int(K::missingWindow);
        QTest::newRow("unreadable session reset, the week still counts")
            << u"Current session: 4% used · resets someday"_qs + week << u"weekly_all 17 2026-12-09T08:37:59Z"_qs << none;
        QTest::newRow("huge percentage") << u"Current session: 99999999999999999999% used · resets in 1 hr"_qs + week
            << u"five_hour 1e+20 2026-12-06T09:00:00Z | weekly_all 17 2026-12-09T08:37:59Z"_qs << none;
        QTest::newRow("10,000 other lines") << QString(u"noise 1% used\n"_qs).repeated(10'000) + u"Current session: 3% used · resets in 1 hr"_qs + week
            << u"five_hour 3 2026-12-06T09:00:00Z | weekly_all 17 2026-12-09T08:37:59Z"_qs << none;
        QTest::newRow("1 MiB row is not a row") << u"Current session: "_qs + QString(1 << 20, u'9') + u"% used"_qs + week
            << QString() << int(K::missingWindow);
    }

    void reportOutcomes()
    {
        QFETCH(QString, text);
        QFETCH(QString, limits);
        QFETCH(int, error);
        const auto snapshot = UsageReportParser::parse(text, at("2026-12-06T08:00:00Z"), QTimeZone("UTC"));
        if (error >= 0) {
            QVERIFY(!snapshot);
            QCOMPARE(int(snapshot.error().kind), error);
            return;
        }
        if (!snapshot)
            QFAIL(qPrintable(QString::number(int(snapshot.error().kind)) + u' ' + snapshot.error().text));
        QCOMPARE(limitsSummary(*snapshot), limits);
        for (const UsageLimit &limit : snapshot->limits())
            QCOMPARE(limit.confirmedAt(), std::optional(at("2026-12-06T08:00:00Z")));
        QVERIFY(!snapshot->usingOverage());
    }

    void overageIsReadFromTheFirstLine()
    {
        const QString report = u"You are currently using your overages to power your Claude Code usage. We will "
                               "automatically switch you back to your subscription rate limits when they reset\n\n"_qs +
                               realReport.section(u'\n', 2);
        const auto snapshot = UsageReportParser::parse(report, at("2026-12-06T08:00:00Z"), QTimeZone("UTC"));
        QVERIFY(snapshot && snapshot->usingOverage());
    }

    void fetchRunsClaudeOnceAndTagsTheAccount()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath(u"claude.json"_qs), R"({"oauthAccount":{"accountUuid":"acct-1"}})"));
        auto resolver = std::make_shared<FakeResolver>();
        auto runner = std::make_shared<FakeScriptRunner>();
        // What claude 2.x really prints for `-p /usage --output-format json`.
        runner->answer(0, QString::fromUtf8(readFile(QStringLiteral(PACEWISE_TEST_DATA "/cli/usage-limits-envelope.json"))));
        const UsageCLI cli({.resolver = resolver, .runner = runner,
                            .accountIdentity = AccountIdentity(dir.filePath(u"claude.json"_qs)),
                            .environment = {}, .now = [] { return at("2026-12-06T08:00:00Z"); },
                            .timeZone = [] { return QTimeZone("UTC"); }, .timeoutSeconds = std::nullopt});

        const auto snapshot = cli.fetch();
        QVERIFY(snapshot);
        QCOMPARE(snapshot->accountUUID(), std::optional(u"acct-1"_qs));
        QCOMPARE(limitsSummary(*snapshot), u"five_hour 42 2026-12-06T17:02:59Z | weekly_all 17 2026-12-10T02:22:59Z"_qs);
        QCOMPARE(runner->invocations().size(), 1);
    }

    void fetchFailuresAreTyped_data()
    {
        QTest::addColumn<std::function<void(FakeResolver &, FakeScriptRunner &)>>("setUp");
        QTest::addColumn<UsageCLIError::Kind>("kind");
        QTest::addColumn<int>("invalidations");
        using K = UsageCLIError::Kind;
        using SetUp = std::function<void(FakeResolver &, FakeScriptRunner &)>;
        QTest::newRow("launch failure forgets the path") << SetUp([](FakeResolver &, FakeScriptRunner &) {}) << K::processFailed << 1;
        QTest::newRow("time-out keeps the path") << SetUp([](FakeResolver &, FakeScriptRunner &runner) {
            runner.answer(std::unexpected(ScriptRunnerError{.kind = ScriptRunnerError::Kind::timedOut, .timeoutSeconds = 30}));
        }) << K::processFailed << 0;
        QTest::newRow("is_error") << SetUp([](FakeResolver &, FakeScriptRunner &runner) {
            runner.answer(0, envelope(u"Current session: 1% used"_qs, true));
        }) << K::missingResult << 0;
        // One run: asking again would only double the wait for the same answer.
        QTest::newRow("withheld") << SetUp([](FakeResolver &, FakeScriptRunner &runner) { runner.answer(0, envelope(u"Estimated cost: $0.0000"_qs)); })
                                  << K::throttled << 0;
    }

    void fetchFailuresAreTyped()
    {
        QFETCH(std::function<void(FakeResolver &, FakeScriptRunner &)>, setUp);
        QFETCH(UsageCLIError::Kind, kind);
        QFETCH(int, invalidations);
        auto resolver = std::make_shared<FakeResolver>();
        auto runner = std::make_shared<FakeScriptRunner>();
        setUp(*resolver, *runner);
        const UsageCLI cli({.resolver = resolver, .runner = runner, .accountIdentity = AccountIdentity(u"/nonexistent"_qs)});
        const auto snapshot = cli.fetch();
        QVERIFY(!snapshot);
        QCOMPARE(snapshot.error().kind, kind);
        QCOMPARE(resolver->invalidations, invalidations);
        QVERIFY(runner->invocations().size() <= 1);
    }
};

QTEST_GUILESS_MAIN(UsageReportTest)
#include "tst_usagereport.moc"
