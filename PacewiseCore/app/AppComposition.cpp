#include "AppComposition.h"

#include "AppConfiguration.h"
#include "PacewiseCoreInfo.h"
#include "guard/GuardHolds.h"
#include "claude/AuthService.h"
#include "system/ScriptRunner.h"
#include "usage/UsageCLI.h"

#include <QDir>
#include <QFileInfo>

namespace pacewise::AppComposition {

ResumeCoordinator::Dependencies resumeCoordinator(const QProcessEnvironment &environment, const ClaudePaths &claudePaths)
{
    return ResumeCoordinator::Dependencies{
        .queue = ResumeQueue(claudePaths.resumeTicketDirectory()),
        .resolver = std::make_shared<CLIPathResolver>(),
        .runner = std::make_shared<ScriptRunner>(),
        .environment = environment,
        .sessionsDirectory = claudePaths.sessionsDirectory(),
        .projectsDirectory = claudePaths.projectsDirectory(),
        .cancellation = nullptr,
        .guardThreshold = [settings = claudePaths.settingsFile()] {
            const auto read = SettingsFileManager().read(settings);
            return read ? read->threshold : UsageThresholds::critical;
        },
    };
}

Kickstart::Dependencies kickstart(const QProcessEnvironment &environment,
                                            std::shared_ptr<const Cancellation> quitting)
{
    return Kickstart::Dependencies{
        .resolver = std::make_shared<CLIPathResolver>(),
        .runner = std::make_shared<ScriptRunner>(ScriptRunner::Options{.cancellation = std::move(quitting)}),
        .environment = environment,
    };
}

AppState::Dependencies appState(const QProcessEnvironment &environment, const ClaudePaths &claudePaths,
                                QSettings *appSettings, std::shared_ptr<const Cancellation> quitting)
{
    const auto runner = std::make_shared<ScriptRunner>(ScriptRunner::Options{.cancellation = std::move(quitting)});
    const AccountIdentity accountIdentity(claudePaths.accountFile());
    const QSettings fallback;
    const QSettings &settings = appSettings ? *appSettings : fallback;
    const QString statePath = engineStateLocation(environment, settings, claudePaths);
    const auto authService = std::make_shared<AuthService>(std::make_shared<CLIPathResolver>(), runner);
    return AppState::Dependencies{
        .usageFetcher = std::make_shared<UsageCLI>(UsageCLI::Dependencies{
            .resolver = std::make_shared<CLIPathResolver>(),
            .runner = runner,
            .accountIdentity = accountIdentity,
            .environment = environment,
        }),
        .authStatus = [authService] { return authService->status(); },
        .engineStateReader = EngineStateReader(statePath, accountIdentity),
        .stateWriter = StateWriter(statePath),
        .appSettings = appSettings,
        .usageHistory = UsageHistory(UsageHistory::defaultLocation()),
    };
}

AutoContinueSetting autoContinueSetting(const ClaudePaths &claudePaths)
{
    return AutoContinueSetting{
        .settingsManager = SettingsFileManager(),
        .settingsPath = claudePaths.settingsFile(),
        .ticketDirectory = claudePaths.resumeTicketDirectory(),
        .homeDirectory = QDir::homePath(),
    };
}

ResumeController::Dependencies resumeController(const QProcessEnvironment &environment, const ClaudePaths &claudePaths)
{
    return ResumeController::Dependencies{
        .coordinator = std::make_shared<ResumeCoordinator>(resumeCoordinator(environment, claudePaths)),
        .titles = std::make_shared<LastMessageResolver>(claudePaths.sessionsDirectory()),
        .setting = autoContinueSetting(claudePaths),
        .sessionsDirectory = claudePaths.sessionsDirectory(),
        .holdsDirectory = GuardHolds::directoryFor(engineStateLocation(environment, QSettings(), claudePaths)),
    };
}

std::shared_ptr<XdgAutostartService> launchAtLogin(const QString &trayApp)
{
    // Older versions ran the daemon from pacewisectl's entry.
    const QString daemon = XdgAutostartService::execLine({QFileInfo(trayApp).dir().filePath(QStringLiteral("pacewisectl")),
                                                          QStringLiteral("daemon")});
    return std::make_shared<XdgAutostartService>(XdgAutostartService::defaultDirectory(),
                                                 QString::fromLatin1(PacewiseCoreInfo::applicationId), QStringLiteral("Pacewise"),
                                                 XdgAutostartService::execLine({trayApp}), QStringList{daemon});
}

GuardOperations guardOperations(const QProcessEnvironment &environment, const ClaudePaths &claudePaths,
                                const QSettings &appSettings)
{
    const QString statePath = engineStateLocation(environment, appSettings, claudePaths);
    return GuardOperations{
        .settingsPath = claudePaths.settingsFile(),
        .installer = HookInstaller(QStringLiteral(":/EngineScripts"), claudePaths.hooksDirectory(),
                                   QString::fromLatin1(PacewiseCoreInfo::version)),
        .settingsManager = SettingsFileManager(),
        .statePath = QDir::cleanPath(statePath) == QDir::cleanPath(claudePaths.engineStateFile())
                         ? std::nullopt
                         : std::optional(QDir::cleanPath(statePath)),
        .recordBeforeUserStatusLine = recordsBeforeUserStatusLine(appSettings),
        .executableSearchPath = environment.value(QStringLiteral("PATH")).split(u':', Qt::SkipEmptyParts),
    };
}

} // namespace pacewise::AppComposition
