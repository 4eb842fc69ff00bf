#include "app/SignInCoordinator.h"
#include "support/FakeScriptRunner.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

using namespace pacewise;
using namespace pacewise::test;

namespace {

const QByteArray loginPrompt = "Opening browser to sign in…\nIf the browser didn't open, visit:\n"
                               "https://claude.ai/oauth/authorize?code=true&state=abc\nPaste code here if prompted > ";

// The coordinator over the fake claude, with a scenario of its own.
struct SignIn {
    QTemporaryDir dir;
    QList<QUrl> opened;
    std::unique_ptr<SignInCoordinator> coordinator;

    QString scenario(const QString &file) const { return dir.filePath(u"scenario/"_qs + file); }

    SignIn()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"FAKE_CLAUDE_SCENARIO"_qs, dir.filePath(u"scenario"_qs));
        auto resolver = std::make_shared<FakeResolver>();
        resolver->path = QStringLiteral(FAKE_CLAUDE_DIR "/claude");
        coordinator = std::make_unique<SignInCoordinator>(SignInCoordinator::Dependencies{
            .resolver = resolver,
            .authStatus = [this] {
                const bool loggedIn = QFile::exists(scenario(u"auth-status.stdout"_qs));
                return std::optional(AuthStatus{.loggedIn = loggedIn, .email = loggedIn ? std::optional(u"ada@example.com"_qs) : std::nullopt});
            },
            .openUrl = [this](const QUrl &url) { opened << url; return true; },
            .environment = environment,
            .desktopBundleRoot = dir.filePath(u"Claude/claude-code"_qs),
            .timeout = std::chrono::seconds(30),
            .statusPoll = std::chrono::milliseconds(100),
            .terminationGrace = std::chrono::milliseconds(300),
        });
    }

    // claude auth login prints the prompt and waits for "the-code".
    bool promptForCode(const QByteArray &prompt = loginPrompt) const
    {
        return writeFile(scenario(u"auth-login.stdout"_qs), prompt) && writeFile(scenario(u"auth-login.code"_qs), "the-code");
    }

    void waitUntilDone() { QTRY_VERIFY_WITH_TIMEOUT(!coordinator->isSigningIn(), 15'000); }
};

} // namespace

class SignInTest : public QObject {
    Q_OBJECT

private slots:
    void aPastedCodeSignsIn()
    {
        SignIn signIn;
        QVERIFY(signIn.promptForCode());
        QVERIFY(writeFile(signIn.scenario(u"auth-login.status-after"_qs), "{\"loggedIn\":true}"));
        signIn.coordinator->signInWithBrowser();
        QTRY_VERIFY(signIn.coordinator->awaitingCode());
        QCOMPARE(signIn.coordinator->signInUrl(), QUrl(u"https://claude.ai/oauth/authorize?code=true&state=abc"_qs));
        QCOMPARE(signIn.opened, QList<QUrl>{signIn.coordinator->signInUrl()});
        signIn.coordinator->submitCode(u"  the-code\n"_qs);
        signIn.waitUntilDone();
        QTRY_COMPARE(signIn.coordinator->outcome(), SignInCoordinator::Outcome::success);
        QVERIFY(signIn.coordinator->signedIn());
    }

    void onlyHttpsLinksAreOpened()
    {
        SignIn signIn;
        QVERIFY(signIn.promptForCode("visit: http://evil.example/login\nPaste code here if prompted > "));
        signIn.coordinator->signInWithBrowser();
        QTRY_VERIFY(signIn.coordinator->awaitingCode());
        QVERIFY(signIn.opened.isEmpty());
        QCOMPARE(signIn.coordinator->signInUrl(), QUrl());
        signIn.coordinator->cancel();
        signIn.waitUntilDone();
    }

    void closingTheWindowLeavesNothingRunning()
    {
        SignIn signIn;
        QVERIFY(signIn.promptForCode());
        QVERIFY(writeFile(signIn.scenario(u"auth-login.ignore-term"_qs), ""));
        signIn.coordinator->signInWithBrowser();
        QTRY_VERIFY(signIn.coordinator->awaitingCode());
        const pid_t claude = pid_t(readFile(signIn.scenario(u"auth-login.pid"_qs)).trimmed().toLongLong());
        QVERIFY(claude > 0);
        QCOMPARE(::kill(claude, 0), 0);
        signIn.coordinator.reset(); // the onboarding window closes mid-flow
        QCOMPARE(::kill(claude, 0), -1); // gone, and reaped
        QCOMPARE(errno, ESRCH);
    }

};

QTEST_GUILESS_MAIN(SignInTest)
#include "tst_signin.moc"
