#pragma once

#include "CommandContext.h"
#include "ExitCode.h"
#include "CommandUsage.h"
#include "usage/UsageForecast.h"

#include <QHash>
#include <QTextStream>

#include <expected>

namespace pacewise::cli {

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

    // The figures as they stand at their now, with the pace of the usage
    // history (which records them) for the forecast.
    static StatusReport from(const UsageFigures &figures, const CommandContext &context);

    // When the figures were confirmed, and whether that is longer ago than
    // they are good for.
    std::optional<QDateTime> confirmedAt() const;
    bool isStale() const;
    // success, staleUsageData or noUsageData.
    int exitCode() const;

    void printText(const CommandContext &context, QTextStream &out) const;
    void printJson(const CommandContext &context, QTextStream &out) const;
    // The fields a --format template may name.
    QHash<QString, QString> formatFields(const CommandContext &context) const;
};

// Fills in "{name}" fields; "{{" and "}}" are literal braces. An unknown or
// unclosed field is an error, so a typo shows at once instead of in the bar.
std::expected<QString, QString> fillTemplate(const QString &pattern, const QHash<QString, QString> &fields);

} // namespace pacewise::cli
