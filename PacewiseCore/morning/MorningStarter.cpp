#include "MorningStarter.h"

#include "MorningStartPolicy.h"
#include "claude/ClaudeCommandLine.h"
#include "system/FileLock.h"
#include "system/Logging.h"
#include "system/ScriptRunner.h"

#include <cerrno>

namespace pacewise {

Q_LOGGING_CATEGORY(lcMorningStarter, "pacewise.MorningStarter", QtInfoMsg)

MorningStarter::MorningStarter(Dependencies dependencies)
    : m_dependencies(std::move(dependencies))
{
    if (m_dependencies.lockFile.isEmpty())
        m_dependencies.lockFile = defaultLockFile();
}

QString MorningStarter::defaultLockFile()
{
    return FileLock::runtimeLocation(QStringLiteral("pacewise-kickstart.lock"));
}

bool MorningStarter::isFiveHourWindowOpen(const std::optional<UsageSnapshot> &snapshot,
                                          const std::optional<QDateTime> &fetchedAt, const QDateTime &now)
{
    if (!MorningStartPolicy::isSnapshotUsable(fetchedAt, now) || !snapshot)
        return false;
    const auto window = snapshot->fiveHour();
    return window && window->utilization > 0 && window->resetsAt > now;
}

MorningStartResult MorningStarter::run(const QDateTime &now, const std::optional<UsageSnapshot> &snapshot,
                                       const std::optional<QDateTime> &snapshotFetchedAt) const
{
    const auto lock = FileLock::tryLock(m_dependencies.lockFile);
    if (!lock && lock.error() == EWOULDBLOCK)
        return MorningStartResult::alreadyRunning;
    // Without a usable lock file the greeting still goes out: a second one
    // costs one message, a missing one a whole window.

    if (isFiveHourWindowOpen(snapshot, snapshotFetchedAt, now))
        return MorningStartResult::skippedWindowActive;
    const auto claude = m_dependencies.resolver->resolve();
    if (!claude)
        return MorningStartResult::cliMissing;

    ScriptInvocation invocation = ClaudeCommandLine::morningGreeting(*claude, m_dependencies.environment);
    invocation.timeoutSeconds = m_dependencies.timeoutSeconds;
    const auto result = m_dependencies.runner->run(invocation);
    if (!result) {
        if (result.error().kind == ScriptRunnerError::Kind::launchFailed)
            m_dependencies.resolver->invalidate();
        return MorningStartResult::failed;
    }
    if (result->exitCode != 0) {
        const QString reason = result->standardOutput.trimmed().section(u'\n', -1);
        qCWarning(lcMorningStarter, "greeting exited with status %d: %s", result->exitCode,
                  qUtf8Printable(privateText(reason.left(200))));
        return MorningStartResult::failed;
    }
    return MorningStartResult::started;
}

} // namespace pacewise
