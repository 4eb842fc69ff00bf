#include "RegularFile.h"

#include "FileDescriptor.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pacewise {

namespace {

qint64 nanoseconds(const timespec &time)
{
    return qint64(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

FileIdentity identityOf(const struct stat &status)
{
    return FileIdentity{
        .device = status.st_dev,
        .inode = status.st_ino,
        .size = qint64(status.st_size),
        .modifiedNanoseconds = nanoseconds(status.st_mtim),
        .changedNanoseconds = nanoseconds(status.st_ctim),
        .owner = status.st_uid,
        .permissions = mode_t(status.st_mode & 07777),
    };
}

FileReadError errorFromErrno(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return {FileReadError::Kind::missing, error};
    case ELOOP: // O_NOFOLLOW met a link
        return {FileReadError::Kind::notRegularFile, error};
    default:
        return {FileReadError::Kind::readFailed, error};
    }
}

} // namespace

bool FileIdentity::isPrivate() const
{
    static const uid_t us = ::geteuid(); // asked per ticket otherwise
    return owner == us && (permissions & (S_IWGRP | S_IWOTH)) == 0;
}

QDateTime FileIdentity::modifiedAt() const
{
    return QDateTime::fromMSecsSinceEpoch(modifiedNanoseconds / 1'000'000, Qt::UTC);
}

std::expected<RegularFileContents, FileReadError>
readRegularFile(const QString &path, qint64 maxBytes, SymlinkPolicy symlinks)
{
    return readRegularFileAt(AT_FDCWD, QFile::encodeName(path).constData(), maxBytes, symlinks);
}

std::expected<RegularFileContents, FileReadError>
readRegularFileAt(int directory, const char *name, qint64 maxBytes, SymlinkPolicy symlinks)
{
    int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    if (symlinks == SymlinkPolicy::refuse)
        flags |= O_NOFOLLOW;
    FileDescriptor fd(::openat(directory, name, flags));
    if (fd.get() < 0)
        return std::unexpected(errorFromErrno(errno));
    return readOpenFile(fd.get(), maxBytes);
}

std::expected<RegularFileContents, FileReadError> readOpenFile(int fd, qint64 maxBytes)
{
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return std::unexpected(FileReadError{FileReadError::Kind::readFailed, errno});
    if (!S_ISREG(status.st_mode))
        return std::unexpected(FileReadError{FileReadError::Kind::notRegularFile, 0});
    if (status.st_size > maxBytes)
        return std::unexpected(FileReadError{FileReadError::Kind::tooLarge, 0});

    // Read one byte more than allowed so that a file that grew since fstat
    // is noticed instead of silently cut.
    QByteArray bytes;
    bytes.resize(qsizetype(status.st_size) + 1);
    qsizetype filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (filled > maxBytes)
                return std::unexpected(FileReadError{FileReadError::Kind::tooLarge, 0});
            bytes.resize(std::min<qsizetype>(bytes.size() * 2, qsizetype(maxBytes) + 1));
        }
        const ssize_t count = ::pread(fd, bytes.data() + filled, size_t(bytes.size() - filled), off_t(filled));
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return std::unexpected(FileReadError{FileReadError::Kind::readFailed, errno});
        }
        if (count == 0)
            break;
        filled += count;
        // A regular file reads short only at its end: no second call to see it.
        if (filled < bytes.size())
            break;
    }
    bytes.truncate(filled);
    return RegularFileContents{std::move(bytes), identityOf(status)};
}

std::optional<QByteArray> readRegularFileBytes(const QString &path, qint64 maxBytes)
{
    auto contents = readRegularFile(path, maxBytes);
    return contents ? std::optional(std::move(contents->bytes)) : std::nullopt;
}

std::expected<FileIdentity, FileReadError> regularFileIdentity(const QString &path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::unexpected(errorFromErrno(errno));
    if (!S_ISREG(status.st_mode))
        return std::unexpected(FileReadError{FileReadError::Kind::notRegularFile, 0});
    return identityOf(status);
}

} // namespace pacewise
