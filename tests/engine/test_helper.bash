# Shared set-up for the engine script tests: a scratch home, a clock that
# only moves when the guard "sleeps", and the real-shaped inputs of Claude Code.

ENGINE_DIR="$BATS_TEST_DIRNAME/../../resources/EngineScripts"
SAMPLES="$BATS_TEST_DIRNAME/samples"

setup() {
    export HOME="$BATS_TEST_TMPDIR/home"
    mkdir -p "$HOME/.claude"
    unset CLAUDE_CONFIG_DIR PACEWISE_STATE_PATH CC_LIMIT_GUARD_RESUME_DIR CC_LIMIT_GUARD_THRESHOLD CC_LIMIT_GUARD_MAX_WAIT
    STATE="$HOME/.claude/rate-limit-state.json"
    TICKETS="$HOME/.claude/pacewise-resume-tickets"
    NOW=1796560000
    export PACEWISE_ENGINE_NOW_FILE="$BATS_TEST_TMPDIR/now"
    echo "$NOW" >"$PACEWISE_ENGINE_NOW_FILE"
    # The fake sleep advances the fake clock and logs how long it slept.
    SLEEP_LOG="$BATS_TEST_TMPDIR/slept"
    : >"$SLEEP_LOG"
    cat >"$BATS_TEST_TMPDIR/fake-sleep" <<SCRIPT
#!/bin/sh
echo "\$1" >>"$SLEEP_LOG"
echo \$((\$(cat "$PACEWISE_ENGINE_NOW_FILE") + \$1)) >"$PACEWISE_ENGINE_NOW_FILE"
SCRIPT
    chmod +x "$BATS_TEST_TMPDIR/fake-sleep"
    export PACEWISE_ENGINE_SLEEP="$BATS_TEST_TMPDIR/fake-sleep"
}

# write_state FIVE_HOUR_PERCENT FIVE_HOUR_RESET_IN WEEKLY_PERCENT WEEKLY_RESET_IN [CONFIRMED_AGO]
write_state() {
    confirmed=$((NOW - ${5:-60}))
    cat >"$STATE" <<JSON
{"limits":[{"kind":"five_hour","used_percentage":$1,"resets_at":$((NOW + $2)),"confirmed_at":$confirmed},
{"kind":"weekly_all","used_percentage":$3,"resets_at":$((NOW + $4)),"confirmed_at":$confirmed}]}
JSON
}

# A PATH with the tools the scripts use but without jq.
path_without_jq() {
    bin="$BATS_TEST_TMPDIR/bin-without-jq"
    mkdir -p "$bin"
    for tool in sh cat date mkdir mktemp mv rm chmod dirname basename sed grep; do
        ln -sf "$(command -v "$tool")" "$bin/$tool"
    done
    echo "$bin"
}

slept_total() {
    total=0
    while read -r seconds; do total=$((total + seconds)); done <"$SLEEP_LOG"
    echo "$total"
}
