#pragma once

#include <QLoggingCategory>
#include <QString>

namespace pacewise {

// Categories are named "pacewise.<component>" so that
// QT_LOGGING_RULES="pacewise.*.debug=true" turns on everything of ours.
Q_DECLARE_LOGGING_CATEGORY(lcCli)
Q_DECLARE_LOGGING_CATEGORY(lcGuard)

// True when PACEWISE_LOG_PRIVATE=1 was set when the process started.
bool privateLoggingEnabled();

// Error texts, durations and account identifiers may reveal what the user is
// working on; they reach the log only when the user asked for it.
QString privateText(const QString &value, bool reveal = privateLoggingEnabled());

// A reason worth reading in the log ("No conversation found with session
// ID: …", "claude was not found") with what in it is private taken out:
// paths and e-mail addresses become "<path>" and "<e-mail>", unless the
// user asked for private logging.
QString scrubbedText(const QString &reason, bool reveal = privateLoggingEnabled());

} // namespace pacewise
