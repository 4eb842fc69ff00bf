#pragma once

#include "CommandContext.h"

#include <QStringList>
#include <QTextStream>

namespace pacewise::cli {

// `pacewisectl notifications on|off [kind]|status`: which desktop
// notifications the running Pacewise shows.
int runNotifications(const QStringList &arguments, const CommandContext &context, QTextStream &out, QTextStream &err);

} // namespace pacewise::cli
