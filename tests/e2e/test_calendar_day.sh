#!/usr/bin/env bash
# A calendar day's window under Wine: a click on a day with an event opens,
# beside it, a window named by the date whose list reads the event with its
# time and "Add an event on this day..."; Escape closes it; that last line
# opens the add dialog on the day, and Enter adds an event dated that day.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
e2e_setup calendar_day

read -r year month <<<"$(date '+%Y %-m')"
event=$((($(date -ud "$year-$month-15" +%s) - $(date -ud 1899-12-30 +%s)) / 86400))
caption=$(date -d "$year-$month-15" '+%A, %-m/%-d/%Y')
zd_seed_with < <(
  zd_dwords Calendar CalendarSize=5 CalendarGo=0 CalendarLeft=100 CalendarTop=100 CalendarWeekNumbers=0
  zd_dwords 'Countdown\CountTitle' CountMax=1 CountIndex=0
  printf '"Count0"="Lecture"\n"CountDate0"=hex:%s\n"CountTime0"=hex:%s\n' "$(zd_double_hex "$event")" \
    "$(zd_double_hex 0.6041666666666666)"  # 2:30 PM
)
e2e_start_zentrova
read -r CAL X Y W H <<<"$(zd_place_of "Zentrova Calendar")"
sleep 1
# The 15th's cell centre, weeks from Sunday.
read -r cx cy <<<"$(python3 -c 'import calendar as c, sys; w, h, y, m = map(int, sys.argv[1:])
col = lambda d: (c.weekday(y, m, d) + 1) % 7
print(int((col(15) + 0.5) * w / 7), int(2 * h / 9 + ((col(1) + 14) // 7 + 0.5) * h / 9))' "$W" "$H" "$year" "$month")"
open_day() {
  e2e_click $((X + cx)) $((Y + cy))
  e2e_wait_window "$caption" 10 || e2e_fail "no window \"$caption\" after a click on its day"
}

read -r px py pw ph <<<"$(e2e_window_geometry "$(open_day)")"
((px >= X + cx)) || e2e_fail "the day window at $px,$py is not right of the day"
lines=$(zd_probe accessible_tree list "$caption") || e2e_fail "no list in \"$caption\""
e2e_expect_eq "$lines" $'2:30 PM  Lecture\nAdd an event on this day...' "the day window's lines"
e2e_key Escape
e2e_wait_window_gone "$caption" 5 || e2e_fail "Escape left the day window open"

# The second line of 20 pixels, inside a one-pixel border. The calendar's
# activation for the opening click may be reported after the window came
# up and lift the calendar over it; the window comes back over the calendar.
day=$(open_day)
read -r px py pw ph <<<"$(e2e_window_geometry "$day")"
lx=$((px + pw / 2)) ly=$((py + 31))
for _ in $(seq 30); do
  under=$(zd_window_under "$lx" "$ly")
  [[ "$under" == "$day" ]] && break
done
[[ "$under" == "$day" ]] || e2e_fail "the day window's list is covered (window $under under the pointer)"
e2e_click "$lx" "$ly"
e2e_wait_window "Zentrova" 10 >/dev/null || e2e_fail "no add dialog after \"Add an event on this day...\""
sleep 0.5
e2e_type "Seminar"
e2e_key Return
e2e_wait_window_gone "Zentrova" 10 || e2e_fail "the add dialog stayed open after Enter"
key='HKCU\Software\Zentrova\Countdown\CountTitle'
e2e_expect_eq "$(e2e_reg_query "$key" Count1)" "REG_SZ Seminar" "the added event's title"
date_hex=$(python3 -c 'import struct, sys; print(struct.pack("<d", float(sys.argv[1])).hex().upper())' "$event")
e2e_expect_eq "$(e2e_reg_query "$key" CountDate1)" "REG_BINARY $date_hex" "the added event's date"
zd_close_by_tray "$E2E_PID"
e2e_pass
