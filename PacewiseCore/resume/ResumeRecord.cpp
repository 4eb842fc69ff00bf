#include "ResumeRecord.h"

#include "system/EpochSeconds.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace pacewise {

namespace {

using Outcome = ResumeRecord::Outcome;

std::optional<QDateTime> instant(const QJsonValue &value)
{
    return value.isDouble() ? instantFromEpochSeconds(value.toDouble()) : std::nullopt;
}

QJsonValue seconds(const std::optional<QDateTime> &instant)
{
    return instant ? QJsonValue(double(instant->toMSecsSinceEpoch()) / 1000.0) : QJsonValue(QJsonValue::Null);
}

} // namespace

QString outcomeName(Outcome outcome)
{
    switch (outcome) {
    case Outcome::failed:
        return QStringLiteral("failed");
    case Outcome::needsAttention:
        return QStringLiteral("needs_attention");
    case Outcome::interrupted:
        return QStringLiteral("interrupted");
    }
    Q_UNREACHABLE();
    return {};
}

std::optional<ResumeRecord> ResumeRecord::decode(const QByteArray &json)
{
    const QJsonObject object = QJsonDocument::fromJson(json).object();
    const auto created = instant(object.value(QLatin1String("ticket_created_at")));
    if (!created)
        return std::nullopt;
    ResumeRecord record{.ticketCreatedAt = *created};
    record.attempts = std::clamp(object.value(QLatin1String("attempts")).toInt(), 0, 1'000'000);
    record.lastAttemptAt = instant(object.value(QLatin1String("last_attempt_at")));
    const QString outcome = object.value(QLatin1String("last_outcome")).toString();
    for (const Outcome known : {Outcome::failed, Outcome::needsAttention, Outcome::interrupted}) {
        if (outcome == outcomeName(known))
            record.lastOutcome = known;
    }
    record.lastReason = ResumeReason::decode(object.value(QLatin1String("last_reason")));
    record.nextTryAt = instant(object.value(QLatin1String("next_try_at")));
    const QJsonObject running = object.value(QLatin1String("running")).toObject();
    const auto startedAt = instant(running.value(QLatin1String("started_at")));
    const QJsonValue pid = running.value(QLatin1String("pid"));
    const QJsonValue startTime = running.value(QLatin1String("start_time"));
    if (startedAt && pid.isDouble() && startTime.isDouble() && pid.toDouble() > 0 && pid.toDouble() < 1e9 &&
        startTime.toDouble() >= 0 && startTime.toDouble() < 1e15) {
        record.running = Running{ProcessIdentity{qint64(pid.toDouble()), quint64(startTime.toDouble())}, *startedAt};
    }
    return record;
}

QByteArray ResumeRecord::encode() const
{
    QJsonObject object{
        {QLatin1String("ticket_created_at"), seconds(ticketCreatedAt)},
        {QLatin1String("attempts"), attempts},
        {QLatin1String("last_attempt_at"), seconds(lastAttemptAt)},
        {QLatin1String("last_outcome"), lastOutcome ? QJsonValue(outcomeName(*lastOutcome)) : QJsonValue(QJsonValue::Null)},
        {QLatin1String("last_reason"), lastReason ? lastReason->encode() : QJsonValue(QJsonValue::Null)},
        {QLatin1String("next_try_at"), seconds(nextTryAt)},
    };
    if (running) {
        object.insert(QLatin1String("running"), QJsonObject{{QLatin1String("pid"), running->process.pid},
                                                           {QLatin1String("start_time"), qint64(running->process.startTime)},
                                                           {QLatin1String("started_at"), seconds(running->startedAt)}});
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace pacewise
