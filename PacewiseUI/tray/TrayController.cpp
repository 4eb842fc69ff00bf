#include "TrayController.h"

#include "TrayIconRenderer.h"
#include "app/AppState.h"
#include "i18n/LocaleManager.h"
#include "i18n/UIStrings.h"
#include "panel/PanelModel.h"
#include "panel/PanelWindow.h"
#include "system/Logging.h"

#include <QCursor>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace pacewise {

Q_LOGGING_CATEGORY(lcTray, "pacewise.tray", QtInfoMsg)

TrayController::TrayController(Objects objects, QDBusConnection sessionBus, std::chrono::milliseconds xembedFallbackDelay,
                               QObject *parent)
    : QObject(parent)
    , m_objects(objects)
    , m_bus(sessionBus)
    , m_watcher(QString::fromLatin1(watcherService), sessionBus, QDBusServiceWatcher::WatchForRegistration)
{
    // Qt asks only once whether a StatusNotifier tray exists and keeps the
    // answer, so nothing may ask before a tray's host is there. Nothing is
    // polled either: the watcher's name appearing, or a host registering
    // with it, is what wakes us. A desktop with only an old XEmbed tray has
    // no watcher at all: after a while the icon is made anyway, for that tray.
    connect(&m_watcher, &QDBusServiceWatcher::serviceRegistered, this, [this] {
        m_watcherSeen = true;
        askForHost();
    });
    if (m_bus.isConnected()) {
        m_bus.connect(QString::fromLatin1(watcherService), QStringLiteral("/StatusNotifierWatcher"),
                      QString::fromLatin1(watcherService), QStringLiteral("StatusNotifierHostRegistered"), this, SLOT(askForHost()));
    }
    askForHost();
    m_xembedFallback.setSingleShot(true);
    m_xembedFallback.setInterval(xembedFallbackDelay);
    connect(&m_xembedFallback, &QTimer::timeout, this, [this] {
        if (m_icon || m_watcherSeen)
            return; // a StatusNotifier tray is on its way
        if (QSystemTrayIcon::isSystemTrayAvailable())
            createIcon();
        else
            qCWarning(lcTray, "no system tray on this desktop; start Pacewise again to open its panel");
    });
    m_xembedFallback.start();
}

void TrayController::askForHost()
{
    if (m_icon || !m_bus.isConnected())
        return;
    const QDBusMessage question =
        QDBusMessage::createMethodCall(QString::fromLatin1(watcherService), QStringLiteral("/StatusNotifierWatcher"),
                                       QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"))
        << QString::fromLatin1(watcherService) << QStringLiteral("IsStatusNotifierHostRegistered");
    auto *answer = new QDBusPendingCallWatcher(m_bus.asyncCall(question), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this, [this, answer] {
        answer->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *answer;
        if (!reply.isValid()) {
            if (!m_icon && !m_watcherSeen)
                qCInfo(lcTray, "no StatusNotifier tray yet; waiting for one (start Pacewise again for the panel)");
            return;
        }
        m_watcherSeen = true;
        if (reply.value().variant().toBool() && !m_icon)
            createIcon();
    });
}

TrayController::~TrayController() = default;

QIcon TrayController::currentIcon() const
{
    const AppState *state = m_objects.state;
    const QString title = state->showMenuBarPercentage() ? state->menuBarTitle() : QString();
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64}) {
        for (const qreal scale : {1.0, 2.0})
            icon.addPixmap(QPixmap::fromImage(TrayIconRenderer::render(state->severity(), title, size, scale)));
    }
    return icon;
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
    m_xembedFallback.stop();
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
