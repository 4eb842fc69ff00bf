#pragma once

#include "SettingsLock.h"
#include "StatusLineBackup.h"
#include "system/RegularFile.h"

#include <QJsonObject>
#include <QString>

#include <chrono>
#include <expected>
#include <functional>
#include <optional>

namespace pacewise {

struct SettingsError {
    enum class Kind {
        invalidJSON,            // description: the parser's complaint
        rootIsNotObject,
        unreadable,             // errorNumber; the file exists but cannot be read
        tooLarge,
        wrongType,              // description: the key whose value is of another type than Claude Code uses
        concurrentModification, // attempts
        lockUnavailable,
        writeFailed,            // errorNumber
        renameFailed,           // errorNumber
    };
    Kind kind;
    QString description = {};
    int errorNumber = 0;
    int attempts = 0;

    bool operator==(const SettingsError &) const = default;
};

// The one component that edits Claude Code's user settings: the guard hook,
// the status line and the resume-ticket directory. Claude Code and other
// tools write the same file at any moment, so every change is a guarded
// read-modify-write: a cross-process lock, a check that the file did not
// change under us, an atomic replace that keeps mode, owner and a symbolic
// link, and a re-read that verifies our keys, retried up to four times.
// Every value that is not ours comes back as it was read; a file that does
// not need to change is not rewritten.
//
// Synchronous and blocking (the lock may take seconds): call it from a pool
// thread or a command-line tool.
class SettingsFileManager {
public:
    static constexpr char resumeDirectoryEnvKey[] = "CC_LIMIT_GUARD_RESUME_DIR";
    static constexpr char statePathEnvKey[] = "PACEWISE_STATE_PATH";
    static constexpr qint64 maximumFileSize = qint64(16) * 1024 * 1024;
    static constexpr int guardHookTimeoutSeconds = 25200;
    static constexpr int statusLineRefreshSeconds = 60;
    static constexpr int attempts = 4;

    struct Options {
        // Called between the steps of an attempt, with its number (1-4), so
        // that tests can slip in a concurrent edit.
        std::function<void(int attempt)> preWriteInterceptor;
        std::function<void(int attempt)> preRenameInterceptor;
        std::function<void(int attempt)> postWriteInterceptor;
        SettingsLock::Timing lockTiming;
        // Claude Code rewrites the file in place, so a read may catch it
        // half-written: a file that does not parse is read again this often.
        int parseRetries = 5;
        std::chrono::milliseconds parseRetryDelay{60};
    };

    struct Snapshot {
        QJsonObject root;
        std::optional<FileIdentity> identity; // absent when there is no file
    };

    SettingsFileManager();
    explicit SettingsFileManager(Options options);

    // Only a missing file reads as {}; so does an empty one.
    std::expected<Snapshot, SettingsError> readRoot(const QString &settingsPath) const;

    std::expected<bool, SettingsError> isGuardEnabled(const QString &settingsPath) const;

    // Whose status line Claude Code shows. Only Pacewise's feeds the engine
    // state file; with the user's own, the application has to write it.
    enum class StatusLineOwner { none, pacewise, user };
    std::expected<StatusLineOwner, SettingsError> statusLineOwner(const QString &settingsPath) const;
    // The guard is on while Claude Code shows the user's own status line, so
    // nothing inside Claude Code records the figures: the application has to
    // write the engine state file itself. False when the file is unreadable.
    bool guardNeedsApplicationFigures(const QString &settingsPath) const;
    // statePath: where Pacewise reads and writes the engine state file when
    // not the default; the engine scripts are told so through env, so
    // that every reader and writer uses the one file.
    std::expected<void, SettingsError> enableGuard(const QString &settingsPath, const QString &hooksDirectory,
                                                   const std::optional<QString> &statePath = std::nullopt) const;
    // The engine state file the guard's scripts are told to use, when not
    // their default.
    std::expected<std::optional<QString>, SettingsError> guardStatePath(const QString &settingsPath) const;
    // A missing settings file is left missing.
    std::expected<void, SettingsError> disableGuard(const QString &settingsPath) const;

    // The ticket directory the guard writes to, with a leading ~ expanded.
    std::expected<std::optional<QString>, SettingsError> resumeDirectory(const QString &settingsPath,
                                                                         const QString &homeDirectory) const;
    // Nothing removes the entry.
    std::expected<void, SettingsError> setResumeDirectory(const QString &settingsPath,
                                                          const std::optional<QString> &directory) const;

    static QString backupPath(const QString &settingsPath);
    // The command Claude Code runs through a shell: the bare path, or the
    // path in single quotes when it holds anything a shell would interpret.
    static QString shellCommand(const QString &scriptPath);

    // How an edit sees the status-line backup file.
    struct BackupState {
        enum class File { missing, recognised, unrecognised };
        File file = File::missing;
        std::optional<StatusLineBackup> backup = std::nullopt;
        bool changed = false;
    };
    using Mutation = std::function<std::expected<void, SettingsError>(QJsonObject &root, BackupState &backup)>;

private:
    std::expected<void, SettingsError> modify(const QString &settingsPath, const Mutation &mutation) const;
    std::expected<bool, SettingsError> attempt(const QString &settingsPath, const Mutation &mutation,
                                               int number) const;

    Options m_options;
};

} // namespace pacewise
