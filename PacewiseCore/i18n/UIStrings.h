#pragma once

#include <QString>
#include <QStringList>

namespace pacewise::UIStrings {

// Every user-visible text is looked up by a dotted key with its English
// text beside it; a catalogue without the key (or none loaded at all) shows
// the English text, never the key.
QString text(const char *key, const char *english);

// The same for a format with positional placeholders as the string tables
// write them: "%1$@" and "%1$d" take the first argument, "%%" is a percent
// sign. Filled in one pass, so an argument's own text is never taken for a
// placeholder; a placeholder without an argument stays as written.
QString format(const char *key, const char *english, const QStringList &arguments);

// A whole percentage as the tables write it ("42%"), rounded half away from
// zero. A figure beyond any real one (1e308 from a damaged file) would
// overflow the rounding, so it is capped at ±999; one that is not a number
// shows the placeholder "—%".
QString percent(double utilization);

} // namespace pacewise::UIStrings
