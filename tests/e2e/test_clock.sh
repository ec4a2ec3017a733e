#!/usr/bin/env bash
# The clock window under Wine: its caption and place; a face sized by its
# layout (one line, time only, two- and three-line tower, the oval tower's
# wider face) in the proportions the face arithmetic gives for one measured
# text height; the text drawn centred in the skin's text colour; the seconds
# changing on screen and nothing else; the popup menu's "Settings" and
# "Close"; Escape; a stored position left of the screen creeping back and
# being saved; wandering, which moves the window and saves nothing; a clock
# set to Tokyo with the label "Tokyo" on a machine on universal time showing
# exactly what a clock on local time with the same label shows on a machine
# in Tokyo, and not what the local clock shows; and ClockShow 0 hiding the
# clock.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
e2e_setup clock

clock_key='HKCU\Software\Zentrova\Clock'
left=740
top=300

# Keeps the X server alive between the program's runs (it resets, and
# blackens the root, when its last client leaves) and out of the way.
zd_start_beneath 960 700 40 40
zd_set_desktop
zd_seed_by_first_start

# clock_run DATESHOW SKY DATEINDEX OVAL [NAME=VALUE...]: stores these clock
# settings (skin 9, "hh:nn:ss", the clock at $left,$top, still and shown
# unless the extra values say otherwise) and starts the program.
clock_run() {
  local values=("TimeIndex=3" "DateShow=$1" "ClockSky=$2" "DateIndex=$3" "ClockRectOval=$4"
    "ClockLeft=$left" "ClockTop=$top" "ClockGo=0" "ClockShow=1" "${@:5}")
  { echo REGEDIT4; zd_dwords Clock "${values[@]}"; } | zd_reg_import
  e2e_start_zentrova
  PID=$E2E_PID
  CLOCK=$(e2e_wait_window "Tessarvelune" 60)
  zd_wait_drawn "$CLOCK"
  sleep 1
  read -r X Y W H <<<"$(e2e_window_geometry "$CLOCK")"
  echo "clock $*: ${W}x$H at $X,$Y"
}

# --- One line: "December 09, 06:14:42" ------------------------------------
clock_run 1 0 1 0
((X == left && Y == top)) || e2e_fail "the clock is at $X,$Y, not at its stored $left,$top"
line_w=$W
line_h=$H
((line_w > 4 * line_h)) || e2e_fail "a one-line face of ${W}x$H is not a wide line"

# The text: centred, as wide as the measured line (the face is 1.24 times
# that), in the skin's text colour.
zd_next_second_shots "$CLOCK" line-a.ppm line-b.ppm
zd_expect_text "$E2E_DIR/line-a.ppm" 150 "the one-line face" "$(zd_rect 0 0 "$W" "$H")"
read -r x0 y0 x1 y1 <<<"$(zd_text_extent "$E2E_DIR/line-a.ppm" "$(zd_rect 0 0 "$W" "$H")")"
ink_w=$((x1 - x0 + 1))
((ink_w * 124 >= W * 100 * 80 / 100 && ink_w * 124 <= W * 100 + 124 * 2)) ||
  e2e_fail "the text is $ink_w pixels wide on a face $W wide (expected about W / 1.24)"
((x0 - (W - 1 - x1) <= 6 && (W - 1 - x1) - x0 <= 6)) ||
  e2e_fail "the text is not centred: $x0 pixels free at the left, $((W - 1 - x1)) at the right"
((y0 > 0 && y1 < H - 1)) || e2e_fail "the text rows $y0..$y1 reach the face's edge"

# A second later only the time at the right end of the line has changed;
# the date at the left end and the face around the text are as they were.
date_part=$(zd_rect 0 0 $((W * 2 / 5)) "$H")
seconds_part=$(zd_rect $((W * 3 / 4)) 0 "$W" "$H")
rim=$(zd_rect 0 0 "$W" $((y0 - 1)))
e2e_expect_eq "$(zd_differing "$E2E_DIR/line-a.ppm" "$E2E_DIR/line-b.ppm" 2 "$date_part" "$rim")" 0 \
  "changed pixels in the date and above the text a second later"
changed=$(zd_differing "$E2E_DIR/line-a.ppm" "$E2E_DIR/line-b.ppm" 2 "$seconds_part")
((changed >= 10)) || e2e_fail "the seconds did not change on screen ($changed pixels changed)"

# The popup menu opens at the cursor with two items: the first, "Settings",
# shows the settings window; the second, "Close", ends the program.
menu=$(zd_expect_menu_of "$CLOCK")
e2e_screenshot clock-menu.png >/dev/null
read -r mx my <<<"$(e2e_menu_item_xy "$menu" 0 2)"
e2e_click "$mx" "$my"
e2e_wait_window "Zentrova Settings" 10 >/dev/null
e2e_process_running "$PID" || e2e_fail "the menu's Settings ended the program"
zd_close_by_menu "$CLOCK" "$PID"
e2e_wait_window_gone "Tessarvelune" 10

# --- Time only, stored left of the screen ---------------------------------
# Time only has the one-line face's height (both are 1.2 x the height of the
# time text) and is narrower. The still clock creeps right one pixel per
# tick and is saved once it lies inside the screen.
clock_run 0 0 1 0 "ClockLeft=-50"
((H == line_h)) || e2e_fail "the time-only face is $H high, the one-line face $line_h"
((W < line_w * 3 / 4)) || e2e_fail "the time-only face ($W) is not narrower than the one-line face ($line_w)"
zd_expect_geometry "$CLOCK" "0 $top $W $H" "the clock stored at left -50, 1.5 s later" 5
deadline=$(_e2e_deadline 5)
until [[ "$(e2e_reg_dword "$clock_key" ClockLeft) $(e2e_reg_dword "$clock_key" ClockTop)" == "0 $top" ]]; do
  _e2e_before "$deadline" || e2e_fail "ClockLeft was not saved as 0 after the creep"
done
zd_window_ppm "$CLOCK" time-only.ppm >/dev/null
zd_expect_text "$E2E_DIR/time-only.ppm" 60 "the time-only face" "$(zd_rect 0 0 "$W" "$H")"

# Escape in the focused clock ends the program.
e2e_click $((W / 2)) $((top + H / 2))
e2e_focus "$CLOCK"
e2e_key Escape
e2e_wait_exit 10 "$PID" || e2e_fail "Escape did not end the program"

# --- Tower, two lines ------------------------------------------------------
# round(1.8 x TH) high where round(1.2 x TH) gave the one-line height.
clock_run 1 1 1 0
read -r low high <<<"$(zd_scaled_range "$line_h" "$line_h" 1.2 1.8)"
((H >= low && H <= high)) || e2e_fail "a two-line tower is $H high, expected $low..$high"
((W < line_w)) || e2e_fail "the tower ($W) is not narrower than the one-line face ($line_w)"
tower_w=$W
tower_h=$H
zd_next_second_shots "$CLOCK" tower-a.ppm tower-b.ppm
# The date line in the upper half, the time line in the lower half; only the
# lower one changes.
zd_expect_text "$E2E_DIR/tower-a.ppm" 60 "the tower's date line" "$(zd_rect 0 0 "$W" $((H / 2)))"
zd_expect_text "$E2E_DIR/tower-a.ppm" 60 "the tower's time line" "$(zd_rect 0 $((H / 2)) "$W" "$H")"
e2e_expect_eq "$(zd_differing "$E2E_DIR/tower-a.ppm" "$E2E_DIR/tower-b.ppm" 2 "$(zd_rect 0 0 "$W" $((H * 45 / 100)))")" 0 \
  "changed pixels in the tower's date line a second later"
changed=$(zd_differing "$E2E_DIR/tower-a.ppm" "$E2E_DIR/tower-b.ppm" 2 "$(zd_rect 0 $((H / 2)) "$W" "$H")")
((changed >= 10)) || e2e_fail "the tower's time line did not change ($changed pixels)"
zd_close_by_menu "$CLOCK" "$PID"

# --- Tower, two lines, oval ------------------------------------------------
# The same widest text, widened by 1.5 instead of 1.15; the same height.
clock_run 1 1 1 1
read -r low high <<<"$(zd_scaled_range "$tower_w" "$tower_w" 1.15 1.5)"
((W >= low && W <= high && H == tower_h)) ||
  e2e_fail "the oval tower is ${W}x$H, expected $low..$high x $tower_h from the rectangle's ${tower_w}x$tower_h"
zd_close_by_menu "$CLOCK" "$PID"

# --- Tower, three lines (weekday, date, time), wandering --------------------
# round(2.5 x TH) high. Wandering moves it 1 to 2 pixels per axis and tick
# and never writes the position.
clock_run 1 1 6 0 "ClockGo=1"
read -r low high <<<"$(zd_scaled_range "$line_h" "$line_h" 1.2 2.5)"
((H >= low && H <= high)) || e2e_fail "a three-line tower is $H high, expected $low..$high"
read -r x1 y1 _ _ <<<"$(e2e_window_geometry "$CLOCK")"
sleep 1
read -r x2 y2 _ _ <<<"$(e2e_window_geometry "$CLOCK")"
dx=$((x2 > x1 ? x2 - x1 : x1 - x2))
dy=$((y2 > y1 ? y2 - y1 : y1 - y2))
((dx >= 10 && dx <= 80 && dy >= 10 && dy <= 80)) ||
  e2e_fail "the wandering clock moved by $dx,$dy in a second (from $x1,$y1 to $x2,$y2)"
e2e_expect_eq "$(e2e_reg_dword "$clock_key" ClockLeft) $(e2e_reg_dword "$clock_key" ClockTop)" "$left $top" \
  "the saved position while wandering"
zd_window_ppm "$CLOCK" three-lines.ppm >/dev/null
for band in 0 1 2; do
  zd_expect_text "$E2E_DIR/three-lines.ppm" 40 "line $band of the three-line tower" \
    "$(zd_rect 0 $((H * band / 3)) "$W" $((H * (band + 1) / 3)))"
done
zd_close_by_tray "$PID"

# --- Another zone's time ----------------------------------------------------
# zone_shot NAME ZONE LABEL: the one-line clock ("yyyy-mm-dd, hh:nn") with
# that zone and label, started under the environment's TZ (Wine started
# afresh, so that it reads the machine's zone again), shot and closed.
# The difference to local time is off, so that both faces hold the same text.
zone_shot() {
  printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Zentrova\\Clock]\n"ClockZone"="%s"\n"ClockZoneLabel"="%s"\n"ClockDifference"=dword:00000000\n' \
    "$2" "$3" | zd_reg_import
  e2e_restart_wine
  clock_run 1 0 12 0 TimeIndex=2
  zd_window_ppm "$CLOCK" "$1.ppm" >/dev/null
  zd_close_by_tray "$PID"
}
# same_face A B: both shots have the same size and not one differing pixel.
same_face() { cmp -s "$E2E_DIR/$1.ppm" "$E2E_DIR/$2.ppm"; }

# Shots on either side of the reference, so that a minute turning between
# two of them cannot fail the comparison.
TZ=UTC zone_shot tokyo-before "Tokyo Standard Time" Tokyo
TZ=Asia/Tokyo zone_shot reference "" Tokyo
TZ=UTC zone_shot tokyo-after "Tokyo Standard Time" Tokyo
same_face tokyo-before reference || same_face tokyo-after reference ||
  e2e_fail "the Tokyo clock on universal time differs from a local clock in Tokyo"
TZ=UTC zone_shot local "" Tokyo
! same_face local reference || e2e_fail "the local clock on universal time shows Tokyo's time"
read -r w h <<<"$(identify -format '%w %h' "$E2E_DIR/reference.ppm")"
zd_expect_text "$E2E_DIR/reference.ppm" 150 "the labelled clock" "$(zd_rect 0 0 "$w" "$h")"

# --- ClockShow 0 -----------------------------------------------------------
clock_run_hidden() {
  printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Zentrova\\Clock]\n"ClockShow"=dword:00000000\n' | zd_reg_import
  e2e_start_zentrova
  PID=$E2E_PID
  e2e_wait_window "Countdown" 60 >/dev/null
  e2e_wait_window "Zentrova Calendar" 60 >/dev/null
  e2e_wait_tray 30 >/dev/null
  sleep 1
}
clock_run_hidden
! e2e_window_visible "Tessarvelune" || e2e_fail "ClockShow 0 showed the clock"
e2e_process_running "$PID" || e2e_fail "the program ended with the clock hidden"
zd_close_by_tray "$PID"

zd_stop_beneath
e2e_pass
