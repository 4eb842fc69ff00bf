#pragma once

#include "AccountIdentity.h"
#include "UsageSnapshot.h"

#include <QDateTime>
#include <QJsonObject>

#include <expected>

namespace pacewise {

// Why the engine state file gave no snapshot. The poll loop only needs "no
// snapshot"; the command line tells the user which of these it was.
struct EngineStateError {
    enum class Kind {
        missing,
        notRegularFile,
        tooLarge,
        unreadable,
        modifiedInFuture,
        stale,
        malformed,
        otherAccount,
        noLimits,
    };
    Kind kind;
    int errorNumber = 0;   // with unreadable
    qint64 ageSeconds = 0; // with stale and modifiedInFuture (negative then)

    bool operator==(const EngineStateError &) const = default;
};

// What the engine state file holds.
struct EngineState {
    UsageSnapshot snapshot;
    // When Claude Code's status line last passed on figures that a reply of
    // the API had just brought (an idle session re-sending old ones does not
    // count); nothing when it never did.
    std::optional<QDateTime> statusLineConfirmedAt;

    // The status line confirmed the figures within the poll interval they
    // call for: as good as asking claude, while Claude Code runs.
    bool isFreshFromStatusLine(const QDateTime &now) const;

    bool operator==(const EngineState &) const = default;
};

// Reads the small JSON file in which Claude Code's status line (through our
// engine script) and our own state writer record the current limits.
class EngineStateReader {
public:
    static constexpr qint64 maximumAgeSeconds = 1800;
    static constexpr qint64 modelMaximumAgeSeconds = 3600;
    // A file written while a `claude` run was being awaited, on a file system
    // whose clock runs a little ahead, is not from the future.
    static constexpr qint64 futureToleranceSeconds = 60;
    // The real file is a few hundred bytes; anything this large is not it.
    static constexpr qint64 maximumFileSize = 1024 * 1024;

    EngineStateReader(QString filePath, AccountIdentity accountIdentity);

    const QString &filePath() const { return m_filePath; }
    const AccountIdentity &accountIdentity() const { return m_accountIdentity; }

    // The snapshot, or nothing when the file is missing, too old, unreadable,
    // belongs to another account or holds no usable limit.
    std::optional<UsageSnapshot> read(const QDateTime &now) const;

    // The same, saying why there is nothing.
    std::expected<EngineState, EngineStateError> readExplained(const QDateTime &now) const;

    // The file's contents, whoever wrote them: an entry that cannot be read
    // is skipped, never the file; a top level of the wrong shape is
    // malformed. modifiedAt stands in for entries that say nothing of their
    // confirmation.
    static std::expected<EngineState, EngineStateError::Kind> decode(const QJsonObject &root, const QDateTime &modifiedAt,
                                                                     const QDateTime &now);

private:
    QString m_filePath;
    AccountIdentity m_accountIdentity;
};

} // namespace pacewise
