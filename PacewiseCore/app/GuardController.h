#pragma once

#include "guard/GuardOperations.h"

#include <QObject>
#include <QString>

#include <qcoro/qcorotask.h>

#include <functional>

namespace pacewise {

// Owns the Endrun guard for the application: installs the engine scripts,
// registers them in Claude Code's settings, and publishes the state for the
// views. Lives on the main thread; the file work runs on the thread pool.
// Operations asked for while one is running are dropped, not queued.
class GuardController : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool enabled READ enabled NOTIFY enabledChanged)
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
    Q_PROPERTY(QString lastError READ lastError NOTIFY lastErrorChanged)
    Q_PROPERTY(bool needsForce READ needsForce NOTIFY needsForceChanged)
    Q_PROPERTY(double threshold READ threshold NOTIFY thresholdChanged)
    Q_PROPERTY(bool jqInstalled READ jqInstalled NOTIFY jqInstalledChanged)
    Q_PROPERTY(bool recordsBeforeUserStatusLine READ recordsBeforeUserStatusLine NOTIFY recordsBeforeUserStatusLineChanged)

public:
    // Starts a refresh at once, so the first published state is the disk's.
    explicit GuardController(GuardOperations operations, QObject *parent = nullptr);

    bool enabled() const { return m_enabled; }
    HookInstaller::Status engineStatus() const { return m_engineStatus; }
    bool busy() const { return m_busy; }
    QString lastError() const { return m_lastError; }
    // The installed scripts were edited; only overwriteChanges() proceeds.
    bool needsForce() const { return m_needsForce; }
    double threshold() const { return m_threshold; }
    bool jqInstalled() const { return m_jqInstalled; }
    bool recordsBeforeUserStatusLine() const { return m_operations.recordBeforeUserStatusLine; }

    // Reads the state; an enabled guard is brought up to date (scripts an
    // older Pacewise installed, entries it wrote, the recorder choice).
    Q_INVOKABLE void refresh();
    // The choice only; refresh() applies it.
    void setRecordsBeforeUserStatusLine(bool on);
    Q_INVOKABLE void setEnabled(bool on);
    // Reinstalls the scripts even if they were edited, then enables.
    Q_INVOKABLE void overwriteChanges();
    Q_INVOKABLE void setThreshold(double percent);

signals:
    void enabledChanged();
    void engineStatusChanged();
    void busyChanged();
    void lastErrorChanged();
    void needsForceChanged();
    void thresholdChanged();
    void jqInstalledChanged();
    void recordsBeforeUserStatusLineChanged();

private:
    QCoro::Task<> execute(std::function<GuardOperations::Result()> body);

    GuardOperations m_operations;
    bool m_enabled = false;
    HookInstaller::Status m_engineStatus = HookInstaller::Status::notInstalled;
    bool m_busy = false;
    QString m_lastError;
    bool m_needsForce = false;
    double m_threshold = UsageThresholds::critical;
    bool m_jqInstalled = true;
    bool m_refreshAgain = false;
};

} // namespace pacewise
