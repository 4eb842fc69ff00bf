#include "AutostartCommand.h"

#include "CommandLine.h"
#include "ExitCode.h"
#include "JsonOutput.h"
#include "app/AppComposition.h"
#include "app/LaunchAtLoginController.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

namespace pacewise::cli {

namespace {

const char helpText[] = R"(Usage: pacewisectl autostart on|off|status

Starts Pacewise when you log in to a desktop session, through an XDG
autostart entry (~/.config/autostart/io.github.pacewise.Pacewise.desktop),
the same one as the tray app's "Launch at login": it starts the tray app,
which works without a tray too. An entry you edited is kept: switching off
then only marks it hidden. Without a desktop, use `pacewisectl service install`.

Options:
  --json   print the resulting state as one JSON object (see docs/json.md)

Exit status: 0 done, 1 failed (the reason is printed), 2 bad arguments.
)";

void printJsonStatus(bool enabled, const QString &entry, QTextStream &out)
{
    printJson(out, QJsonObject{{QStringLiteral("enabled"), enabled}, {QStringLiteral("entry"), entry}});
}

} // namespace

int runAutostart(const QStringList &arguments, const CommandContext &context, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    const auto parsed =
        parseAction(parser, arguments, QStringLiteral("autostart"), helpText, switchActions(), out, err);
    if (!parsed)
        return parsed.error();
    const QString &action = *parsed;
    const auto service = AppComposition::launchAtLogin(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("pacewise")));
    if (action != u"status" && !(action == u"on" ? service->registerItem() : service->unregisterItem())) {
        err << "pacewisectl autostart: " << service->entryPath() << " could not be updated\n";
        return failure;
    }
    const bool enabled = service->status() != LoginItemService::Status::notRegistered;
    if (parser.isSet(QStringLiteral("json"))) {
        printJsonStatus(enabled, service->entryPath(), out);
        return success;
    }
    out << "Start at login: " << (enabled ? "on" : "off") << " (" << service->entryPath() << ")\n";
    // The entry is read by desktop sessions only: over SSH it starts nothing.
    if (action == u"on" && context.environment.value(QStringLiteral("DISPLAY")).isEmpty() &&
        context.environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty()) {
        out << "Note: it starts Pacewise when you log in to a desktop; on a machine without one, use "
               "'pacewisectl service install'\n";
    }
    return success;
}

} // namespace pacewise::cli
