#pragma once

#include "UsageSnapshot.h"

#include <QJsonObject>

#include <chrono>
#include <expected>

namespace pacewise {

// Why nothing was recorded: the errno of the step that failed, EWOULDBLOCK
// when another writer kept the lock.
struct StateWriteError {
    int errorNumber = 0;

    // For the log: what kept the figures from being recorded.
    QString reason() const;

    bool operator==(const StateWriteError &) const = default;
};

// Writes figures to the engine state file, in the format its reader and the
// engine scripts share. Several writers feed the file (the status line of
// every open Claude Code session, and Pacewise after each poll), each with
// what it saw last, so a write merges rather than replaces: within one
// window (same kind and model, resets less than two minutes apart, however
// precisely each source gave it) usage never goes down, so the highest
// figure stands, and a reset known to the second replaces one known to the
// minute; a window with a later reset replaces an earlier one, and never the
// other way round. The engine's status-line script applies the same rule
// under the same lock.
class StateWriter {
public:
    static constexpr mode_t filePermissions = 0644;

    // As long as the engine scripts wait for the lock.
    static constexpr std::chrono::milliseconds defaultLockTimeout{10'000};

    explicit StateWriter(QString filePath, std::chrono::milliseconds lockTimeout = defaultLockTimeout);

    const QString &filePath() const { return m_filePath; }
    // The lock every writer takes around reading and replacing the file.
    static QString lockPath(const QString &statePath);

    // What the file should hold once snapshot, seen at now, is merged into
    // existing. A window that has not started is recorded as reset at now,
    // which every reader takes for "not started" from then on.
    static QJsonObject merge(const QJsonObject &existing, const UsageSnapshot &snapshot, const QDateTime &now);

    // Merges and replaces the file atomically (never through a symbolic link
    // planted at its path); returns the snapshot's limits as merged. A failed
    // write leaves the previous file as it was. A lock another writer keeps
    // beyond the time-out means nothing is recorded this time: a merge beside
    // theirs could lose their figures, and the next poll records these.
    std::expected<UsageSnapshot, StateWriteError> write(const UsageSnapshot &snapshot, const QDateTime &now) const;

private:
    QString m_filePath;
    std::chrono::milliseconds m_lockTimeout;
};

} // namespace pacewise
