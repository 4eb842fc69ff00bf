#include "StateWriter.h"

#include "EngineStateReader.h"
#include "system/AtomicFileWriter.h"
#include "system/EpochSeconds.h"
#include "system/ErrorText.h"
#include "system/FileLock.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <cerrno>
#include <cmath>

namespace pacewise {

namespace {

const QLatin1String limitsKey("limits");
const QLatin1String kindKey("kind");
const QLatin1String modelKey("model");
const QLatin1String usedKey("used_percentage");
const QLatin1String resetsKey("resets_at");
const QLatin1String approximateKey("resets_at_approximate");
const QLatin1String confirmedKey("confirmed_at");
const QLatin1String accountKey("account_uuid");
const QLatin1String checkedKey("checked_at");
const QLatin1String overageKey("overage");
const QLatin1String statusLineKey("status_line_confirmed_at");

bool isUsableEntry(const QJsonValue &value)
{
    const QJsonObject entry = value.toObject();
    return value.isObject() && usageLimitKindFromRaw(entry.value(kindKey).toString()) && entry.value(resetsKey).isDouble() &&
           entry.value(usedKey).isDouble() && std::isfinite(entry.value(usedKey).toDouble()) &&
           instantFromEpochSeconds(entry.value(resetsKey).toDouble()).has_value();
}

bool sameLimit(const QJsonObject &a, const QJsonObject &b)
{
    return a.value(kindKey) == b.value(kindKey) && a.value(modelKey) == b.value(modelKey);
}

// Confirmation times may be missing from entries older engines wrote.
double confirmation(const QJsonObject &entry)
{
    return entry.value(confirmedKey).toDouble(0);
}

double resetOf(const QJsonObject &entry)
{
    return entry.value(resetsKey).toDouble();
}

bool isApproximate(const QJsonObject &entry)
{
    return entry.value(approximateKey).toBool();
}

bool sameWindow(const QJsonObject &a, const QJsonObject &b)
{
    return std::abs(resetOf(a) - resetOf(b)) < double(sameWindowResetToleranceSeconds);
}

// One window as two sources saw it: the highest figure, the latest
// confirmation, and the reset to the second where one source knew it (else
// the later one, so that nothing counts the window as over too early).
QJsonObject combined(const QJsonObject &held, const QJsonObject &fresh)
{
    QJsonObject entry = fresh;
    entry.insert(usedKey, std::max(held.value(usedKey).toDouble(), fresh.value(usedKey).toDouble()));
    entry.insert(confirmedKey, std::max(confirmation(held), confirmation(fresh)));
    if (isApproximate(held) != isApproximate(fresh)) {
        entry.insert(resetsKey, resetOf(isApproximate(held) ? fresh : held));
        entry.remove(approximateKey);
    } else {
        entry.insert(resetsKey, std::max(resetOf(held), resetOf(fresh)));
    }
    return entry;
}

QJsonArray encodedLimits(const UsageSnapshot &snapshot, const QDateTime &now)
{
    QJsonArray limits;
    for (const UsageLimit &limit : snapshot.limits()) {
        // NaN has no JSON form; one such figure costs only its own entry.
        if (!std::isfinite(limit.utilization()))
            continue;
        const QDateTime confirmedAt = limit.confirmedAt().value_or(now);
        QJsonObject entry{
            {kindKey, rawValue(limit.kind())},
            {usedKey, limit.window().hasStarted() ? limit.utilization() : 0.0},
            {resetsKey, epochSecondsTruncated(limit.window().hasStarted() ? limit.resetsAt() : confirmedAt)},
            {confirmedKey, epochSecondsTruncated(confirmedAt)},
        };
        if (limit.model())
            entry.insert(modelKey, *limit.model());
        if (limit.window().hasStarted() && limit.window().resetIsApproximate)
            entry.insert(approximateKey, true);
        limits.append(entry);
    }
    return limits;
}

} // namespace

QString StateWriteError::reason() const
{
    return errorNumber == EWOULDBLOCK ? QStringLiteral("another writer kept the file locked") : systemErrorText(errorNumber);
}

StateWriter::StateWriter(QString filePath, std::chrono::milliseconds lockTimeout)
    : m_filePath(std::move(filePath))
    , m_lockTimeout(lockTimeout)
{
}

QString StateWriter::lockPath(const QString &statePath)
{
    const QFileInfo info(statePath);
    return info.dir().filePath(QLatin1Char('.') + info.fileName() + QLatin1String(".lock"));
}

QJsonObject StateWriter::merge(const QJsonObject &existing, const UsageSnapshot &snapshot, const QDateTime &now)
{
    const QString previousAccount = existing.value(accountKey).toString();
    const std::optional<QString> &account = snapshot.accountUUID();
    const bool sameAccount = previousAccount.isEmpty() || !account || account->isEmpty() || *account == previousAccount;

    // Keys of other writers (and of later versions) stay; figures of
    // another account do not.
    QJsonObject merged = sameAccount ? existing : QJsonObject();
    QJsonArray limits;
    for (const QJsonValue &entry : merged.value(limitsKey).toArray()) {
        if (isUsableEntry(entry))
            limits.append(entry);
    }
    for (const QJsonValue &value : encodedLimits(snapshot, now)) {
        const QJsonObject fresh = value.toObject();
        const auto known = std::find_if(limits.begin(), limits.end(),
                                        [&](const QJsonValue &entry) { return sameLimit(entry.toObject(), fresh); });
        if (known == limits.end()) {
            limits.append(fresh);
            continue;
        }
        const QJsonObject held = known->toObject();
        if (sameWindow(held, fresh))
            *known = combined(held, fresh);
        else if (resetOf(fresh) > resetOf(held))
            *known = fresh;
    }

    double checkedAt = 0;
    for (const QJsonValue &entry : limits)
        checkedAt = std::max(checkedAt, confirmation(entry.toObject()));
    merged.insert(limitsKey, limits);
    if (checkedAt > 0)
        merged.insert(checkedKey, checkedAt);
    if (account && !account->isEmpty())
        merged.insert(accountKey, *account);
    if (snapshot.usingOverage())
        merged.insert(overageKey, true);
    else
        merged.remove(overageKey);
    return merged;
}

std::expected<UsageSnapshot, StateWriteError> StateWriter::write(const UsageSnapshot &snapshot, const QDateTime &now) const
{
    // A lock file that cannot be had at all (a folder of someone else's)
    // leaves the merge unguarded, as in the engine scripts.
    const auto lock = FileLock::lock(lockPath(m_filePath), m_lockTimeout);
    if (!lock && lock.error() == EWOULDBLOCK)
        return std::unexpected(StateWriteError{EWOULDBLOCK});

    QJsonObject existing;
    if (const auto contents = readRegularFile(m_filePath, EngineStateReader::maximumFileSize, SymlinkPolicy::refuse))
        existing = QJsonDocument::fromJson(contents->bytes).object();
    const QJsonObject merged = merge(existing, snapshot, now);
    const QByteArray bytes = QJsonDocument(merged).toJson(QJsonDocument::Compact);
    if (const auto written = writeFileAtomically(m_filePath, bytes, filePermissions, std::nullopt, SymlinkPolicy::refuse);
        !written) {
        return std::unexpected(StateWriteError{written.error().errorNumber});
    }
    // The figures to show: each limit the source gave, as merged. A limit
    // the file cannot hold (a figure that is not a number) stays as given.
    const auto state = EngineStateReader::decode(merged, now, now);
    if (!state)
        return snapshot;
    QList<UsageLimit> shown;
    for (const UsageLimit &limit : snapshot.limits()) {
        const auto recorded = std::find_if(state->snapshot.limits().cbegin(), state->snapshot.limits().cend(),
                                           [&](const UsageLimit &entry) {
                                               return entry.kind() == limit.kind() && entry.model() == limit.model();
                                           });
        shown.append(recorded != state->snapshot.limits().cend() && std::isfinite(limit.utilization()) ? *recorded : limit);
    }
    return UsageSnapshot(std::move(shown), state->snapshot.accountUUID(), snapshot.usingOverage());
}

} // namespace pacewise
