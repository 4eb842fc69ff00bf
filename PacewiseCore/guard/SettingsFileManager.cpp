#include "SettingsFileManager.h"

#include "HookInstaller.h"
#include "system/AtomicFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <thread>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace pacewise {

namespace {

using Kind = SettingsError::Kind;
using BackupState = SettingsFileManager::BackupState;

const QLatin1String hooksKey("hooks");
const QLatin1String preToolUseKey("PreToolUse");
const QLatin1String statusLineKey("statusLine");
const QLatin1String envKey("env");
const QLatin1String commandKey("command");
const QLatin1String guardMarker("/rate-limit-guard.sh");
const QLatin1String statusLineMarker("/rate-limit-statusline.sh");
const QLatin1String watchdogKey("CLAUDE_CODE_RETRY_WATCHDOG");
const QLatin1String refreshKey("CC_LIMIT_GUARD_REFRESH");
const QLatin1String resumeKey(SettingsFileManager::resumeDirectoryEnvKey);
const QLatin1String statePathKey(SettingsFileManager::statePathEnvKey);

std::unexpected<SettingsError> failure(Kind kind, const QString &description = {}, int errorNumber = 0)
{
    return std::unexpected(SettingsError{.kind = kind, .description = description, .errorNumber = errorNumber});
}

bool isOurs(const QJsonValue &hook, QLatin1String marker)
{
    const QJsonValue command = hook.toObject().value(commandKey);
    return hook.isObject() && command.isString() && command.toString().contains(marker);
}

bool isOurStatusLine(const QJsonValue &value)
{
    return isOurs(value, statusLineMarker);
}

// Our guard commands anywhere under hooks.PreToolUse, sorted; levels of
// other types contribute nothing.
QStringList guardCommands(const QJsonObject &root)
{
    QStringList commands;
    for (const QJsonValue &group : root.value(hooksKey).toObject().value(preToolUseKey).toArray()) {
        for (const QJsonValue &hook : group.toObject().value(hooksKey).toArray()) {
            if (isOurs(hook, guardMarker))
                commands.append(hook.toObject().value(commandKey).toString());
        }
    }
    commands.sort();
    return commands;
}

// Drops our guard hooks from the matcher groups. A group left without hooks
// goes; groups we did not touch, and elements that are not groups at all,
// stay exactly as they were.
bool removeGuardHooks(QJsonArray &groups)
{
    bool removedAny = false;
    QJsonArray kept;
    for (const QJsonValue &group : groups) {
        const QJsonValue hooks = group.toObject().value(hooksKey);
        if (!group.isObject() || !hooks.isArray()) {
            kept.append(group);
            continue;
        }
        QJsonArray remaining;
        for (const QJsonValue &hook : hooks.toArray()) {
            if (!isOurs(hook, guardMarker))
                remaining.append(hook);
        }
        if (remaining.size() == hooks.toArray().size()) {
            kept.append(group);
            continue;
        }
        removedAny = true;
        if (!remaining.isEmpty()) {
            QJsonObject trimmed = group.toObject();
            trimmed.insert(hooksKey, remaining);
            kept.append(trimmed);
        }
    }
    groups = kept;
    return removedAny;
}

// Removes the leftovers of older engine versions from env.
bool removeObsoleteEnv(QJsonObject &env)
{
    bool removed = env.contains(watchdogKey);
    env.remove(watchdogKey);
    if (env.value(refreshKey) == QJsonValue(QStringLiteral("60"))) {
        env.remove(refreshKey);
        removed = true;
    }
    return removed;
}

void storeOrRemove(QJsonObject &root, QLatin1String key, const QJsonObject &value)
{
    if (value.isEmpty())
        root.remove(key);
    else
        root.insert(key, value);
}

// A backup written by another version is not ours to change or delete.
void setBackup(BackupState &state, std::optional<StatusLineBackup> backup)
{
    if (state.file == BackupState::File::unrecognised || state.backup == backup)
        return;
    state.backup = std::move(backup);
    state.changed = true;
}

QJsonObject statusLineObject(const QString &hooksDirectory)
{
    return QJsonObject{
        {QLatin1String("type"), QStringLiteral("command")},
        {commandKey, SettingsFileManager::shellCommand(QDir(hooksDirectory).filePath(QStringLiteral("rate-limit-statusline.sh")))},
        {QLatin1String("refreshInterval"), SettingsFileManager::statusLineRefreshSeconds},
    };
}

std::expected<void, SettingsError> applyEnable(QJsonObject &root, BackupState &backup, const QString &hooksDirectory,
                                               const std::optional<QString> &statePath)
{
    const QJsonValue existingHooks = root.value(hooksKey);
    if (!existingHooks.isUndefined() && !existingHooks.isObject())
        return failure(Kind::wrongType, hooksKey);
    QJsonObject hooks = existingHooks.toObject();
    const QJsonValue existingGroups = hooks.value(preToolUseKey);
    if (!existingGroups.isUndefined() && !existingGroups.isArray())
        return failure(Kind::wrongType, QStringLiteral("hooks.PreToolUse"));

    QJsonArray groups = existingGroups.toArray();
    removeGuardHooks(groups);
    const QJsonObject guardHook{
        {QLatin1String("type"), QStringLiteral("command")},
        {commandKey, SettingsFileManager::shellCommand(QDir(hooksDirectory).filePath(QStringLiteral("rate-limit-guard.sh")))},
        {QLatin1String("timeout"), SettingsFileManager::guardHookTimeoutSeconds},
    };
    groups.append(QJsonObject{{QLatin1String("matcher"), QStringLiteral("*")}, {hooksKey, QJsonArray{guardHook}}});
    hooks.insert(preToolUseKey, groups);
    root.insert(hooksKey, hooks);

    const QJsonObject ourStatusLine = statusLineObject(hooksDirectory);
    if (!root.contains(statusLineKey)) {
        setBackup(backup, StatusLineBackup{.hadOriginal = false, .original = std::nullopt, .installed = ourStatusLine});
        root.insert(statusLineKey, ourStatusLine);
    } else if (!isOurStatusLine(root.value(statusLineKey))) {
        // The user's own status line stays; the guard then gets its figures
        // from the application instead.
        setBackup(backup, StatusLineBackup{.hadOriginal = true, .original = root.value(statusLineKey), .installed = std::nullopt});
    } else {
        StatusLineBackup updated = backup.backup.value_or(StatusLineBackup{});
        updated.installed = ourStatusLine;
        setBackup(backup, updated);
        root.insert(statusLineKey, ourStatusLine);
    }

    const QJsonValue existingEnv = root.value(envKey);
    if (!existingEnv.isUndefined() && !existingEnv.isObject()) {
        if (statePath)
            return failure(Kind::wrongType, envKey);
        return {}; // none of our keys can be in it
    }
    QJsonObject env = existingEnv.toObject();
    bool changed = removeObsoleteEnv(env);
    const QJsonValue wanted = statePath ? QJsonValue(QDir::cleanPath(*statePath)) : QJsonValue(QJsonValue::Undefined);
    if (env.value(statePathKey) != wanted) {
        if (statePath)
            env.insert(statePathKey, wanted);
        else
            env.remove(statePathKey);
        changed = true;
    }
    if (changed)
        storeOrRemove(root, envKey, env);
    return {};
}

std::expected<void, SettingsError> applyDisable(QJsonObject &root, BackupState &backup)
{
    QJsonObject hooks = root.value(hooksKey).toObject();
    if (root.value(hooksKey).isObject() && hooks.value(preToolUseKey).isArray()) {
        QJsonArray groups = hooks.value(preToolUseKey).toArray();
        if (removeGuardHooks(groups)) {
            if (groups.isEmpty())
                hooks.remove(preToolUseKey);
            else
                hooks.insert(preToolUseKey, groups);
            storeOrRemove(root, hooksKey, hooks);
        }
    }

    const QJsonValue statusLine = root.value(statusLineKey);
    const auto &recorded = backup.backup;
    if (recorded && recorded->installed && statusLine == QJsonValue(*recorded->installed)) {
        if (recorded->hadOriginal && recorded->original)
            root.insert(statusLineKey, *recorded->original);
        else
            root.remove(statusLineKey);
    } else if (backup.file == BackupState::File::missing && isOurStatusLine(statusLine)) {
        root.remove(statusLineKey);
    }
    setBackup(backup, std::nullopt);

    if (root.value(envKey).isObject()) {
        QJsonObject env = root.value(envKey).toObject();
        bool changed = removeObsoleteEnv(env);
        if (env.contains(statePathKey)) {
            env.remove(statePathKey);
            changed = true;
        }
        if (changed)
            storeOrRemove(root, envKey, env);
    }
    return {};
}

std::expected<void, SettingsError> applyResumeDirectory(QJsonObject &root, const std::optional<QString> &directory)
{
    const QJsonValue existing = root.value(envKey);
    if (!existing.isUndefined() && !existing.isObject()) {
        if (!directory)
            return {}; // nothing of ours can be in it
        return failure(Kind::wrongType, envKey);
    }
    QJsonObject env = existing.toObject();
    if (directory)
        env.insert(resumeKey, QDir::cleanPath(*directory));
    else
        env.remove(resumeKey);
    storeOrRemove(root, envKey, env);
    return {};
}

// Our keys in what was written and in what is on disk now must agree.
bool managedKeysMatch(const QJsonObject &expected, const QJsonObject &actual)
{
    const auto ourStatusLine = [](const QJsonObject &root) {
        const QJsonValue value = root.value(statusLineKey);
        return isOurStatusLine(value) ? value : QJsonValue(QJsonValue::Undefined);
    };
    const auto envValue = [](const QJsonObject &root, QLatin1String key) {
        return root.value(envKey).toObject().value(key);
    };
    const auto refreshIsObsolete = [&](const QJsonObject &root) {
        return envValue(root, refreshKey) == QJsonValue(QStringLiteral("60"));
    };
    return guardCommands(expected) == guardCommands(actual) && ourStatusLine(expected) == ourStatusLine(actual) &&
           envValue(expected, watchdogKey) == envValue(actual, watchdogKey) &&
           envValue(expected, resumeKey) == envValue(actual, resumeKey) &&
           envValue(expected, statePathKey) == envValue(actual, statePathKey) &&
           refreshIsObsolete(expected) == refreshIsObsolete(actual);
}

BackupState readBackup(const QString &path)
{
    const auto contents = readRegularFile(path, SettingsFileManager::maximumFileSize);
    if (!contents)
        return BackupState{.file = contents.error().kind == FileReadError::Kind::missing
                                       ? BackupState::File::missing
                                       : BackupState::File::unrecognised};
    auto backup = StatusLineBackup::parse(contents->bytes);
    return BackupState{.file = backup ? BackupState::File::recognised : BackupState::File::unrecognised,
                       .backup = std::move(backup)};
}

std::optional<FileIdentity> currentIdentity(const QString &path)
{
    const auto identity = regularFileIdentity(path);
    return identity ? std::optional(*identity) : std::nullopt;
}

SettingsError writeError(const AtomicWriteError &error)
{
    return SettingsError{.kind = error.kind == AtomicWriteError::Kind::renameFailed ? Kind::renameFailed
                                                                                      : Kind::writeFailed,
                         .errorNumber = error.errorNumber};
}

// Mode and owner of the file being replaced; new files are private, since
// settings may hold API keys in env.
std::pair<mode_t, std::optional<FileOwner>> inheritedAccess(const QString &path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {0600, std::nullopt};
    return {status.st_mode & 07777, FileOwner{status.st_uid, status.st_gid}};
}

} // namespace

SettingsFileManager::SettingsFileManager()
    : SettingsFileManager(Options{})
{
}

SettingsFileManager::SettingsFileManager(Options options)
    : m_options(std::move(options))
{
}

QString SettingsFileManager::backupPath(const QString &settingsPath)
{
    const QFileInfo info(settingsPath);
    return info.dir().filePath(QLatin1Char('.') + info.fileName() + QLatin1String(".pacewise-statusline-backup.json"));
}

QString SettingsFileManager::shellCommand(const QString &scriptPath)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9/._+-]+$"));
    if (plain.match(scriptPath).hasMatch())
        return scriptPath;
    QString quoted = scriptPath;
    quoted.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

std::expected<SettingsFileManager::Snapshot, SettingsError>
SettingsFileManager::readRoot(const QString &settingsPath) const
{
    for (int reading = 0;; ++reading) {
        const auto contents = readRegularFile(settingsPath, maximumFileSize);
        if (!contents) {
            switch (contents.error().kind) {
            case FileReadError::Kind::missing:
                return Snapshot{};
            case FileReadError::Kind::tooLarge:
                return failure(Kind::tooLarge);
            case FileReadError::Kind::notRegularFile:
                return failure(Kind::unreadable, {}, EISDIR);
            case FileReadError::Kind::readFailed:
                return failure(Kind::unreadable, {}, contents.error().errorNumber);
            }
        }
        // An empty file is read as {}, but only once it stays empty: Claude
        // Code truncates the file before writing it anew, and taking that
        // moment for the whole file would drop every setting.
        const bool empty = contents->bytes.trimmed().isEmpty();
        QJsonParseError parseError{};
        const QJsonDocument document = empty ? QJsonDocument() : QJsonDocument::fromJson(contents->bytes, &parseError);
        if (!empty && parseError.error == QJsonParseError::NoError) {
            if (!document.isObject())
                return failure(Kind::rootIsNotObject);
            return Snapshot{.root = document.object(), .identity = contents->identity};
        }
        if (reading >= m_options.parseRetries) {
            if (contents->bytes.isEmpty())
                return Snapshot{.root = {}, .identity = contents->identity};
            return failure(Kind::invalidJSON, empty ? QStringLiteral("only white space") : parseError.errorString());
        }
        std::this_thread::sleep_for(m_options.parseRetryDelay);
    }
}

std::expected<bool, SettingsError> SettingsFileManager::isGuardEnabled(const QString &settingsPath) const
{
    const auto snapshot = readRoot(settingsPath);
    if (!snapshot)
        return std::unexpected(snapshot.error());
    return !guardCommands(snapshot->root).isEmpty();
}

std::expected<SettingsFileManager::StatusLineOwner, SettingsError>
SettingsFileManager::statusLineOwner(const QString &settingsPath) const
{
    const auto snapshot = readRoot(settingsPath);
    if (!snapshot)
        return std::unexpected(snapshot.error());
    if (!snapshot->root.contains(statusLineKey))
        return StatusLineOwner::none;
    return isOurStatusLine(snapshot->root.value(statusLineKey)) ? StatusLineOwner::pacewise : StatusLineOwner::user;
}

bool SettingsFileManager::guardNeedsApplicationFigures(const QString &settingsPath) const
{
    const auto snapshot = readRoot(settingsPath);
    return snapshot && !guardCommands(snapshot->root).isEmpty() && snapshot->root.contains(statusLineKey) &&
           !isOurStatusLine(snapshot->root.value(statusLineKey));
}

std::expected<void, SettingsError> SettingsFileManager::enableGuard(const QString &settingsPath,
                                                                    const QString &hooksDirectory,
                                                                    const std::optional<QString> &statePath) const
{
    return modify(settingsPath, [&](QJsonObject &root, BackupState &backup) {
        return applyEnable(root, backup, hooksDirectory, statePath);
    });
}

std::expected<std::optional<QString>, SettingsError> SettingsFileManager::guardStatePath(const QString &settingsPath) const
{
    const auto snapshot = readRoot(settingsPath);
    if (!snapshot)
        return std::unexpected(snapshot.error());
    const QJsonValue value = snapshot->root.value(envKey).toObject().value(statePathKey);
    return value.isString() && !value.toString().isEmpty() ? std::optional(value.toString()) : std::nullopt;
}

std::expected<void, SettingsError> SettingsFileManager::disableGuard(const QString &settingsPath) const
{
    if (!QFileInfo::exists(settingsPath))
        return {};
    return modify(settingsPath, applyDisable);
}

std::expected<std::optional<QString>, SettingsError>
SettingsFileManager::resumeDirectory(const QString &settingsPath, const QString &homeDirectory) const
{
    const auto snapshot = readRoot(settingsPath);
    if (!snapshot)
        return std::unexpected(snapshot.error());
    const QJsonValue value = snapshot->root.value(envKey).toObject().value(resumeKey);
    if (!value.isString() || value.toString().isEmpty())
        return std::optional<QString>();
    QString path = value.toString();
    if (path == u"~" || path.startsWith(u"~/"))
        path = homeDirectory + path.mid(1);
    return std::optional(QDir::cleanPath(path));
}

std::expected<void, SettingsError>
SettingsFileManager::setResumeDirectory(const QString &settingsPath, const std::optional<QString> &directory) const
{
    return modify(settingsPath, [&](QJsonObject &root, BackupState &) { return applyResumeDirectory(root, directory); });
}

std::expected<void, SettingsError> SettingsFileManager::modify(const QString &settingsPath,
                                                               const Mutation &mutation) const
{
    for (int number = 1; number <= attempts; ++number) {
        const auto lock = SettingsLock::acquire(settingsPath, m_options.lockTiming);
        if (!lock)
            return failure(Kind::lockUnavailable);
        const auto done = attempt(settingsPath, mutation, number);
        if (!done)
            return std::unexpected(done.error());
        if (*done)
            return {};
    }
    return std::unexpected(SettingsError{.kind = Kind::concurrentModification, .attempts = attempts});
}

// One locked attempt: true when done, false when a concurrent writer won
// and the edit must be tried again.
std::expected<bool, SettingsError> SettingsFileManager::attempt(const QString &settingsPath, const Mutation &mutation,
                                                                int number) const
{
    const auto snapshot = readRoot(settingsPath);
    if (!snapshot)
        return std::unexpected(snapshot.error());
    const QString backupFile = backupPath(settingsPath);
    BackupState backup = readBackup(backupFile);
    QJsonObject root = snapshot->root;
    if (const auto applied = mutation(root, backup); !applied)
        return std::unexpected(applied.error());
    const bool rootChanged = root != snapshot->root;
    if (!rootChanged && !backup.changed)
        return true; // already as wanted: the user's formatting stays

    if (m_options.preWriteInterceptor)
        m_options.preWriteInterceptor(number);
    // Size and inode as well as the time: a fast foreign write may keep the
    // modification time within the file system's granularity.
    if (currentIdentity(settingsPath) != snapshot->identity)
        return false;

    if (backup.changed && backup.backup) {
        const auto [mode, owner] = inheritedAccess(settingsPath);
        if (const auto written = writeFileAtomically(backupFile, backup.backup->toJson(), mode, owner); !written)
            return std::unexpected(writeError(written.error()));
    }
    if (m_options.preRenameInterceptor)
        m_options.preRenameInterceptor(number);
    if (rootChanged) {
        const auto [mode, owner] = inheritedAccess(settingsPath);
        const QByteArray bytes = QJsonDocument(root).toJson(QJsonDocument::Indented);
        if (const auto written = writeFileAtomically(settingsPath, bytes, mode, owner); !written)
            return std::unexpected(writeError(written.error()));
        if (m_options.postWriteInterceptor)
            m_options.postWriteInterceptor(number);
        const auto reread = readRoot(settingsPath);
        if (!reread || !managedKeysMatch(root, reread->root))
            return false;
    }
    if (backup.changed && !backup.backup)
        QFile::remove(backupFile);
    return true;
}

} // namespace pacewise
