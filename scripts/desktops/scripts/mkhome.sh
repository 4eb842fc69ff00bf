#!/bin/sh
# Makes a fresh scratch HOME for a desktop run: the figures 42 % (five hours)
# and 17 % (week), just confirmed by the status line so that the app shows
# them without asking claude; onboarding done; the fake claude in ~/bin.
# Usage: mkhome.sh DIR   (FAKE_CLAUDE names the fake)
set -eu
home=$1
rm -rf "$home"
mkdir -p "$home/.claude" "$home/.config/Pacewise" "$home/bin" "$home/scenario"
now=$(date +%s)
printf '{"limits":[{"kind":"five_hour","used_percentage":42,"resets_at":%d,"confirmed_at":%d},{"kind":"weekly_all","used_percentage":17,"resets_at":%d,"confirmed_at":%d}],"status_line_confirmed_at":%d}\n' \
    $((now + 7200)) "$now" $((now + 300000)) "$now" "$now" >"$home/.claude/rate-limit-state.json"
printf '[General]\nonboardingCompleted=true\n' >"$home/.config/Pacewise/Pacewise.conf"
cp "${FAKE_CLAUDE:?set FAKE_CLAUDE to the fake claude}" "$home/bin/claude"
