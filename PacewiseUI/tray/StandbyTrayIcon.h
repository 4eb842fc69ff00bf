#pragma once

#include "TrayHostWatcher.h"

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>

#include <memory>
#include <optional>

namespace pacewise {

class LocaleManager;

// The icon shown while another Pacewise runs the services but cannot be
// reached over this session bus (a daemon started without one), so this
// one can neither open that one's panel nor ask it to step aside. Without
// it the user would see nothing at all until the other one stops: the icon
// says what is going on, and Quit ends the wait.
class StandbyTrayIcon : public QObject {
    Q_OBJECT
public:
    StandbyTrayIcon(std::optional<qint64> otherProcess, LocaleManager *locale, QDBusConnection sessionBus,
                    QObject *parent = nullptr);
    ~StandbyTrayIcon() override;

    QString explanation() const;

private:
    void createIcon();
    void retranslate();

    std::optional<qint64> m_otherProcess;
    LocaleManager *m_locale;
    TrayHostWatcher m_host;
    std::unique_ptr<QMenu> m_menu;
    std::unique_ptr<QSystemTrayIcon> m_icon;
};

} // namespace pacewise
