#!/usr/bin/env bash
# Turning the calendar's month under Wine: a notch of the wheel down over the
# calendar shows the next month (the title changes and a screen reader's
# value names it); a quick double click on ">>" turns two months more; a click
# on the footer shows today's month again, the title as it was at first.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
e2e_setup calendar_turns

probe="${ZENTROVA_WIN_BUILD_DIR:-}/accessible_tree.exe"
[[ -f "$probe" ]] || e2e_fail "no accessible_tree.exe in ZENTROVA_WIN_BUILD_DIR ('${ZENTROVA_WIN_BUILD_DIR:-}')"

# month_after N: "Month YYYY" N months after today's.
month_after() {
  python3 -c 'import datetime, sys
t = datetime.date.today(); m = t.month - 1 + int(sys.argv[1])
print(datetime.date(t.year + m // 12, m % 12 + 1, 1).strftime("%B %Y"))' "$1"
}

# wait_month TITLE: the calendar's accessible value names TITLE within 10 s.
wait_month() {
  local deadline value=""
  deadline=$(_e2e_deadline 10)
  until [[ "$value" == "$1, today "* ]]; do
    _e2e_before "$deadline" || e2e_fail "the calendar's value is '$value', not of $1"
    sleep 0.3
    value=$( (cd "$E2E_DIR" && timeout 60 wine "$probe" gadgets 2>/dev/null) | tr -d '\r' |
      sed -n 's/^Zentrova Calendar|//p')
  done
  echo "value: $value"
}

zd_seed_by_first_start
{
  echo REGEDIT4
  zd_dwords Calendar CalendarSkin=9 CalendarSize=5 CalendarOval=0 CalendarTransparent=0 CalendarTimeShow=0 \
    CalendarGo=0 CalendarShow=1 CalendarLeft=100 CalendarTop=100
} | zd_reg_import
e2e_start_zentrova
PID=$E2E_PID
CAL=$(e2e_wait_window "Zentrova Calendar" 60)
read -r X Y W H <<<"$(e2e_window_geometry "$CAL")"
C=$(zd_round_even "$W/7")
title=$(zd_rect "$C" 0 $((W - C)) $((H / 9)))
wait_month "$(month_after 0)"
zd_window_ppm "$CAL" today.ppm >/dev/null

# A notch down (X button 5) over the middle of the grid.
xdotool mousemove $((X + W / 2)) $((Y + H / 2)) click 5
wait_month "$(month_after 1)"
sleep 0.5
zd_window_ppm "$CAL" next.ppm >/dev/null
changed=$(zd_differing "$E2E_DIR/today.ppm" "$E2E_DIR/next.ppm" 2 "$title")
((changed >= 20)) || e2e_fail "the title did not change with the wheel ($changed pixels)"

# Both clicks of a double click turn a month.
xdotool mousemove $((X + W - C / 2)) $((Y + H / 18)) click --repeat 2 --delay 80 1
wait_month "$(month_after 3)"

# The footer: today's month, drawn as at first.
e2e_click $((X + W / 2)) $((Y + H - H / 18))
wait_month "$(month_after 0)"
sleep 0.5
zd_window_ppm "$CAL" back.ppm >/dev/null
e2e_expect_eq "$(zd_differing "$E2E_DIR/today.ppm" "$E2E_DIR/back.ppm" 2 "$title")" 0 \
  "title pixels unlike today's month's after the footer's click"
zd_close_by_tray "$PID"
e2e_pass
