#!/bin/bash
# Plasma 5.27 on X11 (Xvfb, kwin_x11, plasmashell with software rendering)
# with the tray app in it, for a look by eye: the icon in Plasma's tray, the
# panel a left click opens and where, and the same panel three seconds later
# (its "updated … ago" line should have moved on). "dark" runs it under the
# Breeze Dark colour scheme, which the panel must follow.
# Usage, from the project's root: scripts/desktops/kde-x11.sh [light|dark]
# Runs as root (kwin_x11 and plasmashell accept it), in a private session bus
# and a scratch HOME. Writes to $DESKTOPS_WORK/recipe-kde-light (or -dark).
set -u
variant=${1:-light}
case $variant in
light | dark) ;;
*) echo "usage: $0 [light|dark]" >&2; exit 2 ;;
esac
here=$(cd "$(dirname "$0")" && pwd)
out=${DESKTOPS_WORK:-${TMPDIR:-/tmp}/pacewise-desktops}/recipe-kde-$variant
# shellcheck source-path=SCRIPTDIR source=scripts/session.sh
. "$here/scripts/session.sh"
export FAKE_CLAUDE=${FAKE_CLAUDE:-$PWD/tests/fakes/claude}
pacewise=${PACEWISE:-$PWD/build/dev/bin/pacewise}
check_start "$pacewise" Xvfb kwin_x11 plasmashell dbus-run-session xdotool xprop import
# With the default bottom panel on a 1280x800 screen, ours is the first icon
# of the tray.
icon_x=1041 icon_y=778

rm -rf "$out"
mkdir -p "$out/run"
chmod 700 "$out/run"
"$here/scripts/mkhome.sh" "$out/home"
if [ "$variant" = dark ]; then
    # Breeze Dark's colours as System Settings writes them; Plasma and Qt's
    # own KDE theme both read them from here.
    cp "$here/../../tests/data/kde-breeze-dark/kdeglobals" "$out/home/.config/kdeglobals"
fi
cp "$pacewise" "$out/pacewise"
export HOME=$out/home XDG_RUNTIME_DIR=$out/run FAKE_CLAUDE_SCENARIO=$out/home/scenario
export XDG_CURRENT_DESKTOP=KDE KDE_FULL_SESSION=true KDE_SESSION_VERSION=5 XDG_SESSION_TYPE=x11 DESKTOP_SESSION=plasma
export LIBGL_ALWAYS_SOFTWARE=1 PATH=$HOME/bin:/usr/sbin:/usr/bin:/sbin:/bin
unset WAYLAND_DISPLAY
trap stop_run EXIT

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$out/display" >"$out/xvfb.log" 2>&1 &
eventually 10 test -s "$out/display" || exit 1
DISPLAY=:$(cat "$out/display")
export DISPLAY
# shellcheck disable=SC2016 # expanded by the session's shell
dbus-run-session -- sh -c 'echo "$DBUS_SESSION_BUS_ADDRESS" >"$0"; exec sleep 100000' "$out/bus" &
eventually 10 test -s "$out/bus" || exit 1
export DBUS_SESSION_BUS_ADDRESS
DBUS_SESSION_BUS_ADDRESS=$(cat "$out/bus")

QT_XCB_GL_INTEGRATION=none kwin_x11 --replace >"$out/kwin.log" 2>&1 &
sleep 3
QT_QUICK_BACKEND=software QT_XCB_GL_INTEGRATION=none plasmashell --no-respawn >"$out/plasmashell.log" 2>&1 &
eventually 60 host_up || { echo "Plasma's tray did not come up; see $out/plasmashell.log" >&2; exit 1; }
sleep 5 # the panel is drawn a moment after the tray registers

"$out/pacewise" >"$out/pacewise.log" 2>&1 &
if eventually 20 figure_in_tooltip; then echo "an icon's tooltip has 42%"; else echo "no icon's tooltip has 42%"; fi
sleep 2
import -window root "$out/tray.png"

xdotool mousemove "$icon_x" "$icon_y" click 1
sleep 3
import -window root "$out/leftclick.png"
sleep 3
import -window root "$out/leftclick-3s.png"
# The panel is placed against the work area, which Plasma's panel leaves out.
{
    echo "clicked at $icon_x,$icon_y; $(xprop -root _NET_WORKAREA)"
    for window in $(xdotool search --onlyvisible --name '^Pacewise$'); do
        xdotool getwindowgeometry "$window"
    done
} | tee "$out/panel-geometry.txt"
echo "screenshots: $out/tray.png $out/leftclick.png $out/leftclick-3s.png"
