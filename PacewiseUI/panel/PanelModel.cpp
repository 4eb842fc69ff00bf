#include "PanelModel.h"

#include "app/AppState.h"
#include "app/ResumeController.h"
#include "i18n/LocaleManager.h"
#include "i18n/UIStrings.h"
#include "resume/LastMessageResolver.h"
#include "system/DisplayText.h"
#include "usage/TrayUsage.h"
#include "usage/UsageLimitRowBuilder.h"
#include "usage/UsageResetFormatter.h"

#include <QPointer>
#include <QVariantMap>

#include <algorithm>
#include <cmath>

namespace pacewise {

namespace {

const ResumeTicket *findTicket(const QList<ResumeTicket> &tickets, const QString &sessionID)
{
    const auto found = std::ranges::find(tickets, sessionID, &ResumeTicket::sessionID);
    return found == tickets.end() ? nullptr : &*found;
}

} // namespace

PanelModel::PanelModel(Dependencies dependencies, QObject *parent)
    : QObject(parent)
    , m_dependencies(std::move(dependencies))
{
    AppState *state = m_dependencies.state;
    for (const auto signal : {&AppState::snapshotChanged, &AppState::issueChanged, &AppState::isFetchingChanged})
        connect(state, signal, this, &PanelModel::changed);
    for (const auto signal : {&ResumeController::pendingResumesChanged, &ResumeController::resumesChanged,
                              &ResumeController::titlesChanged, &ResumeController::autoContinueChanged})
        connect(m_dependencies.resumes, signal, this, &PanelModel::changed);
    connect(state, &AppState::snapshotChanged, this, &PanelModel::freshnessChanged);
    if (m_dependencies.locale) {
        connect(m_dependencies.locale, &LocaleManager::languageChanged, this, &PanelModel::changed);
        connect(m_dependencies.locale, &LocaleManager::languageChanged, this, &PanelModel::freshnessChanged);
    }
    m_wasStale = state->isStale(m_dependencies.now());
    connect(state, &AppState::snapshotChanged, this, [this] { m_wasStale = m_dependencies.state->isStale(m_dependencies.now()); });
    connect(&m_clock, &QTimer::timeout, this, &PanelModel::tick);
    setPanelOpen(false);
}

void PanelModel::setPanelOpen(bool open)
{
    m_clock.start(open ? std::chrono::seconds(1) : std::chrono::seconds(30));
    if (open)
        tick();
}

void PanelModel::tick()
{
    if (const bool stale = m_dependencies.state->isStale(m_dependencies.now()); stale != m_wasStale) {
        m_wasStale = stale;
        emit changed();
    }
    emit freshnessChanged();
}

QLocale PanelModel::locale() const
{
    return m_dependencies.locale ? m_dependencies.locale->locale() : QLocale();
}

QVariantList PanelModel::limits() const
{
    const QString week = UIStrings::text("window.sevenDayLabel", "Week");
    const auto rows = UsageLimitRowBuilder::rows(
        m_dependencies.state->snapshot(), UIStrings::text("window.fiveHourLabel", "5 hours"), week,
        [&week](const QString &model) { return UIStrings::format("window.weeklyModelLabel", "%1 · %2", {week, model}); },
        locale(), m_dependencies.zone);
    QVariantList limits;
    for (const UsageLimitRowModel &row : rows) {
        const double utilization = row.limit.utilization();
        const double value = std::isfinite(utilization) ? std::clamp(utilization, 0.0, 100.0) : 0.0;
        const TrayUsage::Severity level = TrayUsage::severityOf(utilization);
        const char *tint = level == TrayUsage::Severity::critical  ? "critical"
                           : level == TrayUsage::Severity::warning ? "warning"
                                                                       : "accent";
        const QString figure = UIStrings::percent(utilization);
        const bool started = row.limit.window().hasStarted();
        QString detail = started ? UIStrings::format("window.resetSummary", "%1 · until %2", {figure, row.resetText})
                                 : UIStrings::format("window.notStartedSummary", "%1 · not started", {figure});
        // What a screen reader says for the row, in one sentence.
        QString spoken = started ? UIStrings::format("window.spokenSummary", "%1, %2 used, resets %3",
                                                     {row.label, figure, row.resetText})
                                 : UIStrings::format("window.spokenNotStarted", "%1, %2 used, not started", {row.label, figure});
        // The colour alone would not tell the severity to everyone.
        const QString severity = level == TrayUsage::Severity::critical ? UIStrings::text("window.severityCritical", "nearly used up")
                                 : level == TrayUsage::Severity::warning ? UIStrings::text("window.severityWarning", "running low")
                                                                            : QString();
        if (!severity.isEmpty()) {
            detail = UIStrings::format("window.detailWithSeverity", "%1 · %2", {detail, severity});
            spoken = UIStrings::format("window.spokenWithSeverity", "%1, %2", {spoken, severity});
        }
        limits << QVariantMap{
            {QStringLiteral("label"), row.label},
            {QStringLiteral("detail"), detail},
            {QStringLiteral("spoken"), spoken},
            {QStringLiteral("value"), value},
            {QStringLiteral("tint"), QString::fromLatin1(tint)},
        };
    }
    return limits;
}

QString PanelModel::freshnessText(const std::optional<QDateTime> &lastSuccessAt, bool isStale, const QDateTime &now)
{
    if (!lastSuccessAt)
        return UIStrings::text("freshness.waiting", "waiting for first update…");
    if (isStale)
        return UIStrings::text("freshness.stale", "stale");
    return UIStrings::updatedAgo(std::max<qint64>(0, lastSuccessAt->msecsTo(now) / 1000));
}

QString PanelModel::freshness() const
{
    const QDateTime now = m_dependencies.now();
    return freshnessText(m_dependencies.state->lastSuccessAt(), m_dependencies.state->isStale(now), now);
}

QString PanelModel::issueText() const
{
    const AppState *state = m_dependencies.state;
    // Figures still held say more than "withheld".
    if (state->issue() == FetchIssue::throttled && state->snapshot())
        return {};
    return state->issueText();
}

bool PanelModel::signInRequired() const
{
    return m_dependencies.state->issue() == FetchIssue::signInRequired;
}

QString PanelModel::forecast() const
{
    const auto forecast = m_dependencies.state->forecast(m_dependencies.now());
    if (!forecast)
        return {};
    const QString at = locale().toString(forecast->limitAt.toTimeZone(m_dependencies.zone).time(), QLocale::ShortFormat);
    return UIStrings::format("forecast.limitAt", "At this pace: limit at %1", {at});
}

QString PanelModel::overage() const
{
    const auto snapshot = m_dependencies.state->snapshot();
    if (!snapshot || !snapshot->usingOverage())
        return {};
    return UIStrings::text("window.overage", "Running on extra usage until the limit resets");
}

QString PanelModel::resumeStatus(const ResumeTicket &ticket, const QDateTime &now) const
{
    const ResumeController *resumes = m_dependencies.resumes;
    const auto resetsAt = [&](const QDateTime &at) {
        return UIStrings::format("resume.resetsAt", "Resets %1",
                                 {UsageResetFormatter::string(at, true, locale(), m_dependencies.zone)});
    };
    if (resumes->isResuming(ticket.sessionID))
        return UIStrings::text("resume.resuming", "Resuming…");
    const ResumeStatus status = resumes->status(ticket);
    switch (status.kind) {
    case ResumeStatus::Kind::heldByGuard:
        return UIStrings::format("resume.held", "Held until %1; goes on by itself", {clock(status.until)});
    case ResumeStatus::Kind::openInClaude:
        return status.reason ? UIStrings::text("resume.idleInClaude", "Idle in Claude Code since before the reset; continue it there")
                             : UIStrings::text("resume.openInClaude", "Open in Claude Code, which continues it");
    case ResumeStatus::Kind::running:
        return UIStrings::text("resume.resuming", "Resuming…");
    case ResumeStatus::Kind::needsAttention:
        return UIStrings::format("resume.needsYou", "Needs you: %1", {displayText(status.reason ? status.reason->text() : QString())});
    case ResumeStatus::Kind::retrying:
        return UIStrings::format("resume.retrying", "Last try %1 failed: %2; next try %3",
                                 {clock(status.lastAttemptAt), displayText(status.reason ? status.reason->text() : QString()), clock(status.until)});
    case ResumeStatus::Kind::directoryMissing:
        return UIStrings::text("resume.directoryMissing", "Its folder no longer exists");
    case ResumeStatus::Kind::waitingForReset:
        return resetsAt(status.until);
    case ResumeStatus::Kind::ready:
        break;
    }
    using Kind = ResumeAttemptResult::Kind;
    const auto result = resumes->lastResult(ticket.sessionID);
    const ResumeReadiness readiness =
        ResumePolicy::readiness(ticket, now, m_dependencies.state->snapshot(), m_dependencies.state->lastSuccessAt(), true);
    if ((result && result->kind == Kind::quotaUnavailable) || readiness.kind == ResumeReadiness::Kind::quotaUnavailable)
        return UIStrings::text("resume.quotaUnavailable", "Quota is still occupied");
    if ((result && result->kind == Kind::quotaUnconfirmed) || readiness.kind == ResumeReadiness::Kind::quotaUnconfirmed)
        return UIStrings::text("resume.quotaUnconfirmed", "Available quota could not be confirmed");
    return UIStrings::text("resume.ready", "Ready");
}

QString PanelModel::clock(const QDateTime &instant) const
{
    return locale().toString(instant.toTimeZone(m_dependencies.zone).time(), QLocale::ShortFormat);
}

QVariantList PanelModel::pendingResumes() const
{
    const QDateTime now = m_dependencies.now();
    const ResumeController *resumes = m_dependencies.resumes;
    QVariantList list;
    for (const ResumeTicket &ticket : resumes->pendingResumes()) {
        const auto result = resumes->lastResult(ticket.sessionID);
        const bool quotaTaken =
            (result && result->kind == ResumeAttemptResult::Kind::quotaUnavailable) ||
            ResumePolicy::readiness(ticket, now, m_dependencies.state->snapshot(), m_dependencies.state->lastSuccessAt(), false)
                    .kind == ResumeReadiness::Kind::quotaUnavailable;
        list << QVariantMap{
            {QStringLiteral("sessionID"), ticket.sessionID},
            {QStringLiteral("title"), displayText(resumes->title(ticket))},
            {QStringLiteral("projectTitle"), displayText(LastMessageResolver::projectTitle(ticket))},
            {QStringLiteral("status"), resumeStatus(ticket, now)},
            {QStringLiteral("isResuming"), resumes->isResuming(ticket.sessionID)},
            {QStringLiteral("needsYou"), resumes->status(ticket).kind == ResumeStatus::Kind::needsAttention},
            {QStringLiteral("held"), resumes->status(ticket).kind == ResumeStatus::Kind::heldByGuard},
            {QStringLiteral("quotaTaken"), quotaTaken},
        };
    }
    return list;
}

bool PanelModel::autoContinueEnabled() const
{
    return m_dependencies.resumes->autoContinueEnabled();
}

QVariantList PanelModel::heldCalls() const
{
    QVariantList list;
    for (const GuardHold &hold : m_dependencies.resumes->heldCalls()) {
        list << QVariantMap{
            {QStringLiteral("sessionID"), hold.sessionID},
            {QStringLiteral("title"), displayText(m_dependencies.resumes->title(hold))},
            {QStringLiteral("status"), UIStrings::format("resume.held", "Held until %1; goes on by itself", {clock(hold.resetsAt)})},
        };
    }
    return list;
}

void PanelModel::setNotice(const QString &notice)
{
    m_notice = notice;
    emit noticeChanged();
}

// How a "Resume now" came out, so that every press ends in words.
QString PanelModel::resultNotice(const QString &title, const ResumeAttemptResult &result) const
{
    using Kind = ResumeAttemptResult::Kind;
    switch (result.kind) {
    case Kind::succeeded:
        return UIStrings::format("resume.notice.continued", "“%1” continued.", {title});
    case Kind::quotaUnavailable: {
        if (!result.limit)
            return UIStrings::text("resume.quotaUnavailable", "Quota is still occupied");
        const QString percent = UIStrings::percent(std::min(result.limit->utilization(), 100.0));
        const QString until = UsageResetFormatter::string(result.until, result.limit->kind() != UsageLimitKind::fiveHour, locale(),
                                                          m_dependencies.zone);
        const QString limit = result.limit->kind() == UsageLimitKind::fiveHour
                                  ? UIStrings::format("resume.notice.limitFiveHour", "The 5-hour limit is at %1 until %2.",
                                                      {percent, until})
                                  : UIStrings::format("resume.notice.limitWeekly", "The weekly limit is at %1 until %2.",
                                                      {percent, until});
        return limit + u' ' +
               UIStrings::text("resume.notice.anyway",
                               "“Resume anyway” continues it now; Claude Code will likely stop again at the limit.");
    }
    case Kind::quotaUnconfirmed:
        return UIStrings::text("resume.quotaUnconfirmed", "Available quota could not be confirmed");
    case Kind::alreadyRunning:
        return UIStrings::text("resume.resuming", "Resuming…");
    case Kind::alreadyContinued:
        return UIStrings::format("resume.notice.alreadyContinued", "“%1” was already continued.", {title});
    case Kind::heldByGuard:
        return UIStrings::format("resume.held", "Held until %1; goes on by itself", {clock(result.until)});
    case Kind::sessionStillOpen:
        return UIStrings::text("resume.openInClaude", "Open in Claude Code, which continues it");
    case Kind::waitingForReset:
    case Kind::backingOff:
        return UIStrings::format("resume.resetsAt", "Resets %1",
                                 {UsageResetFormatter::string(result.until, true, locale(), m_dependencies.zone)});
    case Kind::failed:
        return UIStrings::format("notification.resumeFailed.retry", "“%1”: %2. Pacewise tries again later.",
                                 {title, displayText(result.reason ? result.reason->text() : QString())});
    case Kind::needsAttention:
        return UIStrings::format("notification.resumeFailed.attention", "“%1” needs you: %2",
                                 {title, displayText(result.reason ? result.reason->text() : QString())});
    case Kind::interrupted:
    case Kind::detached:
        return UIStrings::text("resume.notice.stopped", "Stopped; the session stays to be continued.");
    }
    Q_UNREACHABLE();
    return {};
}

bool PanelModel::isFetching() const
{
    return m_dependencies.state->isFetching();
}

QString PanelModel::tooltip() const
{
    QStringList lines{QStringLiteral("Pacewise")};
    for (const QVariant &row : limits()) {
        const QVariantMap limit = row.toMap();
        lines << UIStrings::format("tooltip.limitRow", "%1: %2",
                                   {limit.value(QStringLiteral("label")).toString(), limit.value(QStringLiteral("detail")).toString()});
    }
    if (const QString issue = issueText(); !issue.isEmpty())
        lines << issue;
    if (const QString pace = forecast(); !pace.isEmpty())
        lines << pace;
    if (const QString extra = overage(); !extra.isEmpty())
        lines << extra;
    if (const qsizetype pending = m_dependencies.resumes->pendingResumes().size()) {
        lines << UIStrings::format("tooltip.pendingResumes", "Pending resumes: %1", {QString::number(pending)});
    }
    lines << freshness();
    return lines.join(u'\n');
}

// AppState's tasks run on by themselves once started; the panel follows
// their outcome through AppState's signals.
void PanelModel::refreshNow()
{
    m_dependencies.state->refresh(true, UsageFigures::Ask::claudeFirst);
}

void PanelModel::resumeNow(const QString &sessionID, bool force)
{
    const ResumeTicket *ticket = findTicket(m_dependencies.resumes->pendingResumes(), sessionID);
    if (!ticket)
        return;
    const QString title = displayText(m_dependencies.resumes->title(*ticket));
    setNotice(UIStrings::text("resume.resuming", "Resuming…"));
    m_dependencies.resumes->resumeNow(*ticket, force).then([self = QPointer<PanelModel>(this), title](const ResumeAttemptResult &result) {
        if (self)
            self->setNotice(self->resultNotice(title, result));
    });
}

void PanelModel::dismissResume(const QString &sessionID)
{
    const ResumeTicket *ticket = findTicket(m_dependencies.resumes->pendingResumes(), sessionID);
    if (!ticket)
        return;
    setNotice(UIStrings::format("resume.notice.dismissed", "“%1” dismissed.", {displayText(m_dependencies.resumes->title(*ticket))}));
    m_dependencies.resumes->dismiss(*ticket);
}

void PanelModel::releaseHold(const QString &sessionID)
{
    QString title = sessionID.left(8);
    if (const ResumeTicket *ticket = findTicket(m_dependencies.resumes->pendingResumes(), sessionID))
        title = m_dependencies.resumes->title(*ticket);
    for (const GuardHold &hold : m_dependencies.resumes->heldCalls()) {
        if (hold.sessionID == sessionID)
            title = m_dependencies.resumes->title(hold);
    }
    m_dependencies.resumes->releaseHold(sessionID).then([self = QPointer<PanelModel>(this), title = displayText(title)](bool released) {
        if (!self)
            return;
        self->setNotice(released ? UIStrings::format("resume.notice.released",
                                                     "“%1” goes on now; it is not held again before the limit resets.", {title})
                                 : UIStrings::format("resume.notice.notHeld", "“%1” is no longer held.", {title}));
    });
}

} // namespace pacewise
