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
#     budget (the 5-hour window always is); the ticket says it is held, and
#     by which process, so that nobody resumes the session meanwhile; or
#   - stops the turn (exit 2, one line on standard error) when the reset is
#     further away, leaving the ticket for Pacewise's auto-continue.
# A hold is marked for the session's status line, which shows what it waits
# for.
# While holding it looks at the state file again every step: fresh figures
# that no longer block end the hold, a reset that moved moves it.
# The user may let the session go on past the limit (`pacewisectl guard
# release`, the panel's "Go on now", turning the guard off): a release mark
# beside the hold names the limit, the held call goes on at once (the
# releaser sends SIGUSR1), and the session is not held again until that
# limit resets.
# Any doubt (no jq, no or stale state file, unreadable input, figures of
# another account) lets the tool call proceed at once: the guard fails open.
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

if [ -n "${CLAUDE_CONFIG_DIR:-}" ]; then
    account_file=$CLAUDE_CONFIG_DIR/.claude.json
else
    account_file=$HOME/.claude.json
fi

now() {
    if [ -n "${PACEWISE_ENGINE_NOW_FILE:-}" ]; then
        cat "$PACEWISE_ENGINE_NOW_FILE"
    else
        date +%s
    fi
}

# What the state file says now: "<resets_at> <used_percentage> <kind>" of
# the limit that keeps the session waiting longest, "none" when fresh
# figures block nothing (or belong to another account than the signed-in
# one), "unknown" when the file cannot be trusted. Freshness comes from the
# confirmation times the writers record; a file without them is never
# trusted.
judge() {
    if [ -n "${PACEWISE_ENGINE_NOW_FILE:-}" ]; then
        now_argument=$(now)
    else
        now_argument=null
    fi
    case $now_argument in null | [0-9]*) ;; *) echo unknown; return ;; esac
    if [ -f "$account_file" ]; then
        set -- --rawfile account "$account_file"
    else
        set -- --arg account ""
    fi
    jq -r "$@" --argjson now_argument "$now_argument" --argjson threshold "$threshold" '
        ($now_argument // now) as $now
        | (try ($account | fromjson | .oauthAccount.accountUuid) catch null) as $signed_in
        | if type != "object" or (.limits | type) != "array" then "unknown"
          else
            [.limits[] | objects | .confirmed_at | numbers] as $confirmations
            | if ($confirmations | length) == 0 or ($now - ($confirmations | max)) >= 1800
                 or ($now - ($confirmations | max)) <= -60 then "unknown"
              elif ($signed_in | type) == "string" and ($signed_in | test("\\S"))
                   and (.account_uuid | type) == "string" and .account_uuid != $signed_in then "none"
              else
                [.limits[] | objects
                 | select((.kind == "five_hour" or .kind == "weekly_all")
                          and (.used_percentage | type) == "number" and (.resets_at | type) == "number"
                          and .used_percentage >= $threshold and .resets_at > $now and .resets_at < 1e11)]
                | max_by(.resets_at)
                | if . == null then "none" else "\(.resets_at | ceil) \(.used_percentage) \(.kind)" end
              end
          end' "$state" 2>/dev/null || echo unknown
}

verdict=$(judge)
case $verdict in none | unknown | '') exit 0 ;; esac

resets_at=${verdict%% *}
rest=${verdict#* }
used=${rest%% *}
kind=${rest#* }
started=$(now)
case $started in '' | *[!0-9]*) exit 0 ;; esac
holds="${state%/*}/pacewise-holds"

# This process, as resumers can tell it from a later one with the same pid:
# its start time in clock ticks since boot (field 22 of /proc/<pid>/stat).
process_start=""
if IFS= read -r stat_line </proc/$$/stat 2>/dev/null; then
    # shellcheck disable=SC2086 # the fields after the command name split on blanks
    set -- ${stat_line##*) }
    process_start=${20:-}
fi
case $process_start in '' | *[!0-9]*) process_start="" ;; esac

# The session, only when its id is a canonical UUID (safe as a file name and
# a command-line argument, and never taken by claude for a session title)
# and its directory absolute.
input=$(cat 2>/dev/null)
session=$(printf '%s' "$input" | jq -r '
    select(type == "object" and (.session_id | type) == "string" and (.cwd | type) == "string")
    | select(.session_id | test("^[0-9a-fA-F]{8}-[0-9a-fA-F]{4}-[0-9a-fA-F]{4}-[0-9a-fA-F]{4}-[0-9a-fA-F]{12}$"))
    | select(.cwd | startswith("/"))
    | .session_id' 2>/dev/null) || session=""

# released: the user let this session, or every session, go on past the
# limit waited for: a line "<resets_at> <kind>" of that limit (resets less
# than two minutes apart are one window) in "<session>.release" or
# "all.release" beside the holds.
released() {
    for mark in "$holds/${session:-.}.release" "$holds/all.release"; do
        [ -f "$mark" ] || continue
        while IFS=' ' read -r mark_reset mark_kind; do
            case $mark_reset in '' | *[!0-9]*) continue ;; esac
            apart=$((mark_reset - resets_at))
            [ "$mark_kind" = "$kind" ] && [ "$apart" -lt 120 ] && [ "$apart" -gt -120 ] && return 0
        done <"$mark"
    done 2>/dev/null
    return 1
}
released && exit 0

# Tickets record the interrupted session, only inside the ticket directory,
# which only this user may write.
ticket=""
written=""
directory=${CC_LIMIT_GUARD_RESUME_DIR:-}
case $directory in /*) ;; *) directory="" ;; esac

# write_ticket HELD: (re)writes the ticket for the limit being waited for;
# with HELD=1 it names this process as the one holding the call.
write_ticket() {
    [ -n "$session" ] && [ -n "$directory" ] || return 0
    (umask 077 && mkdir -p -- "$directory") 2>/dev/null && [ -d "$directory" ] || return 0
    temporary=$(mktemp "$directory/.$session.json.tmp-XXXXXXXX" 2>/dev/null) || return 0
    holder=null
    if [ "$1" = 1 ] && [ -n "$process_start" ]; then
        holder="{\"pid\":$$,\"start_time\":$process_start}"
    fi
    if printf '%s' "$input" | jq -c --argjson resets_at "$resets_at" --argjson used "$used" \
        --argjson created_at "$started" --argjson holder "$holder" '
            {session_id, cwd, resets_at: $resets_at, created_at: $created_at, used_percentage: $used}
            + (if (.transcript_path | type) == "string" and (.transcript_path | startswith("/"))
               then {transcript_path} else {} end)
            + (if (.permission_mode | type) == "string" then {permission_mode} else {} end)
            + (if $holder != null then {held_by: $holder} else {} end)
        ' >"$temporary" 2>/dev/null &&
        chmod 600 "$temporary" 2>/dev/null &&
        mv -fT -- "$temporary" "$directory/$session.json" 2>/dev/null; then
        ticket=$directory/$session.json
        written=$(cat -- "$ticket" 2>/dev/null)
    else
        rm -f -- "$temporary"
    fi
}

# stop: the reset is further away than the hook may wait.
stop() {
    label="weekly limit"
    [ "$kind" = "five_hour" ] && label="5-hour limit"
    when=$(date -d "@$resets_at" '+%a %H:%M' 2>/dev/null || echo "$resets_at")
    if [ -n "$ticket" ]; then
        echo "Pacewise: the $label is at $used% until $when; stopping here, auto-continue resumes this session after the reset." >&2
    else
        echo "Pacewise: the $label is at $used% until $when; stopping here to keep the work from running into it." >&2
    fi
    exit 2
}

if [ $((resets_at - started)) -gt "$max_wait" ]; then
    write_ticket 0
    stop
fi
# write_hold: tells the session's status line what this process waits for
# ("<pid> <process start> <resets_at> <kind>"), next to the state file.
hold=""
write_hold() {
    [ -n "$session" ] && [ -n "$process_start" ] || return 0
    (umask 077 && mkdir -p -- "$holds") 2>/dev/null && [ -d "$holds" ] && [ ! -L "$holds" ] || return 0
    temporary=$(mktemp "$holds/.$session.tmp-XXXXXXXX" 2>/dev/null) || return 0
    if printf '%s %s %s %s\n' $$ "$process_start" "$resets_at" "$kind" >"$temporary" &&
        mv -fT -- "$temporary" "$holds/$session" 2>/dev/null; then
        hold=$holds/$session
    else
        rm -f -- "$temporary"
    fi
}
# However the hold ends (the reset, better figures, a signal from Claude
# Code), its mark goes with it.
trap '[ -z "$hold" ] || rm -f -- "$hold"' EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM
# A release wakes the wait below at once.
trap ':' USR1

write_ticket 1
write_hold

# Hold the tool call until just after the reset. Sleeping in short steps
# against the wall clock keeps a suspend of the machine from stretching the
# wait; the sleep runs in the background, so that a release's signal ends
# the wait at once.
sleeper=${PACEWISE_ENGINE_SLEEP:-sleep}
seen=$(cat -- "$state" 2>/dev/null)
while :; do
    released && break
    current=$(now)
    case $current in '' | *[!0-9]*) break ;; esac
    target=$((resets_at + 5))
    [ "$current" -lt "$target" ] || break
    step=$((target - current))
    [ "$step" -gt 60 ] && step=60
    $sleeper "$step" &
    sleeping=$!
    if wait "$sleeping"; then
        :
    elif kill -0 "$sleeping" 2>/dev/null; then
        # Woken by a signal (a release): the sleep goes, the loop looks again.
        kill "$sleeping" 2>/dev/null
        wait "$sleeping" 2>/dev/null
        continue
    else
        break
    fi
    # Only figures written since the last look can change the verdict; a
    # state file gone stale during a long hold changes nothing.
    latest=$(cat -- "$state" 2>/dev/null)
    [ "$latest" != "$seen" ] || continue
    seen=$latest
    verdict=$(judge)
    case $verdict in
    none) break ;;
    unknown | '') ;;
    *)
        moved=${verdict%% *}
        if [ "$moved" != "$resets_at" ]; then
            resets_at=$moved
            rest=${verdict#* }
            used=${rest%% *}
            kind=${rest#* }
            if [ $((resets_at - started)) -gt "$max_wait" ]; then
                write_ticket 0
                stop
            fi
            write_ticket 1
            write_hold
        fi
        ;;
    esac
done
# Remove the ticket only if it is still the one written here: another guard
# run may have recorded the session since.
if [ -n "$ticket" ] && [ "$(cat -- "$ticket" 2>/dev/null)" = "$written" ]; then
    rm -f -- "$ticket"
fi
exit 0
