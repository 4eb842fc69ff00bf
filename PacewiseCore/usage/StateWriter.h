#pragma once

#include "UsageSnapshot.h"
#include "system/AtomicFileWriter.h"

#include <QByteArray>

#include <expected>

namespace pacewise {

struct StateWriteError {
    enum class Kind {
        // A NaN or infinite utilisation has no JSON form; writing null would
        // make the whole file unreadable for every reader.
        nonFiniteValue,
        fileSystem,
    };
    Kind kind;
    std::optional<AtomicWriteError> fileSystemError = std::nullopt; // with fileSystem

    bool operator==(const StateWriteError &) const = default;
};

// Writes a snapshot back to the engine state file, in the format its reader
// and the engine scripts share.
class StateWriter {
public:
    static constexpr mode_t filePermissions = 0644;

    explicit StateWriter(QString filePath);

    const QString &filePath() const { return m_filePath; }

    // Compact JSON with sorted keys; times as whole epoch seconds.
    static std::expected<QByteArray, StateWriteError> encode(const UsageSnapshot &snapshot);

    // Replaces the file atomically, creating missing parent directories. A
    // failed write leaves the previous file as it was.
    std::expected<void, StateWriteError> write(const UsageSnapshot &snapshot) const;

private:
    QString m_filePath;
};

} // namespace pacewise
