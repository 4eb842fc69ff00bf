#include "ClaudePaths.h"

#include <QDir>

namespace pacewise {

ClaudePaths::ClaudePaths(QString configDirectory, QString accountFile)
    : m_configDirectory(QDir::cleanPath(configDirectory))
    , m_accountFile(QDir::cleanPath(accountFile))
{
}

ClaudePaths ClaudePaths::fromEnvironment(const QProcessEnvironment &environment, const QString &homeDirectory)
{
    // A relative value would mean a different folder for every working
    // directory Claude Code runs in; there is no one place to follow.
    const QString configured = environment.value(QStringLiteral("CLAUDE_CONFIG_DIR"));
    if (!configured.isEmpty() && QDir::isAbsolutePath(configured))
        return ClaudePaths(configured, QDir(configured).filePath(QStringLiteral(".claude.json")));
    const QDir home(homeDirectory);
    return ClaudePaths(home.filePath(QStringLiteral(".claude")), home.filePath(QStringLiteral(".claude.json")));
}

ClaudePaths ClaudePaths::forCurrentUser()
{
    return fromEnvironment(QProcessEnvironment::systemEnvironment(), QDir::homePath());
}

QString ClaudePaths::file(const QString &name) const
{
    return QDir(m_configDirectory).filePath(name);
}

QString ClaudePaths::settingsFile() const
{
    return file(QStringLiteral("settings.json"));
}

QString ClaudePaths::hooksDirectory() const
{
    return file(QStringLiteral("hooks"));
}

QString ClaudePaths::sessionsDirectory() const
{
    return file(QStringLiteral("sessions"));
}

QString ClaudePaths::projectsDirectory() const
{
    return file(QStringLiteral("projects"));
}

QString ClaudePaths::engineStateFile() const
{
    return file(QStringLiteral("rate-limit-state.json"));
}

QString ClaudePaths::resumeTicketDirectory() const
{
    return file(QStringLiteral("pacewise-resume-tickets"));
}

} // namespace pacewise
