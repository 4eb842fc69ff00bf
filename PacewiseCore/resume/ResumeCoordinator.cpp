#include "ResumeCoordinator.h"

#include "claude/ClaudeCommandLine.h"
#include "ClaudeSessions.h"
#include "system/ErrorText.h"
#include "system/FileDescriptor.h"
#include "system/Logging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutexLocker>

#include <cmath>

#include <fcntl.h>
#include <sys/file.h>

namespace pacewise {

Q_LOGGING_CATEGORY(lcResume, "pacewise.resume", QtInfoMsg)

namespace {

using Kind = ResumeAttemptResult::Kind;

ResumeAttemptResult result(Kind kind, const QString &reason = {}, const QDateTime &until = {})
{
    return ResumeAttemptResult{.kind = kind, .until = until, .reason = reason};
}

// Exit 0 alone does not mean the session went on: claude reports errors
// with exit 0 in the envelope, and refused tool calls leave it idle.
std::optional<QString> whyNotContinued(const QString &standardOutput)
{
    const QJsonObject envelope = QJsonDocument::fromJson(standardOutput.trimmed().toUtf8()).object();
    if (envelope.value(QLatin1String("is_error")).toBool()) {
        const QString message = firstLine(envelope.value(QLatin1String("result")).toString());
        return QStringLiteral("Claude Code reported an error") + (message.isEmpty() ? QString() : u": "_qs + message);
    }
    const qsizetype refused = envelope.value(QLatin1String("permission_denials")).toArray().size();
    if (refused > 0)
        return QStringLiteral("%1 tool call(s) were refused for want of permission; continue the session yourself")
            .arg(refused);
    return std::nullopt;
}

// Held for the whole attempt, so that two Pacewise processes (the tray app
// and the daemon, or a relaunch while an old attempt runs) never resume one
// session at once. The lock file sits hidden beside the tickets.
class SessionLock {
public:
    static std::optional<SessionLock> tryAcquire(const QString &ticketDirectory, const QString &sessionID)
    {
        QDir().mkpath(ticketDirectory);
        const QByteArray path = QFile::encodeName(QDir(ticketDirectory).filePath(u'.' + sessionID + u".resume.lock"_qs));
        FileDescriptor fd(::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (!fd.isValid() || ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0)
            return std::nullopt;
        return SessionLock(std::move(fd));
    }

private:
    explicit SessionLock(FileDescriptor fd)
        : m_fd(std::move(fd))
    {
    }
    FileDescriptor m_fd; // closing releases the lock
};

} // namespace

ResumeReadiness ResumePolicy::readiness(const ResumeTicket &ticket, const QDateTime &now,
                                        const std::optional<UsageSnapshot> &snapshot,
                                        const std::optional<QDateTime> &snapshotFetchedAt, bool requireResetTime)
{
    using R = ResumeReadiness::Kind;
    if (requireResetTime && now < ticket.resetsAt)
        return {R::waitingForReset, ticket.resetsAt};
    if (!snapshot || !snapshotFetchedAt || *snapshotFetchedAt > now ||
        snapshotFetchedAt->msecsTo(now) > snapshotMaxAgeSeconds * 1000)
        return {R::quotaUnconfirmed};
    bool anyLimit = false;
    for (const UsageLimit &limit : snapshot->limits()) {
        if (limit.kind() == UsageLimitKind::weeklyModel)
            continue;
        anyLimit = true;
        if (!std::isfinite(limit.utilization()) || limit.utilization() >= quotaSafetyThreshold)
            return {R::quotaUnavailable};
    }
    return {anyLimit ? R::ready : R::quotaUnconfirmed};
}

ResumeCoordinator::ResumeCoordinator(Dependencies dependencies)
    : m_dependencies(std::move(dependencies))
{
    if (!m_dependencies.removeTickets) {
        m_dependencies.removeTickets = [queue = m_dependencies.queue](const QString &session, const QDateTime &limit) {
            return queue.remove(session, limit);
        };
    }
}

std::optional<QString> ResumeCoordinator::attentionReason(const QString &sessionID) const
{
    QMutexLocker lock(&m_mutex);
    const auto reason = m_needsAttention.constFind(sessionID);
    return reason == m_needsAttention.constEnd() ? std::nullopt : std::optional(*reason);
}

ResumeAttemptResult ResumeCoordinator::attempt(const ResumeTicket &ticket, const std::optional<UsageSnapshot> &snapshot,
                                               const std::optional<QDateTime> &snapshotFetchedAt, const QDateTime &now,
                                               bool manual)
{
    const QString &session = ticket.sessionID;
    if (!manual && now < ticket.resetsAt)
        return result(Kind::waitingForReset, {}, ticket.resetsAt);
    switch (ResumePolicy::readiness(ticket, now, snapshot, snapshotFetchedAt, false).kind) {
    case ResumeReadiness::Kind::quotaUnavailable:
        return result(Kind::quotaUnavailable);
    case ResumeReadiness::Kind::quotaUnconfirmed:
        return result(Kind::quotaUnconfirmed);
    case ResumeReadiness::Kind::waitingForReset:
    case ResumeReadiness::Kind::ready:
        break;
    }

    {
        QMutexLocker lock(&m_mutex);
        if (m_inFlight.contains(session))
            return result(Kind::alreadyRunning);
        if (!manual) {
            if (const auto reason = m_needsAttention.constFind(session); reason != m_needsAttention.constEnd())
                return result(Kind::needsAttention, *reason);
            if (const auto until = m_retryAfter.constFind(session); until != m_retryAfter.constEnd() && *until > now)
                return result(Kind::backingOff, {}, *until);
        }
        if (m_succeeded.contains({session, ticket.createdAt.toMSecsSinceEpoch()})) {
            // Resumed already; only the deletion of its ticket failed.
            (void)m_dependencies.removeTickets(session, ticket.createdAt);
            return result(Kind::succeeded);
        }
    }

    if (ClaudeSessions::isOpen(m_dependencies.sessionsDirectory, session))
        return result(Kind::sessionStillOpen);
    if (!QFileInfo(ticket.cwd).isDir()) {
        // Running it anywhere else would continue the work in the wrong place.
        return registerFailure(session, now,
                               QStringLiteral("the session's directory %1 no longer exists").arg(ticket.cwd));
    }
    const auto claude = m_dependencies.resolver->resolve();
    if (!claude)
        return registerFailure(session, now, QStringLiteral("claude was not found"));

    const auto sessionLock = SessionLock::tryAcquire(m_dependencies.queue.directory(), session);
    if (!sessionLock)
        return result(Kind::alreadyRunning);
    {
        QMutexLocker lock(&m_mutex);
        if (m_inFlight.contains(session))
            return result(Kind::alreadyRunning);
        m_inFlight.insert(session);
    }
    const ResumeAttemptResult outcome = run(ticket, *claude, now);
    QMutexLocker lock(&m_mutex);
    m_inFlight.remove(session);
    return outcome;
}

ResumeAttemptResult ResumeCoordinator::run(const ResumeTicket &ticket, const QString &claude, const QDateTime &now)
{
    const QString &session = ticket.sessionID;
    ScriptInvocation invocation =
        ClaudeCommandLine::resume(claude, session, ticket.cwd, m_dependencies.environment, ticket.permissionMode);
    invocation.timeoutSeconds = m_dependencies.timeoutSeconds;
    qCInfo(lcResume, "resuming session %s", qUtf8Printable(session));
    const auto run = m_dependencies.runner->run(invocation);
    if (!run) {
        if (run.error().kind == ScriptRunnerError::Kind::timedOut)
            return registerFailure(session, now, QStringLiteral("claude did not finish within %1 minutes")
                                                     .arg(m_dependencies.timeoutSeconds / 60));
        m_dependencies.resolver->invalidate();
        return registerFailure(session, now, QStringLiteral("claude could not be started: %1")
                                                 .arg(systemErrorText(run.error().errorNumber)));
    }
    if (run->exitCode != 0) {
        const QString detail = firstLine(run->standardError.isEmpty() ? run->standardOutput : run->standardError);
        return registerFailure(session, now, QStringLiteral("claude exited with status %1%2")
                                                 .arg(run->exitCode)
                                                 .arg(detail.isEmpty() ? QString() : u": "_qs + detail));
    }
    if (const auto reason = whyNotContinued(run->standardOutput)) {
        qCWarning(lcResume, "session %s needs the user: %s", qUtf8Printable(session), qUtf8Printable(privateText(*reason)));
        QMutexLocker lock(&m_mutex);
        m_needsAttention.insert(session, *reason);
        return result(Kind::needsAttention, *reason);
    }

    // Only the tickets this attempt started from: the guard inside the
    // resumed run may already have recorded the next interruption.
    const auto removed = m_dependencies.removeTickets(session, ticket.createdAt);
    QMutexLocker lock(&m_mutex);
    m_succeeded.insert({session, ticket.createdAt.toMSecsSinceEpoch()});
    m_needsAttention.remove(session);
    if (!removed) {
        lock.unlock();
        qCWarning(lcResume, "resume ticket removal failed: %s",
                  qUtf8Printable(privateText(systemErrorText(removed.error()))));
        registerFailure(session, now, {});
        return result(Kind::succeeded);
    }
    m_failureCounts.remove(session);
    m_retryAfter.remove(session);
    return result(Kind::succeeded);
}

ResumeAttemptResult ResumeCoordinator::registerFailure(const QString &sessionID, const QDateTime &now,
                                                       const QString &reason)
{
    QMutexLocker lock(&m_mutex);
    const int count = std::min(m_failureCounts.value(sessionID) + 1, 6);
    m_failureCounts.insert(sessionID, count);
    const double delay = std::min(std::pow(2.0, count - 1) * m_dependencies.baseBackoffSeconds, maximumBackoffSeconds);
    m_retryAfter.insert(sessionID, now.addMSecs(qint64(delay * 1000)));
    if (!reason.isEmpty())
        qCWarning(lcResume, "resume of %s failed: %s", qUtf8Printable(sessionID), qUtf8Printable(privateText(reason)));
    return result(Kind::failed, reason);
}

} // namespace pacewise
