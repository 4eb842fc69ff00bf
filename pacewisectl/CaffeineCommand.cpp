#include "CaffeineCommand.h"

#include "CommandLine.h"
#include "ExitCode.h"
#include "JsonOutput.h"
#include "app/ControlService.h"

#include <QCommandLineParser>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>

namespace pacewise::cli {

namespace {

const char helpText[] = R"(Usage: pacewisectl caffeine on | off | status

Caffeine keeps the computer from suspending by itself while long Claude Code
work runs unattended. The running Pacewise (`pacewisectl daemon`, the
pacewise user service, or the tray app) holds it through the desktop portal
or systemd-logind until it is switched off or that Pacewise stops; it is
never remembered across restarts. This command asks it over the session bus.

Options:
  --json   print the resulting state as one JSON object (see docs/json.md)

Exit status: 0 done, 1 failed (no Pacewise running, or keep-awake is not
available here; the reason is printed), 2 bad arguments.
)";

} // namespace

int runCaffeine(const QStringList &arguments, const CommandContext &, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    const auto parsed =
        parseAction(parser, arguments, QStringLiteral("caffeine"), helpText, switchActions(), out, err);
    if (!parsed)
        return parsed.error();
    const QString &action = *parsed;

    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        err << "pacewisectl caffeine: no session bus to reach the running Pacewise through"
               " (is DBUS_SESSION_BUS_ADDRESS set?)\n";
        return failure;
    }
    if (!ControlService::isRunningOn(bus)) {
        err << "pacewisectl caffeine: no Pacewise is running to hold it; start `pacewisectl daemon`"
               " (or `systemctl --user start pacewise`) or the tray app\n";
        return failure;
    }
    const QDBusMessage reply = action == u"status"
                                   ? ControlService::callRunning(bus, QStringLiteral("Status"))
                                   : ControlService::callRunning(bus, QStringLiteral("SetCaffeine"), {action == u"on"});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1) {
        err << "pacewisectl caffeine: the running Pacewise did not answer: " << reply.errorMessage() << '\n';
        return failure;
    }
    const QVariantMap status = qdbus_cast<QVariantMap>(reply.arguments().constFirst());
    const bool active = status.value(QStringLiteral("caffeineActive")).toBool();
    const QString unavailable = status.value(QStringLiteral("caffeineUnavailableReason")).toString();
    if (action == u"on" && !active) {
        err << "pacewisectl caffeine: keep-awake is not available: "
            << (unavailable.isEmpty() ? QStringLiteral("no reason given") : unavailable) << '\n';
        return failure;
    }
    const qint64 pid = status.value(QStringLiteral("pid")).toLongLong();
    if (parser.isSet(QStringLiteral("json"))) {
        printJson(out, QJsonObject{
            {QStringLiteral("active"), active},
            {QStringLiteral("held_by_pid"), active ? QJsonValue(pid) : QJsonValue::Null},
            {QStringLiteral("unavailable_reason"), jsonText(unavailable)},
        });
        return success;
    }
    out << "Caffeine: " << (active ? "on" : "off");
    if (active)
        out << " (held by pid " << pid << ')';
    else if (!unavailable.isEmpty())
        out << " (last attempt failed: " << unavailable << ')';
    out << '\n';
    return success;
}

} // namespace pacewise::cli
