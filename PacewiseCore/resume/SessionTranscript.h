#pragma once

#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace pacewise {

// What a session's transcript (~/.claude/projects/<folder>/<session>.jsonl,
// written by Claude Code) says about the session since it was stopped:
// whether it went on without Pacewise, whether a resume of Pacewise's got
// as far as its prompt, and the permission mode it ran in. Transcripts
// reach gigabytes: only the last transcriptTailBytes are read.
class SessionTranscript {
public:
    static constexpr qint64 transcriptTailBytes = 4 * 1024 * 1024;

    // Where Claude Code keeps the transcript of a session run in cwd: the
    // folder is cwd with every character but letters and digits made "-",
    // cut to 200 characters plus a hash of the whole when longer.
    static QString pathFor(const QString &projectsDirectory, const QString &cwd, const QString &sessionID);

    // Nothing when the file is missing, not a regular file of this user's,
    // or writable by others.
    static std::optional<SessionTranscript> read(const QString &path);
    static SessionTranscript parse(QByteArrayView text, bool startsMidFile = false);

    // Some turn other than Pacewise's own resumes was at work after since:
    // the user's, or Claude Code continuing by itself after the reset.
    bool continuedWithoutPacewiseSince(const QDateTime &since) const;
    // A resume of Pacewise's got its prompt into the session after since.
    bool pacewiseResumedSince(const QDateTime &since) const;
    // The mode the session ran in last, as Claude Code recorded it.
    const std::optional<QString> &permissionMode() const { return m_permissionMode; }

private:
    struct Entry {
        QDateTime at;
        bool prompt = false; // starts a turn
        bool ours = false;   // belongs to a turn Pacewise's resume started
    };
    QList<Entry> m_entries;
    std::optional<QString> m_permissionMode;
};

} // namespace pacewise
