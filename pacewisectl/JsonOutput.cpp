#include "JsonOutput.h"

#include <QJsonDocument>

namespace pacewise::cli {

QCommandLineOption jsonOption()
{
    return QCommandLineOption(QStringLiteral("json"), QStringLiteral("Print one JSON object (see docs/json.md)."));
}

void printJson(QTextStream &out, const QJsonObject &object)
{
    out << QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
}

QJsonValue jsonTime(const std::optional<QDateTime> &instant)
{
    if (!instant || !instant->isValid())
        return QJsonValue::Null;
    return instant->toUTC().toString(Qt::ISODate);
}

QJsonValue jsonText(const QString &text)
{
    return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
}

} // namespace pacewise::cli
