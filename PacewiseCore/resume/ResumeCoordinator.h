#pragma once

#include "ResumeQueue.h"
#include "claude/CLIPathResolver.h"
#include "system/ScriptRunning.h"
#include "usage/UsageSnapshot.h"

#include <QHash>
#include <QMutex>
#include <QProcessEnvironment>
#include <QSet>

#include <functional>
#include <memory>

namespace pacewise {

struct ResumeReadiness {
    enum class Kind { waitingForReset, ready, quotaUnavailable, quotaUnconfirmed };
    Kind kind;
    QDateTime resetsAt = {}; // with waitingForReset

    bool operator==(const ResumeReadiness &) const = default;
};

namespace ResumePolicy {

inline constexpr double quotaSafetyThreshold = 98.0;
inline constexpr qint64 snapshotMaxAgeSeconds = 300;

// Whether a resume may run now: the reset has come (when asked), and a
// snapshot at most five minutes old shows the 5-hour and weekly limits
// below 98 %.
ResumeReadiness readiness(const ResumeTicket &ticket, const QDateTime &now, const std::optional<UsageSnapshot> &snapshot,
                          const std::optional<QDateTime> &snapshotFetchedAt, bool requireResetTime);

} // namespace ResumePolicy

struct ResumeAttemptResult {
    enum class Kind {
        waitingForReset, // until
        backingOff,      // until
        succeeded,
        quotaUnavailable,
        quotaUnconfirmed,
        alreadyRunning,  // here or in another Pacewise process
        failed,          // reason
        sessionStillOpen, // a running Claude Code has it open; it goes on by itself
        needsAttention,  // reason; claude ran but did not really continue
    };
    Kind kind;
    QDateTime until = {};
    QString reason = {};

    bool operator==(const ResumeAttemptResult &) const = default;
};

// Continues the sessions the guard stopped, one attempt per call, with
// exponential back-off after failures (300 s doubling to an hour). Thread
// safe: attempts block while claude runs (up to 30 minutes), so callers run
// them on the thread pool; attempts for other sessions go on meanwhile.
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
        double timeoutSeconds = defaultTimeoutSeconds;
        double baseBackoffSeconds = defaultBaseBackoffSeconds;
        // Deletes a resumed session's tickets; the queue's remove() unless a
        // test needs a deletion that fails.
        std::function<std::expected<void, int>(const QString &sessionID, const QDateTime &notNewerThan)> removeTickets = {};
    };

    explicit ResumeCoordinator(Dependencies dependencies);

    ResumeAttemptResult attempt(const ResumeTicket &ticket, const std::optional<UsageSnapshot> &snapshot,
                                const std::optional<QDateTime> &snapshotFetchedAt, const QDateTime &now, bool manual);

    // Why the session waits for the user, if it does.
    std::optional<QString> attentionReason(const QString &sessionID) const;

private:
    ResumeAttemptResult run(const ResumeTicket &ticket, const QString &claude, const QDateTime &now);
    ResumeAttemptResult registerFailure(const QString &sessionID, const QDateTime &now, const QString &reason);

    Dependencies m_dependencies;
    mutable QMutex m_mutex;
    QSet<QString> m_inFlight;
    QHash<QString, int> m_failureCounts;
    QHash<QString, QDateTime> m_retryAfter;
    QHash<QString, QString> m_needsAttention;
    // (session, created_at) of tickets resumed successfully, so a ticket
    // that could not be deleted is not resumed again and again.
    QSet<QPair<QString, qint64>> m_succeeded;
};

} // namespace pacewise
