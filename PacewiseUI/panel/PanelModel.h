#pragma once

#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <QTimeZone>
#include <QVariantList>

#include <functional>

namespace pacewise {

class AppState;
class LocaleManager;
class ResumeController;
struct ResumeAttemptResult;
struct ResumeTicket;

// What the panel shows, worked out from AppState in the user's language:
// the limit rows, how fresh the figures are, the fetch issue and the
// sessions waiting to be continued. The panel's QML only lays it out.
class PanelModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(QVariantList limits READ limits NOTIFY changed)
    Q_PROPERTY(QString freshness READ freshness NOTIFY freshnessChanged)
    Q_PROPERTY(QString issueText READ issueText NOTIFY changed)
    Q_PROPERTY(bool signInRequired READ signInRequired NOTIFY changed)
    Q_PROPERTY(QString forecast READ forecast NOTIFY changed)
    Q_PROPERTY(QString overage READ overage NOTIFY changed)
    Q_PROPERTY(QVariantList pendingResumes READ pendingResumes NOTIFY changed)
    Q_PROPERTY(QVariantList heldCalls READ heldCalls NOTIFY changed)
    Q_PROPERTY(QString notice READ notice NOTIFY noticeChanged)
    Q_PROPERTY(bool autoContinueEnabled READ autoContinueEnabled NOTIFY changed)
    Q_PROPERTY(bool isFetching READ isFetching NOTIFY changed)
    Q_PROPERTY(QString tooltip READ tooltip NOTIFY changed)

public:
    struct Dependencies {
        AppState *state = nullptr;           // not owned
        ResumeController *resumes = nullptr; // not owned
        LocaleManager *locale = nullptr;     // not owned; may be null (English, system formats)
        std::function<QDateTime()> now = [] { return QDateTime::currentDateTimeUtc(); };
        QTimeZone zone = QTimeZone::systemTimeZone();
    };

    explicit PanelModel(Dependencies dependencies, QObject *parent = nullptr);

    // Each: label, detail ("42% · until 17:01", "0% · not started"), value
    // (0–100) and tint ("accent", "warning" or "critical", as the tray colours it).
    QVariantList limits() const;
    QString freshness() const;
    QString issueText() const;
    bool signInRequired() const;
    // "At this pace: limit at 15:40", when the 5-hour window runs out
    // before its reset at the recent pace; else empty.
    QString forecast() const;
    // Says so while the account runs on extra usage; else empty.
    QString overage() const;
    // Each: sessionID, title, projectTitle, status, isResuming, needsYou,
    // held (the guard holds its call: it may go on now), quotaTaken (a
    // limit is exhausted: it may be resumed anyway).
    QVariantList pendingResumes() const;
    // Calls the guard holds for sessions without a ticket. Each: sessionID,
    // title, status.
    QVariantList heldCalls() const;
    // What the last button pressed here came to, in words; empty before.
    QString notice() const { return m_notice; }
    bool autoContinueEnabled() const;
    bool isFetching() const;
    // Everything in a few lines, for the tray icon's tooltip.
    QString tooltip() const;

    // "updated 12s ago", "stale", "waiting for first update…".
    static QString freshnessText(const std::optional<QDateTime> &lastSuccessAt, bool isStale, const QDateTime &now);

    Q_INVOKABLE void refreshNow();
    // force: whatever the quota ("Resume anyway").
    Q_INVOKABLE void resumeNow(const QString &sessionID, bool force = false);
    Q_INVOKABLE void dismissResume(const QString &sessionID);
    // "Go on now": the guard lets the session's held call go on.
    Q_INVOKABLE void releaseHold(const QString &sessionID);
    // The age of the figures moves every second while the panel is open,
    // and every half minute for the tooltip otherwise; figures that grow
    // stale are told as stale then, not only when new ones come.
    void setPanelOpen(bool open);

signals:
    void changed();
    void freshnessChanged();
    void noticeChanged();

private:
    QString resumeStatus(const ResumeTicket &ticket, const QDateTime &now) const;
    QString resultNotice(const QString &title, const ResumeAttemptResult &result) const;
    QString clock(const QDateTime &instant) const;
    void setNotice(const QString &notice);
    QLocale locale() const;

    void tick();

    Dependencies m_dependencies;
    QString m_notice;
    QTimer m_clock;
    bool m_wasStale = false;
};

} // namespace pacewise
