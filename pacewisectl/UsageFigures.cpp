#include "UsageFigures.h"

#include "claude/ClaudeErrorText.h"
#include "system/ErrorText.h"
#include "system/Logging.h"
#include "usage/EngineStateReader.h"
#include "usage/StateWriter.h"
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

UsageFigures UsageFigures::fetch(const CommandContext &context, Ask ask, std::optional<double> timeoutSeconds)
{
    UsageFigures figures{.now = context.clock()};
    const AccountIdentity accountIdentity(context.claudePaths.accountFile());
    const EngineStateReader reader(context.engineStatePath, accountIdentity);
    auto recorded = reader.readExplained(figures.now);
    if (ask == Ask::automatic && recorded && recorded->isFreshFromStatusLine(figures.now)) {
        figures.snapshot = recorded->snapshot;
        figures.source = Source::stateFile;
        return figures;
    }
    if (ask != Ask::stateFileOnly) {
        const UsageCLI usageCli({.resolver = context.resolver,
                                 .runner = context.runner,
                                 .accountIdentity = accountIdentity,
                                 .environment = context.environment,
                                 .now = context.clock,
                                 .timeZone = [&context] { return context.timeZone; },
                                 .timeoutSeconds = timeoutSeconds});
        const auto snapshot = usageCli.fetch();
        // The state file may have been written while claude was asked.
        figures.now = context.clock();
        if (snapshot) {
            const auto merged = StateWriter(context.engineStatePath).write(*snapshot, figures.now);
            if (!merged)
                qCWarning(lcCli, "usage state not recorded: %s", qUtf8Printable(merged.error().reason()));
            figures.snapshot = merged ? *merged : *snapshot;
            figures.source = Source::claude;
            return figures;
        }
        qCDebug(lcCli) << "usage report unusable, kind" << int(snapshot.error().kind);
        figures.issues << QStringLiteral("claude: ") + usageErrorText(snapshot.error());
        recorded = reader.readExplained(figures.now);
    }
    if (ask == Ask::claudeOnly)
        return figures;
    if (recorded) {
        figures.snapshot = recorded->snapshot;
        figures.source = Source::stateFile;
    } else {
        qCDebug(lcCli) << "engine state unusable, kind" << int(recorded.error().kind);
        figures.issues << reasonText(recorded.error(), context.engineStatePath);
    }
    return figures;
}

} // namespace pacewise::cli
