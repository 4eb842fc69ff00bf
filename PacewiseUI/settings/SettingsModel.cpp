#include "SettingsModel.h"

#include "PacewiseCoreInfo.h"
#include "app/AppConfiguration.h"
#include "app/AppSettingsKeys.h"
#include "app/AppState.h"
#include "app/GuardController.h"
#include "app/ResumeController.h"
#include "app/KickstartController.h"
#include "app/NotificationController.h"
#include "updates/UpdaterController.h"
#include "i18n/UIStrings.h"
#include "usage/UsageResetFormatter.h"

#include <QDesktopServices>
#include <QFutureWatcher>
#include <QtConcurrent>

#include <algorithm>
#include <cmath>

namespace pacewise {

SettingsModel::SettingsModel(Objects objects, QObject *parent)
    : QObject(parent)
    , m_objects(objects)
{
    connect(m_objects.kickstart, &KickstartController::settingsChanged, this, &SettingsModel::kickstartChanged);
    connect(m_objects.kickstart, &KickstartController::stateChanged, this, &SettingsModel::kickstartChanged);
}

int SettingsModel::kickstartHour() const { return m_objects.kickstart->time().hour; }
int SettingsModel::kickstartMinute() const { return m_objects.kickstart->time().minute; }
int SettingsModel::chainEndHour() const { return m_objects.kickstart->chainEndTime().hour; }
int SettingsModel::chainEndMinute() const { return m_objects.kickstart->chainEndTime().minute; }

QStringList SettingsModel::kickstartStatus() const
{
    const KickstartController *kickstart = m_objects.kickstart;
    QStringList lines;
    if (const QString status = kickstart->statusText(); !status.isEmpty())
        lines << status;
    if (const auto next = kickstart->nextRunDate(); next && !kickstart->isRunning()) {
        lines << UIStrings::format("settings.general.kickstart.next", "Next: %1",
                                   {UsageResetFormatter::string(*next, true, QLocale(), QTimeZone::systemTimeZone())});
    }
    return lines;
}

QString SettingsModel::version() const
{
    return QString::fromLatin1(PacewiseCoreInfo::version);
}

bool SettingsModel::automaticallyChecksForUpdates(const QSettings *appSettings)
{
    return !appSettings || appSettings->value(QLatin1String(AppSettingsKeys::automaticUpdateChecks), true).toBool();
}

bool SettingsModel::hasUpdateFeed() const
{
    return m_objects.updater->checkResult() != UpdaterController::CheckResult::notConfigured;
}

void SettingsModel::setAutomaticallyChecksForUpdates(bool on)
{
    if (!m_objects.appSettings || on == automaticallyChecksForUpdates())
        return;
    m_objects.appSettings->setValue(QLatin1String(AppSettingsKeys::automaticUpdateChecks), on);
    emit automaticChecksChanged();
}

void SettingsModel::setKickstartTime(int hour, int minute)
{
    m_objects.kickstart->setTime(KickstartTime::clamped(hour, minute));
}

void SettingsModel::setChainEndTime(int hour, int minute)
{
    m_objects.kickstart->setChainEndTime(KickstartTime::clamped(hour, minute));
}

void SettingsModel::runKickstartNow()
{
    m_objects.kickstart->runNow(); // runs on by itself; its result shows in the status lines
}

void SettingsModel::setAutoContinue(bool on)
{
    m_objects.resumes->setAutoContinueEnabled(on);
}

void SettingsModel::setRecordsBeforeUserStatusLine(bool on)
{
    if (m_objects.appSettings)
        m_objects.appSettings->setValue(QLatin1String(AppSettingsKeys::recordBeforeUserStatusLine), on);
    m_objects.guardController->setRecordsBeforeUserStatusLine(on);
    m_objects.guardController->refresh();
}

bool SettingsModel::notifies(int kind) const
{
    return NotificationController::isEnabled(m_objects.appSettings, NotificationController::Kind(kind));
}

void SettingsModel::setNotifies(int kind, bool on)
{
    if (!m_objects.appSettings)
        return;
    m_objects.appSettings->setValue(NotificationController::settingsKey(NotificationController::Kind(kind)), on);
    ++m_notificationsRevision;
    emit notificationsChanged();
}

int SettingsModel::limitNearFiveHourPercent() const
{
    return int(std::lround(NotificationController::limitNearPercent(m_objects.appSettings, UsageLimitKind::fiveHour)));
}

int SettingsModel::limitNearWeeklyPercent() const
{
    return int(std::lround(NotificationController::limitNearPercent(m_objects.appSettings, UsageLimitKind::weeklyAll)));
}

void SettingsModel::setLimitNearPercent(bool weekly, int percent)
{
    if (!m_objects.appSettings)
        return;
    m_objects.appSettings->setValue(NotificationController::limitNearKey(weekly ? UsageLimitKind::weeklyAll : UsageLimitKind::fiveHour),
                                 std::clamp(percent, 50, 100));
    ++m_notificationsRevision;
    emit notificationsChanged();
}

void SettingsModel::checkForUpdates()
{
    m_objects.updater->check();
}

void SettingsModel::showFoundUpdate()
{
    // Only ever the https page the feed named; nothing is downloaded.
    const QUrl page = m_objects.updater->releasePage();
    if (page.scheme() == u"https")
        QDesktopServices::openUrl(page);
}

void SettingsModel::checkSetUp()
{
    if (m_checkingSetUp || !m_objects.setUpInputs)
        return;
    m_checkingSetUp = true;
    emit setUpChecked();
    auto *watcher = new QFutureWatcher<QList<SetupFinding>>(this);
    connect(watcher, &QFutureWatcher<QList<SetupFinding>>::finished, this, [this, watcher] {
        watcher->deleteLater();
        const QList<SetupFinding> findings = watcher->result();
        m_setUpFindings.clear();
        for (const SetupFinding &finding : findings) {
            m_setUpFindings << QVariantMap{{QStringLiteral("ok"), finding.ok},
                                           {QStringLiteral("label"), finding.label},
                                           {QStringLiteral("finding"), finding.finding},
                                           {QStringLiteral("fix"), finding.fix}};
        }
        m_setUpSummary = SetupCheck::summary(findings);
        m_checkingSetUp = false;
        emit setUpChecked();
    });
    watcher->setFuture(QtConcurrent::run(&SetupCheck::run, m_objects.setUpInputs()));
}

} // namespace pacewise
