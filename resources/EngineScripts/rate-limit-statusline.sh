#!/bin/sh
# Pacewise engine: Claude Code's status line.
#
# Claude Code runs this with the status-line JSON on standard input. When
# that JSON carries "rate_limits" (from the session's first reply on), the
# figures are merged into the engine state file, which the Endrun guard and
# the Pacewise application read. The printed line is what Claude Code shows
# under its prompt. Whatever happens, this prints something and exits 0: a
# status line must never disturb Claude Code.
#
# Every open session runs this, each with the figures of its own last reply,
# however long ago that was (an idle session re-sends them every refresh).
# So the file is merged, never overwritten: within one window (same kind,
# resets less than two minutes apart) usage never goes down and the highest
# figure stands; the reset to the second given here replaces one that
# Pacewise's usage poll knew only to the minute ("resets_at_approximate");
# a later reset replaces the window. Figures count as confirmed only when
# the session's API time moved since its previous call, that is when a
# reply just brought them, and only when they were taken: figures of a
# window older than the one recorded confirm nothing. Pacewise's own writer
# follows the same rules under the same lock.
#
# With "--then COMMAND" this records in front of the user's own status line:
# after recording, COMMAND runs in this process's place (through /bin/sh, as
# Claude Code runs a status line) with the same input, so its output, exit
# status and time-out behaviour are the user's command's own.
#
# While the guard holds a tool call of the session, the line says so.
#
# Environment: CLAUDE_CONFIG_DIR (Claude Code's configuration directory,
# default ~/.claude), PACEWISE_STATE_PATH (the engine state file).
# For tests only: PACEWISE_ENGINE_NOW_FILE (a file holding "now" in epoch
# seconds).

then_command=""
[ "${1:-}" = --then ] && [ $# -ge 2 ] && then_command=$2

# run_then_command LINE: hands the input to the user's command, or prints
# LINE when there is none.
run_then_command() {
    if [ -z "$then_command" ]; then
        printf '%s\n' "$1"
        exit 0
    fi
    # Without the state lock and the state file: the user's command may run
    # long, and no other writer may wait for it.
    exec /bin/sh -c "$then_command" 8<&- 9>&- <<INPUT
$input
INPUT
}

# The user's command gets the input too, so it is kept; otherwise jq reads it
# straight from Claude Code.
input=""
[ -z "$then_command" ] || input=$(cat 2>/dev/null)
command -v jq >/dev/null 2>&1 || run_then_command "Claude"

config_dir=${CLAUDE_CONFIG_DIR:-$HOME/.claude}
state=${PACEWISE_STATE_PATH:-$config_dir/rate-limit-state.json}
if [ -n "${CLAUDE_CONFIG_DIR:-}" ]; then
    account_file=$CLAUDE_CONFIG_DIR/.claude.json
else
    account_file=$HOME/.claude.json
fi
now=null
if [ -n "${PACEWISE_ENGINE_NOW_FILE:-}" ]; then
    IFS= read -r now <"$PACEWISE_ENGINE_NOW_FILE" || now=""
    case $now in '' | *[!0-9]*) now=null ;; esac
fi
case $state in */*) directory=${state%/*} ;; *) directory=. ;; esac
name=${state##*/}
[ -d "$directory" ] || (umask 077 && mkdir -p -- "$directory") 2>/dev/null

# A regular file at the state's path, never a link planted there.
state_readable() {
    [ -f "$state" ] && [ ! -L "$state" ]
}

# merge: one jq run over the status-line JSON on standard input and the
# previous state, when state_readable. It sets text (what to show), record
# (the state to write, compact JSON, or empty when nothing changes), session
# (the session id when it is a canonical UUID, safe in a file name) and
# input_line (the input as one line, when there is something to record).
# The state is read through descriptor 8, which stays open: under the lock,
# a file replaced since by another writer is told from the one read. The
# signed-in account is read only when its file changed since the state was
# written: ~/.claude.json can be large, and the state file already names the
# account.
merge() {
    exec 8<&-
    set -- --arg old ""
    if state_readable && { command exec 8<"$state"; } 2>/dev/null; then
        set -- --rawfile old /dev/fd/8
        # Without /proc (a bare chroot) by its path, and merged again under
        # the lock whenever there is something to record.
        [ -e /dev/fd/8 ] || set -- --rawfile old "$state"
    fi
    # shellcheck disable=SC3013 # -nt: dash, bash and busybox sh all have it
    if [ -f "$account_file" ] && { [ ! -f "$state" ] || [ "$account_file" -nt "$state" ]; }; then
        set -- "$@" --rawfile account "$account_file"
    else
        set -- "$@" --arg account ""
    fi
    parsed=$(jq -r "$@" --argjson now "$now" '
    def finite: type == "number" and (isnan | not) and (isinfinite | not);
    def oneline: split("\n") | join(" ") | split("\r") | join(" ");
    def pct: if finite then (. * 10 | round / 10 | tostring) + "%" else "--" end;
    def usable: type == "object"
        and (.kind == "five_hour" or .kind == "weekly_all" or .kind == "weekly_model")
        and (.used_percentage | finite) and (.resets_at | finite) and .resets_at > 0 and .resets_at < 1e11;
    def same_window($other): (.resets_at - $other.resets_at) as $apart | $apart < 120 and $apart > -120;
    (($now // now) | floor) as $now
    | (if type == "object" then . else {} end) as $in
    | ($in.rate_limits | if type == "object" then . else {} end) as $limits
    | (try ($old | fromjson) catch null | if type == "object" then . else {} end) as $old
    | (try ($account | fromjson | .oauthAccount.accountUuid) catch null
       | if type == "string" and test("\\S") then . else $old.account_uuid end
       | if type == "string" then . else null end) as $account
    # When this session last heard from the API: now if its API time moved.
    | ($in.session_id | if type == "string" and length <= 128 then . else "?" end) as $session
    | ($in.cost | if type == "object" then .total_api_duration_ms else null end
       | if finite then . else null end) as $api
    | ($old.status_line_sessions | if type == "object" then . else {} end) as $sessions
    | ($sessions[$session] | if type == "object" then . else null end) as $previous
    | (if $api == null or $previous == null or $previous.api_ms != $api or ($previous.seen_at | finite | not)
       then $now else $previous.seen_at end) as $seen
    | [($limits.five_hour | select(type == "object") | {kind: "five_hour", used_percentage, resets_at}),
       ($limits.seven_day | select(type == "object") | {kind: "weekly_all", used_percentage, resets_at})]
      | map(select(usable) | .resets_at |= floor | . + {confirmed_at: $seen}) as $fresh
    | ($in.model | if type == "object" then .display_name else null end
       | if type == "string" and length > 0 then oneline[0:80] else "Claude" end) as $model
    | (if ($fresh | length) == 0 then ""
       else
         # Figures of another account are not merged with these.
         (if $old.account_uuid != null and $account != null and $old.account_uuid != $account then {} else $old end) as $base
         | (reduce $fresh[] as $entry ([$base.limits[]? | select(usable)];
             (map(.kind == $entry.kind and .model == $entry.model) | index(true)) as $at
             | if $at == null then . + [$entry]
               elif (.[$at] | same_window($entry)) then
                 .[$at] = ($entry + {
                     used_percentage: ([.[$at].used_percentage, $entry.used_percentage] | max),
                     resets_at: (if .[$at].resets_at_approximate == true then $entry.resets_at
                                 else [.[$at].resets_at, $entry.resets_at] | max end),
                     confirmed_at: ([(.[$at].confirmed_at | numbers), $entry.confirmed_at] | max)})
               elif $entry.resets_at > .[$at].resets_at then .[$at] = $entry
               else . end)) as $merged
         | (all($fresh[]; . as $entry | any($merged[]; .kind == $entry.kind and .model == $entry.model
                                                      and same_window($entry)))) as $taken
         | ($base.status_line_sessions | if type == "object" then . else {} end
            | .[$session] = {api_ms: $api, seen_at: $seen}
            | to_entries | map(select(.value.seen_at | finite and . > $now - 86400))
            | sort_by(.value.seen_at) | .[-32:] | from_entries) as $kept
         | $base + {limits: $merged, status_line_sessions: $kept,
                    checked_at: ([$merged[].confirmed_at | numbers] | max)}
         + (if $taken then {status_line_confirmed_at: ([$base.status_line_confirmed_at | numbers] + [$seen] | max)}
            else {} end)
         + (if $account != null then {account_uuid: $account} else {} end)
         # An idle session that re-sends what is recorded changes nothing.
         | if . == $old then "" else tojson end
       end) as $record
    | (if ($limits | length) > 0
       then "\($model) · 5h \($limits.five_hour.used_percentage | pct) · wk \($limits.seven_day.used_percentage | pct)"
       else $model end),
      $record,
      ($in.session_id | if type == "string" and test("^[0-9a-fA-F]{8}-[0-9a-fA-F]{4}-[0-9a-fA-F]{4}-[0-9a-fA-F]{4}-[0-9a-fA-F]{12}$")
       then . else "" end),
      (if $record == "" then "" else $in | tojson end)
' 2>/dev/null) || parsed=""
    text=""
    record=""
    session=""
    input_line=""
    { IFS= read -r text; IFS= read -r record; IFS= read -r session; IFS= read -r input_line; } <<PARSED
$parsed
PARSED
}

# The state as merge read it is still the file at its path (not known
# without /dev/fd).
state_unchanged() {
    if [ -e /dev/fd/8 ]; then
        # shellcheck disable=SC3013 # -ef: dash, bash and busybox sh all have it
        state_readable && [ "$state" -ef /dev/fd/8 ]
    else
        ! state_readable
    fi
}

if [ -n "$then_command" ]; then
    merge <<INPUT
$input
INPUT
else
    merge
fi
[ -n "$text" ] || text="Claude"

# Readers and writers of the file take this lock around their
# read-merge-replace; here only when there is something to record, so an
# idle session costs no lock. Merged beside a writer that replaced the file
# meanwhile, the figures are merged again with what it wrote. Without flock
# the merge still happens, unguarded. A lock not had within 10 s (a busy
# machine, a stuck writer) means nothing is recorded this time: a merge
# beside another writer's could lose its figures, and the next refresh
# records these again.
if [ -n "$record" ] && command -v flock >/dev/null 2>&1 && { command exec 9>>"$directory/.$name.lock"; } 2>/dev/null; then
    if ! flock -w 10 9 2>/dev/null; then
        record=""
    elif ! state_unchanged; then
        merge <<INPUT
$input_line
INPUT
    fi
fi

if [ -n "$record" ]; then
    # Replaced by rename, so readers never see half a file and a link at the
    # path is replaced rather than followed. The temporary file is created
    # anew (noclobber), never opened through something already there.
    temporary="$directory/.$name.tmp-$$"
    umask 022
    set -C
    if { printf '%s\n' "$record" >"$temporary"; } 2>/dev/null ||
        { rm -f -- "$temporary" && { printf '%s\n' "$record" >"$temporary"; } 2>/dev/null; }; then
        mv -fT -- "$temporary" "$state" 2>/dev/null || rm -f -- "$temporary"
    fi
fi

# A hold of the guard: "<pid> <process start> <resets_at> <kind>", written
# by the guard process while it waits. One whose process is gone (killed by
# Claude Code's hook time-out, say) is left over and goes.
hold="$directory/pacewise-holds/$session"
if [ -n "$session" ] && [ -z "$then_command" ] && [ -f "$hold" ] &&
    { IFS=' ' read -r holder holder_start hold_until hold_kind <"$hold"; } 2>/dev/null; then
    alive=""
    case $holder$hold_until in '' | *[!0-9]*) holder="" ;; esac
    if [ -n "$holder" ] && { IFS= read -r stat_line <"/proc/$holder/stat"; } 2>/dev/null; then
        # shellcheck disable=SC2086 # the fields after the command name split on blanks
        set -- ${stat_line##*) }
        [ "${20:-}" = "$holder_start" ] && alive=1
    fi
    if [ -n "$alive" ]; then
        label="5-hour"
        [ "$hold_kind" = five_hour ] || label="weekly"
        until=$(date -d "@$hold_until" '+%H:%M' 2>/dev/null) &&
            text="Pacewise: waiting for the $label reset at $until · $text"
    else
        rm -f -- "$hold"
    fi
fi

run_then_command "$text"
