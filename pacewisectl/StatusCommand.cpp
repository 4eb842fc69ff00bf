#include "StatusCommand.h"

#include "ClaudeErrorText.h"
#include "CommandLine.h"
#include "ExitCode.h"
#include "guard/SettingsFileManager.h"
#include "system/ErrorText.h"
#include "system/Logging.h"
#include "usage/EngineStateReader.h"
#include "usage/MenuBarUsage.h"
#include "usage/StateWriter.h"
#include "usage/UsageCLI.h"
#include "usage/UsageLimitRowBuilder.h"

#include <QCommandLineParser>

#include <cmath>

namespace pacewise::cli {

namespace {

const char helpText[] = R"(Usage: pacewisectl status [--source auto|cli|state] [--timeout SECONDS]

Shows the usage of the 5-hour and weekly windows: one line per limit with its
reset time in the local time zone, when the figures were confirmed, the
figure the tray shows and its severity (normal, warning from 80 %, critical
from 98 % of the worst window), and where the figures came from.

Options:
  --source auto    ask claude's usage report, else read the engine state
                   file (the default)
  --source cli     only ask claude (runs `claude -p "/usage limits"`, which
                   costs no model turn)
  --source state   only read the engine state file
  --timeout N      wait at most N seconds for claude (default 30)

Exit status: 0 usage shown, 2 bad arguments, 3 no usage data (the reason is
printed).
)";

QString percentText(double utilization)
{
    if (!std::isfinite(utilization))
        return QStringLiteral("--");
    return QString::number(std::round(utilization), 'f', 0) + QLatin1Char('%');
}

QString durationText(qint64 seconds)
{
    if (seconds < 90)
        return QStringLiteral("%1 s").arg(seconds);
    if (seconds < 90 * 60)
        return QStringLiteral("%1 min").arg((seconds + 30) / 60);
    return QStringLiteral("%1 h").arg((seconds + 1800) / 3600);
}

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

void printSnapshot(const UsageSnapshot &snapshot, const CommandContext &context, QTextStream &out)
{
    const auto rows = UsageLimitRowBuilder::rows(
        snapshot, QStringLiteral("5 hours"), QStringLiteral("Week"),
        [](const QString &model) { return QStringLiteral("Week (%1)").arg(model.trimmed()); }, context.locale,
        context.timeZone);

    qsizetype labelWidth = 0;
    for (const auto &row : rows)
        labelWidth = std::max(labelWidth, row.label.size());
    for (const auto &row : rows) {
        out << row.label.leftJustified(labelWidth) << "  " << percentText(row.limit.utilization()).rightJustified(4)
            << "  resets " << row.resetText << '\n';
    }

    std::optional<QDateTime> confirmedAt;
    for (const UsageLimit &limit : snapshot.limits()) {
        if (limit.confirmedAt() && (!confirmedAt || *limit.confirmedAt() > *confirmedAt))
            confirmedAt = limit.confirmedAt();
    }
    if (confirmedAt) {
        out << "Updated: " << durationText(std::max<qint64>(0, confirmedAt->secsTo(context.now))) << " ago\n";
    }

    const MenuBarUsage menuBar = MenuBarUsage::from(snapshot);
    out << "Menu bar: " << (menuBar.utilization ? percentText(*menuBar.utilization) : QStringLiteral("--")) << " ("
        << severityName(menuBar.severity()) << ")\n";
}

// With the user's own status line, nothing inside Claude Code records the
// figures the guard decides by; every fresh fetch does instead.
void feedTheGuard(const UsageSnapshot &snapshot, const CommandContext &context)
{
    if (!SettingsFileManager().guardNeedsApplicationFigures(context.claudePaths.settingsFile()))
        return;
    if (const auto written = StateWriter(context.engineStatePath).write(snapshot); !written)
        qCWarning(lcCli, "usage state write failed: %s", qUtf8Printable(privateText(QString::number(int(written.error().kind)))));
    else
        qCDebug(lcCli, "usage state written");
}

} // namespace

int runStatus(const QStringList &arguments, const CommandContext &context, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    parser.addOption(QCommandLineOption(QStringLiteral("source"), QStringLiteral("Where the figures come from."),
                                        QStringLiteral("auto|cli|state"), QStringLiteral("auto")));
    parser.addOption(timeoutOption());
    if (const auto done = parseCommandLine(parser, arguments, QStringLiteral("status"), helpText, out, err))
        return *done;
    const QString source = parser.value(QStringLiteral("source"));
    if (source != u"auto" && source != u"cli" && source != u"state") {
        err << "pacewisectl status: --source takes auto, cli or state, not '" << source << "'\n";
        return usageError;
    }
    std::optional<double> timeout;
    if (!readTimeout(parser, QStringLiteral("status"), timeout, err))
        return usageError;

    const AccountIdentity accountIdentity(context.claudePaths.accountFile());
    QStringList reasons;
    if (source != u"state") {
        const UsageCLI usageCli({.resolver = context.resolver,
                                 .runner = context.runner,
                                 .accountIdentity = accountIdentity,
                                 .environment = context.environment,
                                 .now = [&context] { return context.now; },
                                 .timeZone = [&context] { return context.timeZone; },
                                 .timeoutSeconds = timeout});
        const auto snapshot = usageCli.fetch();
        if (snapshot) {
            feedTheGuard(*snapshot, context);
            printSnapshot(*snapshot, context, out);
            out << "Source: claude usage report\n";
            return success;
        }
        qCDebug(lcCli) << "usage report unusable, kind" << int(snapshot.error().kind);
        reasons << QStringLiteral("claude: ") + usageErrorText(snapshot.error());
    }
    if (source != u"cli") {
        const EngineStateReader reader(context.engineStatePath, accountIdentity);
        const auto snapshot = reader.readExplained(context.now);
        if (snapshot) {
            printSnapshot(*snapshot, context, out);
            out << "Source: engine state file " << context.engineStatePath;
            if (!reasons.isEmpty())
                out << " (" << reasons.join(QStringLiteral("; ")) << ')';
            out << '\n';
            return success;
        }
        qCDebug(lcCli) << "engine state unusable, kind" << int(snapshot.error().kind);
        reasons << reasonText(snapshot.error(), context.engineStatePath);
    }
    out << "no usage data: " << reasons.join(QStringLiteral("; ")) << '\n';
    return noUsageData;
}

} // namespace pacewise::cli
