#pragma once

#include <QString>
#include <QStringList>

namespace pacewise::UIStrings {

// Every user-visible text is looked up by a dotted key with its English
// text beside it; a catalogue without the key (or none loaded at all) shows
// the English text, never the key.
QString text(const char *key, const char *english);

// The same for a format with Qt's placeholders, "%1" to "%9", filled with
// QString::arg in one pass, so an argument's own text is never taken for a
// placeholder. A "%" not followed by a digit is a percent sign.
QString format(const char *key, const char *english, const QStringList &arguments);

// A text about a count: "%n" is the count, and the table gives each of the
// language's plural forms; without a table, the English one or other.
QString count(const char *key, const char *englishOne, const char *englishOther, int n);

// A whole percentage as the tables write it ("42%"), rounded half away from
// zero. A figure beyond any real one (1e308 from a damaged file) would
// overflow the rounding, so it is capped at ±999; one that is not a number
// shows the placeholder "—%".
QString percent(double utilization);

// How long ago figures came, as the panel and the set-up check say it:
// "updated 42s ago", "updated 5m ago", "updated 2h ago".
QString updatedAgo(qint64 seconds);

} // namespace pacewise::UIStrings
