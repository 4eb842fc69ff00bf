#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QPalette>

class QQuickView;
class QUrl;

namespace pacewise {

// Follows the desktop's light or dark preference. GNOME, and any desktop
// with an XDG desktop portal, says it as org.freedesktop.appearance
// color-scheme (read at start and watched); Qt's Fusion style has no dark
// palette of its own and would stay light, so a dark one is set for the
// whole application. Without a portal, or with no preference, the
// platform's palette is the application's (KDE sets a dark one there).
class DesktopColorScheme : public QObject {
    Q_OBJECT
public:
    enum class Preference : uint { none = 0, dark = 1, light = 2 };

    explicit DesktopColorScheme(QDBusConnection sessionBus, QObject *parent = nullptr);

    void apply(Preference preference);

    static QPalette darkPalette();
    // Loads source into view with the readable colours known to QML and the
    // application's palette in use: Qt Quick gives a new window its style's
    // palette, so a window made while the desktop is dark needs telling, as
    // windows that exist are told when the palette changes.
    static void loadThemed(QQuickView *view, const QUrl &source);

private slots:
    void settingChanged(const QDBusMessage &change);

private:
    QPalette m_platformPalette;
};

} // namespace pacewise
