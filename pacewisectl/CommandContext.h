#pragma once

#include "claude/CLIPathResolver.h"
#include "claude/ClaudePaths.h"
#include "system/ScriptRunning.h"

#include <QDateTime>
#include <QLocale>
#include <QProcessEnvironment>
#include <QTimeZone>

#include <memory>

namespace pacewise::cli {

// Everything a command reads from the world, built once in main.
struct CommandContext {
    QProcessEnvironment environment;
    QString homeDirectory;
    ClaudePaths claudePaths;
    QString engineStatePath;
    QString usageHistoryPath;
    QDateTime now;
    QLocale locale;
    QTimeZone timeZone;
    std::shared_ptr<CLIPathResolving> resolver;
    std::shared_ptr<const ScriptRunning> runner;
};


} // namespace pacewise::cli
