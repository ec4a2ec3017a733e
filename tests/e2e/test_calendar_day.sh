#!/usr/bin/env bash
# A calendar day's window under Wine: a click on a day with a countdown event
# opens a window beside it, named by the day's date, whose list reads the
# event with its time and then "Add an event on this day..."; Escape closes
# it; a click on that last line opens the add dialog on the day, and OK adds
# an event dated that day.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
e2e_setup calendar_day

probe="${ZENTROVA_WIN_BUILD_DIR:-}/list_items.exe"
[[ -f "$probe" ]] || e2e_fail "no list_items.exe in ZENTROVA_WIN_BUILD_DIR ('${ZENTROVA_WIN_BUILD_DIR:-}')"

read -r year month <<<"$(date '+%Y %-m')"
day=15
event=$((($(date -ud "$year-$month-$day" +%s) - $(date -ud 1899-12-30 +%s)) / 86400))
caption=$(date -d "$year-$month-$day" '+%A, %-m/%-d/%Y')

zd_seed_by_first_start
{
  echo REGEDIT4
  zd_dwords Calendar CalendarSkin=9 CalendarSize=5 CalendarTimeShow=0 CalendarGo=0 CalendarShow=1 \
    CalendarLeft=100 CalendarTop=100 CalendarWeekNumbers=0 CalendarEvents=1
  zd_dwords 'Countdown\CountTitle' CountMax=1 CountIndex=0
  printf '"Count0"="Lecture"\n"CountDate0"=hex:%s\n"CountTime0"=hex:%s\n' "$(zd_double_hex "$event")" \
    "$(zd_double_hex 0.6041666666666666)"
} | zd_reg_import
e2e_start_zentrova
PID=$E2E_PID
CAL=$(e2e_wait_window "Zentrova Calendar" 60)
sleep 1
read -r X Y W H <<<"$(e2e_window_geometry "$CAL")"

# The centre of the day's cell, weeks from Sunday as in the United States.
read -r cx cy <<<"$(python3 - "$W" "$H" "$year" "$month" "$day" <<'PY'
import calendar, sys
w, h, year, month, day = map(int, sys.argv[1:])
col = lambda d: (calendar.weekday(year, month, d) + 1) % 7
row = (col(1) + day - 1) // 7
print(int((col(day) + 0.5) * w / 7), int(2 * h / 9 + (row + 0.5) * h / 9))
PY
)"

open_day() {
  e2e_click $((X + cx)) $((Y + cy))
  e2e_wait_window "$caption" 10 || e2e_fail "no window \"$caption\" after a click on day $day"
}

POP=$(open_day)
read -r px py pw ph <<<"$(e2e_window_geometry "$POP")"
((px >= X + cx)) || e2e_fail "the day window at $px,$py is not beside the day (right of $((X + cx)))"
lines=$(cd "$E2E_DIR" && timeout 60 wine "$probe" "$caption" 2>"$E2E_DIR/list_items.err") ||
  e2e_fail "list_items found no list in \"$caption\" (status $?): $(tail -3 "$E2E_DIR/list_items.err")"
lines=$(tr -d '\r' <<<"$lines")
e2e_expect_eq "$lines" $'2:30 PM  Lecture\nAdd an event on this day...' "the day window's lines"

e2e_key Escape
e2e_wait_window_gone "$caption" 5 || e2e_fail "Escape left the day window open"

# Lines of 20 pixels from the list's top, inside a one-pixel border.
POP=$(open_day)
read -r px py pw ph <<<"$(e2e_window_geometry "$POP")"
e2e_click $((px + pw / 2)) $((py + 1 + 20 + 10))
e2e_wait_window_gone "$caption" 5 || e2e_fail "the day window stayed after its add line was chosen"
e2e_wait_window "Zentrova" 10 >/dev/null || e2e_fail "no add dialog after \"Add an event on this day...\""
sleep 0.5
e2e_type "Seminar"
e2e_key Return
e2e_wait_window_gone "Zentrova" 10 || e2e_fail "the add dialog stayed open after Enter"

key='HKCU\Software\Zentrova\Countdown\CountTitle'
e2e_expect_eq "$(e2e_reg_query "$key" Count1)" "REG_SZ Seminar" "the added event's title"
expected=$(python3 -c 'import struct, sys; print(struct.pack("<d", float(sys.argv[1])).hex().upper())' "$event")
e2e_expect_eq "$(e2e_reg_query "$key" CountDate1)" "REG_BINARY $expected" "the added event's date (day $day)"
zd_close_by_tray "$PID"
e2e_pass
