// A process that edits Claude Code's settings file concurrently with others,
// for the stress test in tst_settingsfile.
//
//   settings_stress_worker edit SETTINGS HOOKS SEED COUNT LOG
//       COUNT random guard and ticket-directory edits through
//       SettingsFileManager; each written edit is appended to LOG while the
//       lock is still held, so LOG's order is the order of the writes, and
//       every finished edit adds a line to LOG.progress.
//   settings_stress_worker foreign SETTINGS PROGRESS PAUSE_AT FINAL
//       rewrites the key "foreign" in place without any lock, as Claude Code
//       does where it cannot replace the file, until PROGRESS (the editors'
//       LOG.progress) holds PAUSE_AT lines; then, once FINAL appears, writes it
//       one last time and prints the value written and how many of its
//       writes were lost (still gone a moment after it next read the file: a
//       write that went into the file an editor had just replaced is missing
//       until that editor writes it again).

#include "guard/SettingsFileManager.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QThread>

#include <cstdio>

using namespace pacewise;

namespace {

int edit(const QStringList &arguments)
{
    const QString settings = arguments.at(2);
    const QString hooks = arguments.at(3);
    QRandomGenerator random(arguments.at(4).toUInt());
    const int count = arguments.at(5).toInt();
    QFile log(arguments.at(6));
    QFile progress(arguments.at(6) + QStringLiteral(".progress"));
    if (!log.open(QIODevice::Append | QIODevice::Unbuffered) || !progress.open(QIODevice::Append | QIODevice::Unbuffered))
        return 2;

    const QByteArrayList operations{"enable", "disable", "resume-on", "resume-off"};
    for (int index = 0; index < count; ++index) {
        const QByteArray operation = operations.at(random.bounded(4));
        SettingsFileManager::Options options;
        // Eight editors hammering one file is far past what a desktop sees;
        // flock is not fair, so one of them may wait longer than a user
        // would be asked to. The test is about lost and corrupt edits.
        options.lockTimeout = std::chrono::minutes(1);
        options.postWriteInterceptor = [&](int) { log.write(operation + '\n'); };
        const SettingsFileManager manager(options);
        const auto result = operation == "enable"      ? manager.enableGuard(settings, {.hooksDirectory = hooks})
                            : operation == "disable"   ? manager.disableGuard(settings)
                            : operation == "resume-on" ? manager.setResumeDirectory(settings, QStringLiteral("/tickets"))
                                                       : manager.setResumeDirectory(settings, std::nullopt);
        if (!result && result.error().kind != SettingsError::Kind::concurrentModification) {
            std::fprintf(stderr, "%s failed: kind %d %s\n", operation.constData(), int(result.error().kind),
                         qPrintable(result.error().description));
            return 1;
        }
        progress.write("\n");
    }
    return 0;
}

// Returns whether the value written before was still there.
bool rewriteForeignKey(const QString &settings, int value)
{
    int missing = 0;
    for (int reading = 0; reading < 300; ++reading) {
        QFile file(settings);
        QJsonObject root;
        if (file.open(QIODevice::ReadOnly)) {
            const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
            if (!document.isObject() && file.size() > 0) {
                QThread::msleep(1); // caught one of our own or a worker's writes midway
                continue;
            }
            root = document.object();
        }
        file.close();
        const bool kept = value == 1 || root.value(QStringLiteral("foreign")).toInt() == value - 1;
        if (!kept && ++missing < 200) {
            QThread::msleep(1);
            continue;
        }
        root.insert(QStringLiteral("foreign"), value);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(QJsonDocument(root).toJson());
        return kept;
    }
    return false;
}

int foreign(const QStringList &arguments)
{
    const QString settings = arguments.at(2);
    int value = 0;
    int lost = 0;
    while (QFileInfo(arguments.at(3)).size() < arguments.at(4).toLongLong()) {
        lost += rewriteForeignKey(settings, ++value) ? 0 : 1;
        QThread::msleep(3);
    }
    while (!QFileInfo::exists(arguments.at(5)))
        QThread::msleep(5);
    lost += rewriteForeignKey(settings, ++value) ? 0 : 1;
    std::printf("%d %d\n", value, lost);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 7 && arguments.at(1) == u"edit")
        return edit(arguments);
    if (arguments.size() == 6 && arguments.at(1) == u"foreign")
        return foreign(arguments);
    std::fprintf(stderr, "usage: see the comment at the top of settings_stress_worker.cpp\n");
    return 2;
}
