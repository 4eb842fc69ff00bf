#include "OnboardingController.h"

#include "app/AppSettingsKeys.h"
#include "app/AppState.h"
#include "app/ResumeController.h"
#include "app/LaunchAtLoginController.h"
#include "app/SignInCoordinator.h"
#include "i18n/UIStrings.h"

#include <QPointer>

namespace pacewise {

OnboardingController::OnboardingController(Objects objects, QObject *parent)
    : QObject(parent)
    , m_objects(objects)
{
    connect(m_objects.signIn, &SignInCoordinator::detectionChanged, this, &OnboardingController::changed);
    connect(m_objects.signIn, &SignInCoordinator::signInChanged, this, &OnboardingController::changed);
    connect(m_objects.state, &AppState::authStatusChanged, this, &OnboardingController::changed);
}

void OnboardingController::setFlow(const QString &flow)
{
    if ((flow != u"cli" && flow != u"desktop") || flow == m_flow)
        return;
    m_flow = flow;
    m_objects.appSettings->setValue(QLatin1String(AppSettingsKeys::signInFlow), flow);
    emit changed();
}

void OnboardingController::setLaunchAtLoginSelected(bool selected)
{
    if (selected == m_launchAtLoginSelected)
        return;
    m_launchAtLoginSelected = selected;
    emit changed();
}

bool OnboardingController::signedIn() const
{
    const auto &status = m_objects.state->authStatus();
    return (status && status->loggedIn) || m_objects.signIn->signedIn();
}

QString OnboardingController::signedInText() const
{
    if (!signedIn())
        return {};
    const auto &appStatus = m_objects.state->authStatus();
    const AuthStatus status = m_objects.signIn->signedIn() ? *m_objects.signIn->authStatus() : *appStatus;
    const QString email = status.email.value_or(QString());
    const QString plan = status.planName().value_or(QString());
    if (!email.isEmpty() && !plan.isEmpty())
        return UIStrings::format("auth.signedIn.emailPlan", "Signed in: %1 (%2)", {email, plan});
    if (!email.isEmpty())
        return UIStrings::format("auth.signedIn.email", "Signed in: %1", {email});
    if (!plan.isEmpty())
        return UIStrings::format("auth.signedIn.plan", "Signed in (%1)", {plan});
    return UIStrings::text("auth.signedIn", "Signed in");
}

void OnboardingController::open()
{
    m_objects.launchAtLogin->refresh();
    // A first run starts at the language and suggests starting at login;
    // a later one (to sign in again) starts at signing in and shows the
    // login item as it is now.
    if (isCompleted(*m_objects.appSettings)) {
        m_step = m_firstStep = 2;
        m_launchAtLoginSelected = m_objects.launchAtLogin->isEnabled();
    }
    const QString stored = m_objects.appSettings->value(QLatin1String(AppSettingsKeys::signInFlow)).toString();
    if (stored == u"cli" || stored == u"desktop")
        m_flow = stored;
    emit changed();
    [](QPointer<OnboardingController> self) -> QCoro::Task<> {
        co_await self->m_objects.signIn->detect();
        if (!self || !self->m_flow.isEmpty())
            co_return;
        switch (self->m_objects.signIn->suggestedFlow()) {
        case SignInCoordinator::Flow::desktop:
            self->m_flow = QStringLiteral("desktop");
            break;
        case SignInCoordinator::Flow::cli:
            self->m_flow = QStringLiteral("cli");
            break;
        case SignInCoordinator::Flow::none:
            break;
        }
        emit self->changed();
    }(this);
}

void OnboardingController::next()
{
    if (m_step < totalSteps()) {
        ++m_step;
        emit changed();
    }
}

void OnboardingController::back()
{
    if (canGoBack()) {
        --m_step;
        emit changed();
    }
}

void OnboardingController::checkAgain()
{
    m_objects.signIn->startDetection();
    m_objects.state->checkAuthStatus();
}

void OnboardingController::enableAutoContinue()
{
    m_objects.resumes->setAutoContinueEnabled(true);
}

void OnboardingController::finish()
{
    LaunchAtLoginController *launch = m_objects.launchAtLogin;
    const auto complete = [this, launch] {
        if (launch->hasError())
            return;
        m_objects.appSettings->setValue(QLatin1String(AppSettingsKeys::onboardingCompleted), true);
        m_objects.appSettings->sync();
        emit finished();
    };
    launch->setEnabled(m_launchAtLoginSelected);
    if (!launch->isUpdating()) {
        complete();
        return;
    }
    auto *waiting = new QObject(this);
    connect(launch, &LaunchAtLoginController::changed, waiting, [launch, waiting, complete] {
        if (launch->isUpdating())
            return;
        delete waiting;
        complete();
    });
}

} // namespace pacewise
