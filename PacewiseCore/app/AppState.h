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
        bool writeStateEnabled = false;
        ResumeQueue resumeQueue;
        std::shared_ptr<LastMessageResolver> titles;
        std::shared_ptr<ResumeCoordinator> resumeCoordinator;
        SettingsFileManager settingsManager;
        QString claudeSettingsPath;
        QSettings *userDefaults = nullptr; // not owned; may be null
        std::optional<UsageHistory> usageHistory = std::nullopt; // for the forecast
        std::function<QDateTime()> now = [] { return QDateTime::currentDateTimeUtc(); };
        // How often the wall clock is compared with the next poll's time.
        // Timers stop while the machine sleeps; the wall clock does not, so a
        // poll that fell due during a suspend runs within one tick of waking
        // (at once where a wake source calls pollIfDue()). Once a minute
        // keeps an idle daemon to one wake-up a minute.
        std::chrono::milliseconds pollTick{60'000};
    };

    explicit AppState(Dependencies dependencies, QObject *parent = nullptr);

    const std::optional<UsageSnapshot> &snapshot() const { return m_snapshot; }
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

    // Polls now and then whenever nextPollIntervalSeconds() has passed.
    void startPolling();
    void stopPolling();
    // Polls now if the next poll's time has passed (after a wake, say).
    void pollIfDue();

    // Fetches, falls back, reloads the tickets and, when asked and
    // auto-continue is on, starts the resumes that are ready (without waiting
    // for them: a resume may run half an hour). True when fresh figures came.
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
    QCoro::Task<std::optional<UsageSnapshot>> performFetch();
    QCoro::Task<bool> isSignedOut();
    QCoro::Task<ResumeAttemptResult> runResume(ResumeTicket ticket, bool manual);
    void loadEngineFallbackIfNeeded();
    void didFetchSnapshot(const UsageSnapshot &snapshot);
    void setSnapshot(std::optional<UsageSnapshot> snapshot, std::optional<SnapshotSource> source,
                     std::optional<QDateTime> at);
    void setIssue(std::optional<FetchIssue> issue);

    Dependencies m_dependencies;
    QTimer m_pollTimer;
    QDateTime m_nextPollAt;

    std::optional<UsageSnapshot> m_snapshot;
    std::optional<SnapshotSource> m_snapshotSource;
    std::optional<QDateTime> m_lastSuccessAt;
    std::optional<FetchIssue> m_issue;
    int m_consecutiveThrottled = 0;
    bool m_lastFetchWasThrottled = false;
    std::optional<QDateTime> m_lastSelfHealAt;
    bool m_isFetching = false;
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
