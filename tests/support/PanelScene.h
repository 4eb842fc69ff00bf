#pragma once

#include "FakeResumes.h"
#include "FakeScriptRunner.h"
#include "FakeUsageFetcher.h"
#include "TestFiles.h"
#include "PacewiseCoreInfo.h"
#include "app/AppState.h"
#include "app/CaffeineController.h"
#include "app/GuardController.h"
#include "app/LaunchAtLoginController.h"
#include "app/KickstartController.h"
#include "onboarding/OnboardingWindow.h"
#include "updates/UpdaterController.h"
#include "settings/SettingsWindow.h"
#include "i18n/LocaleManager.h"
#include "panel/PanelModel.h"
#include "panel/PanelWindow.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QQuickItem>
#include <QtQuickTest/quicktest.h>
#include <QQuickView>
#include <QtTest>
#include <QTemporaryDir>

#include <qcoro/qcorotask.h>

namespace pacewise::test {

class FakeSleepInhibitors final : public SleepInhibitors {
public:
    std::expected<std::unique_ptr<SleepInhibitor>, QString> acquire(const QString &) override
    {
        return std::make_unique<SleepInhibitor>();
    }
};

// The panel over a scratch home and fake usage, in any state a test or a
// screenshot wants: the real AppState, GuardController, CaffeineController,
// LocaleManager, PanelModel and PanelWindow.
struct PanelScene {
    QTemporaryDir home;
    QDateTime now = QDateTime(QDate(2026, 12, 6), QTime(12, 0), Qt::UTC);
    std::shared_ptr<FakeUsageFetcher> fetcher = std::make_shared<FakeUsageFetcher>();
    std::shared_ptr<FakeScriptRunner> runner = std::make_shared<FakeScriptRunner>();
    std::shared_ptr<FakeSleepInhibitors> power = std::make_shared<FakeSleepInhibitors>();
    QSettings appSettings{home.filePath(QStringLiteral("Pacewise.conf")), QSettings::IniFormat};
    const ClaudePaths paths{home.filePath(QStringLiteral(".claude")), home.filePath(QStringLiteral(".claude.json"))};
    std::unique_ptr<AppState> state;
    std::unique_ptr<ResumeController> resumes;
    std::unique_ptr<GuardController> guardController;
    std::unique_ptr<CaffeineController> caffeine;
    std::unique_ptr<LocaleManager> locale;
    std::unique_ptr<PanelModel> model;
    std::unique_ptr<PanelWindow> window;
    std::unique_ptr<KickstartController> kickstart;
    std::unique_ptr<UpdaterController> updater;
    std::unique_ptr<LaunchAtLoginController> launchAtLogin;
    std::unique_ptr<SettingsWindow> settings;
    std::unique_ptr<OnboardingWindow> onboarding;

    PanelScene()
    {
        state = std::make_unique<AppState>(AppState::Dependencies{
            .usageFetcher = fetcher,
            .authStatus = [] { return std::optional(AuthStatus{.loggedIn = true}); },
            .engineStateReader = EngineStateReader(paths.engineStateFile(), AccountIdentity(paths.accountFile())),
            .stateWriter = StateWriter(paths.engineStateFile()),
            .appSettings = &appSettings,
            .now = [this] { return now; },
        });
        resumes = fakeResumes(paths, runner, [this] { return now; }, state.get());
        guardController = std::make_unique<GuardController>(guardOperations());
        caffeine = std::make_unique<CaffeineController>(power);
        locale = std::make_unique<LocaleManager>(&appSettings);
        model = std::make_unique<PanelModel>(PanelModel::Dependencies{.state = state.get(), .resumes = resumes.get(),
                                                                      .locale = locale.get(), .now = [this] { return now; },
                                                                      .zone = QTimeZone::utc()});
        window = std::make_unique<PanelWindow>(
            PanelWindow::Objects{model.get(), guardController.get(), caffeine.get(), locale.get()});
        QTRY_VERIFY(!guardController->busy());
    }

    // The scene graph hands its textures to deleteLater, which only an
    // event loop runs: run it, so that nothing is left behind. The language
    // and its fonts are the application's: they are left as they were.
    ~PanelScene()
    {
        onboarding.reset();
        settings.reset();
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        locale->setLanguage(QString());
    }

    QString claude(const QString &path) const { return home.filePath(QStringLiteral(".claude/") + path); }

    GuardOperations guardOperations() const
    {
        return {
            .settingsPath = paths.settingsFile(),
            .installer = HookInstaller(QStringLiteral(":/EngineScripts"), paths.hooksDirectory(), QString::fromLatin1(PacewiseCoreInfo::version)),
            .settingsManager = SettingsFileManager(),
        };
    }


    // The settings window over the same state, with the morning kickstart
    // greeting through the fake runner and autostart in the scratch home.
    void buildSettings(const QUrl &updateFeed = {}, QString autostartDirectory = {})
    {
        if (autostartDirectory.isEmpty())
            autostartDirectory = home.filePath(QStringLiteral("autostart"));
        kickstart = std::make_unique<KickstartController>(KickstartController::Dependencies{
            .appSettings = &appSettings,
            .starter = std::make_shared<Kickstart>(Kickstart::Dependencies{
                .resolver = std::make_shared<FakeResolver>(), .runner = runner, .environment = QProcessEnvironment(),
                .lockFile = home.filePath(QStringLiteral("kickstart.lock"))}),
            .usageProvider = [] { return KickstartController::Usage{}; },
            .refreshUsage = []() -> QCoro::Task<> { co_return; },
            .autostart = false,
            .now = [this] { return now; },
            .zone = QTimeZone::utc(),
        });
        updater = std::make_unique<UpdaterController>(UpdaterController::Options{.feedUrl = updateFeed, .runningVersion = QStringLiteral("0.1.0")});
        const auto autostart = std::make_shared<XdgAutostartService>(autostartDirectory, QStringLiteral("pacewise"),
                                                                     QStringLiteral("Pacewise"), QStringLiteral("/usr/bin/pacewise"));
        launchAtLogin = std::make_unique<LaunchAtLoginController>(autostart);
        settings = std::make_unique<SettingsWindow>(SettingsWindow::Objects{
            .state = state.get(),
            .resumes = resumes.get(),
            .guardController = guardController.get(),
            .kickstart = kickstart.get(),
            .launchAtLogin = launchAtLogin.get(),
            .updater = updater.get(),
            .locale = locale.get(),
            .appSettings = &appSettings,
            // Nothing found and nothing set up, in the scratch home.
            .setUpInputs = [this, autostart] {
                auto noClaude = std::make_shared<FakeResolver>();
                noClaude->path.reset();
                return SetupCheck::Inputs{
                    .environment = QProcessEnvironment(),
                    .claudePaths = paths,
                    .engineStatePath = paths.engineStateFile(),
                    .guardOperations = guardOperations(),
                    .launchAtLogin = autostart,
                    .servicesLock = home.filePath(QStringLiteral("pacewise.lock")),
                    .now = [this] { return now; },
                    .resolver = noClaude,
                    .runner = runner,
                };
            },
        });
    }

    // Onboarding, after buildSettings(), with claude found at claudePath
    // (none when empty).
    void buildOnboarding(const QString &claudePath)
    {
        auto resolver = std::make_shared<FakeResolver>();
        resolver->path = claudePath.isEmpty() ? std::nullopt : std::optional(claudePath);
        onboarding = std::make_unique<OnboardingWindow>(
            OnboardingWindow::Objects{&appSettings, state.get(), resumes.get(), guardController.get(), caffeine.get(), kickstart.get(),
                                      launchAtLogin.get(), locale.get()},
            SignInCoordinator::Dependencies{
                .resolver = resolver,
                .authStatus = [] { return std::optional(AuthStatus{.loggedIn = false}); },
                .openUrl = [](const QUrl &) { return false; },
                .desktopBundleRoot = home.filePath(QStringLiteral(".config/Claude/claude-code")),
            });
    }

    static QQuickItem *findIn(const QQuickView *view, const QString &objectName)
    {
        return view->rootObject()->findChild<QQuickItem *>(objectName);
    }
    QQuickItem *find(const QString &objectName) const { return findIn(window->view(), objectName); }
    QQuickItem *findInSettings(const QString &objectName) const { return findIn(settings->window()->view(), objectName); }
    QQuickItem *findInOnboarding(const QString &objectName) const { return findIn(onboarding->window()->view(), objectName); }

    // The usage the next refresh brings: five-hour, weekly and one model.
    void showUsage(double fiveHour, double weekly, std::optional<double> model = std::nullopt)
    {
        QList<UsageLimit> limits{UsageLimit(UsageLimitKind::fiveHour, std::nullopt, fiveHour, now.addSecs(3 * 3600 + 1200)),
                                 UsageLimit(UsageLimitKind::weeklyAll, std::nullopt, weekly, now.addDays(3))};
        if (model)
            limits << UsageLimit(UsageLimitKind::weeklyModel, QStringLiteral("Opus"), *model, now.addDays(3));
        fetcher->answer(UsageSnapshot(limits));
        QCoro::waitFor(state->refresh(false));
    }

    void failWith(UsageCLIError::Kind kind)
    {
        fetcher->answer(std::unexpected(UsageCLIError{.kind = kind}));
        QCoro::waitFor(state->refresh(false));
    }

    void addPendingResume(const QString &session, const QString &title, const QString &project, qint64 resetInSeconds)
    {
        const QString cwd = home.filePath(project);
        QDir().mkpath(cwd);
        // The title is the last thing the user typed in the session.
        const QString transcript = claude(QStringLiteral("projects/") + session + QStringLiteral(".jsonl"));
        writeFile(transcript, QJsonDocument(QJsonObject{{QStringLiteral("type"), QStringLiteral("user")},
                                                        {QStringLiteral("message"), QJsonObject{{QStringLiteral("content"), title}}}})
                                  .toJson(QJsonDocument::Compact) + '\n');
        writeFile(claude(QStringLiteral("pacewise-resume-tickets/") + session + QStringLiteral(".json")),
                  QJsonDocument(QJsonObject{{QStringLiteral("session_id"), session},
                                            {QStringLiteral("cwd"), cwd},
                                            {QStringLiteral("transcript_path"), transcript},
                                            {QStringLiteral("resets_at"), now.addSecs(resetInSeconds).toSecsSinceEpoch()},
                                            {QStringLiteral("created_at"), now.addSecs(-600).toSecsSinceEpoch()}})
                      .toJson());
        QCoro::waitFor(resumes->reload());
    }

    QImage grab()
    {
        window->view()->show();
        (void)QTest::qWaitForWindowExposed(window->view());
        (void)QQuickTest::qWaitForPolish(window->view());
        return window->view()->grabWindow();
    }
};

} // namespace pacewise::test
