#pragma once

#include "OnboardingController.h"
#include "app/SignInCoordinator.h"
#include "windows/QmlWindow.h"

#include <memory>

namespace pacewise {

class CaffeineController;
class ResumeController;
class KickstartController;
class GuardController;

// The onboarding window with its sign-in and its steps, wired together:
// closing it mid-flow ends the sign-in.
class OnboardingWindow : public QObject {
    Q_OBJECT
public:
    struct Objects {
        QSettings *appSettings;
        AppState *state;
        ResumeController *resumes;
        GuardController *guardController;
        CaffeineController *caffeine;
        KickstartController *kickstart;
        LaunchAtLoginController *launchAtLogin;
        LocaleManager *locale;
    };

    OnboardingWindow(Objects objects, SignInCoordinator::Dependencies signIn, QObject *parent = nullptr);
    ~OnboardingWindow() override;

    SignInCoordinator *signIn() const { return m_signIn.get(); }
    OnboardingController *controller() const { return m_controller.get(); }
    QmlWindow *window() const { return m_window.get(); }
    void show() { m_window->show(); }
    bool isVisible() const { return m_window->isVisible(); }

private:
    std::unique_ptr<SignInCoordinator> m_signIn;
    std::unique_ptr<OnboardingController> m_controller;
    std::unique_ptr<QmlWindow> m_window;
};

} // namespace pacewise
