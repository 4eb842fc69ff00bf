#pragma once

#include "CLIFileSystem.h"

#include <QDateTime>
#include <QMutex>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace pacewise {

class CLIPathResolving {
public:
    virtual ~CLIPathResolving() = default;
    virtual std::optional<QString> resolve() = 0;
    // Forget the remembered hit or miss; callers do this after a run of the
    // resolved program failed to launch.
    virtual void invalidate() = 0;
};

// Finds the `claude` executable: along PATH, then in the places Claude Code's
// installers put it for one user (a desktop session's PATH is often shorter
// than the user's shell's), then in the newest copy kept by the Claude
// desktop application. A hit is kept until invalidated; a miss is remembered
// for a few seconds so a burst of callers does not rescan the disk.
class CLIPathResolver final : public CLIPathResolving {
public:
    struct Environment {
        std::function<std::optional<QString>()> searchPath; // PATH, read at every search
        QString homeDirectory;
        QString desktopBundleRoot; // see defaultDesktopBundleRoot()
        std::function<QDateTime()> now;
    };

    static constexpr double missRetryIntervalSeconds = 5.0;

    // The real file system, PATH and home of this process.
    CLIPathResolver();
    CLIPathResolver(std::shared_ptr<const CLIFileSystem> fileSystem, Environment environment);

    std::optional<QString> resolve() override;
    void invalidate() override;

    // $XDG_CONFIG_HOME/Claude/claude-code (default ~/.config/...): one folder
    // per version, each holding a `claude`.
    static QString defaultDesktopBundleRoot(const QString &homeDirectory);

private:
    std::optional<QString> findInSearchPath() const;
    std::optional<QString> findInUserInstallPlaces() const;
    std::optional<QString> findNewestIn(const QString &root, const QString &relativeExecutable) const;

    std::shared_ptr<const CLIFileSystem> m_fileSystem;
    Environment m_environment;
    QMutex m_mutex;
    std::optional<QString> m_cached;
    std::optional<QDateTime> m_lastMissAt;
};

} // namespace pacewise
