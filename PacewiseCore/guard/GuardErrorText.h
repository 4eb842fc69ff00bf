#pragma once

#include "HookInstaller.h"
#include "SettingsFileManager.h"

#include <QString>

namespace pacewise {

// What went wrong, in a sentence a user can act on (English; the tray app
// shows its own translations).
QString describe(const SettingsError &error, const QString &settingsPath);
QString describe(const InstallerError &error, const QString &hooksDirectory);

} // namespace pacewise
