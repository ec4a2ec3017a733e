#!/usr/bin/env bash
# The calendar window under Wine: its face is W x round(9 W / 8); today's
# cell, and only that one, carries the ring, at the grid place of its date,
# and only in today's own month (paged months carry none);
# week rows a month does not use are cut out; a left press on "<<" followed
# by a drag pages back and moves the window; ">>" pages forward across the
# year's end; without the time the face stands still from second to second,
# with CalendarTimeShow only the footer's right half changes and the size
# stays; with Monday first and ISO week numbers a week column stands at its
# left, a tile with a number beside every used week row and none beside the
# others, today's ring in its Monday-first place, and a bar under the day of
# a countdown event, whose title shows as a tip where the pointer rests;
# "Close" in its menu ends the program; CalendarShow 0
# hides it.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
e2e_setup calendar

left=100
top=100
today=$(date +%Y-%m-%d)
read -r year month day <<<"${today//-/ }"
year=$((10#$year))
month=$((10#$month))
day=$((10#$day))

zd_start_beneath 960 700 40 40
zd_set_desktop
zd_seed_by_first_start

# cal_run [NAME=VALUE...]: the calendar at $left,$top (skin 9, size 5,
# rounded squares, no time, still, shown unless the values say otherwise).
cal_run() {
  {
    echo REGEDIT4
    zd_dwords Calendar CalendarSkin=9 CalendarSize=5 CalendarOval=0 CalendarTransparent=0 CalendarTimeShow=0 \
      CalendarTimeIndex=3 CalendarGo=0 CalendarShow=1 "CalendarLeft=$left" "CalendarTop=$top" "$@"
  } | zd_reg_import
  e2e_start_zentrova
  PID=$E2E_PID
  CAL=$(e2e_wait_window "Zentrova Calendar" 60)
  zd_wait_drawn "$CAL"
  sleep 1
  read -r X Y W H <<<"$(e2e_window_geometry "$CAL")"
  C=$(zd_round_even "$W/7")
  echo "calendar $*: ${W}x$H at $X,$Y, cells $C"
}

# grid YEAR MONTH [WEEKS=0]: for each day "day D TOP BOTTOM LEFT RIGHT BAR":
# the strips along the four edges of its cell (inside by a pixel), where
# today's ring lies and the centred day number does not, and the strip under
# the number where an event's bar lies; for each unused week row "empty
# X,Y,W,H" across the face (inside by a pixel). With WEEKS 1 the week starts
# on Monday and the week column (first "column K") stands left of the grid,
# a "week X,Y,W,H" tile in it beside each used row.
grid() {
  python3 - "$W" "$H" "$1" "$2" "${3:-0}" <<'PY'
import calendar, math, sys
from fractions import Fraction
fw, h, year, month, weeks = map(int, sys.argv[1:])
def even(x): return round(Fraction(x))
# The grid's own width W (H = round(9 W / 8), C = round(W / 7)) and the week
# column K = round(3 C / 4) left of it.
for w in range(fw, 0, -1):
    k = even(Fraction(even(Fraction(w, 7)) * 3, 4)) if weeks else 0
    if w + k == fw and even(Fraction(w * 9, 8)) == h:
        break
else:
    sys.exit("no grid width fits a face %dx%d" % (fw, h))
def box(x0, y0, x1, y1):
    x0, y0, x1, y1 = math.ceil(x0) + 1, math.ceil(y0) + 1, math.floor(x1) - 1, math.floor(y1) - 1
    return f"{x0},{y0},{x1 - x0},{y1 - y0}"
def bar(x0, y0, x1, y1):  # two or three rows below the number, no inner margin
    x0, y0, x1, y1 = math.ceil(x0), math.ceil(y0), math.floor(x1), math.ceil(y1)
    return f"{x0},{y0},{x1 - x0},{y1 - y0}"
if weeks:
    print("column", k)
cw, ch = w / 7, h / 9
row = 0
for d in range(1, calendar.monthrange(year, month)[1] + 1):
    col = (calendar.weekday(year, month, d) + (0 if weeks else 1)) % 7
    x, y = k + col * cw, 2 * h / 9 + row * h / 9
    print("day", d, box(x, y, x + cw, y + ch * 0.22), box(x, y + ch * 0.78, x + cw, y + ch),
          box(x, y, x + cw * 0.18, y + ch), box(x + cw * 0.82, y, x + cw, y + ch),
          bar(x + cw * 0.3, y + ch * 0.705, x + cw * 0.7, y + ch * 0.8))
    if col == 6:
        row += 1
rows = row + (0 if col == 6 else 1)
for r in range(6):
    y = 2 * h / 9 + r * h / 9
    if r >= rows:
        print("empty", box(0, y, fw, y + ch))
    elif weeks:
        print("week", box(0, y, k, y + ch))
PY
}

# expect_month NAME YEAR MONTH RINGED [WEEKS=0 EVENT_DAY]: the window shows
# that month's grid (see grid): with RINGED 1 (today's month) the ring on
# day $day and on no other, with RINGED 0 no ring at all; the unused week
# rows fully cut out so that the desktop shows; with WEEKS 1 a number beside
# every used row; with an EVENT_DAY a bar under that day and under no other.
expect_month() {
  local shot="$1" y="$2" m="$3" ringed="$4" weeks="${5:-0}" event_day="${6:-0}"
  local kind d strips count bar best=0 best_day=0 second=0 event_bar=0 other_bars=0 rects
  zd_window_ppm "$CAL" "$shot.ppm" >/dev/null
  while read -r kind d strips; do
    case "$kind" in
      column) ((d >= 10)) || e2e_fail "the week column is $d pixels wide" ;;
      week) zd_expect_text "$E2E_DIR/$shot.ppm" 8 "$y-$m: the week number beside a used row ($d)" "$d" ;;
      empty)
        IFS=, read -r _ _ rw rh <<<"$d"
        count=$(zd_count_near "$E2E_DIR/$shot.ppm" "$ZD_DESKTOP_RGB" 0 "$d")
        ((count == rw * rh)) || e2e_fail "$y-$m: an unused week row ($d) is not cut out ($count of $((rw * rh)))" ;;
      day)
        read -r -a rects <<<"$strips"
        count=$(zd_text_count "$E2E_DIR/$shot.ppm" "${rects[@]:0:4}")
        if ((count > best)); then
          second=$best
          best=$count
          best_day=$d
        elif ((count > second)); then
          second=$count
        fi
        ((event_day)) || continue
        bar=$(zd_text_count "$E2E_DIR/$shot.ppm" "${rects[4]}")
        # Today's ring runs through the bar's place too.
        if ((d == event_day)); then event_bar=$bar; elif ((d != day && bar > other_bars)); then other_bars=$bar; fi ;;
    esac
  done < <(grid "$y" "$m" "$weeks")
  if ((ringed)); then
    ((best_day == day && best >= 30 && best >= 3 * second)) ||
      e2e_fail "$y-$m: the ring is on day $best_day ($best pixels, next $second), expected day $day"
  else
    ((best < 30)) || e2e_fail "$y-$m is not today's month, yet day $best_day carries a ring ($best pixels)"
  fi
  echo "$y-$m: ring on day $best_day ($best pixels, next $second)"
  ((event_day)) || return 0
  ((event_bar >= 6)) || e2e_fail "the event's day $event_day shows no bar ($event_bar pixels)"
  ((other_bars <= 1)) || e2e_fail "a day without an event shows a bar ($other_bars pixels)"
  echo "bar on $event_day: $event_bar pixels, elsewhere at most $other_bars"
}

# --- Today's month, no time in the footer -------------------------------------
cal_run
((X == left && Y == top)) || e2e_fail "the calendar is at $X,$Y, not at its stored $left,$top"
e2e_expect_eq "$H" "$(zd_round_even "$((W * 9))/8")" "the face height for a width of $W"
plain_w=$W
plain_h=$H
expect_month this "$year" "$month" 1
# The title and the footer carry text; nothing changes from second to second.
zd_expect_text "$E2E_DIR/this.ppm" 40 "the title" "$(zd_rect "$C" 0 $((W - C)) $((H / 9)))"
zd_expect_text "$E2E_DIR/this.ppm" 40 "the footer" "$(zd_rect 0 $((H * 8 / 9 + 1)) "$W" "$H")"
sleep 1.1
zd_window_ppm "$CAL" this-later.ppm >/dev/null
e2e_expect_eq "$(zd_differing "$E2E_DIR/this.ppm" "$E2E_DIR/this-later.ppm" 2 "$(zd_rect 0 0 "$W" "$H")")" 0 \
  "changed pixels a second later without the time"

# A left press on "<<" and a drag: the previous month, and the window moved.
read -r py pm <<<"$(python3 -c "y, m = $year, $month - 1; print(*(y - 1, 12) if m == 0 else (y, m))")"
e2e_drag $((X + C / 2)) $((Y + H / 18)) $((X + C / 2 + 30)) $((Y + H / 18 + 20))
zd_expect_geometry "$CAL" "$((X + 30)) $((Y + 20)) $W $H" "the calendar after a drag from its \"<<\""
sleep 0.5
expect_month previous "$py" "$pm" 0
changed=$(zd_differing "$E2E_DIR/this.ppm" "$E2E_DIR/previous.ppm" 2 "$(zd_rect "$C" 0 $((W - C)) $((H / 9)))")
((changed >= 20)) || e2e_fail "the title did not change when paging back ($changed pixels)"

# ">>" twice: the month after today's, over the end of the year in December.
read -r X Y _ _ <<<"$(e2e_window_geometry "$CAL")"
for _ in 1 2; do
  e2e_click $((X + W - C / 2)) $((Y + H / 18))
  sleep 0.4
done
zd_expect_geometry "$CAL" "$X $Y $W $H" "the calendar after clicks on \">>\"" 0
read -r ny nm <<<"$(python3 -c "y, m = $year, $month + 1; print(*(y + 1, 1) if m == 13 else (y, m))")"
# Paging forward leaves no ring in the next month, whatever its days.
expect_month next "$ny" "$nm" 0
zd_close_by_tray "$PID"

# --- The time in the footer's right half ------------------------------------
cal_run CalendarTimeShow=1
((W == plain_w && H == plain_h)) || e2e_fail "the time footer changed the face to ${W}x$H from ${plain_w}x$plain_h"
zd_next_second_shots "$CAL" time-a.ppm time-b.ppm
footer_top=$((H * 8 / 9 + 1))
zd_expect_text "$E2E_DIR/time-a.ppm" 30 "the footer's date half" "$(zd_rect 0 "$footer_top" $((W / 2)) "$H")"
zd_expect_text "$E2E_DIR/time-a.ppm" 30 "the footer's time half" "$(zd_rect $((W / 2)) "$footer_top" "$W" "$H")"
e2e_expect_eq "$(zd_differing "$E2E_DIR/time-a.ppm" "$E2E_DIR/time-b.ppm" 2 \
  "$(zd_rect 0 0 "$W" "$footer_top")" "$(zd_rect 0 "$footer_top" $((W / 2)) "$H")")" 0 \
  "changed pixels outside the footer's time half a second later"
changed=$(zd_differing "$E2E_DIR/time-a.ppm" "$E2E_DIR/time-b.ppm" 2 "$(zd_rect $((W / 2)) "$footer_top" "$W" "$H")")
((changed >= 10)) || e2e_fail "the footer's time did not change ($changed pixels)"
# "Close" in the calendar's menu ends the whole program.
zd_close_by_menu "$CAL" "$PID"

# --- Monday first, ISO week numbers and an event -----------------------------
# The one event replaces the first start's list, whose Christmas may fall in
# the month shown.
event_day=$((day == 15 ? 16 : 15))
event=$((($(date -ud "$year-$month-$event_day" +%s) - $(date -ud 1899-12-30 +%s)) / 86400))
{
  echo REGEDIT4
  zd_dwords 'Countdown\CountTitle' CountMax=1 CountIndex=0
  printf '"Count0"="Lecture"\n"CountDate0"=hex:%s\n"CountTime0"=hex:%s\n' "$(zd_double_hex "$event")" "$(zd_double_hex 0)"
} | zd_reg_import
cal_run CalendarWeekStart=0 CalendarWeekNumbers=1 CalendarEvents=1
expect_month weeks "$year" "$month" 1 1 "$event_day"
e2e_screenshot weeks.png "$CAL" >/dev/null
# tip_over DAY: the pointer rests on that day's bar; true once a tip (an
# untitled popup) is up within 3 s.
tip_over() {
  local bx by bw bh deadline
  IFS=, read -r bx by bw bh <<<"$(grid "$year" "$month" 1 | awk -v d="$1" '$1 == "day" && $2 == d { print $7 }')"
  # One move: the tip shows where the pointer first comes to rest.
  xdotool mousemove $((X + bx + bw / 2)) $((Y + by + bh / 2))
  deadline=$(_e2e_deadline 3)
  until e2e_list_windows | awk 'NF == 6 && $6 == "yes" { up = 1 } END { exit !up }'; do
    _e2e_before "$deadline" || return 1
    sleep 0.1
  done
}
! tip_over $((event_day + 1)) || e2e_fail "a day without an event shows a tip"
tip_over "$event_day" || e2e_fail "the event's day shows no tip where the pointer rests"
zd_close_by_tray "$PID"

# --- CalendarShow 0 -----------------------------------------------------------
printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Zentrova\\Calendar]\n"CalendarShow"=dword:00000000\n' | zd_reg_import
e2e_start_zentrova
PID=$E2E_PID
e2e_wait_window "Tessarvelune" 60 >/dev/null
e2e_wait_window "Countdown" 60 >/dev/null
e2e_wait_tray 30 >/dev/null
sleep 1
! e2e_window_visible "Zentrova Calendar" || e2e_fail "CalendarShow 0 showed the calendar"
e2e_process_running "$PID" || e2e_fail "the program ended with the calendar hidden"
zd_close_by_tray "$PID"

zd_stop_beneath
e2e_pass
