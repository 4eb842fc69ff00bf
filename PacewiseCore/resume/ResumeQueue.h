#pragma once

#include "ResumeTicket.h"

#include <QList>
#include <QString>

#include <expected>

namespace pacewise {

// The ticket directory: lists, de-duplicates, orders and deletes tickets.
// Files there are written by another program, so only regular,
// non-hidden *.json files of at most a few KiB are read, never through a
// symbolic link and never blocking on a FIFO.
class ResumeQueue {
public:
    explicit ResumeQueue(QString directory);

    const QString &directory() const { return m_directory; }

    // One ticket per session (the newest by created_at), ordered by reset
    // time, then session id. Never fails: unusable files are skipped and
    // left in place.
    QList<ResumeTicket> tickets() const;

    // Deletes the session's ticket files; with notNewerThan only those
    // created up to then, so a ticket the guard wrote while the session was
    // being resumed survives. Fails only with the errno of a deletion that
    // went wrong (a file already gone counts as deleted).
    std::expected<void, int> remove(const QString &sessionID,
                                    const std::optional<QDateTime> &notNewerThan = std::nullopt) const;

private:
    QString m_directory;
};

} // namespace pacewise
