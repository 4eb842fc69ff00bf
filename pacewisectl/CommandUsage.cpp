#include "CommandUsage.h"

#include "claude/ClaudeErrorText.h"
#include "system/ErrorText.h"
#include "usage/UsageCLI.h"

namespace pacewise::cli {

QString durationText(qint64 seconds)
{
    if (seconds < 90)
        return QStringLiteral("%1 s").arg(seconds);
    if (seconds < 90 * 60)
        return QStringLiteral("%1 min").arg((seconds + 30) / 60);
    return QStringLiteral("%1 h").arg((seconds + 1800) / 3600);
}

namespace {

QString reasonText(const EngineStateError &error, const QString &path)
{
    using Kind = EngineStateError::Kind;
    switch (error.kind) {
    case Kind::missing:
        return QStringLiteral("%1 does not exist (Claude Code's status line writes it once the Endrun guard is on)")
            .arg(path);
    case Kind::notRegularFile:
        return QStringLiteral("%1 is not a regular file").arg(path);
    case Kind::tooLarge:
        return QStringLiteral("%1 is larger than %2 KiB, so it is not an engine state file")
            .arg(path)
            .arg(EngineStateReader::maximumFileSize / 1024);
    case Kind::unreadable:
        return QStringLiteral("%1 cannot be read: %2").arg(path, systemErrorText(error.errorNumber));
    case Kind::modifiedInFuture:
        return QStringLiteral("%1 is dated %2 in the future; check the system clock")
            .arg(path, durationText(-error.ageSeconds));
    case Kind::stale:
        return QStringLiteral("%1 is stale: last updated %2 ago, figures older than %3 are not shown")
            .arg(path, durationText(error.ageSeconds), durationText(EngineStateReader::maximumAgeSeconds));
    case Kind::malformed:
        return QStringLiteral("%1 is not a valid engine state file").arg(path);
    case Kind::otherAccount:
        return QStringLiteral("%1 belongs to another Claude account than the one signed in").arg(path);
    case Kind::noLimits:
        return QStringLiteral("%1 holds no usable limits").arg(path);
    }
    Q_UNREACHABLE();
    return {};
}

} // namespace

UsageFigures fetchUsageFigures(const CommandContext &context, UsageFigures::Ask ask, std::optional<double> timeoutSeconds)
{
    const AccountIdentity accountIdentity(context.claudePaths.accountFile());
    const auto claude = std::make_shared<UsageCLI>(UsageCLI::Dependencies{.resolver = context.resolver,
                                                                         .runner = context.runner,
                                                                         .accountIdentity = accountIdentity,
                                                                         .environment = context.environment,
                                                                         .now = context.clock,
                                                                         .timeZone = [&context] { return context.timeZone; },
                                                                         .timeoutSeconds = timeoutSeconds});
    return UsageFigures::fetch({.claude = claude,
                                .stateFile = EngineStateReader(context.engineStatePath, accountIdentity),
                                .stateWriter = StateWriter(context.engineStatePath),
                                .now = context.clock},
                               ask);
}

QStringList usageIssueTexts(const UsageFigures &figures, const QString &statePath)
{
    QStringList issues;
    if (figures.claudeError) {
        // "claude was not found" needs no "claude: " before it.
        const QString text = usageErrorText(*figures.claudeError);
        issues << (text.startsWith(u"claude "_qs) ? text : QStringLiteral("claude: ") + text);
    }
    if (figures.stateFileError)
        issues << reasonText(*figures.stateFileError, statePath);
    return issues;
}

} // namespace pacewise::cli
