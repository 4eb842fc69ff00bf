#pragma once

#include "RegularFile.h"

#include <QByteArrayView>
#include <QString>

#include <expected>
#include <functional>
#include <optional>
#include <sys/types.h>

namespace pacewise {

struct AtomicWriteError {
    enum class Kind {
        createDirectoryFailed,
        createTemporaryFailed,
        writeFailed,
        syncFailed,
        renameFailed,
        superseded, // the caller's last look found the target changed
    };
    Kind kind;
    int errorNumber = 0;

    bool operator==(const AtomicWriteError &) const = default;
};

// Replaces the file at path with bytes so that readers see either the old or
// the new contents, never a mixture, and a crash or power cut leaves one of
// them on disk. The bytes go to "." + name + ".tmp-" + UUID beside the target,
// get exactly the given permission bits, are flushed to disk, renamed over the
// target, and the directory is flushed so the rename itself is durable.
//
// With SymlinkPolicy::follow, when path is a symbolic link the file it points
// to is replaced and the link kept, so settings kept in a dotfiles repository
// stay linked. With SymlinkPolicy::refuse the link itself is replaced: a file
// of Pacewise's own must never be written through a link someone planted.
// Missing parent directories are created, private to this user. On every
// failure the temporary file is removed and the target is left as it was.
// The owner and group to give the new file, as the file it replaces had.
struct FileOwner {
    uid_t user;
    gid_t group;
};

// stillWanted, when given, is asked right before the rename, the last moment
// at which a writer that changed the target meanwhile can still be respected.
std::expected<void, AtomicWriteError>
writeFileAtomically(const QString &path, QByteArrayView bytes, mode_t permissions,
                    std::optional<FileOwner> owner = std::nullopt, SymlinkPolicy symlinks = SymlinkPolicy::follow,
                    const std::function<bool()> &stillWanted = {});

// The temporary name used for path; exposed so tests can look for leftovers.
QString atomicTemporaryPrefix(const QString &path);

} // namespace pacewise
