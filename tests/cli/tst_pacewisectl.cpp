#include "support/TestFiles.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace pacewise::test;

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

QByteArray stateFile(qint64 confirmedAt, const QByteArray &extra = {})
{
    const QByteArray confirmed = QByteArray::number(confirmedAt);
    return R"({"limits":[)"
           R"({"kind":"five_hour","used_percentage":42.4,"resets_at":1796576519,"confirmed_at":)" + confirmed + "},"
           R"({"kind":"weekly_all","used_percentage":17,"resets_at":1796576519,"confirmed_at":)" + confirmed + "},"
           R"({"kind":"weekly_model","model":"Sonnet","used_percentage":99,"resets_at":1796576519,"confirmed_at":)" + confirmed + "}"
           "]" + extra + "}";
}

} // namespace

// Runs the real pacewisectl against a scratch home, as a user would.
class PacewisectlTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_home;

    Run run(const QStringList &arguments, const QStringList &extraEnvironment = {})
    {
        QProcessEnvironment environment;
        environment.insert(u"HOME"_qs, m_home.path());
        environment.insert(u"TZ"_qs, u"UTC"_qs);
        environment.insert(u"LC_ALL"_qs, u"C"_qs);
        environment.insert(u"PATH"_qs, u"/usr/bin:/bin"_qs);
        for (const QString &assignment : extraEnvironment)
            environment.insert(assignment.section(u'=', 0, 0), assignment.section(u'=', 1));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(PACEWISECTL), arguments);
        if (!process.waitForFinished(30'000))
            return {};
        return Run{process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                   QString::fromUtf8(process.readAllStandardError())};
    }

    QString defaultStatePath() const { return m_home.filePath(u".claude/rate-limit-state.json"_qs); }

private slots:
    void init()
    {
        QDir(m_home.path()).removeRecursively();
        QDir().mkpath(m_home.path());
    }

    void statusShowsEveryLimitAndTheTrayFigure()
    {
        const qint64 fiveMinutesAgo = QDateTime::currentSecsSinceEpoch() - 300;
        QVERIFY(writeFile(defaultStatePath(), stateFile(fiveMinutesAgo)));
        const Run result = run({u"status"_qs});
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, u"5 hours         42%  resets 17:01\n"
                             "Week            17%  resets sun 17:01\n"
                             "Week (Sonnet)   99%  resets sun 17:01\n"
                             "Updated: 5 min ago\n"
                             "Menu bar: 42% (critical)\n"_qs);
        QCOMPARE(result.err, QString());
    }

    void statusExplainsMissingData_data()
    {
        QTest::addColumn<QString>("setUp");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << u"missing"_qs << u"rate-limit-state.json does not exist"_qs;
        QTest::newRow("stale") << u"stale"_qs << u"is stale: last updated 60 min ago"_qs;
        QTest::newRow("other account") << u"other-account"_qs << u"belongs to another Claude account"_qs;
        QTest::newRow("folder in its place") << u"folder"_qs << u"is not a regular file"_qs;
        QTest::newRow("garbage") << u"garbage"_qs << u"is not a valid engine state file"_qs;
    }

    void statusExplainsMissingData()
    {
        QFETCH(QString, setUp);
        QFETCH(QString, reason);
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        if (setUp == u"stale") {
            QVERIFY(writeFile(defaultStatePath(), stateFile(now), QDateTime::currentDateTimeUtc().addSecs(-3600)));
        } else if (setUp == u"other-account") {
            QVERIFY(writeFile(defaultStatePath(), stateFile(now, R"(,"account_uuid":"A")")));
            QVERIFY(writeFile(m_home.filePath(u".claude.json"_qs), R"({"oauthAccount":{"accountUuid":"B"}})"));
        } else if (setUp == u"folder") {
            QVERIFY(QDir().mkpath(defaultStatePath()));
        } else if (setUp == u"garbage") {
            QVERIFY(writeFile(defaultStatePath(), "\x7f" "ELF"));
        }

        const Run result = run({u"status"_qs});
        QCOMPARE(result.exitCode, 3);
        QVERIFY2(result.out.startsWith(u"no usage data: "_qs + defaultStatePath()), qPrintable(result.out));
        QVERIFY2(result.out.contains(reason), qPrintable(result.out));
        QCOMPARE(result.out.count(u'\n'), 1);
    }

    void statusFollowsConfiguredLocations_data()
    {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("file");
        QTest::newRow("CLAUDE_CONFIG_DIR") << u"CLAUDE_CONFIG_DIR=%1/elsewhere"_qs << u"elsewhere/rate-limit-state.json"_qs;
        QTest::newRow("PACEWISE_STATE_PATH") << u"PACEWISE_STATE_PATH=%1/mine.json"_qs << u"mine.json"_qs;
    }

    void statusFollowsConfiguredLocations()
    {
        QFETCH(QString, variable);
        QFETCH(QString, file);
        QVERIFY(writeFile(m_home.filePath(file), stateFile(QDateTime::currentSecsSinceEpoch())));
        const Run result = run({u"status"_qs}, {variable.arg(m_home.path())});
        QCOMPARE(result.exitCode, 0);
        QVERIFY(result.out.startsWith(u"5 hours"_qs));
    }

    void badArgumentsFailWithOneLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown command") << QStringList{u"frobnicate"_qs} << u"unknown command 'frobnicate'"_qs;
        QTest::newRow("unknown option") << QStringList{u"status"_qs, u"--bogus"_qs} << u"Unknown option 'bogus'"_qs;
        QTest::newRow("extra argument") << QStringList{u"status"_qs, u"now"_qs} << u"unexpected argument 'now'"_qs;
    }

    void badArgumentsFailWithOneLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Run result = run(arguments);
        QCOMPARE(result.exitCode, 2);
        QCOMPARE(result.out, QString());
        QVERIFY2(result.err.contains(message), qPrintable(result.err));
        QCOMPARE(result.err.count(u'\n'), 1);
    }

    void helpAndVersion_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        QTest::newRow("--version") << QStringList{u"--version"_qs} << u"pacewisectl "_qs;
        QTest::newRow("--help documents exit codes") << QStringList{u"--help"_qs} << u"3  no usage data"_qs;
        QTest::newRow("status --help") << QStringList{u"status"_qs, u"--help"_qs} << u"Usage: pacewisectl status"_qs;
    }

    void helpAndVersion()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        const Run result = run(arguments);
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.out.contains(expected), qPrintable(result.out));
    }
};

QTEST_GUILESS_MAIN(PacewisectlTest)
#include "tst_pacewisectl.moc"
