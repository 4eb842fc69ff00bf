#include "ProcessIdentity.h"

#include "RegularFile.h"

#include <QByteArray>
#include <QDir>
#include <QList>

#include <limits>

#include <unistd.h>

namespace pacewise {

namespace {

// The fields of /proc/<pid>/stat from the third on ("state ppid pgrp
// session ..."): the command name before them may hold blanks and
// parentheses, so they are counted from its last ')'.
QList<QByteArray> statusFields(qint64 pid)
{
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return {};
    const auto stat = readRegularFileBytes(QStringLiteral("/proc/%1/stat").arg(pid), 4096);
    const qsizetype nameEnd = stat ? stat->lastIndexOf(')') : -1;
    if (nameEnd < 0)
        return {};
    return stat->mid(nameEnd + 2).split(' ');
}

constexpr qsizetype stateField = 3 - 3;
constexpr qsizetype sessionField = 6 - 3;
constexpr qsizetype startTimeField = 22 - 3;

bool hasExited(const QList<QByteArray> &fields)
{
    return fields.isEmpty() || fields.at(stateField) == "Z" || fields.at(stateField) == "X";
}

} // namespace

std::optional<ProcessIdentity> ProcessIdentity::of(qint64 pid)
{
    const QList<QByteArray> fields = statusFields(pid);
    if (fields.size() <= startTimeField)
        return std::nullopt;
    bool isNumber = false;
    const quint64 startTime = fields.at(startTimeField).toULongLong(&isNumber);
    if (!isNumber)
        return std::nullopt;
    return ProcessIdentity{pid, startTime};
}

bool ProcessIdentity::anyAliveInSession(qint64 sessionID)
{
    if (sessionID <= 0)
        return false;
    const QByteArray session = QByteArray::number(sessionID);
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool isNumber = false;
        const qint64 pid = entry.toLongLong(&isNumber);
        if (!isNumber)
            continue;
        const QList<QByteArray> fields = statusFields(pid);
        if (fields.size() > sessionField && fields.at(sessionField) == session && !hasExited(fields))
            return true;
    }
    return false;
}

ProcessIdentity ProcessIdentity::self()
{
    return of(::getpid()).value_or(ProcessIdentity{::getpid(), 0});
}

bool ProcessIdentity::isAlive() const
{
    const QList<QByteArray> fields = statusFields(pid);
    bool isNumber = false;
    return fields.size() > startTimeField && fields.at(startTimeField).toULongLong(&isNumber) == startTime && isNumber &&
           !hasExited(fields);
}

} // namespace pacewise
