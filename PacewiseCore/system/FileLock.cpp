#include "FileLock.h"

#include "PrivateDirectory.h"
#include "RegularFile.h"
#include "ScriptRunner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <thread>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace pacewise {

std::expected<FileLock, int> FileLock::tryLock(const QString &path)
{
    makePrivatePath(QFileInfo(path).absolutePath());
    FileDescriptor descriptor(
        ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!descriptor.isValid())
        return std::unexpected(errno);
    if (::flock(descriptor.get(), LOCK_EX | LOCK_NB) != 0)
        return std::unexpected(errno);
    return FileLock(std::move(descriptor));
}

std::expected<FileLock, int> FileLock::lock(const QString &path, std::chrono::milliseconds timeout)
{
    // Holders keep the lock for milliseconds; polling keeps a stuck holder
    // from blocking the caller beyond the time-out.
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        auto locked = tryLock(path);
        if (locked || locked.error() != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline)
            return locked;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

QString FileLock::runtimeLocation(const QString &name)
{
    return QFileInfo(ScriptRunner::defaultScratchDirectory()).dir().filePath(name);
}

void FileLock::recordOwner() const
{
    const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
    // Only a hint for messages, so a failed write is not worth reporting.
    if (::ftruncate(m_descriptor.get(), 0) != 0)
        return;
    [[maybe_unused]] const ssize_t written = ::pwrite(m_descriptor.get(), pid.constData(), size_t(pid.size()), 0);
}

std::optional<qint64> FileLock::recordedOwner(const QString &path)
{
    const auto contents = readRegularFileBytes(path, 64);
    if (!contents)
        return std::nullopt;
    bool isNumber = false;
    const qint64 pid = contents->trimmed().toLongLong(&isNumber);
    if (!isNumber || pid <= 0)
        return std::nullopt;
    return pid;
}

} // namespace pacewise
