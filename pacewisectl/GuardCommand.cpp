#include "GuardCommand.h"

#include "CommandLine.h"
#include "ExitCode.h"
#include "JsonOutput.h"
#include "app/AppComposition.h"
#include "app/AppSettingsKeys.h"
#include "guard/GuardErrorText.h"
#include "guard/GuardHolds.h"
#include "guard/GuardOperations.h"
#include "system/ErrorText.h"
#include "usage/AccountIdentity.h"
#include "usage/EngineStateReader.h"
#include "usage/UsageResetFormatter.h"

#include "app/AppConfiguration.h"

#include <QCommandLineParser>
#include <QMetaEnum>
#include <QSettings>

namespace pacewise::cli {

namespace {

const char helpText[] = R"(Usage: pacewisectl guard on|off|status|reinstall
       pacewisectl guard threshold [PERCENT]
       pacewisectl guard recorder [on|off]
       pacewisectl guard release SESSION...|--all

The Endrun guard holds Claude Code back just before a usage limit is
exhausted and, with auto-continue on, records the interrupted session so
that it continues after the reset.

  on         install the engine scripts into Claude Code's hooks directory
             and register the guard and the status line in its settings
  off        remove the guard and Pacewise's status line from the settings
             (the scripts stay installed); calls it holds go on at once
  status     show whether the guard is on, the state of the scripts and
             where the guard's figures come from
  reinstall  replace edited engine scripts with Pacewise's and turn the
             guard on
  threshold  show or set the percentage of a limit at which the guard
             stops (default 98)
  recorder   show or switch whether a status line of your own gets
             Pacewise's recorder in front of it, which records the figures
             and then shows your line unchanged (default on)
  release    let the tool calls the guard holds for these sessions (ids,
             or unique starts of them) go on at once, to use extra usage,
             say; with --all every session's, also those the same limits
             would hold later. A released session is not held again until
             that limit resets.

Options:
  --all      with release: every session
  --json     with status: print one JSON object (see docs/json.md)

Exit status: 0 done, 1 failed (the reason is printed), 2 bad arguments.
)";

const char *ownerName(SettingsFileManager::StatusLineOwner owner)
{
    switch (owner) {
    case SettingsFileManager::StatusLineOwner::pacewise:
        return "pacewise";
    case SettingsFileManager::StatusLineOwner::recorder:
        return "recorder";
    case SettingsFileManager::StatusLineOwner::user:
        return "user";
    case SettingsFileManager::StatusLineOwner::none:
        return "none";
    }
    Q_UNREACHABLE();
    return "";
}

QString figuresSource(SettingsFileManager::StatusLineOwner owner, const QString &statePath)
{
    switch (owner) {
    case SettingsFileManager::StatusLineOwner::pacewise:
        return QStringLiteral("Claude Code's status line writes them to %1").arg(statePath);
    case SettingsFileManager::StatusLineOwner::recorder:
        return QStringLiteral("Pacewise's recorder in front of your status line writes them to %1").arg(statePath);
    case SettingsFileManager::StatusLineOwner::user:
        return QStringLiteral("your own status line is kept alone, so Pacewise writes them to %1 after each usage poll "
                              "(while the tray app or `pacewisectl daemon` runs)")
            .arg(statePath);
    case SettingsFileManager::StatusLineOwner::none:
        return QStringLiteral("no status line is set; turn the guard on to install Pacewise's");
    }
    Q_UNREACHABLE();
    return {};
}

// The engine scripts are POSIX sh and jq: without jq they let everything
// through and record nothing, which must not pass for "on".
void warnWithoutJq(const GuardOperations::Result &result, QTextStream &out)
{
    if (result && result->enabled && !result->jqInstalled)
        out << "Warning: jq is not installed, so the guard and the status line do nothing; install it (the jq package)\n";
}

int report(const GuardOperations::Result &result, const GuardOperations &operations, QTextStream &out,
           QTextStream &err)
{
    if (!result) {
        if (result.error().forceRequired) {
            err << "pacewisectl guard: the engine scripts in " << operations.installer.hooksDirectory()
                << " were edited; run 'pacewisectl guard reinstall' to replace them\n";
        } else {
            err << "pacewisectl guard: " << result.error().message << '\n';
        }
        return failure;
    }
    out << "Endrun guard: " << (result->enabled ? "on" : "off") << '\n';
    out << "Engine scripts: " << statusName(result->status) << " (" << operations.installer.hooksDirectory() << ")\n";
    return success;
}

// Turning the guard on touches the user's status line and leaves stopped
// sessions where they are: both are said, with the way back.
void explainWhatOnMeans(const GuardOperations &operations, const CommandContext &context, QTextStream &out)
{
    const auto settings = operations.settingsManager.read(operations.settingsPath);
    if (settings && settings->statusLine == SettingsFileManager::StatusLineOwner::recorder)
        out << "Status line: yours still shows; Pacewise's recorder runs in front of it to record the figures"
               " ('pacewisectl guard recorder off' takes it out)\n";
    else if (settings && settings->statusLine == SettingsFileManager::StatusLineOwner::pacewise)
        out << "Status line: Pacewise's, which shows and records the figures\n";
    const auto tickets = operations.settingsManager.resumeDirectory(operations.settingsPath, context.homeDirectory);
    if (tickets && !tickets->has_value())
        out << "Auto-continue: off, so a session paused at a limit waits for you; 'pacewisectl auto-continue on'"
               " continues it after the reset\n";
}

QString percentText(double percent)
{
    return QString::number(percent) + QStringLiteral(" %");
}

int threshold(const QString &value, const GuardOperations &operations, QTextStream &out, QTextStream &err)
{
    bool isNumber = false;
    const double percent = value.toDouble(&isNumber);
    if (!value.isEmpty() && (!isNumber || !(percent >= GuardOperations::minimumThreshold && percent <= 100))) {
        err << "pacewisectl guard: the threshold is a percentage from 50 to 100, not '" << value << "'\n";
        return usageError;
    }
    const auto result = value.isEmpty() ? operations.current() : operations.setThreshold(percent);
    if (!result) {
        err << "pacewisectl guard: " << result.error().message << '\n';
        return failure;
    }
    out << "Guard threshold: " << percentText(result->threshold) << '\n';
    return success;
}

int recorder(const QString &value, GuardOperations operations, QTextStream &out, QTextStream &err)
{
    if (!value.isEmpty()) {
        if (value != u"on" && value != u"off") {
            err << "pacewisectl guard: use 'recorder on' or 'recorder off'\n";
            return usageError;
        }
        QSettings appSettings;
        appSettings.setValue(QLatin1String(AppSettingsKeys::recordBeforeUserStatusLine), value == u"on");
        if (!saveSettings(appSettings, QStringLiteral("guard"), err))
            return failure;
        operations.recordBeforeUserStatusLine = value == u"on";
        if (const auto applied = operations.refresh(); !applied)
            return report(applied, operations, out, err);
    }
    out << "Recorder in front of your own status line: " << (operations.recordBeforeUserStatusLine ? "on" : "off") << '\n';
    return success;
}

QString limitName(UsageLimitKind kind)
{
    return kind == UsageLimitKind::fiveHour ? QStringLiteral("5-hour limit") : QStringLiteral("weekly limit");
}

QString whenText(const QDateTime &instant, const CommandContext &context)
{
    return UsageResetFormatter::string(instant, true, context.locale, context.timeZone);
}

// The limits that hold Claude Code back now: those of the calls held, and
// those the state file shows at the guard's threshold with their reset ahead.
QList<std::pair<QDateTime, UsageLimitKind>> blockingLimits(const GuardHolds &holds, double threshold,
                                                            const CommandContext &context)
{
    QList<std::pair<QDateTime, UsageLimitKind>> limits;
    for (const GuardHold &hold : holds.current())
        limits.append({hold.resetsAt, hold.kind});
    const QDateTime now = context.clock();
    const auto recorded = EngineStateReader(context.engineStatePath, AccountIdentity(context.claudePaths.accountFile())).read(now);
    for (const UsageLimit &limit : recorded ? recorded->asOf(now).limits() : QList<UsageLimit>()) {
        if (limit.kind() != UsageLimitKind::weeklyModel && limit.window().hasStarted() && limit.utilization() >= threshold &&
            !limits.contains(std::pair{limit.resetsAt(), limit.kind()}))
            limits.append({limit.resetsAt(), limit.kind()});
    }
    return limits;
}

int release(const QStringList &sessions, bool all, const GuardOperations &operations, const CommandContext &context,
            QTextStream &out, QTextStream &err)
{
    const GuardHolds holds(GuardHolds::directoryFor(context.engineStatePath));
    if (all) {
        const auto current = operations.current();
        const auto limits = blockingLimits(holds, current ? current->threshold : UsageThresholds::critical, context);
        if (limits.isEmpty()) {
            out << "No limit holds Claude Code back now; nothing to release\n";
            return success;
        }
        if (const auto released = holds.releaseAll(limits); !released) {
            err << "pacewisectl guard: the release could not be recorded in " << GuardHolds::directoryFor(context.engineStatePath)
                << ": " << systemErrorText(released.error()) << '\n';
            return failure;
        }
        for (const auto &[resetsAt, kind] : limits)
            out << "Released: every session goes on past the " << limitName(kind) << " until it resets "
                << whenText(resetsAt, context) << '\n';
        return success;
    }
    // Ids or unique starts of them, among the calls held now.
    const QList<GuardHold> held = holds.current();
    QStringList wanted;
    int status = success;
    for (const QString &given : sessions) {
        QStringList matches;
        for (const GuardHold &hold : held) {
            if (hold.sessionID.startsWith(given, Qt::CaseInsensitive) && !matches.contains(hold.sessionID))
                matches << hold.sessionID;
        }
        if (matches.size() == 1) {
            wanted << matches;
            continue;
        }
        if (matches.isEmpty())
            err << "pacewisectl guard: no call of session '" << given << "' is held\n";
        else
            err << "pacewisectl guard: '" << given << "' matches " << matches.size() << " held sessions; give more of the id\n";
        status = failure;
    }
    const auto released = holds.release(wanted);
    if (!released) {
        err << "pacewisectl guard: the release could not be recorded: " << systemErrorText(released.error()) << '\n';
        return failure;
    }
    for (const GuardHold &hold : *released) {
        out << hold.sessionID.left(8) << ": goes on now; not held again until the " << limitName(hold.kind) << " resets "
            << whenText(hold.resetsAt, context) << '\n';
    }
    return status;
}

} // namespace

int runGuard(const QStringList &arguments, const CommandContext &context, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("action"), QStringLiteral("on, off, status, reinstall, threshold, recorder or release"));
    parser.addOption(jsonOption());
    parser.addOption(QCommandLineOption(QStringLiteral("all"), QStringLiteral("With release: every session.")));
    if (const auto done = parseCommandLine(parser, arguments, QStringLiteral("guard"), helpText, out, err, 64))
        return *done;
    const QString action = parser.positionalArguments().value(0, QStringLiteral("status"));
    const QStringList values = parser.positionalArguments().mid(1);
    const QString value = values.value(0);
    const bool json = parser.isSet(QStringLiteral("json"));
    const bool all = parser.isSet(QStringLiteral("all"));
    const QStringList actions{u"on"_qs, u"off"_qs, u"status"_qs, u"reinstall"_qs, u"threshold"_qs, u"recorder"_qs, u"release"_qs};
    // release takes sessions or --all; threshold and recorder one value.
    const bool valuesFit = action == u"release"                               ? values.isEmpty() == all
                           : action == u"threshold" || action == u"recorder" ? values.size() <= 1
                                                                              : values.isEmpty();
    if (!actions.contains(action) || !valuesFit || (all && action != u"release")) {
        err << "pacewisectl guard: unknown action '" << parser.positionalArguments().join(u' ') << '\'';
        if (const auto meant = closestName(action, actions); meant && !actions.contains(action))
            err << "; did you mean '" << *meant << "'?\n";
        else
            err << "; use on, off, status, reinstall, threshold, recorder or release SESSION...|--all\n";
        return usageError;
    }
    if (json && action != u"status") {
        err << "pacewisectl guard: --json goes with status only\n";
        return usageError;
    }

    const GuardOperations operations = AppComposition::guardOperations(context.environment, context.claudePaths, QSettings());
    if (action == u"threshold")
        return threshold(value, operations, out, err);
    if (action == u"recorder")
        return recorder(value, operations, out, err);
    if (action == u"release")
        return release(values, all, operations, context, out, err);
    if (action == u"on" || action == u"off" || action == u"reinstall") {
        const auto result = action == u"reinstall" ? operations.overwrite() : operations.setEnabled(action == u"on");
        const int status = report(result, operations, out, err);
        warnWithoutJq(result, out);
        if (status == success && result->enabled)
            explainWhatOnMeans(operations, context, out);
        // Off, the guard is asked no more: the calls it holds go on now.
        if (status == success && action == u"off") {
            const GuardHolds holds(GuardHolds::directoryFor(context.engineStatePath));
            QStringList sessions;
            for (const GuardHold &hold : holds.current())
                sessions << hold.sessionID;
            if (const auto released = holds.release(sessions); released && !released->isEmpty())
                out << "Released the held calls of " << released->size() << (released->size() == 1 ? " session\n" : " sessions\n");
        }
        return status;
    }

    const auto current = operations.current();
    const auto settings = operations.settingsManager.read(operations.settingsPath);
    const auto tickets = operations.settingsManager.resumeDirectory(operations.settingsPath, context.homeDirectory);
    if (json && current && settings) {
        printJson(out, QJsonObject{
            {QStringLiteral("enabled"), current->enabled},
            {QStringLiteral("engine_scripts"), QString::fromLatin1(QMetaEnum::fromType<HookInstaller::Status>().valueToKey(int(current->status)))},
            {QStringLiteral("hooks_directory"), operations.installer.hooksDirectory()},
            {QStringLiteral("status_line"), QString::fromLatin1(ownerName(settings->statusLine))},
            {QStringLiteral("recorder"), operations.recordBeforeUserStatusLine},
            {QStringLiteral("threshold"), current->threshold},
            {QStringLiteral("jq_installed"), current->jqInstalled},
            {QStringLiteral("state_file"), context.engineStatePath},
            {QStringLiteral("auto_continue"), tickets ? QJsonValue(QJsonObject{
                                                  {QStringLiteral("enabled"), tickets->has_value()},
                                                  {QStringLiteral("directory"), jsonText(tickets->value_or(QString()))},
                                              })
                                                      : QJsonValue::Null},
        });
        return success;
    }
    const int status = report(current, operations, out, err);
    if (status != success)
        return status;
    if (!settings)
        return success;
    out << "Threshold: " << percentText(current->threshold) << '\n';
    out << "Figures: " << figuresSource(settings->statusLine, context.engineStatePath) << '\n';
    if (current->enabled && settings->statePath != operations.statePath) {
        out << "Warning: the guard reads " << settings->statePath.value_or(context.claudePaths.engineStateFile())
            << " but Pacewise records the figures in " << context.engineStatePath
            << "; run 'pacewisectl guard on' to point the guard there\n";
    }
    warnWithoutJq(current, out);
    if (tickets)
        out << "Auto-continue: " << (*tickets ? QStringLiteral("on (") + **tickets + u')' : QStringLiteral("off"))
            << '\n';
    return success;
}

} // namespace pacewise::cli
