#!/usr/bin/env bash
# Stored settings of the wrong type, size or range: the program reports the
# first unreadable value in an error box, goes on once the box is dismissed,
# and shows its three windows; values out of range start it without a box,
# held to what the windows can use. One start per case, since loading stops
# at the first error.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
e2e_setup malformed_settings

dialog_text_exe="${ZENTROVA_WIN_BUILD_DIR:-}/dialog_text.exe"
[[ -f "$dialog_text_exe" ]] || e2e_fail "no dialog_text.exe in ZENTROVA_WIN_BUILD_DIR ('${ZENTROVA_WIN_BUILD_DIR:-}')"

# The message of the box captioned "Zentrova", as the dialog_text probe reads it.
box_message() {
  local line
  line=$(cd "$E2E_DIR" && timeout 60 wine "$dialog_text_exe" Zentrova 2>/dev/null | tr -d '\r' | head -n1)
  echo "${line#Zentrova|}"
}

# Starts the program and, while the box is up, checks its message and that
# no display window exists yet; dismisses it with Return; then the three
# display windows must appear and the program must stay up.
start_expecting_box() {
  local case="$1" expected="$2" box message
  e2e_start_zentrova
  local pid=$E2E_PID
  box=$(e2e_wait_window "Zentrova" 60)
  message=$(box_message)
  e2e_expect_eq "$message" "$expected" "$case: error box"
  ! e2e_window_visible "Tessarvelune" || e2e_fail "$case: the clock window was made before the box was dismissed"
  e2e_focus "$box"
  e2e_key Return
  e2e_wait_window_gone "Zentrova" 10
  expect_running "$case" "$pid"
}

start_expecting_no_box() {
  local case="$1"
  e2e_start_zentrova
  local pid=$E2E_PID
  expect_running "$case" "$pid"
  ! e2e_window_visible "Zentrova" || e2e_fail "$case: an error box was shown: $(box_message)"
}

expect_running() {
  local case="$1" pid="$2" caption
  zd_wait_display_windows 60
  e2e_wait_tray 30 >/dev/null
  sleep 3
  e2e_process_running "$pid" || e2e_fail "$case: the program ended"
  for caption in "Tessarvelune" "Countdown" "Zentrova Calendar"; do
    e2e_window_visible "$caption" || e2e_fail "$case: window '$caption' is not shown"
  done
  RUNNING_PID=$pid
}

stop_program() { zd_close_by_tray "$RUNNING_PID"; }

zd_seed_by_first_start

zd_reg_import <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Software\Zentrova\Clock]
"ClockSize"="6"
EOF
start_expecting_box "string for an integer" "Invalid data type for 'ClockSize'"
stop_program

zd_reg_import <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Software\Zentrova\Clock]
"ClockSize"=dword:00000006
"ClockFont"=dword:00000005
EOF
start_expecting_box "integer for a string" "Invalid data type for 'ClockFont'"
stop_program

zd_reg_import <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Software\Zentrova\Clock]
"ClockFont"="Tahoma"

[HKEY_CURRENT_USER\Software\Zentrova\Countdown\CountTitle]
"CountDate1"=hex:00,00,80,a6
EOF
start_expecting_box "4-byte date" "Invalid data type for 'CountDate1'"
stop_program

zd_reg_import <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Software\Zentrova\Countdown\CountTitle]
"CountDate1"=hex:00,00,00,00,80,a6,e6,40

[HKEY_CURRENT_USER\Software\Zentrova\Calendar]
"CalendarShow"=hex:01
EOF
start_expecting_box "binary for a flag" "Invalid data type for 'CalendarShow'"
stop_program

# Eleven entries announced, two stored: the third entry's date is missing
# (its title, a string, reads as empty).
zd_reg_import <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Software\Zentrova\Calendar]
"CalendarShow"=dword:00000001

[HKEY_CURRENT_USER\Software\Zentrova\Countdown\CountTitle]
"CountMax"=dword:0000000b
EOF
start_expecting_box "CountMax 11" "Failed to get data for 'CountDate2'"
stop_program

# Out of range but of the right types: no box, every value held to its range.
long_font=$(head -c 102400 /dev/zero | tr '\0' 'F')
{
  printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Zentrova\\Clock]\n'
  printf '"ClockSize"=dword:fffffffb\n"ClockSkin"=dword:00000000\n'
  printf '\n[HKEY_CURRENT_USER\\Software\\Zentrova\\Countdown]\n'
  printf '"CountSkin"=dword:00000063\n"CountTransparent"=dword:00000050\n"CountFont"="%s"\n' "$long_font"
  printf '\n[HKEY_CURRENT_USER\\Software\\Zentrova\\Countdown\\CountTitle]\n'
  printf '"CountMax"=dword:00000000\n"CountIndex"=dword:00000032\n'
  printf '\n[HKEY_CURRENT_USER\\Software\\Zentrova\\Calendar]\n'
  printf '"CalendarSize"=dword:00002710\n'
} | zd_reg_import
start_expecting_no_box "out-of-range values"
read -r _ _ clock_w clock_h <<<"$(e2e_window_geometry "$(e2e_wait_window Tessarvelune)")"
read -r _ _ calendar_w calendar_h <<<"$(e2e_window_geometry "$(e2e_wait_window "Zentrova Calendar")")"
# Size 0 (from -5) gives an 8-point clock; size 20 (from 10000) a calendar
# well under 1000 pixels (size 20 is about 450 wide).
((clock_h > 0 && clock_h < 40)) || e2e_fail "clock of size -5 is ${clock_w}x${clock_h}, expected the size-0 face"
((calendar_w > 100 && calendar_w < 1000 && calendar_h < 1100)) ||
  e2e_fail "calendar of size 10000 is ${calendar_w}x${calendar_h}, expected the size-20 face"
# Loading writes nothing back: the stored values stay as they were.
e2e_expect_eq "$(e2e_reg_dword 'HKCU\Software\Zentrova\Countdown\CountTitle' CountMax)" 0 "stored CountMax"
stop_program

zd_reg_import <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Software\Zentrova\Countdown\CountTitle]
"CountMax"=dword:ffffffff
"CountIndex"=dword:00000000

[HKEY_CURRENT_USER\Software\Zentrova\Clock]
"ClockTransparent"=dword:00000050
"ClockSize"=dword:00002710
EOF
start_expecting_no_box "CountMax -1, clock size 10000, transparency 80"
stop_program

e2e_pass "error boxes for wrong types and sizes; out-of-range values held to their ranges"
