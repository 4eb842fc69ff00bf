#pragma once

#include "system/ProcessIdentity.h"
#include "system/ScriptRunning.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace pacewise {

// A resume's claude run that goes on when the Pacewise that started it
// quits or is restarted, and whose end is known to whoever comes next.
// claude runs under a small shell that sends its output to files beside
// the session's ticket and, once claude has ended, writes its exit status
// and the time there; the shell stops claude at the time limit itself
// (coreutils' timeout), and runs in a session of its own, so neither a
// terminal's hang-up nor a signal to Pacewise's process group reaches it.
class ResumeRun {
public:
    // How claude ended, as the shell recorded it.
    struct Result {
        int exitCode = 0;
        QString standardOutput;
        QString standardError;
        QDateTime endedAt;
        bool timedOut = false; // stopped at the time limit

        bool operator==(const Result &) const = default;
    };

    // The run's files are filePrefix + ".out", ".err" and ".exit".
    explicit ResumeRun(QString filePrefix);

    // claude's invocation as run under the shell: the shell's time limit is
    // claude's, and the runner's only a backstop a little beyond it.
    ScriptInvocation wrapping(const ScriptInvocation &claude) const;
    // Removes what an earlier run left.
    void clear() const;
    // Nothing until claude has ended, nor when the shell itself was killed
    // before it could write the result.
    std::optional<Result> result() const;

    // Whether the run whose shell is this process still goes on: the shell,
    // or anything left in its session (claude, and what claude started).
    static bool isGoingOn(const ProcessIdentity &shell);

private:
    QString m_filePrefix;
};

} // namespace pacewise
