#include "app/AppState.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <qcoro/qcorotask.h>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace pacewise;

namespace {

class FixedFetcher final : public UsageFetching {
public:
    explicit FixedFetcher(UsageSnapshot snapshot) : m_snapshot(std::move(snapshot)) {}
    std::expected<UsageSnapshot, UsageCLIError> fetch() const override { return m_snapshot; }

private:
    UsageSnapshot m_snapshot;
};

// A heavy user's ~/.claude.json: tens of MiB of project history around the
// account, rewritten by Claude Code between polls.
void writeAccountFile(const QString &path, int round)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(R"({"oauthAccount":{"accountUuid":"a"},"projects":{)");
    const QByteArray entry = QByteArray(R"("/home/user/project-%1":{"history":[)") + QByteArray(900, ' ') + "]}";
    for (int index = 0; file.size() < 20 * 1024 * 1024; ++index)
        file.write((index ? "," : "") + QByteArray(entry).replace("%1", QByteArray::number(index)));
    file.write(QByteArray(R"(},"round":)") + QByteArray::number(round) + "}");
}

} // namespace

// The longest the tray's event loop stands still during a poll while
// ~/.claude.json is 20 MiB and has just changed: the account in it is
// checked on every poll, on the pool; a frame is 16 ms.
int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir home;
    const QString accountPath = home.filePath(QStringLiteral("claude.json"));
    const QString statePath = home.filePath(QStringLiteral("rate-limit-state.json"));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    AppState state(AppState::Dependencies{
        .usageFetcher = std::make_shared<FixedFetcher>(UsageSnapshot(
            {UsageLimit(UsageLimitKind::fiveHour, std::nullopt, 42, now.addSecs(3600))}, QStringLiteral("a"))),
        .authStatus = nullptr,
        .engineStateReader = EngineStateReader(statePath, AccountIdentity(accountPath)),
        .stateWriter = StateWriter(statePath),
        .appSettings = nullptr,
        .now = [now] { return now; },
    });

    std::vector<qint64> stalls;
    for (int round = 0; round < 10; ++round) {
        writeAccountFile(accountPath, round);
        QElapsedTimer sinceTick;
        qint64 longest = 0;
        QTimer ticker;
        ticker.setInterval(1);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            longest = std::max(longest, sinceTick.restart());
        });
        bool done = false;
        sinceTick.start();
        ticker.start();
        state.refresh(false).then([&](bool) { done = true; });
        while (!done)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        ticker.stop();
        longest = std::max(longest, sinceTick.elapsed());
        stalls.push_back(longest);
    }
    std::sort(stalls.begin(), stalls.end());
    std::printf("event-loop stall during a poll, 20 MiB ~/.claude.json just rewritten: median %lld ms, worst %lld ms "
                "(goal: none over 16 ms)\n",
                static_cast<long long>(stalls[stalls.size() / 2]), static_cast<long long>(stalls.back()));
    return 0;
}
