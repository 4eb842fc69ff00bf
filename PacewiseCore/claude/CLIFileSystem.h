#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace pacewise {

// The three questions the search for `claude` asks of the file system.
class CLIFileSystem {
public:
    virtual ~CLIFileSystem() = default;
    // Absolute paths of the visible entries, or nothing when it cannot be listed.
    virtual std::optional<QStringList> contentsOfDirectory(const QString &directory) const = 0;
    virtual std::optional<QDateTime> modificationDate(const QString &path) const = 0;
    // A regular file (links followed) that this user may execute.
    virtual bool isExecutableFile(const QString &path) const = 0;
};

class DefaultCLIFileSystem final : public CLIFileSystem {
public:
    std::optional<QStringList> contentsOfDirectory(const QString &directory) const override;
    std::optional<QDateTime> modificationDate(const QString &path) const override;
    bool isExecutableFile(const QString &path) const override;
};

} // namespace pacewise
