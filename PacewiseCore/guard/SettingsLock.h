#pragma once

#include <QString>

#include <chrono>
#include <expected>

namespace pacewise {

// The cross-process lock around edits of Claude Code's settings file: a file
// "." + NAME + ".pacewise.lock" beside it, created exclusively and holding
// the owner's process id and a line feed. Every Pacewise instance (the tray
// app, pacewisectl, older versions) takes the same lock the same way.
class SettingsLock {
public:
    struct Timing {
        int attempts = 500;
        std::chrono::milliseconds retryInterval{10};
        int reclaimEvery = 20; // attempts between looks for a stale lock
        std::chrono::seconds staleAge{120};
    };

    enum class Error { unavailable };

    static QString lockPath(const QString &settingsPath);

    // Waits up to attempts × retryInterval for the lock. A lock whose owner
    // has died, or that is older than staleAge, is taken over.
    static std::expected<SettingsLock, Error> acquire(const QString &settingsPath, const Timing &timing);

    SettingsLock(SettingsLock &&other) noexcept;
    SettingsLock &operator=(SettingsLock &&) = delete;
    SettingsLock(const SettingsLock &) = delete;
    ~SettingsLock();

private:
    SettingsLock(QString path, int fd);

    QString m_path;
    int m_fd = -1;
};

} // namespace pacewise
