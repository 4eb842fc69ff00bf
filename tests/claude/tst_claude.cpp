#include "app/AppConfiguration.h"
#include "FakeCLIFileSystem.h"
#include "claude/AuthService.h"
#include "support/TestFiles.h"
#include "claude/CLIPathResolver.h"
#include "claude/ClaudeCommandLine.h"
#include "claude/ClaudePaths.h"

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

using namespace pacewise;

namespace {

QProcessEnvironment environment(const QStringList &assignments)
{
    QProcessEnvironment result;
    for (const QString &assignment : assignments)
        result.insert(assignment.section(u'=', 0, 0), assignment.section(u'=', 1));
    return result;
}

const QString bundle = u"/home/ada/.config/Claude/claude-code"_qs;

} // namespace

class ClaudeIntegrationTest : public QObject {
    Q_OBJECT

private slots:
    void engineStateLocationPrefersEnvironmentThenSetting_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("expected");
        QTest::newRow("setting") << QStringList{} << u"/tmp/s.json"_qs << u"/tmp/s.json"_qs;
        QTest::newRow("environment wins") << QStringList{u"PACEWISE_STATE_PATH=/tmp/e.json"_qs} << u"/tmp/s.json"_qs << u"/tmp/e.json"_qs;
    }

    void engineStateLocationPrefersEnvironmentThenSetting()
    {
        QFETCH(QStringList, environment);
        QFETCH(QString, setting);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QSettings settings(dir.filePath(u"Pacewise.conf"_qs), QSettings::IniFormat);
        if (!setting.isNull())
            settings.setValue(u"statePath"_qs, setting);
        const ClaudePaths paths = ClaudePaths::fromEnvironment({}, u"/home/ada"_qs);
        QCOMPARE(engineStateLocation(::environment(environment), settings, paths), expected);
    }

    void childrenNeverSeeClaudeCodesSessionVariables()
    {
        // What a hook or a tool of a running session inherits from it.
        QStringList variables = QString::fromUtf8(test::readFile(QStringLiteral(PACEWISE_TEST_DATA "/hook-env.txt")))
                                    .split(u'\n', Qt::SkipEmptyParts);
        variables << u"CLAUDE_CODE_SSE_PORT=1234"_qs << u"CLAUDE_CONFIG_DIR=/srv/cc"_qs << u"PATH=/usr/bin"_qs;
        const QProcessEnvironment inherited = environment(variables);
        const QStringList expected{u"CC_LIMIT_GUARD_RESUME_DIR=/home/ada/.claude/pacewise-resume-tickets"_qs,
                                   u"CLAUDE_CONFIG_DIR=/srv/cc"_qs, u"PATH=/usr/bin"_qs};
        for (const ScriptInvocation &invocation :
             {ClaudeCommandLine::usageReport(u"/bin/claude"_qs, inherited),
              ClaudeCommandLine::resume(u"/bin/claude"_qs, u"id"_qs, u"/work"_qs, inherited),
              ClaudeCommandLine::kickstartGreeting(u"/bin/claude"_qs, inherited)}) {
            QVERIFY(invocation.environment);
            QCOMPARE(invocation.environment->toStringList(), expected);
        }
    }

    void findsClaudeInSearchOrder_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("executables");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first absolute PATH entry")
            << u"/a::rel:/b"_qs << QStringList{u"/a/claude"_qs, u"/b/claude"_qs} << u"/a/claude"_qs;
        QTest::newRow("relative entries ignored") << u"rel:/b"_qs << QStringList{u"rel/claude"_qs, u"/b/claude"_qs} << u"/b/claude"_qs;
        QTest::newRow("user install before system") << u"/a"_qs
            << QStringList{u"/usr/local/bin/claude"_qs, u"/home/ada/.claude/local/claude"_qs} << u"/home/ada/.claude/local/claude"_qs;
        QTest::newRow("newest desktop copy by time, not name")
            << QString() << QStringList{bundle + u"/2.1.9/claude"_qs, bundle + u"/2.1.10/claude"_qs, bundle + u"/claude-code-vm/claude"_qs}
            << bundle + u"/2.1.9/claude"_qs;
    }

    void findsClaudeInSearchOrder()
    {
        QFETCH(QString, path);
        QFETCH(QStringList, executables);
        QFETCH(QString, expected);
        auto fileSystem = std::make_shared<test::FakeCLIFileSystem>();
        fileSystem->executables = executables;
        fileSystem->directories[bundle] = {bundle + u"/2.1.10"_qs, bundle + u"/2.1.9"_qs, bundle + u"/claude-code-vm"_qs, bundle + u"/2.2.0"_qs};
        fileSystem->modified[bundle + u"/2.1.9/claude"_qs] = QDateTime(QDate(2026, 11, 2), QTime(), Qt::UTC);
        fileSystem->modified[bundle + u"/2.1.10/claude"_qs] = QDateTime(QDate(2026, 10, 1), QTime(), Qt::UTC);
        fileSystem->modified[bundle + u"/claude-code-vm/claude"_qs] = QDateTime(QDate(2026, 12, 1), QTime(), Qt::UTC);

        CLIPathResolver resolver(fileSystem, {.searchPath = [path] { return path.isNull() ? std::nullopt : std::optional(path); },
                                              .homeDirectory = u"/home/ada"_qs,
                                              .desktopBundleRoot = bundle,
                                              .now = [] { return QDateTime::currentDateTimeUtc(); }});
        QCOMPARE(resolver.resolve().value_or(QString()), expected);
    }

    void authStatusIsTheFirstDecodableObject_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected"); // compact JSON, empty: no status
        const QString signedIn = QString::fromUtf8(test::readFile(QStringLiteral(PACEWISE_TEST_DATA "/cli/auth-status-signed-in.json")));
        QTest::newRow("real, signed in") << signedIn
            << u"{\"authMethod\":\"claude.ai\",\"email\":\"standin@example.com\",\"loggedIn\":true,\"subscriptionType\":\"max\"}"_qs;
        QTest::newRow("warning line first") << u"Additional CA cert(s): /etc/x.crt\n{\"loggedIn\":false}"_qs << u"{\"loggedIn\":false}"_qs;
        QTest::newRow("brace and quote inside a string") << u"x {\"email\":\"a}\\\"b\",\"loggedIn\":true} y"_qs
            << u"{\"email\":\"a}\\\"b\",\"loggedIn\":true}"_qs;
        QTest::newRow("text mode output") << QString::fromUtf8(test::readFile(QStringLiteral(PACEWISE_TEST_DATA "/cli/auth-status-signed-in.txt"))) << QString();
        QTest::newRow("100,000 opening braces") << QString(100'000, u'{') << QString();
        QTest::newRow("deep nesting around a status") << QString(5'000, u'{') + u"{\"loggedIn\":true}"_qs + QString(5'000, u'}')
            << u"{\"loggedIn\":true}"_qs;
    }

    void authStatusIsTheFirstDecodableObject()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const auto status = AuthStatus::parse(text);
        QCOMPARE(status.has_value(), !expected.isEmpty());
        if (status)
            QCOMPARE(QString::fromUtf8(QJsonDocument(status->toJson()).toJson(QJsonDocument::Compact)), expected);
        // The plan is shown as its product name, never claude's lower-case word.
        if (QLatin1String(QTest::currentDataTag()) == u"real, signed in")
            QCOMPARE(status->planName(), std::optional(u"Max"_qs));
    }

};

QTEST_GUILESS_MAIN(ClaudeIntegrationTest)
#include "tst_claude.moc"
