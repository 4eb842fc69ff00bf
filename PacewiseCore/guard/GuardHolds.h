#pragma once

#include "system/ProcessIdentity.h"
#include "usage/UsageLimit.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <expected>

namespace pacewise {

// A tool call the guard holds until a limit resets.
struct GuardHold {
    QString sessionID;
    ProcessIdentity holder; // the guard's process
    QDateTime resetsAt;
    UsageLimitKind kind;

    bool operator==(const GuardHold &) const = default;
};

// The guard's holds and the user's releases of them, in the folder beside
// the engine state file that the guard and the status line share: each
// held call is marked "<session>" ("<pid> <process start> <resets_at>
// <kind>"); a release mark "<session>.release", or "all.release" for every
// session, holds lines "<resets_at> <kind>" of the limits the user chose to
// go on past. The guard lets the call go on at once (it is sent SIGUSR1) and
// holds the session no more until that limit resets.
class GuardHolds {
public:
    explicit GuardHolds(QString directory);
    // "pacewise-holds" beside the state file.
    static QString directoryFor(const QString &statePath);

    // The calls held now: marks whose guard still runs.
    QList<GuardHold> current() const;

    // Lets the held calls of these sessions go on; answers the holds let
    // go (a session not held now is left out). Fails with the errno of a
    // mark that could not be written.
    std::expected<QList<GuardHold>, int> release(const QStringList &sessionIDs) const;
    // Lets every session go on past these limits, those held now and those
    // the guard would hold later, until the limits reset.
    std::expected<void, int> releaseAll(const QList<std::pair<QDateTime, UsageLimitKind>> &limits) const;

private:
    QString m_directory;
};

} // namespace pacewise
