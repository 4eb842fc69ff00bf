#pragma once

#include "CommandContext.h"

#include <QStringList>
#include <QTextStream>

namespace pacewise::cli {

// `pacewisectl resume list|now|dismiss`: sessions the guard paused.
int runResume(const QStringList &arguments, const CommandContext &context, QTextStream &out, QTextStream &err);

// `pacewisectl auto-continue on|off|status`.
int runAutoContinue(const QStringList &arguments, const CommandContext &context, QTextStream &out, QTextStream &err);

} // namespace pacewise::cli
