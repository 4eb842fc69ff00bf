#!/bin/sh
# Pacewise engine: Claude Code's status line.
#
# Claude Code runs this with the status-line JSON on standard input. When
# that JSON carries "rate_limits" (from the session's first reply on), the
# figures are recorded in the engine state file, which the Endrun guard and
# the Pacewise application read. The printed line is what Claude Code shows
# under its prompt. Whatever happens, this prints something and exits 0: a
# status line must never disturb Claude Code.
#
# Environment: CLAUDE_CONFIG_DIR (Claude Code's configuration directory,
# default ~/.claude), PACEWISE_STATE_PATH (the engine state file).
# For tests only: PACEWISE_ENGINE_NOW_FILE (a file holding "now" in epoch
# seconds).

input=$(cat 2>/dev/null)

if ! command -v jq >/dev/null 2>&1; then
    echo "Claude"
    exit 0
fi

config_dir=${CLAUDE_CONFIG_DIR:-$HOME/.claude}
state=${PACEWISE_STATE_PATH:-$config_dir/rate-limit-state.json}
if [ -n "${CLAUDE_CONFIG_DIR:-}" ]; then
    account_file=$CLAUDE_CONFIG_DIR/.claude.json
else
    account_file=$HOME/.claude.json
fi
if [ -n "${PACEWISE_ENGINE_NOW_FILE:-}" ]; then
    now=$(cat "$PACEWISE_ENGINE_NOW_FILE" 2>/dev/null)
else
    now=$(date +%s)
fi
case $now in '' | *[!0-9]*) now=0 ;; esac

# One jq run turns the input into three lines: the text to show, whether
# there is anything to record, and the limits to record (compact JSON).
parsed=$(printf '%s' "$input" | jq -r --argjson now "$now" '
    def pct: if type == "number" then (. * 10 | round / 10 | tostring) + "%" else "--" end;
    def window(kind): select(type == "object" and (.used_percentage | type) == "number"
                             and (.resets_at | type) == "number"
                             and .resets_at > 0 and .resets_at < 1e11)
        | {kind: kind, used_percentage: .used_percentage, resets_at: (.resets_at | floor),
           confirmed_at: $now};
    (if type == "object" then . else {} end) as $in
    | ($in.rate_limits | if type == "object" then . else {} end) as $limits
    | [($limits.five_hour | window("five_hour")), ($limits.seven_day | window("weekly_all"))] as $record
    | ($in.model | if type == "object" then .display_name else null end
       | if type == "string" and length > 0 then . else "Claude" end) as $model
    | (if ($limits | length) > 0
       then "\($model) · 5h \($limits.five_hour.used_percentage | pct) · wk \($limits.seven_day.used_percentage | pct)"
       else $model end),
      ($record | length),
      ($record | tojson)
' 2>/dev/null) || parsed=""

if [ -z "$parsed" ]; then
    echo "Claude"
    exit 0
fi

text=$(printf '%s\n' "$parsed" | sed -n 1p)
count=$(printf '%s\n' "$parsed" | sed -n 2p)
limits=$(printf '%s\n' "$parsed" | sed -n 3p)

if [ "$count" != "0" ] && [ "$now" != "0" ]; then
    account=""
    if [ -f "$account_file" ]; then
        account=$(jq -r '.oauthAccount.accountUuid // empty | strings' "$account_file" 2>/dev/null) || account=""
    fi
    directory=$(dirname -- "$state")
    name=$(basename -- "$state")
    if mkdir -p -- "$directory" 2>/dev/null &&
        temporary=$(mktemp "$directory/.$name.tmp-XXXXXXXX" 2>/dev/null); then
        if jq -cn --argjson limits "$limits" --arg account "$account" --argjson now "$now" '
                {limits: $limits, checked_at: $now}
                + (if ($account | test("\\S")) then {account_uuid: $account} else {} end)
            ' >"$temporary" 2>/dev/null &&
            chmod 644 "$temporary" 2>/dev/null &&
            mv -fT -- "$temporary" "$state" 2>/dev/null; then
            :
        else
            rm -f -- "$temporary"
        fi
    fi
fi

printf '%s\n' "$text"
exit 0
