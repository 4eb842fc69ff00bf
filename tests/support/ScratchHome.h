#pragma once

#include "TestFiles.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

namespace pacewise::test {

// How a program run in a scratch home ended, and what it printed.
struct ProcessRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// A user's home in a scratch folder, where Pacewise's programs run as from
// the user's shell: a fixed zone and locale, a private runtime folder, and
// on request the fake claude first on PATH, answering as the files in
// scenario/ say and logging its calls to claude.log (see tests/fakes/claude).
class ScratchHome {
public:
    ScratchHome() { clear(); }

    // Empty again, as for a new test.
    void clear()
    {
        QDir(path()).removeRecursively();
        QDir().mkpath(filePath(QStringLiteral("run")));
        QFile::setPermissions(filePath(QStringLiteral("run")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    QString scenario(const QString &file = {}) const { return filePath(QStringLiteral("scenario/") + file); }
    QString claudeLog() const { return filePath(QStringLiteral("claude.log")); }
    // How often the fake claude was asked for a call ("resume", "greeting", ...).
    qsizetype claudeCalls(const QString &call) const
    {
        return QString::fromUtf8(readFile(claudeLog())).count(QStringLiteral("--- ") + call + u'\n');
    }

    QProcessEnvironment environment(bool withClaude) const
    {
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("HOME"), path());
        environment.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        environment.insert(QStringLiteral("PATH"), withClaude ? QStringLiteral(FAKE_CLAUDE_DIR ":/usr/bin:/bin") : QStringLiteral("/usr/bin:/bin"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), filePath(QStringLiteral("run")));
        environment.insert(QStringLiteral("FAKE_CLAUDE_SCENARIO"), scenario());
        environment.insert(QStringLiteral("FAKE_CLAUDE_LOG"), claudeLog());
        environment.insert(QStringLiteral("FAKE_SYSTEMCTL_STATE"), filePath(QStringLiteral("systemctl")));
        environment.insert(QStringLiteral("FAKE_SYSTEMCTL_LOG"), filePath(QStringLiteral("systemctl.log")));
        environment.insert(QStringLiteral("CLAUDECODE"), QStringLiteral("1")); // as from inside a Claude Code session
        return environment;
    }

    // pacewisectl, or another program, started with the environment's
    // assignments ("NAME=value") on top of the user's.
    std::unique_ptr<QProcess> start(const QStringList &arguments, const QStringList &assignments = {}, bool withClaude = false,
                                    const QString &program = QStringLiteral(PACEWISECTL)) const
    {
        QProcessEnvironment environment = this->environment(withClaude);
        for (const QString &assignment : assignments)
            environment.insert(assignment.section(u'=', 0, 0), assignment.section(u'=', 1));
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(environment);
        process->start(program, arguments);
        return process;
    }

    static ProcessRun finish(QProcess &process)
    {
        if (!process.waitForFinished(30'000))
            return {};
        return ProcessRun{process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                          QString::fromUtf8(process.readAllStandardError())};
    }

    ProcessRun run(const QStringList &arguments, const QStringList &assignments = {}, bool withClaude = false,
                   const QString &program = QStringLiteral(PACEWISECTL)) const
    {
        return finish(*start(arguments, assignments, withClaude, program));
    }

private:
    QTemporaryDir m_dir;
};

// What claude -p "/usage limits" --output-format json prints around a report.
inline QByteArray usageEnvelope(const QString &report)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("type"), QStringLiteral("result")},
                                     {QStringLiteral("is_error"), false},
                                     {QStringLiteral("result"), report}})
        .toJson(QJsonDocument::Compact);
}

// A report of the 5-hour and the weekly figures, both resetting at reset.
inline QByteArray usageEnvelope(int fiveHour, int week, const QDateTime &reset)
{
    return usageEnvelope(QStringLiteral("Current session: %1% used · resets %3\nCurrent week (all models): %2% used · resets %3")
                             .arg(fiveHour)
                             .arg(week)
                             .arg(resetText(reset)));
}

} // namespace pacewise::test
