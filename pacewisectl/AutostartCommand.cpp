#include "AutostartCommand.h"

#include "CommandLine.h"
#include "ExitCode.h"
#include "PacewiseCoreInfo.h"
#include "app/LaunchAtLoginController.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace pacewise::cli {

namespace {

const char helpText[] = R"(Usage: pacewisectl autostart on|off|status

Starts Pacewise when you log in to a desktop session, through an XDG
autostart entry (~/.config/autostart/pacewise.desktop) that runs
`pacewisectl daemon`. An entry you edited is kept: switching off then only
marks it hidden.

Exit status: 0 done, 1 failed (the reason is printed), 2 bad arguments.
)";

// Exec= of a desktop entry: a path with spaces goes in double quotes.
QString execLine(const QString &program)
{
    const QString quoted = program.contains(u' ') ? u'"' + program + u'"' : program;
    return quoted + QStringLiteral(" daemon");
}

} // namespace

int runAutostart(const QStringList &arguments, const CommandContext &, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("action"), QStringLiteral("on, off or status"));
    if (const auto done = parseCommandLine(parser, arguments, QStringLiteral("autostart"), helpText, out, err, 1))
        return *done;
    const QString action = parser.positionalArguments().value(0, QStringLiteral("status"));
    if (action != u"on" && action != u"off" && action != u"status") {
        err << "pacewisectl autostart: unknown action '" << action << "'; use on, off or status\n";
        return usageError;
    }
    const auto service = std::make_shared<XdgAutostartService>(XdgAutostartService::defaultDirectory(),
                                                               QString::fromLatin1(PacewiseCoreInfo::applicationId), QStringLiteral("Pacewise"),
                                                               execLine(QCoreApplication::applicationFilePath()));
    LaunchAtLoginController controller(service);
    if (action != u"status" && !controller.setEnabled(action == u"on")) {
        err << "pacewisectl autostart: " << service->entryPath() << " could not be updated\n";
        return failure;
    }
    out << "Start at login: " << (controller.isEnabled() ? "on" : "off") << " (" << service->entryPath() << ")\n";
    return success;
}

} // namespace pacewise::cli
