#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <expected>
#include <functional>
#include <memory>
#include <optional>

namespace pacewise {

struct ScriptResult {
    // The exit status after a normal exit; the signal number when the child
    // was ended by a signal the runner did not send; -1 when someone else
    // reaped it and its status is unknown.
    int exitCode = 0;
    // Decoded as UTF-8; invalid sequences become U+FFFD.
    QString standardOutput;
    QString standardError;
    // Set when a stream went past the capture limit and the rest was dropped.
    bool standardOutputTruncated = false;
    bool standardErrorTruncated = false;

    bool operator==(const ScriptResult &) const = default;
};

struct ScriptRunnerError {
    enum class Kind {
        launchFailed, // errorNumber says why
        timedOut,     // timeoutSeconds is the time-out that was given
        cancelled,    // the invocation's Cancellation ended it
        detached,     // the invocation's detachment let it go on unwatched
    };
    Kind kind;
    int errorNumber = 0;
    double timeoutSeconds = 0;

    bool operator==(const ScriptRunnerError &) const = default;
};

// A flag raised from another thread, or from a signal handler, that ends
// runs early; once raised, it stays so. As a run's cancellation it stops a
// child still running as on a time-out (its group gets SIGTERM, then
// SIGKILL) and the run fails as cancelled; as its detachment it lets the
// child go on unwatched.
class Cancellation {
public:
    Cancellation();
    ~Cancellation();
    Cancellation(const Cancellation &) = delete;
    Cancellation &operator=(const Cancellation &) = delete;

    // Async-signal-safe.
    void cancel() const;
    bool isCancelled() const;
    // Readable once cancelled; for poll().
    int descriptor() const { return m_descriptor; }

private:
    int m_descriptor;
};

struct ScriptInvocation {
    QString executable; // an absolute path; no PATH search happens here
    QStringList arguments;
    double timeoutSeconds = 30;
    // The child's complete environment; nothing means "inherit ours".
    std::optional<QProcessEnvironment> environment;
    // Nothing means the runner's private scratch directory.
    std::optional<QString> workingDirectory = std::nullopt;
    std::shared_ptr<const Cancellation> cancellation = nullptr;
    // Once signalled, the run stops waiting and the child goes on, neither
    // signalled nor reaped (this process quitting while the child's work
    // must go on).
    std::shared_ptr<const Cancellation> detachment = nullptr;
    // Started in a session of its own rather than a process group: no
    // terminal's hang-up, and no signal to our group, reaches it.
    bool ownSession = false;
    // Told the child's process id as soon as it runs, on the runner's thread.
    std::function<void(qint64 pid)> started = nullptr;
};

// Runs one child process to completion and collects its output. Blocking:
// call it from a pool thread, never from the main thread.
class ScriptRunning {
public:
    virtual ~ScriptRunning() = default;
    virtual std::expected<ScriptResult, ScriptRunnerError> run(const ScriptInvocation &invocation) const = 0;
};

} // namespace pacewise
