#include "Kickstart.h"

#include "KickstartPolicy.h"
#include "claude/ClaudeCommandLine.h"
#include "system/DisplayText.h"
#include "system/FileLock.h"
#include "system/Logging.h"
#include "system/ScriptRunner.h"

#include <cerrno>

namespace pacewise {

Q_LOGGING_CATEGORY(lcKickstart, "pacewise.kickstart", QtInfoMsg)

Kickstart::Kickstart(Dependencies dependencies)
    : m_dependencies(std::move(dependencies))
{
    if (m_dependencies.lockFile.isEmpty())
        m_dependencies.lockFile = defaultLockFile();
}

QString Kickstart::defaultLockFile()
{
    return FileLock::runtimeLocation(QStringLiteral("pacewise-kickstart.lock"));
}

bool Kickstart::isFiveHourWindowOpen(const std::optional<UsageSnapshot> &snapshot,
                                          const std::optional<QDateTime> &fetchedAt, const QDateTime &now)
{
    if (!KickstartPolicy::isSnapshotUsable(fetchedAt, now) || !snapshot)
        return false;
    const auto window = snapshot->fiveHour();
    return window && window->utilization > 0 && window->resetsAt > now;
}

KickstartOutcome Kickstart::run(const QDateTime &now, const std::optional<UsageSnapshot> &snapshot,
                                        const std::optional<QDateTime> &snapshotFetchedAt) const
{
    using R = KickstartResult;
    const auto lock = FileLock::tryLock(m_dependencies.lockFile);
    if (!lock && lock.error() == EWOULDBLOCK)
        return {R::alreadyRunning};
    // Without a usable lock file the greeting still goes out: a second one
    // costs one message, a missing one a whole window.

    if (isFiveHourWindowOpen(snapshot, snapshotFetchedAt, now))
        return {R::skippedWindowActive};
    const auto claude = m_dependencies.resolver->resolve();
    if (!claude)
        return {R::cliMissing};

    ScriptInvocation invocation = ClaudeCommandLine::kickstartGreeting(*claude, m_dependencies.environment);
    invocation.timeoutSeconds = m_dependencies.timeoutSeconds;
    const auto result = m_dependencies.runner->run(invocation);
    if (!result) {
        if (result.error().kind == ScriptRunnerError::Kind::launchFailed)
            m_dependencies.resolver->invalidate();
        return {R::failed};
    }
    if (result->exitCode != 0) {
        // In text mode claude's last line says why ("Not logged in · Please
        // run /login"); some failures only go to standard error.
        const auto lastLine = [](const QString &text) { return text.trimmed().section(u'\n', -1).trimmed(); };
        QString reason = lastLine(result->standardOutput);
        if (reason.isEmpty())
            reason = lastLine(result->standardError);
        reason = displayText(reason.left(200));
        qCWarning(lcKickstart, "greeting exited with status %d: %s", result->exitCode, qUtf8Printable(privateText(reason)));
        return {R::failed, reason};
    }
    return {R::started};
}

} // namespace pacewise
