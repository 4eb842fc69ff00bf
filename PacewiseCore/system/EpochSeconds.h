#pragma once

#include <QDateTime>

#include <optional>

namespace pacewise {

// Whole seconds since 1970-01-01T00:00:00Z, rounded toward negative infinity.
qint64 epochSecondsTruncated(const QDateTime &instant);

// Beyond this many seconds from the epoch (about 3,000 years) a time read
// from a file is garbage, and converting it blindly would overflow.
inline constexpr double maximumEpochSecondsMagnitude = 1e11;

// The instant for seconds since the epoch as found in JSON files (fraction
// allowed, millisecond precision kept); nothing for NaN, infinities and
// absurd magnitudes.
std::optional<QDateTime> instantFromEpochSeconds(double seconds);

} // namespace pacewise
