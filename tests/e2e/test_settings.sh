#!/usr/bin/env bash
# The settings window under Wine: the tray icon shows it; its Size slider,
# moved with the keyboard, enlarges the clock within a tick; Save keeps the
# change over a restart and Cancel does not; an event added through the add
# dialog is stored, selected and kept over a restart, and the delete dialog
# removes its values from the registry.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
e2e_setup settings

clock_key='HKCU\Software\Zentrova\Clock'
list_key='HKCU\Software\Zentrova\Countdown\CountTitle'

# The tab page's top left: the first pixel of the page's own colour right of
# the client's left edge and below the tab strip.
page_origin() {
  local shot cx cy
  read -r cx cy <<<"$(zd_settings_client_origin "$1")"
  shot=$(e2e_screenshot page.png)
  convert "$shot" -alpha off -depth 8 "ppm:$E2E_DIR/page.ppm"
  python3 - "$E2E_DIR/page.ppm" "$cx" "$cy" <<'PY'
import sys
path, cx, cy = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
data = open(path, "rb").read()
parts = data.split(b"\n", 3)
width, height = map(int, parts[1].split())
pixels = parts[3]
def white(x, y):
    i = (y * width + x) * 3
    return pixels[i:i + 3] == b"\xff\xff\xff"
row = cy + 150
px = next(x for x in range(cx, cx + 40) if white(x, row))
col = cx + 380
py = next(y for y in range(cy, cy + 60) if white(col, y))
print(px, py)
PY
}

clock_width() { read -r _ _ w _ <<<"$(e2e_window_geometry "$(e2e_wait_window Tessarvelune 30)")"; echo "$w"; }

# clock_width_becomes WIDTH [TIMEOUT]: the clock reaches that width in time.
wait_clock_width() {
  local want="$1" deadline
  deadline=$(_e2e_deadline "${2:-2}")
  until [[ "$(clock_width)" == "$want" ]]; do
    _e2e_before "$deadline" || e2e_fail "the clock is $(clock_width) wide, expected $want"
    sleep 0.05
  done
}

start_program() {
  e2e_start_zentrova
  e2e_wait_window Tessarvelune 60 >/dev/null
  e2e_wait_tray 30 >/dev/null
  sleep 1
}

# open_settings: shows the settings window through the tray icon and prints
# the page origin.
open_settings() {
  local settings
  e2e_wait_window_gone "Zentrova Settings" 5
  e2e_tray_click 1
  settings=$(e2e_wait_window "Zentrova Settings" 10)
  sleep 0.3
  page_origin "$settings"
}

# The first start shows the settings window; Cancel hides it and the tray
# icon's click brings it back.
start_program
first=$E2E_PID
e2e_wait_window "Zentrova Settings" 10 >/dev/null
zd_settings_click 352 297  # Cancel
e2e_wait_window_gone "Zentrova Settings" 5
read -r px py <<<"$(open_settings)"
echo "page at $px,$py"
width6=$(clock_width)

# Size slider: a click left of its thumb (at 6 of 50) pages it down to 0, then seven
# presses of Right take it to 7, each a rebuild of the clock.
e2e_click $((px + 10)) $((py + 53))
sleep 0.3
width0=$(clock_width)
((width0 < width6)) || e2e_fail "paging the Size slider down did not shrink the clock ($width6 -> $width0)"
e2e_key Right Right Right Right Right Right
e2e_key Right
deadline=$(_e2e_deadline 1)
until width7=$(clock_width) && ((width7 > width6)); do
  _e2e_before "$deadline" || e2e_fail "the clock did not grow past its size-6 width $width6 (now $width7)"
  sleep 0.05
done
echo "clock width: size 6 $width6, size 0 $width0, size 7 $width7"
e2e_expect_eq "$(e2e_reg_dword "$clock_key" ClockSize)" 6 "ClockSize before Save"

zd_settings_click 47 297  # Save
sleep 0.5
e2e_expect_eq "$(e2e_reg_dword "$clock_key" ClockSize)" 7 "ClockSize after Save"

# Cancel after one more step: in effect now, gone after a restart.
e2e_click $((px + 10)) $((py + 53))  # focus the slider (pages to 0)
e2e_key Right Right Right Right Right Right Right Right
sleep 0.3
width8=$(clock_width)
((width8 > width7)) || e2e_fail "size 8 is not wider than size 7 ($width8 <= $width7)"
zd_settings_click 352 297  # Cancel
e2e_wait_window_gone "Zentrova Settings" 5
e2e_expect_eq "$(clock_width)" "$width8" "the clock after Cancel"
e2e_expect_eq "$(e2e_reg_dword "$clock_key" ClockSize)" 7 "ClockSize after Cancel"

zd_close_by_tray "$first"
start_program
second=$E2E_PID
wait_clock_width "$width7" 5

# Add an event a year from today through the add dialog.
read -r px py <<<"$(open_settings)"
e2e_click $((px + 90)) $((py - 12))  # the "Countdown" tab
sleep 0.3
countdown=$(e2e_wait_window Countdown 5)
e2e_screenshot countdown_before.png "$countdown" >/dev/null
e2e_click $((px + 115)) $((py + 148))  # Add
dialog=$(e2e_wait_window Zentrova 10)
sleep 0.3
e2e_type "Launch"
# Tab order: title, OK, Cancel, date. Up on a later field of the date moves
# the event into the future.
e2e_key Tab Tab Tab Right Right Up
sleep 0.2
e2e_key Return
e2e_wait_window_gone Zentrova 5
e2e_expect_eq "$(e2e_reg_data "$list_key" Count2)" "Launch" "the added title"
e2e_expect_eq "$(e2e_reg_dword "$list_key" CountIndex)" 2 "CountIndex after Add"
e2e_expect_eq "$(e2e_reg_dword "$list_key" CountMax)" 3 "CountMax after Add"
ahead=$(python3 -c "import datetime,struct,sys;d=struct.unpack('<d',bytes.fromhex(sys.argv[1]))[0];t=(datetime.date.today()-datetime.date(1899,12,30)).days;print(int(d-t) if d==int(d) else 'fraction')" "$(e2e_reg_data "$list_key" CountDate2)")
[[ "$ahead" =~ ^[0-9]+$ ]] && ((ahead >= 1 && ahead <= 400)) ||
  e2e_fail "the added date is not a whole day up to a year ahead (days ahead: $ahead)"
sleep 1.2
e2e_screenshot countdown_after.png "$countdown" >/dev/null
before=$(zd_crop countdown_before.png 0 0 40 20 before.ppm)
changed=$(compare -metric AE "$E2E_DIR/countdown_before.png" "$E2E_DIR/countdown_after.png" null: 2>&1 || true)
((${changed%% *} > 50)) || e2e_fail "the countdown face did not change after the event was added ($changed pixels)"

zd_settings_click 352 297  # Cancel: the list is stored already
zd_close_by_tray "$second"
start_program
third=$E2E_PID
e2e_expect_eq "$(e2e_reg_data "$list_key" Count2)" "Launch" "the added title after a restart"
e2e_expect_eq "$(e2e_reg_dword "$list_key" CountMax)" 3 "CountMax after a restart"

# Delete it: the selection is the new event.
read -r px py <<<"$(open_settings)"
e2e_click $((px + 90)) $((py - 12))
sleep 0.3
e2e_click $((px + 187)) $((py + 148))  # Delete
e2e_wait_window Zentrova 10 >/dev/null
sleep 0.3
e2e_key Return
e2e_wait_window_gone Zentrova 5
for value in Count2 CountDate2 CountTime2; do
  if e2e_reg_query "$list_key" "$value" >/dev/null; then e2e_fail "$value is still stored after Delete"; fi
done
e2e_expect_eq "$(e2e_reg_dword "$list_key" CountMax)" 2 "CountMax after Delete"
e2e_expect_eq "$(e2e_reg_dword "$list_key" CountIndex)" 1 "CountIndex after Delete"

e2e_screenshot settings_window.png "$(e2e_wait_window "Zentrova Settings" 5)" >/dev/null
zd_settings_click 352 297  # Cancel: the tray icon comes back
zd_close_by_tray "$third"
e2e_pass
