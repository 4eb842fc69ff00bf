#include "ResumeQueue.h"

#include "system/RegularFile.h"

#include <QDirIterator>
#include <QFile>
#include <QHash>

#include <algorithm>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace pacewise {

namespace {

struct TicketFile {
    QString path;
    ResumeTicket ticket;
    FileIdentity identity;
};

// Visits every readable ticket file once, in directory order (no sorting,
// so listing stays linear in the number of files).
template<typename Visit>
void forEachTicketFile(const QString &directory, Visit visit)
{
    QDirIterator entries(directory, QDir::Files | QDir::NoDotAndDotDot | QDir::System);
    while (entries.hasNext()) {
        const QString path = entries.next();
        const QString name = entries.fileName();
        if (name.startsWith(u'.') || !name.endsWith(QLatin1String(".json"), Qt::CaseInsensitive))
            continue;
        const auto contents = readRegularFile(path, ResumeTicket::maximumFileSize, SymlinkPolicy::refuse);
        if (!contents)
            continue;
        if (auto ticket = ResumeTicket::decode(contents->bytes))
            visit(TicketFile{path, std::move(*ticket), contents->identity});
    }
}

} // namespace

ResumeQueue::ResumeQueue(QString directory)
    : m_directory(std::move(directory))
{
}

QList<ResumeTicket> ResumeQueue::tickets() const
{
    QHash<QString, ResumeTicket> newest;
    forEachTicketFile(m_directory, [&](TicketFile file) {
        const auto kept = newest.constFind(file.ticket.sessionID);
        if (kept == newest.constEnd() || kept->createdAt <= file.ticket.createdAt)
            newest.insert(file.ticket.sessionID, std::move(file.ticket));
    });
    QList<ResumeTicket> ordered = newest.values();
    std::sort(ordered.begin(), ordered.end(), [](const ResumeTicket &a, const ResumeTicket &b) {
        return a.resetsAt != b.resetsAt ? a.resetsAt < b.resetsAt : a.sessionID < b.sessionID;
    });
    return ordered;
}

std::expected<void, int> ResumeQueue::remove(const QString &sessionID, const std::optional<QDateTime> &notNewerThan) const
{
    int failure = 0;
    forEachTicketFile(m_directory, [&](const TicketFile &file) {
        if (failure != 0 || file.ticket.sessionID != sessionID)
            return;
        if (notNewerThan && file.ticket.createdAt > *notNewerThan)
            return;
        // The guard replaces ticket files by rename: unlink only the file
        // that was read, not one that took its place meanwhile.
        const QByteArray encoded = QFile::encodeName(file.path);
        struct stat current {};
        if (::lstat(encoded.constData(), &current) != 0 || current.st_ino != file.identity.inode ||
            current.st_dev != file.identity.device)
            return;
        if (::unlink(encoded.constData()) != 0 && errno != ENOENT)
            failure = errno;
    });
    if (failure != 0)
        return std::unexpected(failure);
    return {};
}

} // namespace pacewise
