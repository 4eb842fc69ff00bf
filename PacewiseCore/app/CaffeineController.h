#pragma once

#include "system/SleepInhibitors.h"

#include <QObject>

#include <qcoro/qcorotask.h>

#include <memory>

namespace pacewise {

// Caffeine: keeps the machine from suspending by itself while long Claude
// Code work runs unattended. Not remembered across starts; a hand-over
// between Pacewise processes keeps it (BackgroundServices). The desktop's
// portal or systemd-logind is asked on the thread pool: their answer may
// take seconds, which the GUI thread must not wait for.
class CaffeineController : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isActive READ isActive WRITE setActive NOTIFY isActiveChanged)
    Q_PROPERTY(QString unavailableReason READ unavailableReason NOTIFY isActiveChanged)

public:
    static constexpr char inhibitorReason[] = "Pacewise keep-awake";

    explicit CaffeineController(std::shared_ptr<SleepInhibitors> inhibitors, QObject *parent = nullptr);

    bool isActive() const { return m_inhibitor != nullptr; }
    // Why the last start failed, so the switch can say it is unavailable.
    QString unavailableReason() const { return m_unavailableReason; }

    // Done once the answer is in (isActiveChanged says what it was); while
    // one is asked for, another start adds nothing.
    QCoro::Task<> switchTo(bool active);
    void setActive(bool active) { switchTo(active); }
    void start() { switchTo(true); }

signals:
    void isActiveChanged();

private:
    std::shared_ptr<SleepInhibitors> m_inhibitors;
    std::shared_ptr<SleepInhibitor> m_inhibitor;
    QString m_unavailableReason;
    bool m_wanted = false;
    bool m_asking = false;
};

} // namespace pacewise
