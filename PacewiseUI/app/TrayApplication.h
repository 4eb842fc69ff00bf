#pragma once

#include "app/BackgroundServices.h"
#include "app/LaunchAtLoginController.h"
#include "updates/UpdaterController.h"
#include "i18n/LocaleManager.h"
#include "onboarding/OnboardingWindow.h"
#include "panel/PanelModel.h"
#include "panel/PanelWindow.h"
#include "settings/SettingsWindow.h"
#include "system/SleepInhibitors.h"
#include "system/SleepWakeSource.h"
#include "theme/DesktopColorScheme.h"
#include "tray/StandbyTrayIcon.h"
#include "tray/TrayController.h"

#include <QObject>
#include <QSettings>
#include <QTimer>

#include <memory>

namespace pacewise {

// The tray application's object graph. The background services come first;
// the windows and the icon are built once they run (at once, or after
// another Pacewise stepped aside), on the services' own AppState.
class TrayApplication : public QObject {
    Q_OBJECT
public:
    struct Dependencies {
        QProcessEnvironment environment;
        ClaudePaths claudePaths;
        QSettings *appSettings; // not owned
        QDBusConnection sessionBus = QDBusConnection::sessionBus();
    };

    explicit TrayApplication(Dependencies dependencies, QObject *parent = nullptr);
    ~TrayApplication() override;

    void start();
    PanelWindow *panel() const { return m_panel.get(); }

    void openSettings();
    void openOnboarding();
    // Takes in the settings files as they are now (SIGHUP).
    void reloadSettings() { m_services->reloadSettings(); }

private:
    void buildInterface();

    Dependencies m_dependencies;
    LocaleManager m_locale;
    DesktopColorScheme m_colorScheme;
    LogindSleepWakeSource m_wake;
    std::unique_ptr<BackgroundServices> m_services;
    std::unique_ptr<UpdaterController> m_updater;
    QTimer m_updateChecks;
    std::unique_ptr<LaunchAtLoginController> m_launchAtLogin;
    // Made when first opened.
    std::unique_ptr<SettingsWindow> m_settings;
    std::unique_ptr<OnboardingWindow> m_onboarding;
    std::unique_ptr<PanelModel> m_model;
    std::unique_ptr<PanelWindow> m_panel;
    std::unique_ptr<TrayController> m_tray;
    std::unique_ptr<StandbyTrayIcon> m_standbyIcon;
};

} // namespace pacewise
