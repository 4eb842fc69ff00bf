#include "UpdateCommand.h"

#include "CommandLine.h"
#include "ExitCode.h"
#include "JsonOutput.h"
#include "app/AppConfiguration.h"
#include "UpdateCheck.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
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

UpdateCheckOutcome checkUpdateFeed(const QUrl &feed)
{
    UpdateCheckOutcome outcome;
    if (feed.isEmpty()) {
        outcome.state = UpdateCheckOutcome::State::packageManager;
        return outcome;
    }
    // Kept loaded: Qt's network stack may leave threads and objects behind.
    QLibrary module(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(PACEWISE_UPDATE_CHECK_MODULE)));
    const auto check = reinterpret_cast<decltype(&pacewiseCheckUpdateFeed)>(module.resolve(checkUpdateFeedSymbol));
    if (check)
        check(feed, QStringLiteral(PACEWISE_VERSION), &outcome);
    else
        outcome.failureReason = QStringLiteral("the update check is not installed: ") + module.errorString();
    return outcome;
}

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
    using State = UpdateCheckOutcome::State;
    const UpdateCheckOutcome outcome = checkUpdateFeed(updateFeedUrl(QSettings()));
    if (parser.isSet(QStringLiteral("json")) && outcome.state != State::failed) {
        const char *state = outcome.state == State::packageManager ? "package_manager"
                            : outcome.state == State::upToDate     ? "up_to_date"
                                                                   : "available";
        printJson(out, QJsonObject{
            {QStringLiteral("version"), QStringLiteral(PACEWISE_VERSION)},
            {QStringLiteral("state"), QString::fromLatin1(state)},
            {QStringLiteral("offered_version"), jsonText(outcome.offeredVersion)},
            {QStringLiteral("release_page"), jsonText(outcome.releasePage.toString())},
        });
        return success;
    }
    switch (outcome.state) {
    case State::packageManager:
        out << "Pacewise " << PACEWISE_VERSION << "; updates come from your package manager\n";
        return success;
    case State::upToDate:
        out << "Pacewise " << PACEWISE_VERSION << " is up to date\n";
        return success;
    case State::available:
        out << "Pacewise " << outcome.offeredVersion << " is available (you have " << PACEWISE_VERSION << ")";
        if (!outcome.releasePage.isEmpty())
            out << ": " << outcome.releasePage.toString();
        out << '\n';
        return success;
    case State::failed:
        err << "pacewisectl update: " << outcome.failureReason << '\n';
        return failure;
    }
    return failure;
}

} // namespace pacewise::cli
