#pragma once

#include "HookInstaller.h"
#include "SettingsFileManager.h"

#include <QString>
#include <QStringList>

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
    // Whether a status line of the user's own gets Pacewise's recorder in
    // front of it.
    bool recordBeforeUserStatusLine = true;
    // Where Claude Code's hooks find programs, for the engine scripts' jq.
    QStringList executableSearchPath = {};

    struct Outcome {
        bool enabled;
        HookInstaller::Status status;
        double threshold = UsageThresholds::critical;
        // Without jq the engine scripts let everything through.
        bool jqInstalled = true;
    };
    struct Failure {
        bool forceRequired = false; // the scripts were edited; only overwrite() proceeds
        QString message = {};
    };
    using Result = std::expected<Outcome, Failure>;

    Result current() const;
    // current(), and an enabled guard is brought up to date: scripts an older
    // Pacewise installed (unless the user edited them) with the entries that
    // go with them, and entries another choice (recorder, state file) asks
    // for.
    Result refresh() const;
    Result setEnabled(bool on) const;
    // Reinstalls the scripts even when edited, then enables the guard.
    Result overwrite() const;
    // The percentage of a limit at which the guard holds or stops.
    Result setThreshold(double percent) const;
    static constexpr double minimumThreshold = 50;

private:
    Outcome outcome(const SettingsFileManager::GuardSettings &settings) const;
    std::expected<bool, Failure> installIfNeeded() const;
    std::expected<void, Failure> enable() const;
};

} // namespace pacewise
