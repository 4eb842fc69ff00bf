#pragma once

#include "app/AppSettingsKeys.h"

#include <QObject>
#include <QSettings>

namespace pacewise {

class AppState;
class ResumeController;
class LaunchAtLoginController;
class SignInCoordinator;

// The four steps of the first launch: language, how Claude Code is used,
// signing in, and the features. Finishing records that onboarding is done,
// so it opens by itself only until then.
class OnboardingController : public QObject {
    Q_OBJECT
    Q_PROPERTY(int step READ step NOTIFY changed)
    Q_PROPERTY(int totalSteps READ totalSteps CONSTANT)
    Q_PROPERTY(bool canGoBack READ canGoBack NOTIFY changed)
    Q_PROPERTY(QString flow READ flow WRITE setFlow NOTIFY changed)
    Q_PROPERTY(bool launchAtLoginSelected READ launchAtLoginSelected WRITE setLaunchAtLoginSelected NOTIFY changed)
    Q_PROPERTY(bool signedIn READ signedIn NOTIFY changed)
    Q_PROPERTY(QString signedInText READ signedInText NOTIFY changed)

public:

    struct Objects {
        QSettings *appSettings;
        AppState *state;
        ResumeController *resumes;
        SignInCoordinator *signIn;
        LaunchAtLoginController *launchAtLogin;
    };

    explicit OnboardingController(Objects objects, QObject *parent = nullptr);

    static bool isCompleted(const QSettings &appSettings) { return appSettings.value(QLatin1String(AppSettingsKeys::onboardingCompleted)).toBool(); }

    int step() const { return m_step; }
    int totalSteps() const { return 4; }
    bool canGoBack() const { return m_step > m_firstStep; }
    // "cli", "desktop", or empty while none is chosen.
    QString flow() const { return m_flow; }
    void setFlow(const QString &flow);
    bool launchAtLoginSelected() const { return m_launchAtLoginSelected; }
    void setLaunchAtLoginSelected(bool selected);
    bool signedIn() const;
    // "Signed in: ann@example.com (Max)", or empty.
    QString signedInText() const;

    // When the window opens: the stored flow, else the one detection suggests.
    Q_INVOKABLE void open();
    Q_INVOKABLE void next();
    Q_INVOKABLE void back();
    // Finds claude again and asks whether it is signed in now.
    Q_INVOKABLE void checkAgain();
    Q_INVOKABLE void enableAutoContinue();
    // Sets launch at login as chosen, in the background, and then emits
    // finished(); when it could not be set the window stays, saying so.
    Q_INVOKABLE void finish();

signals:
    void changed();
    void finished();

private:
    Objects m_objects;
    int m_step = 1;
    // Opened again to sign in, the language step is not offered.
    int m_firstStep = 1;
    QString m_flow;
    bool m_launchAtLoginSelected = true;
};

} // namespace pacewise
