#include "ResumeRun.h"

#include "system/RegularFile.h"

#include <QDir>
#include <QFile>

namespace pacewise {

namespace {

// $1 the files' prefix, $2 the time limit in seconds, then claude's command
// line. claude runs in the background so that the shell can pass on a
// SIGTERM at once (a shell waiting for a foreground command defers its
// traps); timeout gives it back default dispositions for the signals a
// background command starts with ignored. The result is written by rename,
// so a reader sees all of it or nothing. The files are made private first,
// like the tickets beside them; claude itself keeps the user's umask.
constexpr char runScript[] = R"sh(result=$1 limit=$2
shift 2
(umask 077 && : >"$result.out" && : >"$result.err" && : >"$result.exit.tmp") || exit 1
exec </dev/null >"$result.out" 2>"$result.err"
timeout -k 10 "$limit" "$@" &
run=$!
trap 'kill -TERM "$run" 2>/dev/null' TERM INT HUP
until wait "$run"; status=$?; ! kill -0 "$run" 2>/dev/null; do :; done
printf '%s %s\n' "$status" "$(date +%s)" >"$result.exit.tmp" && mv -f "$result.exit.tmp" "$result.exit"
)sh";

// coreutils' timeout exits so when the time limit stopped the command.
constexpr int timedOutStatus = 124;
// What the runner waits beyond the shell's own limit and timeout's last
// SIGKILL before it stops the shell itself.
constexpr double backstopSeconds = 30;
constexpr qint64 outputLimitBytes = 16 * 1024 * 1024;

QString readOutput(const QString &path)
{
    const auto contents = readRegularFile(path, outputLimitBytes, SymlinkPolicy::refuse);
    return contents && contents->identity.isPrivate() ? QString::fromUtf8(contents->bytes) : QString();
}

} // namespace

ResumeRun::ResumeRun(QString filePrefix)
    : m_filePrefix(std::move(filePrefix))
{
}

ScriptInvocation ResumeRun::wrapping(const ScriptInvocation &claude) const
{
    ScriptInvocation shell = claude;
    shell.executable = QStringLiteral("/bin/sh");
    shell.arguments = QStringList{QStringLiteral("-c"), QString::fromLatin1(runScript), QStringLiteral("pacewise-resume"),
                                  m_filePrefix, QString::number(claude.timeoutSeconds, 'f', 3), claude.executable} +
                      claude.arguments;
    shell.timeoutSeconds = claude.timeoutSeconds + backstopSeconds;
    shell.ownSession = true;
    return shell;
}

void ResumeRun::clear() const
{
    for (const char *suffix : {".out", ".err", ".exit", ".exit.tmp"})
        QFile::remove(m_filePrefix + QLatin1String(suffix));
}

std::optional<ResumeRun::Result> ResumeRun::result() const
{
    const auto recorded = readRegularFile(m_filePrefix + u".exit"_qs, 64, SymlinkPolicy::refuse);
    if (!recorded || !recorded->identity.isPrivate())
        return std::nullopt;
    const QList<QByteArray> fields = recorded->bytes.trimmed().split(' ');
    bool statusRead = false;
    bool timeRead = false;
    const int status = fields.value(0).toInt(&statusRead);
    const qint64 endedAt = fields.value(1).toLongLong(&timeRead);
    if (fields.size() != 2 || !statusRead || !timeRead)
        return std::nullopt;
    return Result{
        .exitCode = status,
        .standardOutput = readOutput(m_filePrefix + u".out"_qs),
        .standardError = readOutput(m_filePrefix + u".err"_qs),
        .endedAt = QDateTime::fromSecsSinceEpoch(endedAt, Qt::UTC),
        .timedOut = status == timedOutStatus,
    };
}

bool ResumeRun::isGoingOn(const ProcessIdentity &shell)
{
    return shell.isAlive() || ProcessIdentity::anyAliveInSession(shell.pid);
}

} // namespace pacewise
