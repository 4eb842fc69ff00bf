#!/bin/sh
# The guard script runs before every tool call Claude Code makes; its common
# case (far from any limit) must stay cheap. Prints the median and the
# fastest of many runs; asserts nothing.
set -eu
scripts=$(cd "$(dirname "$0")/../resources/EngineScripts" && pwd)
samples=$(cd "$(dirname "$0")/../tests/engine/samples" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
now=$(date +%s)
cat >"$scratch/state.json" <<JSON
{"limits":[{"kind":"five_hour","used_percentage":42,"resets_at":$((now + 7200)),"confirmed_at":$now},
{"kind":"weekly_all","used_percentage":17,"resets_at":$((now + 259200)),"confirmed_at":$now}],"checked_at":$now}
JSON

measure() {
    name=$1
    shift
    runs=200
    : >"$scratch/times"
    i=0
    while [ "$i" -lt "$runs" ]; do
        start=$(date +%s%N)
        "$@" <"$scratch/input" >/dev/null 2>&1 || true
        end=$(date +%s%N)
        echo $(((end - start) / 1000)) >>"$scratch/times"
        i=$((i + 1))
    done
    sort -n "$scratch/times" >"$scratch/sorted"
    median=$(sed -n "$((runs / 2))p" "$scratch/sorted")
    best=$(sed -n 1p "$scratch/sorted")
    printf '%-48s median %8.1f ms   best %8.1f ms   (%d runs)\n' "$name" \
        "$(awk -v us="$median" "BEGIN { printf \"%.1f\", us / 1000 }")" \
        "$(awk -v us="$best" "BEGIN { printf \"%.1f\", us / 1000 }")" "$runs"
}

cp "$samples/pretooluse-stdin.json" "$scratch/input"
PACEWISE_STATE_PATH="$scratch/state.json" measure "guard, far from the limit (target 15 ms)" sh "$scripts/rate-limit-guard.sh"
cp "$samples/statusline-stdin.json" "$scratch/input"
measure "bare jq . on the status line's input" jq .
bare=$median
PACEWISE_STATE_PATH="$scratch/state.json" measure "status line, an idle session (nothing new)" sh "$scripts/rate-limit-statusline.sh"
idle=$median
i=0
jq -c '.cost.total_api_duration_ms = 1' "$samples/statusline-stdin.json" >"$scratch/input"
: >"$scratch/times"
while [ "$i" -lt 200 ]; do
    # A reply moved the session's API time: the figures are merged and recorded.
    jq -c ".cost.total_api_duration_ms = $i" "$samples/statusline-stdin.json" >"$scratch/input"
    start=$(date +%s%N)
    PACEWISE_STATE_PATH="$scratch/state.json" sh "$scripts/rate-limit-statusline.sh" <"$scratch/input" >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(((end - start) / 1000)) >>"$scratch/times"
    i=$((i + 1))
done
recording=$(sort -n "$scratch/times" | sed -n 100p)
printf '%-48s median %8.1f ms   (200 runs)\n' "status line, after a reply (merged, recorded)" \
    "$(awk -v us="$recording" "BEGIN { printf \"%.1f\", us / 1000 }")"
awk -v bare="$bare" -v idle="$idle" -v recording="$recording" 'BEGIN {
    printf "status line against bare jq: %.2fx idle, %.2fx recording (target 1.3x)\n", idle / bare, recording / bare }'
