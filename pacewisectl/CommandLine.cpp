#include "CommandLine.h"

#include "app/BackgroundServices.h"

#include "ExitCode.h"
#include "JsonOutput.h"

#include <cmath>

namespace pacewise::cli {

std::optional<int> parseCommandLine(QCommandLineParser &parser, const QStringList &arguments,
                                    const QString &command, const char *helpText, QTextStream &out,
                                    QTextStream &err, qsizetype maximumPositional)
{
    parser.addHelpOption();
    const QString seeHelp = QStringLiteral("; see 'pacewisectl %1 --help'\n").arg(command);
    if (!parser.parse(arguments)) {
        err << "pacewisectl " << command << ": " << parser.errorText() << seeHelp;
        return usageError;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out << helpText;
        return success;
    }
    if (parser.positionalArguments().size() > maximumPositional) {
        err << "pacewisectl " << command << ": unexpected argument '" << parser.positionalArguments().at(maximumPositional)
            << '\'' << seeHelp;
        return usageError;
    }
    return std::nullopt;
}

std::expected<QString, int> parseAction(QCommandLineParser &parser, const QStringList &arguments, const QString &command,
                                        const char *helpText, const QStringList &actions, QTextStream &out, QTextStream &err,
                                        const QString &jsonOnlyFor)
{
    // "on, off or status"
    const QString choices = actions.size() < 2 ? actions.join(QString())
                                               : actions.mid(0, actions.size() - 1).join(QStringLiteral(", ")) +
                                                     QStringLiteral(" or ") + actions.constLast();
    parser.addPositionalArgument(QStringLiteral("action"), choices);
    parser.addOption(jsonOption());
    if (const auto done = parseCommandLine(parser, arguments, command, helpText, out, err, 1))
        return std::unexpected(*done);
    const QString action = parser.positionalArguments().value(0, QStringLiteral("status"));
    if (!actions.contains(action)) {
        err << "pacewisectl " << command << ": unknown action '" << action << "'; use " << choices << '\n';
        return std::unexpected(usageError);
    }
    if (!jsonOnlyFor.isEmpty() && parser.isSet(QStringLiteral("json")) && action != jsonOnlyFor) {
        err << "pacewisectl " << command << ": --json goes with " << jsonOnlyFor << " only\n";
        return std::unexpected(usageError);
    }
    return action;
}

QStringList switchActions()
{
    return {QStringLiteral("on"), QStringLiteral("off"), QStringLiteral("status")};
}

QCommandLineOption timeoutOption()
{
    return QCommandLineOption(QStringLiteral("timeout"), QStringLiteral("How long to wait for claude."),
                              QStringLiteral("seconds"));
}

bool readTimeout(const QCommandLineParser &parser, const QString &command, std::optional<double> &timeout,
                 QTextStream &err)
{
    if (!parser.isSet(QStringLiteral("timeout")))
        return true;
    bool isNumber = false;
    const double seconds = parser.value(QStringLiteral("timeout")).toDouble(&isNumber);
    if (!isNumber || !std::isfinite(seconds) || seconds <= 0 || seconds > 3600) {
        err << "pacewisectl " << command << ": --timeout takes a number of seconds above 0 and up to 3600, not '"
            << parser.value(QStringLiteral("timeout")) << "'\n";
        return false;
    }
    timeout = seconds;
    return true;
}

bool saveSettings(QSettings &settings, const QString &command, QTextStream &err)
{
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    err << "pacewisectl " << command << ": the settings could not be saved to " << settings.fileName()
        << (settings.status() == QSettings::AccessError ? QStringLiteral(" (not writable)") : QStringLiteral(" (unreadable format)"))
        << '\n';
    return false;
}

void warnWhenNothingRuns(QTextStream &out)
{
    if (!BackgroundServices::runningProcess()) {
        out << "Note: neither the tray app nor the daemon runs, so nothing acts on this yet; start the tray app with "
               "'pacewise', or the daemon with 'pacewisectl service install'\n";
    }
}

} // namespace pacewise::cli
