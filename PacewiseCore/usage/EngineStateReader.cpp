#include "EngineStateReader.h"

#include "UsagePollPolicy.h"
#include "system/EpochSeconds.h"
#include "system/RegularFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace pacewise {

namespace {

using Kind = EngineStateError::Kind;

// null counts as absent.
std::optional<QJsonValue> optionalValue(const QJsonObject &object, QLatin1String key)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return std::nullopt;
    return value;
}

std::optional<double> finiteNumber(const QJsonValue &value)
{
    if (!value.isDouble() || !std::isfinite(value.toDouble()))
        return std::nullopt;
    return value.toDouble();
}

std::optional<QDateTime> instant(const QJsonValue &value)
{
    return value.isDouble() ? instantFromEpochSeconds(value.toDouble()) : std::nullopt;
}

std::optional<UsageWindow> window(const QJsonObject &entry)
{
    const auto utilization = finiteNumber(entry.value(QLatin1String("used_percentage")));
    const auto resetsAt = instant(entry.value(QLatin1String("resets_at")));
    if (!utilization || !resetsAt)
        return std::nullopt;
    return UsageWindow{.utilization = *utilization,
                       .resetsAt = *resetsAt,
                       .resetIsApproximate = entry.value(QLatin1String("resets_at_approximate")).toBool()};
}

// One entry of "limits"; nothing when any of its values is unusable, so that
// one bad entry (NaN written as null by an old jq) costs only itself.
std::optional<UsageLimit> limitEntry(const QJsonValue &value, const QDateTime &modifiedAt, const QDateTime &now)
{
    const QJsonObject entry = value.toObject();
    const auto kind = usageLimitKindFromRaw(entry.value(QLatin1String("kind")).toString());
    const auto usage = window(entry);
    if (!value.isObject() || !kind || !usage)
        return std::nullopt;
    std::optional<QString> model;
    if (const auto named = optionalValue(entry, QLatin1String("model"))) {
        if (!named->isString())
            return std::nullopt;
        model = named->toString();
    }
    QDateTime confirmedAt = modifiedAt;
    if (const auto confirmed = optionalValue(entry, QLatin1String("confirmed_at"))) {
        const auto at = instant(*confirmed);
        if (!at)
            return std::nullopt;
        confirmedAt = *at;
    }
    if (*kind == UsageLimitKind::weeklyModel) {
        // Per-model figures are dropped once nobody has confirmed them for
        // an hour: models come and go from the report.
        const qint64 confirmedAgo = confirmedAt.msecsTo(now);
        if (confirmedAgo < -EngineStateReader::futureToleranceSeconds * 1000 ||
            confirmedAgo >= EngineStateReader::modelMaximumAgeSeconds * 1000)
            return std::nullopt;
    }
    // Entries without a usable model name are dropped by the snapshot.
    return UsageLimit(*kind, model, *usage, confirmedAt);
}

std::unexpected<EngineStateError> failure(Kind kind)
{
    return std::unexpected(EngineStateError{.kind = kind});
}

} // namespace

bool EngineState::isFreshFromStatusLine(const QDateTime &now) const
{
    if (!statusLineConfirmedAt)
        return false;
    const qint64 age = statusLineConfirmedAt->secsTo(now);
    return age >= -EngineStateReader::futureToleranceSeconds &&
           age < UsagePollPolicy::intervalSeconds(snapshot.asOf(now), false);
}

EngineStateReader::EngineStateReader(QString filePath, AccountIdentity accountIdentity)
    : m_filePath(std::move(filePath))
    , m_accountIdentity(std::move(accountIdentity))
{
}

std::optional<UsageSnapshot> EngineStateReader::read(const QDateTime &now) const
{
    auto state = readExplained(now);
    return state ? std::optional(std::move(state->snapshot)) : std::nullopt;
}

std::expected<EngineState, EngineStateError::Kind> EngineStateReader::decode(const QJsonObject &root,
                                                                             const QDateTime &modifiedAt,
                                                                             const QDateTime &now)
{
    std::optional<QString> accountUUID;
    if (const auto account = optionalValue(root, QLatin1String("account_uuid"))) {
        if (!account->isString())
            return std::unexpected(Kind::malformed); // whose figures these are must be beyond doubt
        accountUUID = account->toString();
    }
    QList<UsageLimit> limits;
    if (const auto entries = optionalValue(root, QLatin1String("limits"))) {
        if (!entries->isArray())
            return std::unexpected(Kind::malformed);
        for (const QJsonValue &entry : entries->toArray()) {
            if (auto limit = limitEntry(entry, modifiedAt, now))
                limits.append(std::move(*limit));
        }
    } else {
        // The older format, kept for files written by earlier engine scripts.
        for (const auto &[key, kind] : {std::pair{QLatin1String("five_hour"), UsageLimitKind::fiveHour},
                                        std::pair{QLatin1String("seven_day"), UsageLimitKind::weeklyAll}}) {
            if (const auto usage = window(root.value(key).toObject()))
                limits.append(UsageLimit(kind, std::nullopt, *usage));
        }
    }
    UsageSnapshot snapshot(std::move(limits), accountUUID, root.value(QLatin1String("overage")).toBool());
    if (snapshot.limits().isEmpty())
        return std::unexpected(Kind::noLimits);
    return EngineState{
        .snapshot = std::move(snapshot),
        .statusLineConfirmedAt = instant(root.value(QLatin1String("status_line_confirmed_at"))),
    };
}

std::expected<EngineState, EngineStateError> EngineStateReader::readExplained(const QDateTime &now) const
{
    const auto contents = readRegularFile(m_filePath, maximumFileSize);
    if (!contents) {
        switch (contents.error().kind) {
        case FileReadError::Kind::missing:
            return failure(Kind::missing);
        case FileReadError::Kind::notRegularFile:
            return failure(Kind::notRegularFile);
        case FileReadError::Kind::tooLarge:
            return failure(Kind::tooLarge);
        case FileReadError::Kind::readFailed:
            return std::unexpected(EngineStateError{.kind = Kind::unreadable, .errorNumber = contents.error().errorNumber});
        }
    }

    const QDateTime modifiedAt = contents->identity.modifiedAt();
    const qint64 ageMilliseconds = modifiedAt.msecsTo(now);
    if (ageMilliseconds < -futureToleranceSeconds * 1000)
        return std::unexpected(EngineStateError{.kind = Kind::modifiedInFuture, .ageSeconds = ageMilliseconds / 1000});
    if (ageMilliseconds >= maximumAgeSeconds * 1000)
        return std::unexpected(EngineStateError{.kind = Kind::stale, .ageSeconds = ageMilliseconds / 1000});

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(contents->bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        return failure(Kind::malformed);
    auto state = decode(document.object(), modifiedAt, now);
    if (!state)
        return failure(state.error());
    if (AccountIdentity::mismatch(state->snapshot.accountUUID(), m_accountIdentity.current()))
        return failure(Kind::otherAccount);
    return std::move(*state);
}

} // namespace pacewise
