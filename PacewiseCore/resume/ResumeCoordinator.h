#pragma once

#include "ResumeQueue.h"
#include "ResumeRun.h"
#include "claude/CLIPathResolver.h"
#include "system/ScriptRunning.h"
#include "usage/UsageSnapshot.h"
#include "usage/UsageThresholds.h"

#include <QMutex>
#include <QProcessEnvironment>
#include <QSet>

#include <memory>

namespace pacewise {

struct ResumeReadiness {
    enum class Kind { waitingForReset, ready, quotaUnavailable, quotaUnconfirmed };
    Kind kind;
    QDateTime resetsAt = {}; // with waitingForReset, and quotaUnavailable: when the limit below resets
    std::optional<UsageLimit> limit = std::nullopt; // with quotaUnavailable: the one that keeps it waiting longest

    bool operator==(const ResumeReadiness &) const = default;
};

namespace ResumePolicy {

inline constexpr qint64 snapshotMaxAgeSeconds = 300;
// The guard lets a held call go this long after the reset; auto-continue
// starts as it does.
inline constexpr qint64 resetMarginSeconds = 5;

// Whether a resume may run now: the reset has come (when asked), and a
// snapshot at most five minutes old shows the 5-hour and weekly limits
// below the threshold (98 %, or the guard's when it stops earlier: a
// session resumed above it would be stopped again at once).
ResumeReadiness readiness(const ResumeTicket &ticket, const QDateTime &now, const std::optional<UsageSnapshot> &snapshot,
                          const std::optional<QDateTime> &snapshotFetchedAt, bool requireResetTime,
                          double threshold = UsageThresholds::critical);

} // namespace ResumePolicy

struct ResumeAttemptResult {
    enum class Kind {
        waitingForReset,  // until
        backingOff,       // until; reason: the last failure
        succeeded,
        quotaUnavailable, // limit, until its reset
        quotaUnconfirmed,
        alreadyRunning,   // here or in another Pacewise process
        alreadyContinued, // reason: by whom; its ticket is gone
        heldByGuard,      // the guard holds the session's tool call until the reset; it goes on by itself
        failed,           // reason; tried again from until
        sessionStillOpen, // a running Claude Code has it open; reason when it sits idle past the reset
        needsAttention,   // reason; claude ran but the session could not go on by itself
        interrupted,      // its resumer was stopped; tried again
        detached,         // this process stopped waiting; the run goes on, and the next attempt learns how it ended
    };
    Kind kind;
    QDateTime until = {};
    std::optional<ResumeReason> reason = std::nullopt;
    std::optional<UsageLimit> limit = std::nullopt;

    bool operator==(const ResumeAttemptResult &) const = default;
};

// Continues the sessions the guard paused, one attempt per call, exactly
// once whatever else runs: attempts for one session are serialised across
// processes by a lock beside its ticket, and under that lock the ticket is
// read again (gone or replaced means another resumer got there first). What
// happened is kept beside the ticket (ResumeRecord): failures back off from
// 300 s doubling to an hour, counted from the end of the run, and a session
// that needs the user waits for them. A run goes on when this process quits
// (ResumeRun): the next attempt finds it still at work, or learns how it
// ended, and never starts a second one.
//
// Thread safe and blocking (claude may run half an hour): callers run
// attempts on the thread pool; attempts for other sessions go on meanwhile.
class ResumeCoordinator {
public:
    static constexpr double defaultTimeoutSeconds = 1800;
    static constexpr double defaultBaseBackoffSeconds = 300;
    static constexpr double maximumBackoffSeconds = 3600;

    struct Dependencies {
        ResumeQueue queue;
        std::shared_ptr<CLIPathResolving> resolver;
        std::shared_ptr<const ScriptRunning> runner;
        QProcessEnvironment environment;
        QString sessionsDirectory; // ~/.claude/sessions
        QString projectsDirectory; // ~/.claude/projects, the transcripts
        double timeoutSeconds = defaultTimeoutSeconds;
        double baseBackoffSeconds = defaultBaseBackoffSeconds;
        // Stops the runs under way (Ctrl-C on `resume now`); made here
        // unless given.
        std::shared_ptr<const Cancellation> cancellation = nullptr;
        // Stops waiting for the runs under way and lets them go on (this
        // process quitting); made here unless given.
        std::shared_ptr<const Cancellation> detachment = nullptr;
        // The guard's threshold as the settings say it now; none: 98 %.
        std::function<double()> guardThreshold = nullptr;
        // The clock a run's end is read from, for the back-off after it.
        std::function<QDateTime()> now = [] { return QDateTime::currentDateTimeUtc(); };
    };

    explicit ResumeCoordinator(Dependencies dependencies);

    // manual: the user asked (no reset, back-off or earlier outcome waited
    // for); force: and the quota is not looked at either (Claude Code will
    // likely stop again at the limit).
    ResumeAttemptResult attempt(const ResumeTicket &ticket, const std::optional<UsageSnapshot> &snapshot,
                                const std::optional<QDateTime> &snapshotFetchedAt, const QDateTime &now, bool manual,
                                bool force = false);

    // Stops every run under way; their sessions stay to be tried again.
    void stop() const { m_dependencies.cancellation->cancel(); }
    // Stops waiting for the runs under way, which go on to their end; the
    // attempts return at once.
    void detach() const { m_dependencies.detachment->cancel(); }
    // Forgets the session without continuing it: its tickets go, and what
    // was kept about them unless a resume of it runs right now.
    std::expected<void, int> dismiss(const QString &sessionID) const;

    const ResumeQueue &queue() const { return m_dependencies.queue; }
    // The permission mode a resume of ticket runs in: the session's own,
    // but bypassPermissions only where its transcript shows it ran so
    // (anyone who could write a ticket could otherwise have claude run
    // their tool calls unasked). Nothing is the default mode.
    std::optional<QString> permissionModeFor(const ResumeTicket &ticket) const;

private:
    ResumeAttemptResult attemptLocked(const ResumeTicket &ticket, const QDateTime &now, bool manual);
    ResumeAttemptResult run(const ResumeTicket &ticket, ResumeRecord record, const QString &claude, const QDateTime &now);
    ResumeAttemptResult judge(const ResumeTicket &ticket, const ResumeRecord &record, const ResumeRun::Result &ended,
                              std::optional<ResumeReason> by);
    // by: who continued it when not this resume.
    ResumeAttemptResult finish(const ResumeTicket &ticket, std::optional<ResumeReason> by);
    ResumeAttemptResult recordFailure(const ResumeTicket &ticket, ResumeRecord record, const QDateTime &at,
                                      ResumeRecord::Outcome outcome, const ResumeReason &reason);
    ResumeReason timedOutReason() const;

    Dependencies m_dependencies;
    mutable QMutex m_mutex;
    QSet<QString> m_inFlight;
};

} // namespace pacewise
