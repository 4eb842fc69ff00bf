#include "support/TestFiles.h"
#include "system/EpochSeconds.h"
#include "usage/AccountIdentity.h"
#include "usage/EngineStateReader.h"
#include "usage/StateWriter.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

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
// how long before now the figures were confirmed.
QString summary(const UsageSnapshot &snapshot)
{
    QStringList parts;
    for (const UsageLimit &limit : snapshot.limits()) {
        QString part = rawValue(limit.kind());
        if (limit.model())
            part += u' ' + *limit.model();
        part += u' ' + QString::number(limit.utilization());
        if (limit.confirmedAt())
            part += u" c-"_qs + QString::number(limit.confirmedAt()->secsTo(now));
        parts << part;
    }
    return parts.join(u" | "_qs);
}

} // namespace

class EngineStateTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString statePath() const { return m_dir.filePath(u"claude/rate-limit-state.json"_qs); }
    QString accountPath() const { return m_dir.filePath(u"claude.json"_qs); }
    EngineStateReader reader() const { return EngineStateReader(statePath(), AccountIdentity(accountPath())); }

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
        row("1799 s old is fresh", stateJson({five}), 1799, {}, readable, u"five_hour 42 c-1799"_qs);
        row("1800 s old is stale", stateJson({five}), 1800, {}, int(K::stale));
        row("modified in the future", stateJson({five}), -5, {}, int(K::modifiedInFuture));
        row("empty limits hide older keys",
            stateJson({}, R"(,"five_hour":{"used_percentage":1,"resets_at":1796570000})"), 10, {}, int(K::noLimits));
        row("older format", R"({"seven_day":{"used_percentage":20,"resets_at":1796570000},)"
                            R"("five_hour":{"used_percentage":10,"resets_at":1796570000}})",
            10, {}, readable, u"five_hour 10 | weekly_all 20"_qs);
        row("confirmed_at wins over file time", stateJson({limitJson("five_hour", 3, R"(,"confirmed_at":1796559000)")}),
            10, {}, readable, u"five_hour 3 c-1000"_qs);
        row("weekly model confirmed by file time",
            stateJson({limitJson("weekly_model", 5, R"(,"model":"Sonnet")")}), 600, {}, readable,
            u"weekly_model Sonnet 5 c-600"_qs);
        row("weekly model confirmed 61 min ago dropped",
            stateJson({five, limitJson("weekly_model", 5, R"(,"model":"Sonnet","confirmed_at":1796556340)")}), 10, {},
            readable, u"five_hour 42 c-10"_qs);
        row("weekly model confirmed in the future dropped",
            stateJson({five, limitJson("weekly_model", 5, R"(,"model":"Sonnet","confirmed_at":1796560100)")}), 10, {},
            readable, u"five_hour 42 c-10"_qs);
        row("blank model dropped", stateJson({limitJson("weekly_model", 5, R"(,"model":" \n")"), week}), 10, {},
            readable, u"weekly_all 17 c-10"_qs);
        row("model of other kinds discarded", stateJson({limitJson("five_hour", 1, R"(,"model":"Opus")")}), 10, {},
            readable, u"five_hour 1 c-10"_qs);
        row("null model is absent", stateJson({limitJson("weekly_all", 1, R"(,"model":null)")}), 10, {}, readable,
            u"weekly_all 1 c-10"_qs);
        row("unknown kind skipped", stateJson({limitJson("monthly", 9), five}), 10, {}, readable,
            u"five_hour 42 c-10"_qs);
        row("kinds are case-sensitive", stateJson({limitJson("Five_Hour", 9)}), 10, {}, int(K::noLimits));
        row("missing resets_at", stateJson({five, R"({"kind":"weekly_all","used_percentage":1})"}), 10, {},
            int(K::malformed));
        row("missing resets_at in a skipped entry", stateJson({five, R"({"kind":"x","used_percentage":1})"}), 10, {},
            int(K::malformed));
        row("percentage as text", stateJson({R"({"kind":"five_hour","used_percentage":"42","resets_at":1})"}), 10, {},
            int(K::malformed));
        row("old key of wrong type beside limits", stateJson({five}, R"(,"seven_day":[])"), 10, {}, int(K::malformed));
        row("limits not an array", R"({"limits":{}})", 10, {}, int(K::malformed));
        row("entry not an object", stateJson({"1"}), 10, {}, int(K::malformed));
        row("account_uuid not text", stateJson({five}, R"(,"account_uuid":7)"), 10, {}, int(K::malformed));
        row("reset 1e300", stateJson({R"({"kind":"five_hour","used_percentage":1,"resets_at":1e300})"}), 10, {},
            int(K::malformed));
        row("confirmed_at -1e300", stateJson({limitJson("five_hour", 1, R"(,"confirmed_at":-1e300)")}), 10, {},
            int(K::malformed));
        row("140 % passed through", stateJson({limitJson("five_hour", 140)}), 10, {}, readable,
            u"five_hour 140 c-10"_qs);
        row("other account", stateJson({five}, R"(,"account_uuid":"A")"), 10,
            R"({"oauthAccount":{"accountUuid":"B"}})", int(K::otherAccount));
        row("same account", stateJson({five}, R"(,"account_uuid":"A")"), 10, R"({"oauthAccount":{"accountUuid":"A"}})",
            readable, u"five_hour 42 c-10"_qs);
        row("account file without identifier", stateJson({five}, R"(,"account_uuid":"A")"), 10,
            R"({"oauthAccount":{"accountUuid":"  "}})", readable, u"five_hour 42 c-10"_qs);
        row("unknown keys ignored", stateJson({five}, R"(,"checked_at":"soon","extra":{"x":[1]})"), 10, {}, readable,
            u"five_hour 42 c-10"_qs);
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
            QCOMPARE(summary(*result), limits);
            QCOMPARE(reader().read(now), std::optional(*result));
        } else {
            QVERIFY(!result);
            QCOMPARE(int(result.error().kind), error);
            QVERIFY(!reader().read(now));
        }
    }

    void snapshotKeepsTheFilesAccountNotTheLiveOne()
    {
        QVERIFY(writeFile(statePath(), stateJson({limitJson("five_hour", 1)}, R"(,"account_uuid":"A")"), now));
        QCOMPARE(reader().read(now)->accountUUID(), std::optional(u"A"_qs));
    }

    void hostileFilesGiveNoSnapshot_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("error");
        using K = EngineStateError::Kind;
        QTest::newRow("empty") << QByteArray() << int(K::malformed);
        QTest::newRow("truncated") << stateJson({limitJson("five_hour", 1)}).chopped(3) << int(K::malformed);
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe{\x01", 5) << int(K::malformed);
        QTest::newRow("deeply nested") << QByteArray(100'000, '[') << int(K::malformed);
        QTest::newRow("deeply nested objects") << QByteArray(R"({"limits":)").repeated(50'000) << int(K::malformed);
        QTest::newRow("NaN literal") << QByteArray(R"({"limits":[{"kind":"five_hour","used_percentage":NaN,"resets_at":1}]})") << int(K::malformed);
        QTest::newRow("Infinity literal") << QByteArray(R"({"five_hour":{"used_percentage":1,"resets_at":Infinity}})") << int(K::malformed);
        QTest::newRow("overflowing number") << QByteArray(R"({"five_hour":{"used_percentage":1,"resets_at":1e400}})") << int(K::malformed);
        QTest::newRow("top-level array") << QByteArray("[]") << int(K::malformed);
        QTest::newRow("top-level string") << QByteArray(R"("limits")") << int(K::malformed);
        QTest::newRow("larger than 1 MiB") << stateJson({limitJson("five_hour", 1)}, ",\"pad\":\"" + QByteArray(1 << 20, 'x') + '"') << int(K::tooLarge);
    }

    void hostileFilesGiveNoSnapshot()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, error);
        QVERIFY(writeFile(statePath(), bytes, now));
        const auto result = reader().readExplained(now);
        QVERIFY(!result);
        QCOMPARE(int(result.error().kind), error);
    }

    void specialFilesAtThePathNeitherBlockNorCrash_data()
    {
        QTest::addColumn<QString>("kind");
        using K = EngineStateError::Kind;
        QTest::addColumn<int>("error");
        QTest::newRow("directory") << u"directory"_qs << int(K::notRegularFile);
        QTest::newRow("FIFO without writer") << u"fifo"_qs << int(K::notRegularFile);
        QTest::newRow("dangling symlink") << u"dangling"_qs << int(K::missing);
        QTest::newRow("symlink to a device") << u"device"_qs << int(K::notRegularFile);
        QTest::newRow("nothing") << u"none"_qs << int(K::missing);
    }

    void specialFilesAtThePathNeitherBlockNorCrash()
    {
        QFETCH(QString, kind);
        QFETCH(int, error);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"state.json"_qs);
        const QByteArray encoded = QFile::encodeName(path);
        if (kind == u"directory")
            QVERIFY(QDir().mkpath(path + u"/inside"_qs));
        else if (kind == u"fifo")
            QCOMPARE(::mkfifo(encoded.constData(), 0600), 0);
        else if (kind == u"dangling")
            QVERIFY(QFile::link(dir.filePath(u"gone"_qs), path));
        else if (kind == u"device")
            QVERIFY(QFile::link(u"/dev/zero"_qs, path));

        const auto result = EngineStateReader(path, AccountIdentity(accountPath())).readExplained(now);
        QVERIFY(!result);
        QCOMPARE(int(result.error().kind), error);
    }

    void followsASymlinkToARealStateFile()
    {
        QVERIFY(writeFile(m_dir.filePath(u"real.json"_qs), stateJson({limitJson("five_hour", 7)}), now));
        QDir().mkpath(QFileInfo(statePath()).absolutePath());
        QVERIFY(QFile::link(m_dir.filePath(u"real.json"_qs), statePath()));
        const auto snapshot = reader().readExplained(now);
        if (!snapshot)
            QFAIL(qPrintable(QString::number(int(snapshot.error().kind))));
        QCOMPARE(snapshot->fiveHour()->utilization, 7.0);
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
        int readableCount = 0;
        for (int round = 0; round < 3000; ++round) {
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
                ++readableCount;
                QVERIFY(!snapshot->limits().isEmpty());
                for (const UsageLimit &limit : snapshot->limits())
                    QVERIFY(limit.resetsAt().isValid());
            }
        }
        qDebug() << readableCount << "of 3000 mutated files were still readable";
    }

    void accountIdentifierRules_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<std::optional<QString>>("identifier");
        QTest::newRow("present") << QByteArray(R"({"oauthAccount":{"accountUuid":"abc","emailAddress":"x"}})") << std::optional(u"abc"_qs);
        QTest::newRow("blanks kept") << QByteArray(R"({"oauthAccount":{"accountUuid":" abc\n"}})") << std::optional(u" abc\n"_qs);
        QTest::newRow("only blanks") << QByteArray(R"({"oauthAccount":{"accountUuid":" \t\n"}})") << std::optional<QString>();
        QTest::newRow("no accountUuid") << QByteArray(R"({"oauthAccount":{}})") << std::optional<QString>();
        QTest::newRow("no oauthAccount") << QByteArray(R"({"projects":{}})") << std::optional<QString>();
        QTest::newRow("oauthAccount not an object") << QByteArray(R"({"oauthAccount":"abc"})") << std::optional<QString>();
        QTest::newRow("number") << QByteArray(R"({"oauthAccount":{"accountUuid":12}})") << std::optional<QString>();
        QTest::newRow("not JSON") << QByteArray("{oauthAccount") << std::optional<QString>();
        QTest::newRow("real file") << readFile(QStringLiteral(PACEWISE_TEST_DATA "/claude-home/.claude.json"))
                                   << std::optional(u"00000000-0000-4000-8000-00000000acc7"_qs);
    }

    void accountIdentifierRules()
    {
        QFETCH(QByteArray, json);
        QFETCH(std::optional<QString>, identifier);
        QVERIFY(writeFile(accountPath(), json));
        QCOMPARE(AccountIdentity(accountPath()).current(), identifier);
    }

    void accountMismatchNeedsTwoKnownDifferentIdentifiers_data()
    {
        QTest::addColumn<std::optional<QString>>("held");
        QTest::addColumn<std::optional<QString>>("live");
        QTest::addColumn<bool>("mismatch");
        const std::optional<QString> none;
        QTest::newRow("both absent") << none << none << false;
        QTest::newRow("held absent") << none << std::optional(u"A"_qs) << false;
        QTest::newRow("live absent") << std::optional(u"A"_qs) << none << false;
        QTest::newRow("same") << std::optional(u"A"_qs) << std::optional(u"A"_qs) << false;
        QTest::newRow("different") << std::optional(u"A"_qs) << std::optional(u"B"_qs) << true;
        QTest::newRow("case differs") << std::optional(u"a"_qs) << std::optional(u"A"_qs) << true;
        QTest::newRow("blank differs") << std::optional(u"A "_qs) << std::optional(u"A"_qs) << true;
    }

    void accountMismatchNeedsTwoKnownDifferentIdentifiers()
    {
        QFETCH(std::optional<QString>, held);
        QFETCH(std::optional<QString>, live);
        QFETCH(bool, mismatch);
        QCOMPARE(AccountIdentity::mismatch(held, live), mismatch);
    }

    // The answer is reused while the file is unchanged, but every way Claude
    // Code can change the file must be noticed.
    void accountIdentityNoticesEveryChange()
    {
        const AccountIdentity identity(accountPath());
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

    void writerEncodesTheSharedFormat_data()
    {
        QTest::addColumn<QList<UsageLimit>>("limits");
        QTest::addColumn<std::optional<QString>>("account");
        QTest::addColumn<QByteArray>("json");
        const QDateTime reset = utc(resetsAt).addMSecs(900);
        QTest::newRow("no limits") << QList<UsageLimit>{} << std::optional(u"A"_qs)
                                   << QByteArray(R"({"account_uuid":"A","limits":[]})");
        QTest::newRow("empty account left out") << QList<UsageLimit>{} << std::optional(QString()) << QByteArray(R"({"limits":[]})");
        QTest::newRow("fraction dropped, latest confirmation")
            << QList<UsageLimit>{UsageLimit(UsageLimitKind::fiveHour, std::nullopt, 42.5, reset, utc(100).addMSecs(700)),
                                 UsageLimit(UsageLimitKind::weeklyModel, u"Sonnet"_qs, 5, reset, utc(300)),
                                 UsageLimit(UsageLimitKind::weeklyAll, std::nullopt, 17, reset)}
            << std::optional<QString>()
            << QByteArray(R"({"checked_at":300,"limits":[)"
                          R"({"confirmed_at":100,"kind":"five_hour","resets_at":1796570000,"used_percentage":42.5},)"
                          R"({"confirmed_at":300,"kind":"weekly_model","model":"Sonnet","resets_at":1796570000,"used_percentage":5},)"
                          R"({"kind":"weekly_all","resets_at":1796570000,"used_percentage":17}]})");
    }

    void writerEncodesTheSharedFormat()
    {
        QFETCH(QList<UsageLimit>, limits);
        QFETCH(std::optional<QString>, account);
        QFETCH(QByteArray, json);
        QCOMPARE(StateWriter::encode(UsageSnapshot(limits, account)).value(), json);
    }

    void writerRefusesValuesJsonCannotHold()
    {
        const UsageSnapshot snapshot({UsageLimit(UsageLimitKind::fiveHour, std::nullopt, qQNaN(), utc(resetsAt))});
        QVERIFY(writeFile(statePath(), "previous"));
        const auto written = StateWriter(statePath()).write(snapshot);
        QVERIFY(!written);
        QCOMPARE(written.error().kind, StateWriteError::Kind::nonFiniteValue);
        QCOMPARE(readFile(statePath()), QByteArray("previous"));
    }

    void writtenFileReadsBackWithWholeSeconds()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"new/folder/rate-limit-state.json"_qs);
        const QDateTime reset = utc(resetsAt).addMSecs(640);
        const QDateTime confirmed = QDateTime::currentDateTimeUtc().addSecs(-20);
        const UsageSnapshot snapshot({UsageLimit(UsageLimitKind::fiveHour, std::nullopt, 42, reset, confirmed),
                                      UsageLimit(UsageLimitKind::weeklyModel, u"Sonnet"_qs, 5, reset, confirmed)},
                                     u"A"_qs);
        QVERIFY(StateWriter(path).write(snapshot));
        QCOMPARE(QFileInfo(path).permissions() & 0x7777, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther);

        const auto read = EngineStateReader(path, AccountIdentity(accountPath())).read(QDateTime::currentDateTimeUtc());
        QVERIFY(read.has_value());
        QCOMPARE(read->accountUUID(), std::optional(u"A"_qs));
        QCOMPARE(read->limits().size(), 2);
        for (const UsageLimit &limit : read->limits()) {
            QCOMPARE(limit.resetsAt(), utc(resetsAt));
            QCOMPARE(limit.confirmedAt(), std::optional(utc(epochSecondsTruncated(confirmed))));
        }
        QCOMPARE(read->weeklyModels().constFirst().model(), std::optional(u"Sonnet"_qs));
    }

    // The engine's status-line script and this reader share the file format.
    void readsWhatTheStatusLineScriptWrites()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath(u".claude.json"_qs), R"({"oauthAccount":{"accountUuid":"acct-7"}})"));
        QProcess script;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"HOME"_qs, dir.path());
        environment.remove(u"CLAUDE_CONFIG_DIR"_qs);
        environment.remove(u"PACEWISE_STATE_PATH"_qs);
        script.setProcessEnvironment(environment);
        script.setStandardInputFile(QStringLiteral(PACEWISE_TEST_DATA "/../engine/samples/statusline-stdin.json"));
        script.start(u"sh"_qs, {QStringLiteral(PACEWISE_SOURCE_DIR "/resources/EngineScripts/rate-limit-statusline.sh")});
        QVERIFY(script.waitForFinished(10'000));
        QCOMPARE(script.exitCode(), 0);

        const EngineStateReader reader(dir.filePath(u".claude/rate-limit-state.json"_qs), AccountIdentity(dir.filePath(u".claude.json"_qs)));
        const auto snapshot = reader.readExplained(QDateTime::currentDateTimeUtc());
        if (!snapshot)
            QFAIL(qPrintable(u"error kind "_qs + QString::number(int(snapshot.error().kind))));
        QCOMPARE(snapshot->accountUUID(), std::optional(u"acct-7"_qs));
        QCOMPARE(snapshot->fiveHour(), std::optional(UsageWindow{42, utc(1796576519)}));
        QCOMPARE(snapshot->weeklyAll(), std::optional(UsageWindow{17, utc(1796869319)}));
    }
};

QTEST_GUILESS_MAIN(EngineStateTest)
#include "tst_enginestate.moc"
