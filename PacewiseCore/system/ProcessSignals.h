#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <memory>

namespace pacewise {

// The signals a long-running Pacewise process takes as a daemon should, as
// Qt signals on the main thread: SIGTERM and SIGINT end the event loop so
// that everything is torn down in order; SIGHUP (a closed SSH session, or
// `kill -HUP` to reload) reads the settings again; SIGPIPE, SIGUSR1 and
// SIGUSR2 are ignored, where by default each would kill the process on the
// spot. Children start with every signal at its default (ScriptRunner).
// One per process: the handler writes to a socket pair.
class ProcessSignals : public QObject {
    Q_OBJECT
public:
    explicit ProcessSignals(QObject *parent = nullptr);
    ~ProcessSignals() override;

    // False when the socket pair could not be made; nothing is caught then.
    bool isWatching() const { return m_notifier != nullptr; }

signals:
    void terminationRequested();
    void hangUp();

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace pacewise
