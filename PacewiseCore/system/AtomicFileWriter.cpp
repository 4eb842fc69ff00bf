#include "AtomicFileWriter.h"

#include "PrivateDirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pacewise {

namespace {

using Kind = AtomicWriteError::Kind;

std::unexpected<AtomicWriteError> failure(Kind kind, int error)
{
    return std::unexpected(AtomicWriteError{kind, error});
}

// Where the bytes really have to go: the final target of a chain of links.
QString resolvedTarget(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    // A dangling link: create the file it names.
    return QDir(info.absolutePath()).absoluteFilePath(info.symLinkTarget());
}

bool writeAll(int fd, QByteArrayView bytes)
{
    const char *data = bytes.data();
    qsizetype remaining = bytes.size();
    while (remaining > 0) {
        const ssize_t count = ::write(fd, data, size_t(remaining));
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += count;
        remaining -= count;
    }
    return true;
}

bool syncDirectory(const QString &directory)
{
    const int fd = ::open(QFile::encodeName(directory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

} // namespace

QString atomicTemporaryPrefix(const QString &path)
{
    const QFileInfo info(path);
    return info.dir().filePath(QLatin1Char('.') + info.fileName() + QLatin1String(".tmp-"));
}

std::expected<void, AtomicWriteError>
writeFileAtomically(const QString &path, QByteArrayView bytes, mode_t permissions, std::optional<FileOwner> owner,
                    SymlinkPolicy symlinks, const std::function<bool()> &stillWanted)
{
    const QString target = symlinks == SymlinkPolicy::follow ? resolvedTarget(path) : path;
    const QString directory = QFileInfo(target).absolutePath();
    if (const int failed = makePrivatePath(directory))
        return failure(Kind::createDirectoryFailed, failed);

    const QString temporary = atomicTemporaryPrefix(target) + QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    const QByteArray encodedTemporary = QFile::encodeName(temporary);
    const int fd = ::open(encodedTemporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return failure(Kind::createTemporaryFailed, errno);

    const auto abandon = [&](Kind kind) {
        const int error = errno;
        ::close(fd);
        ::unlink(encodedTemporary.constData());
        return failure(kind, error);
    };
    // fchmod, not the mode of open(), so the umask cannot narrow the bits.
    if (::fchmod(fd, permissions) != 0)
        return abandon(Kind::createTemporaryFailed);
    // Only root can give a file away (after `sudo claude`, say); for everyone
    // else the file stays theirs, which is what it was, so failure is fine.
    if (owner && ::fchown(fd, owner->user, owner->group) != 0) {
    }
    if (!writeAll(fd, bytes))
        return abandon(Kind::writeFailed);
    if (::fsync(fd) != 0)
        return abandon(Kind::syncFailed);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(encodedTemporary.constData());
        return failure(Kind::writeFailed, error);
    }
    if (stillWanted && !stillWanted()) {
        ::unlink(encodedTemporary.constData());
        return failure(Kind::superseded, 0);
    }
    if (::rename(encodedTemporary.constData(), QFile::encodeName(target).constData()) != 0) {
        const int error = errno;
        ::unlink(encodedTemporary.constData());
        return failure(Kind::renameFailed, error);
    }
    // The new contents are in place; a failed directory sync only weakens
    // durability across a power cut, so it is not reported as a failed write.
    syncDirectory(directory);
    return {};
}

} // namespace pacewise
