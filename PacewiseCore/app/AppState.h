#pragma once

#include "FetchIssue.h"
#include "claude/AuthStatus.h"
#include "usage/EngineStateReader.h"
#include "usage/TrayUsage.h"
#include "usage/StateWriter.h"
#include "usage/UsageFetching.h"
#include "usage/UsageFigures.h"
#include "usage/UsageHistory.h"
#include "system/FileChangeWatcher.h"

#include <QObject>
#include <QPromise>
#include <QSettings>
#include <QTimer>

#include <qcoro/qcorotask.h>

#include <chrono>
#include <functional>
#include <memory>

namespace pacewise {

// The application's usage figures: kept current with an adaptive poll and
// by following the engine state file, where Claude Code's status line
// records the figures of every reply (shown within a second, without a
// claude run), falling back to that file, saying what went wrong. Lives on
// the main thread; everything slow runs on the thread pool.
class AppState : public QObject {
    Q_OBJECT
    Q_PROPERTY(pacewise::TrayUsage::Severity severity READ severity NOTIFY snapshotChanged)
    Q_PROPERTY(QString issueText READ issueText NOTIFY issueChanged)
    Q_PROPERTY(bool isFetching READ isFetching NOTIFY isFetchingChanged)
    Q_PROPERTY(bool showTrayPercentage READ showTrayPercentage WRITE setShowTrayPercentage NOTIFY
                   showTrayPercentageChanged)

public:
    struct Dependencies {
        std::shared_ptr<const UsageFetching> usageFetcher;
        std::function<std::optional<AuthStatus>()> authStatus; // blocking; runs on the pool
        EngineStateReader engineStateReader;
        StateWriter stateWriter; // the same file as the reader's
        QSettings *appSettings = nullptr; // not owned; may be null
        std::optional<UsageHistory> usageHistory = std::nullopt; // for the forecast
        std::function<QDateTime()> now = [] { return QDateTime::currentDateTimeUtc(); };
    };

    // The longest the poll loop sleeps before it looks at the wall clock
    // again. Timers stop while the machine sleeps and the wall clock may
    // jump; the next poll's time is kept in wall-clock time, so a poll that
    // fell due during a suspend runs within this long of waking (at once
    // where a wake source calls pollIfDue()), and an idle daemon wakes at
    // most once a minute.
    static constexpr std::chrono::milliseconds longestSleep{60'000};

    explicit AppState(Dependencies dependencies, QObject *parent = nullptr);
    ~AppState() override;

    // The figures as they stand now: a window whose reset has passed shows
    // as not started, without waiting for the next poll.
    std::optional<UsageSnapshot> snapshot() const;
    std::optional<QDateTime> lastSuccessAt() const { return m_lastSuccessAt; }
    std::optional<FetchIssue> issue() const { return m_issue; }
    bool isFetching() const { return m_isFetching; }
    const std::optional<AuthStatus> &authStatus() const { return m_authStatus; }
    bool showTrayPercentage() const { return m_showTrayPercentage; }

    QString trayTitle() const;
    TrayUsage::Severity severity() const;
    QString issueText() const;

    // Seconds until the next poll: shorter the closer a limit is.
    int nextPollIntervalSeconds() const;
    bool isStale(const QDateTime &now) const;
    // When the 5-hour window runs out at the recent pace, if before its reset.
    std::optional<UsageForecast> forecast(const QDateTime &now) const;

    // Polls now and then nextPollIntervalSeconds() after the start of each
    // poll.
    void startPolling();
    void stopPolling();
    // Polls now if the next poll's time has passed (after a wake, say), and
    // shows the figures of a window whose reset has just passed.
    void pollIfDue();
    // When the poll loop polls next; invalid while it is stopped.
    QDateTime nextPollAt() const { return m_nextPollAt; }

    // Gets fresh figures (from Claude Code's status line when it confirmed
    // them within the poll interval, else from claude's usage report, which
    // is then merged into the engine state file) or falls back. True when
    // fresh figures came; automatic marks the poll loop's own refreshes,
    // after which paused sessions may be continued (refreshed()). A call
    // while another refresh is under way waits for that one and answers
    // with its outcome. A user's own refresh passes claudeFirst: claude is
    // asked even where the status line confirmed the figures, since another
    // machine may have used the account meanwhile.
    QCoro::Task<bool> refresh(bool automatic, UsageFigures::Ask ask = UsageFigures::Ask::automatic);
    QCoro::Task<> checkAuthStatus();
    void setShowTrayPercentage(bool show);
    // Takes in what pacewisectl or another window changed in the settings
    // files since they were read.
    void reloadSettings();

signals:
    void snapshotChanged();
    void issueChanged();
    void isFetchingChanged();
    void authStatusChanged();
    // A refresh ended: with fresh figures or not, from the poll loop or not.
    void refreshed(bool fresh, bool automatic);
    void showTrayPercentageChanged();

private:
    void loadSettings();
    void scheduleWake();
    QCoro::Task<> poll();
    QCoro::Task<std::optional<UsageSnapshot>> performFetch(UsageFigures::Ask ask);
    QCoro::Task<bool> isSignedOut();
    void loadEngineFallback(const UsageSnapshot &recorded);
    QCoro::Task<> recordHistory(const UsageSnapshot &snapshot);
    // Takes in figures another writer recorded, when newer than those shown.
    QCoro::Task<> takeRecordedFigures();
    void setSnapshot(std::optional<UsageSnapshot> snapshot, std::optional<QDateTime> at);
    void setIssue(std::optional<FetchIssue> issue);

    Dependencies m_dependencies;
    QTimer m_wakeTimer;
    std::unique_ptr<FileChangeWatcher> m_stateWatcher;
    QDateTime m_nextPollAt;
    // The reset after which the figures shown change by themselves.
    std::optional<QDateTime> m_nextReset;
    // The refresh under way, for callers that arrive meanwhile.
    std::shared_ptr<QPromise<bool>> m_refreshing;

    std::optional<UsageSnapshot> m_snapshot;
    std::optional<QDateTime> m_lastSuccessAt;
    std::optional<FetchIssue> m_issue;
    int m_consecutiveThrottled = 0;
    bool m_lastFetchWasThrottled = false;
    std::optional<QDateTime> m_lastSelfHealAt;
    bool m_isFetching = false;
    bool m_lastRefreshFresh = false;
    std::optional<AuthStatus> m_authStatus;
    bool m_isCheckingAuth = false;
    bool m_showTrayPercentage = true;
    QList<UsageSample> m_usageSamples; // the history as last written, for the forecast
};

} // namespace pacewise
