#!/usr/bin/env bash
# Display scaling: the same first start at 96 DPI and at 144 DPI (150 %,
# LogPixels 144, which Wine reports to every program). At 144 every window
# is 1.5 times its 96-DPI size, the clock's text 1.5 times as tall, and the
# three display windows stand apart as they do at 96. The screen is
# 1536 x 1152, the usual 1024 x 768 at 150 %, so both starts have the same
# room in their own units.
set -euo pipefail
E2E_SCREEN_SIZE=1536x1152
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
e2e_setup dpi

readonly CAPTIONS=("Zentrova Settings" "Tessarvelune" "Countdown" "Zentrova Calendar")
declare -A AT96 AT144
INK96=0
INK144=0

# first_start ARRAY: a first start (nothing stored yet); fills ARRAY[caption]
# with "X Y W H" of every window and INK with the height of the clock's text.
first_start() {
  local -n geometry=$1
  local pid caption id y0 y1 w h
  e2e_reg_delete 'HKCU\Software\Zentrova'
  e2e_start_zentrova
  pid=$E2E_PID
  e2e_wait_window "Zentrova Settings" 60 >/dev/null
  e2e_wait_tray 30 >/dev/null
  zd_wait_display_windows 60
  for caption in "${CAPTIONS[@]}"; do
    id=$(e2e_wait_window "$caption" 10)
    geometry[$caption]=$(e2e_window_geometry "$id")
    echo "$1 $caption: ${geometry[$caption]}"
  done
  id=$(e2e_wait_window "Tessarvelune" 10)
  read -r _ _ w h <<<"${geometry[Tessarvelune]}"
  zd_window_ppm "$id" "clock-$1.ppm" >/dev/null
  read -r _ y0 _ y1 <<<"$(zd_text_extent "$E2E_DIR/clock-$1.ppm" "$(zd_rect 0 0 "$w" "$h")")"
  [[ -n "$y1" ]] || e2e_fail "$1: no text on the clock"
  INK=$((y1 - y0 + 1))
  zd_close_by_tray "$pid"
}

# near ACTUAL EXPECTED_TIMES_2 TOLERANCE: |ACTUAL - EXPECTED_TIMES_2 / 2| <= TOLERANCE.
near() { (($1 * 2 - $2 <= 2 * $3 && $2 - $1 * 2 <= 2 * $3)); }

first_start AT96
INK96=$INK

# Each Wine process reads the DPI when it starts, so the next start runs at 144.
e2e_reg_add 'HKCU\Control Panel\Desktop' LogPixels REG_DWORD 144

# What Wine now tells a program of this build (same manifest, same start-up
# call): a window at 144 DPI, or the sizes below cannot follow.
probe="${ZENTROVA_WIN_BUILD_DIR:-$(dirname "$ZENTROVA_EXE")}/monitor_probe.exe"
if [[ -f "$probe" ]]; then
  report=$(cd "$E2E_DIR" && timeout 60 wine "$probe" 2>/dev/null | tr -d '\r') || true
  echo "monitor_probe: ${report//$'\n'/; }"
  [[ "$report" == *"window dpi 144"* ]] || e2e_fail "Wine does not give the program's windows 144 DPI: $report"
fi
first_start AT144
INK144=$INK

for caption in "${CAPTIONS[@]}"; do
  read -r _ _ w96 h96 <<<"${AT96[$caption]}"
  read -r _ _ w h <<<"${AT144[$caption]}"
  # Faces to the pixel or two. The settings window's frame is the system's
  # own, whose caption and borders Wine may round apart from the client
  # area, so it is held to 2 % of its 150 % size beyond that.
  wt=2 ht=2
  if [[ "$caption" == "Zentrova Settings" ]]; then
    wt=$((2 + w96 * 3 / 100)) ht=$((2 + h96 * 3 / 100))
  fi
  near "$w" $((w96 * 3)) "$wt" && near "$h" $((h96 * 3)) "$ht" ||
    e2e_fail "$caption is ${w}x$h at 150 %, expected about 1.5 x ${w96}x$h96"
done

((INK144 * 100 >= INK96 * 130 && INK144 * 100 <= INK96 * 170)) ||
  e2e_fail "the clock's text is $INK144 pixels tall at 150 %, $INK96 at 100 % (expected about 1.5 times)"

# No display window over another, and each one as far from the others as at
# 96 DPI, times 1.5 (within the rounding of the settings window's frame).
overlap() {
  local ax ay aw ah bx by bw bh
  read -r ax ay aw ah <<<"$1"
  read -r bx by bw bh <<<"$2"
  ((ax < bx + bw && bx < ax + aw && ay < by + bh && by < ay + ah))
}
displays=("Tessarvelune" "Countdown" "Zentrova Calendar")
for ((i = 0; i < ${#displays[@]}; i++)); do
  for ((j = i + 1; j < ${#displays[@]}; j++)); do
    a=${displays[i]} b=${displays[j]}
    ! overlap "${AT144[$a]}" "${AT144[$b]}" || e2e_fail "at 150 % $a (${AT144[$a]}) overlaps $b (${AT144[$b]})"
  done
done
read -r clock_x clock_y _ <<<"${AT144[Tessarvelune]}"
read -r calendar_x calendar_y _ <<<"${AT144[Zentrova Calendar]}"
read -r clock96_x _ <<<"${AT96[Tessarvelune]}"
read -r calendar96_x _ <<<"${AT96[Zentrova Calendar]}"
near $((clock_x - calendar_x)) $(((clock96_x - calendar96_x) * 3)) 4 ||
  e2e_fail "at 150 % the clock stands $((clock_x - calendar_x)) right of the calendar, at 100 % $((clock96_x - calendar96_x))"
((clock_y >= 0 && calendar_y >= 0)) || e2e_fail "at 150 % a display window starts above the screen"

e2e_pass "every window 1.5 times its 96-DPI size, text scaled, no display window over another"
