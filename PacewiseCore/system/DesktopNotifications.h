#pragma once

#include <QDBusConnection>
#include <QString>

#include <memory>

namespace pacewise {

// Short messages in the desktop's notification area.
class DesktopNotifications {
public:
    enum class Urgency { low, normal, critical };

    virtual ~DesktopNotifications() = default;
    virtual void show(const QString &summary, const QString &body, Urgency urgency) = 0;
};

// org.freedesktop.Notifications on the session bus. Calls do not wait for
// an answer; without a notification server (over SSH, say) they go nowhere
// and a single log line says so. Main thread.
class FreedesktopNotifications final : public DesktopNotifications {
public:
    explicit FreedesktopNotifications(QDBusConnection bus = QDBusConnection::sessionBus());
    void show(const QString &summary, const QString &body, Urgency urgency) override;

private:
    QDBusConnection m_bus;
    // Shared with the answers still on their way.
    std::shared_ptr<bool> m_reportedMissing = std::make_shared<bool>(false);
};

} // namespace pacewise
