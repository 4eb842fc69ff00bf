# shellcheck shell=bash
# Sourced by the recipes: checks before a run, waiting, and stopping all that
# a run started.
: "${out:?the recipe names its output folder before it sources this}"

# Usage: check_start APP TOOL...  The recipes start from the project's root,
# with a built app and the fake claude, and need the tools named.
check_start() {
    local app=$1 tool
    shift
    if [ ! -x "$app" ] || [ ! -x "${FAKE_CLAUDE:-}" ]; then
        echo "no $app or ${FAKE_CLAUDE:-fake claude}: run from the project's root after 'make build'," \
            "or set PACEWISE and FAKE_CLAUDE" >&2
        exit 2
    fi
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "$tool is not installed (see README.md)" >&2; exit 2; }
    done
}

# Waits up to SECONDS for a command to succeed; says which one did not.
eventually() {
    local seconds=$1
    shift
    for _ in $(seq $((seconds * 10))); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "gave up waiting after ${seconds}s for: $*" >&2
    return 1
}

# What runs a command as the session's user, whose bus takes only its own
# user's calls; a recipe whose session is root's leaves it empty.
as=()

# The tray's watcher on the session bus.
watcher() {
    "${as[@]}" dbus-send --session --print-reply --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
        org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierWatcher "string:$1"
}
host_up() { watcher IsStatusNotifierHostRegistered | grep -q 'boolean true'; }
# Whether a registered icon's tooltip carries the figure. Plasma names an item
# ":1.7/StatusNotifierItem", the GNOME extension ":1.7@/StatusNotifierItem".
figure_in_tooltip() {
    local item name
    watcher RegisteredStatusNotifierItems >"$out/items.txt"
    : >"$out/tooltip.txt"
    while read -r item; do
        name=${item%%/*}
        "${as[@]}" dbus-send --session --print-reply --dest="${name%@}" "/${item#*/}" \
            org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierItem string:ToolTip |
            tee -a "$out/tooltip.txt" | grep -q '42%' && return 0
    done < <(sed -n 's/.*string "\(.*\)".*/\1/p' "$out/items.txt")
    return 1
}

# Everything a run starts, and whatever its session bus starts for it, has the
# run's private runtime folder in its environment; nothing else has. grep runs
# without that variable so that it does not find itself.
ours() {
    local files file
    files=$(env -u XDG_RUNTIME_DIR grep -lsxzF "XDG_RUNTIME_DIR=$out/run" /proc/[0-9]*/environ)
    for file in $files; do
        file=${file#/proc/}
        echo "${file%/environ}"
    done
}

# TERM to all of them, KILL after five seconds to what is still there (and
# say so), then the line a reader looks for: what, if anything, survived.
stop_run() {
    local pids
    pids=$(ours)
    # shellcheck disable=SC2086 # one PID a word
    [ -z "$pids" ] || kill $pids 2>/dev/null
    for _ in $(seq 50); do
        [ -z "$(ours)" ] && break
        sleep 0.1
    done
    pids=$(ours)
    if [ -n "$pids" ]; then
        echo "still there after TERM, now killed: ${pids//$'\n'/ }"
        # shellcheck disable=SC2086
        kill -KILL $pids 2>/dev/null
        sleep 1
    fi
    pids=$(ours)
    echo "left running: ${pids:-none}"
}
