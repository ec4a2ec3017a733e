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
# Each window's object as "name|value", a whole line of the probe's.
unit='[0-9]+ (year|month|day|hour|minute|second)s?'
for object in 'Tessarvelune\|[A-Z][a-z]+ [0-9]{2}, [0-9]{1,2}:[0-9]{2} (AM|PM)' \
  "Countdown\\|Christmas Countdown: $unit(, $unit)*( ago)?" \
  "Zentrova Calendar\\|$(date '+%B %Y'), today $(date '+%A'), $(date '+%-m/%-d/%Y')"; do
  grep -qxE "$object" <<<"$gadgets" || e2e_fail "no object matches '$object' in: $gadgets"
done

tabs=$(probe tabs)
echo "$tabs" > "$E2E_DIR/tabs.txt"
# A label and the list or slider it names; check boxes and buttons named by
# their own captions; the three display pages open with the same sliders.
labelled() { printf 'Static|%s\n%s||%s\n' "$2" "$1" "$2"; }
lists() { for name in "$@"; do labelled ComboBox "$name"; done; }
buttons() { for name in "$@"; do echo "Button|$name|$name"; done; }
sliders() { for name in Size Transparent Skin; do labelled msctls_trackbar32 "$name"; done; }
expected_tabs=$(
  echo "window SysTabControl32| pages Button|Save Button|Cancel"
  echo "page 0"; lists Clock; buttons "Add clock" "Remove clock"
  sliders; echo "Static|Clock face"; buttons Tower Oval
  lists "Time format" "Date format" Stay "Font name"; buttons Bold; lists "Time zone"; labelled Edit Label
  buttons Difference Night "Show date" "Show clock" "Go clock"
  echo "page 1"; sliders; echo "Static|Countdown face"; buttons Oval; lists Title; buttons Add Delete
  lists Stay; buttons "Notify when an event arrives"
  lists "Font name"; buttons Bold "Show countdown" "Go countdown" "Play a sound"
  echo "page 2"; sliders; echo "Static|Calendar face"; buttons Oval
  lists "Time format" Stay "Font name"; buttons Bold "Show calendar" "Show time" "Go calendar"
  echo "page 3"; buttons "Hide over full-screen programs" "Start with Windows"
  lists "Week starts" "Week numbers"; buttons "Mark countdown events"; lists "Language"
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
