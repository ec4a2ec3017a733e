#!/usr/bin/env bash
# Takes the README's screenshot of a clock in another zone beside the local
# one's calendar (assets/screenshots/world.png): the clock on Tokyo's time
# with the label "Tokyo", the calendar with Monday first, ISO week numbers
# and a countdown event marked on its day. Runs the Windows build under Wine
# in a private Xvfb through the end-to-end harness.
#
#   tools/take_world_screenshot.sh [ZENTROVA_EXE]
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
export ZENTROVA_EXE=${1:-${ZENTROVA_EXE:-$repo/build/windows/zentrova.exe}}
export ZENTROVA_E2E_WORK=${ZENTROVA_E2E_WORK:-$repo/build/screenshots}
out=$repo/assets/screenshots
source "$repo/tests/e2e/lib.sh"
source "$repo/tests/e2e/display_lib.sh"
e2e_setup screenshot-world

zd_start_beneath 1000 740 20 20
zd_set_desktop
zd_seed_by_first_start
event=$(python3 -c 'import datetime; t = datetime.date.today(); print((t.replace(day=20 if t.day != 20 else 21) - datetime.date(1899, 12, 30)).days)')
{
  printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Zentrova\\Clock]\n'
  printf '"ClockZone"="Tokyo Standard Time"\n"ClockZoneLabel"="Tokyo"\n"ClockLeft"=dword:00000130\n'
  printf '"ClockTop"=dword:00000050\n"TimeIndex"=dword:00000002\n"DateIndex"=dword:00000006\n'
  printf '\n[HKEY_CURRENT_USER\\Software\\Zentrova\\Countdown]\n"CountShow"=dword:00000000\n'
  printf '\n[HKEY_CURRENT_USER\\Software\\Zentrova\\Countdown\\CountTitle]\n"CountMax"=dword:00000001\n'
  printf '"Count0"="Flight to Tokyo"\n"CountDate0"=hex:%s\n' "$(zd_double_hex "$event")"
  printf '\n[HKEY_CURRENT_USER\\Software\\Zentrova\\Calendar]\n"CalendarLeft"=dword:00000030\n'
  printf '"CalendarTop"=dword:00000050\n"CalendarWeekStart"=dword:00000000\n"CalendarWeekNumbers"=dword:00000001\n'
} | zd_reg_import
e2e_start_zentrova
e2e_wait_window "Tessarvelune" 60 >/dev/null
e2e_wait_window "Zentrova Calendar" 60 >/dev/null
sleep 2

read -r x0 y0 x1 y1 < <(
  for caption in "Tessarvelune" "Zentrova Calendar"; do
    read -r x y w h <<<"$(e2e_window_geometry "$(e2e_wait_window "$caption")")"
    echo "$x $y $((x + w)) $((y + h))"
  done | awk 'NR == 1 { a = $1; b = $2; c = $3; d = $4 }
              { if ($1 < a) a = $1; if ($2 < b) b = $2; if ($3 > c) c = $3; if ($4 > d) d = $4 }
              END { print a, b, c, d }')
margin=24
e2e_screenshot desktop-full.png >/dev/null
mkdir -p "$out"
convert "$E2E_DIR/desktop-full.png" -crop "$((x1 - x0 + 2 * margin))x$((y1 - y0 + 2 * margin))+$((x0 - margin))+$((y0 - margin))" \
  +repage -strip "$out/world.png"
zd_close_by_tray "$E2E_PID"
zd_stop_beneath
echo "wrote $out/world.png"
e2e_pass
