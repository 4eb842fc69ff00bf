#pragma once

#include "UsageForecast.h"

#include <QList>
#include <QString>

namespace pacewise {

// A small file of recent 5-hour figures, so that a pace can be worked out
// by any Pacewise process, a one-shot `pacewisectl status` included. Only
// the latest samples are kept; a missing or damaged file is an empty history.
class UsageHistory {
public:
    static constexpr qsizetype maximumSamples = 120;
    static constexpr qint64 maximumFileSize = 64 * 1024;

    explicit UsageHistory(QString path) : m_path(std::move(path)) {}

    // $XDG_STATE_HOME/pacewise/usage-history.json, else
    // ~/.local/state/pacewise/usage-history.json.
    static QString defaultLocation();

    QList<UsageSample> samples() const;
    // Adds the sample (replacing one taken at the same second) and drops
    // the oldest beyond the limit; returns the samples kept. A failure to
    // write only loses history.
    QList<UsageSample> record(const UsageSample &sample) const;

    const QString &path() const { return m_path; }

private:
    QString m_path;
};

} // namespace pacewise
