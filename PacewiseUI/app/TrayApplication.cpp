#include "TrayApplication.h"

#include "PacewiseCoreInfo.h"
#include "app/AppComposition.h"
#include "app/AppConfiguration.h"
#include "system/Logging.h"
#include "system/LoginItemService.h"

#include "claude/AuthService.h"
#include "system/ScriptRunner.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>

namespace pacewise {

Q_LOGGING_CATEGORY(lcLifecycle, "pacewise.lifecycle", QtInfoMsg)

TrayApplication::TrayApplication(Dependencies dependencies, QObject *parent)
    : QObject(parent)
    , m_dependencies(std::move(dependencies))
    , m_locale(m_dependencies.appSettings)
    , m_colorScheme(m_dependencies.sessionBus)
{
    m_services = std::make_unique<BackgroundServices>(BackgroundServices::Dependencies{
        .environment = m_dependencies.environment,
        .claudePaths = m_dependencies.claudePaths,
        .appSettings = m_dependencies.appSettings,
        .sessionBus = m_dependencies.sessionBus,
        .sleepInhibitors = std::make_shared<LinuxSleepInhibitors>(),
        .notifications = std::make_shared<FreedesktopNotifications>(m_dependencies.sessionBus),
        .wakeSource = &m_wake,
        .showPanel = [this] {
            if (m_panel)
                m_panel->showNear({}, {});
        },
    });
    connect(m_services.get(), &BackgroundServices::running, this, &TrayApplication::buildInterface);
    // A Pacewise that could be asked over the session bus has opened its
    // panel or stepped aside by now; one that is still in the way cannot be
    // reached, so an icon of its own says so until it stops.
    connect(m_services.get(), &BackgroundServices::standingBy, this, [this](std::optional<qint64> other) {
        qCInfo(lcLifecycle, "another Pacewise%s polls and cannot be reached over the session bus; standing by until it stops",
               other ? qPrintable(QStringLiteral(" (pid %1)").arg(*other)) : "");
        m_standbyIcon = std::make_unique<StandbyTrayIcon>(other, &m_locale, m_dependencies.sessionBus);
    });
}

TrayApplication::~TrayApplication()
{
    // The windows read the services' state: they go first.
    m_onboarding.reset();
    m_settings.reset();
    m_tray.reset();
    m_panel.reset();
    m_model.reset();
}

void TrayApplication::start()
{
    m_services->start();
}

void TrayApplication::buildInterface()
{
    m_standbyIcon.reset();
    AppState *state = m_services->appState();
    m_updater = std::make_unique<UpdaterController>(UpdaterController::Options{
        .feedUrl = updateFeedUrl(*m_dependencies.appSettings),
        .runningVersion = QString::fromLatin1(PacewiseCoreInfo::version),
    });
    // A quiet check a day, where a feed is configured and it is not switched off.
    const auto checkQuietly = [this] {
        if (SettingsModel::automaticallyChecksForUpdates(m_dependencies.appSettings))
            m_updater->check();
    };
    m_updateChecks.setInterval(std::chrono::hours(24));
    connect(&m_updateChecks, &QTimer::timeout, this, checkQuietly);
    if (m_updater->checkResult() != UpdaterController::CheckResult::notConfigured) {
        m_updateChecks.start();
        QTimer::singleShot(std::chrono::minutes(1), this, checkQuietly);
    }
    m_launchAtLogin = std::make_unique<LaunchAtLoginController>(AppComposition::launchAtLogin(QCoreApplication::applicationFilePath()));
    m_model = std::make_unique<PanelModel>(
        PanelModel::Dependencies{.state = state, .resumes = m_services->resumes(), .locale = &m_locale});
    m_panel = std::make_unique<PanelWindow>(PanelWindow::Objects{
        .model = m_model.get(),
        .guardController = m_services->guard(),
        .caffeine = m_services->caffeine(),
        .locale = &m_locale,
        .openSettings = [this] { openSettings(); },
        .openOnboarding = [this] { openOnboarding(); },
    });
    m_tray = std::make_unique<TrayController>(
        TrayController::Objects{state, m_model.get(), m_panel.get(), [this] { openSettings(); }},
        m_dependencies.sessionBus);
    qCInfo(lcLifecycle, "Pacewise started (tray only)");
    // At start-up, not when the icon first shows: without a tray the icon
    // never shows, and a first run would get no window at all.
    if (!OnboardingController::isCompleted(*m_dependencies.appSettings))
        openOnboarding();
}

void TrayApplication::openSettings()
{
    if (!m_settings) {
        m_settings = std::make_unique<SettingsWindow>(SettingsWindow::Objects{
            .state = m_services->appState(),
            .resumes = m_services->resumes(),
            .guardController = m_services->guard(),
            .kickstart = m_services->kickstart(),
            .launchAtLogin = m_launchAtLogin.get(),
            .updater = m_updater.get(),
            .locale = &m_locale,
            .appSettings = m_dependencies.appSettings,
            .setUpInputs = [this] {
                return SetupCheck::Inputs{
                    .environment = m_dependencies.environment,
                    .claudePaths = m_dependencies.claudePaths,
                    .engineStatePath = engineStateLocation(m_dependencies.environment, *m_dependencies.appSettings,
                                                           m_dependencies.claudePaths),
                    .guardOperations = AppComposition::guardOperations(m_dependencies.environment, m_dependencies.claudePaths,
                                                                       *m_dependencies.appSettings),
                    .launchAtLogin = AppComposition::launchAtLogin(QCoreApplication::applicationFilePath()),
                    .now = [] { return QDateTime::currentDateTimeUtc(); },
                    .resolver = std::make_shared<CLIPathResolver>(),
                    .runner = std::make_shared<ScriptRunner>(),
                };
            },
        });
    }
    m_settings->show();
}

void TrayApplication::openOnboarding()
{
    // Each opening starts afresh; one still open is only raised.
    if (m_onboarding && !m_onboarding->isVisible())
        m_onboarding.reset();
    if (!m_onboarding) {
        const auto authService = std::make_shared<AuthService>(std::make_shared<CLIPathResolver>(), std::make_shared<ScriptRunner>());
        m_onboarding = std::make_unique<OnboardingWindow>(
            OnboardingWindow::Objects{
                .appSettings = m_dependencies.appSettings,
                .state = m_services->appState(),
                .resumes = m_services->resumes(),
                .guardController = m_services->guard(),
                .caffeine = m_services->caffeine(),
                .kickstart = m_services->kickstart(),
                .launchAtLogin = m_launchAtLogin.get(),
                .locale = &m_locale,
            },
            SignInCoordinator::Dependencies{
                .resolver = std::make_shared<CLIPathResolver>(),
                .authStatus = [authService] { return authService->status(); },
                .openUrl = [](const QUrl &url) { return QDesktopServices::openUrl(url); },
                .environment = m_dependencies.environment,
                .desktopBundleRoot = CLIPathResolver::defaultDesktopBundleRoot(QDir::homePath()),
            });
    }
    m_onboarding->show();
}

} // namespace pacewise
