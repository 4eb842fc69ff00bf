#pragma once

#include <QString>

namespace pacewise {

// Text from files other programs wrote (transcript titles, directories,
// claude's messages) shown to the user. Control characters (line breaks,
// ESC, BEL, C1 controls) and the marks that reorder text (bidirectional
// overrides and isolates) could forge lines, clear a terminal or write its
// clipboard, or make one title read as another.

// For windows and notifications: each such character becomes a blank.
QString displayText(const QString &text);

// For a terminal: each is shown escaped ("\e", "\n", "\u202e"), so that
// nothing is hidden either.
QString terminalText(const QString &text);

} // namespace pacewise
