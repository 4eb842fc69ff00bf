#pragma once

#include "CommandContext.h"

#include <QStringList>
#include <QTextStream>

namespace pacewise::cli {

// `pacewisectl guard on|off|status|reinstall`: the Endrun guard.
int runGuard(const QStringList &arguments, const CommandContext &context, QTextStream &out, QTextStream &err);

} // namespace pacewise::cli
