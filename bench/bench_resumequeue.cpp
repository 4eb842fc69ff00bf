#include "BenchTiming.h"
#include "resume/ResumeQueue.h"

#include <QFile>
#include <QTemporaryDir>
#include <QUuid>

#include <cstdio>

using namespace pacewise;

// The ticket directory is listed on every poll; a user whose sessions pile
// up (or a runaway writer) must not make that slow. Target: 10,000 tickets
// in 100 ms.
int main()
{
    QTemporaryDir dir;
    for (int index = 0; index < 10'000; ++index) {
        const QString session = QUuid::createUuid().toString(QUuid::WithoutBraces);
        const QByteArray json = QStringLiteral("{\"session_id\":\"%1\",\"cwd\":\"/home/ada/work\",\"resets_at\":%2,"
                                               "\"created_at\":1796560000,\"used_percentage\":99}")
                                    .arg(session)
                                    .arg(1796560000 + index)
                                    .toUtf8();
        QFile file(dir.filePath(session + QStringLiteral(".json")));
        if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size())
            return 1;
    }
    const ResumeQueue queue(dir.path());
    measure("ResumeQueue::tickets() of 10,000 (target 100 ms)", 9, [&] {
        if (queue.tickets().size() != 10'000)
            std::abort();
    });
    return 0;
}
