#!/usr/bin/env bats
# The Endrun guard: holds or stops a session at the limit, records it for
# auto-continue, and lets everything else through at once.

load test_helper

GUARD="$ENGINE_DIR/rate-limit-guard.sh"

run_guard() {
    run sh "$GUARD" <"${1:-$SAMPLES/pretooluse-stdin.json}"
}

@test "far from the limit the tool call proceeds at once" {
    write_state 42 7200 17 259200
    run_guard
    [ "$status" -eq 0 ]
    [ -z "$output" ]
    [ "$(slept_total)" -eq 0 ]
}

@test "without a fresh, trustworthy state file the guard fails open" {
    run_guard
    [ "$status" -eq 0 ]
    write_state 99 7200 17 259200 1900   # confirmed 31 min ago
    run_guard
    [ "$status" -eq 0 ]
    echo '{"five_hour":{"used_percentage":99,"resets_at":1796567200}}' >"$STATE"   # no confirmation time
    run_guard
    [ "$status" -eq 0 ]
    printf '\377garbage{' >"$STATE"
    run_guard
    [ "$status" -eq 0 ]
    [ "$(slept_total)" -eq 0 ]
}

@test "without jq the guard fails open even at the limit" {
    write_state 100 7200 17 259200
    PATH="$(path_without_jq)" run sh "$GUARD" <"$SAMPLES/pretooluse-stdin.json"
    [ "$status" -eq 0 ]
    [ "$(slept_total)" -eq 0 ]
}

@test "at the 5-hour limit the call is held until just after the reset, visibly, and its ticket removed" {
    write_state 99 7200 17 259200
    export CC_LIMIT_GUARD_RESUME_DIR="$TICKETS"
    # Look at the ticket and the session's status line while the guard sleeps.
    cat >"$BATS_TEST_TMPDIR/peeking-sleep" <<SCRIPT
#!/bin/sh
cp "$TICKETS/0f76730a-752b-4aa3-865c-aec0624eaedb.json" "$BATS_TEST_TMPDIR/ticket-seen" 2>/dev/null
jq -c '.session_id = "0f76730a-752b-4aa3-865c-aec0624eaedb" | del(.rate_limits)' "$SAMPLES/statusline-stdin.json" |
    sh "$ENGINE_DIR/rate-limit-statusline.sh" >>"$BATS_TEST_TMPDIR/lines-seen"
exec "$BATS_TEST_TMPDIR/fake-sleep" "\$@"
SCRIPT
    chmod +x "$BATS_TEST_TMPDIR/peeking-sleep"
    PACEWISE_ENGINE_SLEEP="$BATS_TEST_TMPDIR/peeking-sleep" run_guard
    [ "$status" -eq 0 ]
    [ "$(slept_total)" -eq 7205 ]
    [ "$(jq -c 'del(.held_by)' "$BATS_TEST_TMPDIR/ticket-seen")" = '{"session_id":"0f76730a-752b-4aa3-865c-aec0624eaedb","cwd":"/home/ada/work","resets_at":1796567200,"created_at":1796560000,"used_percentage":99,"transcript_path":"/home/ada/.claude/projects/-home-ada-work/0f76730a-752b-4aa3-865c-aec0624eaedb.jsonl","permission_mode":"default"}' ]
    # The holder is named so that no resumer takes the session meanwhile.
    [ "$(jq '.held_by | (.pid | type) + " " + (.start_time | type)' "$BATS_TEST_TMPDIR/ticket-seen")" = '"number number"' ]
    [ "$(stat -c %a "$TICKETS")" = 700 ]
    [ -z "$(ls -A "$TICKETS")" ]
    [ "$(head -n 1 "$BATS_TEST_TMPDIR/lines-seen")" = "Pacewise: waiting for the 5-hour reset at $(date -d @$((NOW + 7200)) +%H:%M) · Opus 5.5" ]
    [ -z "$(ls -A "$HOME/.claude/pacewise-holds")" ]
    # Once the guard is gone, so is the line; a mark left by a killed guard too.
    echo "$$ 1 $((NOW + 7200)) five_hour" >"$HOME/.claude/pacewise-holds/0f76730a-752b-4aa3-865c-aec0624eaedb"
    run sh "$ENGINE_DIR/rate-limit-statusline.sh" < <(jq -c '.session_id = "0f76730a-752b-4aa3-865c-aec0624eaedb"' "$SAMPLES/statusline-stdin.json")
    [ "$output" = "Opus 5.5 · 5h 42% · wk 17%" ]
    [ -z "$(ls -A "$HOME/.claude/pacewise-holds")" ]
}

# hold_with CHANGE: holds a 5-hour call and, at the first step, rewrites the
# state file with the figures CHANGE gives write_state.
hold_with() {
    write_state 99 7200 17 259200
    export CC_LIMIT_GUARD_RESUME_DIR="$TICKETS"
    cat >"$BATS_TEST_TMPDIR/changing-sleep" <<SCRIPT
#!/bin/sh
if [ ! -e "$BATS_TEST_TMPDIR/changed" ]; then
    touch "$BATS_TEST_TMPDIR/changed"
    NOW=\$(cat "$PACEWISE_ENGINE_NOW_FILE")
    . "$BATS_TEST_DIRNAME/test_helper.bash"
    STATE="$STATE"
    write_state $1
fi
exec "$BATS_TEST_TMPDIR/fake-sleep" "\$@"
SCRIPT
    chmod +x "$BATS_TEST_TMPDIR/changing-sleep"
    PACEWISE_ENGINE_SLEEP="$BATS_TEST_TMPDIR/changing-sleep" run_guard
}

@test "while holding, fresh figures decide: released, moved on, or stopped" {
    hold_with "5 18000 17 259200 0"          # a new window, far below the threshold
    [ "$status" -eq 0 ] && [ "$(slept_total)" -eq 60 ] && [ -z "$(ls -A "$TICKETS")" ]
    rm -f "$BATS_TEST_TMPDIR/changed" && : >"$SLEEP_LOG" && echo "$NOW" >"$PACEWISE_ENGINE_NOW_FILE"
    hold_with "99 3600 17 259200 0"          # the reset came closer
    [ "$status" -eq 0 ] && [ "$(slept_total)" -eq 3605 ]
    rm -f "$BATS_TEST_TMPDIR/changed" && : >"$SLEEP_LOG" && echo "$NOW" >"$PACEWISE_ENGINE_NOW_FILE"
    hold_with "20 3600 99 259200 0"          # now the weekly limit blocks, beyond the budget
    [ "$status" -eq 2 ] && [[ "$output" == "Pacewise: the weekly limit is at 99%"* ]]
    [ "$(jq 'has("held_by")' "$TICKETS/0f76730a-752b-4aa3-865c-aec0624eaedb.json")" = false ]
}

@test "figures recorded for another account hold nothing" {
    write_state 100 7200 17 259200
    jq -c '.account_uuid = "acct-old"' "$STATE" >"$STATE.new" && mv "$STATE.new" "$STATE"
    echo '{"oauthAccount":{"accountUuid":"acct-new"}}' >"$HOME/.claude.json"
    run_guard
    [ "$status" -eq 0 ] && [ "$(slept_total)" -eq 0 ]
    echo '{"oauthAccount":{"accountUuid":"acct-old"}}' >"$HOME/.claude.json"
    run_guard
    [ "$status" -eq 0 ] && [ "$(slept_total)" -eq 7205 ]
}

@test "a weekly reset beyond the hook's budget stops the turn and keeps the ticket" {
    write_state 20 7200 99.5 259200
    export CC_LIMIT_GUARD_RESUME_DIR="$TICKETS"
    run_guard
    [ "$status" -eq 2 ]
    [ "${#lines[@]}" -eq 1 ]
    [[ "$output" == "Pacewise: the weekly limit is at 99.5% until "*"auto-continue resumes this session after the reset." ]]
    [ "$(jq -r .resets_at "$TICKETS/0f76730a-752b-4aa3-865c-aec0624eaedb.json")" -eq $((NOW + 259200)) ]
    [ "$(stat -c %a "$TICKETS/0f76730a-752b-4aa3-865c-aec0624eaedb.json")" = 600 ]
    [ "$(slept_total)" -eq 0 ]
}

@test "the longest wait decides when both limits are exhausted" {
    write_state 100 7200 99 86400
    export CC_LIMIT_GUARD_MAX_WAIT=100000
    run_guard
    [ "$status" -eq 0 ]
    [ "$(slept_total)" -eq 86405 ]
}

@test "the threshold can be lowered" {
    write_state 60 600 17 259200
    CC_LIMIT_GUARD_THRESHOLD=50 run_guard
    [ "$status" -eq 0 ]
    [ "$(slept_total)" -eq 605 ]
}

@test "a reset already past lets the call through" {
    write_state 100 -10 17 259200
    run_guard
    [ "$status" -eq 0 ]
    [ "$(slept_total)" -eq 0 ]
}

@test "unsafe or non-UUID session ids and relative directories never become tickets" {
    write_state 20 7200 99 259200
    export CC_LIMIT_GUARD_RESUME_DIR="$TICKETS"
    for input in '{"session_id":"-rf","cwd":"/w"}' '{"session_id":"../escape","cwd":"/w"}' \
        '{"session_id":"a/b","cwd":"/w"}' '{"session_id":"..","cwd":"/w"}' '{"session_id":"a b","cwd":"/w"}' \
        '{"session_id":"0f76730a-752b-4aa3-865c-aec0624eaedb","cwd":"relative"}' '{"session_id":7,"cwd":"/w"}' \
        '{"session_id":"not-a-uuid","cwd":"/w"}' 'not json'; do
        run sh "$GUARD" <<<"$input"
        [ "$status" -eq 2 ]
    done
    [ -z "$(ls -A "$TICKETS")" ]
    [ -z "$(ls -A "$HOME/.claude" | grep -v -e rate-limit-state.json -e pacewise-resume-tickets)" ]
}

@test "a hostile ticket directory cannot redirect or block the write" {
    write_state 20 7200 99 259200
    export CC_LIMIT_GUARD_RESUME_DIR="$TICKETS"
    mkdir -p "$TICKETS"
    echo precious >"$BATS_TEST_TMPDIR/outside"
    ln -s "$BATS_TEST_TMPDIR/outside" "$TICKETS/0f76730a-752b-4aa3-865c-aec0624eaedb.json"
    mkfifo "$TICKETS/11111111-2222-4333-8444-555555555555.json"
    run_guard
    [ "$status" -eq 2 ]
    [ "$(cat "$BATS_TEST_TMPDIR/outside")" = precious ]
    [ ! -L "$TICKETS/0f76730a-752b-4aa3-865c-aec0624eaedb.json" ]
    run sh "$GUARD" <<<'{"session_id":"11111111-2222-4333-8444-555555555555","cwd":"/w"}'
    [ "$status" -eq 2 ]
    [ -f "$TICKETS/11111111-2222-4333-8444-555555555555.json" ]
}

@test "a ticket rewritten by another run while waiting is kept" {
    write_state 99 120 17 259200
    export CC_LIMIT_GUARD_RESUME_DIR="$TICKETS"
    cat >"$BATS_TEST_TMPDIR/rewriting-sleep" <<SCRIPT
#!/bin/sh
echo '{"session_id":"0f76730a-752b-4aa3-865c-aec0624eaedb","cwd":"/other","resets_at":1,"created_at":2}' \
    >"$TICKETS/0f76730a-752b-4aa3-865c-aec0624eaedb.json"
exec "$BATS_TEST_TMPDIR/fake-sleep" "\$@"
SCRIPT
    chmod +x "$BATS_TEST_TMPDIR/rewriting-sleep"
    PACEWISE_ENGINE_SLEEP="$BATS_TEST_TMPDIR/rewriting-sleep" run_guard
    [ "$status" -eq 0 ]
    [ "$(jq -r .cwd "$TICKETS/0f76730a-752b-4aa3-865c-aec0624eaedb.json")" = /other ]
}

# How quickly a hold ends on the signal is checked with the real
# pacewisectl guard release (tests/resume); here, what its mark means.
@test "a session the user let go is not held again until that reset" {
    write_state 99 7200 17 259200
    mkdir -p "$HOME/.claude/pacewise-holds"
    echo "$((NOW + 7200)) five_hour" >"$HOME/.claude/pacewise-holds/0f76730a-752b-4aa3-865c-aec0624eaedb.release"
    run_guard
    [ "$status" -eq 0 ] && [ "$(slept_total)" -eq 0 ]
    # Another limit (the next window's) holds it again.
    write_state 99 18000 17 259200
    run_guard
    [ "$status" -eq 0 ] && [ "$(slept_total)" -eq 18005 ]
}
