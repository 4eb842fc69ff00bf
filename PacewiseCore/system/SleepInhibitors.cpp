#include "SleepInhibitors.h"

#include "i18n/UIStrings.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusUnixFileDescriptor>
#include <QVariantMap>

#include <fcntl.h>

namespace pacewise {

namespace {

constexpr int callTimeoutMs = 5000;
const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");

class LogindInhibitor final : public SleepInhibitor {
public:
    // The descriptor object itself is kept: dropping it closes the fd and
    // releases the inhibitor at once.
    explicit LogindInhibitor(QDBusUnixFileDescriptor fd)
        : m_fd(std::move(fd))
    {
    }

private:
    QDBusUnixFileDescriptor m_fd;
};

class PortalInhibitor final : public SleepInhibitor {
public:
    PortalInhibitor(QDBusConnection bus, QDBusObjectPath handle)
        : m_bus(std::move(bus))
        , m_handle(std::move(handle))
    {
    }
    ~PortalInhibitor() override
    {
        m_bus.call(QDBusMessage::createMethodCall(portalService, m_handle.path(),
                                                  QStringLiteral("org.freedesktop.portal.Request"),
                                                  QStringLiteral("Close")),
                   QDBus::NoBlock);
    }

private:
    QDBusConnection m_bus;
    QDBusObjectPath m_handle;
};

} // namespace

LinuxSleepInhibitors::LinuxSleepInhibitors()
    : LinuxSleepInhibitors(QDBusConnection::sessionBus(), QDBusConnection::systemBus())
{
}

LinuxSleepInhibitors::LinuxSleepInhibitors(QDBusConnection sessionBus, QDBusConnection systemBus)
    : m_sessionBus(std::move(sessionBus))
    , m_systemBus(std::move(systemBus))
{
}

std::expected<std::unique_ptr<SleepInhibitor>, QString> LinuxSleepInhibitors::acquire(const QString &reason)
{
    const bool portalRuns = m_sessionBus.isConnected() && m_sessionBus.interface() &&
                            m_sessionBus.interface()->isServiceRegistered(portalService).value();
    if (portalRuns) {
        if (auto inhibitor = fromPortal(reason))
            return inhibitor;
    }
    return fromLogind(reason);
}

std::expected<std::unique_ptr<SleepInhibitor>, QString> LinuxSleepInhibitors::fromPortal(const QString &reason)
{
    constexpr uint suspend = 4, idle = 8;
    QDBusMessage call = QDBusMessage::createMethodCall(portalService, QStringLiteral("/org/freedesktop/portal/desktop"),
                                                       QStringLiteral("org.freedesktop.portal.Inhibit"),
                                                       QStringLiteral("Inhibit"));
    call << QString() << (suspend | idle) << QVariantMap{{QStringLiteral("reason"), reason}};
    const QDBusReply<QDBusObjectPath> handle = m_sessionBus.call(call, QDBus::Block, callTimeoutMs);
    if (!handle.isValid())
        return std::unexpected(handle.error().message());
    return std::make_unique<PortalInhibitor>(m_sessionBus, handle.value());
}

std::expected<std::unique_ptr<SleepInhibitor>, QString> LinuxSleepInhibitors::fromLogind(const QString &reason)
{
    if (!m_systemBus.isConnected())
        return std::unexpected(UIStrings::text("caffeine.error.noSystemBus", "no system bus, so no systemd-logind to ask"));
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep:idle") << QStringLiteral("Pacewise") << reason << QStringLiteral("block");
    const QDBusReply<QDBusUnixFileDescriptor> fd = m_systemBus.call(call, QDBus::Block, callTimeoutMs);
    if (!fd.isValid() || !fd.value().isValid())
        return std::unexpected(fd.error().message().isEmpty() ? QStringLiteral("systemd-logind refused") : fd.error().message());
    // Children (claude among them) must never inherit the inhibitor.
    ::fcntl(fd.value().fileDescriptor(), F_SETFD, FD_CLOEXEC);
    return std::make_unique<LogindInhibitor>(fd.value());
}

} // namespace pacewise
