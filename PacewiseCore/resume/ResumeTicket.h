#pragma once

#include "system/ProcessIdentity.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

namespace pacewise {

// One session the guard paused at a usage limit, as recorded in a ticket
// file. Every value ends up in a command line or a working directory, so
// decoding is strict.
struct ResumeTicket {
    QString sessionID;
    QString cwd;
    std::optional<QString> transcriptPath = std::nullopt;
    QDateTime resetsAt;
    QDateTime createdAt;
    std::optional<double> usedPercentage = std::nullopt;
    // The session's own permission mode, when the guard recorded it; only
    // modes Claude Code knows are kept.
    std::optional<QString> permissionMode = std::nullopt;
    // The guard process holding the session's tool call until the reset,
    // while it does: the session goes on by itself then.
    std::optional<ProcessIdentity> heldBy = std::nullopt;

    // A ticket file is never trusted beyond this size.
    static constexpr qint64 maximumFileSize = 16 * 1024;

    // Nothing for anything but a JSON object with a resumable session id, an
    // absolute cwd and sane times.
    static std::optional<ResumeTicket> decode(const QByteArray &json);
    QByteArray encode() const;

    // Non-empty, no leading "-", not "." or "..", only letters, digits, ".",
    // "_" and "-": safe as a file name and a command-line argument.
    static bool isSafeSessionID(const QString &id);
    // claude reads a --resume value that is not a UUID as a session title
    // and may continue some other session: only canonical UUIDs are resumed.
    static bool isResumableSessionID(const QString &id);
    static bool isKnownPermissionMode(const QString &mode);

    // Held by a guard that still runs.
    bool isHeld() const { return heldBy && heldBy->isAlive(); }

    bool operator==(const ResumeTicket &) const = default;
};

} // namespace pacewise
