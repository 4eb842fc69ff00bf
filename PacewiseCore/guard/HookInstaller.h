#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <expected>

namespace pacewise {

struct InstallerError {
    enum class Kind {
        sourceScriptMissing, // a shipped script cannot be read
        writeFailed,         // the hooks directory or a temporary file could not be written
        renameFailed,
    };
    Kind kind;
    QString name;
    int errorNumber = 0;

    bool operator==(const InstallerError &) const = default;
};

// Copies the engine scripts shipped with Pacewise into Claude Code's hooks
// directory, records their SHA-256 digests in a manifest, and tells later
// whether the installed copies are missing, current, outdated (an older
// Pacewise installed them) or edited by the user.
class HookInstaller {
    Q_GADGET

public:
    enum class Status { notInstalled, upToDate, outdated, modifiedByUser };
    Q_ENUM(Status)

    static const QStringList scriptNames;
    static const QString manifestName;

    // sourceDirectory may be a resource path such as ":/EngineScripts".
    HookInstaller(QString sourceDirectory, QString hooksDirectory, QString version);

    const QString &hooksDirectory() const { return m_hooksDirectory; }
    QString installedPath(const QString &scriptName) const;

    // Scripts get mode 0755, the manifest 0644. A failure stops at that
    // script; the manifest is then not rewritten.
    std::expected<void, InstallerError> install() const;
    Status installedStatus() const;

    static QString sha256Hex(const QByteArray &bytes);

private:
    std::optional<QByteArray> shippedScript(const QString &name) const;

    QString m_sourceDirectory;
    QString m_hooksDirectory;
    QString m_version;
};

QString statusName(HookInstaller::Status status);

} // namespace pacewise
