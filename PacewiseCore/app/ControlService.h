#pragma once

#include "PacewiseCoreInfo.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QObject>
#include <QVariantMap>

#include <expected>
#include <functional>

namespace pacewise {

class CaffeineController;

// What other Pacewise processes may ask of the running instance over the
// session bus. Only the instance that polls registers it, so the name also
// tells pacewisectl whether one runs.
class ControlService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "io.github.pacewise.Pacewise1")
public:
    static constexpr const char *serviceName = PacewiseCoreInfo::applicationId;
    static constexpr char objectPath[] = "/io/github/pacewise/Pacewise";
    static constexpr char interfaceName[] = "io.github.pacewise.Pacewise1";

    // What the instance does beyond keep-awake. The tray app shows its
    // panel; the daemon steps aside for a tray app that starts.
    struct Actions {
        std::function<void()> showPanel;  // null: this instance has no panel
        std::function<void()> standBy;    // null: it never steps aside
    };

    ControlService(CaffeineController *caffeine, Actions actions, QObject *parent = nullptr);
    ~ControlService() override;

    // Exports this object and takes the name; the reason when it cannot.
    std::expected<void, QString> registerOn(QDBusConnection bus);
    // Gives the name up at once, so that the next instance can take it.
    void unregister();

    // For other processes: whether an instance runs on this bus, and a call
    // of one of its methods, waiting for the reply (at most ten seconds).
    static bool isRunningOn(const QDBusConnection &bus);
    static QDBusMessage callRunning(const QDBusConnection &bus, const QString &method,
                                    const QVariantList &arguments = {});

public slots:
    // Switches keep-awake; the reply, once the desktop answered, says
    // whether it is held now and, when it could not be, why.
    Q_SCRIPTABLE QVariantMap SetCaffeine(bool on);
    // "pid", "version", "hasPanel", "caffeineActive", "caffeineUnavailableReason".
    Q_SCRIPTABLE QVariantMap Status() const;
    // Opens the panel; false where there is none.
    Q_SCRIPTABLE bool ShowPanel();
    // Stops polling and releases the name so that another instance (a tray
    // app that starts) takes over; this one waits to run again. False when
    // it does not step aside.
    Q_SCRIPTABLE bool StandBy();

private:
    CaffeineController *m_caffeine;
    Actions m_actions;
    QDBusConnection m_bus = QDBusConnection(QString());
};

} // namespace pacewise
