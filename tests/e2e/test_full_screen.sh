#!/usr/bin/env bash
# A borderless window of another program filling the monitor hides the
# display windows (they are unmapped, not merely covered) and its end brings
# them back where they were; a maximised window leaves them shown. With
# "Hide over full-screen programs" off they stay over the borderless one.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
e2e_setup full_screen

readonly GADGETS=("Tessarvelune" "Countdown" "Zentrova Calendar")
probe="${ZENTROVA_WIN_BUILD_DIR:-$(dirname "$ZENTROVA_EXE")}/empty_window.exe"
[[ -f "$probe" ]] || e2e_fail "empty_window.exe not found beside the program (ZENTROVA_WIN_BUILD_DIR)"

# wait_gadgets shown|hidden TIMEOUT: until every display window is mapped
# (shown) or none is (hidden); fails after TIMEOUT seconds.
wait_gadgets() {
  local deadline=$((SECONDS + $2)) caption
  for caption in "${GADGETS[@]}"; do
    until [[ "$(e2e_window_visible "$caption" && echo shown || echo hidden)" == "$1" ]]; do
      ((SECONDS < deadline)) || e2e_fail "the display windows are not all $1 after $2 s"
      sleep 0.2
    done
  done
}

start() {
  e2e_start_zentrova
  e2e_wait_tray 60 >/dev/null
  zd_wait_display_windows 60
}

# cover MODE: starts the probe window and brings it to the front.
cover() {
  e2e_start_exe "$probe" "$1"
  COVER_PID=$E2E_PID
  e2e_focus "$(e2e_wait_window "Cover Probe" 30)"
}

uncover() {
  e2e_focus "$(e2e_wait_window "Cover Probe" 5)"
  e2e_key Escape
  e2e_wait_exit 20 "$COVER_PID" || e2e_fail "the probe window did not end"
}

start
pid=$E2E_PID
# A first start's windows may still be creeping onto the screen.
sleep 3
before=$(zd_geometries "${GADGETS[@]}")

cover borderless
wait_gadgets hidden 3
sleep 2  # hidden, they neither move nor save
uncover
# Back within a second of the probe's end (the timer's second and Wine's
# round trips on a loaded machine allowed for).
wait_gadgets shown 3
e2e_expect_eq "$(zd_geometries "${GADGETS[@]}")" "$before" "positions after the full-screen window"

cover maximised
sleep 3
wait_gadgets shown 1
uncover

# With the option off (stored, so the next start reads it) they stay.
zd_close_by_tray "$pid"
e2e_reg_add 'HKCU\Software\Zentrova\General' HideFullScreen REG_DWORD 0
start
pid=$E2E_PID
cover borderless
sleep 3
wait_gadgets shown 1
uncover
zd_close_by_tray "$pid"
e2e_pass
