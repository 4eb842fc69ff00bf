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
// and a single log line says so. Bodies are plain text: where the server
// reads markup in them, the text is escaped, so that a session's title
// ("<b>", "&") shows as written. Main thread.
class FreedesktopNotifications final : public DesktopNotifications {
public:
    explicit FreedesktopNotifications(QDBusConnection bus = QDBusConnection::sessionBus());
    void show(const QString &summary, const QString &body, Urgency urgency) override;

private:
    QDBusConnection m_bus;
    // Shared with the answers still on their way.
    std::shared_ptr<bool> m_reportedMissing = std::make_shared<bool>(false);
    // Whether the server reads markup in bodies; most do, and until it
    // answers it is taken to.
    std::shared_ptr<bool> m_bodyMarkup = std::make_shared<bool>(true);
};

} // namespace pacewise
