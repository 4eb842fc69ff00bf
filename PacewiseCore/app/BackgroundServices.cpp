#include "BackgroundServices.h"

#include "AppComposition.h"
#include "AppConfiguration.h"
#include "system/ErrorText.h"
#include "system/ProcessIdentity.h"
#include "system/RegularFile.h"
#include "system/Logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <poll.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace pacewise {

Q_LOGGING_CATEGORY(lcServices, "pacewise.services", QtInfoMsg)

std::optional<qint64> BackgroundServices::runningProcess(const QString &lockPath)
{
    const auto owner = FileLock::recordedOwner(lockPath);
    if (!owner || !ProcessIdentity::of(*owner))
        return std::nullopt;
    const auto name = readRegularFileBytes(QStringLiteral("/proc/%1/comm").arg(*owner), 64);
    return name && name->trimmed().startsWith("pacewise") ? owner : std::nullopt;
}

BackgroundServices::BackgroundServices(Dependencies dependencies, QObject *parent)
    : QObject(parent)
    , m_dependencies(std::move(dependencies))
{
    m_standby.setInterval(m_dependencies.standbyRetry);
    connect(&m_standby, &QTimer::timeout, this, &BackgroundServices::tryAgain);
}

BackgroundServices::~BackgroundServices()
{
    m_control.reset(); // no call can be running now, and no event loop is left to delete it later
    stopServices();
}

void BackgroundServices::stopServices()
{
    // A usage fetch or a kickstart under way ends now rather than holding
    // up the quit; resumes are let go on, unwatched.
    if (m_quitting)
        m_quitting->cancel();
    m_quitting.reset();
    if (m_appState)
        m_appState->stopPolling();
    m_settingsWatcher.reset();
    // It may be answering the very call that stops us: the name goes now,
    // the object once the call is answered.
    if (m_control) {
        m_control->unregister();
        m_control.release()->deleteLater();
    }
    m_notifications.reset();
    handOverKeepAwake();
    m_caffeine.reset();
    m_kickstart.reset();
    m_resumes.reset();
    m_guard.reset();
    m_appState.reset();
    m_lock.reset();
    m_running = false;
}

void BackgroundServices::reloadSettings()
{
    if (!m_running)
        return;
    m_appState->reloadSettings();
    m_resumes->reloadSettings();
    m_kickstart->reloadSettings();
    if (m_dependencies.appSettings) // read anew by the state just above
        m_guard->setRecordsBeforeUserStatusLine(recordsBeforeUserStatusLine(*m_dependencies.appSettings));
    m_guard->refresh();
}

void BackgroundServices::standBy()
{
    if (!m_running)
        return;
    stopServices();
    emit standingBy(std::nullopt);
    waitForTheLock();
}

void BackgroundServices::start()
{
    if (isRunning() || m_standby.isActive())
        return;
    if (tryToRun())
        return;
    emit standingBy(FileLock::recordedOwner(m_dependencies.lockPath));
    waitForTheLock();
}

// Tries again every standbyRetry, and at once when the process that holds
// the lock ends: a daemon standing by for the tray app takes over the
// moment the tray app quits, not up to half a minute later. The holder's
// recorded id is only a hint (it may be stale, or from another pid
// namespace), so the timer stays as the fallback.
void BackgroundServices::waitForTheLock()
{
    watchLockHolder();
    m_standby.start();
}

void BackgroundServices::tryAgain()
{
    if (tryToRun()) {
        m_standby.stop();
        m_holderExit.reset();
        m_holder.reset();
    } else {
        watchLockHolder();
    }
}

void BackgroundServices::watchLockHolder()
{
    m_holderExit.reset();
    m_holder.reset();
    const std::optional<qint64> holder = FileLock::recordedOwner(m_dependencies.lockPath);
    if (!holder || *holder <= 0 || *holder == QCoreApplication::applicationPid())
        return;
    FileDescriptor process(static_cast<int>(::syscall(SYS_pidfd_open, static_cast<pid_t>(*holder), 0)));
    // One that has already ended (a zombie whose child kept the lock open)
    // would wake us at once, forever: the timer looks after that one.
    pollfd ended{.fd = process.get(), .events = POLLIN, .revents = 0};
    if (!process.isValid() || ::poll(&ended, 1, 0) != 0)
        return;
    m_holderExit = std::make_unique<QSocketNotifier>(process.get(), QSocketNotifier::Read);
    m_holder = std::move(process);
    connect(m_holderExit.get(), &QSocketNotifier::activated, this, [this] {
        m_holderExit->setEnabled(false);
        qCDebug(lcServices, "the Pacewise holding the lock has ended; trying to run");
        // Not from inside the notifier's own signal: tryAgain replaces it.
        QMetaObject::invokeMethod(this, &BackgroundServices::tryAgain, Qt::QueuedConnection);
    });
}

// Keep-awake goes on with the Pacewise that runs next: the daemon hands over
// to a tray app that opens, and takes over again when it quits, and an
// overnight job must not lose its keep-awake to either. Handed over through
// a mark beside the lock, taken only within a minute (one standing by looks
// every 30 s), so a later start still begins with it off.
QString BackgroundServices::keepAwakeMark() const
{
    return QFileInfo(m_dependencies.lockPath).dir().filePath(QStringLiteral("pacewise-keep-awake"));
}

void BackgroundServices::handOverKeepAwake()
{
    if (m_caffeine && m_caffeine->isActive()) {
        QFile mark(keepAwakeMark());
        if (!mark.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qCWarning(lcServices, "cannot hand keep-awake over (%s)", qUtf8Printable(mark.errorString()));
    } else {
        QFile::remove(keepAwakeMark());
    }
}

void BackgroundServices::takeOverKeepAwake()
{
    const QFileInfo mark(keepAwakeMark());
    const QDateTime handedOver = mark.lastModified();
    if (!mark.isFile() || !handedOver.isValid())
        return;
    const qint64 age = handedOver.secsTo(QDateTime::currentDateTimeUtc());
    if (age >= -5 && age <= keepAwakeHandOverSeconds) {
        qCInfo(lcServices, "keep-awake handed over by the Pacewise that ran before");
        m_caffeine->start();
    }
    QFile::remove(mark.filePath());
}

bool BackgroundServices::tryToRun()
{
    auto lock = FileLock::tryLock(m_dependencies.lockPath);
    if (!lock && lock.error() == EWOULDBLOCK)
        return false;
    if (lock) {
        lock->recordOwner();
        m_lock = std::move(*lock);
    } else {
        // Without a lock file (a read-only cache folder, say) running is
        // still better than never polling; the lock only keeps a second
        // instance out.
        qCWarning(lcServices, "cannot lock %s (%s); running without the single-instance check",
                  qUtf8Printable(privateText(m_dependencies.lockPath)), qUtf8Printable(systemErrorText(lock.error())));
    }
    m_running = true;

    QSettings *appSettings = m_dependencies.appSettings;
    m_quitting = std::make_shared<Cancellation>();
    m_appState = std::make_unique<AppState>(
        AppComposition::appState(m_dependencies.environment, m_dependencies.claudePaths, appSettings, m_quitting));
    AppState *state = m_appState.get();
    m_resumes = std::make_unique<ResumeController>(
        AppComposition::resumeController(m_dependencies.environment, m_dependencies.claudePaths), state);
    ResumeController *resumes = m_resumes.get();
    resumes->reload();
    m_kickstart = std::make_unique<KickstartController>(KickstartController::Dependencies{
        .appSettings = appSettings,
        .starter = std::make_shared<Kickstart>(AppComposition::kickstart(m_dependencies.environment, m_quitting)),
        .usageProvider = [state] { return KickstartController::Usage{state->snapshot(), state->lastSuccessAt()}; },
        .refreshUsage = [state]() -> QCoro::Task<> { co_await state->refresh(false); },
        .wakeSource = m_dependencies.wakeSource,
    });
    m_notifications = std::make_unique<NotificationController>(NotificationController::Dependencies{
        .notifications = m_dependencies.notifications,
        .appSettings = appSettings,
        .state = state,
        .resumes = resumes,
        .kickstart = m_kickstart.get(),
    });
    m_caffeine = std::make_unique<CaffeineController>(m_dependencies.sleepInhibitors);
    takeOverKeepAwake();
    ControlService::Actions actions{.showPanel = m_dependencies.showPanel, .standBy = nullptr};
    if (m_dependencies.yieldsToTrayApp)
        actions.standBy = [this] { standBy(); };
    m_control = std::make_unique<ControlService>(m_caffeine.get(), actions);
    if (const auto registered = m_control->registerOn(m_dependencies.sessionBus); !registered) {
        qCWarning(lcServices, "not reachable over the session bus (%s): pacewisectl caffeine cannot switch keep-awake here",
                  qUtf8Printable(registered.error()));
    }

    // An upgrade of Pacewise brings new engine scripts: an enabled guard
    // gets them (unless the user edited them) as soon as we run.
    const QSettings fallback;
    m_guard = std::make_unique<GuardController>(AppComposition::guardOperations(
        m_dependencies.environment, m_dependencies.claudePaths, appSettings ? *appSettings : fallback));

    QStringList watched{m_dependencies.claudePaths.settingsFile()};
    if (appSettings)
        watched << appSettings->fileName();
    m_settingsWatcher = std::make_unique<FileChangeWatcher>(watched);
    connect(m_settingsWatcher.get(), &FileChangeWatcher::changed, this, [this] {
        qCDebug(lcServices, "settings files changed; reloading");
        reloadSettings();
    });

    // Auto-continue says its state itself, once its setting is read.
    qCInfo(lcServices, "running; morning kickstart %s", m_kickstart->enabled() ? "on" : "off");
    if (m_dependencies.wakeSource)
        connect(m_dependencies.wakeSource, &SleepWakeSource::woke, state, &AppState::pollIfDue);
    state->startPolling();
    emit running();
    return true;
}

} // namespace pacewise
