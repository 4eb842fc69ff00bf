#include "LoginItemService.h"

#include "AtomicFileWriter.h"
#include "ErrorText.h"
#include "RegularFile.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace pacewise {

namespace {

constexpr qint64 maximumEntrySize = 64 * 1024;

// The value of a key in the [Desktop Entry] group, if set.
std::optional<QByteArray> desktopEntryValue(const QByteArray &entry, const QByteArray &key)
{
    bool inMainGroup = false;
    for (const QByteArray &rawLine : entry.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.startsWith('['))
            inMainGroup = line == "[Desktop Entry]";
        else if (inMainGroup && line.startsWith(key + '='))
            return line.mid(key.size() + 1).trimmed();
        else if (inMainGroup && line.startsWith(key + ' ') && line.contains('='))
            return line.mid(line.indexOf('=') + 1).trimmed();
    }
    return std::nullopt;
}

bool isSwitchedOff(const QByteArray &entry)
{
    return desktopEntryValue(entry, "Hidden") == "true" || desktopEntryValue(entry, "X-GNOME-Autostart-enabled") == "false";
}

// Sets a key in the [Desktop Entry] group, keeping every other line.
QByteArray withKey(const QByteArray &entry, const QByteArray &key, const QByteArray &value)
{
    QList<QByteArray> lines = entry.split('\n');
    const QByteArray assignment = key + '=' + value;
    bool inMainGroup = false;
    qsizetype groupEnd = -1;
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const QByteArray line = lines[index].trimmed();
        if (line.startsWith('[')) {
            if (inMainGroup && groupEnd < 0)
                groupEnd = index;
            inMainGroup = line == "[Desktop Entry]";
        } else if (inMainGroup && line.startsWith(key) && line.mid(key.size()).trimmed().startsWith('=')) {
            lines[index] = assignment;
            return lines.join('\n');
        }
    }
    if (groupEnd >= 0) {
        while (groupEnd > 0 && lines[groupEnd - 1].trimmed().isEmpty())
            --groupEnd; // after the group's last line, before the blank ones
        lines.insert(groupEnd, assignment);
        return lines.join('\n');
    }
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    return (lines + QList<QByteArray>{assignment, {}}).join('\n');
}

} // namespace

XdgAutostartService::XdgAutostartService(QString autostartDirectory, QString id, QString name, QString command,
                                         QStringList earlierCommands)
    : m_directory(std::move(autostartDirectory))
    , m_id(std::move(id))
    , m_name(std::move(name))
    , m_command(std::move(command))
    , m_earlierCommands(std::move(earlierCommands))
{
}

QString XdgAutostartService::defaultDirectory()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!QDir::isAbsolutePath(config))
        config = QDir::home().filePath(QStringLiteral(".config"));
    return QDir(config).filePath(QStringLiteral("autostart"));
}

// An argument with a reserved character goes in double quotes with ", `, $
// and \ escaped; then the string-value escapes apply to the whole line:
// backslashes doubled, control characters spelled out, and % is written %%.
QString XdgAutostartService::execLine(const QStringList &arguments)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QStringList quoted;
    for (const QString &argument : arguments) {
        if (!argument.isEmpty() && std::ranges::none_of(argument, [](QChar c) { return reserved.contains(c); })) {
            quoted << argument;
            continue;
        }
        QString inQuotes;
        for (const QChar c : argument) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
                inQuotes += u'\\';
            inQuotes += c;
        }
        quoted << u'"' + inQuotes + u'"';
    }
    return quoted.join(u' ')
        .replace(u'\\', QStringLiteral("\\\\"))
        .replace(u'\n', QStringLiteral("\\n"))
        .replace(u'\t', QStringLiteral("\\t"))
        .replace(u'\r', QStringLiteral("\\r"))
        .replace(u'%', QStringLiteral("%%"));
}

QString XdgAutostartService::entryPath() const
{
    return QDir(m_directory).filePath(m_id + QStringLiteral(".desktop"));
}

namespace {

// What the application's own desktop entry says of it, in every language it
// has: its GenericName and Comment lines, so that a session's list of
// programs started at login describes it as the menu does.
const QByteArray &descriptionLines()
{
    static const QByteArray lines = [] {
        QFile application(QStringLiteral(":/desktop/io.github.pacewise.Pacewise.desktop"));
        QByteArray described;
        if (!application.open(QIODevice::ReadOnly))
            return described;
        for (const QByteArray &line : application.readAll().split('\n')) {
            if (line.startsWith("GenericName") || line.startsWith("Comment"))
                described += line + '\n';
        }
        return described;
    }();
    return lines;
}

QByteArray entryText(const QString &name, const QString &command, const QString &icon)
{
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=" + name.toUtf8() + "\n" +
           descriptionLines() +
           "Exec=" + command.toUtf8() + "\n"
           "Icon=" + icon.toUtf8() + "\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

// The entry as versions before the translated descriptions wrote it.
QByteArray untranslatedEntryText(const QString &name, const QString &command, const QString &icon)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=%1\n"
                          "Comment=Keeps long Claude Code jobs going across usage limits\n"
                          "Exec=%2\n"
                          "Icon=%3\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(name, command, icon)
        .toUtf8();
}

} // namespace

// The icon is the application's own, as installed under its id.
QByteArray XdgAutostartService::entry() const
{
    return entryText(m_name, m_command, m_id);
}

bool XdgAutostartService::isOurs(const QByteArray &existing) const
{
    if (existing == entry() || existing == untranslatedEntryText(m_name, m_command, m_id))
        return true;
    // Older versions named the icon "pacewise", which no package installs.
    return std::ranges::any_of(m_earlierCommands + QStringList{m_command}, [&](const QString &command) {
        return existing == untranslatedEntryText(m_name, command, QStringLiteral("pacewise"));
    });
}

XdgAutostartService::Status XdgAutostartService::status() const
{
    const auto existing = readRegularFileBytes(entryPath(), maximumEntrySize);
    if (!existing || isSwitchedOff(*existing))
        return Status::notRegistered;
    return Status::enabled;
}

std::expected<void, QString> XdgAutostartService::registerItem()
{
    const auto existing = readRegularFileBytes(entryPath(), maximumEntrySize);
    if (existing && !isSwitchedOff(*existing) && (*existing == entry() || !isOurs(*existing)))
        return {}; // on already, ours or the user's own
    // The user's own version stays; it is only switched back on.
    const QByteArray contents =
        existing && !isOurs(*existing)
            ? withKey(withKey(*existing, "Hidden", "false"), "X-GNOME-Autostart-enabled", "true")
            : entry();
    if (const auto written = writeFileAtomically(entryPath(), contents, 0644); !written)
        return std::unexpected(systemErrorText(written.error().errorNumber));
    return {};
}

std::expected<void, QString> XdgAutostartService::unregisterItem()
{
    const auto existing = readRegularFileBytes(entryPath(), maximumEntrySize);
    if (!existing)
        return {};
    if (isOurs(*existing)) {
        if (!QFile::remove(entryPath()) && QFile::exists(entryPath()))
            return std::unexpected(QStringLiteral("%1 could not be removed").arg(entryPath()));
        return {};
    }
    if (isSwitchedOff(*existing))
        return {};
    if (const auto written = writeFileAtomically(entryPath(), withKey(*existing, "Hidden", "true"), 0644); !written)
        return std::unexpected(systemErrorText(written.error().errorNumber));
    return {};
}

} // namespace pacewise
