#pragma once

#include "CommandContext.h"

#include <QStringList>
#include <QTextStream>

namespace pacewise::cli {

// `pacewisectl daemon`: polls, keeps the engine state fresh and continues
// paused sessions, in the foreground until SIGTERM or SIGINT.
int runDaemon(const QStringList &arguments, const CommandContext &context, QTextStream &out, QTextStream &err);

} // namespace pacewise::cli
