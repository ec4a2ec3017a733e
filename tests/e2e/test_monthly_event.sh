#!/usr/bin/env bash
# A monthly event stored last month counts down to this month's day: the
# countdown's value, as a screen reader reads it, gives the days to it.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
e2e_setup monthly_event
zd_seed_by_first_start

# Payday at 12:00 on a day (1..28) at least two days ahead, stored as the
# same day of the month before; the countdown must show the days to this
# occurrence, not the time since last month's.
read -r day days <<<"$(python3 - <<'PY'
import datetime
epoch = datetime.date(1899, 12, 30)
now = datetime.datetime.now()
target = now.date() + datetime.timedelta(days=2)
while target.day > 28:
    target += datetime.timedelta(days=1)
first = target.replace(year=target.year - (target.month == 1), month=(target.month - 2) % 12 + 1)
left = datetime.datetime.combine(target, datetime.time(12)) - now
print((first - epoch).days, left.days)
PY
)"
{
  echo REGEDIT4
  zd_dwords 'Countdown\CountTitle' CountMax=1 CountIndex=0 CountYearly0=0 CountRepeat0=2
  printf '"Count0"="Payday"\n"CountDate0"=hex:%s\n"CountTime0"=hex:%s\n' "$(zd_double_hex "$day")" "$(zd_double_hex 0.5)"
} | zd_reg_import

e2e_start_zentrova
e2e_wait_window "Countdown" 60 >/dev/null
sleep 3  # the first ticks hand the value over
gadgets=$(zd_probe accessible_tree gadgets)
echo "$gadgets" >"$E2E_DIR/gadgets.txt"
grep -qE "^Countdown\|Payday: $days days?(,|$)" <<<"$gadgets" ||
  e2e_fail "the countdown does not count $days days to this month's Payday: $gadgets"
e2e_pass
