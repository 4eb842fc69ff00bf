#include "FileLock.h"

#include "RegularFile.h"
#include "ScriptRunner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace pacewise {

std::expected<FileLock, int> FileLock::tryLock(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    FileDescriptor descriptor(
        ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!descriptor.isValid())
        return std::unexpected(errno);
    if (::flock(descriptor.get(), LOCK_EX | LOCK_NB) != 0)
        return std::unexpected(errno);
    return FileLock(std::move(descriptor));
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
