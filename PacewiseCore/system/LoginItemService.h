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
    // earlierCommands: what older versions of ours ran, so that their
    // entries are still known as ours (not as the user's own).
    XdgAutostartService(QString autostartDirectory, QString id, QString name, QString command, QStringList earlierCommands = {});

    // $XDG_CONFIG_HOME/autostart, else ~/.config/autostart.
    static QString defaultDirectory();
    // The value of Exec= that runs these arguments, quoted and escaped as
    // desktop entries require.
    static QString execLine(const QStringList &arguments);

    QString entryPath() const;
    // The entry exactly as Pacewise writes it.
    QByteArray entry() const;
    // Written by us, this version or an earlier one.
    bool isOurs(const QByteArray &existing) const;

    Status status() const override;
    std::expected<void, QString> registerItem() override;
    std::expected<void, QString> unregisterItem() override;

private:
    QString m_directory;
    QString m_id;
    QString m_name;
    QString m_command;
    QStringList m_earlierCommands;
};

} // namespace pacewise
