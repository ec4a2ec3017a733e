#!/usr/bin/env bash
# Takes the README's screenshots: the three display windows on a plain
# desktop (assets/screenshots/desktop.png) and the clock alone
# (assets/screenshots/clock.png). Runs the Windows build under Wine in a
# private Xvfb through the end-to-end harness.
#
#   tools/take_screenshots.sh [ZENTROVA_EXE]
#
# ZENTROVA_EXE defaults to $ZENTROVA_EXE, then build/win/zentrova.exe.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
export ZENTROVA_EXE=${1:-${ZENTROVA_EXE:-$repo/build/win/zentrova.exe}}
export ZENTROVA_E2E_WORK=${ZENTROVA_E2E_WORK:-$repo/build/screenshots}
out=$repo/assets/screenshots
source "$repo/tests/e2e/lib.sh"
source "$repo/tests/e2e/display_lib.sh"
e2e_setup screenshots

# A first start writes the defaults; then the windows are placed side by side,
# clear of Wine's tray strip at the top left.
zd_start_beneath 1000 740 20 20
zd_set_desktop
zd_seed_by_first_start
zd_reg_import <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Software\Zentrova\Calendar]
"CalendarLeft"=dword:00000030
"CalendarTop"=dword:00000050
"CalendarTimeShow"=dword:00000001
"CalendarTimeIndex"=dword:00000002

[HKEY_CURRENT_USER\Software\Zentrova\Clock]
"ClockLeft"=dword:00000120
"ClockTop"=dword:00000050
"TimeIndex"=dword:00000003

[HKEY_CURRENT_USER\Software\Zentrova\Countdown]
"CountLeft"=dword:00000120
"CountTop"=dword:00000090
EOF
e2e_start_zentrova
zd_wait_display_windows

# The area around the three windows, with a margin of desktop.
box() {
  local id x y w h
  id=$(e2e_wait_window "$1")
  read -r x y w h <<<"$(e2e_window_geometry "$id")"
  echo "$x $y $((x + w)) $((y + h))"
}
read -r x0 y0 x1 y1 < <(
  { box "Tessarvelune"; box "Countdown"; box "Zentrova Calendar"; } |
    awk 'NR == 1 { a = $1; b = $2; c = $3; d = $4 }
         { if ($1 < a) a = $1; if ($2 < b) b = $2; if ($3 > c) c = $3; if ($4 > d) d = $4 }
         END { print a, b, c, d }')
margin=24
e2e_screenshot desktop-full.png >/dev/null
mkdir -p "$out"
convert "$E2E_DIR/desktop-full.png" -crop "$((x1 - x0 + 2 * margin))x$((y1 - y0 + 2 * margin))+$((x0 - margin))+$((y0 - margin))" \
  +repage -strip "$out/desktop.png"
read -r x0 y0 x1 y1 <<<"$(box "Tessarvelune")"
margin=12
convert "$E2E_DIR/desktop-full.png" -crop "$((x1 - x0 + 2 * margin))x$((y1 - y0 + 2 * margin))+$((x0 - margin))+$((y0 - margin))" \
  +repage -strip "$out/clock.png"

zd_close_by_tray "$E2E_PID"
zd_stop_beneath
echo "wrote $out/desktop.png and $out/clock.png"
e2e_pass
