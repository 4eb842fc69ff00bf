#include "DoctorCommand.h"

#include "CommandLine.h"
#include "ExitCode.h"
#include "JsonOutput.h"
#include "app/AppComposition.h"
#include "app/SetupCheck.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QSettings>

namespace pacewise::cli {

namespace {

const char helpText[] = R"(Usage: pacewisectl doctor [--timeout SECONDS] [--json]

Checks what Pacewise needs, one line each, with the fix for what is wrong:
claude and its version, the sign-in, jq, the Endrun guard and its engine
scripts, the status line that records the figures and their age, whether
the tray app or the daemon runs and starts at login, the notification
server, keep-awake (Caffeine) and the paused sessions waiting to continue.
It changes nothing. The settings window's "Check set-up" shows the same.

Options:
  --timeout N  wait at most N seconds for each question to claude (default 15)
  --json       print one JSON object (see docs/json.md)

Exit status: 0 all is well, 1 something needs fixing (each such line says
how), 2 bad arguments.
)";

} // namespace

int runDoctor(const QStringList &arguments, const CommandContext &context, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    parser.addOption(timeoutOption());
    parser.addOption(jsonOption());
    if (const auto done = parseCommandLine(parser, arguments, u"doctor"_qs, helpText, out, err))
        return *done;
    std::optional<double> timeout;
    if (!readTimeout(parser, u"doctor"_qs, timeout, err))
        return usageError;

    const QList<SetupFinding> findings = SetupCheck::run({
        .environment = context.environment,
        .claudePaths = context.claudePaths,
        .engineStatePath = context.engineStatePath,
        .guardOperations = AppComposition::guardOperations(context.environment, context.claudePaths, QSettings()),
        .launchAtLogin = AppComposition::launchAtLogin(QDir(QCoreApplication::applicationDirPath()).filePath(u"pacewise"_qs)),
        .now = context.clock,
        .resolver = context.resolver,
        .runner = context.runner,
        .timeoutSeconds = timeout,
    });
    const bool allWell = std::ranges::all_of(findings, &SetupFinding::ok);
    if (parser.isSet(u"json"_qs)) {
        QJsonArray checks;
        for (const SetupFinding &finding : findings) {
            checks.append(QJsonObject{{u"name"_qs, QLatin1String(finding.name)},
                                      {u"ok"_qs, finding.ok},
                                      {u"finding"_qs, finding.finding},
                                      {u"fix"_qs, jsonText(finding.fix)}});
        }
        printJson(out, QJsonObject{{u"ok"_qs, allWell}, {u"checks"_qs, checks}});
    } else {
        for (const SetupFinding &finding : findings) {
            out << (finding.ok ? "✓ " : "✗ ") << finding.label << ": " << finding.finding;
            if (!finding.ok)
                out << ". Fix: " << finding.fix;
            out << '\n';
        }
        out << SetupCheck::summary(findings) << '\n';
    }
    return allWell ? success : failure;
}

} // namespace pacewise::cli
