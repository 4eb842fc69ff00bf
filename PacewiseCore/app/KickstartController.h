#pragma once

#include "kickstart/Kickstart.h"
#include "system/SleepWakeSource.h"

#include <QObject>
#include <QPointer>
#include <QSettings>
#include <QTimeZone>
#include <QTimer>

#include <qcoro/qcorotask.h>

#include <chrono>
#include <functional>

namespace pacewise {

// Runs the morning kickstart by itself: keeps the settings, greets at the
// day's time and for the chain a minute after each reset, to the second
// (and looks again every minute and after every wake, as timers stop in a
// suspend), fetches fresh usage first, and retries failures after 15
// minutes, hourly after the third failure of a day. The last result is
// kept in the settings, so every Pacewise process can tell it. Main thread.
class KickstartController : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool enabled READ enabled WRITE setEnabled NOTIFY settingsChanged)
    Q_PROPERTY(bool chainEnabled READ chainEnabled WRITE setChainEnabled NOTIFY settingsChanged)
    Q_PROPERTY(bool isRunning READ isRunning NOTIFY stateChanged)

public:
    struct Usage {
        std::optional<UsageSnapshot> snapshot;
        std::optional<QDateTime> fetchedAt;
    };

    struct Dependencies {
        QSettings *appSettings = nullptr; // not owned
        std::shared_ptr<const Kickstart> starter;
        std::function<Usage()> usageProvider;
        std::function<QCoro::Task<>()> refreshUsage;
        SleepWakeSource *wakeSource = nullptr; // not owned; may be null
        bool autostart = true;
        std::function<QDateTime()> now = [] { return QDateTime::currentDateTimeUtc(); };
        QTimeZone zone = QTimeZone::systemTimeZone();
        std::chrono::milliseconds tickInterval{60'000};
    };

    explicit KickstartController(Dependencies dependencies, QObject *parent = nullptr);

    bool enabled() const { return m_enabled; }
    KickstartTime time() const { return m_time; }
    bool chainEnabled() const { return m_chainEnabled; }
    KickstartTime chainEndTime() const { return m_chainEndTime; }
    std::optional<QDateTime> lastRunAt() const { return m_lastRunAt; }
    std::optional<KickstartResult> lastResult() const { return m_lastResult; }
    // claude's own words when the last greeting failed.
    QString lastReason() const { return m_lastReason; }
    std::optional<QDateTime> chainNextAt() const { return m_chainNextAt; }
    bool isRunning() const { return m_isRunning; }
    std::optional<QDateTime> nextRunDate() const;
    QString statusText() const;

    void setEnabled(bool enabled);
    // Takes in what pacewisectl or another window changed in the settings.
    void reloadSettings();
    void setTime(KickstartTime time);
    void setChainEnabled(bool enabled);
    void setChainEndTime(KickstartTime time);

    // A greeting now, outside the schedule; the day's slot stays.
    QCoro::Task<KickstartOutcome> runNow();
    // Looks whether a greeting is due and sends it.
    QCoro::Task<> tick();

signals:
    void settingsChanged();
    void stateChanged();

private:
    QCoro::Task<KickstartOutcome> fire(bool consumeSlot);
    QCoro::Task<> rearmChain();
    void loadSettings();
    void applyLoadedSettings();
    void armChain(const QDateTime &at);
    void clearChain();
    void registerFailure(const QDateTime &now);
    void markSlotHandledIfPassed(const QDateTime &now);
    void startTicking();
    void stopTicking();
    void store(const char *key, const QVariant &value);

    Dependencies m_dependencies;
    QTimer m_ticker;
    bool m_enabled = false;
    KickstartTime m_time = KickstartTime::defaultStart();
    bool m_chainEnabled = false;
    KickstartTime m_chainEndTime = KickstartTime::defaultChainEnd();
    std::optional<QDateTime> m_lastRunAt;
    std::optional<KickstartResult> m_lastResult;
    QString m_lastReason;
    std::optional<QDateTime> m_handledSlot;
    std::optional<QDateTime> m_chainNextAt;
    std::optional<QDateTime> m_retryAfter;
    int m_attemptsToday = 0;
    std::optional<QDate> m_attemptDay;
    bool m_isRunning = false;
};

} // namespace pacewise
