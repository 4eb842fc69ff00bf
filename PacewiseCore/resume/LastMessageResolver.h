#pragma once

#include "ResumeTicket.h"

#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>

#include <optional>

namespace pacewise {

// A short human title for each pending session: the last message the user
// typed in it, else the session's name in Claude Code, else its project,
// else the start of its id. Transcripts reach gigabytes: only their last
// 4 MiB are ever read. Titles are cached per session; reload() may run on a
// pool thread while title() is read on the main thread.
class LastMessageResolver {
public:
    static constexpr qint64 transcriptTailBytes = 4 * 1024 * 1024;
    static constexpr qint64 readChunkBytes = 64 * 1024;
    static constexpr int titleLength = 60;

    explicit LastMessageResolver(QString sessionsDirectory);

    // Reloads the session names and computes a title for every ticket.
    void reload(const QList<ResumeTicket> &tickets);
    QString title(const ResumeTicket &ticket) const;

    // "code/shop" for /home/ann/code/shop; the cwd itself when that fails.
    static QString projectTitle(const ResumeTicket &ticket);
    static std::optional<QString> projectPath(const QString &cwd);
    static std::optional<QString> lastUserMessage(const QString &transcriptPath);
    static std::optional<QString> titleFromTranscriptLine(QByteArrayView line);

private:
    QString fallbackTitle(const ResumeTicket &ticket, const QHash<QString, QString> &names) const;

    QString m_sessionsDirectory;
    mutable QMutex m_mutex;
    QHash<QString, QString> m_names;
    QHash<QString, QString> m_titles;
};

} // namespace pacewise
