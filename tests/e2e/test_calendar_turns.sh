#!/usr/bin/env bash
# The calendar under Wine: a notch of the wheel down shows the next month
# (title and accessible value), a double click on ">>" turns two more, and a
# click on the footer shows today's month, its title as at first.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
e2e_setup calendar_turns

# wait_month N: within 10 s the accessible value names the month N after today's.
wait_month() {
  local want value="" deadline
  want=$(python3 -c 'import datetime as d, sys; t = d.date.today(); m = t.month - 1 + int(sys.argv[1])
print(d.date(t.year + m // 12, m % 12 + 1, 1).strftime("%B %Y"))' "$1")
  deadline=$(_e2e_deadline 10)
  until [[ "$value" == "$want, today "* ]]; do
    _e2e_before "$deadline" || e2e_fail "the calendar's value is '$value', not of $want"
    sleep 0.3
    value=$(zd_probe accessible_tree gadgets | sed -n 's/^Zentrova Calendar|//p')
  done
}

zd_seed_with < <(zd_dwords Calendar CalendarSkin=9 CalendarSize=5 CalendarTimeShow=0 CalendarGo=0 CalendarLeft=100 \
  CalendarTop=100)
e2e_start_zentrova
read -r CAL X Y W H <<<"$(zd_place_of "Zentrova Calendar")"
C=$(zd_round_even "$W/7")
title=$(zd_rect "$C" 0 $((W - C)) $((H / 9)))
wait_month 0
zd_window_ppm "$CAL" today.ppm >/dev/null

xdotool mousemove $((X + W / 2)) $((Y + H / 2)) click 5
wait_month 1
sleep 0.5
zd_window_ppm "$CAL" next.ppm >/dev/null
changed=$(zd_differing "$E2E_DIR/today.ppm" "$E2E_DIR/next.ppm" 2 "$title")
((changed >= 20)) || e2e_fail "the title did not change with the wheel ($changed pixels)"
xdotool mousemove $((X + W - C / 2)) $((Y + H / 18)) click --repeat 2 --delay 80 1
wait_month 3

e2e_click $((X + W / 2)) $((Y + H - H / 18))
wait_month 0
sleep 0.5
zd_window_ppm "$CAL" back.ppm >/dev/null
e2e_expect_eq "$(zd_differing "$E2E_DIR/today.ppm" "$E2E_DIR/back.ppm" 2 "$title")" 0 "changed title pixels after the footer's click"
zd_close_by_tray "$E2E_PID"
e2e_pass
