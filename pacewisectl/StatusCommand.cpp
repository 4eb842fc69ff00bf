#include "StatusCommand.h"

#include "ClaudeErrorText.h"
#include "CommandLine.h"
#include "ExitCode.h"
#include "JsonOutput.h"
#include "guard/SettingsFileManager.h"
#include "system/ErrorText.h"
#include "system/Logging.h"
#include "usage/EngineStateReader.h"
#include "usage/MenuBarUsage.h"
#include "usage/StateWriter.h"
#include "usage/UsageCLI.h"
#include "usage/UsageHistory.h"
#include "usage/UsageLimitRowBuilder.h"

#include <QCommandLineParser>
#include <QHash>
#include <QJsonArray>

#include <expected>

#include <cmath>

namespace pacewise::cli {

namespace {

const char helpText[] = R"(Usage: pacewisectl status [--source auto|cli|state] [--timeout SECONDS]
                          [--json | --format TEMPLATE]

Shows the usage of the 5-hour and weekly windows: one line per limit with its
reset time in the local time zone, when the figures were confirmed, when the
5-hour window runs out at the pace of the last hour (if before its reset),
the figure the tray shows and its severity (normal, warning from 80 %,
critical from 98 % of the worst window), and where the figures came from.
Each figure shown is kept in ~/.local/state/pacewise/usage-history.json for
the pace.

Options:
  --source auto    ask claude's usage report, else read the engine state
                   file (the default)
  --source cli     only ask claude (runs `claude -p "/usage limits"`, which
                   costs no model turn)
  --source state   only read the engine state file
  --timeout N      wait at most N seconds for claude (default 30)
  --json           print one JSON object (see docs/json.md)
  --format T       print T with these fields filled in, for status bars:
                   {five_hour} {week} {tray} (percentages without the % sign),
                   {five_hour_reset} {week_reset} (local HH:MM), {severity},
                   {source}, {limit_at} (when the 5-hour window runs out at
                   the recent pace, if before its reset); "--" stands for
                   a figure that is not known,
                   '{{' and '}}' for braces.
                   Example: --format '5h {five_hour}% · week {week}%'

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

QList<UsageLimitRowModel> limitRows(const UsageSnapshot &snapshot, const CommandContext &context)
{
    return UsageLimitRowBuilder::rows(
        snapshot, QStringLiteral("5 hours"), QStringLiteral("Week"),
        [](const QString &model) { return QStringLiteral("Week (%1)").arg(model.trimmed()); }, context.locale,
        context.timeZone);
}

std::optional<QDateTime> latestConfirmation(const UsageSnapshot &snapshot)
{
    std::optional<QDateTime> confirmedAt;
    for (const UsageLimit &limit : snapshot.limits()) {
        if (limit.confirmedAt() && (!confirmedAt || *limit.confirmedAt() > *confirmedAt))
            confirmedAt = limit.confirmedAt();
    }
    return confirmedAt;
}

// What status found, whichever way it is printed.
struct StatusReport {
    enum class Source { claude, stateFile };
    std::optional<UsageSnapshot> snapshot = std::nullopt;
    std::optional<Source> source = std::nullopt;
    QString statePath = {};
    QStringList issues = {}; // why a source gave nothing
    std::optional<UsageForecast> forecast = std::nullopt;
};

QString clockText(const QDateTime &instant, const CommandContext &context)
{
    return instant.toTimeZone(context.timeZone).toString(QStringLiteral("HH:mm"));
}

void printText(const StatusReport &report, const CommandContext &context, QTextStream &out)
{
    if (!report.snapshot) {
        out << "no usage data: " << report.issues.join(QStringLiteral("; ")) << '\n';
        return;
    }
    const auto rows = limitRows(*report.snapshot, context);
    qsizetype labelWidth = 0;
    for (const auto &row : rows)
        labelWidth = std::max(labelWidth, row.label.size());
    for (const auto &row : rows) {
        out << row.label.leftJustified(labelWidth) << "  " << percentText(row.limit.utilization()).rightJustified(4)
            << "  resets " << row.resetText << '\n';
    }
    if (const auto confirmedAt = latestConfirmation(*report.snapshot))
        out << "Updated: " << durationText(std::max<qint64>(0, confirmedAt->secsTo(context.now))) << " ago\n";

    if (report.forecast) {
        out << "At this pace: limit at " << clockText(report.forecast->limitAt, context) << ", resets "
            << clockText(report.forecast->resetsAt, context) << '\n';
    }
    const MenuBarUsage menuBar = MenuBarUsage::from(report.snapshot);
    out << "Menu bar: " << (menuBar.utilization ? percentText(*menuBar.utilization) : QStringLiteral("--")) << " ("
        << severityName(menuBar.severity()) << ")\n";
    if (report.source == StatusReport::Source::claude) {
        out << "Source: claude usage report\n";
    } else {
        out << "Source: engine state file " << report.statePath;
        if (!report.issues.isEmpty())
            out << " (" << report.issues.join(QStringLiteral("; ")) << ')';
        out << '\n';
    }
}

QJsonValue jsonPercent(double utilization)
{
    return std::isfinite(utilization) ? QJsonValue(utilization) : QJsonValue(QJsonValue::Null);
}

void printJsonReport(const StatusReport &report, const CommandContext &context, QTextStream &out)
{
    QJsonArray limits;
    std::optional<QDateTime> fetchedAt;
    if (report.snapshot) {
        for (const auto &row : limitRows(*report.snapshot, context)) {
            limits.append(QJsonObject{
                {QStringLiteral("kind"), rawValue(row.limit.kind())},
                {QStringLiteral("model"), row.limit.model() ? QJsonValue(*row.limit.model()) : QJsonValue::Null},
                {QStringLiteral("label"), row.label},
                {QStringLiteral("used_percent"), jsonPercent(row.limit.utilization())},
                {QStringLiteral("resets_at"), jsonTime(row.limit.resetsAt())},
            });
        }
        fetchedAt = latestConfirmation(*report.snapshot);
    }
    const MenuBarUsage menuBar = MenuBarUsage::from(report.snapshot);
    QJsonValue source = QJsonValue::Null;
    if (report.source)
        source = *report.source == StatusReport::Source::claude ? QStringLiteral("claude") : QStringLiteral("state_file");
    printJson(out, QJsonObject{
        {QStringLiteral("source"), source},
        {QStringLiteral("state_file"), report.statePath},
        {QStringLiteral("fetched_at"), jsonTime(fetchedAt)},
        {QStringLiteral("limits"), limits},
        {QStringLiteral("tray"), QJsonObject{
            {QStringLiteral("used_percent"), menuBar.utilization ? jsonPercent(*menuBar.utilization) : QJsonValue::Null},
            {QStringLiteral("severity"), severityName(menuBar.severity())},
        }},
        {QStringLiteral("forecast"), report.forecast ? QJsonValue(QJsonObject{
                                         {QStringLiteral("limit_at"), jsonTime(report.forecast->limitAt)},
                                         {QStringLiteral("resets_at"), jsonTime(report.forecast->resetsAt)},
                                         {QStringLiteral("percent_per_hour"), report.forecast->percentPerHour},
                                     })
                                                     : QJsonValue::Null},
        {QStringLiteral("issues"), QJsonArray::fromStringList(report.issues)},
    });
}

// The fields a --format template may name, for the report at hand.
QHash<QString, QString> formatFields(const StatusReport &report, const CommandContext &context)
{
    const QString unknown = QStringLiteral("--");
    const auto figure = [&](const std::optional<UsageWindow> &window) {
        return window && std::isfinite(window->utilization) ? QString::number(std::round(window->utilization), 'f', 0) : unknown;
    };
    const auto clock = [&](const std::optional<UsageWindow> &window) {
        return window ? clockText(window->resetsAt, context) : unknown;
    };
    const auto fiveHour = report.snapshot ? report.snapshot->fiveHour() : std::nullopt;
    const auto week = report.snapshot ? report.snapshot->weeklyAll() : std::nullopt;
    const MenuBarUsage menuBar = MenuBarUsage::from(report.snapshot);
    QString source = unknown;
    if (report.source)
        source = *report.source == StatusReport::Source::claude ? QStringLiteral("claude") : QStringLiteral("state");
    return {
        {QStringLiteral("five_hour"), figure(fiveHour)},
        {QStringLiteral("week"), figure(week)},
        {QStringLiteral("tray"), menuBar.utilization && std::isfinite(*menuBar.utilization)
                                     ? QString::number(std::round(*menuBar.utilization), 'f', 0) : unknown},
        {QStringLiteral("five_hour_reset"), clock(fiveHour)},
        {QStringLiteral("week_reset"), clock(week)},
        {QStringLiteral("severity"), severityName(menuBar.severity())},
        {QStringLiteral("source"), source},
        {QStringLiteral("limit_at"), report.forecast ? clockText(report.forecast->limitAt, context) : unknown},
    };
}

// Fills in "{name}" fields; "{{" and "}}" are literal braces. An unknown or
// unclosed field is an error, so a typo shows at once instead of in the bar.
std::expected<QString, QString> fillTemplate(const QString &pattern, const QHash<QString, QString> &fields)
{
    QString filled;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if ((c == u'{' || c == u'}') && pattern.mid(i + 1, 1) == c) {
            filled += c;
            ++i;
        } else if (c == u'{') {
            const qsizetype close = pattern.indexOf(u'}', i + 1);
            const QString name = close < 0 ? QString() : pattern.mid(i + 1, close - i - 1);
            if (!fields.contains(name))
                return std::unexpected(close < 0 ? QStringLiteral("unclosed '{'") : QStringLiteral("unknown field '{%1}'").arg(name));
            filled += fields.value(name);
            i = close;
        } else if (c == u'}') {
            return std::unexpected(QStringLiteral("unmatched '}'"));
        } else {
            filled += c;
        }
    }
    return filled;
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
    parser.addOption(jsonOption());
    parser.addOption(QCommandLineOption(QStringLiteral("format"), QStringLiteral("A template for status bars."),
                                        QStringLiteral("template")));
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
    const bool json = parser.isSet(QStringLiteral("json"));
    const std::optional<QString> format =
        parser.isSet(QStringLiteral("format")) ? std::optional(parser.value(QStringLiteral("format"))) : std::nullopt;
    if (json && format) {
        err << "pacewisectl status: --json and --format cannot be used together\n";
        return usageError;
    }
    // A broken template is reported before claude is asked for anything.
    if (format) {
        if (const auto checked = fillTemplate(*format, formatFields({}, context)); !checked) {
            err << "pacewisectl status: --format: " << checked.error() << "; see 'pacewisectl status --help'\n";
            return usageError;
        }
    }

    StatusReport report{.statePath = context.engineStatePath};
    const AccountIdentity accountIdentity(context.claudePaths.accountFile());
    if (source != u"state") {
        const UsageCLI usageCli({.resolver = context.resolver,
                                 .runner = context.runner,
                                 .accountIdentity = accountIdentity,
                                 .environment = context.environment,
                                 .now = [&context] { return context.now; },
                                 .timeZone = [&context] { return context.timeZone; },
                                 .timeoutSeconds = timeout});
        if (const auto snapshot = usageCli.fetch()) {
            feedTheGuard(*snapshot, context);
            report.snapshot = *snapshot;
            report.source = StatusReport::Source::claude;
        } else {
            qCDebug(lcCli) << "usage report unusable, kind" << int(snapshot.error().kind);
            report.issues << QStringLiteral("claude: ") + usageErrorText(snapshot.error());
        }
    }
    if (!report.snapshot && source != u"cli") {
        const EngineStateReader reader(context.engineStatePath, accountIdentity);
        if (const auto snapshot = reader.readExplained(context.now)) {
            report.snapshot = *snapshot;
            report.source = StatusReport::Source::stateFile;
        } else {
            qCDebug(lcCli) << "engine state unusable, kind" << int(snapshot.error().kind);
            report.issues << reasonText(snapshot.error(), context.engineStatePath);
        }
    }

    if (report.snapshot) {
        const UsageHistory history(context.usageHistoryPath);
        const auto sample = UsageSample::fromSnapshot(*report.snapshot, context.now);
        report.forecast = UsageForecast::from(sample ? history.record(*sample) : history.samples(), context.now);
    }

    if (json)
        printJsonReport(report, context, out);
    else if (format)
        out << *fillTemplate(*format, formatFields(report, context)) << '\n';
    else
        printText(report, context, out);
    return report.snapshot ? success : noUsageData;
}

} // namespace pacewise::cli
