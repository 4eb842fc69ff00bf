#include "app/AppState.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>

#include <atomic>
#include <cstdio>

#include <sys/stat.h>
#include <sys/time.h>

using namespace pacewise;

namespace {

// Counts the claude runs a poll would make; answers with fixed figures.
class CountingFetcher final : public UsageFetching {
public:
    explicit CountingFetcher(UsageSnapshot snapshot) : m_snapshot(std::move(snapshot)) {}
    std::expected<UsageSnapshot, UsageCLIError> fetch() const override
    {
        ++m_calls;
        return m_snapshot;
    }
    int calls() const { return m_calls; }

private:
    UsageSnapshot m_snapshot;
    mutable std::atomic<int> m_calls = 0;
};

// Claude Code's status line confirming figures at `at`, as the engine
// script records them.
void confirmByStatusLine(const QString &path, double fiveHour, const QDateTime &reset, const QDateTime &at)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(QStringLiteral(R"({"limits":[{"kind":"five_hour","used_percentage":%1,"resets_at":%2,"confirmed_at":%3}],)"
                              R"("status_line_confirmed_at":%3})")
                   .arg(fiveHour)
                   .arg(reset.toSecsSinceEpoch())
                   .arg(at.toSecsSinceEpoch())
                   .toUtf8());
    file.close();
    const timeval times[2] = {{at.toSecsSinceEpoch(), 0}, {at.toSecsSinceEpoch(), 0}};
    ::utimes(QFile::encodeName(path).constData(), times);
}

// Claude runs per hour over `hours` of simulated time, in 10 s steps.
double claudeStartsPerHour(double fiveHour, bool statusLine, int hours)
{
    QTemporaryDir home;
    const QString statePath = home.filePath(QStringLiteral("rate-limit-state.json"));
    const QDateTime start = QDateTime::currentDateTimeUtc();
    QDateTime now = start;
    // A window that resets after the whole run, so the band holds.
    const QDateTime reset = start.addSecs(hours * 3600 + 3600);
    const auto fetcher = std::make_shared<CountingFetcher>(
        UsageSnapshot({UsageLimit(UsageLimitKind::fiveHour, std::nullopt, fiveHour, reset)}));
    AppState state(AppState::Dependencies{
        .usageFetcher = fetcher,
        .authStatus = nullptr,
        .engineStateReader = EngineStateReader(statePath, AccountIdentity(home.filePath(QStringLiteral("claude.json")))),
        .stateWriter = StateWriter(statePath),
        .appSettings = nullptr,
        .now = [&now] { return now; },
    });
    if (statusLine)
        confirmByStatusLine(statePath, fiveHour, reset, now);
    state.startPolling();
    for (qint64 second = 0; second <= qint64(hours) * 3600; second += 10) {
        now = start.addSecs(second);
        if (statusLine && second % 60 == 0)
            confirmByStatusLine(statePath, fiveHour, reset, now);
        state.pollIfDue();
        QDeadlineTimer deadline(5000);
        while (state.isFetching() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    state.stopPolling();
    return double(fetcher->calls() - 1) / hours; // after the first poll, at start
}

} // namespace

// How often Pacewise starts claude for the figures (2.6 s, 2.8 CPU-seconds
// and 200 MiB each with Claude Code 2.1.332): while Claude Code's status
// line confirms them every minute, never; without it, as often as the poll
// interval says. The loop before counted each interval from the end of
// the fetch and looked only every 60 s, so each poll came a minute late.
int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    for (const auto &[figure, interval] : {std::pair{10.0, 1200}, std::pair{50.0, 300}, std::pair{90.0, 60}}) {
        const double confirmed = claudeStartsPerHour(figure, true, 3);
        const double alone = claudeStartsPerHour(figure, false, 3);
        std::printf("claude starts an hour, 5-hour window at %2.0f %%: %4.1f with a status line confirming every "
                    "minute, %4.1f without (policy %4.1f, the loop before %4.1f)\n",
                    figure, confirmed, alone, 3600.0 / interval, 3600.0 / (interval + 60));
    }
    return 0;
}
