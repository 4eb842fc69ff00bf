#include "ClaudeSessions.h"

#include "system/ProcessIdentity.h"
#include "system/RegularFile.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace pacewise {

bool ClaudeSession::isLive() const
{
    if (!pid)
        return false;
    const auto process = ProcessIdentity::of(*pid);
    return process && (!processStart || process->startTime == *processStart);
}

bool ClaudeSession::sitsIdlePast(const QDateTime &reset, const QDateTime &now) const
{
    return status == u"idle" && statusUpdatedAt && *statusUpdatedAt < reset && reset.secsTo(now) > idleGraceSeconds;
}

namespace ClaudeSessions {

namespace {

constexpr qint64 maximumFileSize = 1024 * 1024;

} // namespace

QList<ClaudeSession> read(const QString &sessionsDirectory)
{
    QStringList names = QDir(sessionsDirectory).entryList({QStringLiteral("*.json")}, QDir::Files | QDir::System);
    std::sort(names.begin(), names.end());
    QList<ClaudeSession> sessions;
    for (const QString &name : names) {
        const auto contents = readRegularFile(QDir(sessionsDirectory).filePath(name), maximumFileSize, SymlinkPolicy::refuse);
        if (!contents)
            continue;
        const QJsonObject object = QJsonDocument::fromJson(contents->bytes).object();
        const QString sessionID = object.value(QLatin1String("sessionId")).toString().trimmed();
        if (sessionID.isEmpty())
            continue;
        ClaudeSession session{.pid = std::nullopt,
                              .processStart = std::nullopt,
                              .sessionID = sessionID,
                              .name = object.value(QLatin1String("name")).toString().trimmed(),
                              .status = object.value(QLatin1String("status")).toString(),
                              .statusUpdatedAt = std::nullopt};
        bool isStartTime = false;
        const quint64 processStart = object.value(QLatin1String("procStart")).toString().toULongLong(&isStartTime);
        if (isStartTime)
            session.processStart = processStart;
        if (const QJsonValue updated = object.value(QLatin1String("statusUpdatedAt")); updated.isDouble())
            session.statusUpdatedAt = QDateTime::fromMSecsSinceEpoch(qint64(updated.toDouble()), Qt::UTC);
        // The file is named after the process; its "pid" key says the same.
        bool isNumber = false;
        const qint64 pidFromName = name.chopped(5).toLongLong(&isNumber);
        if (const QJsonValue pid = object.value(QLatin1String("pid")); pid.isDouble())
            session.pid = qint64(pid.toDouble());
        else if (isNumber)
            session.pid = pidFromName;
        sessions.append(session);
    }
    return sessions;
}

std::optional<ClaudeSession> openSession(const QString &sessionsDirectory, const QString &sessionID)
{
    for (const ClaudeSession &session : read(sessionsDirectory)) {
        if (session.sessionID == sessionID && session.isLive())
            return session;
    }
    return std::nullopt;
}

} // namespace ClaudeSessions

} // namespace pacewise
