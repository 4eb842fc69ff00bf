#!/usr/bin/env bats
# The status line: records Claude Code's rate limits for the guard and the
# application, and never disturbs Claude Code.

load test_helper

STATUSLINE="$ENGINE_DIR/rate-limit-statusline.sh"

# status_line SESSION API_MS FIVE_HOUR_PERCENT [FIVE_HOUR_RESETS_AT]: one call
# of the status line from a session whose API time stands at API_MS.
status_line() {
    jq -c --arg session "$1" --argjson api "$2" --argjson used "$3" --argjson resets "${4:-1796576519}" \
        '.session_id = $session | .cost.total_api_duration_ms = $api
         | .rate_limits.five_hour = {used_percentage: $used, resets_at: $resets}' \
        "$SAMPLES/statusline-stdin.json" | sh "$STATUSLINE" >/dev/null
}

five_hour() {
    jq -c '.limits[] | select(.kind == "five_hour") | [.used_percentage, .resets_at, .confirmed_at]' "$STATE"
}

@test "records both windows with the signed-in account and shows them" {
    echo '{"oauthAccount":{"accountUuid":"acct-1"}}' >"$HOME/.claude.json"
    run sh "$STATUSLINE" <"$SAMPLES/statusline-stdin.json"
    [ "$status" -eq 0 ]
    [ "$output" = "Opus 5.5 · 5h 42% · wk 17%" ]
    [ "$(jq -c 'del(.status_line_sessions)' "$STATE")" = '{"limits":[{"kind":"five_hour","used_percentage":42,"resets_at":1796576519,"confirmed_at":1796560000},{"kind":"weekly_all","used_percentage":17,"resets_at":1796869319,"confirmed_at":1796560000}],"checked_at":1796560000,"status_line_confirmed_at":1796560000,"account_uuid":"acct-1"}' ]
    [ "$(stat -c %a "$STATE")" = 644 ]
    [ -z "$(ls -A "$HOME/.claude" | grep -v -e '^rate-limit-state.json$' -e '^.rate-limit-state.json.lock$')" ]
}

@test "an idle session re-sending old figures neither lowers nor confirms them" {
    status_line busy 900 99
    echo $((NOW + 600)) >"$PACEWISE_ENGINE_NOW_FILE"
    status_line idle 300 42            # its first call: taken as news once
    status_line busy 900 99            # no new reply: nothing confirmed
    [ "$(five_hour)" = "[99,1796576519,$((NOW + 600))]" ]
    echo $((NOW + 1200)) >"$PACEWISE_ENGINE_NOW_FILE"
    status_line idle 300 42
    [ "$(five_hour)" = "[99,1796576519,$((NOW + 600))]" ]
    [ "$(jq .status_line_confirmed_at "$STATE")" -eq $((NOW + 600)) ]
}

@test "one window whatever the precision of its reset; a later reset replaces it, an earlier one never does" {
    # Pacewise's usage poll knew the reset only as "5:02pm".
    echo '{"limits":[{"kind":"five_hour","used_percentage":61,"resets_at":1796576579,"resets_at_approximate":true}]}' >"$STATE"
    status_line a 1 70 1796576519
    [ "$(five_hour)" = "[70,1796576519,$NOW]" ]
    [ "$(jq '.limits[0] | has("resets_at_approximate")' "$STATE")" = false ]
    status_line b 1 3 1796594519       # the next 5-hour window
    [ "$(five_hour)" = "[3,1796594519,$NOW]" ]
    echo $((NOW + 60)) >"$PACEWISE_ENGINE_NOW_FILE"
    status_line c 1 97 1796576519      # an old session still in the last one confirms nothing
    [ "$(five_hour)" = "[3,1796594519,$NOW]" ]
    [ "$(jq .status_line_confirmed_at "$STATE")" -eq "$NOW" ]
    status_line d 1 5 1796594540       # the same window, seconds apart
    [ "$(five_hour)" = "[5,1796594540,$((NOW + 60))]" ]
}

@test "figures of another account are replaced, not merged" {
    echo '{"oauthAccount":{"accountUuid":"acct-1"}}' >"$HOME/.claude.json"
    status_line a 1 99
    echo '{"oauthAccount":{"accountUuid":"acct-2"}}' >"$HOME/.claude.json"
    # Signed in anew after the state was written (file times may be whole seconds).
    touch -d "@$(($(stat -c %Y "$STATE") + 1))" "$HOME/.claude.json"
    status_line b 1 10
    [ "$(five_hour)" = "[10,1796576519,$NOW]" ]
    [ "$(jq -r .account_uuid "$STATE")" = acct-2 ]
}

@test "in front of the user's own line it records, then the user's command answers alone" {
    # The user's command, however long it runs, keeps no other writer waiting.
    lock="$(dirname "$STATE")/.$(basename "$STATE").lock"
    user_command='cat >"$HOME/seen-by-user"; flock -n "'"$lock"'" touch "$HOME/lock-free" 2>/dev/null; echo "user'"'"'s line"; echo to-stderr >&2; exit 3'
    run sh "$STATUSLINE" --then "$user_command" <"$SAMPLES/statusline-stdin.json"
    [ "$status" -eq 3 ] && [ "$output" = "user's line
to-stderr" ]
    [ "$(jq -c . "$HOME/seen-by-user")" = "$(jq -c . "$SAMPLES/statusline-stdin.json")" ]
    [ -e "$HOME/lock-free" ]
    [ "$(jq '.limits | length' "$STATE")" -eq 2 ]
    # Without jq, or with nothing to record, the user's line still shows.
    PATH="$(path_without_jq)" run sh "$STATUSLINE" --then "$user_command" </dev/null
    [ "$status" -eq 3 ] && [ "${lines[0]}" = "user's line" ]
}

@test "before the first reply there is nothing to record" {
    run sh "$STATUSLINE" <"$SAMPLES/statusline-stdin-first-call.json"
    [ "$status" -eq 0 ]
    [ "$output" = "Opus 5.5" ]
    [ ! -e "$STATE" ]
}

@test "garbage, empty input and a missing jq still give a line and exit 0" {
    run sh "$STATUSLINE" <<<'{"rate_limits": garbage'
    [ "$status" -eq 0 ] && [ "$output" = Claude ]
    run sh "$STATUSLINE" </dev/null
    [ "$status" -eq 0 ] && [ "$output" = Claude ]
    PATH="$(path_without_jq)" run sh "$STATUSLINE" <"$SAMPLES/statusline-stdin.json"
    [ "$status" -eq 0 ] && [ "$output" = Claude ]
    [ ! -e "$STATE" ]
}

@test "only well-formed windows are recorded, and the line stays one line" {
    for five_hour in '{"used_percentage":"42","resets_at":1}' '{"used_percentage":NaN,"resets_at":1796576519}'; do
        run sh "$STATUSLINE" <<<'{"model":{"display_name":"Opus\n{\"limits\":2}"},"rate_limits":{"five_hour":'"$five_hour"',"seven_day":{"used_percentage":5,"resets_at":1796869319}}}'
        [ "$status" -eq 0 ]
        [ "$output" = 'Opus {"limits":2} · 5h -- · wk 5%' ]
        [ "$(jq -c '[.limits[].kind]' "$STATE")" = '["weekly_all"]' ]
    done
}

@test "an unwritable state location does not disturb Claude Code" {
    echo file >"$BATS_TEST_TMPDIR/not-a-directory"
    PACEWISE_STATE_PATH="$BATS_TEST_TMPDIR/not-a-directory/state.json" run sh "$STATUSLINE" <"$SAMPLES/statusline-stdin.json"
    [ "$status" -eq 0 ]
    [ "$output" = "Opus 5.5 · 5h 42% · wk 17%" ]
}

@test "a moved configuration directory is followed" {
    export CLAUDE_CONFIG_DIR="$BATS_TEST_TMPDIR/config"
    mkdir -p "$CLAUDE_CONFIG_DIR"
    echo '{"oauthAccount":{"accountUuid":"acct-2"}}' >"$CLAUDE_CONFIG_DIR/.claude.json"
    run sh "$STATUSLINE" <"$SAMPLES/statusline-stdin.json"
    [ "$status" -eq 0 ]
    [ "$(jq -r .account_uuid "$CLAUDE_CONFIG_DIR/rate-limit-state.json")" = acct-2 ]
}
