#pragma once

#include "claude/ClaudePaths.h"

#include <QDateTime>
#include <QLocale>
#include <QStringList>
#include <QTextStream>
#include <QTimeZone>

namespace pacewise::cli {

struct StatusContext {
    ClaudePaths claudePaths;
    QString engineStatePath;
    QDateTime now;
    QLocale locale;
    QTimeZone timeZone;
};

// `pacewisectl status`: the current usage from the engine state file.
int runStatus(const QStringList &arguments, const StatusContext &context, QTextStream &out, QTextStream &err);

} // namespace pacewise::cli
