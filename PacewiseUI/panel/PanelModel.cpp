#include "PanelModel.h"

#include "app/AppState.h"
#include "i18n/LocaleManager.h"
#include "i18n/UIStrings.h"
#include "resume/LastMessageResolver.h"
#include "usage/UsageLimitRowBuilder.h"
#include "usage/UsageResetFormatter.h"

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
    for (const auto signal : {&AppState::snapshotChanged, &AppState::issueChanged, &AppState::isFetchingChanged,
                              &AppState::pendingResumesChanged, &AppState::resumesChanged, &AppState::resumeTitlesVersionChanged,
                              &AppState::autoContinueChanged}) {
        connect(state, signal, this, &PanelModel::changed);
    }
    connect(state, &AppState::snapshotChanged, this, &PanelModel::freshnessChanged);
    if (m_dependencies.locale) {
        connect(m_dependencies.locale, &LocaleManager::languageChanged, this, &PanelModel::changed);
        connect(m_dependencies.locale, &LocaleManager::languageChanged, this, &PanelModel::freshnessChanged);
    }
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
        [&week](const QString &model) { return UIStrings::format("window.weeklyModelLabel", "%1$@ · %2$@", {week, model}); },
        locale(), m_dependencies.zone);
    QVariantList limits;
    for (const UsageLimitRowModel &row : rows) {
        const double utilization = row.limit.utilization();
        const double value = std::isfinite(utilization) ? std::clamp(utilization, 0.0, 100.0) : 0.0;
        const char *tint = utilization >= 98 ? "critical" : utilization >= 80 ? "warning" : "accent";
        const QString detail =
            row.limit.window().hasStarted()
                ? UIStrings::format("window.resetSummary", "%1$@ · until %2$@", {UIStrings::percent(utilization), row.resetText})
                : UIStrings::format("window.notStartedSummary", "%1$@ · not started", {UIStrings::percent(utilization)});
        limits << QVariantMap{
            {QStringLiteral("label"), row.label},
            {QStringLiteral("detail"), detail},
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
    const qint64 seconds = std::max<qint64>(0, lastSuccessAt->msecsTo(now) / 1000);
    const QString age = seconds < 60 ? UIStrings::format("freshness.ageSeconds", "%1$ds", {QString::number(seconds)})
                                     : UIStrings::format("freshness.ageMinutes", "%1$dm", {QString::number(seconds / 60)});
    return UIStrings::format("freshness.updatedAgo", "updated %1$@ ago", {age});
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
    return UIStrings::format("forecast.limitAt", "At this pace: limit at %1$@", {at});
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
    const AppState *state = m_dependencies.state;
    const auto resetsAt = [&](const QDateTime &at) {
        return UIStrings::format("resume.resetsAt", "Resets %1$@",
                                 {UsageResetFormatter::string(at, true, locale(), m_dependencies.zone)});
    };
    if (state->resumingSessionIDs().contains(ticket.sessionID))
        return UIStrings::text("resume.resuming", "Resuming…");
    using Kind = ResumeAttemptResult::Kind;
    if (const auto result = state->resumeResults().constFind(ticket.sessionID); result != state->resumeResults().cend()) {
        switch (result->kind) {
        case Kind::failed:
        case Kind::needsAttention:
            return UIStrings::text("resume.failed", "Resume failed; it will retry later");
        case Kind::alreadyRunning:
        case Kind::sessionStillOpen:
            return UIStrings::text("resume.resuming", "Resuming…");
        case Kind::quotaUnconfirmed:
            return UIStrings::text("resume.quotaUnconfirmed", "Available quota could not be confirmed");
        case Kind::quotaUnavailable:
            return UIStrings::text("resume.quotaUnavailable", "Quota is still occupied");
        case Kind::backingOff:
            return UIStrings::text("resume.retryLater", "Waiting before another retry");
        case Kind::waitingForReset:
            if (result->until.isValid())
                return resetsAt(result->until);
            break;
        case Kind::succeeded:
            break;
        }
    }
    const ResumeReadiness readiness =
        ResumePolicy::readiness(ticket, now, state->snapshot(), state->lastSuccessAt(), true);
    switch (readiness.kind) {
    case ResumeReadiness::Kind::waitingForReset:
        return resetsAt(readiness.resetsAt);
    case ResumeReadiness::Kind::ready:
        return UIStrings::text("resume.ready", "Ready");
    case ResumeReadiness::Kind::quotaUnavailable:
        return UIStrings::text("resume.quotaUnavailable", "Quota is still occupied");
    case ResumeReadiness::Kind::quotaUnconfirmed:
        return UIStrings::text("resume.quotaUnconfirmed", "Available quota could not be confirmed");
    }
    return {};
}

QVariantList PanelModel::pendingResumes() const
{
    const QDateTime now = m_dependencies.now();
    QVariantList resumes;
    for (const ResumeTicket &ticket : m_dependencies.state->pendingResumes()) {
        resumes << QVariantMap{
            {QStringLiteral("sessionID"), ticket.sessionID},
            {QStringLiteral("title"), m_dependencies.state->title(ticket)},
            {QStringLiteral("projectTitle"), LastMessageResolver::projectTitle(ticket)},
            {QStringLiteral("status"), resumeStatus(ticket, now)},
            {QStringLiteral("isResuming"), m_dependencies.state->resumingSessionIDs().contains(ticket.sessionID)},
        };
    }
    return resumes;
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
        lines << limit.value(QStringLiteral("label")).toString() + QStringLiteral(": ") +
                     limit.value(QStringLiteral("detail")).toString();
    }
    if (const QString issue = issueText(); !issue.isEmpty())
        lines << issue;
    if (const QString pace = forecast(); !pace.isEmpty())
        lines << pace;
    if (const QString extra = overage(); !extra.isEmpty())
        lines << extra;
    if (const qsizetype pending = m_dependencies.state->pendingResumes().size()) {
        lines << UIStrings::format("tooltip.pendingResumes", "Pending resumes: %1$d", {QString::number(pending)});
    }
    lines << freshness();
    return lines.join(u'\n');
}

// AppState's tasks run on by themselves once started; the panel follows
// their outcome through AppState's signals.
void PanelModel::refreshNow()
{
    m_dependencies.state->refresh(true);
}

void PanelModel::resumeNow(const QString &sessionID)
{
    if (const ResumeTicket *ticket = findTicket(m_dependencies.state->pendingResumes(), sessionID))
        m_dependencies.state->resumeNow(*ticket);
}

void PanelModel::dismissResume(const QString &sessionID)
{
    if (const ResumeTicket *ticket = findTicket(m_dependencies.state->pendingResumes(), sessionID))
        m_dependencies.state->dismissResume(*ticket);
}

} // namespace pacewise
