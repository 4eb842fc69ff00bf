#include "NotificationController.h"

#include "AppState.h"
#include "KickstartController.h"
#include "ResumeController.h"
#include "app/AppSettingsKeys.h"
#include "i18n/UIStrings.h"
#include "system/DisplayText.h"
#include "system/EpochSeconds.h"

#include <QLocale>

#include <cmath>

namespace pacewise {

NotificationController::NotificationController(Dependencies dependencies, QObject *parent)
    : QObject(parent)
    , m_dependencies(std::move(dependencies))
{
    connect(m_dependencies.state, &AppState::snapshotChanged, this, &NotificationController::snapshotChanged);
    ResumeController *resumes = m_dependencies.resumes;
    connect(resumes, &ResumeController::resumesChanged, this, &NotificationController::resumesChanged);
    connect(resumes, &ResumeController::resumeFinished, this, &NotificationController::resumeFinished);
    if (KickstartController *kickstart = m_dependencies.kickstart) {
        m_kickstartWasRunning = kickstart->isRunning();
        connect(kickstart, &KickstartController::stateChanged, this, &NotificationController::kickstartStateChanged);
    }
}

QString NotificationController::settingsKey(Kind kind)
{
    switch (kind) {
    case Kind::limitNear:
        return QString::fromLatin1(AppSettingsKeys::notifyLimitNear);
    case Kind::sessionPaused:
        return QString::fromLatin1(AppSettingsKeys::notifySessionPaused);
    case Kind::sessionResumed:
        return QString::fromLatin1(AppSettingsKeys::notifySessionResumed);
    case Kind::kickstart:
        return QString::fromLatin1(AppSettingsKeys::notifyKickstart);
    }
    Q_UNREACHABLE();
    return {};
}

bool NotificationController::isEnabled(const QSettings *appSettings, Kind kind)
{
    if (!appSettings)
        return true;
    const QVariant value = appSettings->value(settingsKey(kind));
    return !value.isValid() || value.toString() != u"false";
}

QString NotificationController::limitNearKey(UsageLimitKind kind)
{
    return kind == UsageLimitKind::fiveHour ? QString::fromLatin1(AppSettingsKeys::notifyLimitNearFiveHourPercent)
                                            : QString::fromLatin1(AppSettingsKeys::notifyLimitNearWeeklyPercent);
}

double NotificationController::limitNearPercent(const QSettings *appSettings, UsageLimitKind kind)
{
    bool isNumber = false;
    const double percent = appSettings ? appSettings->value(limitNearKey(kind)).toDouble(&isNumber) : 0;
    return isNumber && percent >= 50 && percent <= 100 ? percent : defaultLimitNearPercent;
}

bool NotificationController::isToday(const QDateTime &instant) const
{
    return instant.toTimeZone(m_dependencies.zone).date() == m_dependencies.now().toTimeZone(m_dependencies.zone).date();
}

QString NotificationController::clock(const QDateTime &instant) const
{
    return QLocale().toString(instant.toTimeZone(m_dependencies.zone).time(), QLocale::ShortFormat);
}

void NotificationController::show(Kind kind, const QString &summary, const QString &body,
                                  DesktopNotifications::Urgency urgency)
{
    if (isEnabled(m_dependencies.appSettings, kind))
        m_dependencies.notifications->show(summary, body, urgency);
}

void NotificationController::snapshotChanged()
{
    const auto snapshot = m_dependencies.state->snapshot();
    if (!snapshot)
        return;
    for (const UsageLimit &limit : snapshot->limits()) {
        if (!std::isfinite(limit.utilization()) || !limit.window().hasStarted() ||
            limit.utilization() < limitNearPercent(m_dependencies.appSettings, limit.kind()))
            continue;
        const QString window = rawValue(limit.kind()) + u'/' + limit.model().value_or(QString()) + u'/' +
                               QString::number(epochSecondsTruncated(limit.resetsAt()));
        if (m_warnedWindows.contains(window))
            continue;
        m_warnedWindows.insert(window);
        // Written as the panel writes it, in the language's own way.
        const QString percent = UIStrings::percent(std::min(limit.utilization(), 100.0));
        const QString summary =
            limit.kind() == UsageLimitKind::fiveHour
                ? UIStrings::format("notification.limitNear.fiveHour", "%1 of the 5-hour limit used", {percent})
                : UIStrings::format("notification.limitNear.weekly", "%1 of the weekly limit used", {percent});
        // A time where the sentence wants one: the 5-hour window resets
        // within hours, a weekly one on a named day.
        const QDateTime reset = limit.resetsAt().toTimeZone(m_dependencies.zone);
        const QString body = limit.kind() == UsageLimitKind::fiveHour
                                 ? UIStrings::format("notification.limitNear.body", "It resets at %1.", {clock(reset)})
                                 : UIStrings::format("notification.limitNear.bodyDay", "It resets on %1 at %2.",
                                                     {QLocale().dayName(reset.date().dayOfWeek()), clock(reset)});
        show(Kind::limitNear, summary, body);
    }
}

void NotificationController::resumesChanged()
{
    const ResumeController *resumes = m_dependencies.resumes;
    // Sessions stopped before we started were told about then, or are shown
    // in the list anyway.
    if (std::exchange(m_firstListing, false)) {
        for (const ResumeTicket &ticket : resumes->pendingResumes())
            m_knownSessions.insert(ticket.sessionID);
    }
    QSet<QString> current;
    for (const ResumeTicket &ticket : resumes->pendingResumes()) {
        current.insert(ticket.sessionID);
        const QString title = displayText(resumes->title(ticket));
        const ResumeStatus status = resumes->status(ticket);
        // Claude Code still has it open but did not go on after the reset.
        if (status.kind == ResumeStatus::Kind::openInClaude && status.reason &&
            !std::exchange(m_idleTold[ticket.sessionID], true)) {
            show(Kind::sessionPaused, UIStrings::text("notification.idle.title", "A session did not go on after the reset"),
                 UIStrings::format("notification.idle.body", "“%1” is open in Claude Code but idle; continue it there.", {title}));
        }
        if (m_knownSessions.contains(ticket.sessionID))
            continue;
        m_knownSessions.insert(ticket.sessionID);
        // A call the guard holds goes on by itself at the reset; a turn it
        // stopped waits for auto-continue, or for the user.
        // A reset on another day (a weekly one) names the day.
        const QString day = QLocale().dayName(ticket.resetsAt.toTimeZone(m_dependencies.zone).date().dayOfWeek());
        const bool today = isToday(ticket.resetsAt);
        if (status.kind == ResumeStatus::Kind::heldByGuard) {
            show(Kind::sessionPaused, UIStrings::text("notification.held.title", "Claude Code is holding at the usage limit"),
                 today ? UIStrings::format("notification.held.body", "“%1” goes on by itself after the reset at %2.",
                                           {title, clock(ticket.resetsAt)})
                       : UIStrings::format("notification.held.bodyDay", "“%1” goes on by itself after the reset on %2 at %3.",
                                           {title, day, clock(ticket.resetsAt)}),
                 DesktopNotifications::Urgency::low);
            continue;
        }
        QString body;
        if (resumes->autoContinueEnabled()) {
            body = today ? UIStrings::format("notification.paused.autoContinue", "“%1” continues after the reset at %2.",
                                             {title, clock(ticket.resetsAt)})
                         : UIStrings::format("notification.paused.autoContinueDay",
                                             "“%1” continues after the reset on %2 at %3.", {title, day, clock(ticket.resetsAt)});
        } else {
            body = today ? UIStrings::format("notification.paused.manual", "“%1” waits for the reset at %2.",
                                             {title, clock(ticket.resetsAt)})
                         : UIStrings::format("notification.paused.manualDay", "“%1” waits for the reset on %2 at %3.",
                                             {title, day, clock(ticket.resetsAt)});
        }
        show(Kind::sessionPaused, UIStrings::text("notification.paused.title", "Claude Code paused at the usage limit"), body);
    }
    m_knownSessions.intersect(current);
    for (auto told = m_idleTold.begin(); told != m_idleTold.end();)
        told = current.contains(told.key()) ? std::next(told) : m_idleTold.erase(told);
}

void NotificationController::resumeFinished(const ResumeTicket &ticket, const ResumeAttemptResult &outcome, bool manual)
{
    using ResultKind = ResumeAttemptResult::Kind;
    const QString title = displayText(m_dependencies.resumes->title(ticket));
    if (outcome.kind == ResultKind::succeeded) {
        m_failedSessions.remove(ticket.sessionID);
        // One the user started by hand needs no news.
        if (!manual)
            show(Kind::sessionResumed, UIStrings::text("notification.resumed.title", "Session continued"), title);
        return;
    }
    if (manual || (outcome.kind != ResultKind::failed && outcome.kind != ResultKind::needsAttention))
        return;
    // Back-off retries follow each failure; only the first is news.
    if (m_failedSessions.contains(ticket.sessionID))
        return;
    m_failedSessions.insert(ticket.sessionID);
    const QString body = outcome.kind == ResultKind::needsAttention
                             ? UIStrings::format("notification.resumeFailed.attention", "“%1” needs you: %2",
                                                 {title, displayText(outcome.reason ? outcome.reason->text() : QString())})
                             : UIStrings::format("notification.resumeFailed.retry", "“%1”: %2. Pacewise tries again later.",
                                                 {title, displayText(outcome.reason ? outcome.reason->text() : QString())});
    show(Kind::sessionResumed, UIStrings::text("notification.resumeFailed.title", "Session could not be continued"), body,
         DesktopNotifications::Urgency::critical);
}

void NotificationController::kickstartStateChanged()
{
    const KickstartController *kickstart = m_dependencies.kickstart;
    const bool finished = m_kickstartWasRunning && !kickstart->isRunning();
    m_kickstartWasRunning = kickstart->isRunning();
    if (!finished || !kickstart->lastResult())
        return;
    switch (*kickstart->lastResult()) {
    case KickstartResult::started:
        m_kickstartFailureTold = false;
        show(Kind::kickstart, UIStrings::text("notification.kickstart.started.title", "Good morning sent"),
             UIStrings::text("notification.kickstart.started.body", "The 5-hour window has started."),
             DesktopNotifications::Urgency::low);
        return;
    case KickstartResult::failed:
    case KickstartResult::cliMissing:
        // Retries follow every quarter of an hour; only the first failure is news.
        if (std::exchange(m_kickstartFailureTold, true))
            return;
        show(Kind::kickstart, UIStrings::text("notification.kickstart.failed.title", "Morning kickstart failed"),
             kickstart->statusText());
        return;
    case KickstartResult::skippedWindowActive:
    case KickstartResult::alreadyRunning:
        return;
    }
}

} // namespace pacewise
