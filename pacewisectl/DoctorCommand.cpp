#include "DoctorCommand.h"

#include "CommandLine.h"
#include "CommandUsage.h"
#include "ExitCode.h"
#include "JsonOutput.h"
#include "ServiceCommand.h"
#include "app/AppComposition.h"
#include "app/BackgroundServices.h"
#include "claude/AuthService.h"
#include "claude/ClaudeErrorText.h"
#include "resume/ResumeQueue.h"
#include "system/ErrorText.h"
#include "usage/EngineStateReader.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
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
server, keep-awake (Caffeine) and the stopped sessions waiting to continue.
It changes nothing.

Options:
  --timeout N  wait at most N seconds for each question to claude (default 15)
  --json       print one JSON object (see docs/json.md)

Exit status: 0 all is well, 1 something needs fixing (each such line says
how), 2 bad arguments.
)";

// One line of the report: what was checked, what was found and, when that
// is wrong, what to do.
struct Check {
    const char *name; // the JSON name
    QString label;
    bool ok;
    QString finding;
    QString fix = {};
};

Check claudeCheck(const CommandContext &context, const std::optional<double> &timeout)
{
    const auto claude = context.resolver->resolve();
    if (!claude) {
        return {"claude", u"claude"_qs, false, u"not found on PATH nor where its installers put it"_qs,
                u"install Claude Code: npm install -g @anthropic-ai/claude-code"_qs};
    }
    const auto version = context.runner->run(ScriptInvocation{
        .executable = *claude,
        .arguments = {u"--version"_qs},
        .timeoutSeconds = timeout.value_or(15),
        .environment = context.environment,
    });
    if (!version || version->exitCode != 0) {
        return {"claude", u"claude"_qs, false, *claude + u" does not run"_qs,
                u"reinstall Claude Code, then try 'claude --version'"_qs};
    }
    // "2.1.332 (Claude Code)"
    const QString printed = firstLine(version->standardOutput);
    return {"claude", u"claude"_qs, true, printed.isEmpty() ? *claude : printed + u", "_qs + *claude};
}

Check signInCheck(const CommandContext &context, const std::optional<double> &timeout, bool claudeRuns)
{
    const QString label = u"Signed in"_qs;
    if (!claudeRuns)
        return {"signed_in", label, false, u"cannot be asked without claude"_qs, u"install claude first"_qs};
    const auto status = AuthService(context.resolver, context.runner, timeout).statusExplained();
    if (!status)
        return {"signed_in", label, false, authErrorText(status.error()), u"run 'pacewisectl auth' once claude answers"_qs};
    if (!status->loggedIn)
        return {"signed_in", label, false, u"no"_qs, u"run 'claude auth login'"_qs};
    return {"signed_in", label, true, status->email.value_or(u"yes"_qs)};
}

QString ageText(qint64 seconds)
{
    return seconds < 60 ? u"just now"_qs : durationText(seconds) + u" ago"_qs;
}

// Whether the status line records the figures, and how old they are.
QList<Check> figuresChecks(const GuardOperations &operations, const CommandContext &context)
{
    QList<Check> checks;
    const QString &statePath = context.engineStatePath;
    const auto settings = operations.settingsManager.read(operations.settingsPath);
    if (settings) {
        using Owner = SettingsFileManager::StatusLineOwner;
        switch (settings->statusLine) {
        case Owner::pacewise:
            checks.append({"status_line", u"Status line"_qs, true, u"Pacewise's records the figures"_qs});
            break;
        case Owner::recorder:
            checks.append({"status_line", u"Status line"_qs, true, u"yours, with Pacewise's recorder in front of it"_qs});
            break;
        case Owner::user:
            checks.append({"status_line", u"Status line"_qs, false,
                           u"yours records nothing for Pacewise, so the guard sees only the figures of its polls"_qs,
                           u"put the recorder in front of it: pacewisectl guard recorder on"_qs});
            break;
        case Owner::none:
            checks.append({"status_line", u"Status line"_qs, false, u"none, so nothing records the figures"_qs,
                           u"pacewisectl guard on"_qs});
            break;
        }
    }

    const QDateTime now = context.clock();
    const auto state = EngineStateReader(statePath, AccountIdentity(context.claudePaths.accountFile())).readExplained(now);
    const QString label = u"Figures"_qs;
    if (state) {
        const qint64 age = std::max<qint64>(0, QFileInfo(statePath).lastModified().secsTo(now));
        checks.append({"state_file", label, true, u"recorded %1 in %2"_qs.arg(ageText(age), statePath)});
        return checks;
    }
    const QString refresh = u"start a Claude Code session, whose status line records them, or the tray app or "
                            "'pacewisectl service install', which ask claude for them"_qs;
    switch (state.error().kind) {
    case EngineStateError::Kind::missing:
        checks.append({"state_file", label, false, u"none recorded yet in "_qs + statePath, refresh});
        break;
    case EngineStateError::Kind::stale:
        checks.append({"state_file", label, false, u"recorded %1 in %2, too old for the guard"_qs.arg(ageText(state.error().ageSeconds), statePath),
                       refresh});
        break;
    case EngineStateError::Kind::otherAccount:
        checks.append({"state_file", label, false, statePath + u" holds another account's"_qs, refresh});
        break;
    case EngineStateError::Kind::unreadable:
        checks.append({"state_file", label, false, statePath + u" cannot be read: "_qs + systemErrorText(state.error().errorNumber),
                       u"make it readable, or remove it"_qs});
        break;
    case EngineStateError::Kind::notRegularFile:
    case EngineStateError::Kind::tooLarge:
    case EngineStateError::Kind::malformed:
    case EngineStateError::Kind::modifiedInFuture:
    case EngineStateError::Kind::noLimits:
        checks.append({"state_file", label, false, statePath + u" holds no usable figures"_qs,
                       u"remove it; the next status line run or poll writes it anew"_qs});
        break;
    }
    return checks;
}

// jq, the guard, its scripts and the state file it reads.
QList<Check> guardChecks(const CommandContext &context)
{
    const GuardOperations operations = AppComposition::guardOperations(context.environment, context.claudePaths, QSettings());
    const auto current = operations.current();
    if (!current) {
        const QString fix = current.error().forceRequired ? u"pacewisectl guard reinstall"_qs : u"mend or remove it"_qs;
        return {{"guard", u"Endrun guard"_qs, false,
                 current.error().forceRequired ? u"its engine scripts were edited"_qs : current.error().message, fix}};
    }
    QList<Check> checks;
    if (current->jqInstalled)
        checks.append({"jq", u"jq"_qs, true, u"installed"_qs});
    else
        checks.append({"jq", u"jq"_qs, false, u"not installed, so the guard and the status line do nothing"_qs,
                       u"install it: sudo apt install jq"_qs});

    const QString scripts = operations.installer.hooksDirectory();
    const auto settings = operations.settingsManager.read(operations.settingsPath);
    if (!current->enabled) {
        checks.append({"guard", u"Endrun guard"_qs, false, u"off, so nothing stops Claude Code before a limit"_qs,
                       u"pacewisectl guard on"_qs});
    } else if (current->status == HookInstaller::Status::modifiedByUser) {
        checks.append({"guard", u"Endrun guard"_qs, false, u"on, but its engine scripts in %1 were edited"_qs.arg(scripts),
                       u"put Pacewise's back: pacewisectl guard reinstall"_qs});
    } else if (current->status != HookInstaller::Status::upToDate) {
        checks.append({"guard", u"Endrun guard"_qs, false, u"on, but its engine scripts in %1 are not this Pacewise's"_qs.arg(scripts),
                       u"pacewisectl guard on"_qs});
    } else if (settings && settings->statePath != operations.statePath) {
        checks.append({"guard", u"Endrun guard"_qs, false,
                       u"reads %1, but Pacewise records the figures in %2"_qs
                           .arg(settings->statePath.value_or(context.claudePaths.engineStateFile()), context.engineStatePath),
                       u"pacewisectl guard on"_qs});
    } else {
        checks.append({"guard", u"Endrun guard"_qs, true, u"on, stops at %1 %"_qs.arg(current->threshold)});
    }
    checks.append(figuresChecks(operations, context));
    return checks;
}

QList<Check> runningChecks(const CommandContext &context)
{
    QList<Check> checks;
    if (const auto pid = BackgroundServices::runningProcess())
        checks.append({"running", u"Running"_qs, true, u"pid %1"_qs.arg(*pid)});
    else
        checks.append({"running", u"Running"_qs, false, u"neither the tray app nor the daemon, so nothing polls or continues sessions"_qs,
                       u"start the tray app ('pacewise'), or the daemon: pacewisectl service install"_qs});

    const auto autostart = AppComposition::launchAtLogin(QDir(QCoreApplication::applicationDirPath()).filePath(u"pacewise"_qs));
    if (autostart->status() != LoginItemService::Status::notRegistered)
        checks.append({"starts_at_login", u"Starts at login"_qs, true, u"the tray app, from "_qs + autostart->entryPath()});
    else if (isServiceEnabled(context))
        checks.append({"starts_at_login", u"Starts at login"_qs, true, u"the daemon, as pacewise.service"_qs});
    else
        checks.append({"starts_at_login", u"Starts at login"_qs, false, u"no"_qs,
                       u"at a desktop: pacewisectl autostart on; else: pacewisectl service install"_qs});
    return checks;
}

bool isReachable(const QDBusConnection &bus, const QString &service)
{
    const QDBusConnectionInterface *interface = bus.isConnected() ? bus.interface() : nullptr;
    return interface && (interface->isServiceRegistered(service).value() ||
                         interface->activatableServiceNames().value().contains(service));
}

QList<Check> desktopChecks()
{
    QList<Check> checks;
    const QDBusConnection session = QDBusConnection::sessionBus();
    if (isReachable(session, u"org.freedesktop.Notifications"_qs))
        checks.append({"notifications", u"Notifications"_qs, true, u"a notification server answers"_qs});
    else
        checks.append({"notifications", u"Notifications"_qs, false,
                       session.isConnected() ? u"no notification server, so limit warnings are not shown"_qs
                                             : u"no session bus, so limit warnings are not shown"_qs,
                       u"log in to a desktop, or install a notification server (dunst, say)"_qs});

    if (isReachable(session, u"org.freedesktop.portal.Desktop"_qs))
        checks.append({"keep_awake", u"Keep-awake"_qs, true, u"through the desktop portal"_qs});
    else if (isReachable(QDBusConnection::systemBus(), u"org.freedesktop.login1"_qs))
        checks.append({"keep_awake", u"Keep-awake"_qs, true, u"through systemd-logind"_qs});
    else
        checks.append({"keep_awake", u"Keep-awake"_qs, false,
                       u"neither the desktop portal nor systemd-logind answers, so Caffeine cannot keep the computer awake"_qs,
                       u"run Pacewise in a systemd login session"_qs});
    return checks;
}

// Sessions the guard stopped: they continue only with auto-continue on, and
// only from a folder nobody else can write.
Check ticketsCheck(const CommandContext &context)
{
    const QString label = u"Stopped sessions"_qs;
    const AutoContinueSetting setting = AppComposition::autoContinueSetting(context.claudePaths);
    const ResumeQueue queue(setting.ticketDirectory);
    if (const auto untrusted = queue.untrustedBecause())
        return {"stopped_sessions", label, false, u"none is continued: "_qs + *untrusted, u"pacewisectl auto-continue on"_qs};
    const qsizetype waiting = queue.tickets().size();
    if (waiting == 0)
        return {"stopped_sessions", label, true, u"none waits"_qs};
    const QString count = waiting == 1 ? u"1 waits"_qs : u"%1 wait"_qs.arg(waiting);
    const auto state = setting.read();
    if (state && !state->enabled) {
        return {"stopped_sessions", label, false, count + u", but auto-continue is off"_qs,
                u"pacewisectl auto-continue on, or continue each: pacewisectl resume now SESSION"_qs};
    }
    return {"stopped_sessions", label, true, count + u" to continue after the reset (pacewisectl resume list)"_qs};
}

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

    QList<Check> checks{claudeCheck(context, timeout)};
    checks.append(signInCheck(context, timeout, checks.constFirst().ok));
    checks.append(guardChecks(context));
    checks.append(runningChecks(context));
    checks.append(desktopChecks());
    checks.append(ticketsCheck(context));

    const qsizetype problems = std::ranges::count(checks, false, &Check::ok);
    if (parser.isSet(u"json"_qs)) {
        QJsonArray array;
        for (const Check &check : checks) {
            array.append(QJsonObject{{u"name"_qs, QLatin1String(check.name)},
                                     {u"ok"_qs, check.ok},
                                     {u"finding"_qs, check.finding},
                                     {u"fix"_qs, jsonText(check.fix)}});
        }
        printJson(out, QJsonObject{{u"ok"_qs, problems == 0}, {u"checks"_qs, array}});
    } else {
        for (const Check &check : checks) {
            out << (check.ok ? "✓ " : "✗ ") << check.label << ": " << check.finding;
            if (!check.ok)
                out << ". Fix: " << check.fix;
            out << '\n';
        }
        if (problems == 0)
            out << "All is well.\n";
        else
            out << (problems == 1 ? u"1 thing needs"_qs : u"%1 things need"_qs.arg(problems)) << " fixing.\n";
    }
    return problems == 0 ? success : failure;
}

} // namespace pacewise::cli
