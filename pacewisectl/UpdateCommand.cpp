#include "UpdateCommand.h"

#include "CommandLine.h"
#include "ExitCode.h"
#include "JsonOutput.h"
#include "app/AppConfiguration.h"
#include "app/UpdaterController.h"

#include <QCommandLineParser>
#include <QSettings>

namespace pacewise::cli {

namespace {

const char helpText[] = R"(Usage: pacewisectl update check

Tells whether a newer Pacewise exists, from the update feed this build (or
the "updateFeedURL" setting) names. Nothing is downloaded or installed;
without a feed, updates come from your package manager.

Options:
  --json   print one JSON object (see docs/json.md)

Exit status: 0 checked (up to date, or a newer version named), 1 the
check failed (the reason is printed), 2 bad arguments.
)";

} // namespace

int runUpdate(const QStringList &arguments, const CommandContext &, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("action"), QStringLiteral("check"));
    parser.addOption(jsonOption());
    if (const auto done = parseCommandLine(parser, arguments, QStringLiteral("update"), helpText, out, err, 1))
        return *done;
    if (parser.positionalArguments().value(0, QStringLiteral("check")) != u"check") {
        err << "pacewisectl update: the only action is 'check'\n";
        return usageError;
    }
    const QSettings settings;
    UpdaterController updater({.feedUrl = updateFeedUrl(settings), .runningVersion = QStringLiteral(PACEWISE_VERSION)});
    QCoro::waitFor(updater.check());
    const auto result = updater.checkResult();
    const bool checked = result == UpdaterController::CheckResult::notConfigured ||
                         result == UpdaterController::CheckResult::upToDate ||
                         result == UpdaterController::CheckResult::updateAvailable;
    if (parser.isSet(QStringLiteral("json")) && checked) {
        const char *state = result == UpdaterController::CheckResult::notConfigured ? "package_manager"
                            : result == UpdaterController::CheckResult::upToDate    ? "up_to_date"
                                                                                    : "available";
        printJson(out, QJsonObject{
            {QStringLiteral("version"), QStringLiteral(PACEWISE_VERSION)},
            {QStringLiteral("state"), QString::fromLatin1(state)},
            {QStringLiteral("offered_version"), jsonText(updater.offeredVersion())},
            {QStringLiteral("release_page"), jsonText(updater.releasePage().toString())},
        });
        return success;
    }
    switch (result) {
    case UpdaterController::CheckResult::notConfigured:
        out << "Pacewise " << PACEWISE_VERSION << "; updates come from your package manager\n";
        return success;
    case UpdaterController::CheckResult::upToDate:
        out << "Pacewise " << PACEWISE_VERSION << " is up to date\n";
        return success;
    case UpdaterController::CheckResult::updateAvailable:
        out << "Pacewise " << updater.offeredVersion() << " is available (you have " << PACEWISE_VERSION << ")";
        if (!updater.releasePage().isEmpty())
            out << ": " << updater.releasePage().toString();
        out << '\n';
        return success;
    case UpdaterController::CheckResult::failed:
    case UpdaterController::CheckResult::idle:
    case UpdaterController::CheckResult::checking:
        err << "pacewisectl update: " << updater.failureReason() << '\n';
        return failure;
    }
    return failure;
}

} // namespace pacewise::cli
