#include "BenchTiming.h"
#include "usage/AccountIdentity.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace pacewise;

// A heavy user's ~/.claude.json: thousands of project entries, then the account.
static QByteArray largeAccountFile(qsizetype targetSize)
{
    QByteArray json = R"({"numStartups":812,"projects":{)";
    for (int project = 0; json.size() < targetSize; ++project) {
        if (project > 0)
            json += ',';
        json += R"("/home/ada/work/project-)" + QByteArray::number(project) +
                R"(":{"allowedTools":[],"history":[)";
        for (int entry = 0; entry < 20; ++entry) {
            json += (entry ? "," : "") + QByteArray(R"({"display":"refactor the parser and run the tests )") +
                    QByteArray::number(entry) + R"(","pastedContents":{}})";
        }
        json += R"(],"hasTrustDialogAccepted":true,"lastCost":0.42})";
    }
    json += R"(},"oauthAccount":{"accountUuid":"00000000-0000-4000-8000-00000000acc7","emailAddress":"ada@example.com"}})";
    return json;
}

int main()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral(".claude.json"));
    const QByteArray json = largeAccountFile(20 * 1024 * 1024);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size())
        return 1;
    file.close();
    std::printf("account file: %.1f MiB\n", double(json.size()) / (1024.0 * 1024.0));

    measure("AccountIdentity::current() first call", 5, [&] {
        const AccountIdentity fresh(path);
        if (!fresh.current())
            std::abort();
    });
    const AccountIdentity identity(path);
    identity.current();
    measure("AccountIdentity::current() repeated (target 50 us)", 1000, [&] {
        if (!identity.current())
            std::abort();
    });
    return 0;
}
