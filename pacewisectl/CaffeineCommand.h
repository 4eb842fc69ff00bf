#pragma once

#include "CommandContext.h"

#include <QStringList>
#include <QTextStream>

namespace pacewise::cli {

// `pacewisectl caffeine on|off|status`: keep-awake, held by the running
// Pacewise, which is asked over the session bus.
int runCaffeine(const QStringList &arguments, const CommandContext &context, QTextStream &out, QTextStream &err);

} // namespace pacewise::cli
