#pragma once

#include "TrayHostWatcher.h"
#include "TrayMenu.h"

#include <QDBusConnection>
#include <QObject>
#include <QSystemTrayIcon>

#include <chrono>
#include <functional>

#include <memory>

namespace pacewise {

class AppState;
class PanelModel;
class PanelWindow;

// The icon in the system tray: the figure coloured by the worst window, the
// summary as its tooltip, a click for the panel and a menu (TrayMenu) for
// trays that keep left clicks to themselves. The icon is
// made once a tray is there; until then the panel is reached by starting
// Pacewise again.
class TrayController : public QObject {
    Q_OBJECT
public:
    struct Objects {
        AppState *state;
        PanelModel *model;
        PanelWindow *panel;
        std::function<void()> openSettings = nullptr;
    };

    explicit TrayController(Objects objects, QDBusConnection sessionBus = QDBusConnection::sessionBus(),
                            std::chrono::milliseconds xembedFallbackDelay = std::chrono::seconds(20),
                            QObject *parent = nullptr);
    ~TrayController() override;

    // The pictures the icon is made of, for every usual tray size.
    QIcon currentIcon() const;

private:
    void createIcon();
    void update();

    Objects m_objects;
    TrayHostWatcher m_host;
    std::unique_ptr<TrayMenu> m_menu;
    std::unique_ptr<QSystemTrayIcon> m_icon;
};

} // namespace pacewise
