#pragma once

#include "claude/AuthStatus.h"
#include "claude/CLIPathResolver.h"

#include <QObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTimer>
#include <QUrl>

#include <qcoro/qcorotask.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace pacewise {

// Finds Claude Code and signs the user in through the browser for the
// onboarding window. `claude auth login --claudeai` prints a link, opens the
// browser when it can, and waits for a code pasted from the browser; the
// link is shown (and opened, when it is https) so that a machine without a
// browser can finish on another one, and a pasted code goes to its input.
// Success is exit 0 confirmed by `claude auth status`, or that status
// reporting the account signed in meanwhile. Main thread.
class SignInCoordinator : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isDetecting READ isDetecting NOTIFY detectionChanged)
    Q_PROPERTY(bool signedIn READ signedIn NOTIFY detectionChanged)
    Q_PROPERTY(pacewise::SignInCoordinator::Flow suggestedFlow READ suggestedFlow NOTIFY detectionChanged)
    Q_PROPERTY(bool isSigningIn READ isSigningIn NOTIFY signInChanged)
    Q_PROPERTY(QString signInUrl READ signInUrlText NOTIFY signInChanged)
    Q_PROPERTY(bool awaitingCode READ awaitingCode NOTIFY signInChanged)
    Q_PROPERTY(pacewise::SignInCoordinator::Outcome outcome READ outcome NOTIFY signInChanged)
    Q_PROPERTY(QString outcomeMessage READ outcomeMessage NOTIFY signInChanged)

public:
    // How the user works with Claude Code: the Claude desktop application's
    // own copy of the command, or a standalone one.
    enum class Flow { none, desktop, cli };
    Q_ENUM(Flow)
    enum class Outcome { none, success, failure };
    Q_ENUM(Outcome)

    struct Dependencies {
        std::shared_ptr<CLIPathResolving> resolver;
        std::function<std::optional<AuthStatus>()> authStatus; // blocking; runs on the pool
        std::function<bool(const QUrl &)> openUrl;             // the desktop's browser
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        QString desktopBundleRoot; // the Claude desktop application's copies of claude
        std::chrono::milliseconds timeout{180'000};
        // How often `claude auth status` is asked while the sign-in runs.
        std::chrono::milliseconds statusPoll{5'000};
        std::chrono::milliseconds terminationGrace{2'000};
    };

    explicit SignInCoordinator(Dependencies dependencies, QObject *parent = nullptr);
    ~SignInCoordinator() override;

    bool isDetecting() const { return m_isDetecting; }
    bool signedIn() const { return m_status && m_status->loggedIn; }
    const std::optional<AuthStatus> &authStatus() const { return m_status; }
    Flow suggestedFlow() const;
    bool isSigningIn() const { return m_process != nullptr; }
    QUrl signInUrl() const { return m_signInUrl; }
    QString signInUrlText() const { return m_signInUrl.toString(); }
    bool awaitingCode() const { return m_awaitingCode; }
    Outcome outcome() const { return m_outcome; }
    QString outcomeMessage() const { return m_outcomeMessage; }

    QCoro::Task<> detect();
    Q_INVOKABLE void startDetection() { detect(); }
    // Starts `claude auth login --claudeai`; does nothing while one runs.
    Q_INVOKABLE void signInWithBrowser();
    // The code the browser showed, for the waiting sign-in.
    Q_INVOKABLE void submitCode(const QString &code);
    // Ends the sign-in; no outcome is reported for it.
    Q_INVOKABLE void cancel();

signals:
    void detectionChanged();
    void signInChanged();

private:
    void readOutput();
    void finished(int exitCode, QProcess::ExitStatus status);
    QCoro::Task<> pollStatus();
    QCoro::Task<> confirmSignedIn();
    void conclude(Outcome outcome, const QString &message = {});
    void endProcess();

    Dependencies m_dependencies;
    bool m_isDetecting = false;
    QString m_cliPath;
    std::optional<AuthStatus> m_status;
    std::optional<AuthStatus> m_statusBefore; // when the running sign-in began

    std::unique_ptr<QProcess> m_process;
    QByteArray m_output;
    QUrl m_signInUrl;
    bool m_awaitingCode = false;
    bool m_cancelled = false;
    bool m_timedOut = false;
    bool m_checkingStatus = false;
    QTimer m_deadline;
    QTimer m_statusPoll;
    Outcome m_outcome = Outcome::none;
    QString m_outcomeMessage;
};

} // namespace pacewise
