#include "ResumeCommand.h"

#include "ResumeText.h"

#include "CommandLine.h"
#include "ExitCode.h"
#include "JsonOutput.h"
#include "CommandUsage.h"
#include "app/AppComposition.h"
#include "guard/GuardErrorText.h"
#include "guard/GuardHolds.h"
#include "resume/ClaudeSessions.h"
#include "resume/LastMessageResolver.h"
#include "resume/ResumeCoordinator.h"
#include "resume/ResumeStatus.h"
#include "system/DisplayText.h"
#include "system/ErrorText.h"
#include "usage/UsageResetFormatter.h"

#include <QCommandLineParser>
#include <QDir>
#include <QJsonArray>
#include <QRegularExpression>

#include <atomic>

#include <signal.h>

namespace pacewise::cli {

namespace {

const char resumeHelp[] = R"(Usage: pacewisectl resume list
       pacewisectl resume now [--force] <session>
       pacewisectl resume dismiss <session>

Sessions the Endrun guard paused at a usage limit, kept as tickets in
~/.claude/pacewise-resume-tickets until they are continued.

  list     one line per session: title, directory, reset time, where it
           stands and the permission mode a resume runs it in, e.g.
             held by the guard until 22:55; goes on by itself
             last try 20:03 failed: claude exited with status 1: No
               conversation found …; next try 21:03
             needs you: Bash was not allowed
  now      continue the session at once, if the quota allows (with
           figures at most five minutes old, asking claude when needed);
           runs `claude -p --resume=<session>` in the session's directory
           and waits for it (up to 30 minutes); Ctrl-C stops claude too,
           and the session stays to be continued later; a closed
           terminal lets claude go on. With --force it runs even while a
           limit is exhausted (Claude Code will likely stop again at it).
  dismiss  forget the session without continuing it; a call the guard
           holds for it goes on at once

<session> is the session id, or any unique start of it.

Options:
  --json   with list: print one JSON object (see docs/json.md)
  --force  with now: do not wait for the quota

Exit status: 0 done, 1 failed (the reason is printed), 2 bad arguments.
)";

const char autoContinueHelp[] = R"(Usage: pacewisectl auto-continue on|off|status

With auto-continue on, the guard records every session it stops, and the
tray app or `pacewisectl daemon` continues it after the reset. The guard
must be on too ('pacewisectl guard on').

Options:
  --json   print the resulting state as one JSON object (see docs/json.md)

Exit status: 0 done, 1 failed (the reason is printed), 2 bad arguments.
)";

std::optional<ResumeTicket> findTicket(const QList<ResumeTicket> &tickets, const QString &wanted, QTextStream &err)
{
    QList<ResumeTicket> matches;
    for (const ResumeTicket &ticket : tickets) {
        if (ticket.sessionID == wanted)
            return ticket;
        if (ticket.sessionID.startsWith(wanted, Qt::CaseInsensitive))
            matches.append(ticket);
    }
    if (matches.size() == 1)
        return matches.constFirst();
    err << "pacewisectl resume: "
        << (matches.isEmpty() ? QStringLiteral("no paused session '%1'; see 'pacewisectl resume list'")
                              : QStringLiteral("'%1' matches %2 sessions; give more of the id").arg(matches.size()))
               .arg(wanted)
        << '\n';
    return std::nullopt;
}

int list(const ResumeCoordinator &coordinator, const CommandContext &context, bool json, QTextStream &out, QTextStream &err)
{
    const ResumeQueue &queue = coordinator.queue();
    const QList<ResumeTicket> tickets = queue.tickets();
    LastMessageResolver titles(context.claudePaths.sessionsDirectory());
    titles.reload(tickets);
    const QDateTime now = context.clock();
    const auto statusOf = [&](const ResumeTicket &ticket) {
        return ResumeStatus::of(ticket, queue.record(ticket.sessionID),
                                ClaudeSessions::openSession(context.claudePaths.sessionsDirectory(), ticket.sessionID), now);
    };
    const auto untrusted = queue.untrustedBecause();
    if (untrusted)
        err << "pacewisectl resume: no ticket is trusted: " << *untrusted << '\n';
    if (json) {
        QJsonArray sessions;
        for (const ResumeTicket &ticket : tickets) {
            const ResumeStatus status = statusOf(ticket);
            const auto record = queue.record(ticket.sessionID);
            const bool current = record && record->ticketCreatedAt == ticket.createdAt;
            sessions.append(QJsonObject{
                {QStringLiteral("session_id"), ticket.sessionID},
                {QStringLiteral("title"), titles.title(ticket)},
                {QStringLiteral("cwd"), ticket.cwd},
                {QStringLiteral("stopped_at"), jsonTime(ticket.createdAt)},
                {QStringLiteral("resets_at"), jsonTime(ticket.resetsAt)},
                {QStringLiteral("used_percent"), ticket.usedPercentage ? QJsonValue(*ticket.usedPercentage) : QJsonValue::Null},
                {QStringLiteral("state"), ResumeStatus::token(status.kind)},
                {QStringLiteral("permission_mode"), coordinator.permissionModeFor(ticket).value_or(QStringLiteral("default"))},
                {QStringLiteral("attempts"), status.attempts},
                {QStringLiteral("last_attempt_at"), jsonTime(current ? record->lastAttemptAt : std::nullopt)},
                {QStringLiteral("last_result"), current && record->lastOutcome ? QJsonValue(outcomeName(*record->lastOutcome))
                                                                               : QJsonValue::Null},
                {QStringLiteral("last_reason"), jsonText(current && record->lastReason ? record->lastReason->text() : QString())},
                {QStringLiteral("last_reason_code"), current && record->lastReason ? QJsonValue(record->lastReason->token())
                                                                                  : QJsonValue::Null},
                {QStringLiteral("next_try_at"), jsonTime(current ? record->nextTryAt : std::nullopt)},
            });
        }
        printJson(out, QJsonObject{{QStringLiteral("sessions"), sessions}, {QStringLiteral("untrusted"), jsonText(untrusted.value_or(QString()))}});
        return success;
    }
    if (tickets.isEmpty()) {
        out << "No paused sessions.\n";
        return success;
    }
    for (const ResumeTicket &ticket : tickets) {
        const auto mode = coordinator.permissionModeFor(ticket);
        out << ticket.sessionID.left(8) << "  " << terminalText(titles.title(ticket)) << '\n'
            << "          " << terminalText(ticket.cwd) << " · resets "
            << UsageResetFormatter::string(ticket.resetsAt, true, context.locale, context.timeZone) << " · "
            << resumeStatusText(statusOf(ticket), context) << (mode ? QStringLiteral(" · runs in %1 mode").arg(*mode) : QString())
            << '\n';
    }
    return success;
}

// What a signal does to the run under way. claude runs in a session of its
// own, so Ctrl-C reaches it only through here and stops it; a closed
// terminal or a SIGTERM only stops the waiting, and the run goes on.
std::atomic<ResumeCoordinator *> interruptible = nullptr;

void interrupt(int signal)
{
    // Each is one write(2) to an eventfd: safe in a handler.
    if (ResumeCoordinator *coordinator = interruptible.load())
        signal == SIGINT ? coordinator->stop() : coordinator->detach();
}

int resumeNow(const ResumeTicket &ticket, ResumeCoordinator &coordinator, bool force, const CommandContext &context,
              QTextStream &out, QTextStream &err)
{
    // The quota must be confirmed by figures at most five minutes old.
    const UsageFigures figures = fetchUsageFigures(context, UsageFigures::Ask::automatic, std::nullopt);
    std::optional<QDateTime> fetchedAt;
    if (figures.snapshot)
        fetchedAt = figures.source == UsageFigures::Source::claude ? figures.takenAt : figures.snapshot->latestConfirmation();

    interruptible = &coordinator;
    struct sigaction handler {};
    handler.sa_handler = interrupt;
    sigemptyset(&handler.sa_mask);
    struct sigaction previous[3];
    const int stopSignals[] = {SIGINT, SIGTERM, SIGHUP};
    for (int index = 0; index < 3; ++index)
        ::sigaction(stopSignals[index], &handler, &previous[index]);
    const auto result = coordinator.attempt(ticket, figures.snapshot, fetchedAt, context.clock(), true, force);
    for (int index = 0; index < 3; ++index)
        ::sigaction(stopSignals[index], &previous[index], nullptr);
    interruptible = nullptr;

    const QString text = resumeResultText(result, context);
    if (result.kind == ResumeAttemptResult::Kind::succeeded || result.kind == ResumeAttemptResult::Kind::alreadyContinued) {
        out << ticket.sessionID.left(8) << ": " << text << '\n';
        return success;
    }
    err << "pacewisectl resume: " << ticket.sessionID.left(8) << ": " << text << '\n';
    return failure;
}

} // namespace

int runResume(const QStringList &arguments, const CommandContext &context, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("action"), QStringLiteral("list, now or dismiss"));
    parser.addOption(jsonOption());
    parser.addOption(QCommandLineOption(QStringLiteral("force"), QStringLiteral("With now: do not wait for the quota.")));
    if (const auto done = parseCommandLine(parser, arguments, QStringLiteral("resume"), resumeHelp, out, err, 2))
        return *done;
    if (parser.isSet(QStringLiteral("force")) && parser.positionalArguments().value(0) != u"now") {
        err << "pacewisectl resume: --force goes with now only\n";
        return usageError;
    }
    const QStringList positional = parser.positionalArguments();
    const QString action = positional.value(0, QStringLiteral("list"));
    const bool json = parser.isSet(QStringLiteral("json"));
    ResumeCoordinator::Dependencies dependencies = AppComposition::resumeCoordinator(context.environment, context.claudePaths);
    dependencies.resolver = context.resolver;
    dependencies.runner = context.runner;
    dependencies.now = context.clock;
    ResumeCoordinator coordinator(dependencies);
    if (action == u"list" && positional.size() <= 1)
        return list(coordinator, context, json, out, err);
    if (json) {
        err << "pacewisectl resume: --json goes with list only\n";
        return usageError;
    }
    if ((action != u"now" && action != u"dismiss") || positional.size() != 2) {
        err << "pacewisectl resume: use 'list', 'now <session>' or 'dismiss <session>'\n";
        return usageError;
    }
    static const QRegularExpression sessionID(QStringLiteral("^[0-9A-Fa-f-]{1,36}$"));
    if (!sessionID.match(positional.at(1)).hasMatch()) {
        err << "pacewisectl resume: '" << positional.at(1) << "' is not a session id; see 'pacewisectl resume list'\n";
        return usageError;
    }
    const auto ticket = findTicket(coordinator.queue().tickets(), positional.at(1), err);
    if (!ticket)
        return failure;
    if (action == u"now")
        return resumeNow(*ticket, coordinator, parser.isSet(QStringLiteral("force")), context, out, err);
    // A call the guard holds for it goes on now: nothing will continue it later.
    const auto released = GuardHolds(GuardHolds::directoryFor(context.engineStatePath)).release({ticket->sessionID});
    if (const auto removed = coordinator.dismiss(ticket->sessionID); !removed) {
        err << "pacewisectl resume: the ticket could not be deleted (" << systemErrorText(removed.error())
            << ")\n";
        return failure;
    }
    out << ticket->sessionID.left(8) << ": dismissed"
        << (released && !released->isEmpty() ? "; the call the guard held goes on now" : "") << '\n';
    return success;
}

int runAutoContinue(const QStringList &arguments, const CommandContext &context, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    const auto parsed =
        parseAction(parser, arguments, QStringLiteral("auto-continue"), autoContinueHelp, switchActions(), out, err);
    if (!parsed)
        return parsed.error();
    const QString &action = *parsed;
    const AutoContinueSetting setting = AppComposition::autoContinueSetting(context.claudePaths);
    if (action != u"status") {
        if (const auto set = setting.set(action == u"on"); !set) {
            err << "pacewisectl auto-continue: " << set.error() << '\n';
            return failure;
        }
    }
    const auto state = setting.read();
    if (!state) {
        err << "pacewisectl auto-continue: " << describe(state.error(), setting.settingsPath) << '\n';
        return failure;
    }
    const auto guardOn = setting.settingsManager.isGuardEnabled(setting.settingsPath);
    // Tickets in a folder someone else could write are never run.
    const auto untrusted = state->enabled ? ResumeQueue(setting.ticketDirectory).untrustedBecause() : std::nullopt;
    if (parser.isSet(QStringLiteral("json"))) {
        printJson(out, QJsonObject{{QStringLiteral("enabled"), state->enabled},
                                   {QStringLiteral("directory"), jsonText(state->enabled ? setting.ticketDirectory : QString())},
                                   {QStringLiteral("guard_enabled"), guardOn && *guardOn},
                                   {QStringLiteral("untrusted"), jsonText(untrusted.value_or(QString()))}});
        return success;
    }
    out << "Auto-continue: " << (state->enabled ? QStringLiteral("on (") + setting.ticketDirectory + u')' : QStringLiteral("off"))
        << '\n';
    if (untrusted)
        out << "No session recorded there is continued: " << *untrusted << '\n';
    if (action == u"on")
        warnWhenNothingRuns(out);
    if (state->elsewhere) {
        out << "The guard records tickets in " << *state->elsewhere
            << ", which Pacewise does not read; 'pacewisectl auto-continue on' points it at " << setting.ticketDirectory << '\n';
    }
    // Tickets come from the guard alone: without it this switch records nothing.
    if (state->enabled && guardOn && !*guardOn)
        out << "The Endrun guard is off, so no session is recorded; turn it on with 'pacewisectl guard on'\n";
    return success;
}

} // namespace pacewise::cli
