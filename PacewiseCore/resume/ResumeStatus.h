#pragma once

#include "ClaudeSessions.h"
#include "ResumeRecord.h"
#include "ResumeTicket.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace pacewise {

// Where a paused session stands, as `resume list`, the panel and
// notifications tell it: from its ticket, the record of its resumes and
// whether Claude Code still has it open.
struct ResumeStatus {
    enum class Kind {
        heldByGuard,     // the guard holds its tool call until `until`; it goes on by itself
        openInClaude,    // a running Claude Code has it; reason when it sits idle past the reset
        running,         // being continued now
        needsAttention,  // reason; continue it yourself
        retrying,        // the last try at lastAttemptAt failed (reason); next try at `until`
        waitingForReset, // until
        directoryMissing,
        ready,
    };
    Kind kind;
    QDateTime until = {};
    QDateTime lastAttemptAt = {};
    std::optional<ResumeReason> reason = std::nullopt;
    int attempts = 0;

    static ResumeStatus of(const ResumeTicket &ticket, const std::optional<ResumeRecord> &record,
                           const std::optional<ClaudeSession> &open, const QDateTime &now);
    // "held_by_guard", "open_in_claude", "running", "needs_attention",
    // "retrying", "waiting_for_reset", "directory_missing", "ready".
    static QString token(Kind kind);

    bool operator==(const ResumeStatus &) const = default;
};

} // namespace pacewise
