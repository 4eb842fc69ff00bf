#!/bin/bash
# The panel as a screen reader (Orca) drives it, through at-spi alone: a
# Press on "Refresh now" makes the app ask claude for the figures again, and
# a Toggle on the Caffeine switch makes the app hold keep-awake, as
# pacewisectl then reports. The app runs under Xvfb with its accessibility
# always on, on a private bus that plays both the session bus (with the
# at-spi bus launcher a desktop session starts) and the system bus (with
# python-dbusmock's systemd-logind to hold the inhibitor).
# Usage: atspi_actions.sh PACEWISE PACEWISECTL FAKE_CLAUDE
# Exits 77 (skipped) where Xvfb, at-spi or pyatspi is missing, unless
# CI=true, where their absence is a failure.
set -u

pacewise=$1
pacewisectl=$2
fake_claude=$3
here=$(cd "$(dirname "$0")" && pwd)
# The system's tools, not a user's own python3 without pyatspi.
export PATH=/usr/sbin:/usr/bin:/sbin:/bin

check=atspi_actions
logs="pacewise xvfb bus logind at-spi"
# shellcheck source=tests/desktop/scratch_run.sh
. "$here/scratch_run.sh"
for tool in Xvfb dbus-daemon dbus-send python3 setpriv; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done
at_spi_launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$at_spi_launcher" ] || skip "the at-spi bus launcher (at-spi2-core) is not installed"
python3 -c 'import pyatspi' 2>/dev/null || skip "pyatspi (python3-pyatspi) is not installed"
python3 -c 'import dbusmock' 2>/dev/null || skip "python-dbusmock (python3-dbusmock) is not installed"
[ -n "$(find /usr/lib/*/qt6/plugins/platforms -name 'libqxcb.so' 2>/dev/null)" ] ||
    skip "Qt's X11 platform plugin is not installed"

# No figures from the status line: with fresh ones the app would not ask
# claude, and a refresh would show nowhere. claude answers 42 % (five
# hours) and 17 % (week), so the next poll is five minutes away.
home=$work/home
mkdir -p "$home/.claude" "$home/.config/Pacewise" "$home/bin" "$home/scenario" "$work/run"
now=$(date +%s)
reset=$(LC_ALL=C date -u -d "@$((now + 7200))" '+%b %-d, %Y, %-I:%M%P (UTC)')
printf '{"type":"result","is_error":false,"result":"Current session: 42%% used · resets %s\\nCurrent week (all models): 17%% used · resets %s"}\n' \
    "$reset" "$reset" >"$home/scenario/usage-limits.stdout"
printf '[General]\nonboardingCompleted=true\n' >"$home/.config/Pacewise/Pacewise.conf"
cp "$fake_claude" "$home/bin/claude"
cp "$pacewise" "$work/pacewise"
cp "$pacewisectl" "$work/pacewisectl"
cp "$here/atspi_actions.py" "$work/atspi_actions.py"
# The bus starts nothing by itself: a desktop portal it found in the
# system's folders would take keep-awake from logind.
cat >"$work/bus.conf" <<CONFIG
<busconfig>
  <type>session</type>
  <listen>unix:path=$work/bus</listen>
  <policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/></policy>
</busconfig>
CONFIG
chmod 700 "$work/run"
[ ${#as[@]} -eq 0 ] || chown -R nobody:nogroup "$work"

export HOME=$home XDG_RUNTIME_DIR=$work/run LC_ALL=C.UTF-8 TZ=UTC
export PATH=$home/bin:$PATH FAKE_CLAUDE_SCENARIO=$home/scenario FAKE_CLAUDE_LOG=$work/claude.log
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/bus DBUS_SYSTEM_BUS_ADDRESS=unix:path=$work/bus
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset LANGUAGE WAYLAND_DISPLAY NO_AT_BRIDGE



"${as[@]}" Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x800x24 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
eventually test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY
DISPLAY=:$(head -1 "$work/display")

"${as[@]}" dbus-daemon --config-file="$work/bus.conf" --nofork >"$work/bus.log" 2>&1 &
pids+=($!)
eventually test -S "$work/bus" || fail "no private bus"
# The bus takes only its own user's calls.
bus() { "${as[@]}" dbus-send --session --print-reply "$@"; }
owned() { bus --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner "string:$1" | grep -q 'boolean true'; }

"${as[@]}" python3 -m dbusmock --template logind >"$work/logind.log" 2>&1 &
pids+=($!)
eventually owned org.freedesktop.login1 || fail "the mock systemd-logind did not come up"

# Started by the session before any application, as desktops do: Qt's
# bridge connects when it sees the launcher's name, and does not start it.
"${as[@]}" "$at_spi_launcher" --launch-immediately >"$work/at-spi.log" 2>&1 &
pids+=($!)
eventually owned org.a11y.Bus || fail "the at-spi bus launcher did not come up"

"${as[@]}" "$work/pacewise" >"$work/pacewise.log" 2>&1 &
app=$!
pids+=("$app")
usage_calls() { grep -c -- '^--- usage-limits$' "$work/claude.log" 2>/dev/null; }
asked_claude() { [ "$(usage_calls)" -ge 1 ]; }
eventually owned io.github.pacewise.Pacewise || fail "Pacewise did not start"
eventually asked_claude || fail "Pacewise never asked claude for the figures"

# Started again, Pacewise asks the running one to open its panel.
opened=$("${as[@]}" timeout 30 "$work/pacewise" 2>&1) || fail "a second start did not open the panel: $opened"

ctl() { "${as[@]}" "$work/pacewisectl" "$@"; }
at_spi() { "${as[@]}" python3 "$work/atspi_actions.py" "$@" 2>&1; }

# Press on "Refresh now": claude is asked once more. The press waits for
# the button to be enabled, that is for the first fetch to be over.
before=$(usage_calls)
said=$(at_spi Press "push button" "Refresh now") || fail "Press on Refresh now: $said"
asked_again() { [ "$(usage_calls)" -gt "$before" ]; }
eventually asked_again || fail "Press on Refresh now did not ask claude for the figures again ($before calls before, $(usage_calls) after)"
[ "$(usage_calls)" -eq $((before + 1)) ] || fail "Press on Refresh now asked claude $(($(usage_calls) - before)) times, not once"

# Toggle on the Caffeine switch: the app holds keep-awake, from logind.
state=$(ctl caffeine status 2>&1)
[ "$state" = "Caffeine: off" ] || fail "keep-awake was not off before the toggle: $state"
said=$(at_spi Toggle "check box" Caffeine) || fail "Toggle on Caffeine: $said"
held() { ctl caffeine status | grep -qx "Caffeine: on (held by pid $app)"; }
eventually held || fail "Toggle on Caffeine left keep-awake off: $(ctl caffeine status 2>&1)"
inhibitors=$(bus --dest=org.freedesktop.login1 /org/freedesktop/login1 org.freedesktop.login1.Manager.ListInhibitors)
grep -q '"Pacewise"' <<<"$inhibitors" || fail "pacewisectl says keep-awake is on, but logind holds no inhibitor of Pacewise's"

echo "atspi_actions: Press on Refresh now asked claude again; Toggle on Caffeine made Pacewise (pid $app) hold keep-awake"
