#!/bin/sh
# What pacewisectl costs a status bar and an idle machine:
# - `status --source state` wall time, median and fastest of 100 runs
#   (target 20 ms);
# - `pacewisectl daemon` idle with a usage source that never changes (the
#   fake claude): its resident memory (target 15 MiB) and wake-ups per minute
#   (context switches of all its threads, target 1), after a warm-up.
# The daemon runs in real time: BENCH_DAEMON_SECONDS (default 120) long.
# Prints figures; asserts nothing.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
pacewisectl=${PACEWISECTL:-$root/build/release/bin/pacewisectl}
seconds=${BENCH_DAEMON_SECONDS:-120}
scratch=$(mktemp -d)
daemon=""
cleanup() {
    [ -n "$daemon" ] && kill "$daemon" 2>/dev/null && wait "$daemon" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

export HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/run" TZ=UTC LC_ALL=C
export PATH="$root/tests/fakes:/usr/bin:/bin"
export FAKE_CLAUDE_SCENARIO="$scratch/scenario" FAKE_CLAUDE_LOG=/dev/null
export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent DBUS_SYSTEM_BUS_ADDRESS=unix:path=/nonexistent
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
    "$pacewisectl" status --source state >/dev/null
    end=$(date +%s%N)
    echo $(((end - start) / 1000)) >>"$scratch/times"
    i=$((i + 1))
done
sort -n "$scratch/times" >"$scratch/sorted"
echo "status --source state: median $(($(sed -n "$((runs / 2))p" "$scratch/sorted") / 1000)).$(($(sed -n "$((runs / 2))p" "$scratch/sorted") % 1000 / 100)) ms," \
    "fastest $(($(head -n 1 "$scratch/sorted") / 1000)) ms (target 20 ms)"

switches() {
    total=0
    for status in /proc/"$daemon"/task/*/status; do
        count=$(awk '/ctxt_switches/ { sum += $2 } END { print sum + 0 }' "$status" 2>/dev/null || echo 0)
        total=$((total + count))
    done
    echo "$total"
}

"$pacewisectl" daemon 2>"$scratch/daemon.log" &
daemon=$!
sleep 40 # start-up, the first poll, and the pool threads' idle expiry
before=$(switches)
peak=0
elapsed=0
while [ "$elapsed" -lt "$seconds" ]; do
    sleep 5
    elapsed=$((elapsed + 5))
    rss=$(awk '/^VmRSS/ { print $2 }' /proc/"$daemon"/status)
    [ "$rss" -gt "$peak" ] && peak=$rss
done
after=$(switches)
echo "daemon idle for ${seconds} s: resident $((peak / 1024)).$((peak % 1024 * 10 / 1024)) MiB at most (target 15 MiB)," \
    "$(((after - before) * 600 / seconds / 10)).$(((after - before) * 600 / seconds % 10)) wake-ups a minute (target 1)"
