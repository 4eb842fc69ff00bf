#include "ResumeStatus.h"

#include "ResumeRun.h"

#include <QFileInfo>

namespace pacewise {

ResumeStatus ResumeStatus::of(const ResumeTicket &ticket, const std::optional<ResumeRecord> &kept,
                              const std::optional<ClaudeSession> &open, const QDateTime &now)
{
    // What was kept about an earlier ticket of the session does not count.
    const auto record = kept && kept->ticketCreatedAt == ticket.createdAt ? kept : std::nullopt;
    const int attempts = record ? record->attempts : 0;
    const QDateTime lastAttemptAt = record ? record->lastAttemptAt.value_or(QDateTime()) : QDateTime();
    if (ticket.isHeld())
        return {Kind::heldByGuard, ticket.resetsAt, lastAttemptAt, {}, attempts};
    if (record && record->running && ResumeRun::isGoingOn(record->running->process))
        return {Kind::running, {}, record->running->startedAt, {}, attempts};
    if (open) {
        return {Kind::openInClaude, {}, lastAttemptAt,
                open->sitsIdlePast(ticket.resetsAt, now) ? std::optional(ResumeReason{ResumeReason::Code::idleSinceTheReset})
                                                         : std::nullopt,
                attempts};
    }
    if (record && record->lastOutcome == ResumeRecord::Outcome::needsAttention)
        return {Kind::needsAttention, {}, lastAttemptAt, record->lastReason, attempts};
    if (!QFileInfo(ticket.cwd).isDir())
        return {Kind::directoryMissing, {}, lastAttemptAt, {}, attempts};
    if (now < ticket.resetsAt)
        return {Kind::waitingForReset, ticket.resetsAt, lastAttemptAt, {}, attempts};
    if (record && record->lastOutcome)
        return {Kind::retrying, record->nextTryAt.value_or(now), lastAttemptAt, record->lastReason, attempts};
    return {Kind::ready, {}, lastAttemptAt, {}, attempts};
}

QString ResumeStatus::token(Kind kind)
{
    switch (kind) {
    case Kind::heldByGuard:
        return QStringLiteral("held_by_guard");
    case Kind::openInClaude:
        return QStringLiteral("open_in_claude");
    case Kind::running:
        return QStringLiteral("running");
    case Kind::needsAttention:
        return QStringLiteral("needs_attention");
    case Kind::retrying:
        return QStringLiteral("retrying");
    case Kind::waitingForReset:
        return QStringLiteral("waiting_for_reset");
    case Kind::directoryMissing:
        return QStringLiteral("directory_missing");
    case Kind::ready:
        return QStringLiteral("ready");
    }
    Q_UNREACHABLE();
    return {};
}

} // namespace pacewise
