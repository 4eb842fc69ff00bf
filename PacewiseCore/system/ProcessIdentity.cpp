#include "ProcessIdentity.h"

#include "RegularFile.h"

#include <QByteArray>
#include <QList>

#include <limits>

#include <unistd.h>

namespace pacewise {

std::optional<ProcessIdentity> ProcessIdentity::of(qint64 pid)
{
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return std::nullopt;
    const auto stat = readRegularFileBytes(QStringLiteral("/proc/%1/stat").arg(pid), 4096);
    if (!stat)
        return std::nullopt;
    // "pid (command name) state ppid ..."; the name may hold blanks and
    // parentheses, so the fields are counted from its last ')'.
    const qsizetype nameEnd = stat->lastIndexOf(')');
    if (nameEnd < 0)
        return std::nullopt;
    const QList<QByteArray> fields = stat->mid(nameEnd + 2).split(' ');
    constexpr qsizetype startTimeField = 22 - 3; // fields 3 onwards follow the name
    if (fields.size() <= startTimeField)
        return std::nullopt;
    bool isNumber = false;
    const quint64 startTime = fields.at(startTimeField).toULongLong(&isNumber);
    if (!isNumber)
        return std::nullopt;
    return ProcessIdentity{pid, startTime};
}

ProcessIdentity ProcessIdentity::self()
{
    return of(::getpid()).value_or(ProcessIdentity{::getpid(), 0});
}

bool ProcessIdentity::isAlive() const
{
    const auto current = of(pid);
    return current && current->startTime == startTime;
}

} // namespace pacewise
