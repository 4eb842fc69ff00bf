#pragma once

#include "CommandContext.h"

#include <QStringList>
#include <QTextStream>

namespace pacewise::cli {

// `pacewisectl autostart on|off|status`: start Pacewise at login.
int runAutostart(const QStringList &arguments, const CommandContext &context, QTextStream &out, QTextStream &err);

} // namespace pacewise::cli
