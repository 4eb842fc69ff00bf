#include "DesktopColorScheme.h"

#include "theme/ReadableColors.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QQuickView>

namespace pacewise {

namespace {

constexpr char portalService[] = "org.freedesktop.portal.Desktop";
constexpr char portalPath[] = "/org/freedesktop/portal/desktop";
constexpr char settingsInterface[] = "org.freedesktop.portal.Settings";
constexpr char appearance[] = "org.freedesktop.appearance";
constexpr char colorScheme[] = "color-scheme";

// Read wraps the value in a second variant (the portal's first version of
// the call, the one GNOME 43 has); a value sent with SettingChanged is not.
uint unwrapped(QVariant value)
{
    while (value.userType() == qMetaTypeId<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    return value.toUInt();
}

DesktopColorScheme::Preference preferenceFrom(uint value)
{
    return value == 1 ? DesktopColorScheme::Preference::dark
         : value == 2 ? DesktopColorScheme::Preference::light
                      : DesktopColorScheme::Preference::none;
}

// The same colours with every role of every group marked as set. A Qt Quick
// window takes from the application's palette only the roles set in it, and
// the platform's palette (KDE's from its colour scheme, say) sets none, so
// Fusion's own light palette would win over a dark desktop's.
QPalette setInFull(const QPalette &palette)
{
    QPalette full;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            if (role == QPalette::NoRole)
                continue;
            const auto colorGroup = QPalette::ColorGroup(group);
            const auto colorRole = QPalette::ColorRole(role);
            full.setBrush(colorGroup, colorRole, palette.brush(colorGroup, colorRole));
        }
    }
    return full;
}

} // namespace

DesktopColorScheme::DesktopColorScheme(QDBusConnection sessionBus, QObject *parent)
    : QObject(parent)
    , m_platformPalette(QGuiApplication::palette())
{
    apply(Preference::none);
    if (!sessionBus.isConnected())
        return;
    sessionBus.connect(QString::fromLatin1(portalService), QString::fromLatin1(portalPath), QString::fromLatin1(settingsInterface),
                       QStringLiteral("SettingChanged"), this, SLOT(settingChanged(QDBusMessage)));
    const QDBusMessage read = QDBusMessage::createMethodCall(QString::fromLatin1(portalService), QString::fromLatin1(portalPath),
                                                             QString::fromLatin1(settingsInterface), QStringLiteral("Read"))
                              << QString::fromLatin1(appearance) << QString::fromLatin1(colorScheme);
    auto *answer = new QDBusPendingCallWatcher(sessionBus.asyncCall(read), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this, [this, answer] {
        answer->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *answer;
        if (reply.isValid()) // no portal, or one without the setting: the platform's palette stays
            apply(preferenceFrom(unwrapped(reply.value().variant())));
    });
}

void DesktopColorScheme::settingChanged(const QDBusMessage &change)
{
    const QVariantList arguments = change.arguments();
    if (arguments.size() == 3 && arguments.at(0).toString() == QLatin1String(appearance) &&
        arguments.at(1).toString() == QLatin1String(colorScheme))
        apply(preferenceFrom(unwrapped(arguments.at(2))));
}

void DesktopColorScheme::apply(Preference preference)
{
    const bool platformIsDark = m_platformPalette.color(QPalette::Window).lightnessF() < 0.5;
    const QPalette wanted = setInFull(preference == Preference::dark && !platformIsDark    ? darkPalette()
                                      : preference == Preference::light && platformIsDark ? QPalette(QColor(0xef, 0xef, 0xef))
                                                                                          : m_platformPalette);
    // Every window redraws on a change: the portal repeating itself is none.
    const QPalette current = QGuiApplication::palette();
    if (wanted != current || wanted.resolveMask() != current.resolveMask())
        QGuiApplication::setPalette(wanted);
}

void DesktopColorScheme::loadThemed(QQuickView *view, const QUrl &source)
{
    ReadableColors::registerWithQml();
    view->setSource(source);
    QEvent changed(QEvent::ApplicationPaletteChange);
    QCoreApplication::sendEvent(view, &changed);
}

QPalette DesktopColorScheme::darkPalette()
{
    const QColor window(0x30, 0x30, 0x30);
    const QColor text(0xee, 0xee, 0xee);
    const QColor disabledText(0x80, 0x80, 0x80);
    QPalette palette(text, window, QColor(0x4a, 0x4a, 0x4a), QColor(0x1e, 0x1e, 0x1e), QColor(0x40, 0x40, 0x40), text,
                     QColor(0xff, 0xff, 0xff), QColor(0x26, 0x26, 0x26), window);
    palette.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3a));
    palette.setColor(QPalette::AlternateBase, QColor(0x36, 0x36, 0x36));
    palette.setColor(QPalette::Highlight, QColor(0x3d, 0x8e, 0xd8));
    palette.setColor(QPalette::HighlightedText, QColor(0xff, 0xff, 0xff));
    palette.setColor(QPalette::Link, QColor(0x7c, 0xb8, 0xf0));
    palette.setColor(QPalette::PlaceholderText, QColor(0xb0, 0xb0, 0xb0));
    palette.setColor(QPalette::ToolTipBase, QColor(0x20, 0x20, 0x20));
    palette.setColor(QPalette::ToolTipText, text);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::PlaceholderText})
        palette.setColor(QPalette::Disabled, role, disabledText);
    return palette;
}

} // namespace pacewise
