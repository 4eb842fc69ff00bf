#include "StateWriter.h"

#include "system/EpochSeconds.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace pacewise {

StateWriter::StateWriter(QString filePath)
    : m_filePath(std::move(filePath))
{
}

std::expected<QByteArray, StateWriteError> StateWriter::encode(const UsageSnapshot &snapshot)
{
    QJsonArray limits;
    std::optional<qint64> checkedAt;
    for (const UsageLimit &limit : snapshot.limits()) {
        if (!std::isfinite(limit.utilization()))
            return std::unexpected(StateWriteError{.kind = StateWriteError::Kind::nonFiniteValue});
        QJsonObject entry{
            {QLatin1String("kind"), rawValue(limit.kind())},
            {QLatin1String("used_percentage"), limit.utilization()},
            {QLatin1String("resets_at"), epochSecondsTruncated(limit.resetsAt())},
        };
        if (limit.model())
            entry.insert(QLatin1String("model"), *limit.model());
        if (limit.confirmedAt()) {
            const qint64 confirmed = epochSecondsTruncated(*limit.confirmedAt());
            entry.insert(QLatin1String("confirmed_at"), confirmed);
            checkedAt = std::max(checkedAt.value_or(confirmed), confirmed);
        }
        limits.append(entry);
    }

    // QJsonObject keeps its keys sorted, so the output is stable.
    QJsonObject document{{QLatin1String("limits"), limits}};
    if (snapshot.accountUUID() && !snapshot.accountUUID()->isEmpty())
        document.insert(QLatin1String("account_uuid"), *snapshot.accountUUID());
    if (checkedAt)
        document.insert(QLatin1String("checked_at"), *checkedAt);
    return QJsonDocument(document).toJson(QJsonDocument::Compact);
}

std::expected<void, StateWriteError> StateWriter::write(const UsageSnapshot &snapshot) const
{
    const auto bytes = encode(snapshot);
    if (!bytes)
        return std::unexpected(bytes.error());
    if (const auto written = writeFileAtomically(m_filePath, *bytes, filePermissions); !written) {
        return std::unexpected(
            StateWriteError{.kind = StateWriteError::Kind::fileSystem, .fileSystemError = written.error()});
    }
    return {};
}

} // namespace pacewise
