#pragma once

#include "CommandContext.h"
#include "usage/UsageFigures.h"

#include <QStringList>

namespace pacewise::cli {

// The usage figures a command decides on or shows, taken as the tray takes
// them; claude is given timeoutSeconds where the user set one.
UsageFigures fetchUsageFigures(const CommandContext &context, UsageFigures::Ask ask, std::optional<double> timeoutSeconds);

// Why each source gave nothing, in the command line's words.
QStringList usageIssueTexts(const UsageFigures &figures, const QString &statePath);

// "12 s", "5 min", "2 h": how long ago, roughly.
QString durationText(qint64 seconds);

} // namespace pacewise::cli
