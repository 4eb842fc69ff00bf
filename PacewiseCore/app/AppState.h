#pragma once

#include "FetchIssue.h"
#include "claude/AuthStatus.h"
#include "guard/SettingsFileManager.h"
#include "resume/LastMessageResolver.h"
#include "resume/ResumeCoordinator.h"
#include "usage/EngineStateReader.h"
#include "usage/MenuBarUsage.h"
#include "usage/StateWriter.h"
#include "usage/UsageFetching.h"
#include "usage/UsageHistory.h"

#include <QHash>
#include <QObject>
#include <QPromise>
#include <QSet>
#include <QSettings>
#include <QTimer>

#include <qcoro/qcorotask.h>

#include <chrono>
#include <functional>
#include <memory>

namespace pacewise {

enum class SnapshotSource { usage, engine };

// The application's one observable state: keeps the usage current with an
// adaptive poll, falls back to the engine state file, says what went wrong,
// lists the sessions waiting to be continued and continues them after the
// reset when auto-continue is on. Lives on the main thread; everything slow
// runs on the thread pool.
class AppState : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString menuBarTitle READ menuBarTitle NOTIFY snapshotChanged)
    Q_PROPERTY(pacewise::MenuBarUsage::Severity severity READ severity NOTIFY snapshotChanged)
    Q_PROPERTY(QString issueText READ issueText NOTIFY issueChanged)
    Q_PROPERTY(bool isFetching READ isFetching NOTIFY isFetchingChanged)
    Q_PROPERTY(int consecutiveThrottled READ consecutiveThrottled NOTIFY issueChanged)
    Q_PROPERTY(bool isCheckingAuth READ isCheckingAuth NOTIFY authStatusChanged)
    Q_PROPERTY(bool autoContinueEnabled READ autoContinueEnabled NOTIFY autoContinueChanged)
    Q_PROPERTY(bool isUpdatingAutoContinue READ isUpdatingAutoContinue NOTIFY autoContinueChanged)
    Q_PROPERTY(QString autoContinueSettingsError READ autoContinueSettingsError NOTIFY autoContinueChanged)
    Q_PROPERTY(bool showMenuBarPercentage READ showMenuBarPercentage WRITE setShowMenuBarPercentage NOTIFY
                   showMenuBarPercentageChanged)
    Q_PROPERTY(int resumeTitlesVersion READ resumeTitlesVersion NOTIFY resumeTitlesVersionChanged)

public:
    struct Dependencies {
        std::shared_ptr<const UsageFetching> usageFetcher;
        std::function<std::optional<AuthStatus>()> authStatus; // blocking; runs on the pool
        EngineStateReader engineStateReader;
        StateWriter stateWriter; // the same file as the reader's
        ResumeQueue resumeQueue;
        std::shared_ptr<LastMessageResolver> titles;
        std::shared_ptr<ResumeCoordinator> resumeCoordinator;
        SettingsFileManager settingsManager;
        QString claudeSettingsPath;
        QSettings *userDefaults = nullptr; // not owned; may be null
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
    std::optional<SnapshotSource> snapshotSource() const { return m_snapshotSource; }
    std::optional<QDateTime> lastSuccessAt() const { return m_lastSuccessAt; }
    std::optional<FetchIssue> issue() const { return m_issue; }
    int consecutiveThrottled() const { return m_consecutiveThrottled; }
    bool isFetching() const { return m_isFetching; }
    const std::optional<AuthStatus> &authStatus() const { return m_authStatus; }
    bool isCheckingAuth() const { return m_isCheckingAuth; }
    const QList<ResumeTicket> &pendingResumes() const { return m_pendingResumes; }
    const QSet<QString> &resumingSessionIDs() const { return m_resumingSessionIDs; }
    const QHash<QString, ResumeAttemptResult> &resumeResults() const { return m_resumeResults; }
    bool autoContinueEnabled() const { return m_autoContinueEnabled; }
    bool isUpdatingAutoContinue() const { return m_isUpdatingAutoContinue; }
    QString autoContinueSettingsError() const { return m_autoContinueSettingsError; }
    bool showMenuBarPercentage() const { return m_showMenuBarPercentage; }
    int resumeTitlesVersion() const { return m_resumeTitlesVersion; }
    QString title(const ResumeTicket &ticket) const { return m_dependencies.titles->title(ticket); }

    QString menuBarTitle() const;
    MenuBarUsage::Severity severity() const;
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
    // is then merged into the engine state file), falls back, reloads the
    // tickets and, when asked and auto-continue is on, starts the resumes
    // that are ready (without waiting for them: a resume may run half an
    // hour). True when fresh figures came. A call while another refresh is
    // under way waits for that one and answers with its outcome.
    QCoro::Task<bool> refresh(bool runAutomaticResumes);
    QCoro::Task<> checkAuthStatus();
    QCoro::Task<> reloadResumeTickets();
    QCoro::Task<> dismissResume(ResumeTicket ticket);
    // Refreshes first when the figures are too old to confirm the quota.
    QCoro::Task<ResumeAttemptResult> resumeNow(ResumeTicket ticket);
    QCoro::Task<> setAutoContinueEnabled(bool enabled);
    void setShowMenuBarPercentage(bool show);
    // Takes in what pacewisectl or another window changed in the settings
    // files since they were read.
    void reloadSettings();

signals:
    void snapshotChanged();
    void issueChanged();
    void isFetchingChanged();
    void authStatusChanged();
    void pendingResumesChanged();
    void resumesChanged(); // resumingSessionIDs or resumeResults
    void resumeFinished(const pacewise::ResumeTicket &ticket, const pacewise::ResumeAttemptResult &outcome, bool manual);
    void autoContinueChanged();
    void showMenuBarPercentageChanged();
    void resumeTitlesVersionChanged();

private:
    void loadSettings();
    void scheduleWake();
    QCoro::Task<> poll();
    QCoro::Task<std::optional<UsageSnapshot>> performFetch();
    QCoro::Task<bool> isSignedOut();
    QCoro::Task<ResumeAttemptResult> runResume(ResumeTicket ticket, bool manual);
    void loadEngineFallback(const UsageSnapshot &recorded);
    void recordHistory(const UsageSnapshot &snapshot);
    void setSnapshot(std::optional<UsageSnapshot> snapshot, std::optional<SnapshotSource> source,
                     std::optional<QDateTime> at);
    void setIssue(std::optional<FetchIssue> issue);

    Dependencies m_dependencies;
    QTimer m_wakeTimer;
    QDateTime m_nextPollAt;
    // The reset after which the figures shown change by themselves.
    std::optional<QDateTime> m_nextReset;
    // The refresh under way, for callers that arrive meanwhile.
    std::shared_ptr<QPromise<bool>> m_refreshing;

    std::optional<UsageSnapshot> m_snapshot;
    std::optional<SnapshotSource> m_snapshotSource;
    std::optional<QDateTime> m_lastSuccessAt;
    std::optional<FetchIssue> m_issue;
    int m_consecutiveThrottled = 0;
    bool m_lastFetchWasThrottled = false;
    std::optional<QDateTime> m_lastSelfHealAt;
    bool m_isFetching = false;
    bool m_lastRefreshFresh = false;
    std::optional<AuthStatus> m_authStatus;
    bool m_isCheckingAuth = false;
    QList<ResumeTicket> m_pendingResumes;
    QSet<QString> m_resumingSessionIDs;
    QHash<QString, ResumeAttemptResult> m_resumeResults;
    bool m_autoContinueEnabled = false;
    bool m_isUpdatingAutoContinue = false;
    QString m_autoContinueSettingsError;
    bool m_showMenuBarPercentage = true;
    int m_resumeTitlesVersion = 0;
    int m_titleReloads = 0; // only the latest reload publishes titles
    QList<UsageSample> m_usageSamples; // the history as last written, for the forecast
};

} // namespace pacewise
