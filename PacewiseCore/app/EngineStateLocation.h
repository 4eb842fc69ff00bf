#pragma once

#include "claude/ClaudePaths.h"

#include <QProcessEnvironment>
#include <QSettings>
#include <QString>

namespace pacewise {

// The engine state file the application reads and may write back:
// PACEWISE_STATE_PATH when set, else the "statePath" setting when non-empty,
// else the file in Claude Code's configuration directory.
QString engineStateLocation(const QProcessEnvironment &environment, const QSettings &settings,
                            const ClaudePaths &claudePaths);

} // namespace pacewise
