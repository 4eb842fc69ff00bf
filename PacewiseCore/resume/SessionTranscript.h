#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace pacewise::SessionTranscript {

// What a session's transcript (~/.claude/projects/<folder>/<session>.jsonl,
// written by Claude Code, one JSON object a line, in the order things
// happened) says about the session. Transcripts reach gigabytes; none of
// these reads more than it must.

// Where Claude Code keeps the transcript of a session run in cwd: the
// folder is cwd with every character but letters and digits made "-",
// cut to 200 characters plus a hash of the whole when longer.
QString pathFor(const QString &projectsDirectory, const QString &cwd, const QString &sessionID);

// Whether the session went on without Pacewise after it was stopped at
// stoppedAt: a turn somebody other than Pacewise's resume started since
// (the user typing "go on", even before the reset), or, once resetsAt has
// passed, any work outside Pacewise's own turns (Claude Code carrying on
// by itself). The lines from the stop on are found by their position (a
// search on the times they carry), so they are read however far back the
// stop lies. Nothing when the file is missing, not a regular file of this
// user's, or writable by others.
std::optional<bool> wentOnWithoutPacewise(const QString &path, const QDateTime &stoppedAt, const QDateTime &resetsAt);

// The permission mode the session ran in last, as Claude Code recorded it
// (it does so at each prompt and with each change): only the last
// tailBytes are read, and a mode older than that is not known.
std::optional<QString> lastPermissionMode(const QString &path);

inline constexpr qint64 tailBytes = 4 * 1024 * 1024;

} // namespace pacewise::SessionTranscript
