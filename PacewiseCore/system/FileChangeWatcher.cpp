#include "FileChangeWatcher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace pacewise {

namespace {

// A folder's identity changes with each file added, renamed or removed in it.
std::optional<FileIdentity> identityOf(const QString &path)
{
    struct stat status {};
    if (QFileInfo(path).isDir() && ::stat(QFile::encodeName(path).constData(), &status) == 0)
        return FileIdentity{.device = status.st_dev,
                            .inode = status.st_ino,
                            .modifiedNanoseconds = qint64(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec};
    const auto identity = regularFileIdentity(path);
    return identity ? std::optional(*identity) : std::nullopt;
}

} // namespace

FileChangeWatcher::FileChangeWatcher(const QStringList &files, std::chrono::milliseconds settleTime, QObject *parent)
    : QObject(parent)
    , m_files(files)
{
    for (const QString &file : m_files)
        m_identities.insert(file, identityOf(file));
    m_settle.setSingleShot(true);
    m_settle.setInterval(settleTime);
    connect(&m_settle, &QTimer::timeout, this, &FileChangeWatcher::compare);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_settle, qOverload<>(&QTimer::start));
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle, qOverload<>(&QTimer::start));
    rewatch();
}

// A file that came back after a rename is only watched once it is looked for
// again. While a file's folder does not exist yet, its nearest existing
// ancestor is watched, which tells when the folder appears.
void FileChangeWatcher::rewatch()
{
    QStringList paths;
    for (const QString &file : m_files) {
        QString folder = QFileInfo(file).absolutePath();
        while (!QFileInfo(folder).isDir() && folder != QDir::rootPath())
            folder = QFileInfo(folder).absolutePath();
        if (!paths.contains(folder))
            paths << folder;
        if (QFileInfo(file).exists())
            paths << file;
    }
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    for (const QString &path : paths) {
        if (!watched.contains(path))
            m_watcher.addPath(path);
    }
}

void FileChangeWatcher::compare()
{
    rewatch();
    bool anyChanged = false;
    for (const QString &file : m_files) {
        auto identity = identityOf(file);
        if (identity != m_identities.value(file)) {
            m_identities.insert(file, identity);
            anyChanged = true;
        }
    }
    if (anyChanged)
        emit changed();
}

} // namespace pacewise
