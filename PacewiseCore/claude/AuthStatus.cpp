#include "AuthStatus.h"

#include <QJsonDocument>

#include <algorithm>
#include <vector>

namespace pacewise {

namespace {

struct Span {
    qsizetype begin;
    qsizetype end; // inclusive
};

// Every balanced {...} in one pass, with string literals inside objects
// respected, ordered by where they begin. Braces, quotes and backslashes are
// ASCII, so the UTF-8 bytes can be scanned directly.
std::vector<Span> objectSpans(QByteArrayView text)
{
    std::vector<Span> spans;
    std::vector<qsizetype> open;
    bool inString = false;
    for (qsizetype index = 0; index < text.size(); ++index) {
        const char character = text[index];
        if (inString) {
            if (character == '\\')
                ++index;
            else if (character == '"')
                inString = false;
        } else if (character == '"' && !open.empty()) {
            inString = true;
        } else if (character == '{') {
            open.push_back(index);
        } else if (character == '}' && !open.empty()) {
            spans.push_back({open.back(), index});
            open.pop_back();
        }
    }
    std::sort(spans.begin(), spans.end(), [](const Span &a, const Span &b) { return a.begin < b.begin; });
    return spans;
}

std::optional<std::optional<QString>> optionalString(const QJsonObject &object, QLatin1String key)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return std::optional<QString>();
    if (!value.isString())
        return std::nullopt; // present with the wrong type: not a status
    return std::optional(value.toString());
}

} // namespace

std::optional<AuthStatus> AuthStatus::fromJson(const QJsonObject &object)
{
    const QJsonValue loggedIn = object.value(QLatin1String("loggedIn"));
    const auto authMethod = optionalString(object, QLatin1String("authMethod"));
    const auto email = optionalString(object, QLatin1String("email"));
    const auto subscriptionType = optionalString(object, QLatin1String("subscriptionType"));
    if (!loggedIn.isBool() || !authMethod || !email || !subscriptionType)
        return std::nullopt;
    return AuthStatus{loggedIn.toBool(), *authMethod, *email, *subscriptionType};
}

std::expected<AuthStatus, AuthStatus::ParseError> AuthStatus::parse(const QString &text)
{
    // Each candidate costs what the decoder reads of it before it succeeds or
    // gives up (most give up within a few bytes). Nested valid objects could
    // still add up to quadratic work, so reading stops at a few times the
    // text's length.
    const QByteArray bytes = text.toUtf8();
    qsizetype budget = 4 * bytes.size() + 4096;
    for (const Span &span : objectSpans(bytes)) {
        const qsizetype length = span.end - span.begin + 1;
        QJsonParseError error;
        const QJsonDocument document =
            QJsonDocument::fromJson(QByteArray::fromRawData(bytes.constData() + span.begin, length), &error);
        if (error.error == QJsonParseError::NoError && document.isObject()) {
            if (const auto status = fromJson(document.object()))
                return *status;
        }
        budget -= error.error == QJsonParseError::NoError ? length : std::max<qsizetype>(error.offset, 1);
        if (budget < 0)
            break;
    }
    return std::unexpected(ParseError::noJSONObject);
}

QJsonObject AuthStatus::toJson() const
{
    QJsonObject object{{QLatin1String("loggedIn"), loggedIn}};
    if (authMethod)
        object.insert(QLatin1String("authMethod"), *authMethod);
    if (email)
        object.insert(QLatin1String("email"), *email);
    if (subscriptionType)
        object.insert(QLatin1String("subscriptionType"), *subscriptionType);
    return object;
}

std::optional<QString> AuthStatus::planName() const
{
    const QString plan = subscriptionType.value_or(QString()).trimmed();
    if (plan.isEmpty())
        return std::nullopt;
    // A product name, the same in every language: its first letter capital.
    return plan.left(1).toUpper() + plan.mid(1);
}

} // namespace pacewise
