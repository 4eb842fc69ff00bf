#!/bin/bash
# The tray app in a Wayland shell, as a sway user with waybar meets it: the
# icon carries the figure, a click opens the panel as a floating window of
# its content's size (never tiled among the user's windows), and a second
# click closes it. sway runs headless; a virtual pointer clicks.
# Usage: sway_tray.sh PACEWISE FAKE_CLAUDE
# Exits 77 (skipped) where sway, waybar or Qt's Wayland plugin is missing,
# unless CI=true, where their absence is a failure.
set -u

pacewise=$1
fake_claude=$2
here=$(cd "$(dirname "$0")" && pwd)

check=sway_tray
logs="pacewise sway waybar pointer"
# shellcheck source=tests/desktop/scratch_run.sh
. "$here/scratch_run.sh"
for tool in sway swaymsg waybar dbus-run-session dbus-send python3 setpriv; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
[ -n "$(find /usr/lib/*/qt6/plugins/platforms -name 'libqwayland-generic.so' 2>/dev/null)" ] ||
    skip "Qt's Wayland platform plugin (qt6-wayland) is not installed"

home=$work/home
mkdir -p "$home/.claude" "$home/.config/Pacewise" "$home/bin" "$home/scenario" "$work/run"
now=$(date +%s)
printf '{"limits":[{"kind":"five_hour","used_percentage":42,"resets_at":%d,"confirmed_at":%d},{"kind":"weekly_all","used_percentage":17,"resets_at":%d,"confirmed_at":%d}],"status_line_confirmed_at":%d}\n' \
    $((now + 7200)) "$now" $((now + 300000)) "$now" "$now" >"$home/.claude/rate-limit-state.json"
printf '[General]\nonboardingCompleted=true\n' >"$home/.config/Pacewise/Pacewise.conf"
cp "$fake_claude" "$home/bin/claude"
cp "$pacewise" "$work/pacewise"
cat >"$work/sway.conf" <<'CONFIG'
output HEADLESS-1 resolution 1280x800 position 0 0
focus_follows_mouse no
CONFIG
cat >"$work/waybar.json" <<'CONFIG'
{"layer": "top", "position": "top", "height": 30, "modules-left": ["tray"], "tray": {"icon-size": 20, "spacing": 10}}
CONFIG
chmod 700 "$work/run"
[ ${#as[@]} -eq 0 ] || chown -R nobody:nogroup "$work"

export HOME=$home XDG_RUNTIME_DIR=$work/run XDG_CURRENT_DESKTOP=sway XDG_SESSION_TYPE=wayland
export WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman WLR_HEADLESS_OUTPUTS=1
export PATH=$home/bin:/usr/sbin:/usr/bin:/sbin:/bin FAKE_CLAUDE_SCENARIO=$home/scenario
# No accessibility bus to start and leave behind.
export NO_AT_BRIDGE=1 GTK_A11Y=none
unset DISPLAY WAYLAND_DISPLAY SWAYSOCK


# shellcheck disable=SC2016 # expanded by the session's shell
"${as[@]}" dbus-run-session -- sh -c 'echo "$DBUS_SESSION_BUS_ADDRESS" >"$0"; exec sleep 1000' "$work/bus" &
pids+=($!)
eventually test -s "$work/bus" || { echo "sway_tray: no session bus" >&2; exit 1; }
export DBUS_SESSION_BUS_ADDRESS
DBUS_SESSION_BUS_ADDRESS=$(cat "$work/bus")

"${as[@]}" sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
pids+=($!)
sway_socket() { ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock; }
eventually sway_socket || { cat "$work/sway.log" >&2; exit 1; }
SWAYSOCK=$(ls "$work"/run/sway-ipc.*.sock)
export SWAYSOCK WAYLAND_DISPLAY=wayland-1
"${as[@]}" waybar -c "$work/waybar.json" >"$work/waybar.log" 2>&1 &
pids+=($!)
"${as[@]}" python3 "$here/wlpointer.py" "$work/run/pointer" 1280 800 >"$work/pointer.log" 2>&1 &
pids+=($!)
# The session's bus and sway take only their own user's calls.
bus() { "${as[@]}" dbus-send --session --print-reply "$@"; }
sway_tree() { "${as[@]}" swaymsg -t get_tree; }
eventually bus --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
    org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierWatcher string:IsStatusNotifierHostRegistered ||
    { cat "$work/waybar.log" >&2; exit 1; }

"${as[@]}" env QT_QPA_PLATFORM=wayland "$work/pacewise" >"$work/pacewise.log" 2>&1 &
pids+=($!)


# The icon, with the figure in its tooltip.
item_tooltip() {
    item=$(bus --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
        org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierWatcher string:RegisteredStatusNotifierItems |
        sed -n 's/.*string "\(.*\)".*/\1/p' | head -1)
    [ -n "$item" ] || return 1
    bus --dest="${item%%/*}" "/${item#*/}" org.freedesktop.DBus.Properties.Get \
        string:org.kde.StatusNotifierItem string:ToolTip | grep -q '42%'
}
eventually item_tooltip || fail "no tray icon with the figure registered"

# Where the panel is in sway's tree, and whether it floats: "floating WIDTH HEIGHT".
panel_state() {
    sway_tree | python3 -c '
import json, sys
def walk(node, floating):
    if node.get("app_id") == "io.github.pacewise.Pacewise" and node.get("visible"):
        print("floating" if floating else "tiled", node["rect"]["width"], node["rect"]["height"])
    for child in node.get("nodes", []):
        walk(child, floating)
    for child in node.get("floating_nodes", []):
        walk(child, True)
walk(json.load(sys.stdin), False)'
}
click_icon() {
    # The tray is waybar's only module, at its left end.
    echo "move 20 15" >"$work/run/pointer"
    sleep 0.3
    echo "click left" >"$work/run/pointer"
}

sleep 1 # the tray draws the icon a moment after it registers
click_icon
panel_open() { [ -n "$(panel_state)" ]; }
panel_closed() { [ -z "$(panel_state)" ]; }
eventually panel_open || fail "a click on the icon opened no panel"
read -r kind width height <<<"$(panel_state)"
[ "$kind" = floating ] || fail "the panel is $kind, not floating"
if [ "$width" -lt 300 ] || [ "$height" -lt 300 ]; then
    fail "the panel is ${width}x$height, not its content's size"
fi
click_icon
eventually panel_closed || fail "a second click left the panel open"
echo "sway_tray: the icon shows the figure; a click opens a ${width}x$height floating panel, a second closes it"
