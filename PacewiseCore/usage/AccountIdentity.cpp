#include "AccountIdentity.h"

#include "system/RegularFile.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QMutexLocker>

namespace pacewise {

struct AccountIdentity::Memo {
    QMutex mutex;
    std::optional<FileIdentity> file;
    std::optional<QString> answer;
};

AccountIdentity::AccountIdentity(QString filePath)
    : m_filePath(std::move(filePath))
    , m_memo(std::make_shared<Memo>())
{
}

std::optional<QString> AccountIdentity::accountIdFromJson(const QByteArray &json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json);
    const QJsonValue value = document.object().value(QLatin1String("oauthAccount")).toObject().value(QLatin1String("accountUuid"));
    if (!value.isString())
        return std::nullopt;
    const QString identifier = value.toString();
    if (identifier.trimmed().isEmpty())
        return std::nullopt;
    return identifier;
}

std::optional<QString> AccountIdentity::current() const
{
    const auto identity = regularFileIdentity(m_filePath);
    QMutexLocker lock(&m_memo->mutex);
    if (!identity) {
        m_memo->file.reset();
        return std::nullopt;
    }
    if (m_memo->file == *identity)
        return m_memo->answer;

    const auto contents = readRegularFile(m_filePath, maximumFileSize);
    if (!contents) {
        m_memo->file.reset();
        return std::nullopt;
    }
    m_memo->file = contents->identity;
    m_memo->answer = accountIdFromJson(contents->bytes);
    return m_memo->answer;
}

bool AccountIdentity::mismatch(const std::optional<QString> &held, const std::optional<QString> &live)
{
    return held && live && *held != *live;
}

} // namespace pacewise
