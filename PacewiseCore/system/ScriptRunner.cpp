#include "ScriptRunner.h"

#include "ErrorText.h"
#include "FileDescriptor.h"
#include "Logging.h"
#include "PrivateDirectory.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>

#include <chrono>
#include <cmath>
#include <thread>
#include <vector>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/eventfd.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace pacewise {

Q_LOGGING_CATEGORY(lcScriptRunner, "pacewise.ScriptRunner", QtInfoMsg)

namespace {

using Clock = std::chrono::steady_clock;

Clock::duration duration(double seconds)
{
    // Callers pass small constants; anything else is clamped rather than
    // allowed to overflow the clock's arithmetic.
    constexpr double longest = 365.0 * 24 * 3600;
    if (!std::isfinite(seconds) || seconds < 0)
        seconds = 0;
    return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(std::min(seconds, longest)));
}

struct Capture {
    FileDescriptor fd;
    QByteArray bytes;
    bool truncated = false;
    bool widened = false;
};

// A pipe is 64 KiB; a child that fills it gets a wider one, so that long
// output costs fewer wake-ups. Most children print a few lines and never
// pay for it.
constexpr qsizetype narrowPipe = 64 * 1024;
constexpr int widePipe = 1024 * 1024;

// Reads what the pipe holds now; closes it at end-of-file. Bytes beyond the
// limit are read and dropped so the child never blocks on a full pipe.
void readAvailable(Capture &capture, qsizetype limit)
{
    constexpr qsizetype chunk = 256 * 1024;
    // Most children print a few lines: those are read through this buffer,
    // so that no run pays for growing the capture by a whole chunk. Long
    // output is read straight into the capture, a chunk at a time. Past
    // the limit, the buffer takes what is thrown away.
    char buffer[64 * 1024];
    for (;;) {
        const qsizetype size = capture.bytes.size();
        const qsizetype room = limit - size;
        const bool direct = room > 0 && size >= qsizetype(sizeof buffer);
        char *target = buffer;
        qsizetype wanted = qsizetype(sizeof buffer);
        if (direct) {
            wanted = std::min(chunk, room);
            capture.bytes.resize(size + wanted);
            target = capture.bytes.data() + size;
        }
        const ssize_t count = ::read(capture.fd.get(), target, size_t(wanted));
        if (direct)
            capture.bytes.resize(size + std::max<ssize_t>(count, 0));
        else if (count > 0 && room > 0)
            capture.bytes.append(buffer, std::min<qsizetype>(count, room));
        if (count >= narrowPipe && !capture.widened) {
            capture.widened = true;
            ::fcntl(capture.fd.get(), F_SETPIPE_SZ, widePipe); // the narrow pipe stays when refused
        }
        if (count > 0) {
            if (count > room && !capture.truncated) {
                capture.truncated = true;
                qCWarning(lcScriptRunner, "child process output exceeded %lld bytes; the rest was dropped",
                          static_cast<long long>(limit));
            }
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        capture.fd.reset(); // end-of-file or a broken pipe
        return;
    }
}

struct SpawnedChild {
    pid_t pid = -1;
    // Readable once the child has exited; invalid on kernels without pidfds.
    FileDescriptor exitNotifier;
    Capture output;
    Capture error;
};

class SpawnSetup {
public:
    SpawnSetup()
    {
        posix_spawn_file_actions_init(&actions);
        posix_spawnattr_init(&attributes);
    }
    ~SpawnSetup()
    {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
    SpawnSetup(const SpawnSetup &) = delete;
    SpawnSetup &operator=(const SpawnSetup &) = delete;

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
};

// A pipe whose ends are above 0, 1 and 2: opened while one of those was
// closed, an end would be taken for one of the child's standard streams.
int openPipe(FileDescriptor &read, FileDescriptor &write)
{
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        return errno;
    read = FileDescriptor(ends[0]);
    write = FileDescriptor(ends[1]);
    for (FileDescriptor *end : {&read, &write}) {
        if (end->get() > STDERR_FILENO)
            continue;
        *end = FileDescriptor(::fcntl(end->get(), F_DUPFD_CLOEXEC, STDERR_FILENO + 1));
        if (!end->isValid())
            return errno;
    }
    return 0;
}

std::expected<SpawnedChild, int> spawn(const ScriptInvocation &invocation, const QString &workingDirectory)
{
    FileDescriptor outputRead, outputWrite, errorRead, errorWrite;
    if (const int error = openPipe(outputRead, outputWrite))
        return std::unexpected(error);
    if (const int error = openPipe(errorRead, errorWrite))
        return std::unexpected(error);

    const QByteArray directory = QFile::encodeName(workingDirectory);
    SpawnSetup setup;
    posix_spawn_file_actions_addopen(&setup.actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&setup.actions, outputWrite.get(), STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&setup.actions, errorWrite.get(), STDERR_FILENO);
    posix_spawn_file_actions_addchdir_np(&setup.actions, directory.constData());
    // Descriptors other threads opened without close-on-exec must not leak
    // into the child (a leaked pipe end would keep someone else waiting).
    posix_spawn_file_actions_addclosefrom_np(&setup.actions, STDERR_FILENO + 1);

    // Its own process group (or session), so that a time-out reaches its
    // children too; no signal blocked, and every one at its default: an
    // ignored signal would survive exec, whatever a terminal, a service
    // manager or our own start-up ignored.
    sigset_t emptyMask, allSignals;
    sigemptyset(&emptyMask);
    sigfillset(&allSignals);
    posix_spawnattr_setflags(&setup.attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF |
                                                    (invocation.ownSession ? POSIX_SPAWN_SETSID : POSIX_SPAWN_SETPGROUP));
    posix_spawnattr_setpgroup(&setup.attributes, 0);
    posix_spawnattr_setsigmask(&setup.attributes, &emptyMask);
    posix_spawnattr_setsigdefault(&setup.attributes, &allSignals);

    const QByteArray executable = QFile::encodeName(invocation.executable);
    std::vector<QByteArray> argumentBytes{executable};
    for (const QString &argument : invocation.arguments)
        argumentBytes.push_back(argument.toUtf8());
    std::vector<char *> argv;
    for (QByteArray &argument : argumentBytes)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    std::vector<QByteArray> environmentBytes;
    std::vector<char *> envp;
    if (invocation.environment) {
        for (const QString &assignment : invocation.environment->toStringList())
            environmentBytes.push_back(assignment.toUtf8());
        for (QByteArray &assignment : environmentBytes)
            envp.push_back(assignment.data());
        envp.push_back(nullptr);
    }

    pid_t pid = -1;
    if (const int error = ::posix_spawn(&pid, executable.constData(), &setup.actions, &setup.attributes, argv.data(),
                                        invocation.environment ? envp.data() : environ))
        return std::unexpected(error);

    SpawnedChild child;
    child.pid = pid;
    child.exitNotifier = FileDescriptor(int(::syscall(SYS_pidfd_open, pid, 0)));
    // Our ends only: the child writes to blocking pipes, as programs expect.
    for (FileDescriptor *read : {&outputRead, &errorRead})
        ::fcntl(read->get(), F_SETFL, O_NONBLOCK);
    child.output.fd = std::move(outputRead);
    child.error.fd = std::move(errorRead);
    return child; // the write ends close here: only the child holds them now
}

// A process that ignores SIGCHLD (started so by its parent) has its
// children reaped by the kernel: their exit status is lost and every wait
// for them fails. Children are started here only, so it is put right here.
void restoreChildSignal()
{
    struct sigaction current {};
    if (::sigaction(SIGCHLD, nullptr, &current) != 0 ||
        (current.sa_handler != SIG_IGN && (current.sa_flags & SA_NOCLDWAIT) == 0))
        return;
    struct sigaction defaultAction {};
    defaultAction.sa_handler = SIG_DFL;
    ::sigaction(SIGCHLD, &defaultAction, nullptr);
    qCInfo(lcScriptRunner, "SIGCHLD was ignored; restored its default so that children can be waited for");
}

int exitCodeFrom(int status)
{
    if (status < 0)
        return status;
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return WTERMSIG(status);
    return status;
}

} // namespace

Cancellation::Cancellation()
    : m_descriptor(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
}

Cancellation::~Cancellation()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

void Cancellation::cancel() const
{
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(m_descriptor, &one, sizeof one);
}

bool Cancellation::isCancelled() const
{
    pollfd watched{m_descriptor, POLLIN, 0};
    return ::poll(&watched, 1, 0) == 1;
}

ScriptRunner::ScriptRunner()
    : ScriptRunner(Options{})
{
}

ScriptRunner::ScriptRunner(Options options)
    : m_options(std::move(options))
{
    if (m_options.scratchDirectory.isEmpty())
        m_options.scratchDirectory = defaultScratchDirectory();
}

QString ScriptRunner::defaultScratchDirectory()
{
    if (const auto runtime = userRuntimeDirectory())
        return QDir(*runtime).filePath(QStringLiteral("pacewise-cli-cwd"));
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (!QDir::isAbsolutePath(cache))
        cache = QDir::home().filePath(QStringLiteral(".cache"));
    return QDir(cache).filePath(QStringLiteral("pacewise/cli-cwd"));
}

std::expected<ScriptResult, ScriptRunnerError> ScriptRunner::run(const ScriptInvocation &invocation) const
{
    const auto launchFailed = [](int error) {
        qCWarning(lcScriptRunner, "child process launch failed: %s",
                  qUtf8Printable(privateText(systemErrorText(error))));
        return std::unexpected(ScriptRunnerError{.kind = ScriptRunnerError::Kind::launchFailed, .errorNumber = error});
    };

    if (!invocation.cancellation && m_options.cancellation) {
        ScriptInvocation ended = invocation;
        ended.cancellation = m_options.cancellation;
        return run(ended);
    }
    if (invocation.cancellation && invocation.cancellation->isCancelled())
        return std::unexpected(ScriptRunnerError{.kind = ScriptRunnerError::Kind::cancelled});

    // The scratch folder is checked once; should it vanish later (a cleaner
    // in ~/.cache), the failed start makes it checked and created again.
    const auto prepareScratch = [this] {
        const int refused = preparePrivateDirectory(m_options.scratchDirectory);
        m_scratchReady = refused == 0;
        return refused;
    };
    if (!invocation.workingDirectory && !m_scratchReady) {
        if (const int refused = prepareScratch())
            return launchFailed(refused);
    }
    restoreChildSignal();
    qCDebug(lcScriptRunner, "child process started");
    auto spawned = spawn(invocation, invocation.workingDirectory.value_or(m_options.scratchDirectory));
    if (!spawned && !invocation.workingDirectory && spawned.error() == ENOENT) {
        if (const int refused = prepareScratch())
            return launchFailed(refused);
        spawned = spawn(invocation, m_options.scratchDirectory);
    }
    if (!spawned)
        return launchFailed(spawned.error());
    SpawnedChild &child = *spawned;
    if (invocation.started)
        invocation.started(child.pid);

    // Exit is noticed through the pidfd where the kernel has them, else by
    // polling waitpid every 20 ms.
    FileDescriptor &exitNotifier = child.exitNotifier;

    enum class Phase { running, terminating, killing, draining };
    Phase phase = Phase::running;
    Clock::time_point deadline = Clock::now() + duration(invocation.timeoutSeconds);
    bool timedOut = false;
    bool cancelled = false;
    bool detached = false;
    // The child is observed exiting without being reaped, so that its pid
    // (and with it the process group id) stays reserved for as long as we
    // may still signal the group. Once reaped or abandoned, never signal it.
    bool exited = false;
    bool childGone = false;
    int status = 0;

    const auto pipesOpen = [&] { return child.output.fd.isValid() || child.error.fd.isValid(); };
    const auto startDraining = [&] {
        childGone = true;
        exitNotifier.reset();
        phase = Phase::draining;
        deadline = Clock::now() + duration(m_options.pipeDrainGraceSeconds);
    };

    for (;;) {
        if (!exited) {
            siginfo_t info{};
            const int waited = ::waitid(P_PID, id_t(child.pid), &info, WEXITED | WNOHANG | WNOWAIT);
            exited = waited == 0 && info.si_pid == child.pid;
            if (waited != 0 && errno == ECHILD) {
                // Reaped by someone else: its status is lost, and its id may
                // already be another process's, so it is never signalled.
                qCWarning(lcScriptRunner, "child process was reaped elsewhere; its exit status is unknown");
                exited = true;
                status = -1;
                startDraining();
            }
        }
        // What the child wrote last may still wait in the pipes, their end
        // not yet read: only pipes still open once read dry are held by
        // someone else.
        if (exited && !childGone && phase == Phase::running) {
            for (Capture *capture : {&child.output, &child.error}) {
                if (capture->fd.isValid())
                    readAvailable(*capture, m_options.outputLimitBytes);
            }
        }
        // What the child left behind holding its pipes (a background
        // process of its own) ends with it: SIGTERM now, while the child is
        // not reaped and so its group id cannot be another's yet.
        if (exited && !childGone && phase == Phase::running && pipesOpen()) {
            qCInfo(lcScriptRunner, "child process exited and left others holding its output; ending them");
            ::kill(-child.pid, SIGTERM);
            phase = Phase::terminating;
            deadline = Clock::now() + duration(m_options.terminationGraceSeconds);
        }
        // After SIGTERM, members of the group that still hold the pipes get
        // the grace period too; the deadline then kills them with the group.
        if (exited && !childGone && !(phase == Phase::terminating && pipesOpen())) {
            ::waitpid(child.pid, &status, 0);
            startDraining();
        }
        if (childGone && !pipesOpen())
            break;

        if (!childGone && invocation.detachment && invocation.detachment->isCancelled()) {
            // Left to run on its own; whoever comes next learns how it ended.
            detached = true;
            break;
        }
        const auto now = Clock::now();
        const bool cancelledNow = phase == Phase::running && !exited && invocation.cancellation &&
                                  invocation.cancellation->isCancelled();
        if (now >= deadline || cancelledNow) {
            switch (phase) {
            case Phase::running:
                if (cancelledNow) {
                    cancelled = true;
                    qCInfo(lcScriptRunner, "child process cancelled");
                } else {
                    timedOut = true;
                    qCWarning(lcScriptRunner, "child process timed out after %s s",
                              qUtf8Printable(privateText(QString::number(invocation.timeoutSeconds))));
                }
                ::kill(-child.pid, SIGTERM);
                phase = Phase::terminating;
                deadline = now + duration(m_options.terminationGraceSeconds);
                continue;
            case Phase::terminating:
                if (!exited)
                    qCWarning(lcScriptRunner, "child process ignored SIGTERM; escalating to SIGKILL");
                ::kill(-child.pid, SIGKILL);
                ::kill(child.pid, SIGKILL);
                phase = Phase::killing;
                deadline = now + duration(m_options.terminationGraceSeconds);
                continue;
            case Phase::killing:
                qCWarning(lcScriptRunner, "child process survived SIGKILL; abandoning it");
                // Stuck in the kernel; somebody must still reap it, or it
                // stays a zombie, but not this caller.
                std::thread([pid = child.pid] { ::waitpid(pid, nullptr, 0); }).detach();
                startDraining();
                continue;
            case Phase::draining:
                qCWarning(lcScriptRunner, "pipe drain timed out after child exit; abandoned inherited fd");
                break;
            }
            break;
        }

        pollfd watched[5];
        nfds_t count = 0;
        for (const Capture *capture : {&child.output, &child.error}) {
            if (capture->fd.isValid())
                watched[count++] = pollfd{capture->fd.get(), POLLIN, 0};
        }
        if (!exited && exitNotifier.isValid())
            watched[count++] = pollfd{exitNotifier.get(), POLLIN, 0};
        if (phase == Phase::running && invocation.cancellation)
            watched[count++] = pollfd{invocation.cancellation->descriptor(), POLLIN, 0};
        if (!childGone && invocation.detachment)
            watched[count++] = pollfd{invocation.detachment->descriptor(), POLLIN, 0};

        auto wait = std::chrono::ceil<std::chrono::milliseconds>(deadline - now);
        if (!exited && !exitNotifier.isValid())
            wait = std::min(wait, std::chrono::milliseconds(20));
        if (::poll(watched, count, int(std::clamp<qint64>(wait.count(), 0, 60'000))) <= 0)
            continue;
        for (Capture *capture : {&child.output, &child.error}) {
            if (capture->fd.isValid())
                readAvailable(*capture, m_options.outputLimitBytes);
        }
    }

    if (detached)
        return std::unexpected(ScriptRunnerError{.kind = ScriptRunnerError::Kind::detached});
    if (cancelled)
        return std::unexpected(ScriptRunnerError{.kind = ScriptRunnerError::Kind::cancelled});
    if (timedOut) {
        return std::unexpected(
            ScriptRunnerError{.kind = ScriptRunnerError::Kind::timedOut, .timeoutSeconds = invocation.timeoutSeconds});
    }
    const int exitCode = exitCodeFrom(status);
    qCDebug(lcScriptRunner, "child process exited with code %d", exitCode);
    return ScriptResult{
        .exitCode = exitCode,
        .standardOutput = QString::fromUtf8(child.output.bytes),
        .standardError = QString::fromUtf8(child.error.bytes),
        .standardOutputTruncated = child.output.truncated,
        .standardErrorTruncated = child.error.truncated,
    };
}

} // namespace pacewise
