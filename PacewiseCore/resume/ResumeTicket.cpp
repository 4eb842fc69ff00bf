#include "ResumeTicket.h"

#include "system/EpochSeconds.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cmath>

namespace pacewise {

namespace {

std::optional<QDateTime> instant(const QJsonValue &value)
{
    return value.isDouble() ? instantFromEpochSeconds(value.toDouble()) : std::nullopt;
}

// Seconds since the epoch, with the fraction kept to the millisecond.
double epochSeconds(const QDateTime &instant)
{
    return double(instant.toMSecsSinceEpoch()) / 1000.0;
}

} // namespace

bool ResumeTicket::isSafeSessionID(const QString &id)
{
    if (id.isEmpty() || id.startsWith(u'-') || id == u"." || id == u"..")
        return false;
    for (const QChar character : id) {
        if (!character.isLetterOrNumber() && character != u'.' && character != u'_' && character != u'-')
            return false;
    }
    return true;
}

bool ResumeTicket::isResumableSessionID(const QString &id)
{
    static const QRegularExpression uuid(
        QStringLiteral("^[0-9a-fA-F]{8}-[0-9a-fA-F]{4}-[0-9a-fA-F]{4}-[0-9a-fA-F]{4}-[0-9a-fA-F]{12}$"));
    return isSafeSessionID(id) && uuid.match(id).hasMatch();
}

bool ResumeTicket::isKnownPermissionMode(const QString &mode)
{
    return mode == u"default" || mode == u"acceptEdits" || mode == u"plan" || mode == u"bypassPermissions" ||
           mode == u"auto" || mode == u"dontAsk";
}

std::optional<ResumeTicket> ResumeTicket::decode(const QByteArray &json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    const QJsonValue session = object.value(QLatin1String("session_id"));
    const QJsonValue cwd = object.value(QLatin1String("cwd"));
    if (!session.isString() || !cwd.isString() || !isResumableSessionID(session.toString()) ||
        !cwd.toString().startsWith(u'/'))
        return std::nullopt;

    ResumeTicket ticket;
    ticket.sessionID = session.toString();
    ticket.cwd = cwd.toString();
    const auto resetsAt = instant(object.value(QLatin1String("resets_at")));
    const auto createdAt = instant(object.value(QLatin1String("created_at")));
    if (!resetsAt || !createdAt)
        return std::nullopt;
    ticket.resetsAt = *resetsAt;
    ticket.createdAt = *createdAt;

    const QJsonValue transcript = object.value(QLatin1String("transcript_path"));
    if (transcript.isString()) {
        const QString path = transcript.toString().trimmed();
        if (path.startsWith(u'/'))
            ticket.transcriptPath = path;
    } else if (!transcript.isUndefined() && !transcript.isNull()) {
        return std::nullopt;
    }
    const QJsonValue used = object.value(QLatin1String("used_percentage"));
    if (used.isDouble() && std::isfinite(used.toDouble()))
        ticket.usedPercentage = used.toDouble();
    else if (!used.isUndefined() && !used.isNull())
        return std::nullopt;
    const QJsonValue mode = object.value(QLatin1String("permission_mode"));
    // Newer Claude Code calls the default mode "manual", which older ones
    // refuse on the command line; both run without the flag.
    if (mode.isString() && mode.toString() == u"manual")
        ticket.permissionMode = QStringLiteral("default");
    else if (mode.isString() && isKnownPermissionMode(mode.toString()))
        ticket.permissionMode = mode.toString();
    const QJsonObject holder = object.value(QLatin1String("held_by")).toObject();
    const QJsonValue pid = holder.value(QLatin1String("pid"));
    const QJsonValue startTime = holder.value(QLatin1String("start_time"));
    if (pid.isDouble() && startTime.isDouble() && pid.toDouble() > 0 && startTime.toDouble() >= 0 &&
        pid.toDouble() < 1e9 && startTime.toDouble() < 1e15)
        ticket.heldBy = ProcessIdentity{qint64(pid.toDouble()), quint64(startTime.toDouble())};
    return ticket;
}

QByteArray ResumeTicket::encode() const
{
    QJsonObject object{
        {QLatin1String("session_id"), sessionID},
        {QLatin1String("cwd"), cwd},
        {QLatin1String("resets_at"), epochSeconds(resetsAt)},
        {QLatin1String("created_at"), epochSeconds(createdAt)},
    };
    if (transcriptPath)
        object.insert(QLatin1String("transcript_path"), *transcriptPath);
    if (usedPercentage)
        object.insert(QLatin1String("used_percentage"), *usedPercentage);
    if (permissionMode)
        object.insert(QLatin1String("permission_mode"), *permissionMode);
    if (heldBy) {
        object.insert(QLatin1String("held_by"), QJsonObject{{QLatin1String("pid"), heldBy->pid},
                                                           {QLatin1String("start_time"), qint64(heldBy->startTime)}});
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace pacewise
