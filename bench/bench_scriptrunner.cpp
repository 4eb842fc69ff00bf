#include "BenchTiming.h"
#include "system/ScriptRunner.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

using namespace pacewise;

// Starting a child and collecting its output is on the path of every usage
// poll; it must cost no more than QProcess does.
int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir scratch;
    const ScriptRunner runner({.pipeDrainGraceSeconds = 5,
                               .terminationGraceSeconds = 2,
                               .outputLimitBytes = 128 * 1024 * 1024,
                               .scratchDirectory = scratch.filePath(QStringLiteral("cli-cwd"))});
    const ScriptInvocation trueInvocation{.executable = QStringLiteral("/bin/true"), .arguments = {},
                                          .timeoutSeconds = 10, .environment = std::nullopt,
                                          .workingDirectory = std::nullopt};
    constexpr int runs = 1000;

    // Interleaved in rounds of 100, so that whatever else the machine does
    // weighs on both alike.
    qint64 runnerNanoseconds = 0;
    qint64 processNanoseconds = 0;
    QElapsedTimer timer;
    for (int round = 0; round < runs / 100; ++round) {
        timer.start();
        for (int run = 0; run < 100; ++run) {
            if (!runner.run(trueInvocation))
                return 1;
        }
        runnerNanoseconds += timer.nsecsElapsed();
        timer.start();
        for (int run = 0; run < 100; ++run) {
            QProcess process;
            process.start(QStringLiteral("/bin/true"), {});
            if (!process.waitForFinished(10'000))
                return 1;
        }
        processNanoseconds += timer.nsecsElapsed();
    }
    const double runnerMs = double(runnerNanoseconds) / 1e6;
    const double processMs = double(processNanoseconds) / 1e6;
    std::printf("%d runs of /bin/true: ScriptRunner %.0f ms, QProcess %.0f ms, ratio %.2f (target <= 1.15)\n", runs,
                runnerMs, processMs, runnerMs / processMs);

    const ScriptInvocation large{.executable = QStringLiteral("/bin/sh"),
                                 .arguments = {QStringLiteral("-c"), QStringLiteral("head -c 104857600 /dev/zero")},
                                 .timeoutSeconds = 60, .environment = std::nullopt, .workingDirectory = std::nullopt};
    measure("ScriptRunner capturing 100 MiB", 3, [&] {
        if (!runner.run(large))
            std::abort();
    });
    measure("QProcess capturing 100 MiB", 3, [&] {
        QProcess process;
        process.start(QStringLiteral("/bin/sh"), large.arguments);
        process.waitForFinished(60'000);
        if (process.readAllStandardOutput().size() != 104857600)
            std::abort();
    });
    return 0;
}
