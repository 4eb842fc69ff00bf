# shellcheck shell=bash disable=SC2034 # `as` is for the checks that source this
# Sourced by the desktop checks, after they set `check` to their name and
# `logs` to the logs a failure shows: the scratch folder of a run, what to
# do when a tool is missing, running as a user, waiting, failing, and
# stopping everything the run started.
: "${check:?}" "${logs:?}"

# Missing tools skip the check (77), except in CI, where they fail it.
skip() {
    if [ "${CI:-}" = true ]; then
        echo "$check: $1, and CI must run this check" >&2
        exit 1
    fi
    echo "$check: skipped: $1"
    exit 77
}

work=$(mktemp -d)
pids=()
# Everything this run started, and what its buses started for it, carries
# its runtime folder in its environment. The search runs in a shell without
# it, or it would find its own grep and cut.
ours() {
    # shellcheck disable=SC2016 # expanded by that shell
    env -u XDG_RUNTIME_DIR sh -c 'grep -lsz "^XDG_RUNTIME_DIR=$1\$" /proc/[0-9]*/environ | cut -d/ -f3' sh "$work/run"
}
# Whether a process runs (a zombie waiting for this shell does not).
running() {
    local state
    state=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f1)
    [ -n "$state" ] && [ "$state" != Z ]
}
# Stops one of ours, waiting up to five seconds before it is killed: an
# app built with the address sanitizer takes a moment to check for leaks.
stop() {
    kill "$1" 2>/dev/null || return 0
    for _ in $(seq 50); do
        running "$1" || break
        sleep 0.1
    done
    kill -KILL "$1" 2>/dev/null
    wait "$1" 2>/dev/null
}
cleanup() {
    status=$?
    # Last started, first stopped: the app goes while its display server
    # and buses are still there to say goodbye to.
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do stop "${pids[i]}"; done
    for pid in $(ours); do kill "$pid" 2>/dev/null; done
    for _ in $(seq 50); do
        [ -z "$(ours)" ] && break
        sleep 0.1
    done
    for pid in $(ours); do kill -KILL "$pid" 2>/dev/null; done
    wait 2>/dev/null
    for _ in $(seq 20); do
        [ -z "$(ours)" ] && break
        sleep 0.1
    done
    left=$(ours)
    if [ -n "$left" ]; then
        echo "$check: processes left behind: $(echo "$left" | tr '\n' ' ')" >&2
        status=1
    fi
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT

# A root CI runs everything as nobody, so that the apps are seen as a user
# runs them (sway will not even start as root).
as=()
if [ "$(id -u)" -eq 0 ]; then
    as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi

# Waits up to twenty seconds for a command to succeed: an app built with
# the address sanitizer is slow to start on a busy machine.
eventually() {
    for _ in $(seq 200); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    "$@"
}

# Says why the check failed, with the end of each log the run wrote.
fail() {
    echo "$check: $1" >&2
    for log in $logs; do
        [ -s "$work/$log.log" ] || continue
        echo "--- $log.log" >&2
        tail -20 "$work/$log.log" >&2
    done
    exit 1
}
