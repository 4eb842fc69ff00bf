#include "AuthCommand.h"
#include "AutostartCommand.h"
#include "CaffeineCommand.h"
#include "DaemonCommand.h"
#include "DoctorCommand.h"
#include "GuardCommand.h"
#include "KickstartCommand.h"
#include "NotificationsCommand.h"
#include "ResumeCommand.h"
#include "ServiceCommand.h"
#include "UpdateCommand.h"
#include "CommandLine.h"
#include "ExitCode.h"
#include "JsonOutput.h"
#include "RecordingOutput.h"
#include "StatusCommand.h"
#include "app/AppConfiguration.h"
#include "system/ScriptRunner.h"
#include "usage/UsageHistory.h"

#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QSettings>
#include <QTextStream>

#include <cstdio>

using namespace pacewise;

namespace {

const char usageText[] = R"(Usage: pacewisectl <command> [options]

Keeps an eye on Claude Code's usage limits from the command line.

First steps: 'pacewisectl doctor' checks the set-up and names what to fix;
'pacewisectl guard on' has Claude Code pause just before a limit, and
'pacewisectl auto-continue on' continues the paused sessions after the reset.

Commands:
  status      show the usage of the 5-hour and weekly windows
  auth        show whether Claude Code is signed in, and as whom
  doctor      check the set-up, one line each, with the fix for what is wrong
  guard       turn the Endrun guard on or off, or show its state
  auto-continue
              continue paused sessions after the reset, or not
  resume      list, continue or dismiss the sessions the guard paused
  kickstart   greet Claude Code each morning so the 5-hour window starts early
  caffeine    keep the computer awake while Pacewise runs, or not (also: keep-awake)
  notifications
              which desktop notifications to show
  service     run the daemon as the systemd user service pacewise.service
  autostart   start Pacewise at login, or not
  update      check whether a newer Pacewise exists
  daemon      poll and continue sessions without a tray, until stopped

Options:
  -h, --help     show this help, or a command's with 'pacewisectl help <command>'
  -v, --version  show the version

With --json, a command prints one JSON object on standard output, also when
it fails: {"error": {"code": "failed", "message": "…"}}, with the exit status
below ("failed", "bad_arguments", "no_usage_data", "not_signed_in").

Exit status:
  0  success
  1  the command failed
  2  bad arguments (nothing was changed)
  3  no usage data (status; the reason is printed)
  4  not signed in (auth)
  5  usage shown, but stale (status)

Environment:
  PATH                 where claude is looked for first
  CLAUDE_CONFIG_DIR    Claude Code's configuration directory (default ~/.claude)
  PACEWISE_STATE_PATH  the engine state file (default <config dir>/rate-limit-state.json)
)";

using Command = int (*)(const QStringList &, const cli::CommandContext &, QTextStream &, QTextStream &);
const std::pair<const char *, Command> commands[] = {
    {"status", cli::runStatus}, {"auth", cli::runAuth}, {"guard", cli::runGuard},
    {"auto-continue", cli::runAutoContinue}, {"resume", cli::runResume}, {"kickstart", cli::runKickstart},
    {"caffeine", cli::runCaffeine}, {"keep-awake", cli::runCaffeine}, {"notifications", cli::runNotifications},
    {"service", cli::runService}, {"autostart", cli::runAutostart},
    {"update", cli::runUpdate},
    {"daemon", cli::runDaemon}, {"doctor", cli::runDoctor},
};

QString errorCode(int exitCode)
{
    switch (exitCode) {
    case cli::usageError:
        return QStringLiteral("bad_arguments");
    case cli::noUsageData:
        return QStringLiteral("no_usage_data");
    case cli::notSignedIn:
        return QStringLiteral("not_signed_in");
    default:
        return QStringLiteral("failed");
    }
}

// A command asked for JSON that failed without printing any still answers
// with one object: its message, without the program's name before it.
void printJsonError(int exitCode, const QByteArray &message, QTextStream &out)
{
    QString text = QString::fromUtf8(message).trimmed().section(u'\n', 0, 0);
    if (const qsizetype colon = text.indexOf(u": "_qs); text.startsWith(u"pacewisectl "_qs) && colon > 0)
        text = text.mid(colon + 2);
    cli::printJson(out, QJsonObject{{QStringLiteral("error"),
                                     QJsonObject{{QStringLiteral("code"), errorCode(exitCode)}, {QStringLiteral("message"), text}}}});
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Pacewise"));
    QCoreApplication::setApplicationName(QStringLiteral("Pacewise"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PACEWISE_VERSION));

    // A command's own one-line message is what the user reads; the library's
    // log lines would only repeat it. The daemon's log is its output.
    // QT_LOGGING_RULES still turns them on.
    if (QCoreApplication::arguments().value(1) != u"daemon")
        QLoggingCategory::setFilterRules(QStringLiteral("pacewise.*.info=false\npacewise.*.warning=false"));

    cli::RecordingOutput standardOutput(stdout);
    cli::RecordingOutput standardError(stderr);
    QTextStream out(&standardOutput);
    QTextStream err(&standardError);
    QStringList arguments = QCoreApplication::arguments();
    // "pacewisectl help status" is "pacewisectl status --help".
    if (arguments.value(1) == u"help" && arguments.size() > 2)
        arguments = {arguments.at(0), arguments.at(2), QStringLiteral("--help")};
    const QString command = arguments.value(1);

    if (command == QLatin1String("-h") || command == QLatin1String("--help") || command == QLatin1String("help")) {
        out << usageText;
        return cli::success;
    }
    if (command == QLatin1String("-v") || command == QLatin1String("--version")) {
        out << "pacewisectl " << PACEWISE_VERSION << '\n';
        return cli::success;
    }
    if (command.isEmpty()) {
        err << usageText;
        return cli::usageError;
    }

    // Each command parses its own options: "pacewisectl status --help".
    QStringList commandArguments = arguments.mid(1);
    commandArguments[0] = QStringLiteral("pacewisectl ") + command;

    QStringList names;
    for (const auto &[name, run] : commands) {
        names << QLatin1String(name);
        if (command != QLatin1String(name))
            continue;
        const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const QSettings appSettings;
        const ClaudePaths claudePaths = ClaudePaths::forCurrentUser();
        const cli::CommandContext context{
            .environment = environment,
            .homeDirectory = QDir::homePath(),
            .claudePaths = claudePaths,
            .engineStatePath = engineStateLocation(environment, appSettings, claudePaths),
            .usageHistoryPath = UsageHistory::defaultLocation(),
            .clock = [] { return QDateTime::currentDateTimeUtc(); },
            .locale = QLocale::c(),
            .timeZone = QTimeZone::systemTimeZone(),
            .resolver = std::make_shared<CLIPathResolver>(),
            .runner = std::make_shared<ScriptRunner>(),
        };
        const int exitCode = run(commandArguments, context, out, err);
        out.flush();
        err.flush();
        if (exitCode != cli::success && commandArguments.contains(u"--json"_qs) && !standardOutput.wroteAnything())
            printJsonError(exitCode, standardError.recorded(), out);
        return exitCode;
    }

    err << "pacewisectl: unknown command '" << command << '\'';
    if (const auto meant = cli::closestName(command, names))
        err << "; did you mean '" << *meant << "'?\n";
    else
        err << "; see 'pacewisectl --help'\n";
    return cli::usageError;
}
