#pragma once

#include <QString>
#include <QStringList>

#include <expected>

namespace pacewise {

// Starting Pacewise when the user logs in.
class LoginItemService {
public:
    enum class Status { notRegistered, enabled, requiresApproval, notFound };

    virtual ~LoginItemService() = default;
    virtual Status status() const = 0;
    virtual std::expected<void, QString> registerItem() = 0;
    virtual std::expected<void, QString> unregisterItem() = 0;
};

// An XDG autostart entry, $XDG_CONFIG_HOME/autostart/<id>.desktop, which
// every freedesktop session starts at login. An entry the user edited is
// respected: switching off then only marks it Hidden instead of deleting
// it, and switching on keeps its contents.
class XdgAutostartService final : public LoginItemService {
public:
    XdgAutostartService(QString autostartDirectory, QString id, QString name, QString command);

    // $XDG_CONFIG_HOME/autostart, else ~/.config/autostart.
    static QString defaultDirectory();
    // The value of Exec= that runs these arguments, quoted and escaped as
    // desktop entries require.
    static QString execLine(const QStringList &arguments);

    QString entryPath() const;
    // The entry exactly as Pacewise writes it.
    QByteArray entry() const;

    Status status() const override;
    std::expected<void, QString> registerItem() override;
    std::expected<void, QString> unregisterItem() override;

private:
    QString m_directory;
    QString m_id;
    QString m_name;
    QString m_command;
};

} // namespace pacewise
