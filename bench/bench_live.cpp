#include "app/AppState.h"
#include "app/ResumeController.h"
#include "app/AppComposition.h"
#include "system/ScriptRunning.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <vector>

using namespace pacewise;

namespace {

class CountingFetcher final : public UsageFetching {
public:
    std::expected<UsageSnapshot, UsageCLIError> fetch() const override
    {
        ++calls;
        const QDateTime reset = QDateTime::currentDateTimeUtc().addSecs(3600);
        return UsageSnapshot({UsageLimit(UsageLimitKind::fiveHour, std::nullopt, 5, reset),
                              UsageLimit(UsageLimitKind::weeklyAll, std::nullopt, 5, reset.addDays(3))});
    }
    mutable std::atomic<int> calls = 0;
};

// Notes when claude would be started, and answers that the session went on.
class RecordingRunner final : public ScriptRunning {
public:
    std::expected<ScriptResult, ScriptRunnerError> run(const ScriptInvocation &invocation) const override
    {
        startedAt = QDateTime::currentDateTimeUtc();
        const QString files = invocation.arguments.value(3);
        for (const auto &[suffix, bytes] : {std::pair{".out", QByteArray(R"({"is_error":false})")}, std::pair{".err", QByteArray()},
                                           std::pair{".exit", "0 " + QByteArray::number(QDateTime::currentSecsSinceEpoch())}}) {
            QFile file(files + QLatin1String(suffix));
            if (file.open(QIODevice::WriteOnly))
                file.write(bytes);
        }
        return ScriptResult{};
    }
    mutable QDateTime startedAt;
};

class AnyClaude final : public CLIPathResolving {
public:
    std::optional<QString> resolve() override { return QStringLiteral("/usr/bin/claude"); }
    void invalidate() override {}
};

void wait(const std::function<bool()> &done, int milliseconds)
{
    QDeadlineTimer deadline(milliseconds);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

void report(const char *what, std::vector<qint64> milliseconds, const char *goal)
{
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("%-52s median %6lld ms   worst %6lld ms   (%zu rounds; goal %s)\n", what,
                static_cast<long long>(milliseconds[milliseconds.size() / 2]), static_cast<long long>(milliseconds.back()),
                milliseconds.size(), goal);
}

// From the status line's write (its script run by Claude Code after a
// reply) to the figure the tray shows, with no claude run.
void statusLineToTray()
{
    QTemporaryDir home;
    const auto fetcher = std::make_shared<CountingFetcher>();
    const QString statePath = home.filePath(QStringLiteral(".claude/rate-limit-state.json"));
    AppState state(AppState::Dependencies{
        .usageFetcher = fetcher,
        .authStatus = nullptr,
        .engineStateReader = EngineStateReader(statePath, AccountIdentity(home.filePath(QStringLiteral(".claude.json")))),
        .stateWriter = StateWriter(statePath),
        .appSettings = nullptr,
    });
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.remove(QStringLiteral("CLAUDE_CONFIG_DIR"));
    environment.remove(QStringLiteral("PACEWISE_STATE_PATH"));
    const qint64 reset = QDateTime::currentSecsSinceEpoch() + 3600;
    std::vector<qint64> delays;
    for (int round = 1; round <= 20; ++round) {
        QProcess statusLine;
        statusLine.setProcessEnvironment(environment);
        statusLine.start(QStringLiteral("sh"), {QStringLiteral(PACEWISE_SOURCE_DIR "/resources/EngineScripts/rate-limit-statusline.sh")});
        statusLine.write(QStringLiteral(R"({"session_id":"s","cost":{"total_api_duration_ms":%1},"rate_limits":)"
                                        R"({"five_hour":{"used_percentage":%1,"resets_at":%2}}})")
                             .arg(round)
                             .arg(reset)
                             .toUtf8());
        statusLine.closeWriteChannel();
        statusLine.waitForFinished();
        QElapsedTimer shown;
        shown.start();
        const QString figure = QString::number(round) + u'%';
        wait([&] { return state.trayTitle() == figure; }, 5000);
        delays.push_back(shown.elapsed());
        // Each record dated a second after the one before.
        QDeadlineTimer nextSecond(1000);
        wait([&] { return nextSecond.hasExpired(); }, 1100);
    }
    report("status-line write to the tray's figure", delays, "1000 ms");
    std::printf("%-52s %d\n", "claude runs meanwhile", fetcher->calls.load());
}

// From a session's reset to its resume's claude start: on the real clock
// (the timer at the reset and the guard's margin), and waking from a
// suspend that slept through the reset (on an injected clock).
void resetToResume(bool suspended)
{
    QTemporaryDir home;
    QDir().mkpath(home.filePath(QStringLiteral("work")));
    const ClaudePaths paths(home.filePath(QStringLiteral(".claude")), home.filePath(QStringLiteral(".claude.json")));
    QDateTime clock = QDateTime::currentDateTimeUtc();
    const auto now = [&clock, suspended] { return suspended ? clock : QDateTime::currentDateTimeUtc(); };
    const auto fetcher = std::make_shared<CountingFetcher>();
    const QString statePath = paths.engineStateFile();
    AppState state(AppState::Dependencies{
        .usageFetcher = fetcher,
        .authStatus = nullptr,
        .engineStateReader = EngineStateReader(statePath, AccountIdentity(paths.accountFile())),
        .stateWriter = StateWriter(statePath),
        .appSettings = nullptr,
        .now = now,
    });
    ResumeController::Dependencies resuming = AppComposition::resumeController(QProcessEnvironment(), paths);
    ResumeCoordinator::Dependencies coordinating = AppComposition::resumeCoordinator(QProcessEnvironment(), paths);
    const auto runner = std::make_shared<RecordingRunner>();
    coordinating.runner = runner;
    coordinating.resolver = std::make_shared<AnyClaude>();
    coordinating.now = now;
    resuming.coordinator = std::make_shared<ResumeCoordinator>(coordinating);
    resuming.now = now;
    const QDateTime reset = now().addSecs(suspended ? 3600 : 2);
    QDir().mkpath(paths.resumeTicketDirectory());
    QFile::setPermissions(paths.resumeTicketDirectory(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile ticket(paths.resumeTicketDirectory() + QStringLiteral("/0f76730a-752b-4aa3-865c-aec0624eaedb.json"));
    if (!ticket.open(QIODevice::WriteOnly))
        std::abort();
    ticket.write(QStringLiteral(R"({"session_id":"0f76730a-752b-4aa3-865c-aec0624eaedb","cwd":"%1","resets_at":%2,"created_at":%3})")
                     .arg(home.filePath(QStringLiteral("work")))
                     .arg(reset.toSecsSinceEpoch())
                     .arg(reset.toSecsSinceEpoch() - 3600)
                     .toUtf8());
    ticket.close();
    ResumeController resumes(resuming, &state);
    QCoro::waitFor(resumes.setAutoContinueEnabled(true));
    QCoro::waitFor(state.refresh(true));
    QElapsedTimer since;
    if (suspended) {
        clock = reset.addSecs(1800);
        since.start();
        state.pollIfDue(); // as the wake source does
    }
    wait([&] { return runner->startedAt.isValid(); }, 20'000);
    const qint64 late = suspended ? since.elapsed() : reset.msecsTo(runner->startedAt);
    std::printf("%-52s %6lld ms   (goal 10000 ms)\n",
                suspended ? "reset slept through to claude's start, at waking" : "reset to the resume's claude start, real clock",
                static_cast<long long>(late));
}

} // namespace

// How soon the tray shows what Claude Code's status line records, and how
// soon a session goes on after its reset. Prints; asserts nothing.
int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    statusLineToTray();
    resetToResume(false);
    resetToResume(true);
    return 0;
}
