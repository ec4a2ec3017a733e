#!/usr/bin/env bash
# Another copy of the program (the same user signed in twice) writes the
# clock's size and position: the running copy shows both without a restart,
# and keeps them (nothing writes the old ones back).
set -euo pipefail
source "$(dirname "$0")/lib.sh"
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
e2e_pass
