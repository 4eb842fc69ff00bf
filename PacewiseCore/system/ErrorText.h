#pragma once

#include <QString>

namespace pacewise {

// The operating system's description of an errno value.
QString systemErrorText(int errorNumber);

// The first line of a child's output, trimmed and cut to 200 characters, for
// one-line messages.
QString firstLine(const QString &text);

} // namespace pacewise
