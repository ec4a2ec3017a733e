# shellcheck shell=bash
# Helpers shared by the display-window tests (face, clock, countdown,
# calendar), on top of lib.sh: the registry seeded by a first start, a plain X
# window to lie beneath a display window and record the clicks that reach it,
# and pixel arithmetic on screenshots through zentrova_face_expect.
#
# What the screen shows (no compositor runs): a layered pixel of alpha 0 is cut
# out of the window's X shape, so whatever lies beneath shows and takes the
# clicks; any other pixel shows its premultiplied colour, i.e. the face blended
# over black.

readonly ZD_SKINS="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../assets/skins" && pwd)"
readonly ZD_DESKTOP_COLOR='#2f4f6f'
readonly ZD_DESKTOP_RGB="47,79,111"
# The text colour of skin 9, the first-run skin of every display window.
readonly ZD_SKIN9_TEXT="84,13,45"

ZD_BENEATH_ID=""
ZD_BENEATH_PID=""
ZD_BENEATH_LOG=""

zd_face_expect() {
  [[ -x "${ZENTROVA_FACE_EXPECT:-}" ]] ||
    e2e_fail "ZENTROVA_FACE_EXPECT does not name the zentrova_face_expect program (CTest sets it)"
  "$ZENTROVA_FACE_EXPECT" "$@"
}

# zd_wait_drawn ID [TIMEOUT=30]: waits until the screen shows the window's
# face, that is more than the one colour of the desktop beneath. A window is
# mapped before its first frame reaches the X server, which a loaded machine
# can delay by seconds.
zd_wait_drawn() {
  local deadline shot
  deadline=$(_e2e_deadline "${2:-30}")
  shot="$E2E_DIR/drawn-$1.png"
  until e2e_screenshot "$shot" "$1" >/dev/null && (($(convert "$shot" -format %k info:) > 1)); do
    _e2e_before "$deadline" || e2e_fail "window $1 shows no face after ${2:-30} s"
    sleep 0.2
  done
  rm -f "$shot"
}

# zd_wait_display_windows [TIMEOUT=60]: waits for the clock, countdown and
# calendar windows and then for their first second's frame.
zd_wait_display_windows() {
  local timeout="${1:-60}"
  e2e_wait_window "Tessarvelune" "$timeout" >/dev/null
  e2e_wait_window "Countdown" "$timeout" >/dev/null
  e2e_wait_window "Zentrova Calendar" "$timeout" >/dev/null
  # The first tick after creation draws the texts (the clock's one-line text
  # only then); a second is plenty even on a loaded machine.
  sleep 1
}

# The tray menu: "Settings", "Start with Windows", "Close", from the top.
readonly ZD_TRAY_START_WITH_WINDOWS=1 ZD_TRAY_CLOSE=2 ZD_TRAY_ITEMS=3

# zd_tray_menu_choose INDEX: opens the tray menu and clicks item INDEX.
zd_tray_menu_choose() {
  local menu x y
  e2e_tray_click 3
  menu=$(e2e_wait_menu 10)
  read -r x y <<<"$(e2e_menu_item_xy "${menu#* }" "$1" "$ZD_TRAY_ITEMS")"
  # The menu is mapped a moment before it tracks the mouse: the pointer
  # rests on the item before the click, as a person's would.
  xdotool mousemove "$x" "$y" 2>/dev/null || true
  sleep 0.4
  e2e_click "$x" "$y"
}

# zd_close_by_tray PID: ends the program through its tray menu's "Close".
# On a loaded machine a click can come before the menu takes it; the program
# then still shows its tray icon, and Close is chosen again. A program that
# took Close has taken its icon down, so one that hangs while ending fails.
zd_close_by_tray() {
  local attempt
  for attempt in 1 2 3; do
    zd_tray_menu_choose "$ZD_TRAY_CLOSE"
    e2e_wait_exit 15 "$1" && return 0
    e2e_tray_visible || break
    _e2e_say "Close was not taken from the tray menu (try $attempt); windows: $(e2e_list_windows | tr '\n' ';')"
  done
  e2e_list_windows >&2 || true
  e2e_wait_exit 15 "$1" || e2e_fail "the tray menu's Close did not end the program"
}

# zd_seed_by_first_start: a first start writes every default; it is then ended,
# so that the test can change values before a later start loads them.
zd_seed_by_first_start() {
  e2e_start_zentrova
  local pid=$E2E_PID
  e2e_wait_window "Tessarvelune" 60 >/dev/null
  e2e_wait_tray 30 >/dev/null
  zd_close_by_tray "$pid"
}

# zd_seed_with < SECTIONS: a first start seeds the store, then the REGEDIT4
# sections read from stdin (zd_dwords...) are imported over it.
zd_seed_with() {
  local sections
  sections=$(cat)
  zd_seed_by_first_start
  printf 'REGEDIT4\n%s\n' "$sections" | zd_reg_import
}

# zd_place_of CAPTION: "ID X Y W H" of the window once it shows.
zd_place_of() {
  local id
  id=$(e2e_wait_window "$1" 60)
  echo "$id $(e2e_window_geometry "$id")"
}

# zd_probe NAME ARGS...: the output of the Windows build's NAME.exe, run in
# the test folder, without CRs.
zd_probe() {
  local exe="${ZENTROVA_WIN_BUILD_DIR:-}/$1.exe"
  [[ -f "$exe" ]] || e2e_fail "no $1.exe in ZENTROVA_WIN_BUILD_DIR ('${ZENTROVA_WIN_BUILD_DIR:-}')"
  (cd "$E2E_DIR" && timeout 60 wine "$exe" "${@:2}" 2>/dev/null) | tr -d '\r'
}

# zd_settings_client_origin WINDOW_ID: the settings window's client area
# (400 x 320) top left on the screen, from the frame Wine draws.
zd_settings_client_origin() {
  local x y w h border
  read -r x y w h <<<"$(e2e_window_geometry "$1")"
  border=$(((w - 400) / 2))
  echo "$((x + border)) $((y + h - 320 - border))"
}

# zd_settings_click X Y: clicks a point of the settings window's client area.
zd_settings_click() {
  local cx cy
  read -r cx cy <<<"$(zd_settings_client_origin "$(e2e_wait_window "Zentrova Settings" 5)")"
  e2e_click $((cx + $1)) $((cy + $2))
}

# zd_reg_import < REGEDIT4-TEXT: writes many values in one `wine reg` call.
zd_reg_import() {
  cat >"$E2E_DIR/seed.reg"
  (cd "$E2E_DIR" && timeout 60 wine reg import seed.reg >/dev/null 2>&1) ||
    e2e_fail "could not import $E2E_DIR/seed.reg"
}

# zd_dwords KEY NAME=VALUE...: a REGEDIT4 section of HKCU\Software\Zentrova\KEY
# holding those DWORDs (decimal, negative too); after a "REGEDIT4" line and
# followed by more lines of that key if need be, for zd_reg_import.
zd_dwords() {
  local value
  printf '\n[HKEY_CURRENT_USER\\Software\\Zentrova\\%s]\n' "$1"
  for value in "${@:2}"; do
    printf '"%s"=dword:%08x\n' "${value%%=*}" $((${value#*=} & 0xffffffff))
  done
}

# zd_set_all_wandering: the next start sends all three display windows
# wandering.
zd_set_all_wandering() {
  zd_reg_import <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Software\Zentrova\Clock]
"ClockGo"=dword:00000001

[HKEY_CURRENT_USER\Software\Zentrova\Countdown]
"CountGo"=dword:00000001

[HKEY_CURRENT_USER\Software\Zentrova\Calendar]
"CalendarGo"=dword:00000001
EOF
}

# zd_set_desktop: paints the root. Xvfb resets (and blackens the root) when
# its last client leaves, so call this while a client (a beneath window or the
# program) is connected.
zd_set_desktop() { xsetroot -solid "$ZD_DESKTOP_COLOR" || e2e_fail "xsetroot failed"; }

# zd_start_beneath X Y W H: maps a plain X window (xev) that logs the button
# presses it gets, in ZD_BENEATH_LOG; its id is ZD_BENEATH_ID. Mapped before
# the program's windows, it lies beneath them. It gets the WM_STATE a window
# manager would give it, so that a pointer query names it.
zd_start_beneath() {
  ZD_BENEATH_LOG="$E2E_DIR/beneath.log"
  xev -geometry "${3}x${4}+${1}+${2}" -name zentrova-e2e-beneath -event button >"$ZD_BENEATH_LOG" 2>&1 &
  ZD_BENEATH_PID=$!
  local deadline
  deadline=$(_e2e_deadline 10)
  while ZD_BENEATH_ID=$(e2e_find_windows zentrova-e2e-beneath | head -n1) && [[ -z "$ZD_BENEATH_ID" ]]; do
    _e2e_before "$deadline" || e2e_fail "the beneath window did not appear"
    sleep 0.1
  done
  xprop -id "$ZD_BENEATH_ID" -f WM_STATE 32c -set WM_STATE "1,0" || e2e_fail "could not mark the beneath window"
}

zd_stop_beneath() {
  [[ -z "$ZD_BENEATH_PID" ]] || kill "$ZD_BENEATH_PID" 2>/dev/null || true
  wait "$ZD_BENEATH_PID" 2>/dev/null || true
  ZD_BENEATH_PID=""
}

# zd_presses_at X Y: left-button presses the beneath window got at screen X,Y.
zd_presses_at() {
  grep -A1 '^ButtonPress' "$ZD_BENEATH_LOG" 2>/dev/null | grep -c "root:($1,$2)" || true
}

# zd_wait_press_at X Y [TIMEOUT=3]: waits until the beneath window got a press there.
zd_wait_press_at() {
  local deadline
  deadline=$(_e2e_deadline "${3:-3}")
  while (($(zd_presses_at "$1" "$2") == 0)); do
    _e2e_before "$deadline" || return 1
    sleep 0.1
  done
}

# zd_window_under X Y: the X window a pointer query names at screen X,Y.
zd_window_under() {
  xdotool mousemove "$1" "$2" || e2e_fail "cannot move the pointer to $1,$2"
  sleep 0.1
  local WINDOW="" X Y SCREEN
  eval "$(xdotool getmouselocation --shell)"
  echo "$WINDOW"
}

# zd_crop SHOT X Y W H OUT.ppm: a screen area as an 8-bit binary PPM.
zd_crop() {
  local out
  out=$(_e2e_path "$6")
  convert "$(_e2e_path "$1")" -crop "${4}x${5}+${2}+${3}" +repage -alpha off -depth 8 "ppm:$out" ||
    e2e_fail "could not crop $1"
  echo "$out"
}

# zd_window_ppm ID OUT.ppm: a screenshot of the area the window covers.
zd_window_ppm() {
  local png="${2%.ppm}.png"
  e2e_screenshot "$png" "$1" >/dev/null
  zd_crop "$png" 0 0 "$(identify -format %w "$(_e2e_path "$png")")" "$(identify -format %h "$(_e2e_path "$png")")" "$2"
}

# zd_count_near IMAGE.ppm R,G,B TOLERANCE X,Y,W,H...: pixels near that colour.
zd_count_near() { zd_face_expect count "$@"; }

# zd_differing A.ppm B.ppm TOLERANCE X,Y,W,H...: pixels that differ by more
# than TOLERANCE on some channel.
zd_differing() {
  local out
  out=$(zd_face_expect compare "$@") || true
  [[ "$out" =~ ^checked\ [0-9]+\ pixels,\ ([0-9]+)\ differ ]] || e2e_fail "compare failed: $out"
  echo "${BASH_REMATCH[1]}"
}

# zd_geometries CAPTION...: "X Y W H" of each window, a line each.
zd_geometries() {
  local caption
  for caption in "$@"; do e2e_window_geometry "$(e2e_wait_window "$caption" 5)"; done
}

# zd_expect_geometry ID "X Y W H" WHAT [TIMEOUT=5]: waits for the window to be
# exactly there.
zd_expect_geometry() {
  local id="$1" want="$2" what="$3" deadline got
  deadline=$(_e2e_deadline "${4:-5}")
  while got=$(e2e_window_geometry "$id") && [[ "$got" != "$want" ]]; do
    _e2e_before "$deadline" || e2e_fail "$what: at '$got', expected '$want'"
    sleep 0.1
  done
}

# zd_rect X0 Y0 X1 Y1: "X,Y,W,H" of the half-open box from (X0,Y0) to (X1,Y1).
zd_rect() { echo "$1,$2,$(($3 - $1)),$(($4 - $2))"; }

# ---------------------------------------------------------------------------
# Helpers of the clock, countdown and calendar tests.

# Channel tolerance for "drawn in the text colour": the glyphs' solid cores
# show the colour itself, and the skins' own pixels lie far from it.
readonly ZD_TEXT_TOLERANCE=28

# zd_text_count IMAGE.ppm X,Y,W,H...: pixels drawn in skin 9's text colour.
zd_text_count() { zd_count_near "$1" "$ZD_SKIN9_TEXT" "$ZD_TEXT_TOLERANCE" "${@:2}"; }

# zd_text_extent IMAGE.ppm X,Y,W,H: "X0 Y0 X1 Y1" of the text-coloured pixels
# inside the rectangle, or "none".
zd_text_extent() { zd_face_expect extent "$1" "$ZD_SKIN9_TEXT" "$ZD_TEXT_TOLERANCE" "$2"; }

# zd_expect_text IMAGE.ppm MIN WHAT X,Y,W,H...: at least MIN text pixels there.
zd_expect_text() {
  local got
  got=$(zd_text_count "$1" "${@:4}")
  ((got >= $2)) || e2e_fail "$3: $got pixels in the text colour, expected at least $2"
}

# zd_expect_no_text IMAGE.ppm WHAT X,Y,W,H...: no text pixel there.
zd_expect_no_text() {
  local got
  got=$(zd_text_count "$1" "${@:3}")
  ((got == 0)) || e2e_fail "$2: $got pixels in the text colour, expected none"
}

# zd_next_second_shots ID A.ppm B.ppm: two shots of the window, the second
# one taken 1.1 s after the first, so that at least one second has changed.
zd_next_second_shots() {
  zd_window_ppm "$1" "$2" >/dev/null
  sleep 1.1
  zd_window_ppm "$1" "$3" >/dev/null
}

# zd_activate ID: activates a display window and waits until Wine has
# turned it into a managed X window. Wine maps a display window unmanaged
# (override-redirect) and remaps it managed once it is activated, which the
# menu's SetForegroundWindow does; a menu opened during that remap may lose
# its click, so a test activates the window before using its menu.
zd_activate() {
  local deadline
  e2e_focus "$1"
  deadline=$(_e2e_deadline 5)
  until xwininfo -id "$1" -stats 2>/dev/null | grep -q 'Override Redirect State: no'; do
    _e2e_before "$deadline" || e2e_fail "window $1 did not become a managed window when activated"
    sleep 0.1
  done
  sleep 0.3
}

# zd_close_by_menu ID PID: right-click the middle of the window, choose the
# second item ("Close") of its menu and wait for the program to end.
zd_close_by_menu() {
  local x y w h menu
  zd_activate "$1"
  read -r x y w h <<<"$(e2e_window_geometry "$1")"
  e2e_click $((x + w / 2)) $((y + h / 2)) 3
  menu=$(e2e_wait_menu 10)
  # The menu is mapped a moment before it tracks the mouse.
  sleep 0.3
  read -r x y <<<"$(e2e_menu_item_xy "${menu#* }" 1 2)"
  e2e_click "$x" "$y"
  e2e_wait_exit 30 "$2" || e2e_fail "the menu's Close did not end the program"
}

# zd_expect_menu_of ID: right-clicks the middle of the window and checks
# that a popup menu of two items opens at the cursor; prints "X Y W H".
zd_expect_menu_of() {
  local x y w h menu mx my mw mh cx cy
  zd_activate "$1"
  read -r x y w h <<<"$(e2e_window_geometry "$1")"
  cx=$((x + w / 2))
  cy=$((y + h / 2))
  e2e_click "$cx" "$cy" 3
  menu=$(e2e_wait_menu 10)
  read -r _ mx my mw mh <<<"$menu"
  # The menu opens with its top left corner at the cursor (or is moved
  # just enough to stay on the screen).
  ((mx >= cx - 2 && mx <= cx + 2 && my >= cy - 2 && my <= cy + 2)) ||
    e2e_fail "the menu opened at $mx,$my, not at the cursor $cx,$cy"
  # Two items of Wine's standard menu height (about 17..22 pixels each).
  ((mh >= 2 * 14 && mh <= 2 * 26 + 8)) || e2e_fail "a menu ${mw}x$mh is not two items tall"
  # The menu is mapped a moment before it tracks the mouse.
  sleep 0.3
  echo "$mx $my $mw $mh"
}

# zd_double_hex DAYS: a date-time value (days since 30 December 1899) as the
# hex: bytes of its little-endian double, for a REGEDIT4 REG_BINARY value.
zd_double_hex() {
  python3 -c 'import struct,sys; print(",".join("%02x" % b for b in struct.pack("<d", float(sys.argv[1]))))' "$1"
}

# zd_round_even X: X (a decimal, or a fraction A/B) rounded to the nearest
# integer, halves to even, in exact arithmetic.
zd_round_even() { python3 -c 'import sys; from fractions import Fraction; print(round(Fraction(sys.argv[1])))' "$1"; }

# zd_scaled_range LOW HIGH FROM_SCALE TO_SCALE: the faces a measured size N
# yields at TO_SCALE, where round(N x FROM_SCALE) is one of LOW..HIGH. Prints
# "MIN MAX" of round(N x TO_SCALE) over every integer N that fits.
zd_scaled_range() {
  python3 - "$@" <<'PY'
import sys
from fractions import Fraction
low, high, src, dst = int(sys.argv[1]), int(sys.argv[2]), Fraction(sys.argv[3]), Fraction(sys.argv[4])
fits = [round(n * dst) for n in range(0, 4 * high + 4) if low <= round(n * src) <= high]
print(min(fits), max(fits)) if fits else print("none")
PY
}
