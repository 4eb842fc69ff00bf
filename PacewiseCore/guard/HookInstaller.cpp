#include "HookInstaller.h"

#include "system/AtomicFileWriter.h"
#include "system/RegularFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace pacewise {

namespace {

// Far more than any engine script; a larger file is not one of ours.
constexpr qint64 maximumScriptSize = 1024 * 1024;


InstallerError installerError(const QString &name, const AtomicWriteError &error)
{
    const auto kind = error.kind == AtomicWriteError::Kind::renameFailed ? InstallerError::Kind::renameFailed
                                                                         : InstallerError::Kind::writeFailed;
    return InstallerError{.kind = kind, .name = name, .errorNumber = error.errorNumber};
}

struct Manifest {
    QString version;
    QJsonObject sha256;
};

std::optional<Manifest> readManifest(const QString &path)
{
    const auto bytes = readRegularFileBytes(path, maximumScriptSize);
    if (!bytes)
        return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(*bytes);
    const QJsonValue version = document.object().value(QLatin1String("version"));
    const QJsonValue sha256 = document.object().value(QLatin1String("sha256"));
    if (!version.isString() || !sha256.isObject())
        return std::nullopt;
    return Manifest{version.toString(), sha256.toObject()};
}

} // namespace

const QStringList HookInstaller::scriptNames{QStringLiteral("rate-limit-guard.sh"),
                                             QStringLiteral("rate-limit-refresh.sh"),
                                             QStringLiteral("rate-limit-statusline.sh")};
const QString HookInstaller::manifestName = QStringLiteral(".pacewise-version");

HookInstaller::HookInstaller(QString sourceDirectory, QString hooksDirectory, QString version)
    : m_sourceDirectory(std::move(sourceDirectory))
    , m_hooksDirectory(std::move(hooksDirectory))
    , m_version(std::move(version))
{
}

QString HookInstaller::installedPath(const QString &scriptName) const
{
    return QDir(m_hooksDirectory).filePath(scriptName);
}

QString HookInstaller::sha256Hex(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

std::optional<QByteArray> HookInstaller::shippedScript(const QString &name) const
{
    // QFile, not the POSIX reader: the shipped copies live in Qt resources.
    QFile file(QDir(m_sourceDirectory).filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

std::expected<void, InstallerError> HookInstaller::install() const
{
    QJsonObject hashes;
    for (const QString &name : scriptNames) {
        const auto bytes = shippedScript(name);
        if (!bytes)
            return std::unexpected(InstallerError{.kind = InstallerError::Kind::sourceScriptMissing, .name = name});
        if (const auto written = writeFileAtomically(installedPath(name), *bytes, 0755); !written)
            return std::unexpected(installerError(name, written.error()));
        hashes.insert(name, sha256Hex(*bytes));
    }
    const QJsonObject manifest{{QLatin1String("sha256"), hashes}, {QLatin1String("version"), m_version}};
    const QByteArray bytes = QJsonDocument(manifest).toJson(QJsonDocument::Indented);
    if (const auto written = writeFileAtomically(installedPath(manifestName), bytes, 0644); !written)
        return std::unexpected(installerError(manifestName, written.error()));
    return {};
}

HookInstaller::Status HookInstaller::installedStatus() const
{
    QStringList installed;
    for (const QString &name : scriptNames) {
        if (const auto bytes = readRegularFileBytes(installedPath(name), maximumScriptSize))
            installed.append(sha256Hex(*bytes));
    }
    if (installed.size() < scriptNames.size())
        return Status::notInstalled;

    const auto shippedHash = [this](const QString &name) -> std::optional<QString> {
        const auto bytes = shippedScript(name);
        return bytes ? std::optional(sha256Hex(*bytes)) : std::nullopt;
    };
    const auto manifest = readManifest(installedPath(manifestName));
    if (!manifest) {
        // Without a manifest only copies identical to ours can be trusted;
        // a reinstall then merely writes the missing manifest.
        for (qsizetype index = 0; index < scriptNames.size(); ++index) {
            if (shippedHash(scriptNames[index]) != installed[index])
                return Status::modifiedByUser;
        }
        return Status::outdated;
    }

    bool outdated = false;
    for (qsizetype index = 0; index < scriptNames.size(); ++index) {
        const QString &name = scriptNames[index];
        const QString &installedHash = installed[index];
        const QJsonValue recorded = manifest->sha256.value(name);
        const auto shipped = shippedHash(name);
        if (recorded.isString() && recorded.toString() == installedHash) {
            // Installed by us, maybe by an older version.
            if (shipped != installedHash)
                outdated = true;
        } else if (shipped != installedHash) {
            return Status::modifiedByUser;
        }
    }
    if (outdated || manifest->version != m_version)
        return Status::outdated;
    return Status::upToDate;
}

QString statusName(HookInstaller::Status status)
{
    switch (status) {
    case HookInstaller::Status::notInstalled:
        return QStringLiteral("not installed");
    case HookInstaller::Status::upToDate:
        return QStringLiteral("up to date");
    case HookInstaller::Status::outdated:
        return QStringLiteral("outdated");
    case HookInstaller::Status::modifiedByUser:
        return QStringLiteral("modified by the user");
    }
    Q_UNREACHABLE();
    return {};
}

} // namespace pacewise
