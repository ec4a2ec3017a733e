#!/usr/bin/env bash
# Where the display windows stay, each in another mode, with another
# program's window moved over their left parts: the clock ("On top") stays
# over it, the countdown ("Among windows") is covered until clicked and
# then comes up, the calendar ("On the desktop") is covered and stays so when
# clicked. Only the clock keeps the topmost style.
#
# Runs under the openbox window manager (Debian package openbox): without
# one, X stacks Wine's windows only as Wine maps them, not as a desktop does
# when a window is moved and activated.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
e2e_setup stay

builds="${ZENTROVA_WIN_BUILD_DIR:-$(dirname "$ZENTROVA_EXE")}"
for probe in empty_window window_style; do
  [[ -f "$builds/$probe.exe" ]] || e2e_fail "$probe.exe not found beside the program (ZENTROVA_WIN_BUILD_DIR)"
done
command -v openbox >/dev/null || e2e_fail "openbox is not installed (tools/install-deps.sh installs it)"

# The window manager lives as long as the display: it ends with Xvfb.
openbox --sm-disable >"$E2E_DIR/openbox.log" 2>&1 &
deadline=$(_e2e_deadline 20)
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
  _e2e_before "$deadline" || e2e_fail "openbox did not start (see openbox.log)"
  sleep 0.2
done

zd_seed_by_first_start
{
  echo REGEDIT4
  zd_dwords Clock ClockLeft=60 ClockTop=40 ClockStay=0
  zd_dwords Countdown CountLeft=60 CountTop=250 CountStay=1
  zd_dwords Calendar CalendarLeft=60 CalendarTop=420 CalendarStay=2
} | zd_reg_import
zd_set_desktop
e2e_start_zentrova
pid=$E2E_PID
e2e_wait_tray 60 >/dev/null
zd_wait_display_windows 60

e2e_expect_eq "$(wine "$builds/window_style.exe" Tessarvelune Countdown "Zentrova Calendar" | tr -d '\r')" \
  "$(printf '%s\n' 'Tessarvelune topmost' 'Countdown normal' 'Zentrova Calendar normal')" "the windows' styles"

# The probe: gray, framed, activated, then moved so that it covers the left
# 300 pixels of the screen (the windows stand from x 60).
e2e_start_exe "$builds/empty_window.exe" framed
cover_pid=$E2E_PID
cover=$(e2e_wait_window "Cover Probe" 30)
xdotool windowmove "$cover" 0 0
xdotool windowactivate "$cover" 2>/dev/null || true
sleep 1

readonly GRAY="128 128 128"
# covered CAPTION: "covered" when the window's left part shows the probe's
# gray, else "shown".
covered() {
  local x y w h
  read -r x y w h <<<"$(e2e_window_geometry "$(e2e_wait_window "$1" 5)")"
  e2e_screenshot "$1.png" >/dev/null
  if e2e_color_near "$(e2e_pixel "$1.png" $((x + 40)) $((y + h / 2)))" "$GRAY" 2; then
    echo covered
  else
    echo shown
  fi
}
# click_right CAPTION: clicks the window's right end, which the probe leaves
# uncovered.
click_right() {
  local x y w h
  read -r x y w h <<<"$(e2e_window_geometry "$(e2e_wait_window "$1" 5)")"
  ((x + w > 310)) || e2e_fail "$1 lies wholly under the probe ($x $y $w $h)"
  e2e_click $((x + w - 6)) $((y + h / 2))
  sleep 1
}

e2e_expect_eq "$(covered Tessarvelune)" shown "on top, under the moved window"
e2e_expect_eq "$(covered Countdown)" covered "among windows, under the moved window"
e2e_expect_eq "$(covered "Zentrova Calendar")" covered "on the desktop, under the moved window"

click_right "Zentrova Calendar"
e2e_expect_eq "$(covered "Zentrova Calendar")" covered "on the desktop, clicked"
click_right Countdown
e2e_expect_eq "$(covered Countdown)" shown "among windows, clicked"

e2e_expect_eq "$(wine "$builds/window_style.exe" Countdown "Zentrova Calendar" | tr -d '\r')" \
  "$(printf '%s\n' 'Countdown normal' 'Zentrova Calendar normal')" "the styles after the clicks"
zd_close_by_tray "$pid"
e2e_pass "on top stays over the moved window; among windows is covered and comes up when clicked; on the desktop stays under it"
