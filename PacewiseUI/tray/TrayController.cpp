#include "TrayController.h"

#include "TrayIconRenderer.h"
#include "app/AppState.h"
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
    const QString title = state->showTrayPercentage() ? state->trayTitle() : QString();
    return TrayIconRenderer::icon(state->severity(), title);
}

void TrayController::createIcon()
{
    m_icon = std::make_unique<QSystemTrayIcon>();
    m_menu = std::make_unique<TrayMenu>(m_objects.model, TrayMenu::Actions{
        .openPanel = [this] { m_objects.panel->showNear(m_icon->geometry(), QCursor::pos()); },
        .openSettings = m_objects.openSettings,
        .quit = [this] { m_objects.panel->quit(); },
    });
    m_icon->setContextMenu(m_menu->menu());
    connect(m_icon.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
            m_objects.panel->toggleNear(m_icon->geometry(), QCursor::pos());
    });
    // The model changes with the figures and the language (the menu
    // follows it by itself); only the percentage switch is AppState's own.
    connect(m_objects.model, &PanelModel::changed, this, &TrayController::update);
    // The age in the tooltip moves with the clock.
    connect(m_objects.model, &PanelModel::freshnessChanged, this, [this] {
        if (const QString tip = m_objects.model->tooltip(); tip != m_icon->toolTip())
            m_icon->setToolTip(tip);
    });
    connect(m_objects.state, &AppState::showTrayPercentageChanged, this, &TrayController::update);
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

} // namespace pacewise
