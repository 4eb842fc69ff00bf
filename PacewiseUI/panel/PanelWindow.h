#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

#include <functional>
#include <memory>

class QQuickView;
class QQmlEngine;

namespace pacewise {

class CaffeineController;
class GuardController;
class LocaleManager;
class PanelModel;

// The frameless panel that opens next to the tray icon and closes when it
// loses focus. QML reaches it as `panel`.
class PanelWindow : public QObject {
    Q_OBJECT
    // Where the application has no such window, no button leads to one.
    Q_PROPERTY(bool canSignIn READ canSignIn CONSTANT)
    Q_PROPERTY(bool canOpenSettings READ canOpenSettings CONSTANT)

public:
    struct Objects {
        PanelModel *model;
        GuardController *guardController;
        CaffeineController *caffeine;
        LocaleManager *locale;
        std::function<void()> openSettings = nullptr;
        std::function<void()> openOnboarding = nullptr;
    };

    explicit PanelWindow(Objects objects, QObject *parent = nullptr);
    ~PanelWindow() override;

    bool canSignIn() const { return bool(m_openOnboarding); }
    bool canOpenSettings() const { return bool(m_openSettings); }

    bool isVisible() const;
    // Next to the tray icon when its place is known, else at the pointer,
    // else in the top right corner of the screen; always on the screen,
    // and placed again as its content grows or shrinks while it is open.
    void showNear(const QRect &trayIcon, const QPoint &pointer);
    void toggleNear(const QRect &trayIcon, const QPoint &pointer);
    QQuickView *view() const { return m_view.get(); }

    Q_INVOKABLE void hide();
    Q_INVOKABLE void quit();
    Q_INVOKABLE void openSettings();
    Q_INVOKABLE void openOnboarding();

    // Where the panel goes: the pure rule behind showNear. screen is the
    // whole screen, available what the desktop's panels leave of it.
    static QPoint placement(const QSize &panel, const QRect &screen, const QRect &available, const QRect &trayIcon,
                            const QPoint &pointer);

private:
    void fitContent();
    void place();

    std::unique_ptr<QQuickView> m_view;
    std::function<void()> m_openSettings;
    std::function<void()> m_openOnboarding;
    // What the panel was last shown near.
    QRect m_trayIcon;
    QPoint m_pointer;
};

} // namespace pacewise
