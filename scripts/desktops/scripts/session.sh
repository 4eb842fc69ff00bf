# shellcheck shell=bash
# Sourced by the recipes: checks before a run, waiting, and stopping all that
# a run started. The caller sets `out` (the run's folder) first.

# Both recipes start from the project's root, with a built app.
check_start() {
    export FAKE_CLAUDE=${FAKE_CLAUDE:-$PWD/tests/fakes/claude}
    pacewise=${PACEWISE:-$PWD/build/dev/bin/pacewise}
    if [ ! -x "$pacewise" ] || [ ! -x "$FAKE_CLAUDE" ]; then
        echo "no $pacewise or $FAKE_CLAUDE: run from the project's root after 'make build'," \
            "or set PACEWISE and FAKE_CLAUDE" >&2
        exit 2
    fi
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "$tool is not installed (see README.md)" >&2; exit 2; }
    done
}

# Waits up to SECONDS for a command to succeed; says which one did not.
eventually() {
    local seconds=$1
    shift
    for _ in $(seq $((seconds * 10))); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "gave up waiting after ${seconds}s for: $*" >&2
    return 1
}

# Everything a run starts, and whatever its session bus starts for it, has the
# run's private runtime folder in its environment; nothing else has. grep runs
# without that variable so that it does not find itself.
ours() {
    local files file
    files=$(env -u XDG_RUNTIME_DIR grep -lsxzF "XDG_RUNTIME_DIR=$out/run" /proc/[0-9]*/environ)
    for file in $files; do
        file=${file#/proc/}
        echo "${file%/environ}"
    done
}

# TERM to all of them, KILL after five seconds to what is still there (and
# say so), then the line a reader looks for: what, if anything, survived.
stop_run() {
    local pids
    pids=$(ours)
    # shellcheck disable=SC2086 # one PID a word
    [ -z "$pids" ] || kill $pids 2>/dev/null
    for _ in $(seq 50); do
        [ -z "$(ours)" ] && break
        sleep 0.1
    done
    pids=$(ours)
    if [ -n "$pids" ]; then
        echo "still there after TERM, now killed:" $pids
        # shellcheck disable=SC2086
        kill -KILL $pids 2>/dev/null
        sleep 1
    fi
    pids=$(ours)
    echo "left running: ${pids:-none}"
}
