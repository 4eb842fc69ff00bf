#pragma once

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>
#include <QTimer>

#include <chrono>

namespace pacewise {

// Tells once when a tray icon can be shown. Qt asks only once whether a
// StatusNotifier tray exists and keeps the answer, and a tray started at
// login may come up after Pacewise, so nothing may make an icon before a
// tray's host is there. Nothing is polled: the watcher's name appearing, or
// a host registering with it, is what wakes us. A desktop with only an old
// XEmbed tray has no watcher at all: after a while the icon is made anyway,
// for that tray.
class TrayHostWatcher : public QObject {
    Q_OBJECT
public:
    explicit TrayHostWatcher(QDBusConnection sessionBus, std::chrono::milliseconds xembedFallbackDelay,
                             QObject *parent = nullptr);

signals:
    // At most once.
    void trayAvailable();

private slots:
    // Asks, without waiting, whether a tray's host has registered with the
    // watcher.
    void askForHost();

private:
    void announce();

    QDBusConnection m_bus;
    QDBusServiceWatcher m_watcher;
    QTimer m_xembedFallback;
    bool m_watcherSeen = false;
    bool m_announced = false;
};

} // namespace pacewise
