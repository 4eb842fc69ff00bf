#include "ExitCode.h"
#include "StatusCommand.h"
#include "app/EngineStateLocation.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTextStream>

#include <cstdio>

using namespace pacewise;

namespace {

const char usageText[] = R"(Usage: pacewisectl <command> [options]

Keeps an eye on Claude Code's usage limits from the command line.

Commands:
  status      show the usage of the 5-hour and weekly windows

Options:
  -h, --help     show this help, or a command's with 'pacewisectl <command> --help'
  -v, --version  show the version

Exit status:
  0  success
  1  the command failed
  2  bad arguments (nothing was changed)
  3  no usage data (status only; the reason is printed)

Environment:
  CLAUDE_CONFIG_DIR    Claude Code's configuration directory (default ~/.claude)
  PACEWISE_STATE_PATH  the engine state file (default <config dir>/rate-limit-state.json)
)";

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Pacewise"));
    QCoreApplication::setApplicationName(QStringLiteral("Pacewise"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PACEWISE_VERSION));

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments();
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

    if (command == QLatin1String("status")) {
        const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const QSettings settings;
        const ClaudePaths claudePaths = ClaudePaths::forCurrentUser();
        const cli::StatusContext context{
            .claudePaths = claudePaths,
            .engineStatePath = engineStateLocation(environment, settings, claudePaths),
            .now = QDateTime::currentDateTimeUtc(),
            .locale = QLocale::system(),
            .timeZone = QTimeZone::systemTimeZone(),
        };
        return cli::runStatus(commandArguments, context, out, err);
    }

    err << "pacewisectl: unknown command '" << command << "'; see 'pacewisectl --help'\n";
    return cli::usageError;
}
