#include "BenchTiming.h"
#include "usage/EngineStateReader.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

using namespace pacewise;

int main()
{
    QTemporaryDir dir;
    const QString statePath = dir.filePath(QStringLiteral("rate-limit-state.json"));
    const QString accountPath = dir.filePath(QStringLiteral(".claude.json"));
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const QByteArray state =
        QStringLiteral(R"({"account_uuid":"00000000-0000-4000-8000-00000000acc7","checked_at":%1,"limits":[)"
                       R"({"confirmed_at":%1,"kind":"five_hour","resets_at":%2,"used_percentage":42},)"
                       R"({"confirmed_at":%1,"kind":"weekly_all","resets_at":%3,"used_percentage":17},)"
                       R"({"confirmed_at":%1,"kind":"weekly_model","model":"Sonnet","resets_at":%3,"used_percentage":5}]})")
            .arg(now)
            .arg(now + 3600)
            .arg(now + 86400)
            .toUtf8();
    const QByteArray account = R"({"oauthAccount":{"accountUuid":"00000000-0000-4000-8000-00000000acc7"}})";
    for (const auto &[path, bytes] : {std::pair{statePath, state}, std::pair{accountPath, account}}) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return 1;
    }

    const EngineStateReader reader(statePath, AccountIdentity(accountPath));
    const QDateTime readAt = QDateTime::currentDateTimeUtc();
    measure("EngineStateReader::read() typical file", 2000, [&] {
        if (!reader.read(readAt))
            std::abort();
    });
    return 0;
}
