#pragma once

#include "claude/CLIPathResolver.h"
#include "claude/ClaudePaths.h"
#include "system/ScriptRunning.h"

#include <QDateTime>
#include <QLocale>
#include <QProcessEnvironment>
#include <QTimeZone>

#include <functional>
#include <memory>

namespace pacewise::cli {

// Everything a command reads from the world, built once in main.
struct CommandContext {
    QProcessEnvironment environment;
    QString homeDirectory;
    ClaudePaths claudePaths;
    QString engineStatePath;
    QString usageHistoryPath;
    std::function<QDateTime()> clock;
    QLocale locale; // the text output's: English whatever the system's

    QTimeZone timeZone;
    std::shared_ptr<CLIPathResolving> resolver;
    std::shared_ptr<const ScriptRunning> runner;
};


} // namespace pacewise::cli
