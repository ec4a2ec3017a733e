#!/usr/bin/env bash
# Two monitors side by side. A still clock stored on the second monitor, just
# right of its left edge, starts there and stays; a wandering countdown stored
# there keeps within that monitor. When the second monitor is switched off
# (Wine sends no display change then) the clock comes onto the first one
# within the program's once-a-second look at the monitors, and creeps on
# until it is wholly there and saved.
set -euo pipefail
# shellcheck disable=SC2034  # read by lib.sh
E2E_X_SERVER=Xorg
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
e2e_setup two_monitors

e2e_xorg_monitors 2
probe="${ZENTROVA_WIN_BUILD_DIR:-$(dirname "$ZENTROVA_EXE")}/monitor_probe.exe"
monitors=$(timeout 60 wine "$probe" | tr -d '\r' | grep '^monitor ' | sort) || e2e_fail "monitor_probe failed"
e2e_expect_eq "${monitors//$'\n'/; }" "monitor 0 0 1024 768 dpi 96 primary; monitor 1024 0 2048 768 dpi 96" \
  "the monitors Wine reports"

zd_seed_by_first_start
zd_reg_import <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Software\Zentrova\Clock]
"ClockLeft"=dword:00000406
"ClockTop"=dword:00000064

[HKEY_CURRENT_USER\Software\Zentrova\Countdown]
"CountGo"=dword:00000001
"CountLeft"=dword:00000402
"CountTop"=dword:0000012c
EOF
e2e_start_zentrova
pid=$E2E_PID
clock=$(e2e_wait_window "Tessarvelune" 60)
countdown=$(e2e_wait_window "Countdown" 60)
read -r _ _ w h <<<"$(e2e_window_geometry "$clock")"
zd_expect_geometry "$clock" "1030 100 $w $h" "the clock at its start" 10

# For four seconds and six looks at least: the clock stays put, and every
# place the countdown wanders to lies on the second monitor (a bounce shows
# a window up to two pixels past the edge for one tick). Started two pixels
# from the first monitor, it would cross at once to wander over both.
clock_at=$(e2e_window_geometry "$clock")
declare -A seen=()
deadline=$(_e2e_deadline 4)
for ((looks = 0; looks < 6 || $(_e2e_now) < deadline; looks++)); do
  e2e_expect_eq "$(e2e_window_geometry "$clock")" "$clock_at" "the still clock on the second monitor"
  read -r x y w h <<<"$(e2e_window_geometry "$countdown")"
  ((x >= 1022 && y >= -2 && x + w <= 2050 && y + h <= 770)) ||
    e2e_fail "the wandering countdown at $x $y ${w}x$h left the second monitor"
  seen["$x $y"]=1
done
((${#seen[@]} >= 3)) || e2e_fail "the countdown did not wander: ${#seen[@]} places in $looks looks"

e2e_xorg_monitors 1
off_at=$(_e2e_now)
deadline=$(_e2e_deadline 5)
until read -r x y w h <<<"$(e2e_window_geometry "$clock")" && ((x < 1024)); do
  _e2e_before "$deadline" || e2e_fail "the clock is still at $x $y five seconds after its monitor went"
  sleep 0.1
done
_e2e_say "the clock came onto the first monitor $(_e2e_elapsed_since "$off_at") s after the second went"
# One pixel a tick until it lies inside, 2 pixels clear of the right edge.
zd_expect_geometry "$clock" "$((1024 - w - 2)) 100 $w $h" "the clock at home" 30
deadline=$(_e2e_deadline 5)
until [[ "$(e2e_reg_dword 'HKCU\Software\Zentrova\Clock' ClockLeft)" == $((1024 - w - 2)) ]]; do
  _e2e_before "$deadline" || e2e_fail "the clock's new place was not saved"
done
zd_close_by_tray "$pid"
e2e_pass
