#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace pacewise {

// Where Claude Code keeps its files. Everything derives from one
// configuration directory ($CLAUDE_CONFIG_DIR, else ~/.claude) so that a user
// who moved it is followed everywhere, and tests point it at a scratch folder.
class ClaudePaths {
public:
    ClaudePaths(QString configDirectory, QString accountFile);

    // Claude Code keeps its account file beside the configuration directory
    // (~/.claude.json) by default, and inside it when CLAUDE_CONFIG_DIR moves it.
    static ClaudePaths fromEnvironment(const QProcessEnvironment &environment, const QString &homeDirectory);
    static ClaudePaths forCurrentUser();

    const QString &configDirectory() const { return m_configDirectory; }
    const QString &accountFile() const { return m_accountFile; }

    QString settingsFile() const;
    QString hooksDirectory() const;
    QString sessionsDirectory() const;
    QString projectsDirectory() const;
    QString engineStateFile() const;
    QString resumeTicketDirectory() const;

    bool operator==(const ClaudePaths &) const = default;

private:
    QString file(const QString &name) const;

    QString m_configDirectory;
    QString m_accountFile;
};

} // namespace pacewise
