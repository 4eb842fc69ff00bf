#pragma once

#include "AppState.h"
#include "CaffeineController.h"
#include "ControlService.h"
#include "GuardController.h"
#include "KickstartController.h"
#include "NotificationController.h"
#include "ResumeController.h"
#include "claude/ClaudePaths.h"
#include "system/FileChangeWatcher.h"
#include "system/FileLock.h"
#include "system/SleepWakeSource.h"

#include <QDBusConnection>
#include <QObject>
#include <QProcessEnvironment>
#include <QSettings>
#include <QSocketNotifier>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace pacewise {

// Everything that runs while Pacewise runs, with a tray or without: the
// usage poll with auto-continue, the morning kickstart, keep-awake, the
// guard kept up to date, notifications, the session-bus service and the
// settings watch. One process per user runs
// them; a second one stands by until the first has gone, so two poll loops
// never run claude side by side.
class BackgroundServices : public QObject {
    Q_OBJECT
public:
    struct Dependencies {
        QProcessEnvironment environment;
        ClaudePaths claudePaths;
        QSettings *appSettings = nullptr; // not owned
        QDBusConnection sessionBus = QDBusConnection::sessionBus();
        std::shared_ptr<SleepInhibitors> sleepInhibitors;
        std::shared_ptr<DesktopNotifications> notifications;
        SleepWakeSource *wakeSource = nullptr; // not owned; may be null
        QString lockPath = FileLock::runtimeLocation(QStringLiteral("pacewise.lock"));
        // The tray app's panel, opened when a second launch asks for it.
        std::function<void()> showPanel = nullptr;
        // The daemon steps aside when the tray app starts; the tray app
        // never does.
        bool yieldsToTrayApp = false;
        std::chrono::milliseconds standbyRetry{30'000};
    };

    explicit BackgroundServices(Dependencies dependencies, QObject *parent = nullptr);
    ~BackgroundServices() override;

    // Runs everything once this process is the only one; until then tries
    // again every standbyRetry, and when the holder of the lock ends.
    void start();
    // Stops everything and releases the lock and the bus name at once, then
    // waits to run again, as start() does.
    void standBy();
    bool isRunning() const { return m_running; }
    // Takes in the settings files as they are now.
    void reloadSettings();

    static constexpr qint64 keepAwakeHandOverSeconds = 60;

    // The process that runs the services for this user now (the tray app
    // or the daemon), as the lock it holds records it; nothing when none
    // does, or the recorded process is no Pacewise (its id was reused).
    static std::optional<qint64> runningProcess(const QString &lockPath = FileLock::runtimeLocation(QStringLiteral("pacewise.lock")));

    // Null until running.
    AppState *appState() const { return m_appState.get(); }
    ResumeController *resumes() const { return m_resumes.get(); }
    KickstartController *kickstart() const { return m_kickstart.get(); }
    CaffeineController *caffeine() const { return m_caffeine.get(); }
    GuardController *guard() const { return m_guard.get(); }

signals:
    void running();
    // Another process (its recorded id, when known) runs the services.
    void standingBy(std::optional<qint64> otherProcess);

private:
    QString keepAwakeMark() const;
    void handOverKeepAwake();
    void takeOverKeepAwake();
    bool tryToRun();
    void tryAgain();
    void waitForTheLock();
    void watchLockHolder();
    void stopServices();

    Dependencies m_dependencies;
    QTimer m_standby;
    FileDescriptor m_holder; // a pidfd of the process that holds the lock
    std::unique_ptr<QSocketNotifier> m_holderExit;
    std::optional<FileLock> m_lock;
    bool m_running = false;
    std::shared_ptr<Cancellation> m_quitting;
    std::unique_ptr<AppState> m_appState;
    std::unique_ptr<ResumeController> m_resumes;
    std::unique_ptr<KickstartController> m_kickstart;
    std::unique_ptr<CaffeineController> m_caffeine;
    std::unique_ptr<ControlService> m_control;
    std::unique_ptr<NotificationController> m_notifications;
    std::unique_ptr<FileChangeWatcher> m_settingsWatcher;
    std::unique_ptr<GuardController> m_guard;
};

} // namespace pacewise
