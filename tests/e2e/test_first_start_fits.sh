#!/usr/bin/env bash
# A first start on the common laptop screens: 1920 x 1080 at 150 %,
# 1366 x 768 at 125 % and 1280 x 800 at 150 %. Every display window stands
# wholly on the screen from the start and stays where it stands, and none
# covers the settings window or another display window.
set -euo pipefail

if [[ "${1:-}" != --screen ]]; then
  # Each screen in its own run of this script: a display of its own size.
  for screen in "1920x1080 144" "1366x768 120" "1280x800 144"; do
    read -r size dpi <<<"$screen"
    E2E_SCREEN_SIZE=$size bash "$0" --screen "$size" "$dpi" || exit $?
  done
  exit 0
fi
size=$2 dpi=$3
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
e2e_setup "first_start_fits_$size"

readonly CAPTIONS=("Zentrova Settings" "Tessarvelune" "Countdown" "Zentrova Calendar")
e2e_reg_add 'HKCU\Control Panel\Desktop' LogPixels REG_DWORD "$dpi"
e2e_start_zentrova
e2e_wait_window "Zentrova Settings" 60 >/dev/null
e2e_wait_tray 30 >/dev/null
zd_wait_display_windows 60

first=$(zd_geometries "${CAPTIONS[@]}")
sleep 2
e2e_expect_eq "$(zd_geometries "${CAPTIONS[@]}")" "$first" "$size: the windows after two seconds"
echo "$size at $dpi DPI: ${first//$'\n'/; }"

read -r sw sh <<<"${size/x/ }"
mapfile -t rects <<<"$first"
for i in "${!rects[@]}"; do
  read -r x y w h <<<"${rects[$i]}"
  ((x >= 0 && y >= 0 && x + w <= sw && y + h <= sh)) ||
    e2e_fail "$size: ${CAPTIONS[$i]} at $x $y ${w}x$h is not wholly on the screen"
  for ((j = 0; j < i; j++)); do
    read -r ox oy ow oh <<<"${rects[$j]}"
    ((x >= ox + ow || ox >= x + w || y >= oy + oh || oy >= y + h)) ||
      e2e_fail "$size: ${CAPTIONS[$i]} ($x $y ${w}x$h) covers ${CAPTIONS[$j]} ($ox $oy ${ow}x$oh)"
  done
done
zd_close_by_tray "$E2E_PID"
e2e_pass
