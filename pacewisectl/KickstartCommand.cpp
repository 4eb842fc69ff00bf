#include "KickstartCommand.h"

#include "CommandLine.h"
#include "ExitCode.h"
#include "JsonOutput.h"
#include "app/KickstartController.h"
#include "system/DisplayText.h"
#include "usage/UsageCLI.h"
#include "usage/UsageResetFormatter.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <QSettings>
#include <QtConcurrent/QtConcurrentRun>

#include <qcoro/qcorofuture.h>

namespace pacewise::cli {

namespace {

const char helpText[] = R"(Usage: pacewisectl kickstart at HH:MM | off | chain until HH:MM | chain off | now | status
                           [--overnight] [--json]

The morning kickstart sends Claude Code "Good morning" at a chosen time each
day, so that the 5-hour window starts (and resets) early. With the chain on,
it greets again a minute after every reset until the end time. The tray app
or `pacewisectl daemon` sends the greetings; this command sets them up.

  at HH:MM           greet every day at that time (24-hour clock)
  off                stop greeting
  chain until HH:MM  greet again after every reset until that time
  chain off          only the daily greeting
  now                greet once now (unless the window already runs)
  status             show the settings and the last result

A chain that would end at or before the daily time runs past midnight and
greets all night, spending weekly quota while you sleep: it is refused
unless --overnight says that is meant.

Options:
  --overnight  allow a chain that runs past midnight
  --json       print the resulting settings as one JSON object (see
               docs/json.md)

Exit status: 0 done, 1 failed (the reason is printed), 2 bad arguments.
)";

std::optional<KickstartTime> parseTime(const QString &text)
{
    static const QRegularExpression clock(QStringLiteral("^([01]?\\d|2[0-3]):([0-5]\\d)$"));
    const auto match = clock.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return KickstartTime{match.captured(1).toInt(), match.captured(2).toInt()};
}

QString clockText(KickstartTime time)
{
    return QStringLiteral("%1:%2").arg(time.hour, 2, 10, QLatin1Char('0')).arg(time.minute, 2, 10, QLatin1Char('0'));
}

void printStatus(const KickstartController &controller, const CommandContext &context, QTextStream &out)
{
    const auto when = [&](const QDateTime &instant) {
        return UsageResetFormatter::string(instant, true, context.locale, context.timeZone);
    };
    out << "Morning kickstart: ";
    if (controller.enabled()) {
        out << "on at " << clockText(controller.time());
        if (const auto next = controller.nextRunDate())
            out << " (next " << when(*next) << ')';
    } else {
        out << "off";
    }
    out << "\nChain: ";
    if (controller.chainEnabled()) {
        out << "on until " << clockText(controller.chainEndTime());
        if (const auto next = controller.chainNextAt())
            out << " (next " << when(*next) << ')';
    } else {
        out << "off";
    }
    out << '\n';
    if (const QString last = controller.statusText(); !last.isEmpty())
        out << "Last: " << last << '\n';
}

void printJsonStatus(const KickstartController &controller, QTextStream &out)
{
    printJson(out, QJsonObject{
        {QStringLiteral("enabled"), controller.enabled()},
        {QStringLiteral("time"), clockText(controller.time())},
        {QStringLiteral("next_run"), jsonTime(controller.nextRunDate())},
        {QStringLiteral("chain"), QJsonObject{
            {QStringLiteral("enabled"), controller.chainEnabled()},
            {QStringLiteral("until"), clockText(controller.chainEndTime())},
            {QStringLiteral("next_run"), jsonTime(controller.chainNextAt())},
        }},
        {QStringLiteral("last_run_at"), jsonTime(controller.lastRunAt())},
        {QStringLiteral("last_result"), controller.lastResult()
                                            ? QJsonValue(QString::fromLatin1(kickstartResultName(*controller.lastResult())))
                                            : QJsonValue::Null},
        {QStringLiteral("last_reason"), jsonText(controller.lastReason())},
    });
}

} // namespace

int runKickstart(const QStringList &arguments, const CommandContext &context, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("action"), QStringLiteral("at, off, chain, now or status"));
    parser.addOption(jsonOption());
    const QCommandLineOption overnight(QStringLiteral("overnight"));
    parser.addOption(overnight);
    if (const auto done = parseCommandLine(parser, arguments, QStringLiteral("kickstart"), helpText, out, err, 3))
        return *done;
    const QStringList words = parser.positionalArguments();
    const QString action = words.value(0, QStringLiteral("status"));

    QSettings appSettings;
    std::optional<UsageSnapshot> latest;
    std::optional<QDateTime> fetchedAt;
    const UsageCLI usage({.resolver = context.resolver,
                          .runner = context.runner,
                          .accountIdentity = AccountIdentity(context.claudePaths.accountFile()),
                          .environment = context.environment});
    KickstartController controller(KickstartController::Dependencies{
        .appSettings = &appSettings,
        .starter = std::make_shared<Kickstart>(Kickstart::Dependencies{
            .resolver = context.resolver, .runner = context.runner, .environment = context.environment}),
        .usageProvider = [&] { return KickstartController::Usage{latest, fetchedAt}; },
        .refreshUsage = [&]() -> QCoro::Task<> {
            auto fetching = QtConcurrent::run([&usage] { return usage.fetch(); });
            const auto snapshot = co_await fetching;
            if (snapshot) {
                latest = *snapshot;
                fetchedAt = QDateTime::currentDateTimeUtc();
            }
        },
        .wakeSource = nullptr,
        .autostart = false,
        .zone = context.timeZone,
    });

    const auto badUsage = [&] {
        err << "pacewisectl kickstart: use 'at HH:MM', 'off', 'chain until HH:MM', 'chain off', 'now' or 'status'\n";
        return usageError;
    };
    // A chain from start to end, when it would run through the night unasked.
    const auto refusedOvernight = [&](KickstartTime start, KickstartTime end, bool chainOn) {
        if (!chainOn || end.toTime() > start.toTime() || parser.isSet(overnight))
            return false;
        err << "pacewisectl kickstart: the chain would greet from " << clockText(start) << " past midnight until "
            << clockText(end) << ", all night; add --overnight if that is meant\n";
        return true;
    };
    if (action == u"at") {
        const auto time = parseTime(words.value(1));
        if (!time || words.size() != 2)
            return badUsage();
        if (refusedOvernight(*time, controller.chainEndTime(), controller.chainEnabled()))
            return usageError;
        controller.setTime(*time);
        controller.setEnabled(true);
    } else if (action == u"off" && words.size() == 1) {
        controller.setEnabled(false);
    } else if (action == u"chain" && words.value(1) == u"until" && words.size() == 3) {
        const auto end = parseTime(words.value(2));
        if (!end)
            return badUsage();
        if (refusedOvernight(controller.time(), *end, true))
            return usageError;
        controller.setChainEndTime(*end);
        controller.setChainEnabled(true);
    } else if (action == u"chain" && words.value(1) == u"off" && words.size() == 2) {
        controller.setChainEnabled(false);
    } else if (action == u"now" && words.size() == 1) {
        const KickstartOutcome outcome = QCoro::waitFor(controller.runNow());
        const bool sent = outcome.result == KickstartResult::started || outcome.result == KickstartResult::skippedWindowActive;
        if (!saveSettings(appSettings, QStringLiteral("kickstart"), err))
            return failure;
        if (parser.isSet(QStringLiteral("json"))) {
            printJsonStatus(controller, out);
            if (outcome.result == KickstartResult::alreadyRunning)
                err << "pacewisectl kickstart: a greeting is already being sent\n";
            return sent ? success : failure;
        }
        switch (outcome.result) {
        case KickstartResult::started:
            out << "Good morning sent; the 5-hour window has started\n";
            break;
        case KickstartResult::skippedWindowActive:
            out << "The 5-hour window is already running; nothing was sent\n";
            break;
        case KickstartResult::alreadyRunning:
            err << "pacewisectl kickstart: a greeting is already being sent\n";
            break;
        case KickstartResult::cliMissing:
            err << "pacewisectl kickstart: claude was not found on PATH or in the usual install places\n";
            break;
        case KickstartResult::failed:
            err << "pacewisectl kickstart: claude could not send the greeting: "
                << (outcome.reason.isEmpty() ? QStringLiteral("it gave no reason") : terminalText(outcome.reason)) << '\n';
            break;
        }
        return sent ? success : failure;
    } else if (action != u"status" || words.size() > 1) {
        return badUsage();
    }
    if (action != u"status" && !saveSettings(appSettings, QStringLiteral("kickstart"), err))
        return failure;
    if (parser.isSet(QStringLiteral("json"))) {
        printJsonStatus(controller, out);
        return success;
    }
    printStatus(controller, context, out);
    if (action != u"status" && controller.enabled())
        warnWhenNothingRuns(out);
    return success;
}

} // namespace pacewise::cli
