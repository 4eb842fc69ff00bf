#pragma once

#include "UsageCLIError.h"
#include "UsageSnapshot.h"

#include <QDateTime>
#include <QTimeZone>

#include <expected>

namespace pacewise::UsageReportParser {

// Turns the text of Claude Code's usage report into a snapshot. Reads only
// the "Current session…" and "Current week…" rows, for example
//   Current session: 42% used · resets Dec 6, 10:42am (Europe/Berlin)
//   Current week (Sonnet only): 5% used · resets Dec 9, 8:37am (Europe/Berlin)
// A row without a reset clause ("Current session: 0% used"), or one whose
// reset has already come, is a window that has not started: a limit without
// a reset time. Resets given to the minute count from the end of that minute.
std::expected<UsageSnapshot, UsageCLIError> parse(const QString &text, const QDateTime &now,
                                                  const QTimeZone &defaultTimeZone);

// One row: its utilisation and reset instant; a window that has not started
// when the row names no reset or one already past.
std::expected<UsageWindow, UsageCLIError> parseWindow(const QString &line, const QDateTime &now,
                                                     const QTimeZone &defaultTimeZone);

// Rows longer than this are not report rows; they are skipped unread, which
// also keeps regular-expression work linear in the size of the output.
inline constexpr qsizetype maximumLineLength = 1024;

} // namespace pacewise::UsageReportParser
