#pragma once

#include "system/DesktopNotifications.h"
#include "usage/UsageLimit.h"

#include <QObject>
#include <QHash>
#include <QSet>
#include <QSettings>
#include <QTimeZone>

#include <functional>
#include <memory>

namespace pacewise {

class AppState;
class KickstartController;
class ResumeController;
struct ResumeAttemptResult;
struct ResumeTicket;

// Tells the user, through desktop notifications, what happened while they
// were not looking: a limit is near (once per window), the guard paused a
// session, a paused session was continued or could not be, the morning
// kickstart ran or failed. Each kind can be switched off in the settings.
class NotificationController : public QObject {
    Q_OBJECT
public:
    enum class Kind { limitNear, sessionPaused, sessionResumed, kickstart };
    Q_ENUM(Kind)

    // A window this full (in percent) is near its limit, unless the user
    // chose another share for its kind (5-hour, weekly) from 50 to 100.
    static constexpr double defaultLimitNearPercent = 90.0;

    struct Dependencies {
        std::shared_ptr<DesktopNotifications> notifications;
        QSettings *appSettings = nullptr; // not owned; may be null (everything on)
        AppState *state = nullptr;     // not owned
        ResumeController *resumes = nullptr; // not owned
        KickstartController *kickstart = nullptr; // not owned; may be null
        QTimeZone zone = QTimeZone::systemTimeZone();
        std::function<QDateTime()> now = [] { return QDateTime::currentDateTimeUtc(); };
    };

    explicit NotificationController(Dependencies dependencies, QObject *parent = nullptr);

    // The kind's switch among AppSettingsKeys; on unless set to false.
    static QString settingsKey(Kind kind);
    static bool isEnabled(const QSettings *appSettings, Kind kind);
    // The 5-hour window's share or the weekly windows' (AppSettingsKeys).
    static QString limitNearKey(UsageLimitKind kind);
    static double limitNearPercent(const QSettings *appSettings, UsageLimitKind kind);

private:
    void snapshotChanged();
    void resumesChanged();
    void resumeFinished(const ResumeTicket &ticket, const ResumeAttemptResult &outcome, bool manual);
    void kickstartStateChanged();
    void show(Kind kind, const QString &summary, const QString &body,
              DesktopNotifications::Urgency urgency = DesktopNotifications::Urgency::normal);
    QString clock(const QDateTime &instant) const;
    // A reset later than today names its day.
    bool isToday(const QDateTime &instant) const;

    Dependencies m_dependencies;
    QSet<QString> m_warnedWindows;   // kind, model and reset of each window already warned about
    bool m_firstListing = true;
    QSet<QString> m_knownSessions;   // tickets already seen
    QHash<QString, bool> m_idleTold; // sessions told to sit idle in Claude Code past their reset
    QSet<QString> m_failedSessions;  // failures already told, until the session succeeds
    bool m_kickstartWasRunning = false;
    bool m_kickstartFailureTold = false;
};

} // namespace pacewise
