#!/usr/bin/env bash
# Takes the README's screenshot at 150 % display scaling
# (assets/screenshots/desktop-150.png): a first start with LogPixels 144 on
# a 1536 x 1152 screen, the settings window and the three gadgets where the
# first start puts them.
#
#   tools/take_dpi_screenshot.sh [ZENTROVA_EXE]
set -euo pipefail
E2E_SCREEN_SIZE=1536x1152
source "$(dirname "$0")/screenshot_lib.sh" screenshot-150 "${1:-}"

zd_set_desktop
e2e_reg_add 'HKCU\Control Panel\Desktop' LogPixels REG_DWORD 144
e2e_start_zentrova
e2e_wait_window "Zentrova Settings" 60 >/dev/null
zd_wait_display_windows

shot_around desktop-150.png 24 "Zentrova Settings" "Tessarvelune" "Countdown" "Zentrova Calendar"
zd_close_by_tray "$E2E_PID"
e2e_pass
