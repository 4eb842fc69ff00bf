#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace pacewise {

// One rolling usage window. utilization is in percent and not clamped: it may
// exceed 100, and a source delivering garbage may make it non-finite.
// A window without a reset time has not started: nothing has been used in
// it since the last one ended, and it starts with the next message.
// Claude Code's status line gives a reset to the second; its usage report
// names only the minute, stored as the end of that minute (the reset is
// never earlier than the time kept) and marked approximate.
struct UsageWindow {
    double utilization = 0;
    QDateTime resetsAt;
    bool resetIsApproximate = false;

    bool hasStarted() const { return resetsAt.isValid(); }
    bool operator==(const UsageWindow &) const = default;
};

enum class UsageLimitKind {
    fiveHour,    // the rolling 5-hour session window
    weeklyAll,   // the weekly window over all models
    weeklyModel, // a weekly window for one named model
};

// Two resets of one kind of limit name the same window when they are less
// than this apart. The report's minute may lie on either side of the
// second-exact reset (17:01:59 is reported as "5:02pm"), and stored as the
// end of its minute it can be up to two minutes from it; two windows of one
// kind never reset within minutes of each other, the shortest lasting five
// hours.
inline constexpr qint64 sameWindowResetToleranceSeconds = 120;
bool isSameWindowReset(const QDateTime &a, const QDateTime &b);

// The raw values used in files: "five_hour", "weekly_all", "weekly_model".
QString rawValue(UsageLimitKind kind);
std::optional<UsageLimitKind> usageLimitKindFromRaw(QStringView raw);

class UsageLimit {
public:
    // Only weekly-model limits name a model; for every other kind the model
    // given here is dropped.
    UsageLimit(UsageLimitKind kind, std::optional<QString> model, UsageWindow window,
               std::optional<QDateTime> confirmedAt = std::nullopt);
    UsageLimit(UsageLimitKind kind, std::optional<QString> model, double utilization, QDateTime resetsAt,
               std::optional<QDateTime> confirmedAt = std::nullopt);

    UsageLimitKind kind() const { return m_kind; }
    const std::optional<QString> &model() const { return m_model; }
    const UsageWindow &window() const { return m_window; }
    // When the source last confirmed these figures, if it says.
    const std::optional<QDateTime> &confirmedAt() const { return m_confirmedAt; }

    double utilization() const { return m_window.utilization; }
    const QDateTime &resetsAt() const { return m_window.resetsAt; }

    bool operator==(const UsageLimit &) const = default;

private:
    UsageLimitKind m_kind;
    std::optional<QString> m_model;
    UsageWindow m_window;
    std::optional<QDateTime> m_confirmedAt;
};

} // namespace pacewise
