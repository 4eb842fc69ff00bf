#include "UsageForecast.h"

#include <algorithm>
#include <cmath>
#include <ranges>

namespace pacewise {

std::optional<UsageSample> UsageSample::fromSnapshot(const UsageSnapshot &snapshot, const QDateTime &at)
{
    for (const UsageLimit &limit : snapshot.limits()) {
        if (limit.kind() != UsageLimitKind::fiveHour)
            continue;
        if (!std::isfinite(limit.utilization()) || !limit.resetsAt().isValid())
            return std::nullopt;
        return UsageSample{limit.confirmedAt().value_or(at).toUTC(), limit.utilization(), limit.resetsAt().toUTC()};
    }
    return std::nullopt;
}

std::optional<UsageForecast> UsageForecast::from(const QList<UsageSample> &samples, const QDateTime &now)
{
    if (samples.isEmpty())
        return std::nullopt;
    const auto latest = std::ranges::max_element(samples, {}, &UsageSample::at);
    const QDateTime resetsAt = latest->resetsAt;
    if (latest->utilization >= 100 || resetsAt <= now)
        return std::nullopt;

    // Seconds relative to the latest sample keep the sums small and exact.
    QList<std::pair<double, double>> points;
    for (const UsageSample &sample : samples) {
        const qint64 age = sample.at.secsTo(latest->at);
        if (age < 0 || age > paceWindowSeconds || !std::isfinite(sample.utilization) ||
            !isSameWindowReset(sample.resetsAt, resetsAt))
            continue;
        points.append({-double(age), sample.utilization});
    }
    if (points.size() < 2)
        return std::nullopt;
    const auto [earliest, last] = std::ranges::minmax(points | std::views::keys);
    if (last - earliest < double(minimumSpanSeconds))
        return std::nullopt;

    double meanX = 0, meanY = 0;
    for (const auto &[x, y] : points) {
        meanX += x;
        meanY += y;
    }
    meanX /= double(points.size());
    meanY /= double(points.size());
    double covariance = 0, variance = 0;
    for (const auto &[x, y] : points) {
        covariance += (x - meanX) * (y - meanY);
        variance += (x - meanX) * (x - meanX);
    }
    const double perSecond = covariance / variance;
    if (!(perSecond > 0))
        return std::nullopt;

    // From the latest figure, which is what the user sees now.
    const double secondsLeft = (100.0 - latest->utilization) / perSecond;
    if (!std::isfinite(secondsLeft) || secondsLeft > double(latest->at.secsTo(resetsAt)))
        return std::nullopt;
    return UsageForecast{latest->at.addSecs(qint64(std::ceil(secondsLeft))), resetsAt, perSecond * 3600};
}

} // namespace pacewise
