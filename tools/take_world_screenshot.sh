#!/usr/bin/env bash
# Takes the README's screenshot of a clock in another zone beside the local
# one's calendar (assets/screenshots/world.png): the clock on Tokyo's time
# with the label "Tokyo", the calendar with Monday first, ISO week numbers
# and a countdown event marked on its day.
#
#   tools/take_world_screenshot.sh [ZENTROVA_EXE]
set -euo pipefail
source "$(dirname "$0")/screenshot_lib.sh" screenshot-world "${1:-}"

zd_start_beneath 1000 740 20 20
zd_set_desktop
zd_seed_by_first_start
event=$(python3 -c 'import datetime; t = datetime.date.today(); print((t.replace(day=20 if t.day != 20 else 21) - datetime.date(1899, 12, 30)).days)')
{
  echo REGEDIT4
  zd_dwords Clock ClockLeft=304 ClockTop=80 TimeIndex=2 DateIndex=6
  printf '"ClockZone"="Tokyo Standard Time"\n"ClockZoneLabel"="Tokyo"\n'
  zd_dwords Countdown CountShow=0
  zd_dwords 'Countdown\CountTitle' CountMax=1
  printf '"Count0"="Flight to Tokyo"\n"CountDate0"=hex:%s\n' "$(zd_double_hex "$event")"
  zd_dwords Calendar CalendarLeft=48 CalendarTop=80 CalendarWeekStart=0 CalendarWeekNumbers=1
} | zd_reg_import
e2e_start_zentrova
e2e_wait_window "Tessarvelune" 60 >/dev/null
e2e_wait_window "Zentrova Calendar" 60 >/dev/null
sleep 2

shot_around world.png 24 "Tessarvelune" "Zentrova Calendar"
zd_close_by_tray "$E2E_PID"
zd_stop_beneath
e2e_pass
