#include "ResumeCommand.h"

#include "app/AppComposition.h"
#include "CommandLine.h"
#include "ExitCode.h"
#include "JsonOutput.h"
#include "guard/GuardErrorText.h"
#include "resume/ClaudeSessions.h"
#include "resume/LastMessageResolver.h"
#include "resume/ResumeCoordinator.h"
#include "system/ErrorText.h"
#include "usage/UsageCLI.h"
#include "usage/UsageResetFormatter.h"

#include <QCommandLineParser>
#include <QDir>
#include <QJsonArray>
#include <QRegularExpression>

namespace pacewise::cli {

namespace {

const char resumeHelp[] = R"(Usage: pacewisectl resume list
       pacewisectl resume now <session>
       pacewisectl resume dismiss <session>

Sessions the Endrun guard stopped at a usage limit, kept as tickets in
~/.claude/pacewise-resume-tickets until they are continued.

  list     one line per session: title, directory, reset time and state
  now      continue the session at once, if the quota allows (asks claude
           for fresh figures first); runs `claude -p --resume=<session>` in
           the session's directory and waits for it (up to 30 minutes)
  dismiss  forget the session without continuing it

<session> is the session id, or any unique start of it.

Options:
  --json   with list: print one JSON object (see docs/json.md)

Exit status: 0 done, 1 failed (the reason is printed), 2 bad arguments.
)";

const char autoContinueHelp[] = R"(Usage: pacewisectl auto-continue on|off|status

With auto-continue on, the guard records every session it stops, and the
tray app or `pacewisectl daemon` continues it after the reset.

Options:
  --json   print the resulting state as one JSON object (see docs/json.md)

Exit status: 0 done, 1 failed (the reason is printed), 2 bad arguments.
)";

QString resultText(const ResumeAttemptResult &result, const QLocale &locale, const QTimeZone &zone)
{
    using Kind = ResumeAttemptResult::Kind;
    switch (result.kind) {
    case Kind::succeeded:
        return QStringLiteral("continued");
    case Kind::waitingForReset:
        return QStringLiteral("waiting for the reset at %1")
            .arg(UsageResetFormatter::string(result.until, true, locale, zone));
    case Kind::backingOff:
        return QStringLiteral("waiting until %1 before another try")
            .arg(UsageResetFormatter::string(result.until, true, locale, zone));
    case Kind::quotaUnavailable:
        return QStringLiteral("the quota is still occupied");
    case Kind::quotaUnconfirmed:
        return QStringLiteral("the available quota could not be confirmed");
    case Kind::alreadyRunning:
        return QStringLiteral("being continued by another Pacewise right now");
    case Kind::sessionStillOpen:
        return QStringLiteral("still open in Claude Code, which continues it by itself");
    case Kind::failed:
    case Kind::needsAttention:
        return result.reason;
    }
    Q_UNREACHABLE();
    return {};
}

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
        << (matches.isEmpty() ? QStringLiteral("no stopped session '%1'; see 'pacewisectl resume list'")
                              : QStringLiteral("'%1' matches %2 sessions; give more of the id").arg(matches.size()))
               .arg(wanted)
        << '\n';
    return std::nullopt;
}

// Why a stopped session is or is not continued now: a token for JSON and
// the words for people.
std::pair<const char *, QString> ticketState(const ResumeTicket &ticket, const CommandContext &context)
{
    if (ClaudeSessions::isOpen(context.claudePaths.sessionsDirectory(), ticket.sessionID))
        return {"open_in_claude", QStringLiteral("waiting: still open in Claude Code")};
    if (!QFileInfo(ticket.cwd).isDir())
        return {"directory_missing", QStringLiteral("its directory no longer exists")};
    if (context.clock() < ticket.resetsAt)
        return {"waiting_for_reset", QStringLiteral("waits for the reset")};
    return {"ready", QStringLiteral("ready")};
}

int list(const CommandContext &context, bool json, QTextStream &out)
{
    const ResumeQueue queue(context.claudePaths.resumeTicketDirectory());
    const QList<ResumeTicket> tickets = queue.tickets();
    LastMessageResolver titles(context.claudePaths.sessionsDirectory());
    titles.reload(tickets);
    if (json) {
        QJsonArray sessions;
        for (const ResumeTicket &ticket : tickets) {
            sessions.append(QJsonObject{
                {QStringLiteral("session_id"), ticket.sessionID},
                {QStringLiteral("title"), titles.title(ticket)},
                {QStringLiteral("cwd"), ticket.cwd},
                {QStringLiteral("stopped_at"), jsonTime(ticket.createdAt)},
                {QStringLiteral("resets_at"), jsonTime(ticket.resetsAt)},
                {QStringLiteral("used_percent"), ticket.usedPercentage ? QJsonValue(*ticket.usedPercentage) : QJsonValue::Null},
                {QStringLiteral("state"), QString::fromLatin1(ticketState(ticket, context).first)},
            });
        }
        printJson(out, QJsonObject{{QStringLiteral("sessions"), sessions}});
        return success;
    }
    if (tickets.isEmpty()) {
        out << "No stopped sessions.\n";
        return success;
    }
    for (const ResumeTicket &ticket : tickets) {
        out << ticket.sessionID.left(8) << "  " << titles.title(ticket) << '\n'
            << "          " << ticket.cwd << " · resets "
            << UsageResetFormatter::string(ticket.resetsAt, true, context.locale, context.timeZone) << " · "
            << ticketState(ticket, context).second << '\n';
    }
    return success;
}

int resumeNow(const ResumeTicket &ticket, const CommandContext &context, QTextStream &out, QTextStream &err)
{
    // The quota must be confirmed by figures at most five minutes old.
    const UsageCLI usage({.resolver = context.resolver,
                          .runner = context.runner,
                          .accountIdentity = AccountIdentity(context.claudePaths.accountFile()),
                          .environment = context.environment});
    const auto snapshot = usage.fetch();
    ResumeCoordinator::Dependencies dependencies = AppComposition::resumeCoordinator(context.environment, context.claudePaths);
    dependencies.resolver = context.resolver;
    dependencies.runner = context.runner;
    ResumeCoordinator coordinator(dependencies);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const auto result = coordinator.attempt(ticket, snapshot ? std::optional(*snapshot) : std::nullopt, now, now, true);
    const QString text = resultText(result, context.locale, context.timeZone);
    if (result.kind == ResumeAttemptResult::Kind::succeeded) {
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
    if (const auto done = parseCommandLine(parser, arguments, QStringLiteral("resume"), resumeHelp, out, err, 2))
        return *done;
    const QStringList positional = parser.positionalArguments();
    const QString action = positional.value(0, QStringLiteral("list"));
    const bool json = parser.isSet(QStringLiteral("json"));
    if (action == u"list" && positional.size() <= 1)
        return list(context, json, out);
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
    const ResumeQueue queue(context.claudePaths.resumeTicketDirectory());
    const auto ticket = findTicket(queue.tickets(), positional.at(1), err);
    if (!ticket)
        return failure;
    if (action == u"now")
        return resumeNow(*ticket, context, out, err);
    if (const auto removed = queue.remove(ticket->sessionID); !removed) {
        err << "pacewisectl resume: the ticket could not be deleted (" << systemErrorText(removed.error())
            << ")\n";
        return failure;
    }
    out << ticket->sessionID.left(8) << ": dismissed\n";
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
    const SettingsFileManager settings;
    const QString settingsPath = context.claudePaths.settingsFile();
    const QString directory = context.claudePaths.resumeTicketDirectory();
    if (action != u"status") {
        if (action == u"on" && !QDir().mkpath(directory)) {
            err << "pacewisectl auto-continue: " << directory << " could not be created\n";
            return failure;
        }
        const auto edited = settings.setResumeDirectory(settingsPath, action == u"on" ? std::optional(directory) : std::nullopt);
        if (!edited) {
            err << "pacewisectl auto-continue: " << describe(edited.error(), settingsPath) << '\n';
            return failure;
        }
    }
    const auto recorded = settings.resumeDirectory(settingsPath, context.homeDirectory);
    if (!recorded) {
        err << "pacewisectl auto-continue: " << describe(recorded.error(), settingsPath) << '\n';
        return failure;
    }
    if (parser.isSet(QStringLiteral("json"))) {
        printJson(out, QJsonObject{{QStringLiteral("enabled"), recorded->has_value()},
                                   {QStringLiteral("directory"), jsonText(recorded->value_or(QString()))}});
        return success;
    }
    out << "Auto-continue: " << (*recorded ? QStringLiteral("on (") + **recorded + u')' : QStringLiteral("off")) << '\n';
    return success;
}

} // namespace pacewise::cli
