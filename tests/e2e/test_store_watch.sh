#!/usr/bin/env bash
# Another copy of the program (the same user signed in twice) writes the
# clock's size and position: the running copy shows both without a restart,
# and keeps them (nothing writes the old ones back). A clock the other copy
# adds shows at its stored place, and goes when the other copy removes it;
# a key deleted whole and made again is watched all the same.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
source "$(dirname "$0")/clocks_lib.sh"
e2e_setup store_watch

e2e_start_zentrova
e2e_wait_window "Zentrova Settings" >/dev/null
clock=$(e2e_wait_window "Tessarvelune")
read -r _ _ width_before _ <<<"$(e2e_window_geometry "$clock")"

clock_key='HKCU\Software\Zentrova\Clock'
e2e_reg_add "$clock_key" ClockSize REG_DWORD 20
e2e_reg_add "$clock_key" ClockLeft REG_DWORD 40
e2e_reg_add "$clock_key" ClockTop REG_DWORD 500

# A change of the store wakes the program at once; `wine reg` has returned
# by now, so the window follows within a second, given slack for a loaded
# machine.
deadline=$((SECONDS + 10))
while :; do
  read -r x y width _ <<<"$(e2e_window_geometry "$clock")"
  if [[ "$x" == 40 && "$y" == 500 && "$width" -gt "$width_before" ]]; then break; fi
  ((SECONDS < deadline)) || e2e_fail "the clock stayed at $x,$y width $width (was width $width_before)"
  sleep 0.2
done

e2e_expect_eq "$(e2e_reg_dword "$clock_key" ClockSize)" 20 "ClockSize kept"
e2e_expect_eq "$(e2e_reg_dword "$clock_key" ClockLeft)" 40 "ClockLeft kept"

# The clock's key is written value by value, as the other copy writes it,
# at the screen's left edge: the new clock is as large as the first, whose
# width follows its text, and one standing past the right edge would slide
# back in, a pixel a second.
zc_seed_clock 2 "Tokyo Standard Time" "Tokyo" 0 200
zc_expect_at "Clock Tokyo" 0 200 >/dev/null
e2e_reg_delete "$clock_key"2
e2e_wait_window_gone "Clock Tokyo" 10

# The whole key deleted, then made again by a write: the clock follows.
e2e_reg_delete 'HKCU\Software\Zentrova'
e2e_reg_add "$clock_key" ClockLeft REG_DWORD 80
deadline=$((SECONDS + 10))
until [[ "$(e2e_window_geometry "$clock" | cut -d' ' -f1)" == 80 ]]; do
  ((SECONDS < deadline)) || e2e_fail "the clock did not follow a key made again"
  sleep 0.2
done
e2e_pass
