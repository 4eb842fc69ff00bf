#pragma once

#include "system/PowerAssertions.h"

#include <QObject>

#include <memory>

namespace pacewise {

// Caffeine: keeps the machine from suspending by itself while long Claude
// Code work runs unattended. Not remembered across starts; a hand-over
// between Pacewise processes keeps it (BackgroundServices).
class CaffeineController : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isActive READ isActive WRITE setActive NOTIFY isActiveChanged)
    Q_PROPERTY(QString unavailableReason READ unavailableReason NOTIFY isActiveChanged)

public:
    static constexpr char assertionName[] = "Pacewise keep-awake";

    explicit CaffeineController(std::shared_ptr<PowerAssertions> assertions, QObject *parent = nullptr);

    bool isActive() const { return m_assertion != nullptr; }
    // Why the last start failed, so the switch can say it is unavailable.
    QString unavailableReason() const { return m_unavailableReason; }

    void start();
    void stop();
    void setActive(bool active) { active ? start() : stop(); }

signals:
    void isActiveChanged();

private:
    std::shared_ptr<PowerAssertions> m_assertions;
    std::unique_ptr<PowerAssertion> m_assertion;
    QString m_unavailableReason;
};

} // namespace pacewise
