#include "EngineStateReader.h"

#include "system/EpochSeconds.h"
#include "system/RegularFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace pacewise {

namespace {

using Kind = EngineStateError::Kind;

struct Malformed {};

// Strict accessors: a required key that is missing or any key of the wrong
// JSON type makes the whole file unreadable (thrown as Malformed, caught
// before leaving this file). null counts as absent.
std::optional<QJsonValue> optionalValue(const QJsonObject &object, QLatin1String key)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return std::nullopt;
    return value;
}

QJsonValue requiredValue(const QJsonObject &object, QLatin1String key)
{
    auto value = optionalValue(object, key);
    if (!value)
        throw Malformed{};
    return *value;
}

double number(const QJsonValue &value)
{
    if (!value.isDouble())
        throw Malformed{};
    return value.toDouble();
}

QDateTime instant(const QJsonValue &value)
{
    const auto result = instantFromEpochSeconds(number(value));
    if (!result)
        throw Malformed{};
    return *result;
}

QString string(const QJsonValue &value)
{
    if (!value.isString())
        throw Malformed{};
    return value.toString();
}

QJsonObject object(const QJsonValue &value)
{
    if (!value.isObject())
        throw Malformed{};
    return value.toObject();
}

std::optional<QString> optionalString(const QJsonObject &parent, QLatin1String key)
{
    const auto value = optionalValue(parent, key);
    return value ? std::optional(string(*value)) : std::nullopt;
}

std::optional<UsageWindow> optionalWindow(const QJsonObject &parent, QLatin1String key)
{
    const auto value = optionalValue(parent, key);
    if (!value)
        return std::nullopt;
    const QJsonObject window = object(*value);
    return UsageWindow{
        .utilization = number(requiredValue(window, QLatin1String("used_percentage"))),
        .resetsAt = instant(requiredValue(window, QLatin1String("resets_at"))),
    };
}

struct LimitEntry {
    QString kind;
    std::optional<QString> model;
    UsageWindow window;
    std::optional<QDateTime> confirmedAt;
};

LimitEntry limitEntry(const QJsonValue &value)
{
    const QJsonObject entry = object(value);
    const auto confirmed = optionalValue(entry, QLatin1String("confirmed_at"));
    return LimitEntry{
        .kind = string(requiredValue(entry, QLatin1String("kind"))),
        .model = optionalString(entry, QLatin1String("model")),
        .window =
            UsageWindow{
                .utilization = number(requiredValue(entry, QLatin1String("used_percentage"))),
                .resetsAt = instant(requiredValue(entry, QLatin1String("resets_at"))),
            },
        .confirmedAt = confirmed ? std::optional(instant(*confirmed)) : std::nullopt,
    };
}

struct StateDocument {
    std::optional<QList<LimitEntry>> limits;
    std::optional<UsageWindow> fiveHour;
    std::optional<UsageWindow> sevenDay;
    std::optional<QString> accountUUID;
};

std::optional<StateDocument> decode(const QByteArray &bytes)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();
    try {
        StateDocument state{
            .limits = std::nullopt,
            .fiveHour = optionalWindow(root, QLatin1String("five_hour")),
            .sevenDay = optionalWindow(root, QLatin1String("seven_day")),
            .accountUUID = optionalString(root, QLatin1String("account_uuid")),
        };
        if (const auto limits = optionalValue(root, QLatin1String("limits"))) {
            if (!limits->isArray())
                return std::nullopt;
            QList<LimitEntry> entries;
            for (const QJsonValue &entry : limits->toArray())
                entries.append(limitEntry(entry));
            state.limits = std::move(entries);
        }
        return state;
    } catch (const Malformed &) {
        return std::nullopt;
    }
}

std::unexpected<EngineStateError> failure(Kind kind)
{
    return std::unexpected(EngineStateError{.kind = kind});
}

std::expected<UsageSnapshot, EngineStateError> nonEmpty(UsageSnapshot snapshot)
{
    if (snapshot.limits().isEmpty())
        return failure(Kind::noLimits);
    return snapshot;
}

} // namespace

EngineStateReader::EngineStateReader(QString filePath, AccountIdentity accountIdentity)
    : m_filePath(std::move(filePath))
    , m_accountIdentity(std::move(accountIdentity))
{
}

std::optional<UsageSnapshot> EngineStateReader::read(const QDateTime &now) const
{
    auto snapshot = readExplained(now);
    return snapshot ? std::optional(std::move(*snapshot)) : std::nullopt;
}

std::expected<UsageSnapshot, EngineStateError> EngineStateReader::readExplained(const QDateTime &now) const
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
    if (ageMilliseconds < 0)
        return std::unexpected(EngineStateError{.kind = Kind::modifiedInFuture, .ageSeconds = ageMilliseconds / 1000});
    if (ageMilliseconds >= maximumAgeSeconds * 1000)
        return std::unexpected(EngineStateError{.kind = Kind::stale, .ageSeconds = ageMilliseconds / 1000});

    const auto state = decode(contents->bytes);
    if (!state)
        return failure(Kind::malformed);

    if (AccountIdentity::mismatch(state->accountUUID, m_accountIdentity.current()))
        return failure(Kind::otherAccount);

    if (!state->limits) {
        // The older format, kept for files written by earlier engine scripts.
        return nonEmpty(UsageSnapshot::fromWindows(state->fiveHour, state->sevenDay).taggedWith(state->accountUUID));
    }
    QList<UsageLimit> limits;
    for (const LimitEntry &entry : *state->limits) {
        const auto kind = usageLimitKindFromRaw(entry.kind);
        if (!kind)
            continue;
        const QDateTime confirmedAt = entry.confirmedAt.value_or(modifiedAt);
        if (*kind == UsageLimitKind::weeklyModel) {
            // Per-model figures are dropped once nobody has confirmed them
            // for an hour: models come and go from the report.
            const qint64 confirmedAgo = confirmedAt.msecsTo(now);
            if (confirmedAgo < 0 || confirmedAgo >= modelMaximumAgeSeconds * 1000)
                continue;
        }
        // Entries without a usable model name are dropped by the snapshot.
        limits.append(UsageLimit(*kind, entry.model, entry.window, confirmedAt));
    }
    return nonEmpty(UsageSnapshot(std::move(limits), state->accountUUID));
}

} // namespace pacewise
