#include "SignInCoordinator.h"

#include "i18n/UIStrings.h"
#include "system/Logging.h"
#include "system/PrivateDirectory.h"
#include "system/ScriptRunner.h"

#include <QDir>
#include <QPointer>
#include <QRegularExpression>
#include <QtConcurrent/QtConcurrentRun>

#include <qcoro/qcorofuture.h>

#include <csignal>

#include <unistd.h>

namespace pacewise {

Q_LOGGING_CATEGORY(lcSignIn, "pacewise.signin", QtInfoMsg)

namespace {

constexpr qsizetype maximumOutput = 64 * 1024;
constexpr qsizetype maximumCodeLength = 4096;

} // namespace

SignInCoordinator::SignInCoordinator(Dependencies dependencies, QObject *parent)
    : QObject(parent)
    , m_dependencies(std::move(dependencies))
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        qCWarning(lcSignIn, "sign-in timed out");
        m_timedOut = true;
        endProcess();
    });
    connect(&m_statusPoll, &QTimer::timeout, this, [this] { pollStatus(); });
}

SignInCoordinator::~SignInCoordinator()
{
    // Nothing of the sign-in may outlive the window that started it.
    if (m_process && m_process->state() != QProcess::NotRunning) {
        m_process->disconnect(this);
        ::kill(-pid_t(m_process->processId()), SIGKILL);
        m_process->waitForFinished(2000);
    }
}

SignInCoordinator::Flow SignInCoordinator::suggestedFlow() const
{
    if (m_cliPath.isEmpty())
        return Flow::none;
    const QString root = QDir::cleanPath(m_dependencies.desktopBundleRoot) + u'/';
    return !m_dependencies.desktopBundleRoot.isEmpty() && QDir::cleanPath(m_cliPath).startsWith(root) ? Flow::desktop
                                                                                                      : Flow::cli;
}

QCoro::Task<> SignInCoordinator::detect()
{
    if (m_isDetecting)
        co_return;
    m_isDetecting = true;
    emit detectionChanged();
    const QPointer<SignInCoordinator> self(this);
    auto detection = QtConcurrent::run([resolver = m_dependencies.resolver, status = m_dependencies.authStatus] {
        const auto claude = resolver->resolve();
        return std::pair(claude ? *claude : QString(), claude ? status() : std::nullopt);
    });
    const auto [path, status] = co_await detection;
    if (!self)
        co_return;
    m_cliPath = path;
    m_status = status;
    m_isDetecting = false;
    emit detectionChanged();
}

void SignInCoordinator::signInWithBrowser()
{
    if (m_process)
        return;
    m_outcome = Outcome::none;
    m_outcomeMessage.clear();
    m_signInUrl.clear();
    m_awaitingCode = m_cancelled = m_timedOut = false;
    m_output.clear();
    // Who was signed in before: until another account (or the command
    // itself) says so, a signed-in status is no success of this sign-in.
    m_statusBefore = m_status;

    const auto claude = m_dependencies.resolver->resolve();
    if (!claude) {
        conclude(Outcome::failure,
                 UIStrings::text("onboarding.cliMissing",
                                 "The claude command wasn't found. Install Claude Code "
                                 "(npm install -g @anthropic-ai/claude-code), then check again."));
        return;
    }
    const QString scratch = ScriptRunner::defaultScratchDirectory();
    if (preparePrivateDirectory(scratch) != 0) {
        conclude(Outcome::failure, UIStrings::text("onboarding.loginLaunchFailed",
                                                   "Couldn't launch the claude command. Check step 2 and try again."));
        return;
    }
    qCInfo(lcSignIn, "launching browser sign-in via %s", qUtf8Printable(*claude));
    m_process = std::make_unique<QProcess>();
    m_process->setProgram(*claude);
    m_process->setArguments({QStringLiteral("auth"), QStringLiteral("login"), QStringLiteral("--claudeai")});
    m_process->setProcessEnvironment(m_dependencies.environment);
    m_process->setWorkingDirectory(scratch);
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    // Its own session: no terminal to read from, and one signal ends it
    // with whatever it started.
    m_process->setChildProcessModifier([] { ::setsid(); });
    connect(m_process.get(), &QProcess::readyReadStandardOutput, this, &SignInCoordinator::readOutput);
    connect(m_process.get(), &QProcess::finished, this, &SignInCoordinator::finished);
    connect(m_process.get(), &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        qCWarning(lcSignIn, "sign-in launch failed: %s", qUtf8Printable(m_process->errorString()));
        m_deadline.stop();
        m_statusPoll.stop();
        m_process.release()->deleteLater();
        conclude(Outcome::failure, UIStrings::text("onboarding.loginLaunchFailed",
                                                   "Couldn't launch the claude command. Check step 2 and try again."));
    });
    m_process->start();
    m_deadline.start(m_dependencies.timeout);
    m_statusPoll.start(m_dependencies.statusPoll);
    if (!m_statusBefore)
        pollStatus(); // at once, long before a browser could finish
    emit signInChanged();
}

void SignInCoordinator::readOutput()
{
    m_output += m_process->readAllStandardOutput();
    if (m_output.size() > maximumOutput)
        m_output = m_output.right(maximumOutput);
    const QString text = QString::fromUtf8(m_output);
    bool changed = false;
    if (m_signInUrl.isEmpty()) {
        static const QRegularExpression link(QStringLiteral("\\b([a-zA-Z][a-zA-Z0-9+.-]*://\\S+)"));
        const auto match = link.match(text);
        const QUrl url(match.captured(1), QUrl::StrictMode);
        if (match.hasMatch() && url.isValid() && url.scheme() == u"https" && !url.host().isEmpty()) {
            m_signInUrl = url;
            changed = true;
            if (!m_dependencies.openUrl || !m_dependencies.openUrl(url))
                qCInfo(lcSignIn, "no browser opened the sign-in link; it is shown to copy");
        } else if (match.hasMatch()) {
            qCWarning(lcSignIn, "not opening a sign-in link that is not https");
        }
    }
    if (!m_awaitingCode && text.contains(QLatin1String("Paste code here"))) {
        m_awaitingCode = true;
        changed = true;
    }
    if (changed)
        emit signInChanged();
}

void SignInCoordinator::submitCode(const QString &code)
{
    if (!m_process || m_process->state() != QProcess::Running)
        return;
    // One line, as a terminal would send it.
    QString line = code.trimmed().left(maximumCodeLength);
    line.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    if (line.isEmpty())
        return;
    m_process->write(line.toUtf8() + '\n');
}

void SignInCoordinator::cancel()
{
    if (!m_process)
        return;
    qCInfo(lcSignIn, "sign-in cancelled");
    m_cancelled = true;
    endProcess();
}

void SignInCoordinator::endProcess()
{
    if (!m_process || m_process->state() == QProcess::NotRunning)
        return;
    const pid_t group = pid_t(m_process->processId());
    m_process->closeWriteChannel();
    ::kill(-group, SIGTERM);
    QTimer::singleShot(m_dependencies.terminationGrace, m_process.get(), [process = QPointer<QProcess>(m_process.get()), group] {
        if (process && process->state() != QProcess::NotRunning)
            ::kill(-group, SIGKILL);
    });
}

void SignInCoordinator::finished(int exitCode, QProcess::ExitStatus status)
{
    m_deadline.stop();
    m_statusPoll.stop();
    readOutput();
    m_process.release()->deleteLater();
    if (m_outcome != Outcome::none) { // found by the status poll
        emit signInChanged();
        return;
    }
    if (m_cancelled)
        return conclude(Outcome::none);
    if (m_timedOut) {
        return conclude(Outcome::failure, UIStrings::text("onboarding.loginTimeout",
                                                          "Sign-in timed out after 3 minutes. Close any leftover browser "
                                                          "tab and try again."));
    }
    // Input that ended before a code came: the user walked away, no error.
    if (status == QProcess::NormalExit && exitCode == 130)
        return conclude(Outcome::none);
    if (status != QProcess::NormalExit || exitCode != 0) {
        qCWarning(lcSignIn, "sign-in exited with %d", exitCode);
        return conclude(Outcome::failure, UIStrings::format("onboarding.loginExit", "Sign-in exited with code %1. Please try again.",
                                                            {QString::number(exitCode)}));
    }
    confirmSignedIn();
}

QCoro::Task<> SignInCoordinator::confirmSignedIn()
{
    const QPointer<SignInCoordinator> self(this);
    auto asking = QtConcurrent::run(m_dependencies.authStatus);
    const auto status = co_await asking;
    if (!self)
        co_return;
    if (status)
        m_status = status;
    emit detectionChanged();
    if (status && status->loggedIn)
        conclude(Outcome::success);
    else
        conclude(Outcome::failure, UIStrings::text("onboarding.stillSignedOut",
                                                   "Sign-in finished, but the account still looks signed out. Please try again."));
}

QCoro::Task<> SignInCoordinator::pollStatus()
{
    if (m_checkingStatus || !m_process)
        co_return;
    m_checkingStatus = true;
    const QPointer<SignInCoordinator> self(this);
    auto asking = QtConcurrent::run(m_dependencies.authStatus);
    const auto status = co_await asking;
    if (!self)
        co_return;
    m_checkingStatus = false;
    if (!m_statusBefore) { // not known when the sign-in began: the first answer is the "before"
        m_statusBefore = status;
        co_return;
    }
    // Signed in meanwhile as someone new (the browser finished the flow):
    // done, and the waiting command is no longer needed.
    const bool newlySignedIn = status && status->loggedIn && (!m_statusBefore->loggedIn || status->email != m_statusBefore->email);
    if (newlySignedIn && m_process && m_outcome == Outcome::none) {
        m_status = status;
        emit detectionChanged();
        m_outcome = Outcome::success;
        endProcess();
    }
}

void SignInCoordinator::conclude(Outcome outcome, const QString &message)
{
    m_outcome = outcome;
    m_outcomeMessage = message;
    emit signInChanged();
}

} // namespace pacewise
