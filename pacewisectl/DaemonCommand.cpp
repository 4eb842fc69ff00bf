#include "DaemonCommand.h"

#include "CommandLine.h"
#include "ExitCode.h"
#include "app/AppSettingsKeys.h"
#include "app/BackgroundServices.h"
#include "i18n/AppLanguage.h"
#include "system/Logging.h"
#include "system/ProcessSignals.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSettings>
#include <QThreadPool>

#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

namespace pacewise::cli {

namespace {

const char helpText[] = R"(Usage: pacewisectl daemon

Runs Pacewise without a tray: polls the usage (logging to standard error,
which systemd sends to the journal) and records it in the engine state file
for the guard and status bars, continues the sessions the guard paused once their limit
has reset while auto-continue is on, greets Claude Code in the morning while
the kickstart is on, and holds keep-awake for `pacewisectl caffeine`.
Settings changed by pacewisectl or the tray app apply at once.

One Pacewise per user polls: a second daemon, or a daemon started while the
tray app runs, stands by until the first one stops. Runs in the foreground
until SIGTERM or SIGINT; SIGHUP reads the settings again. A resume under
way goes on when the daemon stops, and the next daemon learns how it ended.

Exit status: 0 stopped by a signal, 1 failed to start, 2 bad arguments.
)";

// Under systemd, standard error goes to the journal, which reads a "<N>"
// syslog priority at the start of each line; systemd says so by naming the
// stream in JOURNAL_STREAM ("device:inode").
bool standardErrorIsTheJournal()
{
    const QByteArray stream = qgetenv("JOURNAL_STREAM");
    struct stat status {};
    if (stream.isEmpty() || ::fstat(STDERR_FILENO, &status) != 0)
        return false;
    return stream == QByteArray::number(quint64(status.st_dev)) + ':' + QByteArray::number(quint64(status.st_ino));
}

void writeToJournal(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    int priority = 6;
    switch (type) {
    case QtDebugMsg:
        priority = 7;
        break;
    case QtInfoMsg:
        priority = 6;
        break;
    case QtWarningMsg:
        priority = 4;
        break;
    case QtCriticalMsg:
        priority = 3;
        break;
    case QtFatalMsg:
        priority = 2;
        break;
    }
    const QByteArray line = '<' + QByteArray::number(priority) + '>' + QByteArray(context.category ? context.category : "default") +
                            ": " + message.toUtf8().replace('\n', ' ') + '\n';
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, line.constData(), size_t(line.size()));
}

} // namespace

int runDaemon(const QStringList &arguments, const CommandContext &context, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    if (const auto done = parseCommandLine(parser, arguments, QStringLiteral("daemon"), helpText, out, err))
        return *done;

    if (standardErrorIsTheJournal())
        qInstallMessageHandler(writeToJournal);

    ProcessSignals processSignals;
    if (!processSignals.isWatching()) {
        err << "pacewisectl daemon: cannot watch for signals\n";
        return failure;
    }
    QObject::connect(&processSignals, &ProcessSignals::terminationRequested, qApp, [] {
        qCInfo(lcCli, "stopping");
        QCoreApplication::quit();
    });

    QSettings appSettings;
    // Its notifications speak the language the tray app would: texts, times
    // and days alike.
    AppLanguage::apply(appSettings.value(QLatin1String(AppSettingsKeys::appLanguage)).toString());
    LogindSleepWakeSource wake;
    BackgroundServices services(BackgroundServices::Dependencies{
        .environment = context.environment,
        .claudePaths = context.claudePaths,
        .appSettings = &appSettings,
        .sleepInhibitors = std::make_shared<LinuxSleepInhibitors>(),
        .notifications = std::make_shared<FreedesktopNotifications>(),
        .wakeSource = &wake,
        .yieldsToTrayApp = true,
    });
    QObject::connect(&services, &BackgroundServices::standingBy, [](std::optional<qint64> other) {
        qCInfo(lcCli, "another Pacewise%s already polls; standing by until it stops",
               other ? qPrintable(QStringLiteral(" (pid %1)").arg(*other)) : "");
    });
    QObject::connect(&processSignals, &ProcessSignals::hangUp, &services, [&services] {
        qCInfo(lcCli, "SIGHUP: reading the settings again");
        services.reloadSettings();
    });
    services.start();
    const int status = QCoreApplication::exec();
    if (AppState *state = services.appState())
        state->stopPolling();
    if (ResumeController *resumes = services.resumes())
        resumes->detach();
    if (!QThreadPool::globalInstance()->waitForDone(15'000)) {
        qCWarning(lcCli, "a child of ours would not end; leaving it");
        std::quick_exit(status);
    }
    return status;
}

} // namespace pacewise::cli
