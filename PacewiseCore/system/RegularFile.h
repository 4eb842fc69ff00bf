#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <expected>
#include <optional>
#include <sys/types.h>

namespace pacewise {

// What tells one version of a file from another without reading it: a file
// replaced by rename gets a new inode, one rewritten in place a new change time.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    qint64 size = 0;
    qint64 modifiedNanoseconds = 0;
    qint64 changedNanoseconds = 0;
    uid_t owner = 0;
    mode_t permissions = 0;

    // Owned by this user and writable by nobody else: a file another local
    // user could have written is not trusted with what runs as ours.
    bool isPrivate() const;

    QDateTime modifiedAt() const;
    bool operator==(const FileIdentity &) const = default;
};

struct FileReadError {
    enum class Kind {
        missing,        // nothing at the path, or a dangling link
        notRegularFile, // a directory, FIFO, device, socket, or a refused link
        tooLarge,
        readFailed,     // any other error of the operating system
    };
    Kind kind;
    int errorNumber = 0;

    bool operator==(const FileReadError &) const = default;
};

struct RegularFileContents {
    QByteArray bytes;
    FileIdentity identity;
};

enum class SymlinkPolicy { follow, refuse };

// Reads a whole regular file of at most maxBytes. The file is opened without
// blocking, so a FIFO or device planted at the path cannot freeze the caller,
// and it is never read past maxBytes + 1 however large it claims or grows to be.
std::expected<RegularFileContents, FileReadError>
readRegularFile(const QString &path, qint64 maxBytes, SymlinkPolicy symlinks = SymlinkPolicy::follow);

// The same for a name in the open directory (or AT_FDCWD), for callers that
// read a whole folder and would otherwise walk its path once per file.
std::expected<RegularFileContents, FileReadError>
readRegularFileAt(int directory, const char *name, qint64 maxBytes, SymlinkPolicy symlinks);

// The same for a file already open, read from its start whatever its offset:
// for a caller that has to read the very file again, even once replaced.
std::expected<RegularFileContents, FileReadError> readOpenFile(int fd, qint64 maxBytes);

// Just the bytes, for callers to whom every failure means "not there".
std::optional<QByteArray> readRegularFileBytes(const QString &path, qint64 maxBytes);

// The identity of the regular file at path (links followed), without opening it.
std::expected<FileIdentity, FileReadError> regularFileIdentity(const QString &path);

} // namespace pacewise
