#!/usr/bin/env bash
# A display window at transparency 50 under Wine: its face and its text
# fade away together, so the clock, although it exists and ticks, shows
# nothing where it stands, and a click on it reaches the window beneath and
# leaves the clock where it is.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
e2e_setup invisible_face

clock_key='HKCU\Software\Zentrova\Clock'
left=340
top=420

zd_seed_by_first_start
# The one-line clock (plenty of text, drawn each second) at transparency 50.
zd_reg_import <<EOF2
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Zentrova\\Clock]
"ClockTransparent"=dword:00000032
"DateShow"=dword:00000001
"ClockSky"=dword:00000000
"TimeIndex"=dword:00000003
"ClockGo"=dword:00000000
"ClockShow"=dword:00000001
"ClockLeft"=dword:$(printf %08x $left)
"ClockTop"=dword:$(printf %08x $top)
EOF2

# A window beneath the whole clock, clear of where the other two windows
# stand; xev's own small subwindow sits at its top left, clear of the clock.
zd_start_beneath 250 360 700 160
zd_set_desktop
sleep 0.3
e2e_screenshot before.png >/dev/null

e2e_start_zentrova
pid=$E2E_PID
clock=$(e2e_wait_window "Tessarvelune" 60)
# The first ticks draw the texts; wait for a few seconds' frames.
sleep 2
read -r x y w h <<<"$(e2e_window_geometry "$clock")"
((x == left && y == top)) || e2e_fail "the clock is at $x,$y, not at its stored $left,$top"
((w > 2 * h && h > 10)) || e2e_fail "a one-line face of ${w}x$h"
((x + w <= 950 && y + h <= 520)) || e2e_fail "the clock ${w}x$h at $x,$y does not lie over the beneath window"

# Nothing of the clock shows, text included: its area is, pixel for pixel,
# what was there before it started, second after second.
zd_crop before.png "$x" "$y" "$w" "$h" before-area.ppm >/dev/null
for shot in 1 2; do
  e2e_screenshot "after-$shot.png" >/dev/null
  zd_crop "after-$shot.png" "$x" "$y" "$w" "$h" "after-$shot.ppm" >/dev/null
  shown=$(zd_differing "$E2E_DIR/before-area.ppm" "$E2E_DIR/after-$shot.ppm" 0 "$(zd_rect 0 0 "$w" "$h")")
  ((shown == 0)) || e2e_fail "the clock at transparency 50 shows $shown pixels (shot $shot)"
  sleep 1.1
done
e2e_process_running "$pid" || e2e_fail "the program ended"

# Every click on it passes through: the pointer is over the window beneath,
# even at the middle of the face where the text is, and the press reaches it.
cx=$((x + w / 2))
cy=$((y + h / 2))
e2e_expect_eq "$(zd_window_under "$cx" "$cy")" "$ZD_BENEATH_ID" "window under the middle of the invisible clock"
e2e_click "$cx" "$cy"
zd_wait_press_at "$cx" "$cy" || e2e_fail "the click on the invisible clock did not reach the window beneath"
e2e_drag "$cx" "$cy" $((cx + 40)) $((cy + 20))
sleep 0.5
zd_expect_geometry "$clock" "$x $y $w $h" "the invisible clock after a drag across it" 0
e2e_expect_eq "$(e2e_reg_dword "$clock_key" ClockLeft)" "$left" "ClockLeft after a drag across the invisible clock"

zd_close_by_tray "$pid"
zd_stop_beneath
e2e_pass
