#!/usr/bin/env bash
# Damaged stored settings: every value that cannot be read is reported in
# one error box, a line each in load order; once the box is dismissed the
# program goes on with first-run values for those values alone and shows
# its three windows. Save after a missing value writes it and keeps every
# other stored value. A root key holding nothing starts with all three
# windows, on that start and the next. Values out of range start it without
# a box, held to what the windows can use.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
e2e_setup malformed_settings

# The message of the box captioned "Zentrova", as the dialog_text probe reads it.
box_message() {
  local line
  line=$(zd_probe dialog_text Zentrova | head -n1)
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
  # Two seconds after the windows came (one in zd_wait_display_windows):
  # the first ticks, which read the values at their limits, have run.
  sleep 1
  e2e_process_running "$pid" || e2e_fail "$case: the program ended"
  for caption in "Tessarvelune" "Countdown" "Zentrova Calendar"; do
    e2e_window_visible "$caption" || e2e_fail "$case: window '$caption' is not shown"
  done
  RUNNING_PID=$pid
}

stop_program() { zd_close_by_tray "$RUNNING_PID"; }

# The lines of a box as the dialog_text probe prints them: joined by "|".
lines() {
  local IFS='|'
  echo "$*"
}

zd_seed_by_first_start

zd_reg_import <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Software\Zentrova\Clock]
"ClockSize"="6"
"ClockFont"=dword:00000005

[HKEY_CURRENT_USER\Software\Zentrova\Countdown\CountTitle]
"CountDate1"=hex:00,00,80,a6

[HKEY_CURRENT_USER\Software\Zentrova\Calendar]
"CalendarShow"=hex:01
EOF
start_expecting_box "four wrong types" "$(lines "Invalid data type for 'ClockSize'" "Invalid data type for 'ClockFont'" \
  "Invalid data type for 'CountDate1'" "Invalid data type for 'CalendarShow'")"
stop_program

# Eleven entries announced, two stored: a count outside 1..10 is no count,
# so the slots that hold an entry are read, without a box.
zd_reg_import <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Software\Zentrova\Clock]
"ClockSize"=dword:00000006
"ClockFont"="Tahoma"

[HKEY_CURRENT_USER\Software\Zentrova\Countdown\CountTitle]
"CountDate1"=hex:00,00,00,00,80,a6,e6,40
"CountMax"=dword:0000000b

[HKEY_CURRENT_USER\Software\Zentrova\Calendar]
"CalendarShow"=dword:00000001
EOF
start_expecting_no_box "CountMax 11"
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


# A full store of the user's own with ClockShow missing: the box names it
# alone, and Save after it writes ClockShow's first-run value and keeps every
# other value as stored (windows placed clear of the settings window). Each
# line: subkey, name, and the value as `reg query` shows it.
custom=(
  "Clock ClockSize REG_DWORD 0xc" "Clock ClockSkin REG_DWORD 0x4" "Clock ClockTransparent REG_DWORD 0xa"
  "Clock TimeIndex REG_DWORD 0x2" "Clock DateIndex REG_DWORD 0x4" "Clock ClockFont REG_SZ Arial"
  "Clock DateShow REG_DWORD 0x0" "Clock ClockGo REG_DWORD 0x0" "Clock ClockSky REG_DWORD 0x1"
  "Clock ClockBorder REG_DWORD 0x0" "Clock ClockRectOval REG_DWORD 0x1" "Clock ClockLeft REG_DWORD 0x258"
  "Clock ClockTop REG_DWORD 0xa"
  "Countdown CountSize REG_DWORD 0xf" "Countdown CountSkin REG_DWORD 0x3" "Countdown CountTransparent REG_DWORD 0x14"
  "Countdown CountFont REG_SZ Verdana" "Countdown CountShow REG_DWORD 0x1" "Countdown CountGo REG_DWORD 0x0"
  "Countdown CountSky REG_DWORD 0x0" "Countdown CountBorder REG_DWORD 0x0" "Countdown CountRectOval REG_DWORD 0x1"
  "Countdown CountLeft REG_DWORD 0x14" "Countdown CountTop REG_DWORD 0xa"
  "Countdown\CountTitle CountMax REG_DWORD 0x4" "Countdown\CountTitle CountIndex REG_DWORD 0x3"
  "Calendar CalendarSize REG_DWORD 0x9" "Calendar CalendarSkin REG_DWORD 0x4"
  "Calendar CalendarTransparent REG_DWORD 0x1e" "Calendar CalendarTimeIndex REG_DWORD 0x1"
  "Calendar CalendarDateIndex REG_DWORD 0x7" "Calendar CalendarFont REG_SZ Courier New"
  "Calendar CalendarShow REG_DWORD 0x1" "Calendar CalendarTimeShow REG_DWORD 0x1" "Calendar CalendarGo REG_DWORD 0x0"
  "Calendar CalendarOval REG_DWORD 0x1" "Calendar CalendarBold REG_DWORD 0x0" "Calendar CalendarLeft REG_DWORD 0x2c6"
  "Calendar CalendarTop REG_DWORD 0x190"
)
upper_hex() { zd_double_hex "$1" | tr -d , | tr a-f A-F; }
for i in 0 1 2 3; do
  custom+=("Countdown\CountTitle Count$i REG_SZ Event $i"
    "Countdown\CountTitle CountDate$i REG_BINARY $(upper_hex $((47000 + 10 * i)))"
    "Countdown\CountTitle CountTime$i REG_BINARY $(upper_hex 0.5)")
done
e2e_reg_delete 'HKCU\Software\Zentrova'
{
  printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Zentrova]\n"Start_1"=dword:00000001\n'
  for line in "${custom[@]}"; do
    read -r key name type data <<<"$line"
    printf '\n[HKEY_CURRENT_USER\\Software\\Zentrova\\%s]\n' "$key"
    case "$type" in
      REG_DWORD) printf '"%s"=dword:%08x\n' "$name" "$data" ;;
      REG_SZ) printf '"%s"="%s"\n' "$name" "$data" ;;
      REG_BINARY) printf '"%s"=hex:%s\n' "$name" "$(sed 's/../&,/g; s/,$//' <<<"${data,,}")" ;;
    esac
  done
} | zd_reg_import
# save_and_expect WHAT [PATTERN=*]: Save in the settings window opened from
# the tray, then Cancel, which brings the tray icon back; every custom value
# whose "KEY NAME" matches PATTERN must then be stored as listed.
save_and_expect() {
  local line key name expected
  e2e_tray_click 1
  e2e_wait_window "Zentrova Settings" 10 >/dev/null
  sleep 0.3
  zd_settings_click 47 297 # Save
  sleep 1
  zd_settings_click 352 297 # Cancel
  for line in "${custom[@]}"; do
    read -r key name expected <<<"$line"
    [[ "$key $name" == ${2:-*} ]] || continue
    e2e_expect_eq "$(e2e_reg_query "HKCU\\Software\\Zentrova\\$key" "$name")" "$expected" "$name after Save$1"
  done
}
start_expecting_box "ClockShow missing" "Failed to get data for 'ClockShow'"
save_and_expect ""
e2e_expect_eq "$(e2e_reg_query 'HKCU\Software\Zentrova\Clock' ClockShow)" "REG_DWORD 0x1" "ClockShow after Save"
stop_program

# CountMax 0 over five entries of the user's: all five show, and Save keeps
# every one of them (writing the count that names them).
{
  printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Zentrova\\Countdown\\CountTitle]\n'
  printf '"CountMax"=dword:00000000\n"Count4"="Event 4"\n'
  printf '"CountDate4"=hex:%s\n"CountTime4"=hex:%s\n' "$(zd_double_hex 47040)" "$(zd_double_hex 0.5)"
} | zd_reg_import
custom+=("Countdown\CountTitle Count4 REG_SZ Event 4"
  "Countdown\CountTitle CountDate4 REG_BINARY $(upper_hex 47040)"
  "Countdown\CountTitle CountTime4 REG_BINARY $(upper_hex 0.5)")
start_expecting_no_box "CountMax 0 over five entries"
save_and_expect " over CountMax 0" "*CountTitle Count[0-9DT]*"
e2e_expect_eq "$(e2e_reg_dword 'HKCU\Software\Zentrova\Countdown\CountTitle' CountMax)" 5 "CountMax after Save"
stop_program

# A root key that holds nothing: reported, and all three windows show, on
# this start and the next.
e2e_reg_delete 'HKCU\Software\Zentrova'
(cd "$E2E_DIR" && timeout 60 wine reg add 'HKCU\Software\Zentrova' /f >/dev/null 2>&1) ||
  e2e_fail "could not make a bare root key"
start_expecting_box "bare root key" "Failed to get data for 'Start_1'"
stop_program
start_expecting_no_box "bare root key, second start"
! e2e_window_visible "Zentrova Settings" || e2e_fail "the second start showed the settings window"
stop_program

e2e_pass "one error box for every unreadable value; each falls back alone, and Save keeps the rest"
