#pragma once

#include "UsageSnapshot.h"

#include <QLocale>
#include <QTimeZone>

#include <functional>

namespace pacewise {

struct UsageLimitRowModel {
    UsageLimit limit;
    QString label;
    QString resetText; // empty for a window that has not started

    bool operator==(const UsageLimitRowModel &) const = default;
};

namespace UsageLimitRowBuilder {

// One row per limit in snapshot order, nothing sorted or filtered out; the
// caller supplies the (localised) labels.
QList<UsageLimitRowModel> rows(const std::optional<UsageSnapshot> &snapshot, const QString &fiveHourLabel,
                               const QString &weeklyAllLabel,
                               const std::function<QString(const QString &model)> &weeklyModelLabel,
                               const QLocale &locale, const QTimeZone &timeZone);

} // namespace UsageLimitRowBuilder

} // namespace pacewise
