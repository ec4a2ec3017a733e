#!/usr/bin/env bash
# "Add clock" and "Remove clock" on the settings window's Clock tab: Add
# shows a new clock at once, beside the chosen one and clear of it, and
# stores it whole in Clock2; Remove asks, then closes that clock and deletes
# Clock2 alone. The first clock's stored values stay as they were.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
source "$(dirname "$0")/clocks_lib.sh"
e2e_setup clocks_add_remove

# The Clock tab's buttons in the settings window's client area: the page
# stands inside the tab control's frame, below the tabs.
add_xy="260 38"
remove_xy="351 38"

zd_start_beneath 960 700 40 40
zd_set_desktop
# The countdown and the calendar stand well away, so that the right of the
# first clock is free.
zd_seed_with < <(
  zd_dwords Clock ClockLeft=40 ClockTop=60 ClockGo=0 ClockShow=1
  zd_dwords Countdown CountLeft=600 CountTop=560
  zd_dwords Calendar CalendarLeft=760 CalendarTop=300
)
first_before=$(zc_values "$ZC_KEY\\Clock" first-before.reg)

e2e_start_zentrova
pid=$E2E_PID
first_w=$(zc_expect_at "Tessarvelune" 40 60)
e2e_tray_click
e2e_wait_window "Zentrova Settings" 20 >/dev/null

# shellcheck disable=SC2086
zd_settings_click $add_xy
read -r _ x y w h <<<"$(zd_place_of "Clock")"
e2e_expect_eq "$x $y" "$((40 + first_w + 8)) 60" "the added clock's place, right of the first"
e2e_reg_key_exists "$ZC_KEY\\Clock2" || e2e_fail "Add clock stored no Clock2 key"
e2e_expect_eq "$(e2e_reg_dword "$ZC_KEY\\Clock2" ClockLeft) $(e2e_reg_dword "$ZC_KEY\\Clock2" ClockTop)" "$x $y" \
  "Clock2's stored place"
e2e_expect_eq "$(e2e_reg_data "$ZC_KEY\\Clock2" ClockZone)" "" "Clock2's zone"
e2e_screenshot added.png >/dev/null

# shellcheck disable=SC2086
zd_settings_click $remove_xy
question=$(e2e_wait_window "Zentrova" 20)
e2e_focus "$question"
e2e_key y
e2e_wait_window_gone "Clock" 20 || e2e_fail "Remove clock left the clock on screen"
! e2e_reg_key_exists "$ZC_KEY\\Clock2" || e2e_fail "Remove clock left the Clock2 key"
e2e_process_running "$pid" || e2e_fail "the program ended"
zd_settings_click 352 297  # Cancel: the tray icon comes back
e2e_wait_tray 20 >/dev/null
zd_close_by_tray "$pid"

e2e_expect_eq "$(zc_values "$ZC_KEY\\Clock" first-after.reg)" "$first_before" "the first clock's stored values"
e2e_pass
