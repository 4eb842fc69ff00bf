#pragma once

#include "FileDescriptor.h"

#include <QString>

#include <chrono>
#include <expected>
#include <optional>

namespace pacewise {

// An advisory lock (flock) on a file, held for as long as this object lives.
// The kernel drops it when the process dies, so a crash never leaves a stale
// lock behind. The file's contents are only a hint for messages: the holder
// may record its process id there.
class FileLock {
public:
    // Fails with EWOULDBLOCK while another open file description holds the
    // lock, or with the errno of creating or opening the file.
    static std::expected<FileLock, int> tryLock(const QString &path);
    // Waits up to timeout for the lock; EWOULDBLOCK when it stayed taken.
    static std::expected<FileLock, int> lock(const QString &path, std::chrono::milliseconds timeout);

    // A file for this user's locks: $XDG_RUNTIME_DIR/<name>, else
    // ~/.cache/pacewise/<name>.
    static QString runtimeLocation(const QString &name);

    // Writes this process's id into the file, for recordedOwner().
    void recordOwner() const;
    // The process id the holder recorded, when it is a number.
    static std::optional<qint64> recordedOwner(const QString &path);

private:
    explicit FileLock(FileDescriptor descriptor) : m_descriptor(std::move(descriptor)) {}
    FileDescriptor m_descriptor;
};

} // namespace pacewise
