#!/bin/sh
# What Pacewise costs a status bar and an idle machine:
# - `pacewisectl status --source state` wall time, median and fastest of 100
#   runs (target 20 ms);
# - `pacewisectl daemon` and the tray app `pacewise` (panel closed, on Xvfb
#   with a mocked tray) idle with a usage source that never changes (the fake
#   claude): resident memory (targets 15 and 60 MiB) and wake-ups per minute
#   (context switches of all threads, target 1), after a warm-up.
# The processes run in real time, BENCH_IDLE_SECONDS (default 120) each.
# Prints figures; asserts nothing.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${PACEWISE_BIN:-$root/build/release/bin}
seconds=${BENCH_IDLE_SECONDS:-120}

# Context switches of every thread of process $1.
switches() {
    total=0
    for status in /proc/"$1"/task/*/status; do
        count=$(awk '/ctxt_switches/ { sum += $2 } END { print sum + 0 }' "$status" 2>/dev/null || echo 0)
        total=$((total + count))
    done
    echo "$total"
}

# Measures process $1 (named $2, memory target $3 MiB) after a warm-up.
measure_idle() {
    sleep 40 # start-up, the first poll, and the pool threads' idle expiry
    before=$(switches "$1")
    peak=0
    elapsed=0
    while [ "$elapsed" -lt "$seconds" ]; do
        sleep 5
        elapsed=$((elapsed + 5))
        rss=$(awk '/^VmRSS/ { print $2 }' /proc/"$1"/status)
        [ "$rss" -gt "$peak" ] && peak=$rss
    done
    after=$(switches "$1")
    echo "$2 idle for ${seconds} s: resident $((peak / 1024)).$((peak % 1024 * 10 / 1024)) MiB at most (target $3 MiB)," \
        "$(((after - before) * 600 / seconds / 10)).$(((after - before) * 600 / seconds % 10)) wake-ups a minute (target 1)"
}

# Run again by the outer run below, inside its X server and session bus.
if [ "${1:-}" = --tray ]; then
    watcher=org.kde.StatusNotifierWatcher
    /usr/bin/python3 -m dbusmock --session $watcher /StatusNotifierWatcher $watcher >/dev/null 2>&1 &
    mock=$!
    sleep 2
    gdbus call --session -d $watcher -o /StatusNotifierWatcher -m org.freedesktop.DBus.Mock.AddMethod \
        $watcher RegisterStatusNotifierItem s '' '' >/dev/null
    gdbus call --session -d $watcher -o /StatusNotifierWatcher -m org.freedesktop.DBus.Mock.AddProperties \
        $watcher "{'IsStatusNotifierHostRegistered': <true>}" >/dev/null
    "$bin/pacewise" 2>"$BENCH_SCRATCH/tray.log" &
    tray=$!
    measure_idle "$tray" "pacewise (tray)" 60
    kill "$tray" "$mock"
    exit 0
fi

scratch=$(mktemp -d)
daemon=""
cleanup() {
    [ -n "$daemon" ] && kill "$daemon" 2>/dev/null && wait "$daemon" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

export HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/run" TZ=UTC LC_ALL=C BENCH_SCRATCH="$scratch"
export PATH="$root/tests/fakes:/usr/bin:/bin"
export FAKE_CLAUDE_SCENARIO="$scratch/scenario" FAKE_CLAUDE_LOG=/dev/null
mkdir -p "$HOME/.claude" "$XDG_RUNTIME_DIR" "$FAKE_CLAUDE_SCENARIO"
chmod 700 "$XDG_RUNTIME_DIR"
now=$(date +%s)
cat >"$HOME/.claude/rate-limit-state.json" <<JSON
{"limits":[{"kind":"five_hour","used_percentage":12,"resets_at":$((now + 7200)),"confirmed_at":$now},
{"kind":"weekly_all","used_percentage":7,"resets_at":$((now + 259200)),"confirmed_at":$now}]}
JSON
reset=$(date -u -d "@$((now + 7200))" '+%b %-d, %Y, %-I:%M%P')
printf '{"type":"result","is_error":false,"result":"Current session: 12%% used · resets %s (UTC)\\nCurrent week (all models): 7%% used · resets %s (UTC)"}' \
    "$reset" "$reset" >"$FAKE_CLAUDE_SCENARIO/usage-limits.stdout"

runs=100
i=0
: >"$scratch/times"
while [ "$i" -lt "$runs" ]; do
    start=$(date +%s%N)
    "$bin/pacewisectl" status --source state >/dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000)) >>"$scratch/times"
    i=$((i + 1))
done
sort -n "$scratch/times" >"$scratch/sorted"
median=$(sed -n "$((runs / 2))p" "$scratch/sorted")
echo "pacewisectl status --source state: median $((median / 1000)).$((median % 1000 / 100)) ms," \
    "fastest $(($(head -n 1 "$scratch/sorted") / 1000)) ms (target 20 ms)"

(
    export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent DBUS_SYSTEM_BUS_ADDRESS=unix:path=/nonexistent
    "$bin/pacewisectl" daemon 2>"$scratch/daemon.log" &
    daemon=$!
    measure_idle "$daemon" "pacewisectl daemon" 15
    kill "$daemon"
)

if command -v Xvfb >/dev/null && command -v dbus-run-session >/dev/null; then
    rm -f "$XDG_RUNTIME_DIR/pacewise.lock"
    xvfb-run -a dbus-run-session -- "$0" --tray 2>/dev/null
else
    echo "pacewise (tray): not measured; it needs Xvfb and dbus-run-session"
fi
