#pragma once

#include <QCommandLineOption>
#include <QDateTime>
#include <QJsonObject>
#include <QJsonValue>
#include <QTextStream>

#include <optional>

namespace pacewise::cli {

// "--json": the read commands print one JSON object instead of text. The
// objects are described in docs/json.md; fields are only ever added.
QCommandLineOption jsonOption();

void printJson(QTextStream &out, const QJsonObject &object);

// An instant as ISO 8601 in UTC ("2026-12-06T16:20:00Z"), or null.
QJsonValue jsonTime(const std::optional<QDateTime> &instant);

// A string, or null when empty.
QJsonValue jsonText(const QString &text);

} // namespace pacewise::cli
