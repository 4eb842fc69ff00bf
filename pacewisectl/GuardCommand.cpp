#include "GuardCommand.h"

#include "CommandLine.h"
#include "ExitCode.h"
#include "JsonOutput.h"
#include "app/AppComposition.h"
#include "guard/GuardErrorText.h"
#include "guard/GuardOperations.h"

#include <QCommandLineParser>
#include <QMetaEnum>
#include <QSettings>

namespace pacewise::cli {

namespace {

const char helpText[] = R"(Usage: pacewisectl guard on|off|status|reinstall

The Endrun guard holds Claude Code back just before a usage limit is
exhausted and, with auto-continue on, records the interrupted session so
that it continues after the reset.

  on         install the engine scripts into Claude Code's hooks directory
             and register the guard and the status line in its settings
  off        remove the guard and Pacewise's status line from the settings
             (the scripts stay installed)
  status     show whether the guard is on, the state of the scripts and
             where the guard's figures come from
  reinstall  replace edited engine scripts with Pacewise's and turn the
             guard on

Options:
  --json     with status: print one JSON object (see docs/json.md)

Exit status: 0 done, 1 failed (the reason is printed), 2 bad arguments.
)";

const char *ownerName(SettingsFileManager::StatusLineOwner owner)
{
    switch (owner) {
    case SettingsFileManager::StatusLineOwner::pacewise:
        return "pacewise";
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
    case SettingsFileManager::StatusLineOwner::user:
        return QStringLiteral("your own status line is kept, so Pacewise writes them to %1 after each usage poll "
                              "(while the tray app or `pacewisectl daemon` runs)")
            .arg(statePath);
    case SettingsFileManager::StatusLineOwner::none:
        return QStringLiteral("no status line is set; turn the guard on to install Pacewise's");
    }
    Q_UNREACHABLE();
    return {};
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

} // namespace

int runGuard(const QStringList &arguments, const CommandContext &context, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    const QStringList actions = switchActions() << QStringLiteral("reinstall");
    const auto parsed =
        parseAction(parser, arguments, QStringLiteral("guard"), helpText, actions, out, err, QStringLiteral("status"));
    if (!parsed)
        return parsed.error();
    const QString &action = *parsed;
    const bool json = parser.isSet(QStringLiteral("json"));

    const GuardOperations operations = AppComposition::guardOperations(context.environment, context.claudePaths, QSettings());
    if (action == u"on" || action == u"off")
        return report(operations.setEnabled(action == u"on"), operations, out, err);
    if (action == u"reinstall")
        return report(operations.overwrite(), operations, out, err);

    const auto current = operations.current();
    const auto owner = operations.settingsManager.statusLineOwner(operations.settingsPath);
    const auto tickets = operations.settingsManager.resumeDirectory(operations.settingsPath, context.homeDirectory);
    if (json && current) {
        printJson(out, QJsonObject{
            {QStringLiteral("enabled"), current->enabled},
            {QStringLiteral("engine_scripts"), QString::fromLatin1(QMetaEnum::fromType<HookInstaller::Status>().valueToKey(int(current->status)))},
            {QStringLiteral("hooks_directory"), operations.installer.hooksDirectory()},
            {QStringLiteral("status_line"), owner ? QJsonValue(QString::fromLatin1(ownerName(*owner))) : QJsonValue::Null},
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
    if (owner)
        out << "Figures: " << figuresSource(*owner, context.engineStatePath) << '\n';
    if (const auto told = operations.settingsManager.guardStatePath(operations.settingsPath);
        current->enabled && told && *told != operations.statePath) {
        out << "Warning: the guard reads " << told->value_or(context.claudePaths.engineStateFile())
            << " but Pacewise records the figures in " << context.engineStatePath
            << "; run 'pacewisectl guard on' to point the guard there\n";
    }
    if (tickets)
        out << "Auto-continue: " << (*tickets ? QStringLiteral("on (") + **tickets + u')' : QStringLiteral("off"))
            << '\n';
    return success;
}

} // namespace pacewise::cli
