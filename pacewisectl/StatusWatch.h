#pragma once

#include "CommandContext.h"
#include "StatusReport.h"
#include "system/FileChangeWatcher.h"
#include "system/ProcessSignals.h"

#include <QObject>
#include <QSocketNotifier>
#include <QTextStream>
#include <QTimer>

#include <termios.h>

#include <memory>

namespace pacewise::cli {

// `status --watch`: the figures, the paused sessions and the time left
// until each reset, drawn anew whenever the engine state file, the ticket
// folder or the guard's holds change, and each second for the countdowns,
// until q, Ctrl-C or SIGTERM. The figures are those Claude Code's status
// line and every other Pacewise record; claude is asked only while they are
// older than they are good for and no other Pacewise polls. On a terminal
// it takes the alternate screen, as top does; into a pipe it prints each
// new state once.
class StatusWatch : public QObject {
    Q_OBJECT
public:
    // askClaude false: the engine state file alone (--source state).
    StatusWatch(const CommandContext &context, bool askClaude, std::optional<double> timeoutSeconds, QTextStream &out);
    ~StatusWatch() override;

    // Runs until the user leaves; returns the exit status.
    int exec();

private:
    void read(bool mayAskClaude);
    void readSessions();
    void tick();
    void draw();
    void keysArrived();
    bool anotherPacewisePolls() const;

    CommandContext m_context;
    bool m_askClaude;
    std::optional<double> m_timeoutSeconds;
    QTextStream &m_out;
    bool m_terminal;
    std::optional<termios> m_savedKeyboard;

    std::optional<StatusReport> m_report; // as read; redrawn at each second's now
    std::optional<UsageSnapshot> m_recorded;
    QStringList m_sessions;
    QString m_lastPrinted;
    bool m_reading = false;
    QDateTime m_claudeAskedAt;

    FileChangeWatcher m_files;
    QTimer m_clock;
    std::unique_ptr<QSocketNotifier> m_keys;
    ProcessSignals m_signals;
};

} // namespace pacewise::cli
