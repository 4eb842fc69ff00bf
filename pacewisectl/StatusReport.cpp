#include "StatusReport.h"

#include "JsonOutput.h"
#include "system/DisplayText.h"
#include "usage/TrayUsage.h"
#include "usage/UsageHistory.h"
#include "usage/UsageLimitRowBuilder.h"
#include "usage/UsagePollPolicy.h"
#include "usage/UsageResetFormatter.h"

#include <QJsonArray>

#include <cmath>

namespace pacewise::cli {

namespace {

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

QJsonValue jsonPercent(double utilization)
{
    return std::isfinite(utilization) ? QJsonValue(utilization) : QJsonValue(QJsonValue::Null);
}

} // namespace

StatusReport StatusReport::from(const UsageFigures &figures, const CommandContext &context)
{
    StatusReport report{.now = figures.takenAt, .snapshot = figures.snapshot, .source = figures.source,
                        .statePath = context.engineStatePath, .issues = usageIssueTexts(figures, context.engineStatePath)};
    if (report.snapshot) {
        const UsageHistory history(context.usageHistoryPath);
        const auto sample = UsageSample::fromSnapshot(*report.snapshot, report.now);
        report.forecast = UsageForecast::from(sample ? history.record(*sample) : history.samples(), report.now);
        report.snapshot = report.snapshot->asOf(report.now);
    }
    return report;
}

std::optional<QDateTime> StatusReport::confirmedAt() const
{
    return snapshot ? snapshot->latestConfirmation() : std::nullopt;
}

bool StatusReport::isStale() const
{
    const auto confirmed = confirmedAt();
    return confirmed && UsagePollPolicy::isStale(*snapshot, *confirmed, now);
}

int StatusReport::exitCode() const
{
    if (!snapshot)
        return noUsageData;
    return isStale() ? staleUsageData : success;
}

void StatusReport::printText(const CommandContext &context, QTextStream &out) const
{
    const StatusReport &report = *this;
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
    const TrayUsage tray = TrayUsage::from(report.snapshot);
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

void StatusReport::printJson(const CommandContext &context, QTextStream &out) const
{
    const StatusReport &report = *this;
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
    const TrayUsage trayUsage = TrayUsage::from(report.snapshot);
    QJsonValue source = QJsonValue::Null;
    if (report.source)
        source = *report.source == StatusReport::Source::claude ? QStringLiteral("claude") : QStringLiteral("state_file");
    pacewise::cli::printJson(out, QJsonObject{
        {QStringLiteral("source"), source},
        {QStringLiteral("state_file"), report.statePath},
        {QStringLiteral("confirmed_at"), jsonTime(report.confirmedAt())},
        {QStringLiteral("age_seconds"), ageSeconds(report.confirmedAt(), report.now)},
        {QStringLiteral("stale"), report.isStale()},
        {QStringLiteral("limits"), limits},
        {QStringLiteral("overage"), report.snapshot && report.snapshot->usingOverage()},
        {QStringLiteral("tray"), QJsonObject{
            {QStringLiteral("used_percent"), trayUsage.utilization ? jsonPercent(*trayUsage.utilization) : QJsonValue::Null},
            {QStringLiteral("severity"), severityName(trayUsage.severity())},
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

QHash<QString, QString> StatusReport::formatFields(const CommandContext &context) const
{
    const StatusReport &report = *this;
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
    const TrayUsage trayUsage = TrayUsage::from(report.snapshot);
    QString source = unknown;
    if (report.source)
        source = *report.source == StatusReport::Source::claude ? QStringLiteral("claude") : QStringLiteral("state");
    return {
        {QStringLiteral("five_hour"), figure(fiveHour)},
        {QStringLiteral("week"), figure(week)},
        {QStringLiteral("tray"), trayUsage.utilization && std::isfinite(*trayUsage.utilization)
                                     ? QString::number(std::round(*trayUsage.utilization), 'f', 0) : unknown},
        {QStringLiteral("five_hour_reset"), reset(fiveHour, false)},
        {QStringLiteral("week_reset"), reset(week, true)},
        {QStringLiteral("five_hour_reset_in"), timeLeft(fiveHour)},
        {QStringLiteral("week_reset_in"), timeLeft(week)},
        {QStringLiteral("severity"), severityName(trayUsage.severity())},
        {QStringLiteral("source"), source},
        {QStringLiteral("limit_at"), report.forecast ? clockText(report.forecast->limitAt, context) : unknown},
        {QStringLiteral("age"), report.confirmedAt() ? durationText(std::max<qint64>(0, report.confirmedAt()->secsTo(report.now)))
                                                     : unknown},
        {QStringLiteral("stale"), report.isStale() ? QStringLiteral("stale") : QString()},
    };
}

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


} // namespace pacewise::cli
