#include "CommandLine.h"

#include "app/BackgroundServices.h"

#include "ExitCode.h"
#include "JsonOutput.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace pacewise::cli {

namespace {

qsizetype editDistance(const QString &first, const QString &second)
{
    std::vector<qsizetype> row(size_t(second.size() + 1));
    std::iota(row.begin(), row.end(), 0);
    for (qsizetype i = 1; i <= first.size(); ++i) {
        qsizetype diagonal = row[0];
        row[0] = i;
        for (qsizetype j = 1; j <= second.size(); ++j) {
            const qsizetype above = row[size_t(j)];
            row[size_t(j)] = std::min({above + 1, row[size_t(j - 1)] + 1, diagonal + (first[i - 1] == second[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row.back();
}

// Qt's own parse errors read "Unknown option 'x'."; ours go on after them.
QString clause(QString text)
{
    if (text.endsWith(u'.'))
        text.chop(1);
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

} // namespace

std::optional<QString> closestName(const QString &typed, const QStringList &names)
{
    std::optional<QString> best;
    qsizetype bestDistance = std::max<qsizetype>(1, typed.size() / 3) + 1;
    for (const QString &name : names) {
        const qsizetype distance = name.startsWith(typed) && typed.size() >= 2 ? 0 : editDistance(typed, name);
        if (distance < bestDistance) {
            best = name;
            bestDistance = distance;
        }
    }
    return best;
}

std::optional<int> parseCommandLine(QCommandLineParser &parser, const QStringList &arguments,
                                    const QString &command, const char *helpText, QTextStream &out,
                                    QTextStream &err, qsizetype maximumPositional)
{
    parser.addHelpOption();
    const QString seeHelp = QStringLiteral("; see 'pacewisectl %1 --help'\n").arg(command);
    if (!parser.parse(arguments)) {
        err << "pacewisectl " << command << ": ";
        if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty()) {
            // The options a command takes are those its help lists.
            static const QRegularExpression listed(QStringLiteral("--[a-z][a-z0-9-]*"));
            QStringList options{QStringLiteral("--help")};
            for (auto found = listed.globalMatch(QLatin1String(helpText)); found.hasNext();)
                options << found.next().captured();
            const QString typed = (unknown.constFirst().size() == 1 ? u"-"_qs : u"--"_qs) + unknown.constFirst();
            err << "unknown option '" << typed << '\'';
            if (const auto meant = closestName(typed, options))
                err << "; did you mean '" << *meant << "'?\n";
            else
                err << seeHelp;
        } else {
            err << clause(parser.errorText()) << seeHelp;
        }
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
        err << "pacewisectl " << command << ": unknown action '" << action << '\'';
        if (const auto meant = closestName(action, actions))
            err << "; did you mean '" << *meant << "'?\n";
        else
            err << "; use " << choices << '\n';
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

bool saveSettings(QSettings &appSettings, const QString &command, QTextStream &err)
{
    appSettings.sync();
    if (appSettings.status() == QSettings::NoError)
        return true;
    err << "pacewisectl " << command << ": the settings could not be saved to " << appSettings.fileName()
        << (appSettings.status() == QSettings::AccessError ? QStringLiteral(" (not writable)") : QStringLiteral(" (unreadable format)"))
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
