#include "StandbyTrayIcon.h"

#include "TrayIconRenderer.h"
#include "i18n/LocaleManager.h"
#include "i18n/UIStrings.h"

#include <QCoreApplication>

namespace pacewise {

StandbyTrayIcon::StandbyTrayIcon(std::optional<qint64> otherProcess, LocaleManager *locale, QDBusConnection sessionBus,
                                 QObject *parent)
    : QObject(parent)
    , m_otherProcess(otherProcess)
    , m_locale(locale)
    , m_host(sessionBus, std::chrono::seconds(20))
{
    connect(&m_host, &TrayHostWatcher::trayAvailable, this, &StandbyTrayIcon::createIcon);
}

StandbyTrayIcon::~StandbyTrayIcon() = default;

QString StandbyTrayIcon::explanation() const
{
    if (m_otherProcess) {
        return UIStrings::format("standby.otherProcess",
                                 "Another Pacewise (process %1) checks the usage but cannot be reached over the "
                                 "session bus, so this one cannot show it. This one takes over when that one stops.",
                                 {QString::number(*m_otherProcess)});
    }
    return UIStrings::text("standby.other", "Another Pacewise checks the usage but cannot be reached over the session "
                                            "bus, so this one cannot show it. This one takes over when that one stops.");
}

void StandbyTrayIcon::createIcon()
{
    m_menu = std::make_unique<QMenu>();
    m_icon = std::make_unique<QSystemTrayIcon>(TrayIconRenderer::icon(TrayUsage::Severity::noData, {}));
    m_icon->setContextMenu(m_menu.get());
    // Trays that keep the right click to themselves still get the reason.
    connect(m_icon.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            m_icon->showMessage(UIStrings::text("standby.title", "Pacewise is waiting"), explanation());
    });
    connect(m_locale, &LocaleManager::languageChanged, this, &StandbyTrayIcon::retranslate);
    retranslate();
    m_icon->show();
}

void StandbyTrayIcon::retranslate()
{
    m_icon->setToolTip(UIStrings::text("standby.title", "Pacewise is waiting") + u'\n' + explanation());
    m_menu->clear();
    connect(m_menu->addAction(UIStrings::text("quit", "Quit")), &QAction::triggered, qApp, &QCoreApplication::quit);
}

} // namespace pacewise
