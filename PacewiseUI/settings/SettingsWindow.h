#pragma once

#include "SettingsModel.h"
#include "windows/QmlWindow.h"

#include <memory>

namespace pacewise {

class GuardController;
class LaunchAtLoginController;

// The settings window and the model behind it.
class SettingsWindow : public QObject {
    Q_OBJECT
public:
    struct Objects {
        AppState *state;
        ResumeController *resumes;
        GuardController *guardController;
        KickstartController *kickstart;
        LaunchAtLoginController *launchAtLogin;
        UpdaterController *updater;
        LocaleManager *locale;
        QSettings *appSettings;
        std::function<SetupCheck::Inputs()> setUpInputs = nullptr;
    };

    explicit SettingsWindow(Objects objects, QObject *parent = nullptr);
    ~SettingsWindow() override;

    SettingsModel *model() const { return m_model.get(); }
    QmlWindow *window() const { return m_window.get(); }
    // Shows it with the login item read afresh: it may have been changed
    // elsewhere.
    void show();

private:
    LaunchAtLoginController *m_launchAtLogin;
    std::unique_ptr<SettingsModel> m_model;
    std::unique_ptr<QmlWindow> m_window;
};

} // namespace pacewise
