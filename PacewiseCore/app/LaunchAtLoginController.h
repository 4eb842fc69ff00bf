#pragma once

#include "system/LoginItemService.h"

#include <QObject>

#include <memory>

namespace pacewise {

// Launch at login, mirroring what the login-item service says; nothing of
// its own is stored. The entry is written (and synced to disk) on the
// thread pool, never on the GUI thread.
class LaunchAtLoginController : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isEnabled READ isEnabled NOTIFY changed)
    Q_PROPERTY(bool hasError READ hasError NOTIFY changed)
    Q_PROPERTY(bool isUpdating READ isUpdating NOTIFY changed)

public:
    explicit LaunchAtLoginController(std::shared_ptr<LoginItemService> service, QObject *parent = nullptr);

    LoginItemService::Status status() const { return m_status; }
    bool isEnabled() const;
    bool hasError() const { return m_hasError; }
    bool isUpdating() const { return m_isUpdating; }

    Q_INVOKABLE void refresh();
    // Switches it, in the background; changed() tells the outcome
    // (hasError when it could not be done). Ignored while one is under way.
    Q_INVOKABLE void setEnabled(bool on);

signals:
    void changed();

private:
    std::shared_ptr<LoginItemService> m_service;
    LoginItemService::Status m_status;
    bool m_hasError = false;
    bool m_isUpdating = false;
};

} // namespace pacewise
