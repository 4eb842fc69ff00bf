#include "support/TestFiles.h"
#include "system/FileLock.h"
#include "usage/AccountIdentity.h"
#include "usage/EngineStateReader.h"
#include "usage/StateWriter.h"
#include "usage/UsageReportParser.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using namespace pacewise;
using namespace pacewise::test;

namespace {

const QDateTime now = utc(1'796'560'000);
constexpr qint64 resetsAt = 1'796'570'000;
constexpr int readable = -1;

QByteArray limitJson(const char *kind, double used, const QByteArray &extra = {})
{
    return QByteArray(R"({"kind":")") + kind + R"(","used_percentage":)" + QByteArray::number(used) +
           R"(,"resets_at":)" + QByteArray::number(resetsAt) + extra + '}';
}

QByteArray stateJson(const QList<QByteArray> &limits, const QByteArray &extra = {})
{
    return R"({"limits":[)" + limits.join(',') + ']' + extra + '}';
}

// "five_hour 42 c-600 | weekly_model Sonnet 5": kind, model, utilisation and
// when, relative to now, the figures were confirmed.
QString summary(const UsageSnapshot &snapshot)
{
    QStringList parts;
    for (const UsageLimit &limit : snapshot.limits()) {
        QString part = rawValue(limit.kind());
        if (limit.model())
            part += u' ' + *limit.model();
        part += u' ' + QString::number(limit.utilization());
        if (limit.confirmedAt())
            part += u" c"_qs + QString::number(-limit.confirmedAt()->secsTo(now));
        parts << part;
    }
    return parts.join(u" | "_qs);
}

// Claude Code's status line script in a scratch home, fed one call from a
// session whose replies took apiMilliseconds so far; the engine's clock is
// read from the file clock, when given. A failed write of its input shows
// in what it records.
std::unique_ptr<QProcess> startStatusLine(const QString &home, const QString &session, int apiMilliseconds,
                                          const QString &rateLimits, const QString &clock = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"HOME"_qs, home);
    if (!clock.isEmpty())
        environment.insert(u"PACEWISE_ENGINE_NOW_FILE"_qs, clock);
    environment.remove(u"CLAUDE_CONFIG_DIR"_qs);
    environment.remove(u"PACEWISE_STATE_PATH"_qs);
    const QString input = home + u"/input-"_qs + session + u".json"_qs;
    writeFile(input, QStringLiteral(R"({"session_id":"%1","cost":{"total_api_duration_ms":%2},"rate_limits":{%3}})")
                         .arg(session, QString::number(apiMilliseconds), rateLimits).toUtf8());
    auto script = std::make_unique<QProcess>();
    script->setProcessEnvironment(environment);
    script->setStandardInputFile(input);
    script->start(u"sh"_qs, {QStringLiteral(PACEWISE_SOURCE_DIR "/resources/EngineScripts/rate-limit-statusline.sh")});
    return script;
}

} // namespace

class EngineStateTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString statePath() const { return m_dir.filePath(u"claude/rate-limit-state.json"_qs); }
    QString accountPath() const { return m_dir.filePath(u"claude.json"_qs); }
    EngineStateReader reader(const QString &path = {}) const
    {
        return EngineStateReader(path.isEmpty() ? statePath() : path, AccountIdentity(accountPath()));
    }

private slots:
    void init()
    {
        QFile::remove(statePath());
        QFile::remove(accountPath());
    }

    void readsStateFileByItsRules_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<qint64>("ageSeconds");
        QTest::addColumn<QByteArray>("account"); // empty: no account file
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("limits");

        const QByteArray five = limitJson("five_hour", 42);
        const QByteArray week = limitJson("weekly_all", 17);
        using K = EngineStateError::Kind;
        auto row = [](const char *name, const QByteArray &json, qint64 age, const QByteArray &account, int error,
                      const QString &limits = {}) {
            QTest::newRow(name) << json << age << account << error << limits;
        };

        row("current format, confirmation from file time", stateJson({five, week}), 600, {}, readable,
            u"five_hour 42 c-600 | weekly_all 17 c-600"_qs);
        row("1800 s old is stale", stateJson({five}), 1800, {}, int(K::stale));
        row("written during a poll a few seconds ahead", stateJson({five}), -30, {}, readable, u"five_hour 42 c30"_qs);
        row("more than a minute in the future", stateJson({five}), -61, {}, int(K::modifiedInFuture));
        row("empty limits hide older keys",
            stateJson({}, R"(,"five_hour":{"used_percentage":1,"resets_at":1796570000})"), 10, {}, int(K::noLimits));
        row("older format", R"({"seven_day":{"used_percentage":20,"resets_at":1796570000},)"
                            R"("five_hour":{"used_percentage":10,"resets_at":1796570000}})",
            10, {}, readable, u"five_hour 10 | weekly_all 20"_qs);
        row("confirmed_at wins over file time", stateJson({limitJson("five_hour", 3, R"(,"confirmed_at":1796559000)")}),
            10, {}, readable, u"five_hour 3 c-1000"_qs);
        row("weekly model confirmed 61 min ago dropped",
            stateJson({five, limitJson("weekly_model", 5, R"(,"model":"Sonnet","confirmed_at":1796556340)")}), 10, {},
            readable, u"five_hour 42 c-10"_qs);
        // An old jq writes NaN as null: that entry goes, never the whole file.
        row("unusable entries cost only themselves",
            stateJson({R"({"kind":"five_hour","used_percentage":null,"resets_at":1796570000})",
                       R"({"kind":"five_hour","used_percentage":"42","resets_at":1})", "1",
                       R"({"kind":"five_hour","used_percentage":1,"resets_at":1e300})",
                       R"({"kind":"weekly_all","used_percentage":1})", week}),
            10, {}, readable, u"weekly_all 17 c-10"_qs);
        row("larger than 1 MiB", stateJson({five}, ",\"pad\":\"" + QByteArray(1 << 20, 'x') + '"'), 10, {}, int(K::tooLarge));
        row("other account", stateJson({five}, R"(,"account_uuid":"A")"), 10,
            R"({"oauthAccount":{"accountUuid":"B"}})", int(K::otherAccount));
        row("same account", stateJson({five}, R"(,"account_uuid":"A")"), 10, R"({"oauthAccount":{"accountUuid":"A"}})",
            readable, u"five_hour 42 c-10"_qs);
    }

    void readsStateFileByItsRules()
    {
        QFETCH(QByteArray, json);
        QFETCH(qint64, ageSeconds);
        QFETCH(QByteArray, account);
        QFETCH(int, error);
        QFETCH(QString, limits);

        QVERIFY(writeFile(statePath(), json, now.addSecs(-ageSeconds)));
        if (!account.isEmpty())
            QVERIFY(writeFile(accountPath(), account));

        const auto result = reader().readExplained(now);
        if (error == readable) {
            if (!result)
                QFAIL(qPrintable(u"error kind "_qs + QString::number(int(result.error().kind))));
            QCOMPARE(summary(result->snapshot), limits);
            QCOMPARE(reader().read(now), std::optional(result->snapshot));
        } else {
            QVERIFY(!result);
            QCOMPARE(int(result.error().kind), error);
            QVERIFY(!reader().read(now));
        }
    }

    void specialFilesAtThePathNeitherBlockNorCrash()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(u"folder.json"_qs);
        const QString link = dir.filePath(u"link.json"_qs);
        QVERIFY(QDir().mkpath(folder + u"/inside"_qs));
        QVERIFY(QFile::link(link + u".gone"_qs, link));
        const auto folderRead = reader(folder).readExplained(now);
        QVERIFY(!folderRead);
        QCOMPARE(folderRead.error().kind, EngineStateError::Kind::notRegularFile);
        const auto linkRead = reader(link).readExplained(now);
        QVERIFY(!linkRead);
        QCOMPARE(linkRead.error().kind, EngineStateError::Kind::missing);
        // The writer replaces a dangling link rather than writing through it.
        const QDateTime current = QDateTime::currentDateTimeUtc();
        QVERIFY(StateWriter(link).write(UsageSnapshot({UsageLimit(UsageLimitKind::fiveHour, std::nullopt, 1, current.addSecs(60))}), current));
        QVERIFY(!QFileInfo(link).isSymLink());
        QVERIFY(reader(link).readExplained(current));
    }

    // Mutated copies of a real file: whatever the bytes, the reader returns,
    // and what it returns is a usable snapshot.
    void mutatedFilesNeverCrash()
    {
        const QByteArray seed =
            stateJson({limitJson("five_hour", 42), limitJson("weekly_all", 17, R"(,"confirmed_at":1796559990)"),
                       limitJson("weekly_model", 5, R"(,"model":"Sonnet")")},
                      R"(,"account_uuid":"0b7e","checked_at":1796559990)");
        QVERIFY(writeFile(accountPath(), R"({"oauthAccount":{"accountUuid":"0b7e"}})"));
        QRandomGenerator random(20261206);
        const QByteArray alphabet = "{}[]\":,.-+eE0123456789 \x00\xff\\ntrufalse";
        for (int round = 0; round < 1000; ++round) {
            QByteArray bytes = seed;
            const int edits = 1 + int(random.bounded(6));
            for (int edit = 0; edit < edits; ++edit) {
                const auto at = qsizetype(random.bounded(int(bytes.size())));
                switch (random.bounded(3)) {
                case 0:
                    bytes[at] = alphabet.at(random.bounded(int(alphabet.size())));
                    break;
                case 1:
                    bytes.remove(at, 1 + random.bounded(8));
                    break;
                default:
                    bytes.insert(at, bytes.mid(random.bounded(int(bytes.size())), 1 + random.bounded(12)));
                }
            }
            QVERIFY(writeFile(statePath(), bytes, now.addSecs(-60)));
            QVERIFY(writeFile(accountPath(), bytes)); // the account file gets the same treatment
            if (const auto snapshot = reader().read(now)) {
                QVERIFY(!snapshot->limits().isEmpty());
                for (const UsageLimit &limit : snapshot->limits())
                    QVERIFY(limit.resetsAt().isValid());
            }
        }
    }

    // The account of Claude Code's own file. The answer is reused while the
    // file is unchanged, but every way Claude Code can change it is noticed.
    void accountIdentityNoticesEveryChange()
    {
        const AccountIdentity identity(accountPath());
        QVERIFY(!identity.current());

        QVERIFY(writeFile(accountPath(), readFile(QStringLiteral(PACEWISE_TEST_DATA "/claude-home/.claude.json"))));
        QCOMPARE(identity.current(), std::optional(u"00000000-0000-4000-8000-00000000acc7"_qs));
        QVERIFY(writeFile(accountPath(), R"({"oauthAccount":{"accountUuid":" \t\n"}})"));
        QVERIFY(!identity.current());
        QVERIFY(writeFile(accountPath(), R"({"oauthAccount":{"accountUuid":"AAAA"}})"));
        QCOMPARE(identity.current(), std::optional(u"AAAA"_qs));
        const AccountIdentity copy = identity;
        QCOMPARE(copy.current(), std::optional(u"AAAA"_qs));

        // Rewritten in place with the same size and the same modification time.
        const QDateTime modified = QFileInfo(accountPath()).lastModified();
        QVERIFY(writeFile(accountPath(), R"({"oauthAccount":{"accountUuid":"BBBB"}})", modified));
        QCOMPARE(identity.current(), std::optional(u"BBBB"_qs));

        // Replaced by rename.
        QVERIFY(writeFile(accountPath() + u".new"_qs, R"({"oauthAccount":{"accountUuid":"CCCC"}})", modified));
        QCOMPARE(::rename(QFile::encodeName(accountPath() + u".new"_qs).constData(), QFile::encodeName(accountPath()).constData()), 0);
        QCOMPARE(identity.current(), std::optional(u"CCCC"_qs));

        QVERIFY(QFile::remove(accountPath()));
        QVERIFY(!identity.current());
    }

    // What each writer merges into the file: usage within one window never
    // goes down, however precisely a source gave its reset (the report's
    // minute may lie on either side of the status line's second, which
    // wins); a later reset replaces the window, an earlier one never does,
    // and another account's figures are not merged with these.
    void writerMergesByTheWindowRule_data()
    {
        QTest::addColumn<QByteArray>("existing");
        QTest::addColumn<UsageSnapshot>("fresh");
        QTest::addColumn<QString>("merged");
        const auto five = [](double used, qint64 reset, std::optional<QString> account = std::nullopt) {
            return UsageSnapshot({UsageLimit(UsageLimitKind::fiveHour, std::nullopt, used, utc(reset), now)}, account);
        };
        // The report's "5:02pm" for a reset at 17:01:20: the end of the
        // next minute.
        const qint64 reportedMinute = resetsAt + 99;
        const auto reported = [](double used, qint64 reset) {
            return UsageSnapshot({UsageLimit(UsageLimitKind::fiveHour, std::nullopt, UsageWindow{used, utc(reset), true}, now)});
        };
        const QByteArray held = stateJson({limitJson("five_hour", 99, R"(,"confirmed_at":1796559000)")},
                                          R"(,"account_uuid":"A","status_line_confirmed_at":1796559000,"x":1)");
        QTest::newRow("the report's minute is the window of the second")
            << held << reported(42, reportedMinute) << u"five_hour 99 1796570000 c0 | A 1796559000 x"_qs;
        QTest::newRow("the second replaces the report's minute")
            << stateJson({R"({"kind":"five_hour","used_percentage":61,"resets_at":1796570099,"resets_at_approximate":true})"})
            << five(70, resetsAt) << u"five_hour 70 1796570000 c0 | - - -"_qs;
        QTest::newRow("two reports keep the later minute")
            << stateJson({R"({"kind":"five_hour","used_percentage":61,"resets_at":1796570039,"resets_at_approximate":true})"})
            << reported(60, reportedMinute) << u"five_hour 61 1796570099~ c0 | - - -"_qs;
        QTest::newRow("lower figure, same window") << held << five(42, resetsAt + 30, u"A"_qs)
                                                   << u"five_hour 99 1796570030 c0 | A 1796559000 x"_qs;
        QTest::newRow("higher figure, same window") << held << five(100, resetsAt) << u"five_hour 100 1796570000 c0 | A 1796559000 x"_qs;
        QTest::newRow("later window replaces") << held << five(3, resetsAt + 18000)
                                               << u"five_hour 3 1796588000 c0 | A 1796559000 x"_qs;
        QTest::newRow("earlier window never does") << held << five(3, resetsAt - 18000)
                                                   << u"five_hour 99 1796570000 c-1000 | A 1796559000 x"_qs;
        QTest::newRow("another account starts afresh") << held << five(3, resetsAt - 18000, u"B"_qs)
                                                       << u"five_hour 3 1796552000 c0 | B - -"_qs;
        QTest::newRow("not started is recorded as reset now")
            << QByteArray() << UsageSnapshot({UsageLimit(UsageLimitKind::fiveHour, std::nullopt, UsageWindow{}, now)})
            << u"five_hour 0 1796560000 c0 | - - -"_qs;
        QTest::newRow("a figure JSON cannot hold is left out")
            << QByteArray() << UsageSnapshot({UsageLimit(UsageLimitKind::fiveHour, std::nullopt, qQNaN(), utc(resetsAt)),
                                              UsageLimit(UsageLimitKind::weeklyAll, std::nullopt, 17, utc(resetsAt))})
            << u"weekly_all 17 1796570000 c0 | - - -"_qs;
        QTest::newRow("a damaged file is replaced") << QByteArray("{\"limits\":[{\"kind\":") << five(5, resetsAt)
                                                    << u"five_hour 5 1796570000 c0 | - - -"_qs;
    }

    void writerMergesByTheWindowRule()
    {
        QFETCH(QByteArray, existing);
        QFETCH(UsageSnapshot, fresh);
        QFETCH(QString, merged);
        if (!existing.isEmpty())
            QVERIFY(writeFile(statePath(), existing));
        const auto written = StateWriter(statePath()).write(fresh, now);
        QVERIFY(written);
        const QJsonObject file = QJsonDocument::fromJson(readFile(statePath())).object();
        QStringList limits;
        for (const QJsonValue &entry : file.value(u"limits"_qs).toArray()) {
            const QJsonObject limit = entry.toObject();
            limits << QStringLiteral("%1 %2 %3%4 c%5")
                          .arg(limit.value(u"kind"_qs).toString())
                          .arg(limit.value(u"used_percentage"_qs).toDouble())
                          .arg(qint64(limit.value(u"resets_at"_qs).toDouble()))
                          .arg(limit.value(u"resets_at_approximate"_qs).toBool() ? u"~"_qs : QString())
                          .arg(qint64(limit.value(u"confirmed_at"_qs).toDouble()) - now.toSecsSinceEpoch());
        }
        const auto keyOrDash = [&](const char *key) {
            const QJsonValue value = file.value(QLatin1String(key));
            return value.isUndefined() ? u"-"_qs : value.isString() ? value.toString() : QString::number(qint64(value.toDouble()));
        };
        QCOMPARE(limits.join(u" | "_qs) + u" | "_qs + keyOrDash("account_uuid") + u' ' +
                     keyOrDash("status_line_confirmed_at") + (file.contains(u"x"_qs) ? u" x"_qs : u" -"_qs),
                 merged);
        // What the writer answers is what readers will find (a figure that
        // is not a number is shown as such, never recorded).
        QVERIFY(touchFile(statePath(), now));
        const auto read = reader().readExplained(now);
        QVERIFY(read);
        QList<UsageLimit> recordable = written->limits();
        recordable.removeIf([](const UsageLimit &limit) { return !std::isfinite(limit.utilization()); });
        QCOMPARE(UsageSnapshot(recordable, written->accountUUID()), read->snapshot);
    }

    // Every open session's status line and Pacewise write the file at once;
    // under the shared lock no figure is lost to another writer's merge.
    void concurrentWritersLoseNoFigure()
    {
        QTemporaryDir home;
        QDir().mkpath(home.filePath(u".claude"_qs));
        const QString path = home.filePath(u".claude/rate-limit-state.json"_qs);
        std::vector<std::unique_ptr<QProcess>> scripts;
        for (int figure = 1; figure <= 16; ++figure)
            scripts.push_back(startStatusLine(home.path(), u"s%1"_qs.arg(figure), 1,
                                              QStringLiteral(R"("five_hour":{"used_percentage":%1,"resets_at":%2})").arg(figure * 5).arg(resetsAt)));
        const QDateTime current = QDateTime::currentDateTimeUtc();
        for (int round = 0; round < 20; ++round)
            QVERIFY(StateWriter(path).write(UsageSnapshot({UsageLimit(UsageLimitKind::fiveHour, std::nullopt, round, utc(resetsAt), current)}), current));
        for (const auto &script : scripts) {
            QVERIFY(script->waitForFinished(20'000));
            QCOMPARE(script->exitCode(), 0);
        }
        const auto read = reader(path).read(current);
        QVERIFY(read);
        QCOMPARE(read->fiveHour()->utilization, 80.0);
    }

    // A day of work, Claude Code's status line and Pacewise's usage poll
    // taking turns, with an idle spell across a reset: whichever spoke last,
    // the file holds the highest figure of the running window (what the
    // guard judges), the reset to the second once the status line gave it,
    // and a window is replaced only by the next one. The report names each
    // reset's minute cut off or rounded to the nearest, as it may.
    void aDayOfBothSourcesKeepsOneWindowPerReset()
    {
        QTemporaryDir home;
        const QString path = home.filePath(u".claude/rate-limit-state.json"_qs);
        const QString clock = home.filePath(u"now"_qs);
        QRandomGenerator random(29);
        const qint64 dayStart = 1'796'515'200; // Sunday 6 December 2026, 00:00 UTC
        const qint64 weekReset = dayStart + 3 * 86400 + 8537;
        const auto reportedMinute = [&](qint64 reset) {
            const qint64 minute = random.bounded(2) ? reset : reset + 30; // cut off, or rounded
            return resetText(utc(minute - minute % 60));
        };

        double used = 0;
        std::optional<qint64> reset; // the running window's, to the second
        double highest = 0;          // what the sources said of it
        bool statusLineSpoke = false;
        int apiMilliseconds = 0;
        int step = 0;
        for (qint64 at = dayStart + 300; at < dayStart + 86400; at += 540 + random.bounded(120), ++step) {
            const bool working = at < dayStart + 10 * 3600 || at >= dayStart + 13 * 3600;
            if (reset && at >= *reset) {
                reset.reset();
                used = highest = 0;
                statusLineSpoke = false;
            }
            if (working && !reset)
                reset = at + 5 * 3600 + random.bounded(60);
            if (working)
                used = std::min(100.0, std::round(used * 10 + random.bounded(45)) / 10); // as the status line gives it
            const QDateTime current = utc(at);
            QVERIFY(writeFile(clock, QByteArray::number(at) + '\n'));
            if (step % 3 == 0) {
                const QString fiveHour = reset ? u"%1% used · resets %2"_qs.arg(int(used)).arg(reportedMinute(*reset))
                                               : u"0% used"_qs;
                const auto report = UsageReportParser::parse(
                    u"Current session: %1\nCurrent week (all models): 17% used · resets %2"_qs.arg(fiveHour, reportedMinute(weekReset)),
                    current, QTimeZone::utc());
                QVERIFY(report);
                QVERIFY(StateWriter(path).write(*report, current));
                highest = std::max(highest, std::floor(used));
            } else {
                // Idle, the session re-sends what its last reply brought.
                apiMilliseconds += working ? 1 : 0;
                const QString limits = QStringLiteral(R"("five_hour":{"used_percentage":%1,"resets_at":%2},)"
                                                      R"("seven_day":{"used_percentage":17,"resets_at":%3})");
                const auto script = startStatusLine(home.path(), u"s"_qs, apiMilliseconds,
                                                    limits.arg(used).arg(reset.value_or(at - 60)).arg(weekReset), clock);
                QVERIFY(script->waitForFinished(20'000));
                if (reset) {
                    highest = std::max(highest, used);
                    statusLineSpoke = true;
                }
            }

            const auto state = EngineStateReader::decode(QJsonDocument::fromJson(readFile(path)).object(), current, current);
            QVERIFY(state);
            QCOMPARE(state->snapshot.limits().size(), 2);
            const UsageWindow recorded = *state->snapshot.asOf(current).fiveHour();
            const QString when = current.toString(Qt::ISODate);
            if (!reset) {
                QVERIFY2(!recorded.hasStarted(), qPrintable(when));
                continue;
            }
            QVERIFY2(recorded.utilization == highest, qPrintable(u"%1: %2 for %3"_qs.arg(when).arg(recorded.utilization).arg(highest)));
            const qint64 recordedReset = recorded.resetsAt.toSecsSinceEpoch();
            if (statusLineSpoke)
                QVERIFY2(recordedReset == *reset && !recorded.resetIsApproximate, qPrintable(when));
            else
                QVERIFY2(recordedReset >= *reset && recordedReset < *reset + 120, qPrintable(when));
            if (working && step % 3 != 0)
                QCOMPARE(state->statusLineConfirmedAt, current);
        }
    }

    // A writer that keeps the lock beyond the time-out: nothing is merged
    // beside it, so the file stays as that writer leaves it.
    void aLockKeptByAnotherWriterMeansNothingIsRecorded()
    {
        const QByteArray held = stateJson({limitJson("five_hour", 42)});
        QVERIFY(writeFile(statePath(), held, now));
        const auto otherWriter = FileLock::lock(StateWriter::lockPath(statePath()), std::chrono::milliseconds(0));
        QVERIFY(otherWriter);
        const UsageSnapshot fresh({UsageLimit(UsageLimitKind::fiveHour, std::nullopt, 50, utc(resetsAt))});
        const auto written = StateWriter(statePath(), std::chrono::milliseconds(50)).write(fresh, now);
        QVERIFY(!written);
        QCOMPARE(written.error().errorNumber, EWOULDBLOCK);
        QCOMPARE(readFile(statePath()), held);
    }

};

QTEST_GUILESS_MAIN(EngineStateTest)
#include "tst_enginestate.moc"
