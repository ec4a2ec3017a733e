#!/usr/bin/env bash
# Time and calendar as the world keeps them, under Wine: a clock set to Tokyo
# with the label "Tokyo" on a machine on universal time shows exactly what a
# clock on local time with the same label shows on a machine in Tokyo, and
# not what the local clock shows; a calendar with Monday first and ISO week
# numbers has a week column at its left, a tile with a number beside every
# used week row and none beside the others, today's ring in its Monday-first
# place, and a bar under the day of a countdown event.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
e2e_setup world_time

zd_start_beneath 960 700 40 40
zd_set_desktop
zd_seed_by_first_start

# restart_wine: the next start's Wine reads the machine's zone afresh.
restart_wine() { WINEPREFIX="$E2E_PREFIX" wineserver -k >/dev/null 2>&1 || true; }

# --- The clock in another zone ------------------------------------------------
# clock_shot NAME ZONE LABEL: the one-line clock ("yyyy-mm-dd, hh:nn") with
# that zone and label, started under the environment's TZ, shot and closed.
clock_shot() {
  {
    echo REGEDIT4
    zd_dwords Clock TimeIndex=2 DateShow=1 ClockSky=0 DateIndex=12 ClockRectOval=0 ClockLeft=100 ClockTop=100 \
      ClockGo=0 ClockShow=1
    printf '"ClockZone"="%s"\n"ClockZoneLabel"="%s"\n' "$2" "$3"
  } | zd_reg_import
  restart_wine
  zd_start_showing "Tessarvelune"
  zd_window_ppm "$ZD_WINDOW" "$1.ppm" >/dev/null
  e2e_window_geometry "$ZD_WINDOW" >"$E2E_DIR/$1.geometry"
  zd_close_by_tray "$E2E_PID"
}

# same_face A B: both shots have the same size and not one differing pixel.
same_face() {
  local w h
  [[ "$(cat "$E2E_DIR/$1.geometry")" == "$(cat "$E2E_DIR/$2.geometry")" ]] || return 1
  read -r _ _ w h <"$E2E_DIR/$1.geometry"
  (($(zd_differing "$E2E_DIR/$1.ppm" "$E2E_DIR/$2.ppm" 0 "$(zd_rect 0 0 "$w" "$h")") == 0))
}

# Shots on either side of the reference, so that a minute turning between
# two of them cannot fail the comparison.
TZ=UTC clock_shot tokyo-before "Tokyo Standard Time" Tokyo
TZ=Asia/Tokyo clock_shot reference "" Tokyo
TZ=UTC clock_shot tokyo-after "Tokyo Standard Time" Tokyo
same_face tokyo-before reference || same_face tokyo-after reference ||
  e2e_fail "the Tokyo clock on universal time differs from a local clock in Tokyo"
TZ=UTC clock_shot local "" Tokyo
! same_face local reference || e2e_fail "the local clock on universal time shows Tokyo's time"
read -r _ _ w h <"$E2E_DIR/reference.geometry"
zd_expect_text "$E2E_DIR/reference.ppm" 150 "the labelled clock" "$(zd_rect 0 0 "$w" "$h")"
restart_wine

# --- Monday first, ISO week numbers and an event -------------------------------
read -r year month day event_day event_value <<<"$(python3 - <<'PY'
import datetime
today = datetime.date.today()
event = today.replace(day=15 if today.day != 15 else 16)
print(today.year, today.month, today.day, event.day, (event - datetime.date(1899, 12, 30)).days)
PY
)"
{
  printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Zentrova\\Countdown\\CountTitle]\n'
  # The one event replaces the first start's list, whose Christmas may fall
  # in the month shown.
  printf '"CountMax"=dword:00000001\n"CountIndex"=dword:00000000\n'
  printf '"Count0"="Lecture"\n"CountDate0"=hex:%s\n"CountTime0"=hex:%s\n' \
    "$(zd_double_hex "$event_value")" "$(zd_double_hex 0)"
  # The clock out of the way: a layered window beneath would show through
  # the calendar's gaps.
  zd_dwords Clock ClockLeft=600 ClockTop=400
  zd_dwords Calendar CalendarSkin=9 CalendarSize=5 CalendarOval=0 CalendarTransparent=0 CalendarTimeShow=0 \
    CalendarGo=0 CalendarShow=1 CalendarLeft=100 CalendarTop=100 CalendarWeekStart=0 CalendarWeekNumbers=1 \
    CalendarEvents=1
} | zd_reg_import
zd_start_showing "Zentrova Calendar"
read -r _ _ FW H <<<"$(e2e_window_geometry "$ZD_WINDOW")"
zd_window_ppm "$ZD_WINDOW" calendar.ppm >/dev/null
e2e_screenshot calendar.png "$ZD_WINDOW" >/dev/null

# The grid's own width W (H = round(9 W / 8), C = round(W / 7)) and the week
# column K = round(3 C / 4) left of it, then each cell's inner strips: the
# rim where today's ring lies, the bar under the number, and the week tiles.
python3 - "$FW" "$H" "$year" "$month" "$event_day" >"$E2E_DIR/cells.txt" <<'PY'
import calendar, math, sys
from fractions import Fraction
fw, h, year, month, event_day = map(int, sys.argv[1:])
def even(x): return round(Fraction(x))
for w in range(fw, 0, -1):
    k = even(Fraction(even(Fraction(w, 7)) * 3, 4))
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
cw, ch = w / 7, h / 9
print("column", k)
row = 0
for d in range(1, calendar.monthrange(year, month)[1] + 1):
    col = calendar.weekday(year, month, d)  # 0 = Monday
    x, y = k + col * cw, 2 * h / 9 + row * h / 9
    print("day", d, box(x, y, x + cw, y + ch * 0.22), box(x, y + ch * 0.78, x + cw, y + ch),
          box(x, y, x + cw * 0.18, y + ch), box(x + cw * 0.82, y, x + cw, y + ch),
          bar(x + cw * 0.3, y + ch * 0.705, x + cw * 0.7, y + ch * 0.8))
    last_row = row
    if col == 6:
        row += 1
for r in range(6):
    y = 2 * h / 9 + r * h / 9
    print("week", "used" if r <= last_row else "unused", box(0, y, k, y + ch))
PY
best=0 best_day=0 second=0 event_bar=0 other_bars=0
while read -r kind a b c d e f; do
  case "$kind" in
    column)
      ((a >= 10)) || e2e_fail "the week column is $a pixels wide" ;;
    day)
      count=$(zd_text_count "$E2E_DIR/calendar.ppm" "$b" "$c" "$d" "$e")
      if ((count > best)); then second=$best best=$count best_day=$a; elif ((count > second)); then second=$count; fi
      bar=$(zd_text_count "$E2E_DIR/calendar.ppm" "$f")
      # Today's ring runs through the bar's place too.
      if ((a == event_day)); then event_bar=$bar; elif ((a != day && bar > other_bars)); then other_bars=$bar; fi ;;
    week)
      if [[ "$a" == used ]]; then
        zd_expect_text "$E2E_DIR/calendar.ppm" 8 "the week number beside a used row ($b)" "$b"
      else
        IFS=, read -r _ _ rw rh <<<"$b"
        count=$(zd_count_near "$E2E_DIR/calendar.ppm" "$ZD_DESKTOP_RGB" 0 "$b")
        ((count == rw * rh)) || e2e_fail "the week column beside an unused row ($b) is not cut out"
      fi ;;
  esac
done <"$E2E_DIR/cells.txt"
((best_day == day && best >= 30 && best >= 3 * second)) ||
  e2e_fail "the ring is on day $best_day ($best pixels, next $second), expected day $day in its Monday-first place"
((event_bar >= 6)) || e2e_fail "the event's day $event_day shows no bar ($event_bar pixels)"
((other_bars <= 1)) || e2e_fail "a day without an event shows a bar ($other_bars pixels)"
echo "ring on $best_day ($best, next $second); bar on $event_day: $event_bar pixels, elsewhere at most $other_bars"
zd_close_by_tray "$E2E_PID"

zd_stop_beneath
e2e_pass
