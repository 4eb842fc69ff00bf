#include "app/EngineStateLocation.h"
#include "claude/ClaudeCommandLine.h"
#include "claude/ClaudePaths.h"

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

} // namespace

class ClaudeIntegrationTest : public QObject {
    Q_OBJECT

private slots:
    void everyPathFollowsTheConfigurationDirectory_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("configDirectory");
        QTest::addColumn<QString>("accountFile");
        QTest::newRow("default") << QStringList{} << u"/home/ada/.claude"_qs << u"/home/ada/.claude.json"_qs;
        QTest::newRow("moved") << QStringList{u"CLAUDE_CONFIG_DIR=/srv/cc/"_qs} << u"/srv/cc"_qs << u"/srv/cc/.claude.json"_qs;
        QTest::newRow("empty value ignored") << QStringList{u"CLAUDE_CONFIG_DIR="_qs} << u"/home/ada/.claude"_qs << u"/home/ada/.claude.json"_qs;
        QTest::newRow("relative value ignored") << QStringList{u"CLAUDE_CONFIG_DIR=cc"_qs} << u"/home/ada/.claude"_qs << u"/home/ada/.claude.json"_qs;
    }

    void everyPathFollowsTheConfigurationDirectory()
    {
        QFETCH(QStringList, environment);
        QFETCH(QString, configDirectory);
        QFETCH(QString, accountFile);
        const ClaudePaths paths = ClaudePaths::fromEnvironment(::environment(environment), u"/home/ada"_qs);
        QCOMPARE(paths.configDirectory(), configDirectory);
        QCOMPARE(paths.accountFile(), accountFile);
        QCOMPARE(paths.settingsFile(), configDirectory + u"/settings.json"_qs);
        QCOMPARE(paths.hooksDirectory(), configDirectory + u"/hooks"_qs);
        QCOMPARE(paths.sessionsDirectory(), configDirectory + u"/sessions"_qs);
        QCOMPARE(paths.projectsDirectory(), configDirectory + u"/projects"_qs);
        QCOMPARE(paths.engineStateFile(), configDirectory + u"/rate-limit-state.json"_qs);
        QCOMPARE(paths.resumeTicketDirectory(), configDirectory + u"/pacewise-resume-tickets"_qs);
    }

    void engineStateLocationPrefersEnvironmentThenSetting_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("expected");
        QTest::newRow("default") << QStringList{} << QString() << u"/home/ada/.claude/rate-limit-state.json"_qs;
        QTest::newRow("setting") << QStringList{} << u"/tmp/s.json"_qs << u"/tmp/s.json"_qs;
        QTest::newRow("environment wins") << QStringList{u"PACEWISE_STATE_PATH=/tmp/e.json"_qs} << u"/tmp/s.json"_qs << u"/tmp/e.json"_qs;
        QTest::newRow("empty variable ignored") << QStringList{u"PACEWISE_STATE_PATH="_qs} << u"/tmp/s.json"_qs << u"/tmp/s.json"_qs;
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
        const QProcessEnvironment inherited = environment(
            {u"CLAUDECODE=1"_qs, u"CLAUDE_CODE_ENTRYPOINT=cli"_qs, u"CLAUDE_CODE_SSE_PORT=1234"_qs,
             u"CLAUDE_CONFIG_DIR=/srv/cc"_qs, u"PATH=/usr/bin"_qs});
        const QStringList expected{u"CLAUDE_CONFIG_DIR=/srv/cc"_qs, u"PATH=/usr/bin"_qs};
        for (const ScriptInvocation &invocation :
             {ClaudeCommandLine::usageReport(u"/bin/claude"_qs, u"/usage limits"_qs, inherited),
              ClaudeCommandLine::resume(u"/bin/claude"_qs, u"id"_qs, u"/work"_qs, inherited),
              ClaudeCommandLine::morningGreeting(u"/bin/claude"_qs, inherited)}) {
            QVERIFY(invocation.environment);
            QCOMPARE(invocation.environment->toStringList(), expected);
        }
    }

    void resumeKeepsTheSessionIdJoinedAndRunsInItsDirectory()
    {
        const ScriptInvocation invocation = ClaudeCommandLine::resume(
            u"/bin/claude"_qs, u"0f76730a-5c1e-4b8e-9d3a-2f1c0b9e8d7a"_qs, u"/home/ada/work"_qs, {});
        QCOMPARE(invocation.arguments,
                 (QStringList{u"-p"_qs, u"--resume=0f76730a-5c1e-4b8e-9d3a-2f1c0b9e8d7a"_qs,
                              u"Please continue the previous task where you left off."_qs}));
        QCOMPARE(invocation.workingDirectory, std::optional(u"/home/ada/work"_qs));
        QCOMPARE(invocation.timeoutSeconds, 1800.0);
    }
};

QTEST_GUILESS_MAIN(ClaudeIntegrationTest)
#include "tst_claude.moc"
