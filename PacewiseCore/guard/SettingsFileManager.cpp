#include "SettingsFileManager.h"

#include "system/FileLock.h"

#include "system/AtomicFileWriter.h"
#include "system/FileDescriptor.h"
#include "system/JsonTextEditor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

#include <thread>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pacewise {

namespace {

using Kind = SettingsError::Kind;
using BackupState = SettingsFileManager::BackupState;
using Owner = SettingsFileManager::StatusLineOwner;

const QLatin1String hooksKey("hooks");
const QLatin1String preToolUseKey("PreToolUse");
const QLatin1String statusLineKey("statusLine");
const QLatin1String envKey("env");
const QLatin1String commandKey("command");
const QLatin1String guardScript("rate-limit-guard.sh");
const QLatin1String statusLineScript("rate-limit-statusline.sh");
// The recorder in front of the user's status line: our script, this, then
// the user's command as one single-quoted word.
const QLatin1String thenOption(" --then ");
const QLatin1String watchdogKey("CLAUDE_CODE_RETRY_WATCHDOG");
const QLatin1String refreshKey("CC_LIMIT_GUARD_REFRESH");
const QLatin1String resumeKey(SettingsFileManager::resumeDirectoryEnvKey);
const QLatin1String statePathKey(SettingsFileManager::statePathEnvKey);
const QLatin1String thresholdKey(SettingsFileManager::thresholdEnvKey);
const QStringList managedRootKeys{hooksKey, statusLineKey, envKey};
// How long after a replace a write into the replaced file (by a writer that
// opened it just before) is still looked for.
constexpr std::chrono::milliseconds lateWriteWindow{2};

std::unexpected<SettingsError> failure(Kind kind, const QString &description = {}, int errorNumber = 0)
{
    return std::unexpected(SettingsError{.kind = kind, .description = description, .errorNumber = errorNumber});
}

QString shellQuoted(const QString &text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

// The text of one shell word made of single-quoted parts and \' (as
// shellQuoted() writes them), or of plain characters.
std::optional<QString> unquotedWord(const QString &word)
{
    QString text;
    for (qsizetype index = 0; index < word.size();) {
        if (word.at(index) == u'\'') {
            const qsizetype end = word.indexOf(u'\'', index + 1);
            if (end < 0)
                return std::nullopt;
            text += word.mid(index + 1, end - index - 1);
            index = end + 1;
        } else if (word.mid(index, 2) == u"\\'") {
            text += u'\'';
            index += 2;
        } else if (word.at(index) == u' ' || word.at(index) == u'\\') {
            return std::nullopt;
        } else {
            text += word.at(index++);
        }
    }
    return text;
}

// The script path of a command that is exactly what shellCommand() writes
// for one of our scripts; a user's own line that merely mentions it (in a
// pipe, after a command of theirs) is not ours.
std::optional<QString> ourScriptPath(const QString &command, QLatin1String script)
{
    const auto path = unquotedWord(command);
    if (!path || !path->startsWith(u'/') || !path->endsWith(u'/' + script) ||
        SettingsFileManager::shellCommand(*path) != command)
        return std::nullopt;
    return path;
}

// The guard's hook as Pacewise writes it.
QJsonObject guardHookFor(const QString &scriptPath)
{
    return QJsonObject{
        {QLatin1String("type"), QStringLiteral("command")},
        {commandKey, SettingsFileManager::shellCommand(scriptPath)},
        {QLatin1String("timeout"), SettingsFileManager::guardHookTimeoutSeconds},
        {QLatin1String("statusMessage"), QLatin1String(SettingsFileManager::guardStatusMessage)},
    };
}

// Only a hook exactly as Pacewise writes it is ours: one of the user's that
// runs our script (with a time-out or message of their own) is theirs.
bool isOurGuardHook(const QJsonValue &hook)
{
    const QJsonValue command = hook.toObject().value(commandKey);
    const auto path = command.isString() ? ourScriptPath(command.toString(), guardScript) : std::nullopt;
    return path && hook.toObject() == guardHookFor(*path);
}

// A status line of ours: our script alone, or recording in front of the
// user's command.
struct OurStatusLine {
    QString script;
    std::optional<QString> userCommand;
};

std::optional<OurStatusLine> ourStatusLine(const QJsonValue &statusLine)
{
    const QJsonValue value = statusLine.toObject().value(commandKey);
    if (!value.isString())
        return std::nullopt;
    const QString command = value.toString();
    if (const auto script = ourScriptPath(command, statusLineScript))
        return OurStatusLine{*script, std::nullopt};
    for (qsizetype split = command.indexOf(thenOption); split > 0; split = command.indexOf(thenOption, split + 1)) {
        const auto script = ourScriptPath(command.left(split), statusLineScript);
        const QString quoted = command.mid(split + thenOption.size());
        const auto user = unquotedWord(quoted);
        if (script && user && shellQuoted(*user) == quoted)
            return OurStatusLine{*script, *user};
    }
    return std::nullopt;
}

// The status line Pacewise puts where there was none.
QJsonObject statusLineOfOurOwn(const QString &script)
{
    return QJsonObject{{QLatin1String("type"), QStringLiteral("command")},
                       {commandKey, SettingsFileManager::shellCommand(script)},
                       {QLatin1String("refreshInterval"), SettingsFileManager::statusLineRefreshSeconds}};
}

QString recorderCommand(const QString &script, const QString &userCommand)
{
    return SettingsFileManager::shellCommand(script) + thenOption + shellQuoted(userCommand);
}

Owner statusLineOwner(const QJsonObject &root)
{
    if (!root.contains(statusLineKey))
        return Owner::none;
    const auto ours = ourStatusLine(root.value(statusLineKey));
    if (!ours)
        return Owner::user;
    return ours->userCommand ? Owner::recorder : Owner::pacewise;
}

// Our guard commands anywhere under hooks.PreToolUse, sorted; levels of
// other types contribute nothing.
QStringList guardCommands(const QJsonObject &root)
{
    QStringList commands;
    for (const QJsonValue &group : root.value(hooksKey).toObject().value(preToolUseKey).toArray()) {
        for (const QJsonValue &hook : group.toObject().value(hooksKey).toArray()) {
            if (isOurGuardHook(hook))
                commands.append(hook.toObject().value(commandKey).toString());
        }
    }
    commands.sort();
    return commands;
}

// Puts wanted (or, without it, nothing) in place of our guard hooks: the
// first one found is updated where it stands, others go, and a group left
// without hooks goes with them. Groups we did not touch, and elements that
// are not groups at all, stay exactly as they were.
void replaceGuardHooks(QJsonArray &groups, const std::optional<QJsonObject> &wanted)
{
    bool placed = false;
    QJsonArray kept;
    for (const QJsonValue &group : std::as_const(groups)) {
        const QJsonValue hooks = group.toObject().value(hooksKey);
        if (!group.isObject() || !hooks.isArray()) {
            kept.append(group);
            continue;
        }
        QJsonArray remaining;
        bool touched = false;
        for (const QJsonValue &hook : hooks.toArray()) {
            if (!isOurGuardHook(hook)) {
                remaining.append(hook);
                continue;
            }
            touched = true;
            if (wanted && !placed) {
                remaining.append(*wanted);
                placed = true;
            }
        }
        if (!touched) {
            kept.append(group);
        } else if (!remaining.isEmpty()) {
            QJsonObject trimmed = group.toObject();
            trimmed.insert(hooksKey, remaining);
            kept.append(trimmed);
        }
    }
    if (wanted && !placed)
        kept.append(QJsonObject{{QLatin1String("matcher"), QStringLiteral("*")}, {hooksKey, QJsonArray{*wanted}}});
    groups = kept;
}

// Removes the leftovers of older engine versions from env.
void removeObsoleteEnv(QJsonObject &env)
{
    env.remove(watchdogKey);
    if (env.value(refreshKey) == QJsonValue(QStringLiteral("60")))
        env.remove(refreshKey);
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

// Sets or removes keys of env; an env that is not an object can hold none
// of ours and is only an error when a key has to be set.
std::expected<void, SettingsError> editEnv(QJsonObject &root, const QList<std::pair<QLatin1String, QJsonValue>> &values)
{
    const QJsonValue existing = root.value(envKey);
    const bool setsAny = std::any_of(values.cbegin(), values.cend(), [](const auto &entry) { return !entry.second.isUndefined(); });
    if (!existing.isUndefined() && !existing.isObject())
        return setsAny ? failure(Kind::wrongType, envKey) : std::expected<void, SettingsError>();
    QJsonObject env = existing.toObject();
    removeObsoleteEnv(env);
    for (const auto &[key, value] : values) {
        if (value.isUndefined())
            env.remove(key);
        else
            env.insert(key, value);
    }
    if (env != existing.toObject())
        storeOrRemove(root, envKey, env);
    return {};
}

std::expected<void, SettingsError> applyEnable(QJsonObject &root, BackupState &backup,
                                               const SettingsFileManager::GuardSetup &setup)
{
    const QJsonValue existingHooks = root.value(hooksKey);
    if (!existingHooks.isUndefined() && !existingHooks.isObject())
        return failure(Kind::wrongType, hooksKey);
    QJsonObject hooks = existingHooks.toObject();
    const QJsonValue existingGroups = hooks.value(preToolUseKey);
    if (!existingGroups.isUndefined() && !existingGroups.isArray())
        return failure(Kind::wrongType, QStringLiteral("hooks.PreToolUse"));

    // Without a backup nothing was brought yet; an older one does not say.
    std::optional<QStringList> created = backup.backup ? backup.backup->created : std::optional(QStringList());
    if (created && existingHooks.isUndefined() && !created->contains(hooksKey))
        created->append(hooksKey);
    if (created && existingGroups.isUndefined() && !created->contains(u"hooks.PreToolUse"))
        created->append(QStringLiteral("hooks.PreToolUse"));
    QJsonArray groups = existingGroups.toArray();
    replaceGuardHooks(groups, guardHookFor(QDir(setup.hooksDirectory).filePath(guardScript)));
    hooks.insert(preToolUseKey, groups);
    root.insert(hooksKey, hooks);

    const QString script = QDir(setup.hooksDirectory).filePath(statusLineScript);
    const QJsonValue statusLine = root.value(statusLineKey);
    const auto ours = ourStatusLine(statusLine);
    if (statusLine.isUndefined() || (ours && !ours->userCommand)) {
        QJsonObject installed = statusLine.isUndefined() ? statusLineOfOurOwn(script) : statusLine.toObject();
        installed.insert(commandKey, SettingsFileManager::shellCommand(script));
        StatusLineBackup updated = statusLine.isUndefined() ? StatusLineBackup{} : backup.backup.value_or(StatusLineBackup{});
        updated.installed = installed;
        updated.created = created;
        setBackup(backup, updated);
        root.insert(statusLineKey, installed);
        return editEnv(root, {{statePathKey, setup.statePath ? QJsonValue(QDir::cleanPath(*setup.statePath)) : QJsonValue(QJsonValue::Undefined)}});
    }

    // The user's own line (or ours in front of it): only its command
    // changes, and whether ours records in front of it is the user's choice.
    QJsonObject line = statusLine.toObject();
    const QJsonValue userCommand = ours ? QJsonValue(*ours->userCommand) : line.value(commandKey);
    QJsonObject original = line;
    if (userCommand.isString()) {
        original.insert(commandKey, userCommand);
        line.insert(commandKey, setup.recordBeforeUserStatusLine && line.value(QLatin1String("type")).toString() == u"command"
                                    ? QJsonValue(recorderCommand(script, userCommand.toString()))
                                    : userCommand);
    }
    setBackup(backup, StatusLineBackup{.hadOriginal = true,
                                       .original = statusLine.isObject() ? QJsonValue(original) : statusLine,
                                       .installed = line != original ? std::optional(line) : std::nullopt,
                                       .created = created});
    if (statusLine.isObject())
        root.insert(statusLineKey, line);
    return editEnv(root, {{statePathKey, setup.statePath ? QJsonValue(QDir::cleanPath(*setup.statePath)) : QJsonValue(QJsonValue::Undefined)}});
}

std::expected<void, SettingsError> applyDisable(QJsonObject &root, BackupState &backup)
{
    QJsonObject hooks = root.value(hooksKey).toObject();
    if (root.value(hooksKey).isObject() && hooks.value(preToolUseKey).isArray()) {
        QJsonArray groups = hooks.value(preToolUseKey).toArray();
        replaceGuardHooks(groups, std::nullopt);
        if (groups != hooks.value(preToolUseKey).toArray()) {
            // Emptied, a container goes if the guard brought it (or nothing
            // says it did not); one the user had stays, empty.
            const auto brought = [&](const QString &key) {
                return backup.file != BackupState::File::recognised || !backup.backup->created ||
                       backup.backup->created->contains(key);
            };
            if (groups.isEmpty() && brought(QStringLiteral("hooks.PreToolUse")))
                hooks.remove(preToolUseKey);
            else
                hooks.insert(preToolUseKey, groups);
            if (hooks.isEmpty() && brought(hooksKey))
                root.remove(hooksKey);
            else
                root.insert(hooksKey, hooks);
        }
    }
    if (const auto ours = ourStatusLine(root.value(statusLineKey))) {
        QJsonObject line = root.value(statusLineKey).toObject();
        if (ours->userCommand) {
            line.insert(commandKey, *ours->userCommand);
            root.insert(statusLineKey, line);
        } else if (line == statusLineOfOurOwn(ours->script)) {
            root.remove(statusLineKey); // one the user changed is theirs now
        }
    }
    setBackup(backup, std::nullopt);
    return editEnv(root, {{statePathKey, QJsonValue(QJsonValue::Undefined)}});
}

// Our keys in what was written and in what is on disk now must agree.
bool managedKeysMatch(const QJsonObject &expected, const QJsonObject &actual)
{
    const auto ourStatusLineValue = [](const QJsonObject &root) {
        const QJsonValue value = root.value(statusLineKey);
        return ourStatusLine(value) ? value : QJsonValue(QJsonValue::Undefined);
    };
    const auto envValue = [](const QJsonObject &root, QLatin1String key) {
        return root.value(envKey).toObject().value(key);
    };
    for (const QLatin1String key : {watchdogKey, refreshKey, resumeKey, statePathKey, thresholdKey}) {
        if (envValue(expected, key) != envValue(actual, key))
            return false;
    }
    return guardCommands(expected) == guardCommands(actual) && ourStatusLineValue(expected) == ourStatusLineValue(actual);
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

QByteArrayView withoutByteOrderMark(QByteArrayView text)
{
    return text.startsWith("\xEF\xBB\xBF") ? text.sliced(3) : text;
}

// The file as it is now, if it still is the one open as fd.
std::optional<QByteArray> contentsIfStillAt(int fd, const QString &path)
{
    struct stat open {};
    struct stat named {};
    if (::fstat(fd, &open) != 0 || ::stat(QFile::encodeName(path).constData(), &named) != 0 || open.st_ino != named.st_ino ||
        open.st_dev != named.st_dev)
        return std::nullopt;
    const auto contents = readOpenFile(fd, SettingsFileManager::maximumFileSize);
    return contents ? std::optional(contents->bytes) : std::nullopt;
}

} // namespace

// The settings file read for an edit: its text, what it says, and the file
// itself kept open, so that a write into it after it was replaced is seen.
struct SettingsFileManager::Loaded {
    QByteArray text;
    QJsonObject root;
    std::optional<FileIdentity> identity; // absent when there is no file
    FileDescriptor file;
};

SettingsFileManager::SettingsFileManager()
    : SettingsFileManager(Options{})
{
}

SettingsFileManager::SettingsFileManager(Options options)
    : m_options(std::move(options))
{
}

QString SettingsFileManager::lockPath(const QString &settingsPath)
{
    const QFileInfo info(settingsPath);
    return info.dir().filePath(QLatin1Char('.') + info.fileName() + QLatin1String(".pacewise.lock"));
}

QString SettingsFileManager::backupPath(const QString &settingsPath)
{
    const QFileInfo info(settingsPath);
    return info.dir().filePath(QLatin1Char('.') + info.fileName() + QLatin1String(".pacewise-statusline-backup.json"));
}

QString SettingsFileManager::shellCommand(const QString &scriptPath)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9/._+-]+$"));
    return plain.match(scriptPath).hasMatch() ? scriptPath : shellQuoted(scriptPath);
}

std::expected<SettingsFileManager::Loaded, SettingsError> SettingsFileManager::load(const QString &settingsPath) const
{
    for (int reading = 0;; ++reading) {
        FileDescriptor fd(::open(QFile::encodeName(settingsPath).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
        if (!fd.isValid()) {
            if (errno == ENOENT)
                return Loaded{};
            return failure(Kind::unreadable, {}, errno);
        }
        const auto contents = readOpenFile(fd.get(), maximumFileSize);
        if (!contents) {
            switch (contents.error().kind) {
            case FileReadError::Kind::tooLarge:
                return failure(Kind::tooLarge);
            case FileReadError::Kind::notRegularFile:
                return failure(Kind::notRegularFile);
            case FileReadError::Kind::missing:
            case FileReadError::Kind::readFailed:
                return failure(Kind::unreadable, {}, contents.error().errorNumber);
            }
        }
        // An empty file is read as {}, but only once it stays empty: Claude
        // Code truncates the file before writing it anew, and taking that
        // moment for the whole file would drop every setting.
        const QByteArrayView json = withoutByteOrderMark(contents->bytes);
        const bool empty = json.trimmed().isEmpty();
        QJsonParseError parseError{};
        const QJsonDocument document = empty ? QJsonDocument() : QJsonDocument::fromJson(json.toByteArray(), &parseError);
        if (!empty && parseError.error == QJsonParseError::NoError) {
            if (!document.isObject())
                return failure(Kind::rootIsNotObject);
            return Loaded{contents->bytes, document.object(), contents->identity, std::move(fd)};
        }
        if (reading >= m_options.parseRetries) {
            if (contents->bytes.isEmpty())
                return Loaded{contents->bytes, {}, contents->identity, std::move(fd)};
            return failure(Kind::invalidJSON, empty ? QStringLiteral("only white space") : parseError.errorString());
        }
        std::this_thread::sleep_for(m_options.parseRetryDelay);
    }
}

std::expected<SettingsFileManager::GuardSettings, SettingsError> SettingsFileManager::read(const QString &settingsPath) const
{
    // Asked on every look at the guard: only our three keys are parsed; the
    // rest of the file (it may be large) is skimmed. A file that does not
    // even skim is read in full, for the reason it fails.
    QJsonObject root;
    const auto contents = readRegularFile(settingsPath, maximumFileSize);
    const auto skimmed = contents ? JsonTextEditor::rootMembers(contents->bytes, managedRootKeys) : std::nullopt;
    if (skimmed) {
        root = *skimmed;
    } else if (!contents || !withoutByteOrderMark(contents->bytes).trimmed().isEmpty()) {
        auto loaded = load(settingsPath);
        if (!loaded)
            return std::unexpected(loaded.error());
        root = loaded->root;
    }
    GuardSettings settings{.guardEnabled = !guardCommands(root).isEmpty(), .statusLine = statusLineOwner(root)};
    const QJsonObject env = root.value(envKey).toObject();
    const auto text = [&](QLatin1String key) {
        const QJsonValue value = env.value(key);
        return value.isString() && !value.toString().isEmpty() ? std::optional(value.toString()) : std::nullopt;
    };
    settings.resumeDirectory = text(resumeKey);
    settings.statePath = text(statePathKey);
    bool isNumber = false;
    const double threshold = text(thresholdKey).value_or(QString()).toDouble(&isNumber);
    if (isNumber && threshold > 0 && threshold <= 100)
        settings.threshold = threshold;
    return settings;
}

std::expected<bool, SettingsError> SettingsFileManager::isGuardEnabled(const QString &settingsPath) const
{
    const auto settings = read(settingsPath);
    if (!settings)
        return std::unexpected(settings.error());
    return settings->guardEnabled;
}

std::expected<void, SettingsError> SettingsFileManager::enableGuard(const QString &settingsPath, const GuardSetup &setup) const
{
    return modify(settingsPath, [&](QJsonObject &root, BackupState &backup) { return applyEnable(root, backup, setup); });
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
    const auto settings = read(settingsPath);
    if (!settings)
        return std::unexpected(settings.error());
    if (!settings->resumeDirectory)
        return std::optional<QString>();
    QString path = *settings->resumeDirectory;
    if (path == u"~" || path.startsWith(u"~/"))
        path = homeDirectory + path.mid(1);
    return std::optional(QDir::cleanPath(path));
}

std::expected<void, SettingsError>
SettingsFileManager::setResumeDirectory(const QString &settingsPath, const std::optional<QString> &directory) const
{
    return modify(settingsPath, [&](QJsonObject &root, BackupState &) {
        return editEnv(root, {{resumeKey, directory ? QJsonValue(QDir::cleanPath(*directory)) : QJsonValue(QJsonValue::Undefined)}});
    });
}

std::expected<void, SettingsError> SettingsFileManager::setThreshold(const QString &settingsPath, double percent) const
{
    // Claude Code hands env values to hooks as they are: a string.
    const QJsonValue value = percent == UsageThresholds::critical ? QJsonValue(QJsonValue::Undefined) : QJsonValue(QString::number(percent));
    return modify(settingsPath, [&](QJsonObject &root, BackupState &) { return editEnv(root, {{thresholdKey, value}}); });
}

namespace {

// An edit worked out on one version of the file.
struct Edit {
    QByteArray text; // the version edited
    QJsonObject before;
    QJsonObject after;
    BackupState backup;
    bool rewrite = false; // the file must be written
    QByteArray bytes;     // what it becomes
};

std::expected<QJsonObject, SettingsError> parseSettings(const QByteArray &text)
{
    const QByteArrayView json = withoutByteOrderMark(text);
    if (text.isEmpty())
        return QJsonObject();
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError)
        return failure(Kind::invalidJSON, json.trimmed().isEmpty() ? QStringLiteral("only white space") : error.errorString());
    if (!document.isObject())
        return failure(Kind::rootIsNotObject);
    return document.object();
}

// forceWrite: the file on disk is not text (a write taken in from the file
// this edit replaced), so it is written even when the mutation is a no-op.
std::expected<Edit, SettingsError> prepare(const QByteArray &text, const QJsonObject &before, const QString &backupFile,
                                           const SettingsFileManager::Mutation &mutation, bool forceWrite)
{
    Edit edit{.text = text, .before = before, .after = before, .backup = readBackup(backupFile), .rewrite = false, .bytes = {}};
    const bool firstChange = edit.backup.file == BackupState::File::missing;
    const auto settingsBefore = edit.backup.backup ? edit.backup.backup->settingsBefore : std::nullopt;
    if (const auto applied = mutation(edit.after, edit.backup); !applied)
        return std::unexpected(applied.error());
    edit.rewrite = edit.after != before || forceWrite;
    if (!edit.rewrite)
        return edit;
    const auto edited = withoutByteOrderMark(text).trimmed().isEmpty() ? std::optional(JsonTextEditor::write(edit.after))
                                                                       : JsonTextEditor::edit(text, before, edit.after);
    if (!edited)
        return failure(Kind::invalidJSON, QStringLiteral("it could not be edited in place"));
    edit.bytes = *edited;
    if (firstChange && edit.backup.changed && edit.backup.backup)
        edit.backup.backup->settingsBefore = text;
    // Turned off with nothing else changed since: the file as it was, to the byte.
    if (settingsBefore && edit.backup.changed && !edit.backup.backup) {
        const auto restored = parseSettings(*settingsBefore);
        if (restored && restored == parseSettings(edit.bytes))
            edit.bytes = *settingsBefore;
    }
    return edit;
}

// The backup says only what happened: an old one goes before the settings
// change, the new one is written once they did.
void dropOldBackup(const Edit &edit, const QString &backupFile)
{
    if (edit.backup.changed)
        QFile::remove(backupFile);
}

std::expected<void, SettingsError> writeNewBackup(const Edit &edit, const QString &settingsPath, const QString &backupFile)
{
    if (!edit.backup.changed || !edit.backup.backup)
        return {};
    const auto [mode, owner] = inheritedAccess(settingsPath);
    if (const auto written = writeFileAtomically(backupFile, edit.backup.backup->toJson(), mode, owner); !written)
        return std::unexpected(writeError(written.error()));
    return {};
}

} // namespace

std::expected<void, SettingsError> SettingsFileManager::modify(const QString &settingsPath, const Mutation &mutation) const
{
    const QString backupFile = backupPath(settingsPath);
    // A write that went into the file a replace took away, taken in to be
    // written again under the edit, and what the replace had written.
    std::optional<std::pair<QByteArray, QByteArray>> lateWrite;
    // Held across the attempts: a late write taken in lives only here until
    // it is written again, and another editor that came in between would
    // replace the file without it.
    const auto lock = FileLock::lock(lockPath(settingsPath), m_options.lockTimeout);
    if (!lock && lock.error() == EWOULDBLOCK)
        return failure(Kind::lockUnavailable);
    if (!lock)
        return failure(Kind::writeFailed, {}, lock.error()); // nothing can be written beside the file
    for (int number = 1; number <= attempts; ++number) {
        if (const auto status = regularFileIdentity(settingsPath); status && (status->permissions & S_IWUSR) == 0)
            return failure(Kind::readOnly);

        auto loaded = load(settingsPath);
        if (!loaded)
            return std::unexpected(loaded.error());
        // What must still be at the path when ours replaces it.
        const QByteArray expected = loaded->text;
        QByteArray text = loaded->text;
        QJsonObject before = loaded->root;
        if (lateWrite && lateWrite->second == expected) {
            if (const auto taken = parseSettings(lateWrite->first)) {
                text = lateWrite->first;
                before = *taken;
            }
        }
        lateWrite.reset();
        const auto edit = prepare(text, before, backupFile, mutation, text != expected);
        if (!edit)
            return std::unexpected(edit.error());
        if (!edit->rewrite && !edit->backup.changed)
            return {}; // already as wanted: the file stays untouched

        if (m_options.preWriteInterceptor)
            m_options.preWriteInterceptor(number);
        dropOldBackup(*edit, backupFile);
        if (edit->rewrite) {
            const auto stillAsRead = [&] {
                if (!loaded->file.isValid())
                    return !QFileInfo::exists(settingsPath);
                return contentsIfStillAt(loaded->file.get(), settingsPath) == expected;
            };
            const auto [mode, owner] = inheritedAccess(settingsPath);
            const auto written = writeFileAtomically(settingsPath, edit->bytes, mode, owner, SymlinkPolicy::follow, stillAsRead);
            if (!written && written.error().kind == AtomicWriteError::Kind::superseded)
                continue;
            if (!written)
                return std::unexpected(writeError(written.error()));
            // A writer that opened the file just before the replace writes
            // into the old one, where nobody would ever read it again.
            if (loaded->file.isValid()) {
                const auto replaced = [&] { return readOpenFile(loaded->file.get(), maximumFileSize); };
                auto late = replaced();
                if (late && late->bytes == expected) {
                    std::this_thread::sleep_for(lateWriteWindow);
                    late = replaced();
                }
                if (late && late->bytes != expected) {
                    // Caught between its truncation and its write: wait for the rest.
                    for (int wait = 0; wait < 100 && late && !parseSettings(late->bytes); ++wait) {
                        std::this_thread::sleep_for(std::chrono::milliseconds(1));
                        late = replaced();
                    }
                    if (late)
                        lateWrite = std::pair(late->bytes, edit->bytes);
                    continue;
                }
            }
            if (m_options.postWriteInterceptor)
                m_options.postWriteInterceptor(number);
            const auto reread = readRegularFile(settingsPath, maximumFileSize);
            const auto now = reread ? JsonTextEditor::rootMembers(reread->bytes, managedRootKeys) : std::nullopt;
            if (!now || !managedKeysMatch(edit->after, *now))
                continue;
        }
        return writeNewBackup(*edit, settingsPath, backupFile);
    }
    return std::unexpected(SettingsError{.kind = Kind::concurrentModification, .attempts = attempts});
}

} // namespace pacewise
