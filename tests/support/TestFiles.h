#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QString>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace pacewise::test {

// Writes bytes to path (creating folders) and, when given, sets its
// modification time, so age rules can be tested without waiting.
inline bool writeFile(const QString &path, const QByteArray &bytes, const QDateTime &modifiedAt = {})
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return false;
    // Flush first: buffered bytes written at close would move the time again.
    if (!file.flush())
        return false;
    if (modifiedAt.isValid() && !file.setFileTime(modifiedAt, QFileDevice::FileModificationTime))
        return false;
    return true;
}

// Dates the file's last modification, as if it had been written then.
inline bool touchFile(const QString &path, const QDateTime &modifiedAt)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.setFileTime(modifiedAt, QFileDevice::FileModificationTime);
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The id of a process that has just exited and been reaped: one that is
// certainly not alive.
inline qint64 deadProcessId()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

// The permission bits of path, as stat sees them.
inline mode_t modeOf(const QString &path)
{
    struct stat status {};
    ::stat(QFile::encodeName(path).constData(), &status);
    return status.st_mode & 07777;
}

inline QDateTime utc(qint64 epochSeconds)
{
    return QDateTime::fromSecsSinceEpoch(epochSeconds, Qt::UTC);
}

// A reset as claude's usage report prints it: "Dec 6, 2026, 5:02pm (UTC)".
inline QString resetText(const QDateTime &instant)
{
    return QLocale::c().toString(instant.toUTC(), QStringLiteral("MMM d, yyyy, h:mmap")) + QStringLiteral(" (UTC)");
}

} // namespace pacewise::test
