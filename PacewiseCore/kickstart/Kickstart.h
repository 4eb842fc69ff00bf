#pragma once

#include "KickstartTime.h"
#include "claude/CLIPathResolver.h"
#include "system/ScriptRunning.h"
#include "usage/UsageSnapshot.h"

#include <QDateTime>
#include <QProcessEnvironment>

#include <memory>

namespace pacewise {

// One morning-kickstart attempt: unless the 5-hour window already runs,
// sends Claude Code "Good morning" so that a window opens now. Blocking (up
// to the 90 s time-out): run it on the thread pool. Only one greeting runs
// at a time per user, across every Pacewise process: the tray app, the
// daemon and the command line share a lock file.
class Kickstart {
public:
    static constexpr double defaultTimeoutSeconds = 90;

    struct Dependencies {
        std::shared_ptr<CLIPathResolving> resolver;
        std::shared_ptr<const ScriptRunning> runner;
        QProcessEnvironment environment;
        QString lockFile = {}; // see defaultLockFile()
        double timeoutSeconds = defaultTimeoutSeconds;
    };

    explicit Kickstart(Dependencies dependencies);

    KickstartOutcome run(const QDateTime &now, const std::optional<UsageSnapshot> &snapshot,
                            const std::optional<QDateTime> &snapshotFetchedAt) const;

    // Only fresh figures showing some use and a reset ahead mean the window
    // is already running; stale or missing figures never hold the greeting back.
    static bool isFiveHourWindowOpen(const std::optional<UsageSnapshot> &snapshot,
                                     const std::optional<QDateTime> &fetchedAt, const QDateTime &now);

    // Beside the runner's private scratch folder.
    static QString defaultLockFile();

private:
    Dependencies m_dependencies;
};

} // namespace pacewise
