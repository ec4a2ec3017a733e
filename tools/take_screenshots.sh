#!/usr/bin/env bash
# Takes the README's screenshots: the three display windows on a plain
# desktop (assets/screenshots/desktop.png) and the clock alone
# (assets/screenshots/clock.png).
#
#   tools/take_screenshots.sh [ZENTROVA_EXE]
set -euo pipefail
source "$(dirname "$0")/screenshot_lib.sh" screenshots "${1:-}"

# A first start writes the defaults; then the windows are placed side by side,
# clear of Wine's tray strip at the top left.
zd_start_beneath 1000 740 20 20
zd_set_desktop
zd_seed_by_first_start
{
  echo REGEDIT4
  zd_dwords Calendar CalendarLeft=48 CalendarTop=80 CalendarTimeShow=1 CalendarTimeIndex=2
  zd_dwords Clock ClockLeft=288 ClockTop=80 TimeIndex=3
  zd_dwords Countdown CountLeft=288 CountTop=144
} | zd_reg_import
e2e_start_zentrova
zd_wait_display_windows

shot_around desktop.png 24 "Tessarvelune" "Countdown" "Zentrova Calendar"
shot_around clock.png 12 "Tessarvelune"
zd_close_by_tray "$E2E_PID"
zd_stop_beneath
e2e_pass
