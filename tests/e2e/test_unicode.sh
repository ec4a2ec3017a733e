#!/usr/bin/env bash
# Text outside the code page under Wine (code page 1252, locale en-US):
# countdown titles in Georgian, Cyrillic, Chinese with an emoji, Greek and
# Latin with an accent, and one holding a lone surrogate, imported as UTF-16,
# are the Title list's items; the face draws the selected Georgian one,
# which its font lacks, in a family that has it; an Add and a Delete
# rewrite the list, and every stored title comes back unchanged; a Cyrillic
# title entered in the add dialog is stored as entered; "Start with Windows"
# from a folder with a Cyrillic name stores a path that exists; with a
# Russian user locale the month names are Russian.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
e2e_setup unicode

list_key='HKCU\Software\Zentrova\Countdown\CountTitle'
probe="${ZENTROVA_WIN_BUILD_DIR:-}/wide_text.exe"
[[ -f "$probe" ]] || e2e_fail "no wide_text.exe in ZENTROVA_WIN_BUILD_DIR ('${ZENTROVA_WIN_BUILD_DIR:-}')"

# wide_text ARGS...: the probe's lines, each the hex of a UTF-8 text.
wide_text() { (cd "$E2E_DIR" && timeout 60 wine "$probe" "$@" 2>/dev/null | tr -d '\r'); }
hex() { printf '%s' "$1" | od -An -tx1 | tr -d ' \n'; }

# exported KEY FILE: the key as `wine reg export` writes it (UTF-16), one
# "name"=data line per value, non-ASCII written as \u escapes, sorted.
exported() {
  (cd "$E2E_DIR" && timeout 60 wine reg export "$1" "$2" /y >/dev/null 2>&1) || e2e_fail "could not export $1"
  python3 - "$E2E_DIR/$2" <<'PY'
import sys
text = open(sys.argv[1], "rb").read().decode("utf-16", "surrogatepass")
lines = text.replace("\\\r\n  ", "").replace("\r\n", "\n").split("\n")
for line in sorted(l for l in lines if l.startswith('"')):
    print(line.encode("ascii", "backslashreplace").decode())
PY
}

# The list entries' lines alone, without CountIndex and CountMax.
entries() { grep -E '^"Count(Date|Time)?[0-9]+"=' || true; }

# face_shot NAME: starts the program and shoots the countdown's face.
face_shot() {
  e2e_start_zentrova
  face=$(e2e_wait_window Countdown 60)
  e2e_wait_tray 30 >/dev/null
  sleep 1
  zd_window_ppm "$face" "$1.ppm" >/dev/null
}

zd_seed_by_first_start

# --- Titles imported as UTF-16 -------------------------------------------
# Count4 holds "A", a lone high surrogate and "Z" as raw REG_SZ data.
titles=("ქართული" "Новый год" "春节 🎆" "Ωmega Café")
{
  printf '\xef\xbb\xbfWindows Registry Editor Version 5.00\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Zentrova\\Countdown\\CountTitle]\r\n'
  printf '"CountMax"=dword:00000005\r\n"CountIndex"=dword:00000000\r\n'
  for i in 0 1 2 3 4; do
    if ((i < 4)); then printf '"Count%d"="%s"\r\n' "$i" "${titles[$i]}"; else printf '"Count4"=hex(1):41,00,3c,d8,5a,00,00,00\r\n'; fi
    printf '"CountDate%d"=hex:00,00,00,00,00,c0,e6,40\r\n"CountTime%d"=hex:00,00,00,00,00,00,e0,3f\r\n' "$i" "$i"
  done
  printf '\r\n[HKEY_CURRENT_USER\\Software\\Zentrova\\Countdown]\r\n"CountSkin"=dword:00000009\r\n'
  printf '"CountFont"="Tahoma"\r\n"CountGo"=dword:00000000\r\n"CountShow"=dword:00000001\r\n'
} | iconv -f UTF-8 -t UTF-16LE >"$E2E_DIR/titles.reg"
(cd "$E2E_DIR" && timeout 60 wine reg import titles.reg >/dev/null 2>&1) || e2e_fail "could not import titles.reg"
before=$(exported "$list_key" before.reg | entries)
grep -q 'Count1"="\\u041d\\u043e\\u0432' <<<"$before" || e2e_fail "the import did not store the Cyrillic title: $before"

face_shot face
read -r _ _ w h <<<"$(e2e_window_geometry "$face")"
zd_expect_text "$E2E_DIR/face.ppm" 20 "the Georgian title, which Tahoma lacks," "$(zd_rect 0 0 "$w" $((h / 4)))"

# The Title list holds each entry's line, its title as stored first.
zd_tray_menu_choose 0
settings=$(e2e_wait_window "Zentrova Settings" 10)
zd_settings_click 100 12  # the "Countdown" tab
sleep 0.5
items=$(wide_text items "Zentrova Settings")
for title in "${titles[@]}" $'A\xed\xa0\xbcZ'; do
  grep -q "^$(hex "$title  ")" <<<"$items" || e2e_fail "the Title list lacks '$title' (items: $items)"
done
e2e_screenshot settings.png "$settings" >/dev/null

# click_button LEFT TOP WIDTH HEIGHT: clicks the settings page's button there.
click_button() {
  local x y bw bh
  read -r x y bw bh <<<"$( (cd "$E2E_DIR" && timeout 60 wine "${ZENTROVA_WIN_BUILD_DIR}/control_rect.exe" \
    "Zentrova Settings" Button "$@" 2>/dev/null) | tr -d '\r')"
  [[ -n "$bh" ]] || e2e_fail "no button at $* on the settings page"
  e2e_click $((x + bw / 2)) $((y + bh / 2))
}

# --- A Cyrillic title entered in the add dialog ------------------------------
# Set with WM_SETTEXT through the probe, as a paste or an input method puts
# text into the field: typing letters outside the X keyboard's layout with
# xdotool is not relied on.
typed="Дмитрий"
click_button 85 136 60 25  # Add
e2e_wait_window Zentrova 10 >/dev/null
sleep 0.3
wide_text settext Zentrova Edit "$(hex "$typed")" >/dev/null || e2e_fail "could not set the add dialog's title"
e2e_key Return
e2e_wait_window_gone Zentrova 5
added=$(exported "$list_key" added.reg)
grep -qx '"Count5"="\\u0414\\u043c\\u0438\\u0442\\u0440\\u0438\\u0439"' <<<"$added" ||
  e2e_fail "the entered title is not stored as entered: $(grep '"Count5"' <<<"$added")"
e2e_expect_eq "$(entries <<<"$added" | grep -vE '^"Count(Date|Time)?5"=')" "$before" "the other entries after Add"

# --- Delete the new entry: the whole list is written again ------------------
click_button 152 136 70 25  # Delete
e2e_wait_window Zentrova 10 >/dev/null
sleep 0.3
e2e_key Return
e2e_wait_window_gone Zentrova 5
e2e_expect_eq "$(exported "$list_key" deleted.reg | entries)" "$before" "the entries after Delete"
zd_settings_click 352 297  # Cancel
e2e_wait_window_gone "Zentrova Settings" 5
zd_close_by_tray "$E2E_PID"

# --- The Georgian title is drawn in a fallback family -----------------------
# Tahoma has no Georgian; characters that no font has show as empty boxes.
# Had the title been drawn in Tahoma, it would look like seven such boxes.
e2e_reg_add "$list_key" Count0 REG_SZ "$(printf '\uE000%.0s' 1 2 3 4 5 6 7)"
face_shot boxes
changed=$(zd_differing "$E2E_DIR/face.ppm" "$E2E_DIR/boxes.ppm" 2 "$(zd_rect 0 0 "$w" $((h / 4)))")
((changed >= 30)) || e2e_fail "the Georgian title looks like the boxes of missing characters ($changed pixels differ)"
zd_close_by_tray "$E2E_PID"

# --- "Start with Windows" from a folder named in Cyrillic --------------------
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
folder="$WINEPREFIX/drive_c/users/Дмитрий/Программы"
mkdir -p "$folder"
cp "$ZENTROVA_EXE" "$folder/zentrova.exe"
e2e_reg_delete "$run_key" Zentrova 2>/dev/null || true
e2e_start_exe "$folder/zentrova.exe"
pid=$E2E_PID
e2e_wait_window Countdown 60 >/dev/null
e2e_wait_tray 30 >/dev/null
zd_tray_menu_choose "$ZD_TRAY_START_WITH_WINDOWS"
sleep 1
command=$(exported "$run_key" run.reg | grep '^"Zentrova"=') || e2e_fail "no Run value after Start with Windows"
# The stored command is the quoted path; its file must exist.
stored=$(python3 - "$command" "$WINEPREFIX" <<'PY'
import os, sys
path = sys.argv[1].split("=", 1)[1].encode().decode("unicode_escape").strip('"')
unix = os.path.join(sys.argv[2], "drive_c" if path[0] in "cC" else "/", path[3:].replace("\\", "/"))
print(("exists " if os.path.isfile(unix) else "missing ") + path)
PY
)
[[ "$stored" == "exists "* ]] || e2e_fail "the Run value names a file that does not exist: $stored ($command)"
[[ "$stored" == *Дмитрий* ]] || e2e_fail "the Run value does not name the Cyrillic folder: $stored"
zd_close_by_tray "$pid"

# --- Month names of a Russian user locale on an English system --------------
# Wine takes the user locale from LC_MESSAGES and the code page from
# LC_CTYPE; the Russian locale is compiled into the test folder.
mkdir -p "$E2E_DIR/locales"
localedef -i ru_RU -f UTF-8 "$E2E_DIR/locales/ru_RU.UTF-8" 2>/dev/null || e2e_fail "could not compile the ru_RU locale"
january=$( (cd "$E2E_DIR" && env -u LC_ALL LOCPATH="$E2E_DIR/locales" LC_CTYPE=C.UTF-8 LC_MESSAGES=ru_RU.UTF-8 \
  timeout 60 wine "$probe" months 2>/dev/null) | tr -d '\r' | head -n1 | xxd -r -p)
[[ "$january" == январ* ]] || e2e_fail "the first month name with a Russian user locale is '$january'"
e2e_pass
