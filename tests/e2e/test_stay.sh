#!/usr/bin/env bash
# Where the display windows stay, each in another mode, with another
# program's window moved over their left parts: the clock ("On top") stays
# over it, the countdown ("Among windows") is covered until clicked and
# then comes up, the calendar ("On the desktop") is covered and stays so when
# a day is clicked and its day window opens. Only the clock keeps the topmost
# style.
#
# Runs under the openbox window manager (Debian package openbox), so that
# windows are moved and activated as on a desktop. What covers what is read
# from the window system's own order (the window seen at a point), since
# Wine raises the X windows of frameless windows but never lowers them: the
# screen would show every display window over the other program's.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
e2e_setup stay

command -v openbox >/dev/null || e2e_fail "openbox is not installed (tools/install-deps.sh installs it)"

# A real window manager keeps the window states itself.
e2e_stop_wm_state_stub
# The window manager lives as long as the display: it ends with Xvfb. Once
# in a while it quits at once on a display just made: it is started again.
openbox --sm-disable >"$E2E_DIR/openbox.log" 2>&1 &
wm_pid=$!
deadline=$(_e2e_deadline 20)
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
  _e2e_before "$deadline" || e2e_fail "openbox did not start: $(tail -n3 "$E2E_DIR/openbox.log")"
  if ! _e2e_alive "$wm_pid"; then
    openbox --sm-disable >>"$E2E_DIR/openbox.log" 2>&1 &
    wm_pid=$!
  fi
  sleep 0.2
done

zd_seed_with < <(
  zd_dwords Clock ClockLeft=200 ClockTop=40 ClockStay=0
  zd_dwords Countdown CountLeft=200 CountTop=250 CountStay=1
  zd_dwords Calendar CalendarLeft=200 CalendarTop=420 CalendarStay=2
)
zd_set_desktop
e2e_start_zentrova
pid=$E2E_PID
e2e_wait_tray 60 >/dev/null
zd_wait_display_windows 60

readonly GADGETS=(Tessarvelune Countdown "Zentrova Calendar")
expect_styles() {
  e2e_expect_eq "$(zd_probe window_order style "${GADGETS[@]}")" \
    "$(printf '%s\n' 'Tessarvelune topmost' 'Countdown normal' 'Zentrova Calendar normal')" "$1"
}
expect_styles "the windows' styles"
# For each window a point of its left part, which the probe will cover, and
# one of its right end, which it leaves free.
covered_points=() free_points=()
for caption in "${GADGETS[@]}"; do
  read -r _ x y w h <<<"$(zd_place_of "$caption")"
  ((x + w > 310)) || e2e_fail "$caption would lie wholly under the probe ($x $y $w $h)"
  covered_points+=($((x + 40)) $((y + h / 2)))
  free_points+=("$((x + w - 10)) $((y + h / 2))")
done

# The probe: gray, framed, activated, then moved so that it covers the left
# 300 pixels of the screen (the windows stand from x 200).
e2e_start_exe "${ZENTROVA_WIN_BUILD_DIR:-}/empty_window.exe" framed
cover_pid=$E2E_PID
cover=$(e2e_wait_window "Cover Probe" 30)
xdotool windowmove "$cover" 0 0
xdotool windowactivate "$cover" 2>/dev/null || true
sleep 1

# seen: the captions of the windows seen at the covered points.
seen() { zd_probe window_order at "${covered_points[@]}"; }
# click_free N: clicks window N's free point and gives the window system a second.
click_free() { local x y; read -r x y <<<"${free_points[$1]}"; e2e_click "$x" "$y"; sleep 1; }
e2e_expect_eq "$(seen)" "$(printf '%s\n' Tessarvelune 'Cover Probe' 'Cover Probe')" "under the moved window"
# The calendar's free point is a day of its third week: the click opens that
# day's window (named by the date), which must not lift the calendar.
click_free 2
day_window=$(xdotool search --onlyvisible --name ', [0-9]+/[0-9]+/[0-9]{4}$' 2>/dev/null | head -n1)
[[ -n "$day_window" ]] || e2e_fail "no day window after a click on the calendar's day"
e2e_expect_eq "$(seen)" "$(printf '%s\n' Tessarvelune 'Cover Probe' 'Cover Probe')" "the calendar's day clicked"
e2e_key Escape
e2e_wait_window_gone "$(xdotool getwindowname "$day_window")" 5
click_free 1
e2e_expect_eq "$(seen)" "$(printf '%s\n' Tessarvelune Countdown 'Cover Probe')" "the countdown clicked"
expect_styles "the styles after the clicks"
# The probe covers the tray's window too: it ends before the tray's Close.
e2e_focus "$cover"
e2e_key Escape
e2e_wait_exit 20 "$cover_pid" || e2e_fail "the probe window did not end"
zd_close_by_tray "$pid"
e2e_pass "on top stays over the moved window; among windows is covered and comes up when clicked; on the desktop stays under it"
