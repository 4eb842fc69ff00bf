#pragma once

#include "app/SetupCheck.h"

#include <QObject>
#include <QSettings>
#include <QString>
#include <QVariantList>

#include <functional>

namespace pacewise {

class AppState;
class GuardController;
class KickstartController;
class ResumeController;
class UpdaterController;

// What the settings window reads and changes beyond the controllers' own
// properties: the morning times as hours and minutes, the status lines, and
// the asynchronous calls QML cannot make itself.
class SettingsModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(int kickstartHour READ kickstartHour NOTIFY kickstartChanged)
    Q_PROPERTY(int kickstartMinute READ kickstartMinute NOTIFY kickstartChanged)
    Q_PROPERTY(int chainEndHour READ chainEndHour NOTIFY kickstartChanged)
    Q_PROPERTY(int chainEndMinute READ chainEndMinute NOTIFY kickstartChanged)
    Q_PROPERTY(QStringList kickstartStatus READ kickstartStatus NOTIFY kickstartChanged)
    Q_PROPERTY(QString version READ version CONSTANT)
    Q_PROPERTY(bool hasUpdateFeed READ hasUpdateFeed CONSTANT)
    Q_PROPERTY(bool automaticallyChecksForUpdates READ automaticallyChecksForUpdates WRITE setAutomaticallyChecksForUpdates
                   NOTIFY automaticChecksChanged)
    // Bumped when a notification switch changes, so that bindings read them again.
    Q_PROPERTY(int notificationsRevision READ notificationsRevision NOTIFY notificationsChanged)
    Q_PROPERTY(int limitNearFiveHourPercent READ limitNearFiveHourPercent NOTIFY notificationsChanged)
    Q_PROPERTY(int limitNearWeeklyPercent READ limitNearWeeklyPercent NOTIFY notificationsChanged)
    // The last set-up check: {ok, label, finding, fix} a line, and its summary.
    Q_PROPERTY(bool checkingSetUp READ checkingSetUp NOTIFY setUpChecked)
    Q_PROPERTY(QVariantList setUpFindings READ setUpFindings NOTIFY setUpChecked)
    Q_PROPERTY(QString setUpSummary READ setUpSummary NOTIFY setUpChecked)

public:
    struct Objects {
        AppState *state;
        ResumeController *resumes;
        GuardController *guardController;
        KickstartController *kickstart;
        UpdaterController *updater;
        QSettings *appSettings = nullptr; // not owned
        // What the set-up check looks at, read when it starts.
        std::function<SetupCheck::Inputs()> setUpInputs = nullptr;
    };

    // On unless switched off; only with an update feed.
    static bool automaticallyChecksForUpdates(const QSettings *appSettings);

    explicit SettingsModel(Objects objects, QObject *parent = nullptr);

    int kickstartHour() const;
    int kickstartMinute() const;
    int chainEndHour() const;
    int chainEndMinute() const;
    // The result of the last greeting and the next one, as lines.
    QStringList kickstartStatus() const;
    QString version() const;
    bool hasUpdateFeed() const;
    bool automaticallyChecksForUpdates() const { return automaticallyChecksForUpdates(m_objects.appSettings); }
    void setAutomaticallyChecksForUpdates(bool on);

    Q_INVOKABLE void setKickstartTime(int hour, int minute);
    Q_INVOKABLE void setChainEndTime(int hour, int minute);
    Q_INVOKABLE void runKickstartNow();
    Q_INVOKABLE void setAutoContinue(bool on);
    // Remembered for the next start too.
    Q_INVOKABLE void setRecordsBeforeUserStatusLine(bool on);
    Q_INVOKABLE void checkForUpdates();
    // The notifications: kind is NotificationController::Kind's value.
    Q_INVOKABLE bool notifies(int kind) const;
    Q_INVOKABLE void setNotifies(int kind, bool on);
    int notificationsRevision() const { return m_notificationsRevision; }
    int limitNearFiveHourPercent() const;
    int limitNearWeeklyPercent() const;
    // weekly: every weekly window, else the 5-hour one.
    Q_INVOKABLE void setLimitNearPercent(bool weekly, int percent);
    // The release notes of the offered version, in the browser.
    Q_INVOKABLE void showFoundUpdate();
    // Runs the set-up check on the thread pool; a second call while one
    // runs is ignored.
    Q_INVOKABLE void checkSetUp();
    bool checkingSetUp() const { return m_checkingSetUp; }
    QVariantList setUpFindings() const { return m_setUpFindings; }
    QString setUpSummary() const { return m_setUpSummary; }

signals:
    void kickstartChanged();
    void automaticChecksChanged();
    void notificationsChanged();
    void setUpChecked();

private:
    Objects m_objects;
    int m_notificationsRevision = 0;
    bool m_checkingSetUp = false;
    QVariantList m_setUpFindings;
    QString m_setUpSummary;
};

} // namespace pacewise
