#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace pacewise {

// What Claude Code says about its running interactive sessions, one file
// per process in ~/.claude/sessions/<pid>.json (removed when it exits).
struct ClaudeSession {
    std::optional<qint64> pid;
    QString sessionID;
    QString name; // the session's name, derived or given; may be empty
};

namespace ClaudeSessions {

// Every readable session file, ordered by path; unreadable ones are skipped.
QList<ClaudeSession> read(const QString &sessionsDirectory);

// True when a live Claude Code process has the session open: recent Claude
// Code continues such a session by itself after the reset, and a second
// process on it would interleave two conversations.
bool isOpen(const QString &sessionsDirectory, const QString &sessionID);

} // namespace ClaudeSessions

} // namespace pacewise
