#!/usr/bin/env bats
# The hand-run report of the engine state.

load test_helper

REFRESH="$ENGINE_DIR/rate-limit-refresh.sh"

@test "fresh figures are shown and exit 0" {
    write_state 42 7200 17 259200
    run sh "$REFRESH"
    [ "$status" -eq 0 ]
    [ "${lines[1]}" = "updated: 60 s ago" ]
    [ "${lines[2]}" = "five_hour: 42% used, resets 2026-12-06 14:26 UTC" ]
}

@test "stale figures exit 2, a missing or broken file exits 1" {
    write_state 42 7200 17 259200 4000
    run sh "$REFRESH"
    [ "$status" -eq 2 ]
    rm "$STATE"
    run sh "$REFRESH"
    [ "$status" -eq 1 ]
    echo '[1,2' >"$STATE"
    run sh "$REFRESH"
    [ "$status" -eq 1 ]
}
