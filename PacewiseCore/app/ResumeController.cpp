#include "ResumeController.h"

#include "AppState.h"

#include "guard/GuardErrorText.h"
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
    // A resume must not outlive the process that answers for it: its
    // session is tried again by whoever runs next.
    stop();
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
    auto reading = QtConcurrent::run([queue = m_dependencies.coordinator->queue(), titles = m_dependencies.titles,
                                      sessions = m_dependencies.sessionsDirectory] {
        std::pair<QList<ResumeTicket>, QHash<QString, Known>> found{queue.tickets(), {}};
        for (const ResumeTicket &ticket : std::as_const(found.first))
            found.second.insert(ticket.sessionID, Known{queue.record(ticket.sessionID),
                                                        ClaudeSessions::openSession(sessions, ticket.sessionID)});
        titles->reload(found.first);
        return found;
    });
    auto found = co_await reading;
    if (!self || reload != m_reloads)
        co_return;
    if (found.first != m_pending) {
        m_pending = std::move(found.first);
        emit pendingResumesChanged();
    }
    m_known = std::move(found.second);
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
    for (const ResumeTicket &ticket : std::as_const(m_pending)) {
        const auto readiness = ResumePolicy::readiness(ticket, now, snapshot, fetchedAt, true);
        if (m_resuming.size() >= maximumConcurrentRuns)
            break;
        if (readiness.kind == ResumeReadiness::Kind::ready && !m_resuming.contains(ticket.sessionID))
            run(ticket, false); // not awaited: it may take half an hour
    }
}

QCoro::Task<ResumeAttemptResult> ResumeController::resumeNow(ResumeTicket ticket)
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
    co_return co_await run(std::move(ticket), true);
}

QCoro::Task<ResumeAttemptResult> ResumeController::run(ResumeTicket ticket, bool manual)
{
    const QPointer<ResumeController> self(this);
    const QString session = ticket.sessionID;
    m_resuming.insert(session);
    emit resumesChanged();
    auto attempt = QtConcurrent::run(&m_runs, [coordinator = m_dependencies.coordinator, ticket, snapshot = m_state->snapshot(),
                                      fetchedAt = m_state->lastSuccessAt(), now = m_dependencies.now(), manual] {
        return coordinator->attempt(ticket, snapshot, fetchedAt, now, manual);
    });
    const ResumeAttemptResult outcome = co_await attempt;
    if (!self)
        co_return outcome;
    m_resuming.remove(session);
    m_results.insert(session, outcome);
    emit resumesChanged();
    emit resumeFinished(ticket, outcome, manual);
    co_await reload();
    co_return outcome;
}

QCoro::Task<> ResumeController::dismiss(ResumeTicket ticket)
{
    const QPointer<ResumeController> self(this);
    auto removal = QtConcurrent::run(
        [coordinator = m_dependencies.coordinator, ticket] { return coordinator->dismiss(ticket.sessionID); });
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
