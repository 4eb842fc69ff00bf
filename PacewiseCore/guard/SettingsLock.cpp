#include "SettingsLock.h"

#include "system/FileDescriptor.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <thread>

#include <cerrno>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pacewise {

namespace {

bool ownerIsGone(const QByteArray &content)
{
    bool isNumber = false;
    const qlonglong pid = content.trimmed().toLongLong(&isNumber);
    if (!isNumber || pid <= 0 || pid > std::numeric_limits<int32_t>::max())
        return false;
    return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

// Removes the lock when its owner died or it is older than staleAge.
// Reclaimers serialise on a flock of the directory and compare inodes right
// before unlinking, so a lock someone has just taken is never removed in
// place of the stale one that was judged.
void reclaimIfStale(const QString &lockPath, std::chrono::seconds staleAge)
{
    const QByteArray encoded = QFile::encodeName(lockPath);
    FileDescriptor directory(::open(QFile::encodeName(QFileInfo(lockPath).absolutePath()).constData(),
                                    O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!directory.isValid() || ::flock(directory.get(), LOCK_EX) != 0)
        return;
    FileDescriptor lock(::open(encoded.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat judged {};
    if (!lock.isValid() || ::fstat(lock.get(), &judged) != 0)
        return;
    char buffer[32] = {};
    const ssize_t count = ::read(lock.get(), buffer, sizeof buffer - 1);
    const QByteArray content(buffer, count > 0 ? count : 0);
    const qint64 ageSeconds = QDateTime::currentSecsSinceEpoch() - qint64(judged.st_mtim.tv_sec);
    if (ageSeconds <= staleAge.count() && !ownerIsGone(content))
        return;
    struct stat current {};
    if (::lstat(encoded.constData(), &current) == 0 && current.st_ino == judged.st_ino &&
        current.st_dev == judged.st_dev)
        ::unlink(encoded.constData());
}

} // namespace

QString SettingsLock::lockPath(const QString &settingsPath)
{
    const QFileInfo info(settingsPath);
    return info.dir().filePath(QLatin1Char('.') + info.fileName() + QLatin1String(".pacewise.lock"));
}

std::expected<SettingsLock, SettingsLock::Error> SettingsLock::acquire(const QString &settingsPath,
                                                                       const Timing &timing)
{
    const QString path = lockPath(settingsPath);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return std::unexpected(Error::unavailable);
    const QByteArray encoded = QFile::encodeName(path);
    for (int attempt = 0; attempt < timing.attempts; ++attempt) {
        const int fd = ::open(encoded.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) {
            const QByteArray content = QByteArray::number(qint64(::getpid())) + '\n';
            if (::write(fd, content.constData(), size_t(content.size())) != content.size()) {
                ::close(fd);
                ::unlink(encoded.constData());
                return std::unexpected(Error::unavailable);
            }
            return SettingsLock(path, fd);
        }
        if (errno != EEXIST)
            return std::unexpected(Error::unavailable);
        if (attempt > 0 && attempt % timing.reclaimEvery == 0)
            reclaimIfStale(path, timing.staleAge);
        std::this_thread::sleep_for(timing.retryInterval);
    }
    return std::unexpected(Error::unavailable);
}

SettingsLock::SettingsLock(QString path, int fd)
    : m_path(std::move(path))
    , m_fd(fd)
{
}

SettingsLock::SettingsLock(SettingsLock &&other) noexcept
    : m_path(std::move(other.m_path))
    , m_fd(std::exchange(other.m_fd, -1))
{
}

SettingsLock::~SettingsLock()
{
    if (m_fd < 0)
        return;
    // Unlink only our own lock: if it was taken over as stale meanwhile, the
    // file at the path now belongs to someone else.
    struct stat mine {};
    struct stat current {};
    const QByteArray encoded = QFile::encodeName(m_path);
    if (::fstat(m_fd, &mine) == 0 && ::lstat(encoded.constData(), &current) == 0 && mine.st_ino == current.st_ino &&
        mine.st_dev == current.st_dev)
        ::unlink(encoded.constData());
    ::close(m_fd);
}

} // namespace pacewise
