#include "ResumeText.h"

#include "system/DisplayText.h"
#include "usage/UsageResetFormatter.h"

#include <cmath>

namespace pacewise::cli {

namespace {

QString clock(const QDateTime &instant, const CommandContext &context)
{
    return instant.toTimeZone(context.timeZone).toString(QStringLiteral("HH:mm"));
}

} // namespace

QString reasonText(const std::optional<ResumeReason> &reason)
{
    return reason ? terminalText(reason->text()) : QStringLiteral("no reason given");
}

QString resumeResultText(const ResumeAttemptResult &result, const CommandContext &context)
{
    using Kind = ResumeAttemptResult::Kind;
    const auto when = [&](const QDateTime &at) { return UsageResetFormatter::string(at, true, context.locale, context.timeZone); };
    switch (result.kind) {
    case Kind::succeeded:
        return QStringLiteral("continued");
    case Kind::waitingForReset:
        return QStringLiteral("waiting for the reset at %1").arg(when(result.until));
    case Kind::backingOff:
        return QStringLiteral("waiting until %1 before another try").arg(when(result.until));
    case Kind::quotaUnavailable:
        if (!result.limit)
            return QStringLiteral("the quota is still occupied");
        return QStringLiteral("the %1 is at %2 % until %3; with --force it runs anyway, and Claude Code will likely stop again at the limit")
            .arg(result.limit->kind() == UsageLimitKind::fiveHour ? QStringLiteral("5-hour limit") : QStringLiteral("weekly limit"))
            .arg(std::round(result.limit->utilization()))
            .arg(when(result.until));
    case Kind::quotaUnconfirmed:
        return QStringLiteral("the available quota could not be confirmed");
    case Kind::alreadyRunning:
        return QStringLiteral("being continued by another Pacewise right now");
    case Kind::alreadyContinued:
        return QStringLiteral("already %1").arg(reasonText(result.reason));
    case Kind::heldByGuard:
        return QStringLiteral("the guard holds its call until %1; it goes on by itself").arg(when(result.until));
    case Kind::sessionStillOpen:
        return result.reason ? QStringLiteral("still open in Claude Code, ") + reasonText(result.reason)
                             : QStringLiteral("still open in Claude Code, which continues it by itself");
    case Kind::interrupted:
        return QStringLiteral("stopped; the session stays to be continued");
    case Kind::detached:
        return QStringLiteral("no longer waited for; claude goes on, and 'pacewisectl resume list' tells how it ended");
    case Kind::failed:
    case Kind::needsAttention:
        return reasonText(result.reason);
    }
    Q_UNREACHABLE();
    return {};
}

QString resumeStatusText(const ResumeStatus &status, const CommandContext &context)
{
    using Kind = ResumeStatus::Kind;
    switch (status.kind) {
    case Kind::heldByGuard:
        return QStringLiteral("held by the guard until %1; goes on by itself").arg(clock(status.until, context));
    case Kind::openInClaude:
        return status.reason ? QStringLiteral("open in Claude Code, ") + reasonText(status.reason)
                             : QStringLiteral("open in Claude Code, which continues it");
    case Kind::running:
        return QStringLiteral("being continued now (since %1)").arg(clock(status.lastAttemptAt, context));
    case Kind::needsAttention:
        return QStringLiteral("needs you: ") + reasonText(status.reason);
    case Kind::retrying:
        return QStringLiteral("last try %1 failed: %2; next try %3")
            .arg(clock(status.lastAttemptAt, context), reasonText(status.reason), clock(status.until, context));
    case Kind::waitingForReset:
        return QStringLiteral("waits for the reset");
    case Kind::directoryMissing:
        return QStringLiteral("its directory no longer exists");
    case Kind::ready:
        return QStringLiteral("ready");
    }
    Q_UNREACHABLE();
    return {};
}

} // namespace pacewise::cli
