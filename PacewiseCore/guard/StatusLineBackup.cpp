#include "StatusLineBackup.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace pacewise {

std::optional<StatusLineBackup> StatusLineBackup::parse(const QByteArray &json)
{
    const QJsonObject object = QJsonDocument::fromJson(json).object();
    const QJsonValue version = object.value(QLatin1String("version"));
    const QJsonValue hadOriginal = object.value(QLatin1String("hadOriginal"));
    if (!version.isDouble() || version.toDouble() != 1 || !hadOriginal.isBool())
        return std::nullopt;
    StatusLineBackup backup{.hadOriginal = hadOriginal.toBool()};
    if (backup.hadOriginal && object.contains(QLatin1String("originalStatusLine")))
        backup.original = object.value(QLatin1String("originalStatusLine"));
    if (const QJsonValue installed = object.value(QLatin1String("installedStatusLine")); installed.isObject())
        backup.installed = installed.toObject();
    if (const QJsonValue before = object.value(QLatin1String("settingsBefore")); before.isString())
        backup.settingsBefore = QByteArray::fromBase64(before.toString().toLatin1());
    if (const QJsonValue created = object.value(QLatin1String("createdKeys")); created.isArray()) {
        backup.created.emplace();
        for (const QJsonValue &key : created.toArray()) {
            if (key.isString())
                backup.created->append(key.toString());
        }
    }
    return backup;
}

QByteArray StatusLineBackup::toJson() const
{
    QJsonObject object{{QLatin1String("version"), 1}, {QLatin1String("hadOriginal"), hadOriginal}};
    if (hadOriginal && original)
        object.insert(QLatin1String("originalStatusLine"), *original);
    if (installed)
        object.insert(QLatin1String("installedStatusLine"), *installed);
    if (created)
        object.insert(QLatin1String("createdKeys"), QJsonArray::fromStringList(*created));
    if (settingsBefore)
        object.insert(QLatin1String("settingsBefore"), QString::fromLatin1(settingsBefore->toBase64()));
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

} // namespace pacewise
