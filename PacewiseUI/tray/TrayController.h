#pragma once

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>

#include <chrono>
#include <functional>

#include <memory>

namespace pacewise {

class AppState;
class LocaleManager;
class PanelModel;
class PanelWindow;

// The icon in the system tray: the figure coloured by the worst window, the
// summary as its tooltip, a click for the panel and a context menu (Open,
// Settings…, Quit) for trays that keep left clicks to themselves. A tray started at
// login may come up after Pacewise, and Qt asks only once whether there is
// one, so the icon is made only once a StatusNotifierWatcher is there (or,
// failing one, after a while for an XEmbed tray); until then the panel is
// reached by starting Pacewise again.
class TrayController : public QObject {
    Q_OBJECT
public:
    struct Objects {
        AppState *state;
        PanelModel *model;
        PanelWindow *panel;
        LocaleManager *locale;
        std::function<void()> openSettings = nullptr;
    };

    explicit TrayController(Objects objects, QDBusConnection sessionBus = QDBusConnection::sessionBus(),
                            std::chrono::milliseconds xembedFallbackDelay = std::chrono::seconds(20),
                            QObject *parent = nullptr);
    ~TrayController() override;

    // The pictures the icon is made of, for every usual tray size.
    QIcon currentIcon() const;

    static constexpr char watcherService[] = "org.kde.StatusNotifierWatcher";

private slots:
    // Asks, without waiting, whether a tray's host has registered with the
    // watcher; makes the icon when it has.
    void askForHost();

private:
    void createIcon();
    void update();
    void retranslate();

    Objects m_objects;
    QDBusConnection m_bus;
    QDBusServiceWatcher m_watcher;
    QTimer m_xembedFallback;
    bool m_watcherSeen = false;
    std::unique_ptr<QMenu> m_menu;
    std::unique_ptr<QSystemTrayIcon> m_icon;
};

} // namespace pacewise
