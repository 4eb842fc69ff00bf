#include "system/PrivateDirectory.h"
#include "system/ScriptRunner.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace pacewise;
using pacewise::test::readFile;

using PathSetUp = std::function<bool(const QByteArray &path)>;
Q_DECLARE_METATYPE(PathSetUp)

namespace {

ScriptInvocation shell(const QString &script, double timeoutSeconds = 10)
{
    return ScriptInvocation{.executable = u"/bin/sh"_qs,
                            .arguments = {u"-c"_qs, script},
                            .timeoutSeconds = timeoutSeconds,
                            .environment = std::nullopt};
}

QStringList openDescriptors()
{
    return QDir(u"/proc/self/fd"_qs).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
}

// Killed members are reparented and may linger as zombies until the
// system's init reaps them; only those still running count.
int livingMembersOfGroup(pid_t group)
{
    int living = 0;
    for (const QString &entry : QDir(u"/proc"_qs).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(u"/proc/"_qs + entry + u"/stat"_qs);
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // pid (comm) state ppid pgrp ...; comm may hold spaces, so split after ')'
        const QList<QByteArray> fields = stat.readAll().split(')').last().trimmed().split(' ');
        if (fields.size() > 2 && fields.at(2).toInt() == group && fields.at(0) != "Z")
            ++living;
    }
    return living;
}

} // namespace

class ScriptRunnerTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_scratchParent; // holds the runner's scratch folder and the files children write
    QStringList m_descriptorsBefore;

    ScriptRunner runner() const
    {
        return ScriptRunner({.pipeDrainGraceSeconds = 0.5,
                             .terminationGraceSeconds = 0.3,
                             .outputLimitBytes = 16 * 1024 * 1024,
                             .scratchDirectory = m_scratchParent.filePath(u"cli-cwd"_qs)});
    }

private slots:
    void init() { m_descriptorsBefore = openDescriptors(); }

    // Every run, however it ended, leaves neither a descriptor nor a zombie.
    void cleanup()
    {
        QCOMPARE(openDescriptors(), m_descriptorsBefore);
        errno = 0;
        QCOMPARE(::waitpid(-1, nullptr, WNOHANG), -1);
        QCOMPARE(errno, ECHILD);
    }

    // However the parent stands: standard streams closed, descriptors open
    // without close-on-exec, signals ignored, handled and blocked, SIGCHLD
    // ignored too. The child has its pipes, /dev/null, no other descriptor,
    // no signal blocked and none ignored (but the two glibc keeps for
    // itself), and its exit status is known.
    void childStartsCleanWhateverTheParentsState()
    {
        for (const int signal : {SIGPIPE, SIGURG, SIGXFSZ, SIGHUP, SIGRTMIN + 3, SIGCHLD})
            ::signal(signal, SIG_IGN);
        ::signal(SIGUSR1, [](int) {});
        sigset_t blocked, previousMask;
        sigemptyset(&blocked);
        sigaddset(&blocked, SIGUSR2);
        ::pthread_sigmask(SIG_BLOCK, &blocked, &previousMask);
        int saved[3];
        for (int fd = 0; fd < 3; ++fd) {
            saved[fd] = ::fcntl(fd, F_DUPFD, 10);
            ::close(fd);
        }
        const auto result = runner().run(
            shell(u"cat; grep SigBlk /proc/self/status; ignored=$(grep SigIgn /proc/self/status | cut -f2);"
                  "echo $((0x$ignored & ~0x180000000)); ls /proc/self/fd | wc -l; echo err >&2; exit 3"_qs));
        for (int fd = 0; fd < 3; ++fd) {
            ::dup2(saved[fd], fd);
            ::close(saved[fd]);
        }
        ::pthread_sigmask(SIG_SETMASK, &previousMask, nullptr);
        const bool childSignalRestored = ::signal(SIGCHLD, SIG_DFL) == SIG_DFL;
        for (const int signal : {SIGPIPE, SIGURG, SIGXFSZ, SIGHUP, SIGRTMIN + 3, SIGUSR1})
            ::signal(signal, SIG_DFL);
        QVERIFY(result);
        QCOMPARE(result->exitCode, 3);
        QVERIFY(childSignalRestored);
        // The descriptors: 0, 1, 2 and ls's own.
        QCOMPARE(result->standardOutput, u"SigBlk:\t0000000000000000\n0\n4\n"_qs);
        QCOMPARE(result->standardError, u"err\n"_qs);
    }

    // Threads of the pool start children at once: each gets its own
    // arguments, pipes and status.
    void concurrentStartsKeepTheirOwnStreams()
    {
        std::vector<std::thread> threads;
        std::atomic<int> mixedUp = 0;
        const ScriptRunner shared = runner();
        for (int thread = 0; thread < 8; ++thread) {
            threads.emplace_back([&, thread] {
                for (int run = 0; run < 20; ++run) {
                    const QString tag = u"%1-%2"_qs.arg(thread).arg(run);
                    const auto result = shared.run(shell(u"echo %1; echo %1 >&2; exit %2"_qs.arg(tag).arg(run)));
                    if (!result || result->standardOutput != tag + u'\n' || result->standardError != tag + u'\n' ||
                        result->exitCode != run)
                        ++mixedUp;
                }
            });
        }
        for (std::thread &thread : threads)
            thread.join();
        QCOMPARE(mixedUp.load(), 0);
    }

    // A child in a session of its own, let go while it runs: the run
    // returns at once, the child goes on to its end unsignalled.
    void aDetachedChildGoesOnInItsOwnSession()
    {
        const QString done = m_scratchParent.filePath(u"done"_qs);
        ScriptInvocation invocation = shell(u"sleep 0.3; read -r pid unused session rest < /proc/self/stat;"
                                            "echo \"$$ $(cut -d' ' -f6 /proc/$$/stat)\" > '%1'"_qs.arg(done), 10);
        invocation.ownSession = true;
        const auto detachment = std::make_shared<Cancellation>();
        invocation.detachment = detachment;
        pid_t child = -1;
        invocation.started = [&](qint64 pid) {
            child = pid_t(pid);
            detachment->cancel();
        };
        QElapsedTimer clock;
        clock.start();
        const auto result = runner().run(invocation);
        QVERIFY(!result);
        QCOMPARE(result.error().kind, ScriptRunnerError::Kind::detached);
        QVERIFY2(clock.elapsed() < 250, qPrintable(QString::number(clock.elapsed())));
        int status = -1;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(QString::fromUtf8(readFile(done)).trimmed(), u"%1 %1"_qs.arg(child));
    }

    // The process quitting ends the run under way, its child with it, and
    // starts no other.
    void quittingEndsRunsAndStartsNone()
    {
        const auto quitting = std::make_shared<Cancellation>();
        ScriptRunner::Options options = runner().options();
        options.cancellation = quitting;
        const ScriptRunner ending(options);
        ScriptInvocation invocation = shell(u"sleep 30"_qs, 60);
        pid_t child = -1;
        invocation.started = [&](qint64 pid) {
            child = pid_t(pid);
            quitting->cancel();
        };
        const auto result = ending.run(invocation);
        QVERIFY(!result);
        QCOMPARE(result.error().kind, ScriptRunnerError::Kind::cancelled);
        QVERIFY(child > 0);
        QCOMPARE(::kill(child, 0), -1); // reaped, not left running

        bool started = false;
        invocation.started = [&](qint64) { started = true; };
        const auto next = ending.run(invocation);
        QVERIFY(!next);
        QCOMPARE(next.error().kind, ScriptRunnerError::Kind::cancelled);
        QVERIFY(!started);
    }

    void largeOutputOnBothPipesIsCappedNotBlocking()
    {
        const auto result = runner().run(
            shell(u"head -c 52428800 /dev/zero & head -c 52428800 /dev/zero >&2; wait; echo tail"_qs, 60));
        QVERIFY(result);
        QCOMPARE(result->exitCode, 0);
        QCOMPARE(result->standardOutput.size(), 16 * 1024 * 1024);
        QCOMPARE(result->standardError.size(), 16 * 1024 * 1024);
        QVERIFY(result->standardOutputTruncated);
        QVERIFY(result->standardErrorTruncated);
    }

    // Even a child of the group that ignores SIGTERM.
    void timeOutsEndTheWholeGroup()
    {
        const QString pidFile = m_scratchParent.filePath(u"pid"_qs);
        QElapsedTimer clock;
        clock.start();
        const auto result = runner().run(shell(u"echo $$ > '%1'; sh -c \"trap '' TERM; sleep 1000\"; :"_qs.arg(pidFile), 0.3));
        QVERIFY(!result);
        QCOMPARE(result.error(), (ScriptRunnerError{.kind = ScriptRunnerError::Kind::timedOut, .timeoutSeconds = 0.3}));
        // time-out + SIGTERM grace + SIGKILL grace + drain, with room for a slow machine
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));

        const pid_t group = readFile(pidFile).trimmed().toInt();
        QVERIFY(group > 1);
        QTRY_COMPARE(livingMembersOfGroup(group), 0);
    }

    // A background process the child left holding its pipes ends with it,
    // at once: it neither keeps the caller waiting nor lives on. The child
    // ended by a signal we did not send reports that signal.
    void grandchildHoldingThePipesEndsWithTheChild()
    {
        QElapsedTimer clock;
        clock.start();
        const auto result = runner().run(shell(u"sleep 30 & echo $! ; kill -USR1 $$"_qs));
        QVERIFY(result);
        QCOMPARE(result->exitCode, int(SIGUSR1));
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        const pid_t grandchild = result->standardOutput.trimmed().toInt();
        QVERIFY(grandchild > 1);
        QTRY_VERIFY(::kill(grandchild, 0) != 0 || readFile(u"/proc/%1/stat"_qs.arg(grandchild)).split(')').last().trimmed().startsWith('Z'));
    }

    // A missing program, or a missing working folder.
    void launchFailuresAreTyped()
    {
        ScriptInvocation missingProgram = shell(u"exit 0"_qs);
        missingProgram.executable = u"/nonexistent/claude"_qs;
        ScriptInvocation missingFolder = shell(u"exit 0"_qs);
        missingFolder.workingDirectory = u"/nonexistent"_qs;
        for (const ScriptInvocation &invocation : {missingProgram, missingFolder}) {
            const auto result = runner().run(invocation);
            QVERIFY(!result);
            QCOMPARE(result.error(), (ScriptRunnerError{.kind = ScriptRunnerError::Kind::launchFailed, .errorNumber = ENOENT}));
        }
    }

    // Another local user must not be able to plant files where `claude`
    // runs, so a scratch folder that others could write is refused.
    void scratchFolderMustBePrivate_data()
    {
        QTest::addColumn<PathSetUp>("plant");
        QTest::addColumn<int>("errorNumber");
        const auto folder = [](mode_t mode, uid_t owner) {
            return PathSetUp([=](const QByteArray &path) {
                return ::mkdir(path.constData(), 0700) == 0 && ::chmod(path.constData(), mode) == 0 &&
                       ::chown(path.constData(), owner, ::getegid()) == 0;
            });
        };
        QTest::newRow("created private") << PathSetUp([](const QByteArray &) { return true; }) << 0;
        QTest::newRow("world-writable") << folder(0777, ::geteuid()) << EPERM;
        QTest::newRow("owned by someone else") << folder(0700, ::geteuid() + 1) << EPERM;
        QTest::newRow("a symlink to a folder")
            << PathSetUp([](const QByteArray &path) { return ::symlink("/tmp", path.constData()) == 0; }) << ENOTDIR;
    }

    void scratchFolderMustBePrivate()
    {
        QFETCH(PathSetUp, plant);
        QFETCH(int, errorNumber);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"deep/cli-cwd"_qs);
        const QByteArray encoded = QFile::encodeName(path);
        QDir().mkpath(dir.filePath(u"deep"_qs));
        QVERIFY(plant(encoded));

        QCOMPARE(preparePrivateDirectory(path), errorNumber);
        ScriptRunner::Options options = runner().options();
        options.scratchDirectory = path;
        const auto result = ScriptRunner(options).run(shell(u"exit 0"_qs));
        QCOMPARE(result.has_value(), errorNumber == 0);
        if (errorNumber == 0) {
            struct stat status {};
            QCOMPARE(::lstat(encoded.constData(), &status), 0);
            QCOMPARE(status.st_mode & 0777, 0700u);
        }
    }

    // XDG_RUNTIME_DIR left behind by a logout (tmux) or another user's (su):
    // claude runs from the private cache folder instead, and the missing
    // folder is never created.
    void anUnusableRuntimeFolderFallsBackToTheCache_data()
    {
        QTest::addColumn<PathSetUp>("plant");
        QTest::addColumn<bool>("used");
        QTest::newRow("ours") << PathSetUp([](const QByteArray &path) { return ::mkdir(path.constData(), 0700) == 0; }) << true;
        QTest::newRow("missing") << PathSetUp([](const QByteArray &) { return true; }) << false;
        QTest::newRow("someone else's") << PathSetUp([](const QByteArray &path) {
            return ::mkdir(path.constData(), 0700) == 0 && ::chown(path.constData(), ::geteuid() + 1, ::getegid()) == 0;
        }) << false;
    }

    void anUnusableRuntimeFolderFallsBackToTheCache()
    {
        QFETCH(PathSetUp, plant);
        QFETCH(bool, used);
        QTemporaryDir dir;
        const QString runtime = dir.filePath(u"run-user"_qs);
        QVERIFY(plant(QFile::encodeName(runtime)));
        const QByteArray previousRuntime = qgetenv("XDG_RUNTIME_DIR");
        const QByteArray previousCache = qgetenv("XDG_CACHE_HOME");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        qputenv("XDG_CACHE_HOME", QFile::encodeName(dir.filePath(u"cache"_qs)));
        const QString scratch = ScriptRunner::defaultScratchDirectory();
        qputenv("XDG_RUNTIME_DIR", previousRuntime);
        qputenv("XDG_CACHE_HOME", previousCache);
        QCOMPARE(scratch, used ? runtime + u"/pacewise-cli-cwd"_qs : dir.filePath(u"cache/pacewise/cli-cwd"_qs));
        QCOMPARE(QFileInfo::exists(runtime), used || QFileInfo(runtime).isDir());
    }
};

QTEST_GUILESS_MAIN(ScriptRunnerTest)
#include "tst_scriptrunner.moc"
