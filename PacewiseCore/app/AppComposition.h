#pragma once

#include "AppState.h"
#include "ResumeController.h"
#include "guard/GuardOperations.h"
#include "kickstart/Kickstart.h"
#include "claude/ClaudePaths.h"
#include "system/LoginItemService.h"

#include <QProcessEnvironment>
#include <QSettings>

#include <memory>

namespace pacewise::AppComposition {

// The real services, wired as the tray app and the daemon run them: each
// service that runs claude gets its own path resolver, the engine state
// file's location is worked out once for the reader and the writer alike.
ResumeCoordinator::Dependencies resumeCoordinator(const QProcessEnvironment &environment, const ClaudePaths &claudePaths);
// The claude runs of these two end when quitting is raised.
Kickstart::Dependencies kickstart(const QProcessEnvironment &environment,
                                            std::shared_ptr<const Cancellation> quitting);
AppState::Dependencies appState(const QProcessEnvironment &environment, const ClaudePaths &claudePaths,
                                QSettings *appSettings, std::shared_ptr<const Cancellation> quitting);
// Auto-continue over the ticket directory.
ResumeController::Dependencies resumeController(const QProcessEnvironment &environment, const ClaudePaths &claudePaths);
AutoContinueSetting autoContinueSetting(const ClaudePaths &claudePaths);
// The guard's operations over the engine scripts shipped in this build,
// telling the guard which state file Pacewise uses.
// Start at login: one entry, the same from the tray app and pacewisectl. It
// starts the tray app, which runs the background services by itself where
// the desktop has no tray (a machine without a desktop has the systemd
// service instead).
std::shared_ptr<XdgAutostartService> launchAtLogin(const QString &trayApp);
GuardOperations guardOperations(const QProcessEnvironment &environment, const ClaudePaths &claudePaths,
                                const QSettings &appSettings);

} // namespace pacewise::AppComposition
