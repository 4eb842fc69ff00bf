#include "SetupCheck.h"

#include "app/AppComposition.h"
#include "app/BackgroundServices.h"
#include "claude/AuthService.h"
#include "i18n/UIStrings.h"
#include "resume/ResumeQueue.h"
#include "system/ErrorText.h"
#include "usage/EngineStateReader.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace pacewise {

namespace {

SetupFinding claudeFinding(const SetupCheck::Inputs &inputs)
{
    const QString label = QStringLiteral("claude");
    const auto claude = inputs.resolver->resolve();
    if (!claude) {
        return {"claude", false, label, UIStrings::text("setup.claude.notFound", "not found, neither on PATH nor where its installers put it"),
                UIStrings::text("setup.claude.install", "install Claude Code: npm install -g @anthropic-ai/claude-code")};
    }
    const auto version = inputs.runner->run(ScriptInvocation{
        .executable = *claude,
        .arguments = {QStringLiteral("--version")},
        .timeoutSeconds = inputs.timeoutSeconds.value_or(15),
        .environment = inputs.environment,
    });
    if (!version || version->exitCode != 0) {
        return {"claude", false, label, UIStrings::format("setup.claude.doesNotRun", "%1 does not run", {*claude}),
                UIStrings::text("setup.claude.reinstall", "reinstall Claude Code, then try: claude --version")};
    }
    // "2.1.332 (Claude Code)"
    const QString printed = firstLine(version->standardOutput);
    return {"claude", true, label, printed.isEmpty() ? *claude : printed + QStringLiteral(", ") + *claude};
}

SetupFinding signInFinding(const SetupCheck::Inputs &inputs, bool claudeRuns)
{
    const QString label = UIStrings::text("setup.signedIn", "Signed in");
    if (!claudeRuns) {
        return {"signed_in", false, label, UIStrings::text("setup.signedIn.noClaude", "cannot be asked without claude"),
                UIStrings::text("setup.signedIn.installFirst", "install claude first")};
    }
    const auto status = AuthService(inputs.resolver, inputs.runner, inputs.timeoutSeconds).statusExplained();
    if (!status) {
        return {"signed_in", false, label, UIStrings::text("setup.signedIn.noAnswer", "claude gave no answer"),
                UIStrings::text("setup.signedIn.why", "“pacewisectl auth” says why")};
    }
    if (!status->loggedIn)
        return {"signed_in", false, label, UIStrings::text("setup.signedIn.no", "no"), UIStrings::text("setup.signedIn.login", "run: claude auth login")};
    return {"signed_in", true, label, status->email.value_or(UIStrings::text("setup.signedIn.yes", "yes"))};
}

// Who records the figures, and how old they are.
QList<SetupFinding> figuresFindings(const GuardOperations &operations, const SetupCheck::Inputs &inputs)
{
    QList<SetupFinding> findings;
    const QString statusLine = UIStrings::text("setup.statusLine", "Status line");
    const QString guardOn = QStringLiteral("pacewisectl guard on");
    if (const auto settings = operations.settingsManager.read(operations.settingsPath)) {
        using Owner = SettingsFileManager::StatusLineOwner;
        switch (settings->statusLine) {
        case Owner::pacewise:
            findings.append({"status_line", true, statusLine, UIStrings::text("setup.statusLine.pacewise", "Pacewise's own, which records the figures")});
            break;
        case Owner::recorder:
            findings.append({"status_line", true, statusLine,
                             UIStrings::text("setup.statusLine.recorder", "yours, with Pacewise's recorder in front of it")});
            break;
        case Owner::user:
            findings.append({"status_line", false, statusLine,
                             UIStrings::text("setup.statusLine.user", "yours records nothing for Pacewise, so Endrun sees only the figures of its polls"),
                             UIStrings::text("setup.statusLine.recorderOn", "put the recorder in front of it: pacewisectl guard recorder on")});
            break;
        case Owner::none:
            findings.append({"status_line", false, statusLine, UIStrings::text("setup.statusLine.none", "none, so nothing records the figures"),
                             guardOn});
            break;
        }
    }

    const QString &path = inputs.engineStatePath;
    const QString label = UIStrings::text("setup.figures", "Figures");
    const QDateTime now = inputs.now();
    const auto state = EngineStateReader(path, AccountIdentity(inputs.claudePaths.accountFile())).readExplained(now);
    if (state) {
        const qint64 age = std::max<qint64>(0, QFileInfo(path).lastModified().secsTo(now));
        findings.append({"state_file", true, label, UIStrings::format("setup.figures.recorded", "%1, in %2", {UIStrings::updatedAgo(age), path})});
        return findings;
    }
    const QString refresh = UIStrings::text("setup.figures.refresh",
                                            "start a Claude Code session, whose status line records them, or the tray app or "
                                            "the daemon (pacewisectl service install), which ask claude for them");
    const QString remove = UIStrings::text("setup.figures.remove", "remove the file; the next status line run or poll writes it anew");
    switch (state.error().kind) {
    case EngineStateError::Kind::missing:
        findings.append({"state_file", false, label, UIStrings::format("setup.figures.missing", "none recorded yet in %1", {path}), refresh});
        break;
    case EngineStateError::Kind::stale:
        findings.append({"state_file", false, label,
                         UIStrings::format("setup.figures.stale", "%1, in %2: too old for Endrun", {UIStrings::updatedAgo(state.error().ageSeconds), path}),
                         refresh});
        break;
    case EngineStateError::Kind::otherAccount:
        findings.append({"state_file", false, label, UIStrings::format("setup.figures.otherAccount", "%1 holds another account's figures", {path}),
                         refresh});
        break;
    case EngineStateError::Kind::unreadable:
    case EngineStateError::Kind::notRegularFile:
    case EngineStateError::Kind::tooLarge:
    case EngineStateError::Kind::malformed:
    case EngineStateError::Kind::modifiedInFuture:
    case EngineStateError::Kind::noLimits:
        findings.append({"state_file", false, label, UIStrings::format("setup.figures.unusable", "%1 holds no usable figures", {path}),
                         remove});
        break;
    }
    return findings;
}

// jq, the guard, its scripts and the state file it reads.
QList<SetupFinding> guardFindings(const SetupCheck::Inputs &inputs)
{
    const GuardOperations &operations = inputs.guardOperations;
    const QString label = UIStrings::text("setup.guard", "Endrun guard");
    const QString guardOn = QStringLiteral("pacewisectl guard on");
    const QString reinstall = UIStrings::text("setup.guard.reinstall", "put Pacewise's scripts back: pacewisectl guard reinstall");
    const auto current = operations.current();
    if (!current) {
        if (current.error().forceRequired)
            return {{"guard", false, label, UIStrings::text("setup.guard.scriptsEdited", "its engine scripts were edited"), reinstall}};
        return {{"guard", false, label, current.error().message,
                 UIStrings::format("setup.guard.mendSettings", "mend or remove %1", {operations.settingsPath})}};
    }
    QList<SetupFinding> findings;
    const QString jq = QStringLiteral("jq");
    if (current->jqInstalled)
        findings.append({"jq", true, jq, UIStrings::text("setup.jq.installed", "installed")});
    else
        findings.append({"jq", false, jq, UIStrings::text("setup.jq.missing", "not installed, so Endrun and the status line do nothing"),
                         UIStrings::text("setup.jq.install", "install it: sudo apt install jq")});

    const QString scripts = operations.installer.hooksDirectory();
    const auto settings = operations.settingsManager.read(operations.settingsPath);
    if (!current->enabled) {
        findings.append({"guard", false, label, UIStrings::text("setup.guard.off", "off, so nothing pauses Claude Code before a limit"), guardOn});
    } else if (current->status == HookInstaller::Status::modifiedByUser) {
        findings.append({"guard", false, label, UIStrings::format("setup.guard.edited", "on, but its engine scripts in %1 were edited", {scripts}),
                         reinstall});
    } else if (current->status != HookInstaller::Status::upToDate) {
        findings.append({"guard", false, label,
                         UIStrings::format("setup.guard.outdated", "on, but its engine scripts in %1 are not this Pacewise's", {scripts}), guardOn});
    } else if (settings && settings->statePath != operations.statePath) {
        findings.append({"guard", false, label,
                         UIStrings::format("setup.guard.elsewhere", "reads %1, but Pacewise records the figures in %2",
                                           {settings->statePath.value_or(inputs.claudePaths.engineStateFile()), inputs.engineStatePath}),
                         guardOn});
    } else {
        findings.append({"guard", true, label, UIStrings::format("setup.guard.on", "on, pauses at %1", {UIStrings::percent(current->threshold)})});
    }
    findings.append(figuresFindings(operations, inputs));
    return findings;
}

bool userServiceEnabled(const QProcessEnvironment &environment, const ScriptRunning &runner)
{
    const QString systemctl = QStandardPaths::findExecutable(QStringLiteral("systemctl"),
                                                             environment.value(QStringLiteral("PATH")).split(u':', Qt::SkipEmptyParts));
    if (systemctl.isEmpty())
        return false;
    const auto result = runner.run(ScriptInvocation{
        .executable = systemctl,
        .arguments = {QStringLiteral("--user"), QStringLiteral("is-enabled"), QStringLiteral("--quiet"), QStringLiteral("pacewise.service")},
        .timeoutSeconds = 30,
        .environment = environment,
    });
    return result && result->exitCode == 0;
}

QList<SetupFinding> runningFindings(const SetupCheck::Inputs &inputs)
{
    QList<SetupFinding> findings;
    const QString running = UIStrings::text("setup.running", "Running");
    if (const auto pid = BackgroundServices::runningProcess(inputs.servicesLock))
        findings.append({"running", true, running, UIStrings::format("setup.running.pid", "pid %1", {QString::number(*pid)})});
    else
        findings.append({"running", false, running,
                         UIStrings::text("setup.running.none", "neither the tray app nor the daemon, so nothing polls or continues sessions"),
                         UIStrings::text("setup.running.start", "start the tray app (pacewise) or the daemon: pacewisectl service install")});

    const QString label = UIStrings::text("setup.startsAtLogin", "Starts at login");
    if (inputs.launchAtLogin->status() != LoginItemService::Status::notRegistered)
        findings.append({"starts_at_login", true, label, UIStrings::text("setup.startsAtLogin.trayApp", "the tray app")});
    else if (userServiceEnabled(inputs.environment, *inputs.runner))
        findings.append({"starts_at_login", true, label, UIStrings::text("setup.startsAtLogin.service", "the daemon, as pacewise.service")});
    else
        findings.append({"starts_at_login", false, label, UIStrings::text("setup.startsAtLogin.no", "nothing"),
                         UIStrings::text("setup.startsAtLogin.fix", "at a desktop: pacewisectl autostart on; elsewhere: pacewisectl service install")});
    return findings;
}

bool isReachable(const QDBusConnection &bus, const QString &service)
{
    const QDBusConnectionInterface *interface = bus.isConnected() ? bus.interface() : nullptr;
    return interface && (interface->isServiceRegistered(service).value() ||
                         interface->activatableServiceNames().value().contains(service));
}

QList<SetupFinding> desktopFindings()
{
    QList<SetupFinding> findings;
    const QDBusConnection session = QDBusConnection::sessionBus();
    const QString notifications = UIStrings::text("setup.notifications", "Notifications");
    if (isReachable(session, QStringLiteral("org.freedesktop.Notifications")))
        findings.append({"notifications", true, notifications, UIStrings::text("setup.notifications.ok", "a notification server answers")});
    else
        findings.append({"notifications", false, notifications,
                         session.isConnected() ? UIStrings::text("setup.notifications.noServer", "no notification server, so limit warnings are not shown")
                                               : UIStrings::text("setup.notifications.noBus", "no session bus, so limit warnings are not shown"),
                         UIStrings::text("setup.notifications.fix", "log in to a desktop, or install a notification server (dunst, say)")});

    const QString keepAwake = UIStrings::text("setup.keepAwake", "Keep-awake");
    if (isReachable(session, QStringLiteral("org.freedesktop.portal.Desktop")))
        findings.append({"keep_awake", true, keepAwake, UIStrings::text("setup.keepAwake.portal", "through the desktop portal")});
    else if (isReachable(QDBusConnection::systemBus(), QStringLiteral("org.freedesktop.login1")))
        findings.append({"keep_awake", true, keepAwake, UIStrings::text("setup.keepAwake.logind", "through systemd-logind")});
    else
        findings.append({"keep_awake", false, keepAwake,
                         UIStrings::text("setup.keepAwake.none", "neither the desktop portal nor systemd-logind answers, so Caffeine cannot keep the computer awake"),
                         UIStrings::text("setup.keepAwake.fix", "run Pacewise in a systemd login session")});
    return findings;
}

// Sessions the guard paused: they continue only with auto-continue on, and
// only from a folder nobody else can write.
SetupFinding pausedFinding(const SetupCheck::Inputs &inputs)
{
    const QString label = UIStrings::text("setup.paused", "Paused sessions");
    const QString autoContinueOn = QStringLiteral("pacewisectl auto-continue on");
    const AutoContinueSetting setting = AppComposition::autoContinueSetting(inputs.claudePaths);
    const ResumeQueue queue(setting.ticketDirectory);
    if (queue.untrustedBecause()) {
        return {"paused_sessions", false, label,
                UIStrings::format("setup.paused.untrusted", "none is continued: others could change the folder %1", {setting.ticketDirectory}),
                autoContinueOn};
    }
    const int waiting = int(queue.tickets().size());
    if (waiting == 0)
        return {"paused_sessions", true, label, UIStrings::text("setup.paused.none", "none waits")};
    if (const auto state = setting.read(); state && !state->enabled) {
        return {"paused_sessions", false, label,
                UIStrings::count("setup.paused.autoContinueOff", "%n waits, but auto-continue is off", "%n wait, but auto-continue is off", waiting),
                UIStrings::text("setup.paused.autoContinueOn", "turn on auto-continue (pacewisectl auto-continue on) or resume each one: pacewisectl resume now SESSION")};
    }
    return {"paused_sessions", true, label,
            UIStrings::count("setup.paused.waiting", "%n waits to be resumed after its reset (pacewisectl resume list)",
                             "%n wait to be resumed after their reset (pacewisectl resume list)", waiting)};
}

} // namespace

QList<SetupFinding> SetupCheck::run(const Inputs &inputs)
{
    QList<SetupFinding> findings{claudeFinding(inputs)};
    findings.append(signInFinding(inputs, findings.constFirst().ok));
    findings.append(guardFindings(inputs));
    findings.append(runningFindings(inputs));
    findings.append(desktopFindings());
    findings.append(pausedFinding(inputs));
    return findings;
}

QString SetupCheck::summary(const QList<SetupFinding> &findings)
{
    const int problems = int(std::ranges::count(findings, false, &SetupFinding::ok));
    if (problems == 0)
        return UIStrings::text("setup.allWell", "All is well.");
    return UIStrings::count("setup.problems", "%n thing needs fixing.", "%n things need fixing.", problems);
}

} // namespace pacewise
