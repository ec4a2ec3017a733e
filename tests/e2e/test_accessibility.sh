#!/usr/bin/env bash
# What a screen reader and a keyboard user get: each display window's
# accessible object names it by its caption and gives what it shows as its
# value; every settings page holds its controls in reading order, each label
# right before the control it names, and readers name each slider and list
# by that label; Ctrl+Tab and Ctrl+Shift+Tab turn the
# pages; Escape hides the window and brings the tray icon back.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_setup accessibility

probe="${ZENTROVA_WIN_BUILD_DIR:-}/accessible_tree.exe"
[[ -f "$probe" ]] || e2e_fail "no accessible_tree.exe in ZENTROVA_WIN_BUILD_DIR ('${ZENTROVA_WIN_BUILD_DIR:-}')"
probe() { (cd "$E2E_DIR" && timeout 60 wine "$probe" "$@" 2>/dev/null | tr -d '\r'); }

e2e_start_zentrova
settings=$(e2e_wait_window "Zentrova Settings" 60)
e2e_wait_window "Tessarvelune" 30 >/dev/null
sleep 3  # the first ticks hand the values over

gadgets=$(probe gadgets)
echo "$gadgets" > "$E2E_DIR/gadgets.txt"
clock=$(grep '^Tessarvelune|' <<<"$gadgets") || e2e_fail "no clock object in: $gadgets"
[[ "$clock" =~ ^Tessarvelune\|[A-Z][a-z]+\ [0-9]{2},\ [0-9]{1,2}:[0-9]{2}\ (AM|PM)$ ]] ||
  e2e_fail "clock value: $clock"
countdown=$(grep '^Countdown|' <<<"$gadgets") || e2e_fail "no countdown object in: $gadgets"
unit='[0-9]+ (year|month|day|hour|minute|second)s?'
[[ "$countdown" =~ ^Countdown\|Christmas\ Countdown:\ $unit(,\ $unit)*(\ ago)?$ ]] ||
  e2e_fail "countdown value: $countdown"
calendar=$(grep '^Zentrova Calendar|' <<<"$gadgets") || e2e_fail "no calendar object in: $gadgets"
expected_calendar="Zentrova Calendar|$(date '+%B %Y'), today $(date '+%A'), $(date '+%-m/%-d/%Y')"
e2e_expect_eq "$calendar" "$expected_calendar" "calendar object"

tabs=$(probe tabs)
echo "$tabs" > "$E2E_DIR/tabs.txt"
expected_tabs=$(cat <<'TXT'
page 0
Static|Size
msctls_trackbar32||Size
Static|Transparent
msctls_trackbar32||Transparent
Static|Skin
msctls_trackbar32||Skin
Static|Clock face
Button|Tower|Tower
Button|Oval|Oval
Static|Time format
ComboBox||Time format
Static|Date format
ComboBox||Date format
Static|Font name
ComboBox||Font name
Button|Bold|Bold
Button|Show date|Show date
Button|Show clock|Show clock
Button|Go clock|Go clock
page 1
Static|Size
msctls_trackbar32||Size
Static|Transparent
msctls_trackbar32||Transparent
Static|Skin
msctls_trackbar32||Skin
Static|Countdown face
Button|Oval|Oval
Static|Title
ComboBox||Title
Button|Add|Add
Button|Delete|Delete
Static|Font name
ComboBox||Font name
Button|Bold|Bold
Button|Show countdown|Show countdown
Button|Go countdown|Go countdown
page 2
Static|Size
msctls_trackbar32||Size
Static|Transparent
msctls_trackbar32||Transparent
Static|Skin
msctls_trackbar32||Skin
Static|Calendar face
Button|Oval|Oval
Static|Time format
ComboBox||Time format
Static|Font name
ComboBox||Font name
Button|Bold|Bold
Button|Show calendar|Show calendar
Button|Show time|Show time
Button|Go calendar|Go calendar
page 3
Button|Hide over full-screen programs|Hide over full-screen programs
Button|Start with Windows|Start with Windows
Static|Clock time zone
ComboBox||Clock time zone
Static|Clock label
Edit||Clock label
Static|Week starts
ComboBox||Week starts
Static|Week numbers
ComboBox||Week numbers
Button|Mark countdown events|Mark countdown events
TXT
)
# (Another process reads no list's text: lists show as "ComboBox||"; the
# name after it is the one a reader gets.)
e2e_expect_eq "$tabs" "$expected_tabs" "pages in Tab order"

# Opened from the tray, which takes the icon away until the window hides.
e2e_tray_click 1
e2e_wait_tray_gone 10 || e2e_fail "the tray icon stayed while the settings window is shown"
settings=$(e2e_wait_window "Zentrova Settings" 10)

# Ctrl+Tab turns to the next page, round the end; Ctrl+Shift+Tab back.
e2e_focus "$settings"
for step in "ctrl+Tab 1" "ctrl+Tab 2" "ctrl+Tab 3" "ctrl+Tab 0" "ctrl+shift+Tab 3" "ctrl+shift+Tab 2"; do
  e2e_key "${step% *}"
  sleep 0.5
  e2e_expect_eq "$(probe shown)" "${step#* }" "page in front after $step"
done

# Escape hides the window as its close box does, and the tray icon is back.
e2e_key Escape
e2e_wait_window_gone "Zentrova Settings" 10 || e2e_fail "Escape left the settings window up"
e2e_wait_tray 10 || e2e_fail "no tray icon after Escape"
e2e_pass
