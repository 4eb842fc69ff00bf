#pragma once

#include "ScriptRunning.h"

#include <atomic>

namespace pacewise {

// The one way child processes are started. The child leads a new process
// group (or session), starts with every signal at its default and none
// blocked, reads /dev/null, and inherits no descriptor but its two pipes,
// which are read together so that neither can fill up. On time-out the
// group gets SIGTERM, then SIGKILL; so does what the child leaves behind
// holding its pipes when it exits. A process that still holds them after
// that (one that left the group) is given pipeDrainGraceSeconds and then
// abandoned.
class ScriptRunner final : public ScriptRunning {
public:
    struct Options {
        double pipeDrainGraceSeconds = 5.0;
        double terminationGraceSeconds = 2.0;
        qsizetype outputLimitBytes = 16 * 1024 * 1024;
        // Where children run unless told otherwise; see defaultScratchDirectory().
        QString scratchDirectory = {};
        // Ends the runs that bring no cancellation of their own: raised as
        // this process quits, so that quitting never waits for claude.
        std::shared_ptr<const Cancellation> cancellation = nullptr;
    };

    ScriptRunner();
    explicit ScriptRunner(Options options);

    std::expected<ScriptResult, ScriptRunnerError> run(const ScriptInvocation &invocation) const override;

    const Options &options() const { return m_options; }

    // A folder only this user can write: $XDG_RUNTIME_DIR/pacewise-cli-cwd,
    // else ~/.cache/pacewise/cli-cwd. `claude -p` trusts its working folder
    // (it runs the hooks and reads CLAUDE.md found there), so a folder another
    // local user could plant files in would run their code as ours.
    static QString defaultScratchDirectory();

private:
    Options m_options;
    mutable std::atomic<bool> m_scratchReady = false;
};

} // namespace pacewise
