#include "OnboardingWindow.h"

#include "app/AppState.h"
#include "app/ResumeController.h"
#include "app/CaffeineController.h"
#include "app/GuardController.h"
#include "app/LaunchAtLoginController.h"
#include "app/KickstartController.h"

namespace pacewise {

OnboardingWindow::OnboardingWindow(Objects objects, SignInCoordinator::Dependencies signIn, QObject *parent)
    : QObject(parent)
    , m_signIn(std::make_unique<SignInCoordinator>(std::move(signIn)))
    , m_controller(std::make_unique<OnboardingController>(
          OnboardingController::Objects{objects.appSettings, objects.state, objects.resumes, m_signIn.get(), objects.launchAtLogin}))
    , m_window(std::make_unique<QmlWindow>(
          QUrl(QStringLiteral("qrc:/qml/Onboarding.qml")), QmlWindow::Title{"onboarding.windowTitle", "Welcome to Pacewise"},
          objects.locale,
          QList<std::pair<QString, QObject *>>{{QStringLiteral("onboarding"), m_controller.get()},
                                               {QStringLiteral("signIn"), m_signIn.get()},
                                               {QStringLiteral("guardController"), objects.guardController},
                                               {QStringLiteral("caffeine"), objects.caffeine},
                                               {QStringLiteral("appState"), objects.state},
                                               {QStringLiteral("resumes"), objects.resumes},
                                               {QStringLiteral("kickstart"), objects.kickstart},
                                               {QStringLiteral("launchAtLogin"), objects.launchAtLogin}}))
{
    // Closed mid-flow: nothing of the sign-in goes on behind it.
    connect(m_window.get(), &QmlWindow::closed, m_signIn.get(), &SignInCoordinator::cancel);
    // Signed in (or not) now: the figures can say so at once.
    connect(m_controller.get(), &OnboardingController::finished, objects.state,
            [state = objects.state] { state->refresh(false); });
}

// The window goes before what it shows.
OnboardingWindow::~OnboardingWindow()
{
    m_window.reset();
}

} // namespace pacewise
