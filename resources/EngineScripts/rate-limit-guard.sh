#!/bin/sh
# Pacewise engine: the Endrun guard, run by Claude Code before every tool use
# (a PreToolUse hook with the hook JSON on standard input).
#
# When the engine state file is fresh and the 5-hour or weekly limit is at or
# above the threshold with its reset still ahead, the session would only burn
# into the limit. The guard then records a resume ticket (when
# CC_LIMIT_GUARD_RESUME_DIR is set) and either
#   - holds the tool call until just after the reset and lets it proceed,
#     removing its ticket again, when the reset is within the hook's time
#     budget (the 5-hour window always is), or
#   - stops the turn (exit 2, one line on standard error) when the reset is
#     further away, leaving the ticket for Pacewise's auto-continue.
# Any doubt (no jq, no or stale state file, unreadable input) lets the tool
# call proceed at once: the guard fails open.
#
# Environment: CC_LIMIT_GUARD_RESUME_DIR (ticket directory),
# CC_LIMIT_GUARD_THRESHOLD (percent, default 98), CC_LIMIT_GUARD_MAX_WAIT
# (seconds the hook may hold a call, default 24600, below the hook's
# 25200 s time-out), CLAUDE_CONFIG_DIR, PACEWISE_STATE_PATH.
# For tests only: PACEWISE_ENGINE_NOW_FILE (a file holding "now" in epoch
# seconds) and PACEWISE_ENGINE_SLEEP (the command used to sleep).

state=${PACEWISE_STATE_PATH:-${CLAUDE_CONFIG_DIR:-$HOME/.claude}/rate-limit-state.json}
[ -f "$state" ] || exit 0

threshold=${CC_LIMIT_GUARD_THRESHOLD:-98}
case $threshold in '' | *[!0-9.]* | *.*.*) threshold=98 ;; esac
max_wait=${CC_LIMIT_GUARD_MAX_WAIT:-24600}
case $max_wait in '' | *[!0-9]*) max_wait=24600 ;; esac

# The common case, far from any limit, must stay cheap: jq 1.6 alone needs
# about 15 ms to start, so first let awk look whether any figure reaches the
# threshold at all. Only then does jq judge the file exactly.
awk -v threshold="$threshold" '
    BEGIN { RS = "\001" }
    { text = text $0 }
    END {
        pattern = "\"used_percentage\"[ \t\r\n]*:[ \t\r\n]*-?[0-9][0-9.eE+-]*"
        while (match(text, pattern)) {
            figure = substr(text, RSTART, RLENGTH)
            sub(/^[^:]*:[ \t\r\n]*/, "", figure)
            if (figure + 0 >= threshold + 0) exit 0
            text = substr(text, RSTART + RLENGTH)
        }
        exit 1
    }' "$state" 2>/dev/null || exit 0
command -v jq >/dev/null 2>&1 || exit 0

now() {
    if [ -n "${PACEWISE_ENGINE_NOW_FILE:-}" ]; then
        cat "$PACEWISE_ENGINE_NOW_FILE"
    else
        date +%s
    fi
}

# Freshness comes from the confirmation times the writers record; a file
# without them is never trusted. Prints "<resets_at> <used_percentage> <kind>" of the limit
# that keeps the session waiting longest, or nothing.
if [ -n "${PACEWISE_ENGINE_NOW_FILE:-}" ]; then
    now_argument=$(now)
else
    now_argument=null
fi
case $now_argument in null | [0-9]*) ;; *) exit 0 ;; esac
blocking=$(jq -r --argjson now_argument "$now_argument" --argjson threshold "$threshold" '
    ($now_argument // now) as $now
    | select(type == "object" and (.limits | type) == "array")
    | [.limits[] | objects | .confirmed_at | numbers] as $confirmations
    | select(($confirmations | length) > 0 and ($now - ($confirmations | max)) < 1800
             and ($now - ($confirmations | max)) > -60)
    | [.limits[] | objects
       | select((.kind == "five_hour" or .kind == "weekly_all")
                and (.used_percentage | type) == "number" and (.resets_at | type) == "number"
                and .used_percentage >= $threshold and .resets_at > $now and .resets_at < 1e11)]
    | max_by(.resets_at) // empty
    | "\(.resets_at | ceil) \(.used_percentage) \(.kind)"
' "$state" 2>/dev/null) || exit 0
[ -n "$blocking" ] || exit 0

resets_at=${blocking%% *}
rest=${blocking#* }
used=${rest%% *}
kind=${rest#* }
current=$(now)
case $current in '' | *[!0-9]*) exit 0 ;; esac

# Record the interrupted session, only for session ids that are canonical
# UUIDs (safe as a file name and a command-line argument, and never taken
# by claude for a session title), and only inside the ticket directory.
ticket=""
if [ -n "${CC_LIMIT_GUARD_RESUME_DIR:-}" ]; then
    input=$(cat 2>/dev/null)
    session=$(printf '%s' "$input" | jq -r '
        select(type == "object" and (.session_id | type) == "string" and (.cwd | type) == "string")
        | select(.session_id | test("^[0-9a-fA-F]{8}-[0-9a-fA-F]{4}-[0-9a-fA-F]{4}-[0-9a-fA-F]{4}-[0-9a-fA-F]{12}$"))
        | select(.cwd | startswith("/"))
        | .session_id' 2>/dev/null) || session=""
    directory=$CC_LIMIT_GUARD_RESUME_DIR
    case $directory in /*) ;; *) session="" ;; esac
    if [ -n "$session" ] && mkdir -p -- "$directory" 2>/dev/null && [ -d "$directory" ] &&
        temporary=$(mktemp "$directory/.$session.json.tmp-XXXXXXXX" 2>/dev/null); then
        if printf '%s' "$input" | jq -c --argjson resets_at "$resets_at" --argjson used "$used" \
            --argjson created_at "$current" '
                {session_id, cwd, resets_at: $resets_at, created_at: $created_at, used_percentage: $used}
                + (if (.transcript_path | type) == "string" and (.transcript_path | startswith("/"))
                   then {transcript_path} else {} end)
                + (if (.permission_mode | type) == "string" then {permission_mode} else {} end)
            ' >"$temporary" 2>/dev/null &&
            chmod 600 "$temporary" 2>/dev/null &&
            mv -fT -- "$temporary" "$directory/$session.json" 2>/dev/null; then
            ticket=$directory/$session.json
            written=$(cat -- "$ticket" 2>/dev/null)
        else
            rm -f -- "$temporary"
        fi
    fi
fi

wait_for=$((resets_at - current))
if [ "$wait_for" -gt "$max_wait" ]; then
    label="weekly limit"
    [ "$kind" = "five_hour" ] && label="5-hour limit"
    when=$(date -d "@$resets_at" '+%a %H:%M' 2>/dev/null || echo "$resets_at")
    if [ -n "$ticket" ]; then
        echo "Pacewise: the $label is at $used% until $when; stopping here, auto-continue resumes this session after the reset." >&2
    else
        echo "Pacewise: the $label is at $used% until $when; stopping here to keep the work from running into it." >&2
    fi
    exit 2
fi

# Hold the tool call until just after the reset. Sleeping in short steps
# against the wall clock keeps a suspend of the machine from stretching the
# wait.
target=$((resets_at + 5))
sleeper=${PACEWISE_ENGINE_SLEEP:-sleep}
while :; do
    current=$(now)
    case $current in '' | *[!0-9]*) break ;; esac
    [ "$current" -lt "$target" ] || break
    step=$((target - current))
    [ "$step" -gt 60 ] && step=60
    $sleeper "$step" || break
done
# Remove the ticket only if it is still the one written here: another guard
# run may have recorded the session since.
if [ -n "$ticket" ] && [ "$(cat -- "$ticket" 2>/dev/null)" = "$written" ]; then
    rm -f -- "$ticket"
fi
exit 0
