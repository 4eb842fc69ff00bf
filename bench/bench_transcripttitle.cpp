#include "BenchTiming.h"
#include "resume/LastMessageResolver.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace pacewise;

namespace {

// Bytes this process has read so far, as the kernel counts them.
qint64 bytesRead()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : io.readAll().split('\n')) {
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    }
    return -1;
}

} // namespace

// Transcripts of long sessions reach gigabytes; a title must cost only the
// tail. Target: a 1 GiB transcript in 50 ms, at most 8 MiB read.
int main()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("session.jsonl"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    // Sparse: a gigabyte of tool output without one user prompt in its tail.
    const QByteArray noise = "{\"type\":\"assistant\",\"message\":{\"content\":\"" + QByteArray(4000, 'x') + "\"}}\n";
    file.resize(qint64(1) << 30);
    file.seek((qint64(1) << 30) - 8 * 1024 * 1024);
    for (int line = 0; line < 2048; ++line)
        file.write(noise);
    file.close();

    const qint64 before = bytesRead();
    LastMessageResolver::lastUserMessage(path);
    std::printf("bytes read for one title of a 1 GiB transcript: %.1f MiB (limit 8 MiB)\n",
                double(bytesRead() - before) / (1024.0 * 1024.0));
    measure("lastUserMessage on 1 GiB (target 50 ms)", 20, [&] { LastMessageResolver::lastUserMessage(path); });
    return 0;
}
