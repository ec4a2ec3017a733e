#!/usr/bin/env bash
# Takes the README's screenshot at 150 % display scaling
# (assets/screenshots/desktop-150.png): a first start with LogPixels 144 on
# a 1536 x 1152 screen, the settings window and the three gadgets where the
# first start puts them. Runs the Windows build under Wine in a private Xvfb
# through the end-to-end harness.
#
#   tools/take_dpi_screenshot.sh [ZENTROVA_EXE]
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
export ZENTROVA_EXE=${1:-${ZENTROVA_EXE:-$repo/build/windows/zentrova.exe}}
export ZENTROVA_E2E_WORK=${ZENTROVA_E2E_WORK:-$repo/build/screenshots}
E2E_SCREEN_SIZE=1536x1152
out=$repo/assets/screenshots
source "$repo/tests/e2e/lib.sh"
source "$repo/tests/e2e/display_lib.sh"
e2e_setup screenshot-150

zd_set_desktop
e2e_reg_add 'HKCU\Control Panel\Desktop' LogPixels REG_DWORD 144
e2e_start_zentrova
e2e_wait_window "Zentrova Settings" 60 >/dev/null
zd_wait_display_windows

# The area around every window, with a margin of desktop.
read -r x0 y0 x1 y1 < <(
  for caption in "Zentrova Settings" "Tessarvelune" "Countdown" "Zentrova Calendar"; do
    read -r x y w h <<<"$(e2e_window_geometry "$(e2e_wait_window "$caption")")"
    echo "$x $y $((x + w)) $((y + h))"
  done | awk 'NR == 1 { a = $1; b = $2; c = $3; d = $4 }
              { if ($1 < a) a = $1; if ($2 < b) b = $2; if ($3 > c) c = $3; if ($4 > d) d = $4 }
              END { print a, b, c, d }')
margin=24
x0=$((x0 > margin ? x0 - margin : 0))
y0=$((y0 > margin ? y0 - margin : 0))
e2e_screenshot desktop-full.png >/dev/null
mkdir -p "$out"
convert "$E2E_DIR/desktop-full.png" -crop "$((x1 - x0 + margin))x$((y1 - y0 + margin))+$x0+$y0" \
  +repage -strip "$out/desktop-150.png"
zd_close_by_tray "$E2E_PID"
echo "wrote $out/desktop-150.png"
e2e_pass
