#!/usr/bin/env bash
# The installer under Wine: a silent install into a fresh prefix leaves the
# program, its Start menu shortcut, the sign-in entry and the installed-
# programs entry, and the installed program starts; the tray menu's "Start
# with Windows" shows the sign-in entry and turns it off and on; installing
# again while the program runs ends it first; a silent uninstall removes all
# that the install added and keeps the settings.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
e2e_setup install

[[ -n "${ZENTROVA_WIN_BUILD_DIR:-}" && -n "${ZENTROVA_VERSION:-}" ]] ||
  e2e_fail "ZENTROVA_WIN_BUILD_DIR and ZENTROVA_VERSION are not set (CTest sets them)"
installer="$ZENTROVA_WIN_BUILD_DIR/zentrova-$ZENTROVA_VERSION-setup.exe"
[[ -f "$installer" ]] ||
  e2e_fail "no $installer: the Windows build makes it when makensis (Debian package nsis) is installed"
# The shortcut is not to be mirrored into this machine's own desktop menus.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"

run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zentrova'

# The user's folders as the prefix names them, as Windows and as Linux paths.
windows_folder() { timeout 60 wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
install_dir_win="$(windows_folder LOCALAPPDATA)\\Programs\\Zentrova"
[[ "$install_dir_win" == [A-Za-z]:\\* ]] || e2e_fail "no %LOCALAPPDATA% in the prefix: '$install_dir_win'"
install_dir=$(winepath -u "$install_dir_win" 2>/dev/null)
shortcut=$(winepath -u "$(windows_folder APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Zentrova.lnk" 2>/dev/null)
program_win="$install_dir_win\\zentrova.exe"
program="$install_dir/zentrova.exe"

expect_value() {
  local got
  got=$(e2e_reg_query "$1" "$2") || e2e_fail "$1\\$2 is missing"
  [[ "$got" == "$3" ]] || e2e_fail "$1\\$2 is '$got', expected '$3'"
}

# wait_run_value present|absent: the sign-in entry, as the tray menu left it.
wait_run_value() {
  local deadline
  deadline=$(_e2e_deadline 15)
  while :; do
    if e2e_reg_query "$run_key" Zentrova >/dev/null; then
      [[ "$1" == present ]] && break
    else
      [[ "$1" == absent ]] && break
    fi
    _e2e_before "$deadline" || e2e_fail "the sign-in entry is not $1 after 15 s"
    sleep 0.3
  done
  [[ "$1" == present ]] || return 0
  # The program writes its own path as Windows gives it; paths match without case.
  local got
  got=$(e2e_reg_query "$run_key" Zentrova) || e2e_fail "the sign-in entry went again"
  [[ "${got,,}" == "reg_sz \"${program_win,,}\"" ]] ||
    e2e_fail "the sign-in entry is '$got', expected 'REG_SZ \"$program_win\"'"
}

# silent_install: runs the installer with /S to its end.
silent_install() {
  e2e_start_exe "$installer" /S
  e2e_wait_exit 180 || e2e_fail "the silent install did not end within 180 s"
  e2e_expect_eq "$E2E_EXIT_CODE" 0 "the installer's exit code"
}

# start_installed: starts the installed program; its pid is in PROGRAM_PID.
start_installed() {
  e2e_start_exe "$program"
  PROGRAM_PID=$E2E_PID
  e2e_wait_window "Tessarvelune" 60 >/dev/null
  e2e_wait_tray 30 >/dev/null
}

# crop_check_margin SHOT "X Y W H" INDEX: the left margin of tray menu item
# INDEX, where its check mark goes, as margin-INDEX.png.
crop_check_margin() {
  local x y h cy
  read -r x y _ h <<<"$2"
  cy=$((y + h * (2 * $3 + 1) / (2 * ZD_TRAY_ITEMS)))
  convert "$1" -crop "16x11+$((x + 2))+$((cy - 5))" +repage "$E2E_DIR/margin-$3.png" ||
    e2e_fail "cannot cut the margin of menu item $3 from $1"
}

# check_margin_difference SHOT "X Y W H" INDEX: how many pixels of item
# INDEX's margin differ from those of item 0 ("Settings", never checked) in a
# screenshot of the open menu with the pointer off it: none unless INDEX is
# checked.
check_margin_difference() {
  local out
  crop_check_margin "$1" "$2" 0
  crop_check_margin "$1" "$2" "$3"
  out=$(compare -metric AE "$E2E_DIR/margin-0.png" "$E2E_DIR/margin-$3.png" null: 2>&1) || true
  [[ "$out" =~ ^[0-9]+ ]] || e2e_fail "compare of the menu margins failed: $out"
  echo "${BASH_REMATCH[0]}"
}

# toggle_start_with_windows checked|unchecked SHOT: opens the tray menu,
# checks how it shows "Start with Windows" and chooses it.
toggle_start_with_windows() {
  local expected="$1" menu differing x y
  e2e_tray_click 3
  menu=$(e2e_wait_menu 10)
  menu=${menu#* }
  sleep 0.3
  # No item is highlighted with the pointer away from the menu.
  xdotool mousemove 5 5
  sleep 0.3
  e2e_screenshot "$2" >/dev/null
  differing=$(check_margin_difference "$E2E_DIR/$2" "$menu" "$ZD_TRAY_START_WITH_WINDOWS")
  if [[ "$expected" == checked ]]; then
    ((differing >= 5)) || e2e_fail "\"Start with Windows\" is not shown checked ($differing pixels in its margin)"
  else
    ((differing == 0)) || e2e_fail "\"Start with Windows\" is shown checked ($differing pixels in its margin)"
  fi
  read -r x y <<<"$(e2e_menu_item_xy "$menu" "$ZD_TRAY_START_WITH_WINDOWS" "$ZD_TRAY_ITEMS")"
  e2e_click "$x" "$y"
}

# --- a silent install into the fresh prefix ---------------------------------
silent_install
[[ -f "$program" ]] || e2e_fail "no $program_win after the install"
cmp -s "$program" "$ZENTROVA_EXE" || e2e_fail "the installed program is not the build's $ZENTROVA_EXE"
[[ -f "$install_dir/uninstall.exe" ]] || e2e_fail "no uninstaller in $install_dir_win"
[[ -f "$shortcut" ]] || e2e_fail "no Start menu shortcut $shortcut"
wait_run_value present
while read -r name value; do
  expect_value "$uninstall_key" "$name" "$value"
done <<VALUES
DisplayName REG_SZ Zentrova
DisplayVersion REG_SZ $ZENTROVA_VERSION
Publisher REG_SZ Zentrova
DisplayIcon REG_SZ $program_win,0
InstallLocation REG_SZ $install_dir_win
UninstallString REG_SZ "$install_dir_win\\uninstall.exe"
QuietUninstallString REG_SZ "$install_dir_win\\uninstall.exe" /S
NoModify REG_DWORD 0x1
NoRepair REG_DWORD 0x1
VALUES
size_kb=$(e2e_reg_dword "$uninstall_key" EstimatedSize) || e2e_fail "no EstimatedSize"
program_kb=$(($(stat -c %s "$program") / 1024))
((size_kb >= program_kb && size_kb < program_kb + 1024)) ||
  e2e_fail "EstimatedSize is $size_kb KB for a program of $program_kb KB"

# --- the installed program, and its tray menu's "Start with Windows" --------
start_installed
toggle_start_with_windows checked menu-checked.png
wait_run_value absent
toggle_start_with_windows unchecked menu-unchecked.png
wait_run_value present
zd_tray_menu_choose "$ZD_TRAY_START_WITH_WINDOWS"
wait_run_value absent

# --- installing again while the program runs ---------------------------------
silent_install
e2e_wait_exit 30 "$PROGRAM_PID" || e2e_fail "installing did not end the running program"
e2e_expect_eq "$E2E_EXIT_CODE" 0 "the ended program's exit code"
e2e_wait_tray_gone 10
# The silent install turns the sign-in entry on again.
wait_run_value present
# Ended cleanly: its single-instance guard went with it, so it starts again.
start_installed

# --- a silent uninstall while the program runs --------------------------------
e2e_start_exe "$install_dir/uninstall.exe" /S
e2e_wait_exit 60 || e2e_fail "the uninstaller did not hand over to its copy"
e2e_expect_eq "$E2E_EXIT_CODE" 0 "the uninstaller's exit code"
# It hands over at once to a copy of itself in a folder ~nsu*.tmp of the
# temporary folder, which does the work: wait for that copy to end.
uninstaller_copies() {
  local pid argv0 count=0
  for pid in $(e2e_prefix_processes); do
    argv0=""
    IFS= read -r -d '' argv0 2>/dev/null <"/proc/$pid/cmdline" || [[ -n "$argv0" ]] || continue
    [[ "${argv0,,}" != *"~nsu"* ]] || count=$((count + 1))
  done
  echo "$count"
}
deadline=$(_e2e_deadline 60)
while [[ -e "$program" || "$(uninstaller_copies)" != 0 ]]; do
  _e2e_before "$deadline" || e2e_fail "the uninstall did not finish within 60 s"
  sleep 0.3
done
e2e_wait_exit 30 "$PROGRAM_PID" || e2e_fail "uninstalling did not end the running program"
[[ ! -e "$install_dir" ]] || e2e_fail "$install_dir_win is still there: $(ls -A "$install_dir")"
[[ ! -e "$shortcut" ]] || e2e_fail "the Start menu shortcut is still there"
! e2e_reg_query "$run_key" Zentrova >/dev/null || e2e_fail "the sign-in entry is still there"
! e2e_reg_key_exists "$uninstall_key" || e2e_fail "the installed-programs entry is still there"
# A silent uninstall keeps the settings and the countdown list.
expect_value 'HKCU\Software\Zentrova\Clock' ClockSize "REG_DWORD 0x6"
expect_value 'HKCU\Software\Zentrova\Countdown\CountTitle' Count0 "REG_SZ Christmas Countdown"

e2e_pass
