#!/bin/sh
# Pacewise engine: shows what the engine state file holds, for a person at a
# terminal. Pacewise installs it beside the other engine scripts but never
# runs it.
#
# Exit status: 0 the figures are fresh, 1 the file is missing or unreadable,
# 2 the figures are older than 30 minutes.
#
# Environment: CLAUDE_CONFIG_DIR, PACEWISE_STATE_PATH. For tests only:
# PACEWISE_ENGINE_NOW_FILE (a file holding "now" in epoch seconds).

state=${PACEWISE_STATE_PATH:-${CLAUDE_CONFIG_DIR:-$HOME/.claude}/rate-limit-state.json}

if ! command -v jq >/dev/null 2>&1; then
    echo "rate-limit-refresh: jq is needed to read $state" >&2
    exit 1
fi
if [ ! -f "$state" ]; then
    echo "rate-limit-refresh: $state does not exist; Claude Code's status line writes it once the Endrun guard is on" >&2
    exit 1
fi
if [ -n "${PACEWISE_ENGINE_NOW_FILE:-}" ]; then
    now=$(cat "$PACEWISE_ENGINE_NOW_FILE")
else
    now=$(date +%s)
fi
case $now in '' | *[!0-9]*) now=$(date +%s) ;; esac

report=$(jq -r --argjson now "$now" '
    def when: if type == "number" and . > 0 and . < 1e11
              then (floor | strftime("%Y-%m-%d %H:%M UTC")) else "unknown" end;
    def ago: if . < 90 then "\(. | floor) s" elif . < 5400 then "\(. / 60 | round) min"
             else "\(. / 3600 | round) h" end;
    select(type == "object")
    | ([.limits[]? | objects | .confirmed_at | numbers] + [.checked_at | numbers]) as $times
    | (if ($times | length) > 0 then ($now - ($times | max)) else null end) as $age
    | (if $age == null then "unknown" else ($age | ago) + " ago" end) as $updated
    | "updated: \($updated)",
      (.limits[]? | objects
       | "\(.kind // "?")\(if .model then " (\(.model))" else "" end): \(.used_percentage // "?")% used, resets \(.resets_at | when)"),
      (if $age == null or $age >= 1800 then "STALE" else empty end)
' "$state" 2>/dev/null)
if [ -z "$report" ]; then
    echo "rate-limit-refresh: $state is not a valid engine state file" >&2
    exit 1
fi

echo "Engine state: $state"
printf '%s\n' "$report" | grep -v '^STALE$'
if printf '%s\n' "$report" | grep -q '^STALE$'; then
    echo "rate-limit-refresh: the figures are older than 30 minutes" >&2
    exit 2
fi
exit 0
