#pragma once

#include "StatusLineBackup.h"
#include "system/RegularFile.h"
#include "usage/UsageThresholds.h"

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
        notRegularFile,         // a folder, a FIFO or a device at its path
        tooLarge,
        wrongType,              // description: the key whose value is of another type than Claude Code uses
        readOnly,               // the user took write permission away; the file is theirs to unlock
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
// the status line and the guard's environment. The file is the user's, often
// kept in a dotfiles repository, and Claude Code and other tools write it at
// any moment. So every change is made in place in the file's own text (only
// our entries change; key order, indentation, line ends and the user's
// numbers stay as written), recognises only entries exactly as Pacewise
// writes them, and is a guarded read-modify-write: a lock (flock) that
// every Pacewise process takes, a look right before the atomic replace and
// right after it that nobody wrote the file meanwhile (a write that landed
// is taken in and the edit made again on top of it), a replace that keeps
// mode, owner and a symbolic link, and a re-read that verifies our keys.
// Readers take no lock and never wait. A file that does not need to change
// is not written; a read-only one is refused.
//
// Synchronous and blocking (the lock may take seconds): call it from a pool
// thread or a command-line tool.
class SettingsFileManager {
public:
    static constexpr char resumeDirectoryEnvKey[] = "CC_LIMIT_GUARD_RESUME_DIR";
    static constexpr char statePathEnvKey[] = "PACEWISE_STATE_PATH";
    static constexpr char thresholdEnvKey[] = "CC_LIMIT_GUARD_THRESHOLD";
    static constexpr qint64 maximumFileSize = qint64(16) * 1024 * 1024;
    static constexpr int guardHookTimeoutSeconds = 25200;
    static constexpr int statusLineRefreshSeconds = 60;
    static constexpr int attempts = 4;
    // Shown by Claude Code beside its spinner while the hook runs, which is
    // noticeable only while the guard holds a call.
    static constexpr char guardStatusMessage[] = "Pacewise: waiting for the usage limit to reset";

    struct Options {
        // Called between the steps of an attempt, with its number (1-4), so
        // that tests can slip in a concurrent edit.
        std::function<void(int attempt)> preWriteInterceptor;
        std::function<void(int attempt)> postWriteInterceptor;
        // How long an edit waits while another Pacewise edits.
        std::chrono::milliseconds lockTimeout{5000};
        // Claude Code rewrites the file in place, so a read may catch it
        // half-written: a file that does not parse is read again this often.
        int parseRetries = 5;
        std::chrono::milliseconds parseRetryDelay{60};
    };

    // Whose status line Claude Code shows. Only Pacewise's (alone, or
    // recording in front of the user's) feeds the engine state file; with
    // the user's own alone, or none, the application has to write it.
    enum class StatusLineOwner { none, pacewise, recorder, user };

    // What the settings say about Pacewise.
    struct GuardSettings {
        bool guardEnabled = false;
        StatusLineOwner statusLine = StatusLineOwner::none;
        std::optional<QString> resumeDirectory = std::nullopt; // as written, a leading ~ unexpanded
        std::optional<QString> statePath = std::nullopt;
        double threshold = UsageThresholds::critical;
    };

    struct GuardSetup {
        QString hooksDirectory;
        // Where Pacewise reads and writes the engine state file when not the
        // default; the engine scripts are told so through env, so that every
        // reader and writer uses the one file.
        std::optional<QString> statePath = std::nullopt;
        // A status line of the user's own gets Pacewise's recorder in front
        // of it (which then runs the user's command and prints its line);
        // without, it is left alone.
        bool recordBeforeUserStatusLine = true;
    };

    SettingsFileManager();
    explicit SettingsFileManager(Options options);

    std::expected<GuardSettings, SettingsError> read(const QString &settingsPath) const;
    std::expected<bool, SettingsError> isGuardEnabled(const QString &settingsPath) const;

    std::expected<void, SettingsError> enableGuard(const QString &settingsPath, const GuardSetup &setup) const;
    // A missing settings file is left missing.
    std::expected<void, SettingsError> disableGuard(const QString &settingsPath) const;

    // The ticket directory the guard writes to, with a leading ~ expanded.
    std::expected<std::optional<QString>, SettingsError> resumeDirectory(const QString &settingsPath,
                                                                         const QString &homeDirectory) const;
    // Nothing removes the entry.
    std::expected<void, SettingsError> setResumeDirectory(const QString &settingsPath,
                                                          const std::optional<QString> &directory) const;
    // The percentage at which the guard stops; the default removes the entry.
    std::expected<void, SettingsError> setThreshold(const QString &settingsPath, double percent) const;

    static QString backupPath(const QString &settingsPath);
    // The lock every edit takes: "." + NAME + ".pacewise.lock" beside it.
    static QString lockPath(const QString &settingsPath);
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
    struct Loaded;
    std::expected<Loaded, SettingsError> load(const QString &settingsPath) const;
    std::expected<void, SettingsError> modify(const QString &settingsPath, const Mutation &mutation) const;

    Options m_options;
};

} // namespace pacewise
