#include "CLIFileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace pacewise {

std::optional<QStringList> DefaultCLIFileSystem::contentsOfDirectory(const QString &directory) const
{
    const QDir dir(directory);
    if (!dir.exists() || !dir.isReadable())
        return std::nullopt;
    QStringList entries;
    for (const QFileInfo &entry : dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::NoSort))
        entries.append(entry.absoluteFilePath());
    return entries;
}

std::optional<QDateTime> DefaultCLIFileSystem::modificationDate(const QString &path) const
{
    const QFileInfo info(path);
    const QDateTime modified = info.lastModified().toUTC();
    return info.exists() && modified.isValid() ? std::optional(modified) : std::nullopt;
}

bool DefaultCLIFileSystem::isExecutableFile(const QString &path) const
{
    const QByteArray encoded = QFile::encodeName(path);
    struct stat status {};
    return ::stat(encoded.constData(), &status) == 0 && S_ISREG(status.st_mode) &&
           ::access(encoded.constData(), X_OK) == 0;
}

} // namespace pacewise
