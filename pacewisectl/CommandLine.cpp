#include "CommandLine.h"

#include "ExitCode.h"

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
        err << "pacewisectl " << command << ": --timeout takes a number of seconds from 0 to 3600, not '"
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

} // namespace pacewise::cli
