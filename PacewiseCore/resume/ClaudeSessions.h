#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace pacewise {

// What Claude Code says about its running interactive sessions, one file
// per process in ~/.claude/sessions/<pid>.json (removed when it exits).
struct ClaudeSession {
    std::optional<qint64> pid;
    // The process's start time, in clock ticks after boot ("procStart"):
    // with it a file left by a dead process is not taken for the live
    // process that got its id.
    std::optional<quint64> processStart;
    QString sessionID;
    QString name; // the session's name, derived or given; may be empty
    QString status; // "idle", "busy", ...
    std::optional<QDateTime> statusUpdatedAt;

    bool isLive() const;
    // Idle since before reset, and still so well after it: Claude Code's
    // own continuation did not happen.
    bool sitsIdlePast(const QDateTime &reset, const QDateTime &now) const;

    // How long after the reset an idle session counts as not going on.
    static constexpr qint64 idleGraceSeconds = 15 * 60;
};

namespace ClaudeSessions {

// Every readable session file, ordered by path; unreadable ones are skipped.
QList<ClaudeSession> read(const QString &sessionsDirectory);

// The live Claude Code process that has the session open, if one does:
// recent Claude Code continues such a session by itself after the reset,
// and a second process on it would interleave two conversations.
std::optional<ClaudeSession> openSession(const QString &sessionsDirectory, const QString &sessionID);

} // namespace ClaudeSessions

} // namespace pacewise
