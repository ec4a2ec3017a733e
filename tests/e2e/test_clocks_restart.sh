#!/usr/bin/env bash
# Three clocks from one running copy: the first on local time, a second on
# Tokyo's time with the label "Tokyo", a fifth (a gap is allowed) on
# Kathmandu's with its label and the difference to local time. Each comes
# back at its stored place, named by its label, after the program is
# started twice, and the first clock's stored values stay as they were.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
source "$(dirname "$0")/clocks_lib.sh"
e2e_setup clocks_restart

zd_start_beneath 960 700 40 40
zd_set_desktop
zd_seed_with < <(zd_dwords Clock ClockLeft=40 ClockTop=60 ClockGo=0 ClockShow=1)
zc_seed_clock 2 "Tokyo Standard Time" "Tokyo" 40 200
zc_seed_clock 5 "Nepal Standard Time" "Kathmandu" 40 340
first_before=$(zc_values "$ZC_KEY\\Clock" first-before.reg)

for run in 1 2; do
  e2e_start_zentrova
  pid=$E2E_PID
  first_w=$(zc_expect_at "Tessarvelune" 40 60)
  tokyo_w=$(zc_expect_at "Clock Tokyo" 40 200)
  kathmandu_w=$(zc_expect_at "Clock Kathmandu" 40 340)
  # The label and the difference to local time stand before the time.
  for w in "$tokyo_w" "$kathmandu_w"; do
    ((w > first_w + 60)) || e2e_fail "run $run: a labelled face ($w) is not wider than the unlabelled clock's ($first_w)"
  done
  e2e_screenshot "three-clocks-$run.png" >/dev/null
  zd_close_by_tray "$pid"
done

e2e_expect_eq "$(e2e_reg_data "$ZC_KEY\\Clock2" ClockZoneLabel)" "Tokyo" "Clock2's label"
e2e_expect_eq "$(e2e_reg_data "$ZC_KEY\\Clock5" ClockZone)" "Nepal Standard Time" "Clock5's zone"
e2e_expect_eq "$(zc_values "$ZC_KEY\\Clock" first-after.reg)" "$first_before" "the first clock's stored values"
e2e_pass
