#pragma once

#include "CommandContext.h"

#include <QStringList>
#include <QTextStream>

namespace pacewise::cli {

// `pacewisectl doctor`: checks everything Pacewise needs, one line each,
// with the fix for whatever is wrong.
int runDoctor(const QStringList &arguments, const CommandContext &context, QTextStream &out, QTextStream &err);

} // namespace pacewise::cli
