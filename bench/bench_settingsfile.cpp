#include "BenchTiming.h"
#include "guard/SettingsFileManager.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace pacewise;

// Every switch of the guard or of auto-continue is a locked in-place edit of
// Claude Code's settings; this one is 1 MiB, far larger than a real one.
// Targets: 10 ms to switch, 1 ms to look.
int main()
{
    QTemporaryDir dir;
    const QString settings = dir.filePath(QStringLiteral("settings.json"));
    QByteArray json = R"({"permissions":{"allow":[)";
    for (int rule = 0; json.size() < 1024 * 1024; ++rule)
        json += (rule ? "," : "") + QByteArray("\"Bash(make test-target-") + QByteArray::number(rule) + " *)\"";
    json += R"(]},"model":"opus"})";
    QFile file(settings);
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size())
        return 1;
    file.close();
    std::printf("settings file: %.1f MiB\n", double(json.size()) / (1024.0 * 1024.0));

    const SettingsFileManager manager;
    const QString hooks = dir.filePath(QStringLiteral("hooks"));
    bool on = false;
    measure("enable or disable the guard", 40, [&] {
        on = !on;
        const auto result = on ? manager.enableGuard(settings, {.hooksDirectory = hooks}) : manager.disableGuard(settings);
        if (!result)
            std::abort();
    });
    measure("isGuardEnabled", 40, [&] {
        if (!manager.isGuardEnabled(settings))
            std::abort();
    });
    return 0;
}
