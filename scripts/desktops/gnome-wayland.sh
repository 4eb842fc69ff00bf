#!/bin/bash
# GNOME Shell 43 headless on Wayland with the AppIndicator extension, and the
# tray app on native Wayland, for a look by eye: the icon in the top bar, the
# menu a single left click opens (the extension's way), the panel a double
# click opens and where, and the same panel three seconds later.
# Usage, from the project's root: scripts/desktops/gnome-wayland.sh
# The session runs as the ordinary user pwdesk (made if missing), in a private
# session bus, a private system bus with a mock logind, and a scratch HOME.
# Writes to $DESKTOPS_WORK/recipe-gnome.
set -u
here=$(cd "$(dirname "$0")" && pwd)
out=${DESKTOPS_WORK:-${TMPDIR:-/tmp}/pacewise-desktops}/recipe-gnome
# shellcheck source-path=SCRIPTDIR source=scripts/session.sh
. "$here/scripts/session.sh"
export FAKE_CLAUDE=${FAKE_CLAUDE:-$PWD/tests/fakes/claude}
pacewise=${PACEWISE:-$PWD/build/dev/bin/pacewise}
check_start "$pacewise" gnome-shell gnome-screenshot dbus-run-session setpriv convert
# In the top bar, left of the remote desktop session's indicator.
icon_x=1135 icon_y=16

id pwdesk >/dev/null 2>&1 || useradd --no-create-home --shell /bin/sh pwdesk
as=(setpriv --reuid=pwdesk --regid=pwdesk --init-groups)
rm -rf "$out"
mkdir -p "$out/run"
chmod 700 "$out/run"
"$here/scripts/mkhome.sh" "$out/home"
cp "$pacewise" "$out/pacewise"
chown -R pwdesk: "$out"
export HOME=$out/home XDG_RUNTIME_DIR=$out/run FAKE_CLAUDE_SCENARIO=$out/home/scenario
export XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_TYPE=wayland LIBGL_ALWAYS_SOFTWARE=1
export PATH=$HOME/bin:/usr/sbin:/usr/bin:/sbin:/bin
unset DISPLAY WAYLAND_DISPLAY
python3 -c 'import dbusmock' 2>/dev/null || { echo "python3-dbusmock is not installed (see README.md)" >&2; exit 2; }
trap stop_run EXIT

# shellcheck disable=SC2016 # expanded by the session's shell
"${as[@]}" dbus-run-session -- sh -c 'echo "$DBUS_SESSION_BUS_ADDRESS" >"$0"; exec sleep 100000' "$out/bus" &
# The shell wants logind on the system bus; a private one with a mock will do.
"${as[@]}" dbus-daemon --session --nofork --print-address=1 >"$out/sysbus" 2>"$out/sysbus.log" &
eventually 10 test -s "$out/bus" || exit 1
eventually 10 test -s "$out/sysbus" || exit 1
export DBUS_SESSION_BUS_ADDRESS DBUS_SYSTEM_BUS_ADDRESS
DBUS_SESSION_BUS_ADDRESS=$(cat "$out/bus")
DBUS_SYSTEM_BUS_ADDRESS=$(cat "$out/sysbus")
"${as[@]}" python3 -m dbusmock --system --template logind >"$out/logind.log" 2>&1 &
sleep 2
"${as[@]}" gsettings set org.gnome.shell enabled-extensions "['ubuntu-appindicators@ubuntu.com']"
"${as[@]}" gsettings set org.gnome.desktop.interface enable-hot-corners false
"${as[@]}" gnome-shell --wayland --headless --no-x11 --virtual-monitor 1280x800 --wayland-display=wayland-g \
    >"$out/shell.log" 2>&1 &
eventually 60 host_up || { echo "no tray host in GNOME Shell; see $out/shell.log" >&2; exit 1; }
export WAYLAND_DISPLAY=wayland-g
# Without these in the bus's activation environment the portals do not start.
"${as[@]}" dbus-update-activation-environment WAYLAND_DISPLAY=wayland-g XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_TYPE=wayland
"${as[@]}" python3 "$here/scripts/mutterpointer.py" "$out/run/pointer.fifo" >"$out/pointer.log" 2>&1 &
eventually 10 test -p "$out/run/pointer.fifo" || { echo "no pointer; see $out/pointer.log" >&2; exit 1; }
# A write to the pipe waits for the reader; do not wait forever for a dead one.
pointer() { timeout 10 tee "$out/run/pointer.fifo" <<<"$1" >/dev/null; }
shot() { "${as[@]}" gnome-screenshot "$@"; }

"${as[@]}" env QT_QPA_PLATFORM=wayland "$out/pacewise" >"$out/pacewise.log" 2>&1 &
if eventually 20 figure_in_tooltip; then echo "an icon's tooltip has 42%"; else echo "no icon's tooltip has 42%"; fi
sleep 2
shot -f "$out/tray.png"

# The shell starts in the overview; a click on its empty middle leaves it.
pointer "move 640 400"
pointer "click left"
sleep 2
shot -f "$out/desktop.png"
# A single click opens the extension's menu (after the double-click time).
pointer "goto $icon_x $icon_y"
pointer "click left"
sleep 2
shot -p -f "$out/singleclick.png"
# A click elsewhere closes it; then wait out the double-click time.
pointer "goto 640 400"
pointer "click left"
sleep 2
shot -f "$out/menu-closed.png"
pointer "goto $icon_x $icon_y"
sleep 1
pointer "click left"
pointer "click left"
sleep 3
shot -f "$out/doubleclick.png"
sleep 3
shot -f "$out/doubleclick-3s.png"
# A click on the empty desktop, away from the panel, should close it.
pointer "goto 1000 600"
pointer "click left"
sleep 2
shot -f "$out/clicked-outside.png"
pointer quit
# Wayland tells no client where windows are: what changed below the top bar
# between the two pictures is the panel.
convert "$out/menu-closed.png" "$out/doubleclick.png" -compose difference -composite \
    -crop 1280x768+0+32 -fuzz 3% -trim -format 'changed below the top bar: %wx%h%X%Y (WxH+X+Y)\n' info: |
    tee "$out/panel-geometry.txt"
echo "screenshots: $out/tray.png $out/desktop.png $out/singleclick.png $out/menu-closed.png $out/doubleclick.png" \
    "$out/doubleclick-3s.png $out/clicked-outside.png"
