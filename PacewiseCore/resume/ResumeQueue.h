#pragma once

#include "ResumeRecord.h"
#include "ResumeTicket.h"

#include <QList>
#include <QString>

#include <expected>

namespace pacewise {

// The ticket directory: lists, de-duplicates, orders and deletes tickets,
// and keeps beside each one the record of its resumes. A ticket ends up in
// a command line and a working directory, so only files this user owns
// and nobody else can write are trusted, in a directory nobody else can
// write: regular, non-hidden *.json files of at most a few KiB, never read
// through a symbolic link or blocking on a FIFO.
class ResumeQueue {
public:
    explicit ResumeQueue(QString directory);

    const QString &directory() const { return m_directory; }

    // One ticket per session (the newest by created_at), ordered by reset
    // time, then session id. Never fails: unusable or untrusted files are
    // skipped and left in place; in a directory others can write, nothing
    // is trusted.
    QList<ResumeTicket> tickets() const;
    // The session's newest ticket as it is now.
    std::optional<ResumeTicket> ticket(const QString &sessionID) const;
    // Why tickets here are not trusted, when they are not: the directory
    // is another user's or writable by others.
    std::optional<QString> untrustedBecause() const;

    // Deletes the session's ticket files; with notNewerThan only those
    // created up to then, so a ticket the guard wrote while the session was
    // being resumed survives. Fails only with the errno of a deletion that
    // went wrong (a file already gone counts as deleted).
    std::expected<void, int> remove(const QString &sessionID,
                                    const std::optional<QDateTime> &notNewerThan = std::nullopt) const;

    // The record of the session's resumes, when one was kept.
    std::optional<ResumeRecord> record(const QString &sessionID) const;
    bool saveRecord(const QString &sessionID, const ResumeRecord &record) const;
    // Drops the session's record, its last run's files and its lock file,
    // once nothing is left to resume; only while the lock is held.
    void forget(const QString &sessionID) const;
    // The lock resumers of the session take: ".<session>.resume.lock".
    QString lockPath(const QString &sessionID) const;
    // Where a resume's run keeps its output and result (ResumeRun):
    // ".<session>.resume-run.*".
    QString runFilePrefix(const QString &sessionID) const;

private:
    QString m_directory;
};

} // namespace pacewise
