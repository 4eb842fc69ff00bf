#pragma once

#include "HookInstaller.h"
#include "SettingsFileManager.h"

#include <QString>

#include <expected>

namespace pacewise {

// The user-level guard operations, synchronous: the application runs them on
// the thread pool (GuardController), pacewisectl directly.
struct GuardOperations {
    QString settingsPath;
    HookInstaller installer;
    SettingsFileManager settingsManager;
    // The engine state file Pacewise uses, when not the one the scripts
    // find by themselves; the guard is told to use it too.
    std::optional<QString> statePath = std::nullopt;

    struct Outcome {
        bool enabled;
        HookInstaller::Status status;
    };
    struct Failure {
        bool forceRequired = false; // the scripts were edited; only overwrite() proceeds
        QString message = {};
    };
    using Result = std::expected<Outcome, Failure>;

    Result current() const;
    // current(), and an enabled guard whose scripts an older Pacewise
    // installed, or that was told another state file, is brought up to date.
    Result refresh() const;
    Result setEnabled(bool on) const;
    // Reinstalls the scripts even when edited, then enables the guard.
    Result overwrite() const;

private:
    std::expected<void, Failure> installIfNeeded() const;
    std::expected<void, Failure> enable() const;
};

} // namespace pacewise
