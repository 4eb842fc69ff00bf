#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <memory>

namespace pacewise {

// SIGTERM and SIGINT as a Qt signal on the main thread, so that a stopped
// service or a Ctrl-C ends the event loop and everything is torn down in
// order. One per process: the handler writes to a socket pair.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

    // False when the socket pair could not be made; nothing is caught then.
    bool isWatching() const { return m_notifier != nullptr; }

signals:
    void received();

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace pacewise
