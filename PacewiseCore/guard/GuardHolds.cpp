#include "GuardHolds.h"

#include "resume/ResumeTicket.h"
#include "system/AtomicFileWriter.h"
#include "system/Logging.h"
#include "system/PrivateDirectory.h"
#include "system/RegularFile.h"

#include <QDir>
#include <QFileInfo>

#include <csignal>

namespace pacewise {

Q_LOGGING_CATEGORY(lcGuardHolds, "pacewise.guard", QtInfoMsg)

namespace {

QByteArray markLine(const QDateTime &resetsAt, UsageLimitKind kind)
{
    return QByteArray::number(resetsAt.toSecsSinceEpoch()) + ' ' + rawValue(kind).toLatin1() + '\n';
}

std::optional<GuardHold> decodeHold(const QString &sessionID, const QByteArray &mark)
{
    const QList<QByteArray> fields = mark.trimmed().split(' ');
    bool pidRead = false, startRead = false, resetRead = false;
    const qint64 pid = fields.value(0).toLongLong(&pidRead);
    const quint64 start = fields.value(1).toULongLong(&startRead);
    const qint64 reset = fields.value(2).toLongLong(&resetRead);
    const auto kind = usageLimitKindFromRaw(QString::fromLatin1(fields.value(3)));
    if (fields.size() != 4 || !pidRead || !startRead || !resetRead || !kind)
        return std::nullopt;
    return GuardHold{sessionID, ProcessIdentity{pid, start}, QDateTime::fromSecsSinceEpoch(reset, Qt::UTC), *kind};
}

} // namespace

GuardHolds::GuardHolds(QString directory)
    : m_directory(std::move(directory))
{
}

QString GuardHolds::directoryFor(const QString &statePath)
{
    return QFileInfo(statePath).dir().filePath(QStringLiteral("pacewise-holds"));
}

QList<GuardHold> GuardHolds::current() const
{
    QList<GuardHold> holds;
    if (!isPrivateDirectory(m_directory))
        return holds;
    for (const QString &name : QDir(m_directory).entryList(QDir::Files)) {
        if (!ResumeTicket::isResumableSessionID(name))
            continue;
        const auto mark = readRegularFile(QDir(m_directory).filePath(name), 256, SymlinkPolicy::refuse);
        const auto hold = mark && mark->identity.isPrivate() ? decodeHold(name, mark->bytes) : std::nullopt;
        if (hold && hold->holder.isAlive())
            holds.append(*hold);
    }
    return holds;
}

std::expected<QList<GuardHold>, int> GuardHolds::release(const QStringList &sessionIDs) const
{
    QList<GuardHold> released;
    for (const GuardHold &hold : current()) {
        if (!sessionIDs.contains(hold.sessionID))
            continue;
        const auto written = writeFileAtomically(QDir(m_directory).filePath(hold.sessionID + u".release"_qs),
                                                 markLine(hold.resetsAt, hold.kind), 0600, std::nullopt, SymlinkPolicy::refuse);
        if (!written)
            return std::unexpected(written.error().errorNumber);
        // The mark first: the guard looks for it when the signal wakes it.
        if (hold.holder.isAlive())
            ::kill(pid_t(hold.holder.pid), SIGUSR1);
        qCInfo(lcGuardHolds, "released the held call of session %s past the %s limit", qUtf8Printable(hold.sessionID),
               qUtf8Printable(rawValue(hold.kind)));
        released.append(hold);
    }
    return released;
}

std::expected<void, int> GuardHolds::releaseAll(const QList<std::pair<QDateTime, UsageLimitKind>> &limits) const
{
    if (const int refused = preparePrivateDirectory(m_directory))
        return std::unexpected(refused);
    QByteArray lines;
    for (const auto &[resetsAt, kind] : limits)
        lines += markLine(resetsAt, kind);
    if (const auto written = writeFileAtomically(QDir(m_directory).filePath(QStringLiteral("all.release")), lines, 0600,
                                                 std::nullopt, SymlinkPolicy::refuse);
        !written)
        return std::unexpected(written.error().errorNumber);
    qCInfo(lcGuardHolds, "released every session past the limits that block now");
    for (const GuardHold &hold : current())
        ::kill(pid_t(hold.holder.pid), SIGUSR1);
    return {};
}

} // namespace pacewise
