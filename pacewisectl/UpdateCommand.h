#pragma once

#include "CommandContext.h"

#include <QStringList>
#include <QTextStream>

namespace pacewise::cli {

// `pacewisectl update check`.
int runUpdate(const QStringList &arguments, const CommandContext &context, QTextStream &out, QTextStream &err);

} // namespace pacewise::cli
