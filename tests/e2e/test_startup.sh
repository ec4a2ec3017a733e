#!/usr/bin/env bash
# Start-up under Wine: the first start writes every default and shows the
# settings window and the tray icon; a second copy ends at once; the tray
# menu's "Close" ends the program; a later start keeps the settings hidden,
# draws the texts of a stored font family the system lacks in the first-run
# font and keeps the stored name; and a start while it runs hands over: the
# running copy shows its settings.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
e2e_setup startup

root='HKCU\Software\Zentrova'
year=$(date +%Y)
# The seeded dates as the stored 8-byte doubles, written as `reg query` shows them.
day_bytes() { python3 -c "import struct,datetime,sys;d=(datetime.date(*map(int,sys.argv[1:]))-datetime.date(1899,12,30)).days;print(struct.pack('<d',d).hex().upper())" "$@"; }
christmas=$(day_bytes "$year" 12 25)
new_year=$(day_bytes $((year + 1)) 1 1)

e2e_start_zentrova
first=$E2E_PID
e2e_wait_window "Zentrova Settings" 60 >/dev/null
e2e_wait_tray 30 >/dev/null
e2e_wait_window "Tessarvelune" 30 >/dev/null

expect_value() {
  local got
  got=$(e2e_reg_query "$1" "$2") || e2e_fail "$1\\$2 was not written"
  [[ "$got" == "$3" ]] || e2e_fail "$1\\$2 is '$got', expected '$3'"
}
expect_value "$root" Start_1 "REG_DWORD 0x1"
while read -r name value; do
  expect_value "$root\\Clock" "$name" "$value"
done <<'VALUES'
ClockSize REG_DWORD 0x6
ClockSkin REG_DWORD 0x9
ClockTransparent REG_DWORD 0x0
TimeIndex REG_DWORD 0x0
DateIndex REG_DWORD 0x1
ClockFont REG_SZ Tahoma
DateShow REG_DWORD 0x1
ClockShow REG_DWORD 0x1
ClockGo REG_DWORD 0x0
ClockSky REG_DWORD 0x0
ClockBorder REG_DWORD 0x1
ClockRectOval REG_DWORD 0x0
VALUES
while read -r name value; do
  expect_value "$root\\Countdown" "$name" "$value"
done <<'VALUES'
CountSize REG_DWORD 0x3
CountSkin REG_DWORD 0x9
CountTransparent REG_DWORD 0x0
CountFont REG_SZ Tahoma
CountShow REG_DWORD 0x1
CountGo REG_DWORD 0x0
CountSky REG_DWORD 0x0
CountBorder REG_DWORD 0x1
CountRectOval REG_DWORD 0x0
VALUES
while read -r name value; do
  expect_value "$root\\Calendar" "$name" "$value"
done <<'VALUES'
CalendarSize REG_DWORD 0x5
CalendarSkin REG_DWORD 0x9
CalendarTransparent REG_DWORD 0x0
CalendarTimeIndex REG_DWORD 0x0
CalendarDateIndex REG_DWORD 0x0
CalendarFont REG_SZ Tahoma
CalendarShow REG_DWORD 0x1
CalendarTimeShow REG_DWORD 0x0
CalendarGo REG_DWORD 0x0
CalendarOval REG_DWORD 0x0
CalendarBold REG_DWORD 0x1
VALUES
list="$root\\Countdown\\CountTitle"
expect_value "$list" CountMax "REG_DWORD 0x2"
expect_value "$list" CountIndex "REG_DWORD 0x0"
expect_value "$list" Count0 "REG_SZ Christmas Countdown"
expect_value "$list" Count1 "REG_SZ New Year Countdown"
expect_value "$list" CountDate0 "REG_BINARY $christmas"
expect_value "$list" CountDate1 "REG_BINARY $new_year"
expect_value "$list" CountTime0 "REG_BINARY 0000000000000000"
expect_value "$list" CountTime1 "REG_BINARY 0000000000000000"
# Both seeded events come round every year.
expect_value "$list" CountYearly0 "REG_DWORD 0x1"
expect_value "$list" CountYearly1 "REG_DWORD 0x1"

# First-run positions: the settings window's outer size under Wine's standard
# metrics is 406 x 346 on the 1024 x 768 screen, so the stored positions are
# those of the worked example: calendar 309,10, clock 512,10, countdown 512,40.
expect_value "$root\\Calendar" CalendarLeft "REG_DWORD 0x135"
expect_value "$root\\Calendar" CalendarTop "REG_DWORD 0xa"
expect_value "$root\\Clock" ClockLeft "REG_DWORD 0x200"
expect_value "$root\\Clock" ClockTop "REG_DWORD 0xa"
expect_value "$root\\Countdown" CountLeft "REG_DWORD 0x200"
expect_value "$root\\Countdown" CountTop "REG_DWORD 0x28"
# The settings window itself is placed at 309,298 on every start.
read -r settings_left settings_top _ _ <<<"$(e2e_window_geometry "$(e2e_wait_window "Zentrova Settings")")"
((settings_left == 309 && settings_top == 298)) || e2e_fail "settings client area at $settings_left,$settings_top"

# A second copy ends at once with exit code 0 and leaves one copy running.
e2e_start_zentrova
second=$E2E_PID
e2e_wait_exit 30 "$second" || e2e_fail "the second copy did not end"
[[ "$E2E_EXIT_CODE" == 0 ]] || e2e_fail "the second copy ended with $E2E_EXIT_CODE"
e2e_process_running "$first" || e2e_fail "the first copy ended too"
[[ "$(e2e_count_processes zentrova.exe)" == 1 ]] || e2e_fail "not exactly one copy runs"

# The tray menu's "Close" ends the program.
e2e_tray_click 3
menu=$(e2e_wait_menu 10)
# Its items: "Settings", "Start with Windows", "Close".
read -r x y <<<"$(e2e_menu_item_xy "${menu#* }" 2 3)"
e2e_screenshot tray-menu.png >/dev/null
e2e_click "$x" "$y"
e2e_wait_exit 30 "$first" || e2e_fail "tray Close did not end the program"

# The next start runs normally and keeps the settings window hidden, here
# with a font family the system lacks stored for the clock and the countdown.
e2e_reg_add "$root\\Clock" ClockFont REG_SZ "No Such Family"
e2e_reg_add "$root\\Countdown" CountFont REG_SZ "No Such Family"
e2e_start_zentrova
third=$E2E_PID
e2e_wait_tray 30 >/dev/null
zd_wait_display_windows 60
! e2e_window_visible "Zentrova Settings" || e2e_fail "a later start showed the settings window"
e2e_process_running "$third" || e2e_fail "the later start did not keep running"
# Their texts are drawn all the same, on their plates, and the names stay.
for caption in "Tessarvelune" "Countdown"; do
  id=$(e2e_wait_window "$caption" 10)
  read -r _ _ w h <<<"$(e2e_window_geometry "$id")"
  zd_window_ppm "$id" "${caption,,}.ppm" >/dev/null
  zd_expect_text "$E2E_DIR/${caption,,}.ppm" 100 "the $caption window with a missing font" "$(zd_rect 0 0 "$w" "$h")"
done
expect_value "$root\\Clock" ClockFont "REG_SZ No Such Family"
expect_value "$root\\Countdown" CountFont "REG_SZ No Such Family"

# Starting again while it runs: the new copy ends, and the running one shows
# its settings window, in front, with its tray icon still there.
e2e_start_zentrova
fourth=$E2E_PID
e2e_wait_exit 30 "$fourth" || e2e_fail "the start while a copy runs did not end"
[[ "$E2E_EXIT_CODE" == 0 ]] || e2e_fail "the start while a copy runs ended with $E2E_EXIT_CODE"
settings=$(e2e_wait_window "Zentrova Settings" 20) || e2e_fail "a second start did not bring up the settings window"
e2e_screenshot second-start.png "$settings" >/dev/null
e2e_tray_visible || e2e_fail "the tray icon went when the settings window was handed over"
e2e_process_running "$third" || e2e_fail "the running copy ended"
[[ "$(e2e_count_processes zentrova.exe)" == 1 ]] || e2e_fail "not exactly one copy runs after the hand-over"

e2e_pass
