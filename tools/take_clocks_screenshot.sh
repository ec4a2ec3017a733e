#!/usr/bin/env bash
# Takes the README's screenshot of three clocks from one running copy
# (assets/screenshots/clocks.png): local time, Tokyo with its label and
# Kathmandu with its label and its difference to local time.
#
#   tools/take_clocks_screenshot.sh [ZENTROVA_EXE]
set -euo pipefail
source "$(dirname "$0")/screenshot_lib.sh" screenshot-clocks "${1:-}"
source "$repo/tests/e2e/clocks_lib.sh"

zd_start_beneath 1000 740 20 20
zd_set_desktop
zd_seed_by_first_start
{
  echo REGEDIT4
  zd_dwords Clock ClockLeft=48 ClockTop=80 ClockGo=0 ClockShow=1
  printf '"ClockZoneLabel"="London"\n'
  zd_dwords Countdown CountShow=0
  zd_dwords Calendar CalendarShow=0
} | zd_reg_import
zc_seed_clock 2 "Tokyo Standard Time" "Tokyo" 48 132
zc_seed_clock 3 "Nepal Standard Time" "Kathmandu" 48 184
e2e_start_zentrova
for caption in "Tessarvelune" "Clock Tokyo" "Clock Kathmandu"; do e2e_wait_window "$caption" 60 >/dev/null; done
sleep 2

shot_around clocks.png 24 "Tessarvelune" "Clock Tokyo" "Clock Kathmandu"
zd_close_by_tray "$E2E_PID"
zd_stop_beneath
e2e_pass
