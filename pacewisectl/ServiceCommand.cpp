#include "ServiceCommand.h"

#include "CommandLine.h"
#include "ExitCode.h"
#include "JsonOutput.h"
#include "system/AtomicFileWriter.h"
#include "system/ErrorText.h"
#include "system/RegularFile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace pacewise::cli {

namespace {

const char helpText[] = R"(Usage: pacewisectl service install | uninstall | status

Runs `pacewisectl daemon` as the systemd user service pacewise.service, so
that it starts with your session; with `loginctl enable-linger` it runs even
while you are not logged in, which suits machines reached over SSH.

  install    enable and start pacewise.service; where no package installed
             the unit, first write ~/.config/systemd/user/pacewise.service
             for this pacewisectl
  uninstall  stop and disable it, and remove the unit if `service install`
             wrote it
  status     whether the unit exists, is enabled and runs

Options:
  --json   with status: print one JSON object (see docs/json.md)

Exit status: 0 done, 1 failed (no systemd user manager, or systemctl failed;
the reason is printed), 2 bad arguments.
)";

const QString unitName = QStringLiteral("pacewise.service");
// Marks a unit this command wrote, so that uninstall never removes another.
const QByteArray writtenMarker = "# Written by pacewisectl service install";

struct Systemctl {
    QString executable;
    const CommandContext &context;

    std::expected<ScriptResult, QString> run(const QStringList &arguments) const
    {
        const auto result = context.runner->run(ScriptInvocation{
            .executable = executable,
            .arguments = QStringList{QStringLiteral("--user")} + arguments,
            .timeoutSeconds = 60,
            .environment = context.environment,
            .workingDirectory = std::nullopt,
        });
        if (!result)
            return std::unexpected(QStringLiteral("systemctl could not be run"));
        return *result;
    }

    // Runs and requires success; the reason is systemctl's own first line.
    std::expected<void, QString> require(const QStringList &arguments) const
    {
        const auto result = run(arguments);
        if (!result)
            return std::unexpected(result.error());
        if (result->exitCode != 0) {
            return std::unexpected(QStringLiteral("systemctl --user %1 failed: %2")
                                       .arg(arguments.join(u' '), firstLine(result->standardError + result->standardOutput)));
        }
        return {};
    }

    bool succeeds(const QStringList &arguments) const
    {
        const auto result = run(arguments);
        return result && result->exitCode == 0;
    }
};

QString userUnitPath(const CommandContext &context)
{
    QString config = context.environment.value(QStringLiteral("XDG_CONFIG_HOME"));
    if (!QDir::isAbsolutePath(config))
        config = QDir(context.homeDirectory).filePath(QStringLiteral(".config"));
    return QDir(config).filePath(QStringLiteral("systemd/user/") + unitName);
}

bool isWrittenByUs(const QString &path)
{
    const auto contents = readRegularFileBytes(path, 64 * 1024);
    return contents && contents->startsWith(writtenMarker);
}

// ExecStart= takes C-style quoting; a path with a space or quote goes in
// double quotes, and systemd expands % specifiers, so % is doubled.
QString execStart(const QString &program)
{
    QString escaped = program;
    escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\"")).replace(u'%', QStringLiteral("%%"));
    if (escaped.contains(u' ') || escaped != program)
        escaped = u'"' + escaped + u'"';
    return escaped + QStringLiteral(" daemon");
}

QByteArray unitText(const QString &program)
{
    return writtenMarker + "\n"
           "[Unit]\n"
           "Description=Pacewise: keeps Claude Code work going across usage limits\n\n"
           "[Service]\n"
           "Type=simple\n"
           "ExecStart=" + execStart(program).toUtf8() + "\n"
           "Restart=on-failure\n"
           "RestartSec=30\n"
           "# A session being resumed goes on when the service stops or restarts: only\n"
           "# the daemon is stopped, and the next one learns how the resume ended.\n"
           "KillMode=process\n\n"
           "[Install]\n"
           "WantedBy=default.target\n";
}

int install(const Systemctl &systemctl, const CommandContext &context, QTextStream &out, QTextStream &err)
{
    const QString path = userUnitPath(context);
    // A unit of ours is rewritten, so it follows this pacewisectl; one a
    // package or the user put there is used as it is.
    if (isWrittenByUs(path) || !systemctl.succeeds({QStringLiteral("cat"), unitName})) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (const auto written = writeFileAtomically(path, unitText(QCoreApplication::applicationFilePath()), 0644); !written) {
            err << "pacewisectl service: " << path << " could not be written: " << systemErrorText(written.error().errorNumber)
                << '\n';
            return failure;
        }
        out << "Wrote " << path << '\n';
    }
    for (const QStringList &step : {QStringList{QStringLiteral("daemon-reload")},
                                    QStringList{QStringLiteral("enable"), QStringLiteral("--now"), unitName}}) {
        if (const auto done = systemctl.require(step); !done) {
            err << "pacewisectl service: " << done.error() << '\n';
            return failure;
        }
    }
    out << "pacewise.service is enabled and running; its log: journalctl --user -u pacewise\n";
    return success;
}

int uninstall(const Systemctl &systemctl, const CommandContext &context, QTextStream &out, QTextStream &err)
{
    if (systemctl.succeeds({QStringLiteral("cat"), unitName})) {
        if (const auto done = systemctl.require({QStringLiteral("disable"), QStringLiteral("--now"), unitName}); !done) {
            err << "pacewisectl service: " << done.error() << '\n';
            return failure;
        }
    }
    const QString path = userUnitPath(context);
    if (isWrittenByUs(path)) {
        if (!QFile::remove(path)) {
            err << "pacewisectl service: " << path << " could not be removed\n";
            return failure;
        }
        [[maybe_unused]] const bool reloaded = systemctl.succeeds({QStringLiteral("daemon-reload")});
        out << "Removed " << path << '\n';
    }
    out << "pacewise.service is stopped and disabled\n";
    return success;
}

int status(const Systemctl &systemctl, const CommandContext &context, bool json, QTextStream &out)
{
    const bool exists = systemctl.succeeds({QStringLiteral("cat"), unitName});
    const bool enabled = exists && systemctl.succeeds({QStringLiteral("is-enabled"), QStringLiteral("--quiet"), unitName});
    const bool active = exists && systemctl.succeeds({QStringLiteral("is-active"), QStringLiteral("--quiet"), unitName});
    const bool ours = isWrittenByUs(userUnitPath(context));
    if (json) {
        printJson(out, QJsonObject{
            {QStringLiteral("installed"), exists},
            {QStringLiteral("written_by_pacewisectl"), ours},
            {QStringLiteral("enabled"), enabled},
            {QStringLiteral("active"), active},
        });
        return success;
    }
    if (!exists) {
        out << "pacewise.service: not installed (pacewisectl service install)\n";
        return success;
    }
    out << "pacewise.service: " << (enabled ? "enabled" : "disabled") << ", " << (active ? "running" : "not running");
    if (ours)
        out << " (" << userUnitPath(context) << ')';
    out << '\n';
    return success;
}

// What to do instead, where systemd runs no manager for this user: at a
// desktop, start with the desktop session; elsewhere, a manager that
// outlives the logins, or the daemon in a terminal that stays.
QString withoutUserManager(const CommandContext &context)
{
    if (!context.environment.value(QStringLiteral("DISPLAY")).isEmpty() ||
        !context.environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty())
        return QStringLiteral("at this desktop, 'pacewisectl autostart on' starts Pacewise with each login instead");
    return QStringLiteral("'loginctl enable-linger' gives you a user manager that runs without a login; else run"
                          " 'pacewisectl daemon' in a terminal that stays open (tmux, screen)");
}

} // namespace

int runService(const QStringList &arguments, const CommandContext &context, QTextStream &out, QTextStream &err)
{
    QCommandLineParser parser;
    const QStringList actions{QStringLiteral("install"), QStringLiteral("uninstall"), QStringLiteral("status")};
    const auto parsed =
        parseAction(parser, arguments, QStringLiteral("service"), helpText, actions, out, err, QStringLiteral("status"));
    if (!parsed)
        return parsed.error();
    const QString &action = *parsed;
    const bool json = parser.isSet(QStringLiteral("json"));

    const QString executable = QStandardPaths::findExecutable(
        QStringLiteral("systemctl"), context.environment.value(QStringLiteral("PATH")).split(u':', Qt::SkipEmptyParts));
    if (executable.isEmpty()) {
        err << "pacewisectl service: systemctl was not found; " << withoutUserManager(context) << '\n';
        return failure;
    }
    const Systemctl systemctl{executable, context};
    // Nothing is written unless a user manager is there to run it.
    if (const auto manager = systemctl.require({QStringLiteral("show-environment")}); !manager) {
        err << "pacewisectl service: no systemd user manager is reachable (" << manager.error() << "); "
            << withoutUserManager(context) << '\n';
        return failure;
    }
    if (action == u"install")
        return install(systemctl, context, out, err);
    if (action == u"uninstall")
        return uninstall(systemctl, context, out, err);
    return status(systemctl, context, json, out);
}

} // namespace pacewise::cli
