#include "UsageReportParser.h"

#include <QRegularExpression>

#include <cmath>

namespace pacewise::UsageReportParser {

namespace {

using Kind = UsageCLIError::Kind;

// The look-behind keeps the match from restarting inside every digit of a
// long run of digits, which would make the search quadratic.
const QRegularExpression usageFigure(QStringLiteral("(?<![0-9])([0-9]+)% used"));
const QRegularExpression sessionRow(QStringLiteral("^Current session"), QRegularExpression::CaseInsensitiveOption);
const QRegularExpression weekRow(QStringLiteral("^Current week"), QRegularExpression::CaseInsensitiveOption);
const QRegularExpression weekLabel(QStringLiteral("^Current week \\(([^)]+)\\)"), QRegularExpression::CaseInsensitiveOption);
const QRegularExpression anyReset(QStringLiteral("\\bresets\\b"), QRegularExpression::CaseInsensitiveOption);

// "resets in 2 hr 5 min"
const QRegularExpression relativeReset(QStringLiteral("resets in(?: ([0-9]{1,6}) hr)?(?: ([0-9]{1,6}) min)?"),
                                       QRegularExpression::CaseInsensitiveOption);
// "resets Mon 9am (Europe/Berlin)"
const QRegularExpression weekdayReset(
    QStringLiteral("resets ([A-Za-z]{3,9}) ([0-9]{1,2})(?::([0-9]{2}))?\\s{0,8}(am|pm)(?: \\(([^)]+)\\))?"),
    QRegularExpression::CaseInsensitiveOption);
// "Jan 3 at 9am (UTC)"
const QRegularExpression monthDayAtReset(
    QStringLiteral("([A-Za-z]{3}) ([0-9]{1,2}) at ([0-9]{1,2})(?::([0-9]{2}))?(am|pm) \\(([^)]+)\\)"),
    QRegularExpression::CaseInsensitiveOption);
// What claude prints in print mode: "resets Dec 6, 10:42am (Europe/Berlin)",
// "resets Jan 3, 2027, 9am (UTC)".
const QRegularExpression monthDayReset(
    QStringLiteral("resets ([A-Za-z]{3}) ([0-9]{1,2}),(?: ([0-9]{4}),)? ([0-9]{1,2})(?::([0-9]{2}))?\\s?(am|pm) \\(([^)]+)\\)"),
    QRegularExpression::CaseInsensitiveOption);

std::unexpected<UsageCLIError> invalidReset(const QString &line)
{
    return std::unexpected(UsageCLIError{.kind = Kind::invalidResetDate, .text = line});
}

// 12am is midnight, 12pm noon; nothing for hours outside 1-12 or minutes
// outside 0-59.
std::optional<QTime> clockTime(const QString &hourText, const QString &minuteText, const QString &meridiem)
{
    const int hour = hourText.toInt();
    const int minute = minuteText.isEmpty() ? 0 : minuteText.toInt();
    if (hour < 1 || hour > 12 || minute < 0 || minute > 59)
        return std::nullopt;
    return QTime((hour % 12) + (meridiem.compare(u"pm", Qt::CaseInsensitive) == 0 ? 12 : 0), minute);
}

std::optional<QTimeZone> zoneNamed(const QString &identifier, const QTimeZone &fallback)
{
    if (identifier.isEmpty())
        return fallback;
    const QTimeZone zone(identifier.toUtf8());
    return zone.isValid() ? std::optional(zone) : std::nullopt;
}

// The instant of a local date and time, only when that time exists there
// (not in a daylight-saving gap).
std::optional<QDateTime> localInstant(QDate date, QTime time, const QTimeZone &zone)
{
    if (!date.isValid())
        return std::nullopt;
    const QDateTime instant(date, time, zone);
    if (!instant.isValid() || instant.date() != date || instant.time() != time)
        return std::nullopt;
    return instant.toUTC();
}

int monthNumber(const QString &name)
{
    static const QStringList months{u"jan"_qs, u"feb"_qs, u"mar"_qs, u"apr"_qs, u"may"_qs, u"jun"_qs,
                                    u"jul"_qs, u"aug"_qs, u"sep"_qs, u"oct"_qs, u"nov"_qs, u"dec"_qs};
    return int(months.indexOf(name.toLower())) + 1; // 0 when unknown
}

std::expected<QDateTime, UsageCLIError> weekdayInstant(const QRegularExpressionMatch &match, const QString &line,
                                                       const QDateTime &now, const QTimeZone &defaultTimeZone)
{
    static const QStringList weekdays{u"sun"_qs, u"mon"_qs, u"tue"_qs, u"wed"_qs, u"thu"_qs, u"fri"_qs, u"sat"_qs};
    const int weekday = int(weekdays.indexOf(match.captured(1).left(3).toLower())) + 1; // Sunday = 1
    const auto time = clockTime(match.captured(2), match.captured(3), match.captured(4));
    const auto zone = zoneNamed(match.captured(5), defaultTimeZone);
    if (weekday == 0 || !time || !zone)
        return invalidReset(line);
    const QDate today = now.toTimeZone(*zone).date();
    const int todayWeekday = today.dayOfWeek() % 7 + 1;
    int daysAhead = (weekday - todayWeekday + 7) % 7;
    if (daysAhead == 0) {
        const auto candidate = localInstant(today, *time, *zone);
        if (!candidate || *candidate <= now)
            daysAhead = 7;
    }
    const auto reset = localInstant(today.addDays(daysAhead), *time, *zone);
    if (!reset || *reset <= now)
        return invalidReset(line);
    return *reset;
}

// A month and day without a year means this year, or next year when the
// report looks past New Year from late December.
std::expected<QDateTime, UsageCLIError> monthDayInstant(const QString &line, const QString &monthName,
                                                        const QString &dayText, const QString &yearText,
                                                        QTime time, const QString &zoneName, const QDateTime &now)
{
    const int month = monthNumber(monthName);
    const auto zone = zoneNamed(zoneName, QTimeZone());
    if (month == 0 || !zone)
        return invalidReset(line);
    const QDate localToday = now.toTimeZone(*zone).date();
    const int year = yearText.isEmpty() ? localToday.year() : yearText.toInt();
    auto reset = localInstant(QDate(year, month, dayText.toInt()), time, *zone);
    if (reset && *reset < now && yearText.isEmpty() && localToday.month() == 12 && month == 1)
        reset = localInstant(QDate(year + 1, month, dayText.toInt()), time, *zone);
    if (!reset)
        return invalidReset(line);
    return *reset;
}

// The report names resets to the minute; the window really ends somewhere
// in that minute, so it counts as reset only once the minute is over (a
// guard releasing at its start would run straight into the limit).
std::expected<QDateTime, UsageCLIError> endOfMinute(std::expected<QDateTime, UsageCLIError> minute)
{
    if (minute)
        *minute = minute->addSecs(59);
    return minute;
}

std::expected<QDateTime, UsageCLIError> resetInstant(const QString &line, const QDateTime &now,
                                                     const QTimeZone &defaultTimeZone)
{
    if (const auto match = relativeReset.match(line); match.hasMatch()) {
        const qint64 hours = match.captured(1).toLongLong();
        const qint64 minutes = match.captured(2).toLongLong();
        return now.addSecs(hours * 3600 + minutes * 60);
    }
    if (const auto match = weekdayReset.match(line); match.hasMatch())
        return endOfMinute(weekdayInstant(match, line, now, defaultTimeZone));
    if (const auto match = monthDayAtReset.match(line); match.hasMatch()) {
        const auto time = clockTime(match.captured(3), match.captured(4), match.captured(5));
        if (!time)
            return invalidReset(line);
        return endOfMinute(
            monthDayInstant(line, match.captured(1), match.captured(2), QString(), *time, match.captured(6), now));
    }
    if (const auto match = monthDayReset.match(line); match.hasMatch()) {
        const auto time = clockTime(match.captured(4), match.captured(5), match.captured(6));
        if (!time)
            return invalidReset(line);
        return endOfMinute(monthDayInstant(line, match.captured(1), match.captured(2), match.captured(3), *time,
                                           match.captured(7), now));
    }
    return invalidReset(line);
}

// "Sonnet only" in the report is the model the state file calls "Sonnet":
// one name whatever the source.
QString modelName(const QString &label)
{
    QString model = label.trimmed();
    if (model.endsWith(QLatin1String(" only"), Qt::CaseInsensitive))
        model.chop(5);
    return model.trimmed();
}

// "You are currently using your overages to power your Claude Code usage…"
bool reportsOverage(QStringView text)
{
    static const QRegularExpression overage(QStringLiteral("^\\s*You are currently using your (overages?|extra usage)\\b"),
                                            QRegularExpression::CaseInsensitiveOption);
    return overage.match(text.left(maximumLineLength)).hasMatch();
}

bool containsUsageFigure(const QString &text)
{
    return usageFigure.match(text).hasMatch();
}

} // namespace

std::expected<UsageWindow, UsageCLIError> parseWindow(const QString &line, const QDateTime &now,
                                                     const QTimeZone &defaultTimeZone)
{
    const auto figure = usageFigure.match(line);
    bool isNumber = false;
    const double utilization = figure.captured(1).toDouble(&isNumber);
    if (!figure.hasMatch() || !isNumber || !std::isfinite(utilization))
        return std::unexpected(UsageCLIError{.kind = Kind::malformedUsageLine, .text = line});
    if (!anyReset.match(line).hasMatch())
        return UsageWindow{.utilization = utilization, .resetsAt = {}};
    const auto reset = resetInstant(line, now, defaultTimeZone);
    if (!reset)
        return std::unexpected(reset.error());
    // A window whose reset has already come has not started again.
    if (*reset <= now)
        return UsageWindow{};
    return UsageWindow{.utilization = utilization, .resetsAt = *reset, .resetIsApproximate = true};
}

std::expected<UsageSnapshot, UsageCLIError> parse(const QString &text, const QDateTime &now,
                                                  const QTimeZone &defaultTimeZone)
{
    if (!containsUsageFigure(text))
        return std::unexpected(UsageCLIError{.kind = Kind::throttled});

    QList<UsageLimit> limits;
    std::optional<UsageCLIError> firstError;
    bool sessionSeen = false;
    bool weekSeen = false;
    for (const QStringView rawLine : QStringView(text).split(u'\n')) {
        if (rawLine.size() > maximumLineLength)
            continue;
        const QString line = rawLine.trimmed().toString();
        const bool isSession = sessionRow.match(line).hasMatch();
        const bool isWeek = !isSession && weekRow.match(line).hasMatch();
        if (!isSession && !isWeek)
            continue;
        (isSession ? sessionSeen : weekSeen) = true;

        const auto window = parseWindow(line, now, defaultTimeZone);
        if (!window) {
            if (!firstError)
                firstError = window.error();
            continue;
        }
        if (isSession) {
            limits.append(UsageLimit(UsageLimitKind::fiveHour, std::nullopt, *window, now));
            continue;
        }
        const QString label = weekLabel.match(line).captured(1);
        if (label.isEmpty() || label.compare(u"all models", Qt::CaseInsensitive) == 0)
            limits.append(UsageLimit(UsageLimitKind::weeklyAll, std::nullopt, *window, now));
        else
            limits.append(UsageLimit(UsageLimitKind::weeklyModel, modelName(label), *window, now));
    }

    const auto missing = [](const char *window) {
        return std::unexpected(UsageCLIError{.kind = Kind::missingWindow, .text = QString::fromLatin1(window)});
    };
    if (firstError && (limits.isEmpty() || !sessionSeen || !weekSeen))
        return std::unexpected(*firstError);
    if (!sessionSeen)
        return missing("Current session");
    if (!weekSeen)
        return missing("Current week");
    return UsageSnapshot(std::move(limits), std::nullopt, reportsOverage(text));
}

} // namespace pacewise::UsageReportParser
