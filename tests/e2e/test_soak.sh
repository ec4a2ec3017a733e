#!/usr/bin/env bash
# Soak: ten minutes with all three display windows wandering, the settings
# window opened from the tray now and then and its clock size slider moved;
# the program's GDI and user objects and its resident memory after the first
# minute and at the end must not have grown by more than 5 %. Runs only with
# ZENTROVA_SOAK=1 (it takes eleven minutes); ZENTROVA_SOAK_SECONDS shortens it.
set -euo pipefail
if [[ "${ZENTROVA_SOAK:-0}" != 1 ]]; then
  echo "SKIP [soak]: set ZENTROVA_SOAK=1 to run the ten-minute soak"
  exit 77
fi
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
e2e_setup soak

readonly soak_seconds=${ZENTROVA_SOAK_SECONDS:-600}
readonly warm_up_seconds=60
readonly growth_limit_percent=5
gui_resources_exe="${ZENTROVA_WIN_BUILD_DIR:-}/gui_resources.exe"
control_rect_exe="${ZENTROVA_WIN_BUILD_DIR:-}/control_rect.exe"
for probe in "$gui_resources_exe" "$control_rect_exe"; do
  [[ -f "$probe" ]] || e2e_fail "no $(basename "$probe") in ZENTROVA_WIN_BUILD_DIR ('${ZENTROVA_WIN_BUILD_DIR:-}')"
done

# --- Measuring -------------------------------------------------------------

# "GDI USER RSS_KB": the object counts from the gui_resources probe (-1 when
# the system does not count them, as under Wine) and the resident memory
# from /proc.
sample() {
  local line gdi user rss
  line=$(cd "$E2E_DIR" && timeout 60 wine "$gui_resources_exe" zentrova.exe 2>/dev/null | tr -d '\r' | head -n1)
  [[ "$line" =~ gdi=(-?[0-9]+)\ user=(-?[0-9]+) ]] || e2e_fail "gui_resources printed '$line'"
  gdi=${BASH_REMATCH[1]}
  user=${BASH_REMATCH[2]}
  rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$(e2e_linux_pid_of zentrova.exe 5)/status")
  echo "$gdi $user $rss"
}

# grew WHAT FIRST LAST: fails when LAST exceeds FIRST by more than the limit;
# a count the system does not keep (-1) is reported and passes.
check_growth() {
  local what="$1" first="$2" last="$3"
  if ((first < 0 || last < 0)); then
    echo "$what: not counted by this system (gui_resources reports -1)"
    return 0
  fi
  echo "$what: $first after the first minute, $last at the end"
  ((last * 100 <= first * (100 + growth_limit_percent))) ||
    e2e_fail "$what grew from $first to $last (more than $growth_limit_percent %)"
}

# --- The settings window's clock size slider --------------------------------
# TrackBar1 edits ClockSize: a track bar at 0,25 of the "Clock" page, 180 x 20.
# Until the settings window has it, the exercise only opens the window.

readonly settings_caption="Zentrova Settings"
readonly slider_class="msctls_trackbar32"
readonly slider_place="0 25 180 20"

open_settings_window() {
  e2e_window_visible "$settings_caption" && return 0
  e2e_tray_click 1
  local deadline
  deadline=$(_e2e_deadline 10)
  until e2e_window_visible "$settings_caption"; do
    _e2e_before "$deadline" || return 1
    sleep 0.2
  done
}

# Prints "X Y W H" of the slider on the screen; fails quietly while it is missing.
slider_rect() {
  # shellcheck disable=SC2086  # the place is four numbers
  (cd "$E2E_DIR" && timeout 60 wine "$control_rect_exe" "$settings_caption" "$slider_class" $slider_place 2>/dev/null) |
    tr -d '\r' | grep -E '^-?[0-9]+ -?[0-9]+ [0-9]+ [0-9]+$'
}

# Showing the settings window takes the tray icon away; closing it (its
# close box) puts the icon back.
close_settings_window() {
  local id x y w h
  id=$(e2e_find_windows "$settings_caption" | head -n1)
  [[ -n "$id" ]] || return 0
  read -r x y w h <<<"$(e2e_window_geometry "$id")"
  e2e_click "$((x + w - 13))" "$((y + 11))"
  e2e_wait_window_gone "$settings_caption" 10
  e2e_wait_tray 10 >/dev/null
}

SLIDER_MOVES=0
SLIDER_MISSING=0
# Moves the clock size a few steps up and back down by keyboard, so the
# clock's face is prepared again many times; the size ends where it began.
exercise_settings_slider() {
  local rect x y w h
  if ! rect=$(slider_rect); then
    SLIDER_MISSING=$((SLIDER_MISSING + 1))
    return 0
  fi
  read -r x y w h <<<"$rect"
  e2e_focus "$(e2e_wait_window "$settings_caption" 5)"
  # A click on the track at its far left moves the thumb there (size 0 or
  # near it) and gives the slider the keyboard focus.
  e2e_click "$((x + 8))" "$((y + h / 2))"
  e2e_key Right Right Right Right Right Right Left Left Left
  SLIDER_MOVES=$((SLIDER_MOVES + 1))
}

# Opens the settings window, moves the slider when it is there, closes the
# window again.
exercise_settings_window() {
  open_settings_window || e2e_fail "the settings window did not open from the tray"
  exercise_settings_slider
  close_settings_window
}

# --- The run ------------------------------------------------------------------

zd_seed_by_first_start
zd_set_all_wandering
e2e_start_zentrova
launcher=$E2E_PID
zd_wait_display_windows 60
e2e_wait_tray 30 >/dev/null

started=$(_e2e_now)
warm_up_end=$((started + warm_up_seconds * 1000000))
soak_end=$((started + soak_seconds * 1000000))
first=""
next_exercise=$(_e2e_deadline 20)
while _e2e_before "$soak_end"; do
  e2e_process_running "$launcher" || e2e_fail "the program ended during the soak"
  if [[ -z "$first" ]] && ! _e2e_before "$warm_up_end"; then
    first=$(sample)
    echo "after the first minute: gdi user rss_kb = $first"
  fi
  if ! _e2e_before "$next_exercise"; then
    exercise_settings_window
    next_exercise=$(_e2e_deadline 30)
  fi
  sleep 2
done
[[ -n "$first" ]] || first=$(sample)
last=$(sample)
echo "at the end: gdi user rss_kb = $last"
for caption in "Tessarvelune" "Countdown" "Zentrova Calendar"; do
  e2e_window_visible "$caption" || e2e_fail "window '$caption' is no longer shown"
done
echo "settings slider moved $SLIDER_MOVES times; not present $SLIDER_MISSING times"

read -r first_gdi first_user first_rss <<<"$first"
read -r last_gdi last_user last_rss <<<"$last"
check_growth "GDI objects" "$first_gdi" "$last_gdi"
check_growth "user objects" "$first_user" "$last_user"
check_growth "resident memory (KB)" "$first_rss" "$last_rss"
zd_close_by_tray "$launcher"
e2e_pass "no growth beyond $growth_limit_percent % over $soak_seconds s"
