#include "ResumeQueue.h"

#include "ResumeRun.h"

#include "system/AtomicFileWriter.h"
#include "system/PrivateDirectory.h"
#include "system/RegularFile.h"

#include "system/FileDescriptor.h"

#include <QDir>
#include <QFile>
#include <QHash>

#include <algorithm>
#include <memory>
#include <string_view>

#include <cerrno>
#include <dirent.h>
#include <strings.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pacewise {

namespace {

struct TicketFile {
    QString path;
    ResumeTicket ticket;
    FileIdentity identity;
};

// Visits every trusted ticket file once, in directory order (no sorting,
// so listing stays linear in the number of files). The folder is opened
// once and its files read by name within it: listing is on every poll, and
// a path walked per file would cost more than reading the file.
template<typename Visit>
void forEachTicketFile(const QString &directory, Visit visit)
{
    const QByteArray encodedDirectory = QFile::encodeName(directory);
    FileDescriptor folder(::open(encodedDirectory.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat status {};
    if (!folder.isValid() || ::fstat(folder.get(), &status) != 0 || status.st_uid != ::geteuid() ||
        (status.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return;
    // fdopendir takes the descriptor over; a duplicate keeps ours for openat.
    const std::unique_ptr<DIR, int (*)(DIR *)> entries(::fdopendir(::fcntl(folder.get(), F_DUPFD_CLOEXEC, 0)), ::closedir);
    if (!entries)
        return;
    while (const dirent *entry = ::readdir(entries.get())) {
        const std::string_view name(entry->d_name);
        if (name.starts_with('.') || name.size() < 5 || ::strcasecmp(name.substr(name.size() - 5).data(), ".json") != 0 ||
            (entry->d_type != DT_REG && entry->d_type != DT_UNKNOWN))
            continue;
        const auto contents = readRegularFileAt(folder.get(), entry->d_name, ResumeTicket::maximumFileSize, SymlinkPolicy::refuse);
        if (!contents || !contents->identity.isPrivate())
            continue;
        if (auto ticket = ResumeTicket::decode(contents->bytes))
            visit(TicketFile{QFile::decodeName(encodedDirectory + '/' + entry->d_name), std::move(*ticket), contents->identity});
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

std::optional<ResumeTicket> ResumeQueue::ticket(const QString &sessionID) const
{
    std::optional<ResumeTicket> newest;
    forEachTicketFile(m_directory, [&](TicketFile file) {
        if (file.ticket.sessionID == sessionID && (!newest || newest->createdAt <= file.ticket.createdAt))
            newest = std::move(file.ticket);
    });
    return newest;
}

std::optional<QString> ResumeQueue::untrustedBecause() const
{
    struct stat status {};
    if (::lstat(QFile::encodeName(m_directory).constData(), &status) != 0 || isPrivateDirectory(m_directory))
        return std::nullopt;
    if (!S_ISDIR(status.st_mode))
        return QStringLiteral("%1 is not a folder").arg(m_directory);
    if (status.st_uid != ::geteuid())
        return QStringLiteral("%1 belongs to another user").arg(m_directory);
    return QStringLiteral("other users can write to %1; 'pacewisectl auto-continue on' makes it private").arg(m_directory);
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

namespace {

QString recordPath(const QString &directory, const QString &sessionID)
{
    return QDir(directory).filePath(u'.' + sessionID + u".resume.json"_qs);
}

} // namespace

std::optional<ResumeRecord> ResumeQueue::record(const QString &sessionID) const
{
    const auto contents = readRegularFile(recordPath(m_directory, sessionID), ResumeTicket::maximumFileSize,
                                          SymlinkPolicy::refuse);
    if (!contents || !contents->identity.isPrivate())
        return std::nullopt;
    return ResumeRecord::decode(contents->bytes);
}

bool ResumeQueue::saveRecord(const QString &sessionID, const ResumeRecord &record) const
{
    return writeFileAtomically(recordPath(m_directory, sessionID), record.encode(), 0600, std::nullopt,
                               SymlinkPolicy::refuse)
        .has_value();
}

void ResumeQueue::forget(const QString &sessionID) const
{
    ResumeRun(runFilePrefix(sessionID)).clear();
    QFile::remove(recordPath(m_directory, sessionID));
    QFile::remove(lockPath(sessionID));
}

QString ResumeQueue::runFilePrefix(const QString &sessionID) const
{
    return QDir(m_directory).filePath(u'.' + sessionID + u".resume-run"_qs);
}

QString ResumeQueue::lockPath(const QString &sessionID) const
{
    return QDir(m_directory).filePath(u'.' + sessionID + u".resume.lock"_qs);
}

} // namespace pacewise
