#include "TrayApplication.h"

#include "PacewiseCoreInfo.h"
#include "app/AppConfiguration.h"
#include "system/Logging.h"
#include "system/LoginItemService.h"

#include <QCoreApplication>

namespace pacewise {

Q_LOGGING_CATEGORY(lcLifecycle, "pacewise.lifecycle", QtInfoMsg)

TrayApplication::TrayApplication(Dependencies dependencies, QObject *parent)
    : QObject(parent)
    , m_dependencies(std::move(dependencies))
    , m_locale(m_dependencies.userDefaults)
{
    m_services = std::make_unique<BackgroundServices>(BackgroundServices::Dependencies{
        .environment = m_dependencies.environment,
        .claudePaths = m_dependencies.claudePaths,
        .userDefaults = m_dependencies.userDefaults,
        .sessionBus = m_dependencies.sessionBus,
        .powerAssertions = std::make_shared<LinuxPowerAssertions>(),
        .notifications = std::make_shared<FreedesktopNotifications>(m_dependencies.sessionBus),
        .wakeSource = &m_wake,
        .showPanel = [this] {
            if (m_panel)
                m_panel->showNear({}, {});
        },
    });
    connect(m_services.get(), &BackgroundServices::running, this, &TrayApplication::buildInterface);
    connect(m_services.get(), &BackgroundServices::standingBy, this, [](std::optional<qint64> other) {
        qCInfo(lcLifecycle, "another Pacewise%s polls; the tray icon appears once it stops",
               other ? qPrintable(QStringLiteral(" (pid %1)").arg(*other)) : "");
    });
}

TrayApplication::~TrayApplication()
{
    // The windows read the services' state: they go first.
    m_settingsWindow.reset();
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
    AppState *state = m_services->appState();
    m_guardController = std::make_unique<GuardController>(GuardOperations{
        .settingsPath = m_dependencies.claudePaths.settingsFile(),
        .installer = HookInstaller(QStringLiteral(":/EngineScripts"), m_dependencies.claudePaths.hooksDirectory(),
                                   QString::fromLatin1(PacewiseCoreInfo::version)),
        .settingsManager = SettingsFileManager(),
    });
    m_updater = std::make_unique<UpdaterController>(UpdaterController::Options{
        .feedUrl = updateFeedUrl(*m_dependencies.userDefaults),
        .runningVersion = QString::fromLatin1(PacewiseCoreInfo::version),
    });
    m_launchAtLogin = std::make_unique<LaunchAtLoginController>(std::make_shared<XdgAutostartService>(
        XdgAutostartService::defaultDirectory(), QString::fromLatin1(PacewiseCoreInfo::applicationId), QStringLiteral("Pacewise"),
        XdgAutostartService::execLine({QCoreApplication::applicationFilePath()})));
    m_settingsModel = std::make_unique<SettingsModel>(
        SettingsModel::Objects{state, m_services->morningStarter(), m_updater.get()});
    m_model = std::make_unique<PanelModel>(PanelModel::Dependencies{.state = state, .locale = &m_locale});
    m_panel = std::make_unique<PanelWindow>(PanelWindow::Objects{
        .model = m_model.get(),
        .guardController = m_guardController.get(),
        .caffeine = m_services->caffeine(),
        .locale = &m_locale,
        .openSettings = [this] { openSettings(); },
    });
    m_tray = std::make_unique<TrayController>(
        TrayController::Objects{state, m_model.get(), m_panel.get(), &m_locale, [this] { openSettings(); }},
        m_dependencies.sessionBus);
    qCInfo(lcLifecycle, "Pacewise started (tray only)");
}

void TrayApplication::openSettings()
{
    if (!m_settingsWindow) {
        m_settingsWindow = std::make_unique<QmlWindow>(
            QUrl(QStringLiteral("qrc:/qml/Settings.qml")), QmlWindow::Title{"settings.title", "Settings"}, &m_locale,
            QList<std::pair<QString, QObject *>>{
                {QStringLiteral("appState"), m_services->appState()},
                {QStringLiteral("guardController"), m_guardController.get()},
                {QStringLiteral("morningStarter"), m_services->morningStarter()},
                {QStringLiteral("launchAtLogin"), m_launchAtLogin.get()},
                {QStringLiteral("updater"), m_updater.get()},
                {QStringLiteral("settingsModel"), m_settingsModel.get()},
            });
    }
    m_launchAtLogin->refresh();
    m_settingsWindow->show();
}

} // namespace pacewise
