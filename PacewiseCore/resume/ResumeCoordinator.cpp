#include "ResumeCoordinator.h"

#include "ClaudeSessions.h"
#include "SessionTranscript.h"
#include "claude/ClaudeCommandLine.h"
#include "i18n/UIStrings.h"
#include "system/ErrorText.h"
#include "system/FileDescriptor.h"
#include "system/Logging.h"
#include "system/PrivateDirectory.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutexLocker>

#include <cmath>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

namespace pacewise {

Q_LOGGING_CATEGORY(lcResume, "pacewise.resume", QtInfoMsg)

namespace {

using Kind = ResumeAttemptResult::Kind;
using Outcome = ResumeRecord::Outcome;

using Code = ResumeReason::Code;

ResumeAttemptResult result(Kind kind, std::optional<ResumeReason> reason = std::nullopt, const QDateTime &until = {})
{
    return ResumeAttemptResult{.kind = kind, .until = until, .reason = std::move(reason)};
}

// Held for the whole attempt, so that two Pacewise processes (the tray app
// and the daemon, two `resume now`) never resume one session at once. The
// lock file sits hidden beside the ticket and goes with it; a resumer that
// locked a file someone deleted meanwhile tries the new one. Fails with
// EWOULDBLOCK while another resumer holds it, else with why the lock file
// cannot be had.
class SessionLock {
public:
    static std::expected<SessionLock, int> tryAcquire(const QString &path)
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            const QByteArray encoded = QFile::encodeName(path);
            FileDescriptor fd(::open(encoded.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
            if (!fd.isValid() || ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0)
                return std::unexpected(errno);
            struct stat locked {};
            struct stat named {};
            if (::fstat(fd.get(), &locked) == 0 && ::lstat(encoded.constData(), &named) == 0 &&
                locked.st_ino == named.st_ino && locked.st_dev == named.st_dev)
                return SessionLock(std::move(fd));
        }
        return std::unexpected(EWOULDBLOCK);
    }

private:
    explicit SessionLock(FileDescriptor fd)
        : m_fd(std::move(fd))
    {
    }
    FileDescriptor m_fd; // closing releases the lock
};

// The tools whose calls were refused, each once.
ResumeReason refusedTools(const QJsonArray &denials)
{
    QStringList tools;
    for (const QJsonValue &denial : denials) {
        const QString tool = denial.toObject().value(QLatin1String("tool_name")).toString();
        if (!tool.isEmpty() && !tools.contains(tool))
            tools << tool;
    }
    return ResumeReason{Code::toolsRefused, tools};
}

} // namespace

ResumeReadiness ResumePolicy::readiness(const ResumeTicket &ticket, const QDateTime &now,
                                        const std::optional<UsageSnapshot> &snapshot,
                                        const std::optional<QDateTime> &snapshotFetchedAt, bool requireResetTime,
                                        double threshold)
{
    using R = ResumeReadiness::Kind;
    if (requireResetTime && now < ticket.resetsAt)
        return {R::waitingForReset, ticket.resetsAt};
    if (!snapshot || !snapshotFetchedAt || *snapshotFetchedAt > now ||
        snapshotFetchedAt->msecsTo(now) > snapshotMaxAgeSeconds * 1000)
        return {R::quotaUnconfirmed};
    bool anyLimit = false;
    std::optional<UsageLimit> blocking;
    const UsageSnapshot current = snapshot->asOf(now);
    for (const UsageLimit &limit : current.limits()) {
        if (limit.kind() == UsageLimitKind::weeklyModel)
            continue;
        anyLimit = true;
        if ((!std::isfinite(limit.utilization()) || limit.utilization() >= std::min(threshold, UsageThresholds::critical)) &&
            (!blocking || limit.resetsAt() > blocking->resetsAt()))
            blocking = limit;
    }
    if (blocking)
        return {R::quotaUnavailable, blocking->resetsAt(), blocking};
    return {anyLimit ? R::ready : R::quotaUnconfirmed};
}

ResumeCoordinator::ResumeCoordinator(Dependencies dependencies)
    : m_dependencies(std::move(dependencies))
{
    if (!m_dependencies.cancellation)
        m_dependencies.cancellation = std::make_shared<Cancellation>();
    if (!m_dependencies.detachment)
        m_dependencies.detachment = std::make_shared<Cancellation>();
}

ResumeAttemptResult ResumeCoordinator::attempt(const ResumeTicket &ticket, const std::optional<UsageSnapshot> &snapshot,
                                               const std::optional<QDateTime> &snapshotFetchedAt, const QDateTime &now,
                                               bool manual, bool force)
{
    if (!manual && now < ticket.resetsAt)
        return result(Kind::waitingForReset, {}, ticket.resetsAt);
    const double threshold = m_dependencies.guardThreshold ? m_dependencies.guardThreshold() : UsageThresholds::critical;
    const ResumeReadiness readiness = ResumePolicy::readiness(ticket, now, snapshot, snapshotFetchedAt, false, threshold);
    switch (force ? ResumeReadiness::Kind::ready : readiness.kind) {
    case ResumeReadiness::Kind::quotaUnavailable:
        return ResumeAttemptResult{.kind = Kind::quotaUnavailable, .until = readiness.resetsAt, .limit = readiness.limit};
    case ResumeReadiness::Kind::quotaUnconfirmed:
        return result(Kind::quotaUnconfirmed);
    case ResumeReadiness::Kind::waitingForReset:
    case ResumeReadiness::Kind::ready:
        break;
    }
    // In print mode Claude Code writes no session file: only the guard's
    // own mark says that it still holds the session's call.
    if (ticket.isHeld()) {
        qCInfo(lcResume, "session %s: the guard still holds its call; left to it", qUtf8Printable(ticket.sessionID));
        return result(Kind::heldByGuard, {}, ticket.resetsAt);
    }

    const QString &session = ticket.sessionID;
    {
        QMutexLocker lock(&m_mutex);
        if (m_inFlight.contains(session))
            return result(Kind::alreadyRunning);
        m_inFlight.insert(session);
    }
    ResumeAttemptResult outcome = result(Kind::alreadyRunning);
    if (const auto sessionLock = SessionLock::tryAcquire(m_dependencies.queue.lockPath(session))) {
        outcome = attemptLocked(ticket, now, manual);
    } else if (sessionLock.error() != EWOULDBLOCK) {
        outcome = result(Kind::failed, ResumeReason{Code::ticketFolderUnwritable,
                                                    {m_dependencies.queue.directory(), QString::number(sessionLock.error())}});
    }
    QMutexLocker lock(&m_mutex);
    m_inFlight.remove(session);
    return outcome;
}

// Everything from here runs under the session's lock.
ResumeAttemptResult ResumeCoordinator::attemptLocked(const ResumeTicket &ticket, const QDateTime &now, bool manual)
{
    const QString &session = ticket.sessionID;
    const ResumeQueue &queue = m_dependencies.queue;
    // Figures were fetched, a lock waited for: another resumer may have
    // continued the session meanwhile, and deleted or replaced its ticket.
    const auto current = queue.ticket(session);
    if (!current || current->createdAt != ticket.createdAt)
        return result(Kind::alreadyContinued, ResumeReason{Code::continuedByAnotherPacewise});

    auto kept = queue.record(session);
    ResumeRecord record = kept && kept->ticketCreatedAt == ticket.createdAt ? *kept : ResumeRecord{.ticketCreatedAt = ticket.createdAt};
    if (record.running) {
        if (ResumeRun::isGoingOn(record.running->process))
            return result(Kind::alreadyRunning);
        // The Pacewise that started it quit, or was killed, before the run
        // ended; the run itself recorded how it did. Only a run that went
        // well counts as the session continued.
        record.running.reset();
        const auto earlier = ResumeRun(queue.runFilePrefix(session)).result();
        const ResumeAttemptResult settled =
            earlier ? judge(ticket, record, *earlier, ResumeReason{Code::continuedByAnEarlierResume})
                    : recordFailure(ticket, record, m_dependencies.now(), Outcome::failed, {Code::earlierRunUnexplained});
        if (!manual || (settled.kind != Kind::failed && settled.kind != Kind::needsAttention))
            return settled;
    }
    if (!manual) {
        if (record.lastOutcome == Outcome::needsAttention)
            return result(Kind::needsAttention, record.lastReason);
        if (record.nextTryAt && *record.nextTryAt > now)
            return result(Kind::backingOff, record.lastReason, *record.nextTryAt);
    }
    if (const auto open = ClaudeSessions::openSession(m_dependencies.sessionsDirectory, session)) {
        return result(Kind::sessionStillOpen, open->sitsIdlePast(ticket.resetsAt, now)
                                                  ? std::optional(ResumeReason{Code::idleSinceTheReset})
                                                  : std::nullopt);
    }
    const QString transcript = SessionTranscript::pathFor(m_dependencies.projectsDirectory, ticket.cwd, session);
    if (SessionTranscript::wentOnWithoutPacewise(transcript, ticket.createdAt, ticket.resetsAt).value_or(false))
        return finish(ticket, ResumeReason{Code::continuedInClaudeCode});

    if (!QFileInfo(ticket.cwd).isDir()) {
        // Running it anywhere else would continue the work in the wrong place.
        return recordFailure(ticket, record, now, Outcome::failed, {Code::directoryMissing, {ticket.cwd}});
    }
    const auto claude = m_dependencies.resolver->resolve();
    if (!claude)
        return recordFailure(ticket, record, now, Outcome::failed, {Code::claudeNotFound});
    return run(ticket, record, *claude, now);
}

ResumeAttemptResult ResumeCoordinator::run(const ResumeTicket &ticket, ResumeRecord record, const QString &claude,
                                           const QDateTime &now)
{
    const QString &session = ticket.sessionID;
    const ResumeQueue &queue = m_dependencies.queue;
    const std::optional<QString> mode = permissionModeFor(ticket);
    if (mode != ticket.permissionMode && ticket.permissionMode != u"default") {
        qCWarning(lcResume, "session %s: the ticket asks for %s, its transcript does not show it; resuming in the default mode",
                  qUtf8Printable(session), qUtf8Printable(*ticket.permissionMode));
    }
    const ResumeRun resumeRun(queue.runFilePrefix(session));
    resumeRun.clear();
    ScriptInvocation claudeRun = ClaudeCommandLine::resume(claude, session, ticket.cwd, m_dependencies.environment, mode);
    claudeRun.timeoutSeconds = m_dependencies.timeoutSeconds;
    ScriptInvocation invocation = resumeRun.wrapping(claudeRun);
    invocation.cancellation = m_dependencies.cancellation;
    invocation.detachment = m_dependencies.detachment;
    record.attempts += 1;
    record.lastAttemptAt = now;
    invocation.started = [&](qint64 pid) {
        // Whoever takes the lock after this Pacewise has gone sees the run
        // still at work, and later how it ended, and starts no second one.
        record.running = ResumeRecord::Running{ProcessIdentity::of(pid).value_or(ProcessIdentity{pid, 0}), now};
        queue.saveRecord(session, record);
    };
    qCInfo(lcResume, "resuming session %s", qUtf8Printable(session));
    const auto run = m_dependencies.runner->run(invocation);
    if (!run && run.error().kind == ScriptRunnerError::Kind::detached) {
        qCInfo(lcResume, "session %s goes on being resumed after this Pacewise", qUtf8Printable(session));
        return result(Kind::detached);
    }
    // Stopped, claude may take a moment to end: until it has, the session
    // counts as being resumed.
    if (record.running && !ResumeRun::isGoingOn(record.running->process))
        record.running.reset();

    if (!run) {
        switch (run.error().kind) {
        case ScriptRunnerError::Kind::cancelled:
        case ScriptRunnerError::Kind::detached:
            return recordFailure(ticket, record, m_dependencies.now(), Outcome::interrupted, {Code::stoppedBeforeItFinished});
        case ScriptRunnerError::Kind::timedOut:
            return recordFailure(ticket, record, m_dependencies.now(), Outcome::failed, timedOutReason());
        case ScriptRunnerError::Kind::launchFailed:
            return recordFailure(ticket, record, m_dependencies.now(), Outcome::failed,
                                 {Code::claudeNotStarted, {QString::number(run.error().errorNumber)}});
        }
    }
    const auto ended = resumeRun.result();
    if (!ended) {
        return recordFailure(ticket, record, m_dependencies.now(), Outcome::failed,
                             {Code::runUnexplained, {QString::number(run->exitCode)}});
    }
    return judge(ticket, record, *ended, std::nullopt);
}

ResumeReason ResumeCoordinator::timedOutReason() const
{
    return {Code::timedOut, {QString::number(m_dependencies.timeoutSeconds / 60)}};
}

// How a run ended decides: exit 0 alone does not mean the session went on,
// since claude reports errors in the envelope with exit 0, and refused tool
// calls leave it idle. Back-off counts from the end of the run.
ResumeAttemptResult ResumeCoordinator::judge(const ResumeTicket &ticket, const ResumeRecord &record,
                                             const ResumeRun::Result &ended, std::optional<ResumeReason> by)
{
    const QString &session = ticket.sessionID;
    if (ended.timedOut)
        return recordFailure(ticket, record, ended.endedAt, Outcome::failed, timedOutReason());
    const QJsonObject envelope = QJsonDocument::fromJson(ended.standardOutput.trimmed().toUtf8()).object();
    const QString message = firstLine(envelope.value(QLatin1String("result")).toString());
    if (ended.exitCode != 0) {
        // claude itself could not be run: the resolver looks again.
        if (ended.exitCode == 126 || ended.exitCode == 127)
            m_dependencies.resolver->invalidate();
        QString detail = envelope.value(QLatin1String("is_error")).toBool() ? message : QString();
        if (detail.isEmpty())
            detail = firstLine(ended.standardError.isEmpty() ? ended.standardOutput : ended.standardError);
        return recordFailure(ticket, record, ended.endedAt, Outcome::failed,
                             {Code::claudeExited, {QString::number(ended.exitCode), detail}});
    }
    if (envelope.value(QLatin1String("is_error")).toBool())
        return recordFailure(ticket, record, ended.endedAt, Outcome::failed, {Code::claudeReportedError, {message}});
    const QJsonArray denials = envelope.value(QLatin1String("permission_denials")).toArray();
    if (!denials.isEmpty()) {
        // The guard stopping the resumed turn at a limit records the session
        // again, with the next reset: it waits for that, not for the user.
        const auto next = m_dependencies.queue.ticket(session);
        if (next && next->createdAt > ticket.createdAt) {
            (void)m_dependencies.queue.remove(session, ticket.createdAt);
            qCInfo(lcResume, "session %s stopped by the guard again; it waits for the reset", qUtf8Printable(session));
            return result(Kind::waitingForReset, {}, next->resetsAt);
        }
        return recordFailure(ticket, record, ended.endedAt, Outcome::needsAttention, refusedTools(denials));
    }
    return finish(ticket, std::move(by));
}

std::optional<QString> ResumeCoordinator::permissionModeFor(const ResumeTicket &ticket) const
{
    if (!ticket.permissionMode || *ticket.permissionMode == u"default")
        return std::nullopt;
    if (*ticket.permissionMode != u"bypassPermissions")
        return ticket.permissionMode;
    const auto recorded = SessionTranscript::lastPermissionMode(
        SessionTranscript::pathFor(m_dependencies.projectsDirectory, ticket.cwd, ticket.sessionID));
    return recorded == ticket.permissionMode ? ticket.permissionMode : std::nullopt;
}

std::expected<void, int> ResumeCoordinator::dismiss(const QString &sessionID) const
{
    const auto removed = m_dependencies.queue.remove(sessionID);
    if (removed && !m_dependencies.queue.ticket(sessionID)) {
        if (const auto lock = SessionLock::tryAcquire(m_dependencies.queue.lockPath(sessionID)))
            m_dependencies.queue.forget(sessionID);
    }
    return removed;
}

// The session went on: its tickets up to this one go, and with the last of
// them what was kept about its resumes.
ResumeAttemptResult ResumeCoordinator::finish(const ResumeTicket &ticket, std::optional<ResumeReason> by)
{
    const QString &session = ticket.sessionID;
    const ResumeQueue &queue = m_dependencies.queue;
    if (const auto removed = queue.remove(session, ticket.createdAt); !removed) {
        qCWarning(lcResume, "resume ticket removal failed: %s", qUtf8Printable(systemErrorText(removed.error())));
        return recordFailure(ticket, queue.record(session).value_or(ResumeRecord{.ticketCreatedAt = ticket.createdAt}),
                             m_dependencies.now(), Outcome::failed, {Code::ticketNotDeleted, {QString::number(removed.error())}});
    }
    if (!queue.ticket(session))
        queue.forget(session);
    if (!by) {
        qCInfo(lcResume, "session %s continued", qUtf8Printable(session));
        return result(Kind::succeeded);
    }
    qCInfo(lcResume, "session %s: %s", qUtf8Printable(session), qUtf8Printable(by->token()));
    return result(Kind::alreadyContinued, std::move(by));
}

ResumeAttemptResult ResumeCoordinator::recordFailure(const ResumeTicket &ticket, ResumeRecord record, const QDateTime &at,
                                                     Outcome outcome, const ResumeReason &reason)
{
    record.lastOutcome = outcome;
    record.lastReason = reason;
    record.nextTryAt.reset();
    Kind kind = Kind::interrupted;
    if (outcome == Outcome::failed) {
        // 300 s, doubling with each attempt up to an hour.
        const int failures = std::clamp(record.attempts, 1, 6);
        const double delay = std::min(std::pow(2.0, failures - 1) * m_dependencies.baseBackoffSeconds, maximumBackoffSeconds);
        record.nextTryAt = at.addMSecs(qint64(delay * 1000));
        kind = Kind::failed;
    } else if (outcome == Outcome::needsAttention) {
        kind = Kind::needsAttention;
    }
    if (!m_dependencies.queue.saveRecord(ticket.sessionID, record))
        qCWarning(lcResume, "the record of session %s could not be saved", qUtf8Printable(ticket.sessionID));
    qCWarning(lcResume, "resume of %s %s: %s %s", qUtf8Printable(ticket.sessionID),
              kind == Kind::needsAttention ? "needs the user" : kind == Kind::interrupted ? "was interrupted" : "failed",
              qUtf8Printable(reason.token()), qUtf8Printable(scrubbedText(reason.arguments.join(u" | "_qs))));
    return result(kind, reason, record.nextTryAt.value_or(QDateTime()));
}

} // namespace pacewise
