#pragma once

#include "ResumeReason.h"
#include "system/ProcessIdentity.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

namespace pacewise {

// What happened to one ticket's resumes, kept beside it so that a restart
// of the daemon or the tray app neither forgets a session that needs the
// user nor retries one that is backing off, and so that `resume list`, the
// panel and the log can say what happened.
struct ResumeRecord {
    enum class Outcome {
        failed,          // claude could not run it; retried after nextTryAt
        needsAttention,  // claude ran but could not go on by itself; waits for the user
        interrupted,     // stopped by its resumer (Ctrl-C, the daemon stopping); tried again
    };

    // The ticket this is about: a new ticket of the session starts afresh.
    QDateTime ticketCreatedAt;
    int attempts = 0;
    std::optional<QDateTime> lastAttemptAt = std::nullopt;
    std::optional<Outcome> lastOutcome = std::nullopt;
    std::optional<ResumeReason> lastReason = std::nullopt;
    std::optional<QDateTime> nextTryAt = std::nullopt;
    // The claude continuing the session now, and since when: a resumer that
    // was killed leaves it running, and nobody may start a second one.
    struct Running {
        ProcessIdentity process;
        QDateTime startedAt;
        bool operator==(const Running &) const = default;
    };
    std::optional<Running> running = std::nullopt;

    static std::optional<ResumeRecord> decode(const QByteArray &json);
    QByteArray encode() const;

    bool operator==(const ResumeRecord &) const = default;
};

// "failed", "needs_attention", "interrupted": in the record file and --json.
QString outcomeName(ResumeRecord::Outcome outcome);

} // namespace pacewise
