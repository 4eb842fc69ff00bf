#pragma once

#include <QDBusConnection>
#include <QString>

#include <expected>
#include <memory>

namespace pacewise {

// Held for as long as the object lives: destroying it lets the machine
// sleep again.
class PowerAssertion {
public:
    virtual ~PowerAssertion() = default;
};

// Keeps the machine from suspending by itself.
class PowerAssertions {
public:
    virtual ~PowerAssertions() = default;
    // The assertion, or why none could be had.
    virtual std::expected<std::unique_ptr<PowerAssertion>, QString> acquire(const QString &reason) = 0;
};

// The desktop portal's Inhibit with the suspend flag where a portal runs
// (desktops' own auto-suspend often ignores a bare idle inhibitor), else
// systemd-logind's Inhibit("sleep:idle", …, "block"), whose file
// descriptor is the inhibitor: closing it releases.
class LinuxPowerAssertions final : public PowerAssertions {
public:
    LinuxPowerAssertions();
    // For tests: buses of their own.
    LinuxPowerAssertions(QDBusConnection sessionBus, QDBusConnection systemBus);

    std::expected<std::unique_ptr<PowerAssertion>, QString> acquire(const QString &reason) override;

private:
    std::expected<std::unique_ptr<PowerAssertion>, QString> fromPortal(const QString &reason);
    std::expected<std::unique_ptr<PowerAssertion>, QString> fromLogind(const QString &reason);

    QDBusConnection m_sessionBus;
    QDBusConnection m_systemBus;
};

} // namespace pacewise
