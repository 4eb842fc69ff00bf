#include "EpochSeconds.h"

#include <cmath>

namespace pacewise {

qint64 epochSecondsTruncated(const QDateTime &instant)
{
    const qint64 milliseconds = instant.toMSecsSinceEpoch();
    const qint64 remainder = ((milliseconds % 1000) + 1000) % 1000;
    return (milliseconds - remainder) / 1000;
}

std::optional<QDateTime> instantFromEpochSeconds(double seconds)
{
    if (!std::isfinite(seconds) || std::fabs(seconds) > maximumEpochSecondsMagnitude)
        return std::nullopt;
    const auto milliseconds = static_cast<qint64>(std::llround(seconds * 1000.0));
    return QDateTime::fromMSecsSinceEpoch(milliseconds, Qt::UTC);
}

} // namespace pacewise
