# shellcheck shell=bash
# Xorg with the dummy video driver in place of Xvfb, for tests that need more
# than one monitor: its outputs (DUMMY0, DUMMY1, ...) are switched on, placed
# and switched off with xrandr, and Wine (through XRandR) sees each one that
# is on as a monitor. A test asks for it by setting E2E_X_SERVER=Xorg before
# sourcing lib.sh; the display then starts as one monitor of E2E_SCREEN_SIZE
# with room for a second beside it. Sourced by lib.sh.

# Writes the server's configuration. Xorg with a configuration file of its
# own runs only as root, and only when the server and the dummy driver are
# installed; a test skips otherwise.
_e2e_xorg_prepare() {
  [[ "$(id -u)" == 0 ]] || e2e_skip "Xorg with the dummy driver needs root"
  command -v Xorg >/dev/null 2>&1 || e2e_skip "not installed: Xorg (xserver-xorg-core)"
  compgen -G '/usr/lib/xorg/modules/drivers/dummy_drv.so' >/dev/null ||
    e2e_skip "not installed: the dummy video driver (xserver-xorg-video-dummy)"
  command -v xrandr >/dev/null 2>&1 || e2e_fail "tools missing: xrandr"
  local w h
  read -r w h <<<"${E2E_SCREEN_SIZE/x/ }"
  # No input devices of the machine (xdotool's XTEST devices are enough) and
  # no GLX, which Wine does not need here and which costs a second to load.
  cat >"$E2E_DIR/xorg.conf" <<EOF
Section "Module"
  Disable "glx"
EndSection
Section "ServerFlags"
  Option "AutoAddDevices" "false"
EndSection
Section "Device"
  Identifier "dummy"
  Driver "dummy"
  VideoRam 64000
EndSection
Section "Screen"
  Identifier "screen"
  Device "dummy"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Virtual $((2 * w)) $h
  EndSubSection
EndSection
EOF
}

# _e2e_xorg_exec NUM: becomes the Xorg of display :NUM (run in the background).
_e2e_xorg_exec() {
  exec env -u WINEPREFIX -u WINEARCH -u WINEDEBUG -u WINEDLLOVERRIDES Xorg ":$1" -config "$E2E_DIR/xorg.conf" \
    -noreset -nolisten tcp -logfile "$E2E_DIR/xorg.log" -novtswitch -sharevts
}

# _e2e_xorg_lost_race NUM PID: true when another server took display :NUM
# before Xorg PID could (the next number is then tried).
_e2e_xorg_lost_race() {
  local owner
  owner=$(tr -d ' ' 2>/dev/null <"/tmp/.X$1-lock") && [[ -n "$owner" && "$owner" != "$2" ]]
}

# Skips the test with Xorg's own errors when no display could be started.
_e2e_xorg_failed() {
  local errors
  # The log's errors without the usual noise (no system bus, no mouse and
  # keyboard drivers, the closing lines); the server's own output otherwise.
  errors=$(sed -n 's/^\[[ 0-9.]*\] (EE) //p' "$E2E_DIR/xorg.log" 2>/dev/null |
    grep -v -e '^ *$' -e dbus -e 'Failed to load module' -e 'Please also check' -e 'Server terminated' | head -n 2) || true
  [[ -n "$errors" ]] || errors=$(tail -n 3 "$E2E_DIR/xvfb.log" 2>/dev/null) || true
  e2e_skip "Xorg with the dummy driver did not start (see $E2E_DIR/xorg.log): ${errors//$'\n'/; }"
}

# e2e_xorg_monitors N: N (1 or 2) monitors of E2E_SCREEN_SIZE side by side,
# the first one primary at the origin, the second switched off when N is 1
# and the screen shrunk to the monitors left; waits until the server lists
# them.
e2e_xorg_monitors() {
  local n="$1" w h i deadline count args=()
  read -r w h <<<"${E2E_SCREEN_SIZE/x/ }"
  for ((i = 0; i < 2; i++)); do
    if ((i >= n)); then
      args+=(--output "DUMMY$i" --off)
      continue
    fi
    ((i == 0)) || xrandr --addmode "DUMMY$i" "$E2E_SCREEN_SIZE" 2>/dev/null || true
    args+=(--output "DUMMY$i" --mode "$E2E_SCREEN_SIZE" --pos "$((i * w))x0")
  done
  xrandr --fb "$((n * w))x$h" "${args[@]}" || e2e_fail "xrandr could not place $n monitors"
  deadline=$(_e2e_deadline 10)
  until count=$(xrandr --listmonitors | sed -n 's/^Monitors: //p') && [[ "$count" == "$n" ]]; do
    _e2e_before "$deadline" || e2e_fail "the X server lists $count monitors, expected $n"
    sleep 0.1
  done
}
