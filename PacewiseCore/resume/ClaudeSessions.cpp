#include "ClaudeSessions.h"

#include "system/RegularFile.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

#include <cerrno>
#include <signal.h>

namespace pacewise::ClaudeSessions {

namespace {

constexpr qint64 maximumFileSize = 1024 * 1024;

bool processIsAlive(qint64 pid)
{
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

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
        ClaudeSession session{.pid = std::nullopt, .sessionID = sessionID,
                              .name = object.value(QLatin1String("name")).toString().trimmed()};
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

bool isOpen(const QString &sessionsDirectory, const QString &sessionID)
{
    const QList<ClaudeSession> sessions = read(sessionsDirectory);
    return std::any_of(sessions.cbegin(), sessions.cend(), [&](const ClaudeSession &session) {
        return session.sessionID == sessionID && session.pid && processIsAlive(*session.pid);
    });
}

} // namespace pacewise::ClaudeSessions
