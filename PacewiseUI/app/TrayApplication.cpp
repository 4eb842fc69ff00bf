#include "TrayApplication.h"

#include "PacewiseCoreInfo.h"
#include "system/Logging.h"

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
    m_model = std::make_unique<PanelModel>(PanelModel::Dependencies{.state = state, .locale = &m_locale});
    m_panel = std::make_unique<PanelWindow>(
        PanelWindow::Objects{m_model.get(), m_guardController.get(), m_services->caffeine(), &m_locale});
    m_tray = std::make_unique<TrayController>(
        TrayController::Objects{state, m_model.get(), m_panel.get(), &m_locale}, m_dependencies.sessionBus);
    qCInfo(lcLifecycle, "Pacewise started (tray only)");
}

} // namespace pacewise
