#!/usr/bin/env bats
# The status line: records Claude Code's rate limits for the guard and the
# application, and never disturbs Claude Code.

load test_helper

STATUSLINE="$ENGINE_DIR/rate-limit-statusline.sh"

@test "records both windows with the signed-in account and shows them" {
    echo '{"oauthAccount":{"accountUuid":"acct-1"}}' >"$HOME/.claude.json"
    run sh "$STATUSLINE" <"$SAMPLES/statusline-stdin.json"
    [ "$status" -eq 0 ]
    [ "$output" = "Opus 5.5 · 5h 42% · wk 17%" ]
    [ "$(jq -c . "$STATE")" = '{"limits":[{"kind":"five_hour","used_percentage":42,"resets_at":1796576519,"confirmed_at":1796560000},{"kind":"weekly_all","used_percentage":17,"resets_at":1796869319,"confirmed_at":1796560000}],"checked_at":1796560000,"account_uuid":"acct-1"}' ]
    [ "$(stat -c %a "$STATE")" = 644 ]
    [ -z "$(ls -A "$HOME/.claude" | grep -v '^rate-limit-state.json$')" ]
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

@test "only well-formed windows are recorded" {
    run sh "$STATUSLINE" <<<'{"rate_limits":{"five_hour":{"used_percentage":"42","resets_at":1},"seven_day":{"used_percentage":5,"resets_at":1796869319}}}'
    [ "$status" -eq 0 ]
    [ "$output" = "Claude · 5h -- · wk 5%" ]
    [ "$(jq -c '[.limits[].kind]' "$STATE")" = '["weekly_all"]' ]
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
