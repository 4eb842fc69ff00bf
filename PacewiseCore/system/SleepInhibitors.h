#pragma once

#include <QDBusConnection>
#include <QString>

#include <expected>
#include <memory>

namespace pacewise {

// Held for as long as the object lives: destroying it lets the machine
// sleep again.
class SleepInhibitor {
public:
    virtual ~SleepInhibitor() = default;
};

// Keeps the machine from suspending by itself.
class SleepInhibitors {
public:
    virtual ~SleepInhibitors() = default;
    // The inhibitor, or why none could be had.
    virtual std::expected<std::unique_ptr<SleepInhibitor>, QString> acquire(const QString &reason) = 0;
};

// The desktop portal's Inhibit with the suspend flag where a portal runs
// (desktops' own auto-suspend often ignores a bare idle inhibitor), else
// systemd-logind's Inhibit("sleep:idle", …, "block"), whose file
// descriptor is the inhibitor: closing it releases.
class LinuxSleepInhibitors final : public SleepInhibitors {
public:
    LinuxSleepInhibitors();
    // For tests: buses of their own.
    LinuxSleepInhibitors(QDBusConnection sessionBus, QDBusConnection systemBus);

    std::expected<std::unique_ptr<SleepInhibitor>, QString> acquire(const QString &reason) override;

private:
    std::expected<std::unique_ptr<SleepInhibitor>, QString> fromPortal(const QString &reason);
    std::expected<std::unique_ptr<SleepInhibitor>, QString> fromLogind(const QString &reason);

    QDBusConnection m_sessionBus;
    QDBusConnection m_systemBus;
};

} // namespace pacewise
