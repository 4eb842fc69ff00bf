#pragma once

#include "UsageSnapshot.h"

#include <QObject>

#include <optional>

namespace pacewise {

// The figure shown next to the tray icon and the value that picks its colour:
// the 5-hour figure is printed, but the colour follows the worst window.
struct TrayUsage {
    Q_GADGET

public:
    enum class Severity { noData, normal, warning, critical };
    Q_ENUM(Severity)

    std::optional<double> utilization;
    std::optional<double> severityUtilization;

    static TrayUsage from(const std::optional<UsageSnapshot> &snapshot);

    Severity severity() const;
    static Severity severityOf(double utilization);

    bool operator==(const TrayUsage &) const = default;
};

// "none", "normal", "warning", "critical": for logs, the command line and its JSON.
QString severityName(TrayUsage::Severity severity);

} // namespace pacewise
