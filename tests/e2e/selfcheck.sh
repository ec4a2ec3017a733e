#!/usr/bin/env bash
# Developer check of the end-to-end harness (not a CTest test): builds a small
# throwaway Windows program into the work folder and drives every helper of
# lib.sh against it. Run: bash tests/e2e/selfcheck.sh [--fresh]
#   --fresh  rebuild the cached pristine Wine prefix first (times a first set-up)
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=lib.sh
source "$here/lib.sh"

work="${ZENTROVA_E2E_WORK:-/tmp/zentrova-e2e-$(id -u)}"
if [[ "${1:-}" == --fresh ]]; then
  rm -rf "$work/.template-prefix"
fi

# --- the throwaway program --------------------------------------------------
build="$work/.selfcheck-program"
mkdir -p "$build"
cp "$(dirname "$0")/../../platform/test_harness_check/hello.cpp" "$build/hello.cpp"
command -v i686-w64-mingw32-g++ >/dev/null || { echo "FAIL: i686-w64-mingw32-g++ not installed" >&2; exit 1; }
if [[ ! -f "$build/hello.exe" || "$build/hello.cpp" -nt "$build/hello.exe" ]]; then
  i686-w64-mingw32-g++ -O1 -Wall -static -mwindows "$build/hello.cpp" -o "$build/hello.exe" -lgdiplus -lshell32
fi
hello="$build/hello.exe"
key='HKCU\Software\E2EHarnessCheck'

# --- set-up -----------------------------------------------------------------
setup_started=$(_e2e_now)
e2e_setup selfcheck
echo "setup took $(_e2e_elapsed_since "$setup_started") s"
prefix=$E2E_PREFIX
xvfb_pid=$E2E_XVFB_PID
display_num=$E2E_DISPLAY_NUM
[[ "$DISPLAY" == ":$display_num" && "$WINEPREFIX" == "$prefix" ]] || e2e_fail "DISPLAY/WINEPREFIX not exported"
[[ -d "$prefix/drive_c/windows" ]] || e2e_fail "no prefix at $prefix"
ls "$prefix/drive_c/windows/Fonts/"tahoma.ttf "$prefix/drive_c/windows/Fonts/"LiberationSans-Regular.ttf >/dev/null ||
  e2e_fail "fonts missing from the prefix"

# --- registry seeding round trips (before the program runs) ------------------
e2e_reg_add "$key" Seed REG_DWORD 21
e2e_reg_add "$key" Negative REG_DWORD -20
e2e_reg_add "$key" Hex REG_DWORD 0x1f
e2e_reg_add "$key" Spaced REG_SZ "Times New Roman"
e2e_reg_add "$key" Empty REG_SZ ""
e2e_reg_add "$key" Bytes REG_BINARY "01 02 0a ff"
e2e_expect_eq "$(e2e_reg_query "$key" Seed)" "REG_DWORD 0x15" "seeded DWORD"
e2e_expect_eq "$(e2e_reg_dword "$key" Negative)" "-20" "negative DWORD"
e2e_expect_eq "$(e2e_reg_dword "$key" hex)" "31" "hex DWORD, value name in other case"
e2e_expect_eq "$(e2e_reg_query "$key" Spaced)" "REG_SZ Times New Roman" "string with spaces"
e2e_expect_eq "$(e2e_reg_data "$key" Empty)" "" "empty string"
e2e_expect_eq "$(e2e_reg_query "$key" Bytes)" "REG_BINARY 01020AFF" "binary"
if e2e_reg_query "$key" NoSuchValue >/dev/null; then e2e_fail "a missing value was found"; fi
e2e_reg_key_exists "$key" || e2e_fail "seeded key not found"
if e2e_reg_key_exists 'HKCU\Software\E2EHarnessNoSuchKey'; then e2e_fail "a missing key was found"; fi
e2e_reg_delete "$key" Negative
if e2e_reg_query "$key" Negative >/dev/null; then e2e_fail "deleted value still there"; fi

# --- start, window by caption, geometry --------------------------------------
e2e_start_exe "$hello"
first_pid=$E2E_PID
started=$(_e2e_now)
win=$(e2e_wait_window "E2E Harness Check" 30)
echo "first window after $(_e2e_elapsed_since "$started") s"
if e2e_window_visible "E2E HARNESS CHECK"; then e2e_fail "caption matched without regard to case"; fi
if e2e_window_visible "E2E Harness"; then e2e_fail "a part of the caption matched"; fi
e2e_expect_eq "$(e2e_window_geometry "$win")" "100 120 300 200" "window geometry (the Windows window rectangle)"
e2e_process_running || e2e_fail "program not running"

# --- registry written by the program -----------------------------------------
e2e_expect_eq "$(e2e_reg_query "$key" Started)" "REG_DWORD 0x6" "DWORD written by the program"
e2e_expect_eq "$(e2e_reg_query "$key" Face)" "REG_SZ Tahoma" "string written by the program"
e2e_expect_eq "$(e2e_reg_query "$key" Stamp)" "REG_BINARY 0000000080A6E640" "binary written by the program"
e2e_expect_eq "$(e2e_reg_dword "$key" SeedEcho)" "42" "program read the seeded value"
for font in Tahoma Arial TimesNewRoman CourierNew; do
  e2e_expect_eq "$(e2e_reg_dword "$key" "Font$font")" "0" "GDI+ status for font family $font"
done
echo "program sees code page $(e2e_reg_dword "$key" AnsiCodePage), locale $(printf '0x%04x' "$(e2e_reg_dword "$key" UserLocale)")"
client_left=$(e2e_reg_dword "$key" ClientLeft)
client_top=$(e2e_reg_dword "$key" ClientTop)

# --- screenshots and pixels ----------------------------------------------------
sleep 0.5
shot=$(e2e_screenshot start.png)
[[ "$shot" == "$E2E_DIR/start.png" && -s "$shot" ]] || e2e_fail "screenshot not written to the test folder"
e2e_expect_eq "$(e2e_pixel start.png 250 230)" "20 140 220" "client area colour"
e2e_expect_eq "$(e2e_pixel start.png 520 150)" "200 40 40" "opaque half of the layered window"
e2e_expect_eq "$(e2e_pixel start.png 560 150)" "100 20 20" "half-transparent half (premultiplied, as over black)"
e2e_expect_eq "$(e2e_pixel start.png 505 150)" "0 0 0" "transparent rim shows the black root"
e2e_color_near "$(e2e_pixel start.png 250 230)" "22 138 221" 3 || e2e_fail "e2e_color_near rejects a close colour"
if e2e_color_near "20 140 220" "20 140 230" 3; then e2e_fail "e2e_color_near accepts a far colour"; fi
e2e_screenshot window.png "$win" >/dev/null
e2e_expect_eq "$(identify -format '%w %h' "$E2E_DIR/window.png")" "300 200" "window screenshot size"
e2e_expect_eq "$(e2e_pixel window.png 150 110)" "20 140 220" "window screenshot content"

# --- mouse and keyboard --------------------------------------------------------
e2e_click 200 200
e2e_expect_eq "$(e2e_reg_dword "$key" Clicks)" "1" "clicks"
e2e_expect_eq "$(e2e_reg_dword "$key" DownX) $(e2e_reg_dword "$key" DownY)" \
  "$((200 - client_left)) $((200 - client_top))" "click position in the client area"
e2e_click 210 210 3
e2e_expect_eq "$(e2e_reg_dword "$key" RightClicks)" "1" "right clicks"
e2e_drag 150 200 300 260 10
e2e_expect_eq "$(e2e_reg_dword "$key" DownX) $(e2e_reg_dword "$key" DownY)" \
  "$((150 - client_left)) $((200 - client_top))" "drag start"
e2e_expect_eq "$(e2e_reg_dword "$key" UpX) $(e2e_reg_dword "$key" UpY)" \
  "$((300 - client_left)) $((260 - client_top))" "drag end"
moves=$(e2e_reg_dword "$key" Moves)
((moves >= 5)) || e2e_fail "drag came as only $moves moves"
e2e_focus "$win"
e2e_type "abc xyz"
e2e_expect_eq "$(e2e_reg_query "$key" Typed)" "REG_SZ abc xyz" "typed text"

# --- tray ----------------------------------------------------------------------
e2e_wait_tray 10 >/dev/null
e2e_tray_click 1
e2e_expect_eq "$(e2e_reg_dword "$key" TrayMessage)" "514" "tray left click (WM_LBUTTONUP)"
e2e_tray_double_click 0
e2e_expect_eq "$(e2e_reg_dword "$key" TrayDoubleClicks)" "1" "tray double click (WM_LBUTTONDBLCLK)"
read -r tray_x tray_y <<<"$(e2e_tray_icon_xy)"
e2e_tray_click 3
menu=$(e2e_wait_menu 5)
read -r _ menu_x menu_y _ _ <<<"$menu"
e2e_expect_eq "$menu_x $menu_y" "$tray_x $tray_y" "tray menu opens at the cursor"
e2e_expect_eq "$(e2e_reg_dword "$key" MenuAtX) $(e2e_reg_dword "$key" MenuAtY)" "$tray_x $tray_y" "cursor seen by the program"
read -r item_x item_y <<<"$(e2e_menu_item_xy "${menu#* }" 0 2)"
e2e_click "$item_x" "$item_y"
e2e_expect_eq "$(e2e_reg_dword "$key" MenuChoice)" "1" "first menu item chosen"
e2e_tray_click 3
e2e_wait_menu 5 >/dev/null
e2e_click 900 700
sleep 0.3
if e2e_list_windows | awk 'NF == 6 && $6 == "yes"' | grep -q .; then e2e_fail "menu still open after a click elsewhere"; fi
e2e_expect_eq "$(e2e_reg_dword "$key" MenuChoice)" "0" "menu closed without a choice"
e2e_focus "$win"
e2e_key F2
e2e_wait_tray_gone 5
e2e_key F3
e2e_wait_tray 5 >/dev/null

# --- a second copy, process counts, the close box, exit codes -----------------
e2e_start_exe "$hello" "E2E Harness Second"
second_pid=$E2E_PID
second=$(e2e_wait_window "E2E Harness Second" 30)
e2e_expect_eq "$(e2e_count_processes hello.exe)" "2" "copies running"
e2e_expect_eq "$(e2e_count_processes HELLO.EXE)" "2" "copies running, name in other case"
e2e_expect_eq "$(e2e_count_processes zentrova.exe)" "0" "copies of a program not started"
read -r x y w _ <<<"$(e2e_window_geometry "$second")"
e2e_click "$((x + w - 15))" "$((y + 12))"
closing=$(_e2e_now)
e2e_wait_exit 20 || e2e_fail "second copy did not end after its close box was clicked"
echo "second copy ended $(_e2e_elapsed_since "$closing") s after its close box was clicked"
e2e_expect_eq "$E2E_EXIT_CODE" "3" "exit code of the second copy"
e2e_expect_eq "$(e2e_count_processes hello.exe)" "1" "copies running after one ended"
e2e_process_running "$first_pid" || e2e_fail "first copy ended too"
if e2e_process_running "$second_pid"; then e2e_fail "second copy still reported running"; fi
e2e_focus "$win"
e2e_key Escape
e2e_wait_exit 20 "$first_pid" || e2e_fail "first copy did not end on Escape"
e2e_expect_eq "$E2E_EXIT_CODE" "3" "exit code of the first copy"
e2e_expect_eq "$(e2e_count_processes hello.exe)" "0" "copies running after both ended"
e2e_wait_window_gone "E2E Harness Check" 5

# --- clean-up ends exactly what the test started -------------------------------
test_dir=$E2E_DIR
e2e_cleanup
[[ -z "$(e2e_prefix_processes "$prefix")" ]] || e2e_fail "processes of the prefix still run: $(e2e_prefix_processes "$prefix")"
if [[ -e "/proc/$xvfb_pid" ]] && _e2e_is_xvfb_of "$xvfb_pid" "$display_num"; then e2e_fail "Xvfb still runs"; fi
[[ ! -e "/tmp/.X$display_num-lock" ]] || e2e_fail "display lock /tmp/.X$display_num-lock left behind"
[[ ! -e "$prefix" ]] || e2e_fail "prefix not removed"
grep -q 'E2EHarnessCheck' "$test_dir/user.reg" || e2e_fail "registry copy not kept in the test folder"
[[ -s "$test_dir/start.png" ]] || e2e_fail "screenshots not kept"
echo "selfcheck: every helper works"
echo "PASS [selfcheck]"
