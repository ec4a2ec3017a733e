#!/usr/bin/env bash
# Time as the world keeps it, under Wine: a clock set to Tokyo with the label
# "Tokyo" on a machine on universal time shows exactly what a clock on local
# time with the same label shows on a machine in Tokyo, and not what the
# local clock shows.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
e2e_setup world_time

zd_start_beneath 960 700 40 40
zd_set_desktop
zd_seed_by_first_start

# restart_wine: the next start's Wine reads the machine's zone afresh.
restart_wine() { WINEPREFIX="$E2E_PREFIX" wineserver -k >/dev/null 2>&1 || true; }

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
  zd_close_by_tray "$E2E_PID"
}

# same_face A B: both shots have the same size and not one differing pixel.
same_face() { cmp -s "$E2E_DIR/$1.ppm" "$E2E_DIR/$2.ppm"; }

# Shots on either side of the reference, so that a minute turning between
# two of them cannot fail the comparison.
TZ=UTC clock_shot tokyo-before "Tokyo Standard Time" Tokyo
TZ=Asia/Tokyo clock_shot reference "" Tokyo
TZ=UTC clock_shot tokyo-after "Tokyo Standard Time" Tokyo
same_face tokyo-before reference || same_face tokyo-after reference ||
  e2e_fail "the Tokyo clock on universal time differs from a local clock in Tokyo"
TZ=UTC clock_shot local "" Tokyo
! same_face local reference || e2e_fail "the local clock on universal time shows Tokyo's time"
read -r w h <<<"$(identify -format '%w %h' "$E2E_DIR/reference.ppm")"
zd_expect_text "$E2E_DIR/reference.ppm" 150 "the labelled clock" "$(zd_rect 0 0 "$w" "$h")"

zd_stop_beneath
e2e_pass
