#pragma once

#include "claude/CLIFileSystem.h"

#include <QHash>

namespace pacewise::test {

// An in-memory file system.
class FakeCLIFileSystem final : public CLIFileSystem {
public:
    QHash<QString, QStringList> directories;
    QHash<QString, QDateTime> modified;
    QStringList executables;

    std::optional<QStringList> contentsOfDirectory(const QString &directory) const override
    {
        return directories.contains(directory) ? std::optional(directories.value(directory)) : std::nullopt;
    }
    std::optional<QDateTime> modificationDate(const QString &path) const override
    {
        return modified.contains(path) ? std::optional(modified.value(path)) : std::nullopt;
    }
    bool isExecutableFile(const QString &path) const override
    {
        return executables.contains(path);
    }
};

} // namespace pacewise::test
