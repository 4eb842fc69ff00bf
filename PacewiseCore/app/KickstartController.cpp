#include "KickstartController.h"

#include "app/AppSettingsKeys.h"
#include "i18n/UIStrings.h"
#include "kickstart/KickstartPolicy.h"
#include "system/Logging.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QtConcurrent/QtConcurrentRun>

#include <tuple>

#include <qcoro/qcorofuture.h>

namespace pacewise {

Q_LOGGING_CATEGORY(lcKickstartController, "pacewise.kickstart", QtInfoMsg)

namespace {

constexpr qint64 shortRetrySeconds = 900;
constexpr qint64 longRetrySeconds = 3600;
constexpr int failuresBeforeHourlyRetries = 3;

// Stored values may have been edited by hand: a number out of range is
// clamped, anything that is no number counts as missing.
std::optional<int> storedNumber(const QSettings *appSettings, const char *key)
{
    if (!appSettings)
        return std::nullopt;
    bool isNumber = false;
    const int value = appSettings->value(QLatin1String(key)).toInt(&isNumber);
    return isNumber ? std::optional(value) : std::nullopt;
}

KickstartTime storedTime(const QSettings *appSettings, const char *hourKey, const char *minuteKey,
                            KickstartTime fallback)
{
    const auto hour = storedNumber(appSettings, hourKey);
    const auto minute = storedNumber(appSettings, minuteKey);
    if (!hour && !minute)
        return fallback;
    return KickstartTime::clamped(hour.value_or(fallback.hour), minute.value_or(fallback.minute));
}

// Times are stored as ISO 8601 text a person can read and edit; what older
// versions stored as a QDateTime is still read.
std::optional<QDateTime> storedDate(const QSettings *appSettings, const char *key)
{
    if (!appSettings)
        return std::nullopt;
    const QVariant stored = appSettings->value(QLatin1String(key));
    const QDateTime value = stored.typeId() == QMetaType::QString ? QDateTime::fromString(stored.toString(), Qt::ISODate)
                                                                  : stored.toDateTime();
    return value.isValid() ? std::optional(value.toUTC()) : std::nullopt;
}

} // namespace

KickstartController::KickstartController(Dependencies dependencies, QObject *parent)
    : QObject(parent)
    , m_dependencies(std::move(dependencies))
{
    loadSettings();
    m_ticker.setSingleShot(true);
    m_ticker.setTimerType(Qt::PreciseTimer);
    connect(&m_ticker, &QTimer::timeout, this, [this] { tick(); });
    if (m_dependencies.wakeSource)
        connect(m_dependencies.wakeSource, &SleepWakeSource::woke, this, [this] { tick(); });
    applyLoadedSettings();
}

void KickstartController::loadSettings()
{
    const QSettings *appSettings = m_dependencies.appSettings;
    m_enabled = appSettings && appSettings->value(QLatin1String(AppSettingsKeys::kickstartEnabled)).toBool();
    m_time = storedTime(appSettings, AppSettingsKeys::kickstartHour, AppSettingsKeys::kickstartMinute, KickstartTime::defaultStart());
    m_chainEnabled = appSettings && appSettings->value(QLatin1String(AppSettingsKeys::kickstartChainEnabled)).toBool();
    m_chainEndTime = storedTime(appSettings, AppSettingsKeys::kickstartChainEndHour, AppSettingsKeys::kickstartChainEndMinute,
                                KickstartTime::defaultChainEnd());
    m_lastRunAt = storedDate(appSettings, AppSettingsKeys::kickstartLastRunAt);
    m_lastResult = appSettings ? kickstartResultNamed(appSettings->value(QLatin1String(AppSettingsKeys::kickstartLastResult)).toString())
                            : std::nullopt;
    m_lastReason = appSettings ? appSettings->value(QLatin1String(AppSettingsKeys::kickstartLastReason)).toString().left(200) : QString();
    m_handledSlot = storedDate(appSettings, AppSettingsKeys::kickstartHandledSlot);
    m_chainNextAt = storedDate(appSettings, AppSettingsKeys::kickstartChainNextAt);
}

void KickstartController::applyLoadedSettings()
{
    if (m_enabled)
        startTicking();
    else
        stopTicking();
    // The chain was switched on elsewhere (pacewisectl, say) and never armed.
    if (m_dependencies.autostart && m_enabled && m_chainEnabled && !m_chainNextAt)
        rearmChain();
}

void KickstartController::reloadSettings()
{
    if (m_dependencies.appSettings)
        m_dependencies.appSettings->sync();
    const auto settings = [this] {
        return std::tuple(m_enabled, m_time, m_chainEnabled, m_chainEndTime, m_handledSlot, m_chainNextAt);
    };
    const auto state = [this] { return std::tuple(m_lastRunAt, m_lastResult, m_lastReason); };
    const auto before = settings();
    const auto stateBefore = state();
    loadSettings();
    applyLoadedSettings();
    if (settings() != before) {
        qCInfo(lcKickstartController, "morning kickstart settings changed elsewhere; now %s", m_enabled ? "on" : "off");
        emit settingsChanged();
    }
    if (state() != stateBefore) // a greeting another Pacewise sent
        emit stateChanged();
}

void KickstartController::store(const char *key, const QVariant &value)
{
    if (!m_dependencies.appSettings)
        return;
    if (value.typeId() == QMetaType::QDateTime)
        m_dependencies.appSettings->setValue(QLatin1String(key), value.toDateTime().toUTC().toString(Qt::ISODate));
    else if (value.isValid())
        m_dependencies.appSettings->setValue(QLatin1String(key), value);
    else
        m_dependencies.appSettings->remove(QLatin1String(key));
}

// Wakes at the next moment a greeting may be due (the day's slot, the
// chain's next greeting, a retry), or after tickInterval at the latest:
// timers stop while the machine sleeps, so the wall clock is looked at
// again regularly.
void KickstartController::startTicking()
{
    if (!m_dependencies.autostart || !m_enabled)
        return;
    const QDateTime now = m_dependencies.now();
    qint64 delay = m_dependencies.tickInterval.count();
    for (const std::optional<QDateTime> &due : {nextRunDate(), m_chainNextAt, m_retryAfter}) {
        if (due && *due > now)
            delay = std::min(delay, now.msecsTo(*due));
    }
    m_ticker.start(std::chrono::milliseconds(delay));
}

void KickstartController::stopTicking()
{
    m_ticker.stop();
}

void KickstartController::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    store(AppSettingsKeys::kickstartEnabled, enabled);
    if (enabled) {
        // Turned on after today's time: the first greeting is tomorrow's.
        markSlotHandledIfPassed(m_dependencies.now());
        startTicking();
    } else {
        stopTicking();
        clearChain();
    }
    emit settingsChanged();
}

void KickstartController::setTime(KickstartTime time)
{
    time = KickstartTime::clamped(time.hour, time.minute);
    if (time == m_time)
        return;
    m_time = time;
    store(AppSettingsKeys::kickstartHour, time.hour);
    store(AppSettingsKeys::kickstartMinute, time.minute);
    // A time already passed today whose greeting was not sent yet is due:
    // the window starts now (or the greeting is skipped, should it run).
    startTicking();
    emit settingsChanged();
}

void KickstartController::setChainEnabled(bool enabled)
{
    if (enabled == m_chainEnabled)
        return;
    m_chainEnabled = enabled;
    store(AppSettingsKeys::kickstartChainEnabled, enabled);
    if (enabled && m_dependencies.autostart)
        rearmChain();
    else if (!enabled)
        clearChain();
    emit settingsChanged();
}

void KickstartController::setChainEndTime(KickstartTime time)
{
    time = KickstartTime::clamped(time.hour, time.minute);
    if (time == m_chainEndTime)
        return;
    m_chainEndTime = time;
    store(AppSettingsKeys::kickstartChainEndHour, time.hour);
    store(AppSettingsKeys::kickstartChainEndMinute, time.minute);
    emit settingsChanged();
}

std::optional<QDateTime> KickstartController::nextRunDate() const
{
    if (!m_enabled)
        return std::nullopt;
    return KickstartPolicy::nextRun(m_time, m_dependencies.now(), m_handledSlot, m_dependencies.zone);
}

QString KickstartController::statusText() const
{
    if (m_isRunning)
        return UIStrings::text("settings.general.kickstart.running", "Starting the window…");
    if (!m_lastResult || !m_lastRunAt)
        return {};
    const QString at = QLocale().toString(m_lastRunAt->toTimeZone(m_dependencies.zone).time(), QLocale::ShortFormat);
    switch (*m_lastResult) {
    case KickstartResult::started:
        return UIStrings::format("settings.general.kickstart.started", "Window started at %1", {at});
    case KickstartResult::skippedWindowActive:
        return UIStrings::format("settings.general.kickstart.skipped",
                                 "At %1 the window was already running — nothing sent", {at});
    case KickstartResult::cliMissing:
        return UIStrings::text("settings.general.kickstart.cliMissing", "Claude Code wasn't found; will retry");
    case KickstartResult::failed:
        if (!m_lastReason.isEmpty()) {
            return UIStrings::format("settings.general.kickstart.failedBecause", "Attempt at %1 failed: %2; will retry",
                                     {at, m_lastReason});
        }
        return UIStrings::format("settings.general.kickstart.failed", "Attempt at %1 failed; will retry", {at});
    case KickstartResult::alreadyRunning:
        return {};
    }
    return {};
}

QCoro::Task<> KickstartController::tick()
{
    // A greeting under way answers every tick, wake and request: nothing
    // more is started, and nothing is counted.
    if (m_isRunning)
        co_return;
    const QDateTime now = m_dependencies.now();
    const QTimeZone &zone = m_dependencies.zone;
    if (m_enabled && KickstartPolicy::shouldRun(m_time, now, m_handledSlot, zone) &&
        !(m_retryAfter && *m_retryAfter > now)) {
        co_await fire(true);
        co_return;
    }
    if (m_enabled && m_chainEnabled && m_chainNextAt && *m_chainNextAt <= now &&
        KickstartChainPolicy::isWithinSpan(now, m_time, m_chainEndTime, zone) && !(m_retryAfter && *m_retryAfter > now)) {
        co_await fire(false);
        co_return;
    }
    startTicking();
}

QCoro::Task<KickstartOutcome> KickstartController::runNow()
{
    if (m_isRunning)
        co_return KickstartOutcome{KickstartResult::alreadyRunning};
    co_return co_await fire(false);
}

QCoro::Task<KickstartOutcome> KickstartController::fire(bool consumeSlot)
{
    m_isRunning = true;
    emit stateChanged();
    const QPointer<KickstartController> self(this);

    QElapsedTimer refreshing;
    refreshing.start();
    if (m_dependencies.refreshUsage)
        co_await m_dependencies.refreshUsage();
    if (!self)
        co_return KickstartOutcome{};
    const double refreshSeconds = double(refreshing.elapsed()) / 1000.0;
    const Usage usage = m_dependencies.usageProvider ? m_dependencies.usageProvider() : Usage{};

    QElapsedTimer greeting;
    greeting.start();
    // Started in a statement of its own: GCC 12 destroys the temporaries of
    // a co_await full-expression twice.
    auto attempt = QtConcurrent::run([starter = m_dependencies.starter, now = m_dependencies.now(), usage] {
        return starter->run(now, usage.snapshot, usage.fetchedAt);
    });
    const KickstartOutcome outcome = co_await attempt;
    if (!self)
        co_return outcome;
    const KickstartResult result = outcome.result;
    qCInfo(lcKickstartController, "morning kickstart: refresh %.1fs, greeting %.1fs → %s", refreshSeconds,
           double(greeting.elapsed()) / 1000.0, kickstartResultName(result));

    const QDateTime now = m_dependencies.now();
    m_isRunning = false;
    if (result != KickstartResult::alreadyRunning) {
        m_lastResult = result;
        m_lastReason = outcome.reason;
        m_lastRunAt = now;
        store(AppSettingsKeys::kickstartLastRunAt, now);
        store(AppSettingsKeys::kickstartLastResult, QString::fromLatin1(kickstartResultName(result)));
        store(AppSettingsKeys::kickstartLastReason, outcome.reason.isEmpty() ? QVariant() : QVariant(outcome.reason));
    }

    switch (result) {
    case KickstartResult::started:
    case KickstartResult::skippedWindowActive:
        m_retryAfter.reset();
        m_attemptsToday = 0;
        if (consumeSlot) {
            m_handledSlot = KickstartPolicy::scheduledDate(m_time, now, m_dependencies.zone);
            store(AppSettingsKeys::kickstartHandledSlot, m_handledSlot ? QVariant(*m_handledSlot) : QVariant());
        }
        emit stateChanged();
        if (m_chainEnabled) {
            const QDateTime next = KickstartChainPolicy::nextChainRun(now, usage.snapshot, usage.fetchedAt);
            armChain(next);
        }
        break;
    case KickstartResult::alreadyRunning:
        // Another Pacewise is greeting right now: neither a success nor a
        // failure of ours, so no retry and no chain are armed.
        emit stateChanged();
        break;
    case KickstartResult::cliMissing:
    case KickstartResult::failed:
        registerFailure(now);
        m_retryAfter = now.addSecs(m_attemptsToday < failuresBeforeHourlyRetries ? shortRetrySeconds : longRetrySeconds);
        // No window started: a chain greeting is tried again with the retry
        // (a morning one retries by its own slot), not five hours on.
        if (!consumeSlot)
            armChain(*m_retryAfter);
        if (m_attemptsToday >= failuresBeforeHourlyRetries)
            qCWarning(lcKickstartController, "morning kickstart still failing after %d tries; slowing to hourly retries",
                      m_attemptsToday);
        emit stateChanged();
        break;
    }
    startTicking();
    co_return outcome;
}

QCoro::Task<> KickstartController::rearmChain()
{
    const QPointer<KickstartController> self(this);
    if (m_dependencies.refreshUsage)
        co_await m_dependencies.refreshUsage();
    if (!self)
        co_return;
    const Usage usage = m_dependencies.usageProvider ? m_dependencies.usageProvider() : Usage{};
    armChain(KickstartChainPolicy::nextChainRun(m_dependencies.now(), usage.snapshot, usage.fetchedAt));
}

void KickstartController::armChain(const QDateTime &at)
{
    if (!m_enabled || !m_chainEnabled)
        return;
    m_chainNextAt = at;
    store(AppSettingsKeys::kickstartChainNextAt, at);
    startTicking();
    emit stateChanged();
}

void KickstartController::clearChain()
{
    m_chainNextAt.reset();
    store(AppSettingsKeys::kickstartChainNextAt, QVariant());
}

void KickstartController::registerFailure(const QDateTime &now)
{
    const QDate today = now.toTimeZone(m_dependencies.zone).date();
    if (m_attemptDay && *m_attemptDay != today)
        m_attemptsToday = 0;
    m_attemptDay = today;
    ++m_attemptsToday;
}

void KickstartController::markSlotHandledIfPassed(const QDateTime &now)
{
    const auto slot = KickstartPolicy::scheduledDate(m_time, now, m_dependencies.zone);
    if (slot && *slot <= now) {
        m_handledSlot = slot;
        store(AppSettingsKeys::kickstartHandledSlot, *slot);
    }
}

} // namespace pacewise
