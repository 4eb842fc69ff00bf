#pragma once

#include "guard/AutoContinueSetting.h"
#include "guard/GuardHolds.h"
#include "resume/LastMessageResolver.h"
#include "resume/ResumeCoordinator.h"
#include "resume/ResumeStatus.h"
#include "system/FileChangeWatcher.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QThreadPool>
#include <QTimer>

#include <qcoro/qcorotask.h>

#include <functional>
#include <memory>

namespace pacewise {

class AppState;

// Auto-continue for the tray app and the daemon: the sessions the guard
// stopped, their titles and where each stands, the switch, and the resumes
// themselves, asked for by the user or automatic. The tickets are read
// again whenever the ticket folder changes (the guard paused a session, a
// run ended) and after every refresh of the figures; after the poll loop's
// own with fresh figures, and after a change in the folder, every session
// whose limit has reset is continued, a few at a time. Lives on the main
// thread; resumes and file work run on the thread pool. A session waiting
// for its reset is continued at the reset itself (and the guard's margin),
// not at the next poll.
class ResumeController : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool autoContinueEnabled READ autoContinueEnabled NOTIFY autoContinueChanged)
    Q_PROPERTY(bool isUpdatingAutoContinue READ isUpdatingAutoContinue NOTIFY autoContinueChanged)
    Q_PROPERTY(QString autoContinueSettingsError READ autoContinueSettingsError NOTIFY autoContinueChanged)

public:
    struct Dependencies {
        std::shared_ptr<ResumeCoordinator> coordinator;
        std::shared_ptr<LastMessageResolver> titles;
        AutoContinueSetting setting;
        QString sessionsDirectory;
        QString holdsDirectory; // the guard's (GuardHolds)
        std::function<QDateTime()> now = [] { return QDateTime::currentDateTimeUtc(); };
    };

    // Sessions continued at once; the others wait their turn.
    static constexpr int maximumConcurrentRuns = 4;

    // Decides on state's figures; state must outlive it.
    ResumeController(Dependencies dependencies, AppState *state, QObject *parent = nullptr);
    ~ResumeController() override;

    const QList<ResumeTicket> &pendingResumes() const { return m_pending; }
    // Calls the guard holds for sessions without a ticket (auto-continue
    // off): they go on by themselves at the reset, or when released.
    const QList<GuardHold> &heldCalls() const { return m_heldCalls; }
    QString title(const ResumeTicket &ticket) const { return m_dependencies.titles->title(ticket); }
    QString title(const GuardHold &hold) const { return m_dependencies.titles->title(ticketFor(hold)); }
    // Where the session stands, as of the last reload.
    ResumeStatus status(const ResumeTicket &ticket) const;
    // What the last attempt from here answered, until the next reload.
    std::optional<ResumeAttemptResult> lastResult(const QString &sessionID) const;
    bool isResuming(const QString &sessionID) const { return m_resuming.contains(sessionID); }

    bool autoContinueEnabled() const { return m_autoContinueEnabled; }
    bool isUpdatingAutoContinue() const { return m_isUpdatingAutoContinue; }
    QString autoContinueSettingsError() const { return m_autoContinueSettingsError; }

    // Reads the tickets, what was kept about them and their titles again.
    QCoro::Task<> reload();
    // With auto-continue on, continues every session that fresh figures
    // allow, a few at once and the others as those end (without waiting for
    // them: a resume may run half an hour).
    void resumeReady();
    // Fetches fresh figures first when they are too old to confirm the quota.
    // force: whatever the quota says (Claude Code will likely stop again).
    QCoro::Task<ResumeAttemptResult> resumeNow(ResumeTicket ticket, bool force = false);
    // Forgets the session; a call the guard holds for it goes on now.
    QCoro::Task<> dismiss(ResumeTicket ticket);
    // Lets the call the guard holds for the session go on now, past the
    // limit (the user chose extra usage, say); true when one was held.
    QCoro::Task<bool> releaseHold(QString sessionID);
    QCoro::Task<> setAutoContinueEnabled(bool enabled);
    // Takes in a switch turned by pacewisectl or another window. The file
    // is read on the thread pool: Claude Code may be rewriting it, and a
    // half-written file is read again a moment later.
    QCoro::Task<> reloadSettings();
    // Stops waiting for the resumes under way, which go on to their end
    // (ResumeRun), and waits for the attempts, which then return at once.
    void detach();

signals:
    void pendingResumesChanged();
    void resumesChanged(); // statuses, results or sessions being resumed
    void titlesChanged();
    void resumeFinished(const pacewise::ResumeTicket &ticket, const pacewise::ResumeAttemptResult &outcome, bool manual);
    void autoContinueChanged();

private:
    // What the title resolver needs of a held call without a ticket.
    static ResumeTicket ticketFor(const GuardHold &hold)
    {
        return ResumeTicket{.sessionID = hold.sessionID, .cwd = {}, .resetsAt = hold.resetsAt, .createdAt = {}};
    }
    QCoro::Task<ResumeAttemptResult> run(ResumeTicket ticket, bool manual, bool force = false);
    QCoro::Task<> refreshed(bool runReady);
    QCoro::Task<> readSetting();
    QCoro::Task<> startWaiting();
    void armResetTimer();

    struct Known {
        std::optional<ResumeRecord> record;
        std::optional<ClaudeSession> open;
    };

    Dependencies m_dependencies;
    AppState *m_state;
    // A resume may run for half an hour: on the shared pool (two threads on
    // a two-core machine) two of them would hold up every poll meanwhile.
    QThreadPool m_runs;
    QList<ResumeTicket> m_pending;
    QList<GuardHold> m_heldCalls;
    QList<ResumeTicket> m_waiting; // ready, for a free run
    bool m_startingWaiting = false;
    std::unique_ptr<FileChangeWatcher> m_ticketWatcher;
    QTimer m_resetTimer;
    QSet<QString> m_resetsReached; // "<session>@<reset>" the timer has acted on
    QHash<QString, Known> m_known;
    QHash<QString, ResumeAttemptResult> m_results;
    QSet<QString> m_resuming;
    int m_reloads = 0; // only the latest reload publishes
    int m_settingReads = 0; // only the latest read of the setting publishes
    bool m_autoContinueEnabled = false;
    bool m_isUpdatingAutoContinue = false;
    QString m_autoContinueSettingsError;
};

} // namespace pacewise
