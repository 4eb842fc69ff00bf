#pragma once

#include "claude/ClaudePaths.h"

#include <QProcessEnvironment>
#include <QSettings>
#include <QString>
#include <QUrl>

namespace pacewise {

// The engine state file the application reads and may write back:
// PACEWISE_STATE_PATH when set, else the "statePath" setting when non-empty,
// else the file in Claude Code's configuration directory.
QString engineStateLocation(const QProcessEnvironment &environment, const QSettings &appSettings,
                            const ClaudePaths &claudePaths);

// Whether the guard puts Pacewise's recorder in front of a status line of
// the user's own: the "recordBeforeUserStatusLine" setting, on unless
// turned off.
bool recordsBeforeUserStatusLine(const QSettings &appSettings);

// The appcast feed to check for updates: the "updateFeedURL" setting, else
// the one this build was configured with (PACEWISE_UPDATE_FEED_URL), else
// none: updates come from the package manager.
QUrl updateFeedUrl(const QSettings &appSettings);

} // namespace pacewise
