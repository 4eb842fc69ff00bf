#include "AppState.h"

#include "app/AppSettingsKeys.h"
#include "claude/ClaudeErrorText.h"
#include "i18n/UIStrings.h"
#include "system/Logging.h"
#include "usage/UsageFigures.h"
#include "usage/UsagePollPolicy.h"

#include <algorithm>
#include <QPointer>
#include <QtConcurrent/QtConcurrentRun>

#include <qcoro/qcorofuture.h>

#include <cmath>

namespace pacewise {

Q_LOGGING_CATEGORY(lcAppState, "pacewise.app", QtInfoMsg)

namespace {

// Work for the pool is started in a statement of its own and then awaited:
// GCC 12 destroys the temporaries of a co_await full-expression twice.

constexpr qint64 selfHealIntervalSeconds = 300;
constexpr int throttledReportsBeforeIssue = 10;

} // namespace

AppState::AppState(Dependencies dependencies, QObject *parent)
    : QObject(parent)
    , m_dependencies(std::move(dependencies))
{
    loadSettings();

    m_wakeTimer.setSingleShot(true);
    m_wakeTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_wakeTimer, &QTimer::timeout, this, &AppState::pollIfDue);
    m_stateWatcher = std::make_unique<FileChangeWatcher>(QStringList{m_dependencies.engineStateReader.filePath()},
                                                         std::chrono::milliseconds(100));
    connect(m_stateWatcher.get(), &FileChangeWatcher::changed, this, [this] { takeRecordedFigures(); });
}

AppState::~AppState()
{
    // Whoever waits for the refresh under way is let go.
    if (m_refreshing)
        m_refreshing->finish();
}

void AppState::loadSettings()
{
    if (QSettings *appSettings = m_dependencies.appSettings) {
        const QVariant show = appSettings->value(QLatin1String(AppSettingsKeys::showTrayPercentage));
        if (show.typeId() == QMetaType::Bool || show.toString() == u"true" || show.toString() == u"false")
            m_showTrayPercentage = show.toBool();
    }
}

void AppState::reloadSettings()
{
    if (m_dependencies.appSettings)
        m_dependencies.appSettings->sync();
    const bool wasShowing = m_showTrayPercentage;
    loadSettings();
    if (wasShowing != m_showTrayPercentage)
        emit showTrayPercentageChanged();
}

std::optional<UsageSnapshot> AppState::snapshot() const
{
    if (!m_snapshot)
        return std::nullopt;
    return m_snapshot->asOf(m_dependencies.now());
}

QString AppState::trayTitle() const
{
    const TrayUsage usage = TrayUsage::from(snapshot());
    if (!usage.utilization)
        return UIStrings::text("tray.placeholder", "—%");
    return UIStrings::percent(*usage.utilization);
}

TrayUsage::Severity AppState::severity() const
{
    return TrayUsage::from(snapshot()).severity();
}

QString AppState::issueText() const
{
    return m_issue ? pacewise::issueText(*m_issue) : QString();
}

int AppState::nextPollIntervalSeconds() const
{
    return UsagePollPolicy::intervalSeconds(snapshot(), m_lastFetchWasThrottled);
}

bool AppState::isStale(const QDateTime &now) const
{
    return !m_lastSuccessAt || !m_snapshot || UsagePollPolicy::isStale(*m_snapshot, *m_lastSuccessAt, now);
}

void AppState::startPolling()
{
    m_nextPollAt = m_dependencies.now();
    pollIfDue();
}

void AppState::stopPolling()
{
    m_nextPollAt = QDateTime();
    m_wakeTimer.stop();
}

void AppState::pollIfDue()
{
    const QDateTime now = m_dependencies.now();
    if (m_nextReset && *m_nextReset <= now) {
        m_nextReset = m_snapshot ? m_snapshot->nextResetAfter(now) : std::nullopt;
        emit snapshotChanged();
    }
    if (!m_nextPollAt.isValid())
        return;
    if (!m_isFetching && now >= m_nextPollAt)
        poll();
    else
        scheduleWake();
}

QCoro::Task<> AppState::poll()
{
    const QPointer<AppState> self(this);
    const QDateTime startedAt = m_dependencies.now();
    m_wakeTimer.stop();
    co_await refresh(true);
    if (!self || !m_nextPollAt.isValid())
        co_return;
    m_nextPollAt = startedAt.addSecs(nextPollIntervalSeconds());
    scheduleWake();
}

void AppState::scheduleWake()
{
    if (!m_nextPollAt.isValid() || m_isFetching)
        return;
    const QDateTime now = m_dependencies.now();
    // A clock set back must not push the next poll further than one
    // interval away.
    const QDateTime latest = now.addSecs(nextPollIntervalSeconds());
    if (m_nextPollAt > latest)
        m_nextPollAt = latest;
    QDateTime wake = m_nextPollAt;
    if (m_nextReset && *m_nextReset < wake)
        wake = *m_nextReset;
    const qint64 delay = std::clamp<qint64>(now.msecsTo(wake), 0, longestSleep.count());
    m_wakeTimer.start(std::chrono::milliseconds(delay));
}

QCoro::Task<bool> AppState::refresh(bool automatic, UsageFigures::Ask ask)
{
    const QPointer<AppState> self(this);
    if (m_refreshing) {
        QFuture<void> underWay(m_refreshing->future());
        co_await underWay;
        co_return self && m_lastRefreshFresh;
    }
    const auto refreshing = std::make_shared<QPromise<bool>>();
    m_refreshing = refreshing;
    refreshing->start();
    m_isFetching = true;
    emit isFetchingChanged();

    const std::optional<UsageSnapshot> fresh = co_await performFetch(ask);
    if (!self)
        co_return false;
    m_lastRefreshFresh = fresh.has_value();
    m_isFetching = false;
    m_refreshing.reset();
    refreshing->finish();
    emit isFetchingChanged();
    emit refreshed(fresh.has_value(), automatic);
    co_return fresh.has_value();
}

QCoro::Task<std::optional<UsageSnapshot>> AppState::performFetch(UsageFigures::Ask ask)
{
    const QPointer<AppState> self(this);
    // Claude Code's account file reaches tens of MiB: read on the pool.
    auto readingAccount = QtConcurrent::run([accounts = m_dependencies.engineStateReader.accountIdentity()] {
        return accounts.current();
    });
    const std::optional<QString> account = co_await readingAccount;
    if (!self)
        co_return std::nullopt;
    if (m_snapshot && AccountIdentity::mismatch(m_snapshot->accountUUID(), account)) {
        setSnapshot(std::nullopt, std::nullopt);
        qCInfo(lcAppState, "signed-in account changed — dropped the previous usage snapshot");
    }

    auto fetching = QtConcurrent::run([sources = UsageSources{.claude = m_dependencies.usageFetcher,
                                                              .stateFile = m_dependencies.engineStateReader,
                                                              .stateWriter = m_dependencies.stateWriter,
                                                              .now = m_dependencies.now},
                                     ask] {
        return UsageFigures::fetch(sources, ask);
    });
    const UsageFigures figures = co_await fetching;
    if (!self)
        co_return std::nullopt;
    if (figures.source == UsageFigures::Source::statusLine || figures.source == UsageFigures::Source::claude) {
        m_consecutiveThrottled = 0;
        m_lastFetchWasThrottled = false;
        if (figures.source == UsageFigures::Source::claude) {
            // The history first: the forecast shown with the figures uses it.
            co_await recordHistory(*figures.snapshot);
            if (!self)
                co_return std::nullopt;
        } else {
            qCDebug(lcAppState, "figures confirmed by Claude Code's status line; claude not asked");
        }
        setSnapshot(figures.snapshot, figures.confirmedAt.value_or(figures.takenAt));
        setIssue(std::nullopt);
        co_return figures.snapshot;
    }

    const UsageCLIError &error = *figures.claudeError;
    if (error.kind == UsageCLIError::Kind::throttled) {
        ++m_consecutiveThrottled;
        m_lastFetchWasThrottled = true;
        const bool signedOut = co_await isSignedOut();
        if (!self)
            co_return std::nullopt;
        if (signedOut) {
            setIssue(FetchIssue::signInRequired);
            qCInfo(lcAppState, "usage percentages missing and the CLI is signed out");
        } else {
            setIssue(m_consecutiveThrottled > throttledReportsBeforeIssue ? std::optional(FetchIssue::throttled)
                                                                          : std::nullopt);
            qCInfo(lcAppState, "usage percentages withheld (%d in a row)", m_consecutiveThrottled);
        }
    } else {
        m_consecutiveThrottled = 0;
        m_lastFetchWasThrottled = false;
        const FetchIssue issue = classify(error);
        const QDateTime now = m_dependencies.now();
        if (issue == FetchIssue::signInRequired &&
            (!m_lastSelfHealAt || m_lastSelfHealAt->secsTo(now) > selfHealIntervalSeconds)) {
            m_lastSelfHealAt = now;
            co_await checkAuthStatus();
            if (!self)
                co_return std::nullopt;
        }
        setIssue(issue);
        qCWarning(lcAppState, "usage fetch failed: %s", qUtf8Printable(usageErrorLogText(error)));
    }
    if (!m_snapshot && figures.snapshot)
        loadEngineFallback(*figures.snapshot);
    co_return std::nullopt;
}

QCoro::Task<bool> AppState::isSignedOut()
{
    const QDateTime now = m_dependencies.now();
    if (!m_lastSelfHealAt || m_lastSelfHealAt->secsTo(now) > selfHealIntervalSeconds) {
        m_lastSelfHealAt = now;
        const QPointer<AppState> self(this);
        co_await checkAuthStatus();
        if (!self)
            co_return false;
    }
    co_return m_authStatus && !m_authStatus->loggedIn;
}

QCoro::Task<> AppState::checkAuthStatus()
{
    if (!m_dependencies.authStatus || m_isCheckingAuth)
        co_return;
    m_isCheckingAuth = true;
    emit authStatusChanged();
    const QPointer<AppState> self(this);
    auto checking = QtConcurrent::run(m_dependencies.authStatus);
    const auto status = co_await checking;
    if (!self)
        co_return;
    m_authStatus = status;
    m_isCheckingAuth = false;
    emit authStatusChanged();
}

QCoro::Task<> AppState::takeRecordedFigures()
{
    const QPointer<AppState> self(this);
    auto reading = QtConcurrent::run([reader = m_dependencies.engineStateReader, now = m_dependencies.now()] {
        return reader.readExplained(now);
    });
    const auto recorded = co_await reading;
    if (!self || !recorded)
        co_return;
    const QDateTime now = m_dependencies.now();
    const auto confirmedAt = recorded->snapshot.latestConfirmation();
    if (!confirmedAt || (m_lastSuccessAt && *confirmedAt <= *m_lastSuccessAt))
        co_return;
    qCDebug(lcAppState, "figures recorded in the engine state file taken in");
    setSnapshot(recorded->snapshot, std::min(*confirmedAt, now));
    setIssue(std::nullopt);
}

void AppState::loadEngineFallback(const UsageSnapshot &recorded)
{
    // Dated by its own confirmations, so that nothing takes figures from a
    // file written half an hour ago for fresh ones.
    const QDateTime now = m_dependencies.now();
    setSnapshot(recorded, std::min(recorded.latestConfirmation().value_or(now), now));
    qCInfo(lcAppState, "using fresh usage snapshot from engine state");
}

std::optional<UsageForecast> AppState::forecast(const QDateTime &now) const
{
    return UsageForecast::from(m_usageSamples, now);
}

// Written with an fsync: on the thread pool, not the GUI thread.
QCoro::Task<> AppState::recordHistory(const UsageSnapshot &snapshot)
{
    if (!m_dependencies.usageHistory)
        co_return;
    const auto sample = UsageSample::fromSnapshot(snapshot, m_dependencies.now());
    if (!sample)
        co_return;
    const QPointer<AppState> self(this);
    auto recording = QtConcurrent::run([history = *m_dependencies.usageHistory, sample = *sample] { return history.record(sample); });
    const QList<UsageSample> samples = co_await recording;
    if (self)
        m_usageSamples = samples;
}

void AppState::setShowTrayPercentage(bool show)
{
    if (show == m_showTrayPercentage)
        return;
    m_showTrayPercentage = show;
    if (m_dependencies.appSettings)
        m_dependencies.appSettings->setValue(QLatin1String(AppSettingsKeys::showTrayPercentage), show);
    emit showTrayPercentageChanged();
}

void AppState::setSnapshot(std::optional<UsageSnapshot> snapshot, std::optional<QDateTime> at)
{
    m_snapshot = std::move(snapshot);
    m_lastSuccessAt = at;
    m_nextReset = m_snapshot ? m_snapshot->nextResetAfter(m_dependencies.now()) : std::nullopt;
    emit snapshotChanged();
}

void AppState::setIssue(std::optional<FetchIssue> issue)
{
    m_issue = issue;
    emit issueChanged();
}

} // namespace pacewise
