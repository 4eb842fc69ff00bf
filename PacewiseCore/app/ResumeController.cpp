#include "ResumeController.h"

#include "AppState.h"

#include "guard/GuardErrorText.h"
#include "guard/GuardHolds.h"
#include "system/ErrorText.h"
#include "system/Logging.h"

#include <QPointer>
#include <QtConcurrent/QtConcurrentRun>

#include <qcoro/qcorofuture.h>

namespace pacewise {

Q_LOGGING_CATEGORY(lcResumeController, "pacewise.resume", QtInfoMsg)

// Work for the pool is started in a statement of its own and then awaited:
// GCC 12 destroys the temporaries of a co_await full-expression twice.

ResumeController::ResumeController(Dependencies dependencies, AppState *state, QObject *parent)
    : QObject(parent)
    , m_dependencies(std::move(dependencies))
    , m_state(state)
{
    m_runs.setMaxThreadCount(maximumConcurrentRuns);
    readSetting();
    connect(state, &AppState::refreshed, this, [this](bool fresh, bool automatic) { refreshed(fresh && automatic); });
    m_ticketWatcher = std::make_unique<FileChangeWatcher>(
        QStringList{m_dependencies.coordinator->queue().directory(), m_dependencies.holdsDirectory});
    connect(m_ticketWatcher.get(), &FileChangeWatcher::changed, this, [this] { refreshed(true); });
    m_resetTimer.setSingleShot(true);
    m_resetTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_resetTimer, &QTimer::timeout, this, [this] {
        const QDateTime now = m_dependencies.now();
        for (const ResumeTicket &ticket : std::as_const(m_pending)) {
            if (ticket.resetsAt.addSecs(ResumePolicy::resetMarginSeconds) <= now)
                m_resetsReached.insert(ticket.sessionID + u'@' + QString::number(ticket.resetsAt.toSecsSinceEpoch()));
        }
        resumeReady();
        armResetTimer();
    });
    connect(this, &ResumeController::pendingResumesChanged, this, &ResumeController::armResetTimer);
    connect(state, &AppState::snapshotChanged, this, &ResumeController::armResetTimer);
}

// At the earliest reset of a session still waiting for one, plus the
// guard's margin; at once for a reset that passed unseen (the machine slept
// through it: timers stop meanwhile); after a minute at the latest.
void ResumeController::armResetTimer()
{
    const QDateTime now = m_dependencies.now();
    qint64 delay = AppState::longestSleep.count();
    for (const ResumeTicket &ticket : std::as_const(m_pending)) {
        const QDateTime due = ticket.resetsAt.addSecs(ResumePolicy::resetMarginSeconds);
        if (due > now)
            delay = std::min(delay, now.msecsTo(due));
        else if (!m_resetsReached.contains(ticket.sessionID + u'@' + QString::number(ticket.resetsAt.toSecsSinceEpoch())))
            delay = 0;
    }
    if (m_autoContinueEnabled && !m_pending.isEmpty())
        m_resetTimer.start(std::chrono::milliseconds(delay));
    else
        m_resetTimer.stop();
}

QCoro::Task<> ResumeController::refreshed(bool runReady)
{
    const QPointer<ResumeController> self(this);
    co_await reload();
    if (self && runReady)
        resumeReady();
}

ResumeController::~ResumeController()
{
    detach();
}

void ResumeController::detach()
{
    // A resume may run half an hour: quitting does not wait for it, nor cut
    // it off. Whoever runs next finds it at work, or learns how it ended.
    m_dependencies.coordinator->detach();
    m_runs.waitForDone();
}

QCoro::Task<> ResumeController::readSetting()
{
    const QPointer<ResumeController> self(this);
    const int reading = ++m_settingReads;
    auto read = QtConcurrent::run([setting = m_dependencies.setting] { return setting.read(); });
    const auto state = co_await read;
    if (!self || reading != m_settingReads)
        co_return;
    const bool enabled = state && state->enabled;
    const QString error = state ? QString() : describe(state.error(), m_dependencies.setting.settingsPath);
    if (enabled == m_autoContinueEnabled && error == m_autoContinueSettingsError)
        co_return;
    if (enabled != m_autoContinueEnabled)
        qCInfo(lcResumeController, "auto-continue is %s", enabled ? "on" : "off");
    m_autoContinueEnabled = enabled;
    m_autoContinueSettingsError = error;
    armResetTimer();
    emit autoContinueChanged();
}

QCoro::Task<> ResumeController::reloadSettings()
{
    // An edit of our own still on its way would be overtaken by what it replaces.
    if (!m_isUpdatingAutoContinue)
        co_await readSetting();
}

ResumeStatus ResumeController::status(const ResumeTicket &ticket) const
{
    const Known known = m_known.value(ticket.sessionID);
    return ResumeStatus::of(ticket, known.record, known.open, m_dependencies.now());
}

std::optional<ResumeAttemptResult> ResumeController::lastResult(const QString &sessionID) const
{
    const auto found = m_results.constFind(sessionID);
    return found == m_results.cend() ? std::nullopt : std::optional(*found);
}

QCoro::Task<> ResumeController::reload()
{
    const QPointer<ResumeController> self(this);
    const int reload = ++m_reloads;
    struct Found {
        QList<ResumeTicket> tickets;
        QHash<QString, Known> known;
        QList<GuardHold> heldCalls;
    };
    auto reading = QtConcurrent::run([queue = m_dependencies.coordinator->queue(), titles = m_dependencies.titles,
                                      sessions = m_dependencies.sessionsDirectory, holds = GuardHolds(m_dependencies.holdsDirectory)] {
        Found found{.tickets = queue.tickets(), .known = {}, .heldCalls = {}};
        QList<ResumeTicket> titled = found.tickets;
        for (const ResumeTicket &ticket : std::as_const(found.tickets))
            found.known.insert(ticket.sessionID, Known{queue.record(ticket.sessionID),
                                                       ClaudeSessions::openSession(sessions, ticket.sessionID)});
        for (const GuardHold &hold : holds.current()) {
            if (!found.known.contains(hold.sessionID)) {
                found.heldCalls.append(hold);
                titled.append(ticketFor(hold));
            }
        }
        titles->reload(titled);
        return found;
    });
    auto found = co_await reading;
    if (!self || reload != m_reloads)
        co_return;
    if (found.tickets != m_pending) {
        m_pending = std::move(found.tickets);
        emit pendingResumesChanged();
    }
    m_heldCalls = std::move(found.heldCalls);
    m_known = std::move(found.known);
    emit resumesChanged();
    emit titlesChanged();
}

void ResumeController::resumeReady()
{
    if (!m_autoContinueEnabled)
        return;
    const QDateTime now = m_dependencies.now();
    const auto snapshot = m_state->snapshot();
    const auto fetchedAt = m_state->lastSuccessAt();
    const auto isWaiting = [this](const ResumeTicket &ticket) {
        return std::any_of(m_waiting.cbegin(), m_waiting.cend(),
                           [&](const ResumeTicket &waiting) { return waiting.sessionID == ticket.sessionID; });
    };
    // Figures too old to confirm the quota are asked for again before the
    // run (startWaiting); figures that show the quota taken hold it back.
    for (const ResumeTicket &ticket : std::as_const(m_pending)) {
        const auto readiness = ResumePolicy::readiness(ticket, now, snapshot, fetchedAt, true).kind;
        if ((readiness == ResumeReadiness::Kind::ready || readiness == ResumeReadiness::Kind::quotaUnconfirmed) &&
            !m_resuming.contains(ticket.sessionID) && !isWaiting(ticket))
            m_waiting.append(ticket);
    }
    startWaiting();
}

// Each session waiting gets the next free run, on figures that still
// confirm the quota: those of a run that ended half an hour later are asked
// for again first, and count what the runs before it used.
QCoro::Task<> ResumeController::startWaiting()
{
    if (m_startingWaiting)
        co_return;
    m_startingWaiting = true;
    const QPointer<ResumeController> self(this);
    while (!m_waiting.isEmpty() && m_resuming.size() < maximumConcurrentRuns && m_autoContinueEnabled) {
        const auto fetchedAt = m_state->lastSuccessAt();
        if (!fetchedAt || fetchedAt->secsTo(m_dependencies.now()) > ResumePolicy::snapshotMaxAgeSeconds) {
            const bool fresh = co_await m_state->refresh(false);
            if (!self)
                co_return;
            if (!fresh)
                break;
        }
        const ResumeTicket ticket = m_waiting.takeFirst();
        const bool stillPending = std::any_of(m_pending.cbegin(), m_pending.cend(), [&](const ResumeTicket &pending) {
            return pending.sessionID == ticket.sessionID && pending.createdAt == ticket.createdAt;
        });
        if (stillPending && !m_resuming.contains(ticket.sessionID) &&
            ResumePolicy::readiness(ticket, m_dependencies.now(), m_state->snapshot(), m_state->lastSuccessAt(), true).kind ==
                ResumeReadiness::Kind::ready)
            run(ticket, false); // not awaited: it may take half an hour
    }
    m_startingWaiting = false;
}

QCoro::Task<ResumeAttemptResult> ResumeController::resumeNow(ResumeTicket ticket, bool force)
{
    const QPointer<ResumeController> self(this);
    // Figures too old to confirm the quota would only answer "could not be
    // confirmed": fetch first.
    const auto fetchedAt = m_state->lastSuccessAt();
    if (!fetchedAt || fetchedAt->secsTo(m_dependencies.now()) > ResumePolicy::snapshotMaxAgeSeconds) {
        co_await m_state->refresh(false);
        if (!self)
            co_return ResumeAttemptResult{.kind = ResumeAttemptResult::Kind::interrupted};
    }
    co_return co_await run(std::move(ticket), true, force);
}

QCoro::Task<ResumeAttemptResult> ResumeController::run(ResumeTicket ticket, bool manual, bool force)
{
    const QPointer<ResumeController> self(this);
    const QString session = ticket.sessionID;
    m_resuming.insert(session);
    emit resumesChanged();
    auto attempt = QtConcurrent::run(&m_runs, [coordinator = m_dependencies.coordinator, ticket, snapshot = m_state->snapshot(),
                                      fetchedAt = m_state->lastSuccessAt(), now = m_dependencies.now(), manual, force] {
        return coordinator->attempt(ticket, snapshot, fetchedAt, now, manual, force);
    });
    const ResumeAttemptResult outcome = co_await attempt;
    if (!self)
        co_return outcome;
    m_resuming.remove(session);
    m_results.insert(session, outcome);
    emit resumesChanged();
    emit resumeFinished(ticket, outcome, manual);
    co_await reload();
    if (self)
        startWaiting();
    co_return outcome;
}

QCoro::Task<bool> ResumeController::releaseHold(QString sessionID)
{
    const QPointer<ResumeController> self(this);
    auto releasing = QtConcurrent::run([holds = GuardHolds(m_dependencies.holdsDirectory), sessionID] {
        const auto released = holds.release({sessionID});
        return released && !released->isEmpty();
    });
    const bool released = co_await releasing;
    if (self)
        co_await reload();
    co_return released;
}

QCoro::Task<> ResumeController::dismiss(ResumeTicket ticket)
{
    const QPointer<ResumeController> self(this);
    auto removal = QtConcurrent::run([coordinator = m_dependencies.coordinator, holds = GuardHolds(m_dependencies.holdsDirectory),
                                      ticket] {
        (void)holds.release({ticket.sessionID});
        return coordinator->dismiss(ticket.sessionID);
    });
    const auto removed = co_await removal;
    if (!self)
        co_return;
    if (!removed)
        qCWarning(lcResumeController, "resume ticket removal failed: %s", qUtf8Printable(systemErrorText(removed.error())));
    co_await reload();
}

QCoro::Task<> ResumeController::setAutoContinueEnabled(bool enabled)
{
    if (m_isUpdatingAutoContinue)
        co_return;
    m_isUpdatingAutoContinue = true;
    m_autoContinueSettingsError.clear();
    emit autoContinueChanged();
    const QPointer<ResumeController> self(this);
    auto edit = QtConcurrent::run([setting = m_dependencies.setting, enabled] { return setting.set(enabled); });
    const auto written = co_await edit;
    if (!self)
        co_return;
    m_isUpdatingAutoContinue = false;
    co_await readSetting();
    if (!self)
        co_return;
    if (!written) {
        m_autoContinueSettingsError = written.error();
        emit autoContinueChanged();
    }
    co_await reload();
}

} // namespace pacewise
