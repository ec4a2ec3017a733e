#!/usr/bin/env bash
# The countdown window under Wine, with a list seeded in the registry: the
# window shows at its stored place with the selected entry's title; the
# seconds change on screen while the title, the labels and the larger
# fields stay; a target in the past counts up the time since it, two digits
# a field, never a minus sign; the oval face's size
# follows from the rectangle's by the face arithmetic whatever the drawing
# font and the bold switch say, and CountSky 1 gives it the rounded outline;
# "Close" in its menu ends the program; CountShow 0 hides it.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
e2e_setup countdown

left=600
top=400
soon_title="Soon"
past_title="Last year on this very day"

zd_start_beneath 960 700 40 40
zd_set_desktop
zd_seed_by_first_start

# The two targets as date-time values (days since 30 December 1899): the date
# part in CountDate, the time of day in CountTime. "Soon" is 150 s ahead;
# the past one is today's date a year ago (28 February for a 29th) at 0:00.
read -r soon_date soon_time past_date <<<"$(python3 - <<'PY'
import datetime
epoch = datetime.datetime(1899, 12, 30)
soon = datetime.datetime.now() + datetime.timedelta(seconds=150)
today = datetime.date.today()
past = datetime.date(today.year - 1, today.month, min(today.day, 28) if today.month == 2 else today.day)
seconds = soon.hour * 3600 + soon.minute * 60 + soon.second
print((soon.date() - epoch.date()).days, seconds / 86400, (past - epoch.date()).days)
PY
)"

# count_run INDEX [NAME=VALUE...]: the list of the two entries with INDEX
# selected, the countdown at $left,$top (skin 9, size 3, rectangle, bold
# Tahoma, still, shown unless the extra values say otherwise), then a start.
count_run() {
  local index="$1" value
  shift
  {
    printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Zentrova\\Countdown\\CountTitle]\n'
    printf '"CountMax"=dword:00000002\n"CountIndex"=dword:%08x\n' "$index"
    printf '"Count0"="%s"\n"CountDate0"=hex:%s\n"CountTime0"=hex:%s\n' \
      "$soon_title" "$(zd_double_hex "$soon_date")" "$(zd_double_hex "$soon_time")"
    printf '"Count1"="%s"\n"CountDate1"=hex:%s\n"CountTime1"=hex:%s\n' \
      "$past_title" "$(zd_double_hex "$past_date")" "$(zd_double_hex 0)"
    printf '\n[HKEY_CURRENT_USER\\Software\\Zentrova\\Countdown]\n"CountFont"="Tahoma"\n'
    for value in CountSkin=9 CountSize=3 CountRectOval=0 CountSky=0 CountBorder=1 CountGo=0 CountShow=1 \
      "CountLeft=$left" "CountTop=$top" "$@"; do
      case "$value" in
        CountFont=*) printf '"CountFont"="%s"\n' "${value#*=}" ;;
        *) printf '"%s"=dword:%08x\n' "${value%%=*}" "${value#*=}" ;;
      esac
    done
  } | zd_reg_import
  e2e_start_zentrova
  PID=$E2E_PID
  COUNT=$(e2e_wait_window "Countdown" 60)
  zd_wait_drawn "$COUNT"
  sleep 1
  read -r X Y W H <<<"$(e2e_window_geometry "$COUNT")"
  echo "countdown $index $*: ${W}x$H at $X,$Y"
}

# extent_width IMAGE.ppm X,Y,W,H: width of the text-coloured pixels there.
extent_width() {
  local x0 x1
  read -r x0 _ x1 _ <<<"$(zd_text_extent "$1" "$2")"
  [[ "$x0" != none ]] || e2e_fail "no text in $2 of $1"
  echo $((x1 - x0 + 1))
}

# Rectangle layout: the title above 0.25 H, the numbers below 0.5 H, the
# years centred at W / 10 (the separator after them starts at W / 6).
title_box() { zd_rect 0 0 "$W" $((H / 4)); }
years_box() { zd_rect $((W / 10 - W / 16)) $((H / 2)) $((W / 10 + W / 16)) "$H"; }

# --- The entry 150 s ahead -------------------------------------------------
count_run 0
((X == left && Y == top)) || e2e_fail "the countdown is at $X,$Y, not at its stored $left,$top"
# The rectangle face is three measured text heights high.
((H % 3 == 0 && W > 3 * H)) || e2e_fail "a rectangle countdown face of ${W}x$H"
rect_w=$W
rect_h=$H
zd_next_second_shots "$COUNT" soon-a.ppm soon-b.ppm
zd_expect_text "$E2E_DIR/soon-a.ppm" 20 "the title" "$(title_box)"
zd_expect_text "$E2E_DIR/soon-a.ppm" 150 "the labels and numbers" "$(zd_rect 0 $((H / 4)) "$W" "$H")"
soon_title_w=$(extent_width "$E2E_DIR/soon-a.ppm" "$(title_box)")
soon_years_w=$(extent_width "$E2E_DIR/soon-a.ppm" "$(years_box)")
# A second later the seconds have changed; the title, the labels and the
# years, months and days are as they were.
e2e_expect_eq "$(zd_differing "$E2E_DIR/soon-a.ppm" "$E2E_DIR/soon-b.ppm" 2 \
  "$(zd_rect 0 0 "$W" $((H / 2)))" "$(zd_rect 0 $((H / 2)) $((W / 2)) "$H")")" 0 \
  "changed pixels in the title, labels, years, months and days a second later"
changed=$(zd_differing "$E2E_DIR/soon-a.ppm" "$E2E_DIR/soon-b.ppm" 2 "$(zd_rect $((W * 5 / 6)) $((H / 2)) "$W" "$H")")
((changed >= 10)) || e2e_fail "the seconds did not change on screen ($changed pixels changed)"
# "Close" in the countdown's menu ends the whole program.
zd_expect_menu_of "$COUNT" >/dev/null
e2e_key Escape
sleep 0.3
zd_close_by_menu "$COUNT" "$PID"
! e2e_window_visible "Tessarvelune" || e2e_fail "the clock is still shown after the countdown's Close"

# --- The entry a year ago ----------------------------------------------------
count_run 1
((W == rect_w && H == rect_h)) || e2e_fail "another entry changed the face to ${W}x$H"
zd_next_second_shots "$COUNT" past-a.ppm past-b.ppm
past_title_w=$(extent_width "$E2E_DIR/past-a.ppm" "$(title_box)")
((past_title_w > soon_title_w + 40)) ||
  e2e_fail "the long title of the selected entry is $past_title_w pixels wide, the short one $soon_title_w"
# A year since: "01", two digits like the "00" of the entry ahead, where a
# negative field would be written "0-1".
past_years_w=$(extent_width "$E2E_DIR/past-a.ppm" "$(years_box)")
((past_years_w <= soon_years_w + 2)) ||
  e2e_fail "the past target's years are $past_years_w pixels wide, the \"00\" of the future one $soon_years_w"
changed=$(zd_differing "$E2E_DIR/past-a.ppm" "$E2E_DIR/past-b.ppm" 2 "$(zd_rect $((W * 5 / 6)) $((H / 2)) "$W" "$H")")
((changed >= 10)) || e2e_fail "the past target's seconds did not change ($changed pixels changed)"
zd_close_by_tray "$PID"

# --- Oval, rounded outline, other font, regular ------------------------------
# The measured words make S = the rectangle's W and h = its H / 3; the oval
# is round(1.2 S) x round(3.4 h), and CountFont and CountBorder do not count.
count_run 0 CountRectOval=1 CountSky=1 CountBorder=0 "CountFont=Courier New"
want_w=$(zd_round_even "$((rect_w * 12))/10")
want_h=$(zd_round_even "$((rect_h * 34))/30")
((W == want_w && H == want_h)) || e2e_fail "the oval countdown is ${W}x$H, expected ${want_w}x$want_h"
# CountSky 1: the rounded rectangle's outline; the outer tenths hold no text.
sides=("$(zd_rect 0 0 $((W / 10)) "$H")" "$(zd_rect $((W - W / 10)) 0 "$W" "$H")")
skin=$ZD_SKINS/skin09.bmp
zd_face_expect face "$skin" "$W" "$H" rect 0 "$ZD_DESKTOP_RGB" "$E2E_DIR/expected-rect.ppm"
zd_face_expect face "$skin" "$W" "$H" oval 0 "$ZD_DESKTOP_RGB" "$E2E_DIR/expected-oval.ppm"
zd_window_ppm "$COUNT" sky.ppm >/dev/null
result=$(zd_face_expect compare "$E2E_DIR/expected-rect.ppm" "$E2E_DIR/sky.ppm" 2 "${sides[@]}") ||
  e2e_fail "CountSky 1 does not show the rounded rectangle's outline: $result"
! zd_face_expect compare "$E2E_DIR/expected-oval.ppm" "$E2E_DIR/sky.ppm" 2 "${sides[@]}" >/dev/null ||
  e2e_fail "the outline check cannot tell the oval from the rounded rectangle"
zd_expect_text "$E2E_DIR/sky.ppm" 100 "the oval layout's text" "$(zd_rect 0 0 "$W" "$H")"
zd_close_by_tray "$PID"

# --- CountShow 0 -------------------------------------------------------------
printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Zentrova\\Countdown]\n"CountShow"=dword:00000000\n' | zd_reg_import
e2e_start_zentrova
PID=$E2E_PID
e2e_wait_window "Tessarvelune" 60 >/dev/null
e2e_wait_window "Zentrova Calendar" 60 >/dev/null
e2e_wait_tray 30 >/dev/null
sleep 1
! e2e_window_visible "Countdown" || e2e_fail "CountShow 0 showed the countdown"
e2e_process_running "$PID" || e2e_fail "the program ended with the countdown hidden"
zd_close_by_tray "$PID"

zd_stop_beneath
e2e_pass
