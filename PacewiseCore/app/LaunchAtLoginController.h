#pragma once

#include "system/LoginItemService.h"

#include <QObject>

#include <memory>

namespace pacewise {

// Launch at login, mirroring what the login-item service says; nothing of
// its own is stored.
class LaunchAtLoginController : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isEnabled READ isEnabled NOTIFY changed)
    Q_PROPERTY(bool hasError READ hasError NOTIFY changed)

public:
    explicit LaunchAtLoginController(std::shared_ptr<LoginItemService> service, QObject *parent = nullptr);

    LoginItemService::Status status() const { return m_status; }
    bool isEnabled() const;
    bool hasError() const { return m_hasError; }

    Q_INVOKABLE void refresh();
    // True on success or when nothing had to change.
    Q_INVOKABLE bool setEnabled(bool on);

signals:
    void changed();

private:
    std::shared_ptr<LoginItemService> m_service;
    LoginItemService::Status m_status;
    bool m_hasError = false;
};

} // namespace pacewise
