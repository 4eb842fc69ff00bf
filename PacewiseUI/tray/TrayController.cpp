#include "TrayController.h"

#include "TrayIconRenderer.h"
#include "app/AppState.h"
#include "i18n/LocaleManager.h"
#include "i18n/UIStrings.h"
#include "panel/PanelModel.h"
#include "panel/PanelWindow.h"
#include "system/Logging.h"

#include <QCursor>

namespace pacewise {

Q_LOGGING_CATEGORY(lcTray, "pacewise.tray", QtInfoMsg)

TrayController::TrayController(Objects objects, QDBusConnection sessionBus, std::chrono::milliseconds xembedFallbackDelay,
                               QObject *parent)
    : QObject(parent)
    , m_objects(objects)
    , m_host(sessionBus, xembedFallbackDelay)
{
    connect(&m_host, &TrayHostWatcher::trayAvailable, this, &TrayController::createIcon);
}

TrayController::~TrayController() = default;

QIcon TrayController::currentIcon() const
{
    const AppState *state = m_objects.state;
    const QString title = state->showMenuBarPercentage() ? state->menuBarTitle() : QString();
    return TrayIconRenderer::icon(state->severity(), title);
}

void TrayController::createIcon()
{
    m_menu = std::make_unique<QMenu>();
    m_icon = std::make_unique<QSystemTrayIcon>();
    m_icon->setContextMenu(m_menu.get());
    connect(m_icon.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
            m_objects.panel->toggleNear(m_icon->geometry(), QCursor::pos());
    });
    // The model changes with the figures and the language; only the
    // percentage switch is AppState's own.
    connect(m_objects.model, &PanelModel::changed, this, &TrayController::update);
    connect(m_objects.state, &AppState::showMenuBarPercentageChanged, this, &TrayController::update);
    connect(m_objects.locale, &LocaleManager::languageChanged, this, &TrayController::retranslate);
    retranslate();
    update();
    m_icon->show();
    qCInfo(lcTray, "tray icon shown");
}

void TrayController::update()
{
    if (!m_icon)
        return;
    m_icon->setIcon(currentIcon());
    m_icon->setToolTip(m_objects.model->tooltip());
}

void TrayController::retranslate()
{
    m_menu->clear();
    connect(m_menu->addAction(UIStrings::text("menu.open", "Open Pacewise")), &QAction::triggered, this,
            [this] { m_objects.panel->showNear(m_icon->geometry(), QCursor::pos()); });
    if (m_objects.openSettings)
        connect(m_menu->addAction(UIStrings::text("controls.settings", "Settings…")), &QAction::triggered, this, m_objects.openSettings);
    m_menu->addSeparator();
    connect(m_menu->addAction(UIStrings::text("quit", "Quit")), &QAction::triggered, m_objects.panel, &PanelWindow::quit);
}

} // namespace pacewise
