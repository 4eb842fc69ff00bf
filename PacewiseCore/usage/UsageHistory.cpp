#include "UsageHistory.h"

#include "system/AtomicFileWriter.h"
#include "system/EpochSeconds.h"
#include "system/Logging.h"
#include "system/RegularFile.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace pacewise {

Q_LOGGING_CATEGORY(lcUsageHistory, "pacewise.UsageHistory", QtInfoMsg)

namespace {

// Seconds since the epoch within the range the other usage files accept.
std::optional<QDateTime> instant(const QJsonValue &value)
{
    const double seconds = value.toDouble(-1);
    if (!(seconds > 0 && seconds < 253402300800.0)) // before the year 10000
        return std::nullopt;
    return QDateTime::fromSecsSinceEpoch(qint64(seconds), Qt::UTC);
}

} // namespace

QString UsageHistory::defaultLocation()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::home().filePath(QStringLiteral(".local/state"));
    return QDir(state).filePath(QStringLiteral("pacewise/usage-history.json"));
}

QList<UsageSample> UsageHistory::samples() const
{
    const auto bytes = readRegularFileBytes(m_path, maximumFileSize);
    if (!bytes)
        return {};
    QList<UsageSample> samples;
    const QJsonArray entries = QJsonDocument::fromJson(*bytes).object().value(QStringLiteral("samples")).toArray();
    for (const QJsonValue &entry : entries) {
        const QJsonObject object = entry.toObject();
        const auto at = instant(object.value(QStringLiteral("at")));
        const auto resetsAt = instant(object.value(QStringLiteral("resets_at")));
        const double utilization = object.value(QStringLiteral("used_percentage")).toDouble(qQNaN());
        if (at && resetsAt && std::isfinite(utilization))
            samples.append(UsageSample{*at, utilization, *resetsAt});
    }
    std::ranges::stable_sort(samples, {}, &UsageSample::at);
    if (samples.size() > maximumSamples)
        samples.remove(0, samples.size() - maximumSamples);
    return samples;
}

QList<UsageSample> UsageHistory::record(const UsageSample &sample) const
{
    QList<UsageSample> samples = this->samples();
    const qint64 at = epochSecondsTruncated(sample.at);
    samples.removeIf([at](const UsageSample &old) { return epochSecondsTruncated(old.at) == at; });
    const auto later = std::ranges::upper_bound(samples, sample.at, {}, &UsageSample::at);
    samples.insert(later - samples.begin(), sample);
    if (samples.size() > maximumSamples)
        samples.remove(0, samples.size() - maximumSamples);

    QJsonArray entries;
    for (const UsageSample &kept : samples) {
        entries.append(QJsonObject{
            {QStringLiteral("at"), epochSecondsTruncated(kept.at)},
            {QStringLiteral("used_percentage"), kept.utilization},
            {QStringLiteral("resets_at"), epochSecondsTruncated(kept.resetsAt)},
        });
    }
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    const QByteArray bytes = QJsonDocument(QJsonObject{{QStringLiteral("samples"), entries}}).toJson(QJsonDocument::Compact);
    if (const auto written = writeFileAtomically(m_path, bytes, 0600); !written)
        qCDebug(lcUsageHistory, "usage history not written: %s", qUtf8Printable(privateText(m_path)));
    return samples;
}

} // namespace pacewise
