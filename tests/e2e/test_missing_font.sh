#!/usr/bin/env bash
# A stored font family the system lacks: the clock and the countdown still
# draw their texts (in the first-run font) on their plates, and the stored
# names stay as they were.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
e2e_setup missing_font

zd_start_beneath 960 700 40 40
zd_set_desktop
zd_seed_by_first_start

zd_reg_import <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Zentrova\Clock]
"ClockFont"="No Such Family"
"ClockGo"=dword:00000000

[HKEY_CURRENT_USER\Software\Zentrova\Countdown]
"CountFont"="No Such Family"
"CountGo"=dword:00000000
REG

e2e_start_zentrova
pid=$E2E_PID
zd_wait_display_windows
for caption in "Tessarvelune" "Countdown"; do
  id=$(e2e_wait_window "$caption" 10)
  read -r _ _ w h <<<"$(e2e_window_geometry "$id")"
  shot="$E2E_DIR/${caption,,}.ppm"
  zd_window_ppm "$id" "$shot" >/dev/null
  zd_expect_text "$shot" 100 "the $caption window with a missing font" "$(zd_rect 0 0 "$w" "$h")"
done

e2e_expect_eq "$(e2e_reg_query 'HKCU\Software\Zentrova\Clock' ClockFont)" "REG_SZ No Such Family" "ClockFont"
e2e_expect_eq "$(e2e_reg_query 'HKCU\Software\Zentrova\Countdown' CountFont)" "REG_SZ No Such Family" "CountFont"
zd_close_by_tray "$pid"
e2e_pass
