#pragma once

#include "RegularFile.h"

#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <optional>

namespace pacewise {

// Says when any of a few files was written, replaced, created or removed by
// another process, or a file was added to, replaced in or removed from a
// folder among them. Settings files are replaced by rename, which a watch on
// the file alone loses after the first time, so their folders are watched as
// well; events are gathered for a moment and reported only when a file's
// identity really changed (not for lock files coming and going beside it).
class FileChangeWatcher : public QObject {
    Q_OBJECT
public:
    explicit FileChangeWatcher(const QStringList &files, std::chrono::milliseconds settleTime = std::chrono::milliseconds(300),
                               QObject *parent = nullptr);

signals:
    void changed();

private:
    void rewatch();
    void compare();

    QStringList m_files;
    QHash<QString, std::optional<FileIdentity>> m_identities;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
};

} // namespace pacewise
