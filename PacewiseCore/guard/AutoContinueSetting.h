#pragma once

#include "SettingsFileManager.h"

#include <QString>

#include <expected>

namespace pacewise {

// The auto-continue switch, one meaning for the tray app, the daemon and
// pacewisectl: on while Claude Code's settings point the guard at the
// ticket directory Pacewise reads (tickets written anywhere else would
// never be continued). A settings file that cannot be read is an error,
// never "off".
struct AutoContinueSetting {
    SettingsFileManager settingsManager;
    QString settingsPath;
    QString ticketDirectory;
    QString homeDirectory;

    struct State {
        bool enabled = false;
        // Where the guard writes tickets when that is not ticketDirectory.
        std::optional<QString> elsewhere = std::nullopt;
    };
    std::expected<State, SettingsError> read() const;

    // On: the ticket directory is created, or made private when it is ours
    // and others could write it, and the guard is pointed at it. Off: the
    // guard records nothing. Fails with a message for the user.
    std::expected<void, QString> set(bool enabled) const;
};

} // namespace pacewise
