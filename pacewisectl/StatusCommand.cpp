#include "StatusCommand.h"

#include "claude/ClaudeErrorText.h"
#include "CommandLine.h"
#include "ExitCode.h"
#include "UsageFigures.h"
#include "JsonOutput.h"
#include "system/DisplayText.h"
#include "system/ErrorText.h"
#include "system/Logging.h"
#include "usage/EngineStateReader.h"
#include "usage/MenuBarUsage.h"
#include "usage/StateWriter.h"
#include "usage/UsageCLI.h"
#include "usage/UsageHistory.h"
#include "usage/UsageLimitRowBuilder.h"
#include "usage/UsagePollPolicy.h"
#include "usage/UsageResetFormatter.h"

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
reset time in the local time zone and how long until then ("not started"
for a window that has reset and not begun again), whether the account runs
on extra usage, when the figures were confirmed, when the 5-hour window runs
out at the pace of the last hour (if before its reset), the figure the tray
shows and its severity (normal, warning from 80 %, critical from 98 % of the
worst window), and where the figures came from.
Each figure shown is kept in ~/.local/state/pacewise/usage-history.json for
the pace.

Options:
  --source auto    use the figures Claude Code's status line confirmed
                   within the poll interval, else ask claude's usage
                   report, else read the engine state file (the default)
  --source cli     only ask claude (runs `claude -p "/usage limits"`, which
                   costs no model turn)
  --source state   only read the engine state file
  --timeout N      wait at most N seconds for claude (default 30)
  --json           print one JSON object (see docs/json.md)
  --format T       print T with these fields filled in, for status bars:
                   {five_hour} {week} {tray} (percentages without the % sign),
                   {five_hour_reset} (local HH:MM), {week_reset} (weekday and
                   HH:MM), {five_hour_reset_in} {week_reset_in} (time left,
                   "2 h 01 min"), {severity}, {source}, {limit_at} (when the
                   5-hour window runs out at the recent pace, if before its
                   reset), {age} (how long ago the figures were confirmed,
                   "3 min"), {stale} ("stale" once they are older than they
                   are good for, else nothing); a reset field of a window
                   that has not started says "not started", "--" stands for
                   a figure that is not known, '{{' and '}}' for braces.
                   Example: --format '5h {five_hour}% · week {week}%{stale}'

Figures from claude's usage report are merged into the engine state file,
where the Endrun guard and status bars read them. Figures are stale once
they are older than the poll interval they call for (1 min near a limit,
5 min from 30 %, 20 min below) and a minute more.

Exit status: 0 usage shown, 2 bad arguments, 3 no usage data (the reason is
printed), 5 usage shown but stale (a status bar can grey it).
)";

const QString notStarted = QStringLiteral("not started");

QString percentText(double utilization)
{
    if (!std::isfinite(utilization))
        return QStringLiteral("--");
    return QString::number(std::round(utilization), 'f', 0) + QLatin1Char('%');
}

// Time left until a reset, to the minute: "42 min", "2 h 01 min", "3 d 4 h".
QString timeLeftText(qint64 seconds)
{
    const qint64 minutes = std::max<qint64>(0, seconds) / 60;
    if (minutes < 60)
        return QStringLiteral("%1 min").arg(minutes);
    if (minutes < 24 * 60)
        return QStringLiteral("%1 h %2 min").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1 d %2 h").arg(minutes / (24 * 60)).arg(minutes / 60 % 24);
}

QList<UsageLimitRowModel> limitRows(const UsageSnapshot &snapshot, const CommandContext &context)
{
    return UsageLimitRowBuilder::rows(
        snapshot, QStringLiteral("5 hours"), QStringLiteral("Week"),
        [](const QString &model) { return QStringLiteral("Week (%1)").arg(model.trimmed()); }, context.locale,
        context.timeZone);
}

// What status found, whichever way it is printed. The snapshot is the one
// as it stands at now: windows whose reset has passed show as not started.
struct StatusReport {
    using Source = UsageFigures::Source;
    QDateTime now;
    std::optional<UsageSnapshot> snapshot = std::nullopt;
    std::optional<Source> source = std::nullopt;
    QString statePath = {};
    QStringList issues = {}; // why a source gave nothing
    std::optional<UsageForecast> forecast = std::nullopt;

    // When the figures were confirmed, and whether that is longer ago than
    // they are good for.
    std::optional<QDateTime> confirmedAt() const { return snapshot ? snapshot->latestConfirmation() : std::nullopt; }
    bool isStale() const
    {
        const auto confirmed = confirmedAt();
        return confirmed && UsagePollPolicy::isStale(*snapshot, *confirmed, now);
    }
};

QJsonValue ageSeconds(const std::optional<QDateTime> &confirmedAt, const QDateTime &now)
{
    return confirmedAt ? QJsonValue(std::max<qint64>(0, confirmedAt->secsTo(now))) : QJsonValue(QJsonValue::Null);
}

QString clockText(const QDateTime &instant, const CommandContext &context)
{
    return instant.toTimeZone(context.timeZone).toString(QStringLiteral("HH:mm"));
}

QString resetText(const UsageLimitRowModel &row, const StatusReport &report)
{
    if (!row.limit.window().hasStarted())
        return notStarted;
    return QStringLiteral("resets %1, in %2").arg(row.resetText, timeLeftText(report.now.secsTo(row.limit.resetsAt())));
}

void printText(const StatusReport &report, const CommandContext &context, QTextStream &out)
{
    if (!report.snapshot) {
        out << "no usage data: " << terminalText(report.issues.join(QStringLiteral("; "))) << '\n';
        return;
    }
    const auto rows = limitRows(*report.snapshot, context);
    qsizetype labelWidth = 0;
    for (const auto &row : rows)
        labelWidth = std::max(labelWidth, row.label.size());
    for (const auto &row : rows) {
        out << row.label.leftJustified(labelWidth) << "  " << percentText(row.limit.utilization()).rightJustified(4)
            << "  " << resetText(row, report) << '\n';
    }
    if (report.snapshot->usingOverage())
        out << "Overage: in use; Claude Code runs on extra usage until the exhausted limit resets\n";
    if (const auto confirmedAt = report.confirmedAt()) {
        const QString age = durationText(std::max<qint64>(0, confirmedAt->secsTo(report.now)));
        out << "Updated: " << age << " ago";
        if (report.isStale())
            out << " (" << age << " old: stale, nothing has confirmed these figures since)";
        out << '\n';
    }

    if (report.forecast) {
        out << "At this pace: limit at " << clockText(report.forecast->limitAt, context) << ", resets "
            << clockText(report.forecast->resetsAt, context) << '\n';
    }
    const MenuBarUsage tray = MenuBarUsage::from(report.snapshot);
    out << "Tray: " << (tray.utilization ? percentText(*tray.utilization) : QStringLiteral("--")) << " ("
        << severityName(tray.severity()) << ")\n";
    if (report.source == StatusReport::Source::claude) {
        out << "Source: claude usage report\n";
    } else {
        out << "Source: engine state file " << report.statePath;
        if (!report.issues.isEmpty())
            out << " (" << terminalText(report.issues.join(QStringLiteral("; "))) << ')';
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
    if (report.snapshot) {
        for (const auto &row : limitRows(*report.snapshot, context)) {
            const bool started = row.limit.window().hasStarted();
            limits.append(QJsonObject{
                {QStringLiteral("kind"), rawValue(row.limit.kind())},
                {QStringLiteral("model"), row.limit.model() ? QJsonValue(*row.limit.model()) : QJsonValue::Null},
                {QStringLiteral("label"), row.label},
                {QStringLiteral("used_percent"), jsonPercent(row.limit.utilization())},
                {QStringLiteral("started"), started},
                {QStringLiteral("resets_at"), started ? jsonTime(row.limit.resetsAt()) : QJsonValue::Null},
                {QStringLiteral("resets_in_seconds"),
                 started ? QJsonValue(std::max<qint64>(0, report.now.secsTo(row.limit.resetsAt()))) : QJsonValue::Null},
                {QStringLiteral("confirmed_at"), jsonTime(row.limit.confirmedAt())},
                {QStringLiteral("age_seconds"), ageSeconds(row.limit.confirmedAt(), report.now)},
            });
        }
    }
    const MenuBarUsage menuBar = MenuBarUsage::from(report.snapshot);
    QJsonValue source = QJsonValue::Null;
    if (report.source)
        source = *report.source == StatusReport::Source::claude ? QStringLiteral("claude") : QStringLiteral("state_file");
    printJson(out, QJsonObject{
        {QStringLiteral("source"), source},
        {QStringLiteral("state_file"), report.statePath},
        {QStringLiteral("confirmed_at"), jsonTime(report.confirmedAt())},
        {QStringLiteral("age_seconds"), ageSeconds(report.confirmedAt(), report.now)},
        {QStringLiteral("stale"), report.isStale()},
        {QStringLiteral("limits"), limits},
        {QStringLiteral("overage"), report.snapshot && report.snapshot->usingOverage()},
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
    const auto reset = [&](const std::optional<UsageWindow> &window, bool withWeekday) {
        if (!window)
            return unknown;
        if (!window->hasStarted())
            return notStarted;
        return UsageResetFormatter::string(window->resetsAt, withWeekday, context.locale, context.timeZone);
    };
    const auto timeLeft = [&](const std::optional<UsageWindow> &window) {
        if (!window)
            return unknown;
        return window->hasStarted() ? timeLeftText(report.now.secsTo(window->resetsAt)) : notStarted;
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
        {QStringLiteral("five_hour_reset"), reset(fiveHour, false)},
        {QStringLiteral("week_reset"), reset(week, true)},
        {QStringLiteral("five_hour_reset_in"), timeLeft(fiveHour)},
        {QStringLiteral("week_reset_in"), timeLeft(week)},
        {QStringLiteral("severity"), severityName(menuBar.severity())},
        {QStringLiteral("source"), source},
        {QStringLiteral("limit_at"), report.forecast ? clockText(report.forecast->limitAt, context) : unknown},
        {QStringLiteral("age"), report.confirmedAt() ? durationText(std::max<qint64>(0, report.confirmedAt()->secsTo(report.now)))
                                                     : unknown},
        {QStringLiteral("stale"), report.isStale() ? QStringLiteral("stale") : QString()},
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

    const UsageFigures figures = UsageFigures::fetch(context,
                                                     source == u"cli"     ? UsageFigures::Ask::claudeOnly
                                                     : source == u"state" ? UsageFigures::Ask::stateFileOnly
                                                                          : UsageFigures::Ask::automatic,
                                                     timeout);
    StatusReport report{.now = figures.now, .snapshot = figures.snapshot, .source = figures.source,
                        .statePath = context.engineStatePath, .issues = figures.issues};
    if (report.snapshot) {
        const UsageHistory history(context.usageHistoryPath);
        const auto sample = UsageSample::fromSnapshot(*report.snapshot, report.now);
        report.forecast = UsageForecast::from(sample ? history.record(*sample) : history.samples(), report.now);
        report.snapshot = report.snapshot->asOf(report.now);
    }

    if (json)
        printJsonReport(report, context, out);
    else if (format)
        out << *fillTemplate(*format, formatFields(report, context)) << '\n';
    else
        printText(report, context, out);
    if (!report.snapshot)
        return noUsageData;
    return report.isStale() ? staleUsageData : success;
}

} // namespace pacewise::cli
