#include "StatusCommand.h"

#include "CommandLine.h"
#include "ExitCode.h"
#include "JsonOutput.h"
#include "StatusReport.h"
#include "StatusWatch.h"

#include <QCommandLineParser>

namespace pacewise::cli {

namespace {

const char helpText[] = R"(Usage: pacewisectl status [--source auto|cli|state] [--timeout SECONDS]
                          [--json | --format TEMPLATE | --watch]

Shows the usage of the 5-hour and weekly windows: one line per limit with its
reset time in the local time zone and how long until then ("not started"
for a window that has reset and not begun again), whether the account runs
on extra usage, when the figures were confirmed, when the 5-hour window runs
out at the pace of the last hour (if before its reset), the figure the tray
shows and its severity (normal, warning from 80 %, critical from 98 % of the
worst window), and where the figures came from.
Each figure shown is kept in ~/.local/state/pacewise/usage-history.json for
the pace.

Options:
  --source auto    use the figures Claude Code's status line confirmed
                   within the poll interval, else ask claude's usage
                   report, else read the engine state file (the default)
  --source cli     only ask claude (runs `claude -p "/usage limits"`, which
                   costs no model turn)
  --source state   only read the engine state file
  --timeout N      wait at most N seconds for claude (default 30)
  --json           print one JSON object (see docs/json.md)
  --watch          keep showing the figures, the paused sessions and the
                   time left, redrawn as they change (as Claude Code's
                   status line records a reply, say) and each second, until
                   q or Ctrl-C; claude is asked only while the figures are
                   older than they are good for and no tray app or daemon
                   polls
  --format T       print T with these fields filled in, for status bars:
                   {five_hour} {week} {tray} (percentages without the % sign),
                   {five_hour_reset} (local HH:MM), {week_reset} (weekday and
                   HH:MM), {five_hour_reset_in} {week_reset_in} (time left,
                   "2 h 01 min"), {severity}, {source}, {limit_at} (when the
                   5-hour window runs out at the recent pace, if before its
                   reset), {age} (how long ago the figures were confirmed,
                   "3 min"), {stale} ("stale" once they are older than they
                   are good for, else nothing); a reset field of a window
                   that has not started says "not started", "--" stands for
                   a figure that is not known, '{{' and '}}' for braces.
                   Example: --format '5h {five_hour}% · week {week}%{stale}'

Figures from claude's usage report are merged into the engine state file,
where the Endrun guard and status bars read them. Figures are stale once
they are older than the poll interval they call for (1 min near a limit,
5 min from 30 %, 20 min below) and a minute more.

Exit status: 0 usage shown, 2 bad arguments, 3 no usage data (the reason is
printed), 5 usage shown but stale (a status bar can grey it).
)";

} // namespace

int runStatus(const QStringList &arguments, const CommandContext &context, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    parser.addOption(QCommandLineOption(QStringLiteral("source"), QStringLiteral("Where the figures come from."),
                                        QStringLiteral("auto|cli|state"), QStringLiteral("auto")));
    parser.addOption(timeoutOption());
    parser.addOption(jsonOption());
    parser.addOption(QCommandLineOption(QStringLiteral("format"), QStringLiteral("A template for status bars."),
                                        QStringLiteral("template")));
    parser.addOption(QCommandLineOption(QStringLiteral("watch"), QStringLiteral("Keep showing the figures as they change.")));
    if (const auto done = parseCommandLine(parser, arguments, QStringLiteral("status"), helpText, out, err))
        return *done;
    const QString source = parser.value(QStringLiteral("source"));
    if (source != u"auto" && source != u"cli" && source != u"state") {
        err << "pacewisectl status: --source takes auto, cli or state, not '" << source << "'\n";
        return usageError;
    }
    std::optional<double> timeout;
    if (!readTimeout(parser, QStringLiteral("status"), timeout, err))
        return usageError;
    const bool json = parser.isSet(QStringLiteral("json"));
    const std::optional<QString> format =
        parser.isSet(QStringLiteral("format")) ? std::optional(parser.value(QStringLiteral("format"))) : std::nullopt;
    const bool watch = parser.isSet(QStringLiteral("watch"));
    if (int(json) + int(format.has_value()) + int(watch) > 1) {
        err << "pacewisectl status: --json, --format and --watch cannot be used together\n";
        return usageError;
    }
    if (watch && source == u"cli") {
        err << "pacewisectl status: --watch follows the engine state file; it does not go with --source cli\n";
        return usageError;
    }
    if (watch)
        return StatusWatch(context, source != u"state", timeout, out).exec();
    // A broken template is reported before claude is asked for anything.
    if (format) {
        if (const auto checked = fillTemplate(*format, StatusReport{}.formatFields(context)); !checked) {
            err << "pacewisectl status: --format: " << checked.error() << "; see 'pacewisectl status --help'\n";
            return usageError;
        }
    }

    const UsageFigures figures = fetchUsageFigures(context,
                                                     source == u"cli"     ? UsageFigures::Ask::claudeOnly
                                                     : source == u"state" ? UsageFigures::Ask::stateFileOnly
                                                                          : UsageFigures::Ask::automatic,
                                                     timeout);
    const StatusReport report = StatusReport::from(figures, context);
    if (json)
        report.printJson(context, out);
    else if (format)
        out << *fillTemplate(*format, report.formatFields(context)) << '\n';
    else
        report.printText(context, out);
    return report.exitCode();
}

} // namespace pacewise::cli
