#pragma once

#include "claude/CLIPathResolver.h"
#include "claude/ClaudePaths.h"
#include "guard/GuardOperations.h"
#include "system/FileLock.h"
#include "system/LoginItemService.h"
#include "system/ScriptRunning.h"

#include <QDateTime>
#include <QList>
#include <QProcessEnvironment>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace pacewise {

// One line of a set-up check: what was looked at, what was found and, when
// that is wrong, what to do.
struct SetupFinding {
    const char *name; // for scripts: "claude", "signed_in", "jq", …
    bool ok = false;
    QString label;
    QString finding;
    QString fix = {};
};

// Looks at everything Pacewise needs, one finding each: claude and its
// version, the sign-in, jq, the guard and its scripts, who records the
// figures and how old they are, whether the tray app or the daemon runs
// and starts at login, the notification server, keep-awake, the paused
// sessions waiting. In the catalogue's language (English without one).
// Blocking: it asks claude twice and the buses, so the application runs
// it on the thread pool.
class SetupCheck {
public:
    // Read on the caller's thread; the check only looks through them.
    struct Inputs {
        QProcessEnvironment environment;
        ClaudePaths claudePaths;
        QString engineStatePath;
        GuardOperations guardOperations;
        std::shared_ptr<const LoginItemService> launchAtLogin;
        // The lock of the tray app or daemon that runs the services.
        QString servicesLock = FileLock::runtimeLocation(QStringLiteral("pacewise.lock"));
        std::function<QDateTime()> now;
        std::shared_ptr<CLIPathResolving> resolver;
        std::shared_ptr<const ScriptRunning> runner;
        std::optional<double> timeoutSeconds = std::nullopt; // for each question to claude
    };

    static QList<SetupFinding> run(const Inputs &inputs);
    // "All is well." or how many things need fixing.
    static QString summary(const QList<SetupFinding> &findings);
};

} // namespace pacewise
