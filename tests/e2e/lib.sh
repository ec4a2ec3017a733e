# shellcheck shell=bash
# shellcheck disable=SC2034  # E2E_* variables are read by the tests
# End-to-end harness: runs a Windows program under Wine inside a private Xvfb
# display with a fresh Wine prefix, and drives and inspects it like a person
# would (windows by caption, screenshots, mouse, keyboard, registry).
#
# A test sources this file, calls `e2e_setup NAME` once, and ends with
# `e2e_pass` or `e2e_fail MESSAGE`. Everything the test started (its Xvfb, its
# wineserver and the processes of its prefix) is ended by the EXIT trap.
# Safe under `set -euo pipefail`. See README.md beside this file.

source "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine_flavour.sh"

# Bump when the recipe of the pristine prefix changes, so cached copies are rebuilt.
readonly E2E_TEMPLATE_RECIPE=2
# A test may ask for another screen size by setting it before sourcing this file.
readonly E2E_SCREEN_SIZE=${E2E_SCREEN_SIZE:-1024x768}
# Or, with E2E_X_SERVER=Xorg, a display with outputs to switch (xorg_lib.sh).
readonly E2E_X_SERVER=${E2E_X_SERVER:-Xvfb}
source "$(dirname "${BASH_SOURCE[0]}")/xorg_lib.sh"
readonly E2E_DISPLAY_FIRST=90
readonly E2E_DISPLAY_LAST=199
readonly E2E_TRAY_CAPTION="Wine System Tray"

E2E_NAME=""
E2E_DIR=""
E2E_PREFIX=""
E2E_XVFB_PID=""
E2E_DISPLAY_NUM=""
E2E_WM_STATE_STUB_PID=""
E2E_PID=""
E2E_PIDS=()
E2E_EXIT_CODE=""
E2E_CLEANED=""
E2E_STARTED_AT=""

# ---------------------------------------------------------------------------
# Reporting

_e2e_say() { printf '[e2e %s] %s\n' "${E2E_NAME:-?}" "$*" >&2; }

# Microseconds since the epoch, without a fork.
_e2e_now() {
  local t=$EPOCHREALTIME
  echo $((10#${t//[.,]/}))
}

_e2e_elapsed_since() { awk -v a="$1" -v b="$(_e2e_now)" 'BEGIN { printf "%.1f", (b - a) / 1e6 }'; }

# _e2e_deadline SECONDS: the moment SECONDS (may be fractional) from now.
_e2e_deadline() { echo $(($(_e2e_now) + $(awk -v t="$1" 'BEGIN { printf "%d", t * 1e6 }'))); }

_e2e_before() { (($(_e2e_now) < $1)); }

# Ends the test as failed. Leaves failure.png, windows.txt and processes.txt
# (the prefix's processes: pid, state, command line) in the test's folder.
# Called inside a command substitution it also ends the test itself, not only
# the subshell, even when the test does not run under `set -e`.
e2e_fail() {
  printf 'FAIL [%s]: %s\n' "${E2E_NAME:-?}" "$*" >&2
  if [[ -n "$E2E_XVFB_PID" && ! -e "$E2E_DIR/failure.png" ]]; then
    e2e_screenshot failure.png >/dev/null 2>&1 || true
    e2e_list_windows >"$E2E_DIR/windows.txt" 2>/dev/null || true
    local pid
    for pid in $(e2e_prefix_processes); do
      printf '%s %s %s\n' "$pid" "$(_e2e_proc_state "$pid")" "$(tr '\0' ' ' <"/proc/$pid/cmdline")"
    done >"$E2E_DIR/processes.txt" 2>/dev/null || true
    _e2e_say "screenshot, window list and processes left in $E2E_DIR"
  fi
  if ((BASH_SUBSHELL > 0)) && [[ -n "$E2E_NAME" ]]; then
    kill -USR1 "$$" 2>/dev/null || true
  fi
  exit 1
}

e2e_pass() {
  printf 'PASS [%s]%s\n' "${E2E_NAME:-?}" "${1:+: $1}"
  exit 0
}

# Ends the test as skipped (CTest SKIP_RETURN_CODE 77).
e2e_skip() {
  printf 'SKIP [%s]: %s\n' "${E2E_NAME:-?}" "$*"
  exit 77
}

# e2e_expect_eq ACTUAL EXPECTED WHAT: fails with a clear message when they differ.
e2e_expect_eq() {
  [[ "$1" == "$2" ]] || e2e_fail "$3: expected '$2', got '$1'"
}

# ---------------------------------------------------------------------------
# Set-up and clean-up

_e2e_require_tools() {
  local tool missing=()
  for tool in wine wineserver Xvfb; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
  done
  ((${#missing[@]} == 0)) || e2e_skip "not installed: ${missing[*]}"
  for tool in xdotool xwininfo xdpyinfo import convert flock timeout; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
  done
  ((${#missing[@]} == 0)) || e2e_fail "tools missing: ${missing[*]}"
}

# Pids of every live process whose environment names PREFIX (default: this test's).
# Processes of a Wine prefix inherit WINEPREFIX, so this finds exactly the
# wineserver and the Windows processes of that prefix and nothing else.
e2e_prefix_processes() {
  local prefix="${1:-$E2E_PREFIX}" file pid
  [[ -n "$prefix" ]] || return 0
  # One grep over every environment file: forking per process is slow.
  while IFS= read -r file; do
    pid=${file#/proc/}
    pid=${pid%/environ}
    _e2e_alive "$pid" && echo "$pid"
  done < <(grep -lzxF "WINEPREFIX=$prefix" /proc/[0-9]*/environ 2>/dev/null || true)
  return 0
}

# e2e_linux_pid_of IMAGE [TIMEOUT=30]: the Linux pid of the Windows process
# running IMAGE (say zentrova.exe) in this prefix; Wine runs each Windows
# process as one Linux process whose argv[0] is its path.
e2e_linux_pid_of() {
  local wanted=${1,,} timeout="${2:-30}" pid argv0 deadline
  deadline=$(_e2e_deadline "$timeout")
  while :; do
    for pid in $(e2e_prefix_processes); do
      argv0=""
      IFS= read -r -d '' argv0 2>/dev/null <"/proc/$pid/cmdline" || [[ -n "$argv0" ]] || continue
      argv0=${argv0##*/}
      argv0=${argv0##*\\}
      if [[ "${argv0,,}" == "$wanted" ]]; then
        echo "$pid"
        return 0
      fi
    done
    _e2e_before "$deadline" || e2e_fail "no process $1 in the prefix"
    sleep 0.2
  done
}

# Single-letter state of a process (R, S, Z, ...), or failure when it is gone.
_e2e_proc_state() {
  local stat=""
  [[ "$1" =~ ^[0-9]+$ ]] || return 1  # "/proc//stat" would read the system's
  { IFS= read -r stat <"/proc/$1/stat"; } 2>/dev/null || [[ -n "$stat" ]] || return 1
  stat=${stat##*) }
  printf '%s' "${stat%% *}"
}

# True while PID exists and has not ended (a zombie has ended).
_e2e_alive() {
  local state
  state=$(_e2e_proc_state "$1") && [[ "$state" != Z ]]
}

# Ends the wineserver of PREFIX and every process left in that prefix.
_e2e_stop_prefix() {
  local prefix="$1" pid
  [[ -d "$prefix" ]] || return 0
  WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
  WINEPREFIX="$prefix" timeout 10 wineserver -w >/dev/null 2>&1 || true
  for pid in $(e2e_prefix_processes "$prefix"); do
    kill -KILL "$pid" 2>/dev/null || true
  done
}

# True while PID is a live Xvfb serving display :NUM (a zombie has no command line).
_e2e_is_xvfb_of() {
  local pid="$1" num="$2" cmdline
  cmdline=$(tr '\0' ' ' 2>/dev/null <"/proc/$pid/cmdline") || return 1
  [[ "$cmdline" =~ ^([^ ]*/)?(Xvfb|Xorg)\ :$num\  ]]
}

_e2e_stop_xvfb() {
  local pid="$1" num="$2" i
  _e2e_is_xvfb_of "$pid" "$num" || return 0
  kill -TERM "$pid" 2>/dev/null || true
  for ((i = 0; i < 50; i++)); do
    _e2e_is_xvfb_of "$pid" "$num" || break
    sleep 0.1
  done
  if _e2e_is_xvfb_of "$pid" "$num"; then
    _e2e_say "Xvfb :$num did not end on TERM, killing it"
    kill -KILL "$pid" 2>/dev/null || true
    sleep 0.2
  fi
  wait "$pid" 2>/dev/null || true
  # A killed server leaves its lock and socket; remove them only while the lock
  # still names this server.
  if [[ "$(tr -d ' ' 2>/dev/null <"/tmp/.X$num-lock")" == "$pid" ]]; then
    rm -f "/tmp/.X$num-lock" "/tmp/.X11-unix/X$num"
  fi
}

# Ends what an earlier run of this same test left behind when it was killed
# before its trap could run (a CTest time-out, for instance).
_e2e_stop_leftovers() {
  local saved pid num
  [[ -d "$E2E_DIR" ]] || return 0
  _e2e_stop_prefix "$E2E_DIR/prefix"
  if [[ -r "$E2E_DIR/xvfb.pid" ]]; then
    saved=$(<"$E2E_DIR/xvfb.pid")
    pid=${saved%% *}
    num=${saved##* }
    _e2e_stop_xvfb "$pid" "$num"
  fi
}

# Starts Xvfb on the first free display in the probe range; exports DISPLAY.
_e2e_start_xvfb() {
  local num pid i
  [[ "$E2E_X_SERVER" == Xvfb ]] || _e2e_xorg_prepare
  for ((num = E2E_DISPLAY_FIRST; num <= E2E_DISPLAY_LAST; num++)); do
    [[ -e "/tmp/.X$num-lock" || -e "/tmp/.X11-unix/X$num" ]] && continue
    if [[ "$E2E_X_SERVER" == Xvfb ]]; then
      env -u WINEPREFIX -u WINEARCH -u WINEDEBUG -u WINEDLLOVERRIDES Xvfb ":$num" -screen 0 "${E2E_SCREEN_SIZE}x24" -nolisten tcp -br >"$E2E_DIR/xvfb.log" 2>&1 &
    else
      _e2e_xorg_exec "$num" >"$E2E_DIR/xvfb.log" 2>&1 &
    fi
    pid=$!
    for ((i = 0; i < 100; i++)); do
      _e2e_alive "$pid" || break
      # The lock file holds the pid of the server that owns the display: make
      # sure it is ours and not one that won a race for the same number.
      if [[ "$(tr -d ' ' 2>/dev/null <"/tmp/.X$num-lock")" == "$pid" ]] &&
        xdpyinfo -display ":$num" >/dev/null 2>&1; then
        E2E_XVFB_PID=$pid
        E2E_DISPLAY_NUM=$num
        echo "$pid $num" >"$E2E_DIR/xvfb.pid"
        export DISPLAY=":$num"
        return 0
      fi
      sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    [[ "$E2E_X_SERVER" == Xvfb ]] || _e2e_xorg_lost_race "$num" "$pid" || _e2e_xorg_failed
  done
  e2e_fail "no free X display in :$E2E_DISPLAY_FIRST..:$E2E_DISPLAY_LAST (or Xvfb does not start, see $E2E_DIR/xvfb.log)"
}

# What the cached prefix depends on; a change of any part rebuilds it.
_e2e_template_key() {
  local fonts
  fonts=$(_e2e_font_files | xargs -r -n1 basename | sort | tr '\n' ' ')
  printf 'recipe %s\nwine %s %s\nfonts %s\n' "$E2E_TEMPLATE_RECIPE" "$(wine --version 2>/dev/null)" "$WINEARCH" "$fonts"
}

# Fonts copied into the prefix so that GDI+ finds the families it is asked for.
_e2e_font_files() {
  compgen -G '/usr/share/wine/fonts/tahoma*.ttf' || true
  compgen -G '/usr/share/wine/fonts/marlett.ttf' || true
  compgen -G '/usr/share/fonts/truetype/liberation/*.ttf' || true
}

# Settings of the pristine prefix:
# - the common font names map to the Liberation fonts;
# - Wine draws window frames itself (no window manager runs), so every X window
#   covers exactly its Windows window rectangle and the close box is clickable;
#   the fallback tray window stays frameless, so its X window is its icon strip;
# - with no window manager to send WM_TAKE_FOCUS, Wine activates a window when
#   it gets the X focus (see e2e_focus);
# - a crash ends the program with a backtrace in its log instead of a dialog.
_e2e_prefix_settings() {
  cat <<'EOF'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"Times New Roman"="Liberation Serif"
"Courier New"="Liberation Mono"

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Decorated"="N"
"UseTakeFocus"="N"

[HKEY_CURRENT_USER\Software\Wine\AppDefaults\explorer.exe\X11 Driver]
"Decorated"="Y"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
EOF
}

_e2e_build_template() {
  local target="$1" building="$1.building.$$"
  # Halves of builds that were killed midway (the caller holds the lock).
  rm -rf "$target".building.*
  _e2e_say "building the pristine Wine prefix (once per build folder)"
  WINEPREFIX="$building" wineboot -i >"$E2E_DIR/wineboot.log" 2>&1 ||
    e2e_fail "wineboot failed, see $E2E_DIR/wineboot.log"
  WINEPREFIX="$building" timeout 300 wineserver -w || true
  local fonts_dir="$building/drive_c/windows/Fonts"
  mkdir -p "$fonts_dir"
  local font_list
  font_list=$(_e2e_font_files)
  [[ "$font_list" == *tahoma* ]] ||
    _e2e_say "warning: no Tahoma in /usr/share/wine/fonts (package fonts-wine); GDI+ will not find it"
  [[ "$font_list" == *Liberation* ]] ||
    _e2e_say "warning: no Liberation fonts (package fonts-liberation); Arial and friends will not be found"
  [[ -z "$font_list" ]] || xargs -r -d '\n' cp -t "$fonts_dir" <<<"$font_list"
  _e2e_prefix_settings >"$building/drive_c/e2e-settings.reg"
  WINEPREFIX="$building" wine reg import 'C:\e2e-settings.reg' >>"$E2E_DIR/wineboot.log" 2>&1 ||
    e2e_fail "could not import the prefix settings, see $E2E_DIR/wineboot.log"
  WINEPREFIX="$building" timeout 60 wineserver -w || true
  rm -f "$building/drive_c/e2e-settings.reg"
  grep -q 'Liberation Sans' "$building/user.reg" ||
    e2e_fail "prefix settings did not reach user.reg of the new prefix"
  _e2e_template_key >"$building/.e2e-template-key"
  rm -rf "$target"
  mv "$building" "$target"
}

# Copies the pristine prefix (built once and cached) to this test's folder.
_e2e_make_prefix() {
  local work="$1" template="$1/.template-prefix"
  mkdir -p "$work"
  {
    flock -w 600 9 || e2e_fail "timed out waiting for the prefix lock $work/.template.lock"
    if [[ ! -f "$template/.e2e-template-key" ]] ||
      [[ "$(<"$template/.e2e-template-key")" != "$(_e2e_template_key)" ]]; then
      _e2e_build_template "$template"
    fi
    cp -a "$template" "$E2E_PREFIX"
  } 9>"$work/.template.lock"
  rm -f "$E2E_PREFIX/.e2e-template-key"
}

# e2e_setup NAME: fresh folder "$ZENTROVA_E2E_WORK/NAME" with a fresh prefix,
# a private Xvfb, DISPLAY and WINEPREFIX exported, and the clean-up trap set.
e2e_setup() {
  local name="${1:?e2e_setup needs a test name}"
  [[ "$name" =~ ^[A-Za-z0-9._-]+$ ]] || { echo "e2e_setup: bad test name '$name'" >&2; exit 1; }
  E2E_NAME=$name
  E2E_STARTED_AT=$(_e2e_now)
  _e2e_require_tools
  local work="${ZENTROVA_E2E_WORK:-/tmp/zentrova-e2e-$(id -u)}"
  E2E_DIR="$work/$name"
  E2E_PREFIX="$E2E_DIR/prefix"
  _e2e_stop_leftovers
  rm -rf "$E2E_DIR"
  mkdir -p "$E2E_DIR"

  trap e2e_cleanup EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
  trap 'exit 1' USR1

  export WINEPREFIX="$E2E_PREFIX" WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  # One locale for every run: Wine derives the regional settings from it.
  export LC_ALL=C.UTF-8 LANG=C.UTF-8
  unset WINESERVER WINELOADER
  zentrova_use_wine "$work/.wine-bin"

  _e2e_start_xvfb
  _e2e_start_wm_state_stub
  _e2e_make_prefix "$work"
  e2e_start_wineserver
  _e2e_say "ready in $(_e2e_elapsed_since "$E2E_STARTED_AT") s: DISPLAY=$DISPLAY WINEPREFIX=$WINEPREFIX"
}

# The window-state stub ($ZENTROVA_WM_STATE_STUB, set by CTest; its source
# says why). Without it the tests run the same, only slower.
_e2e_start_wm_state_stub() {
  [[ -x "${ZENTROVA_WM_STATE_STUB:-}" ]] || return 0
  # Not one of the prefix's processes: this test ends it itself, in order.
  env -u WINEPREFIX "$ZENTROVA_WM_STATE_STUB" &
  E2E_WM_STATE_STUB_PID=$!
}

# e2e_stop_wm_state_stub: for a test that runs a real window manager.
e2e_stop_wm_state_stub() {
  [[ -n "$E2E_WM_STATE_STUB_PID" ]] || return 0
  kill "$E2E_WM_STATE_STUB_PID" 2>/dev/null || true
  wait "$E2E_WM_STATE_STUB_PID" 2>/dev/null || true
  E2E_WM_STATE_STUB_PID=""
}

# e2e_start_wineserver: one wineserver for the prefix that stays until the
# test ends it. Left to itself the server quits a few seconds after the last
# Windows process, and a Wine command that starts just then (say the `reg
# query` after the program closed) can meet the quitting server and fail.
e2e_start_wineserver() {
  wineserver -p || e2e_fail "could not start the wineserver of $WINEPREFIX"
}

# e2e_restart_wine: ends every Windows process and the wineserver of the
# prefix and starts the server again, so that Wine reads the environment
# (say TZ) afresh.
e2e_restart_wine() {
  _e2e_stop_prefix "$E2E_PREFIX"
  e2e_start_wineserver
}

# Trap on EXIT: ends only what this test started, keeps the exit status.
e2e_cleanup() {
  local status=$?
  [[ -z "$E2E_CLEANED" ]] || return "$status"
  E2E_CLEANED=1
  trap - EXIT INT TERM USR1
  if [[ -n "$E2E_PREFIX" && -d "$E2E_PREFIX" ]]; then
    _e2e_stop_prefix "$E2E_PREFIX"
    local pid
    for pid in "${E2E_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
    # The registry as the test left it, for inspection; the prefix itself is
    # large and goes unless E2E_KEEP_PREFIX=1.
    cp -f "$E2E_PREFIX/user.reg" "$E2E_DIR/user.reg" 2>/dev/null || true
    cp -f "$E2E_PREFIX/system.reg" "$E2E_DIR/system.reg" 2>/dev/null || true
    [[ "${E2E_KEEP_PREFIX:-0}" == 1 ]] || rm -rf "$E2E_PREFIX"
  fi
  e2e_stop_wm_state_stub
  if [[ -n "$E2E_XVFB_PID" ]]; then
    _e2e_stop_xvfb "$E2E_XVFB_PID" "$E2E_DISPLAY_NUM"
    rm -f "$E2E_DIR/xvfb.pid"
    E2E_XVFB_PID=""
  fi
  [[ -z "$E2E_STARTED_AT" ]] || _e2e_say "finished with status $status after $(_e2e_elapsed_since "$E2E_STARTED_AT") s"
  return "$status"
}

# ---------------------------------------------------------------------------
# Programs

# e2e_start_exe PATH [ARGS...]: starts a Windows program in the background.
# Its pid is in E2E_PID (and appended to E2E_PIDS); its output goes to
# exe-N.log in the test's folder.
e2e_start_exe() {
  local exe="${1:?e2e_start_exe needs the program}"
  shift
  [[ -f "$exe" ]] || e2e_fail "program not found: $exe"
  exe=$(realpath "$exe")
  local log="$E2E_DIR/exe-$((${#E2E_PIDS[@]} + 1)).log"
  (cd "$E2E_DIR" && exec wine "$exe" "$@") >"$log" 2>&1 &
  E2E_PID=$!
  E2E_PIDS+=("$E2E_PID")
  _e2e_say "started $(basename "$exe") as pid $E2E_PID"
}

# Starts the program under test, $ZENTROVA_EXE (set by CTest).
e2e_start_zentrova() {
  [[ -n "${ZENTROVA_EXE:-}" ]] || e2e_fail "ZENTROVA_EXE is not set (configure with -DZENTROVA_EXE=.../zentrova.exe)"
  e2e_start_exe "$ZENTROVA_EXE" "$@"
}

# e2e_process_running [PID]: is the started program (default: the last one) still running?
e2e_process_running() {
  local pid="${1:-$E2E_PID}"
  [[ -n "$pid" ]] && _e2e_alive "$pid" || return 1
  grep -qzxF "WINEPREFIX=$E2E_PREFIX" "/proc/$pid/environ" 2>/dev/null
}

# e2e_wait_exit TIMEOUT [PID]: waits for the program to end; its exit code is
# then in E2E_EXIT_CODE. Returns 1 when it still runs after TIMEOUT seconds.
e2e_wait_exit() {
  local timeout="${1:?e2e_wait_exit needs a timeout}" pid="${2:-$E2E_PID}" deadline
  deadline=$(_e2e_deadline "$timeout")
  E2E_EXIT_CODE=""
  while e2e_process_running "$pid"; do
    _e2e_before "$deadline" || return 1
    sleep 0.1
  done
  local code=0
  wait "$pid" 2>/dev/null || code=$?
  E2E_EXIT_CODE=$code
  return 0
}

# e2e_count_processes EXENAME: how many copies of EXENAME run in this prefix.
e2e_count_processes() {
  local wanted="${1:?e2e_count_processes needs an exe name}" pid argv0 count=0
  wanted=${wanted,,}
  for pid in $(e2e_prefix_processes); do
    argv0=""
    IFS= read -r -d '' argv0 2>/dev/null <"/proc/$pid/cmdline" || [[ -n "$argv0" ]] || continue
    argv0=${argv0##*/}
    argv0=${argv0##*\\}
    [[ "${argv0,,}" != "$wanted" ]] || count=$((count + 1))
  done
  echo "$count"
}

# ---------------------------------------------------------------------------
# Windows

# shellcheck disable=SC2001  # a bracket class of specials reads better in sed
_e2e_regex_quote() { sed 's/[][\.^$*+?(){}|]/\\&/g' <<<"$1"; }

# e2e_find_windows CAPTION: ids of the mapped windows titled exactly CAPTION.
e2e_find_windows() {
  local caption="$1" id
  for id in $(xdotool search --onlyvisible --name "^$(_e2e_regex_quote "$caption")\$" 2>/dev/null); do
    # xdotool matches without regard to case: keep exact titles only.
    [[ "$(xdotool getwindowname "$id" 2>/dev/null)" == "$caption" ]] && echo "$id"
  done
  return 0
}

# e2e_window_visible CAPTION: is a window with exactly that title mapped now?
e2e_window_visible() { [[ -n "$(e2e_find_windows "$1")" ]]; }

# e2e_wait_window CAPTION [TIMEOUT=20]: prints the id of the mapped window with
# exactly that title once it exists; fails the test after TIMEOUT seconds.
e2e_wait_window() {
  local caption="$1" timeout="${2:-20}" deadline ids
  deadline=$(_e2e_deadline "$timeout")
  while :; do
    ids=$(e2e_find_windows "$caption")
    if [[ -n "$ids" ]]; then
      head -n1 <<<"$ids"
      return 0
    fi
    _e2e_before "$deadline" || e2e_fail "no window '$caption' after ${timeout} s"
    sleep 0.1
  done
}

# e2e_wait_window_gone CAPTION [TIMEOUT=10]: waits until no such window is mapped.
e2e_wait_window_gone() {
  local caption="$1" timeout="${2:-10}" deadline
  deadline=$(_e2e_deadline "$timeout")
  while e2e_window_visible "$caption"; do
    _e2e_before "$deadline" || e2e_fail "window '$caption' still shown after ${timeout} s"
    sleep 0.1
  done
}

# e2e_window_geometry ID: "X Y W H" of the window on the screen.
e2e_window_geometry() {
  local info
  info=$(xwininfo -id "$1" 2>/dev/null) || e2e_fail "no X window $1"
  awk '/Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
       /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF }
       END { print x, y, w, h }' <<<"$info"
}

# e2e_list_windows: one line per mapped top-level window:
# "ID X Y W H OVERRIDE_REDIRECT(yes/no) TITLE". Popup menus are the untitled
# override-redirect ones.
e2e_list_windows() {
  local id info geometry
  for id in $(xdotool search --onlyvisible --name '.*' 2>/dev/null); do
    info=$(xwininfo -id "$id" -stats 2>/dev/null) || continue
    [[ "$info" != *"(the root window)"* ]] || continue
    geometry=$(awk '/Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
      /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF } /Override Redirect State:/ { o = $NF }
      END { print x, y, w, h, o }' <<<"$info")
    printf '%s %s %s\n' "$id" "$geometry" "$(xdotool getwindowname "$id" 2>/dev/null)"
  done
}

# e2e_wait_menu [TIMEOUT=5]: prints "ID X Y W H" of an open popup menu.
e2e_wait_menu() {
  local timeout="${1:-5}" deadline line again
  deadline=$(_e2e_deadline "$timeout")
  # A tooltip (the tray icon's tip, two lines) is a captionless popup too:
  # the menu is the tallest one, and it stays open while a tip comes and goes.
  _e2e_tallest_popup() {
    e2e_list_windows | awk 'NF == 6 && $6 == "yes" && $5 >= 30 && $5 > best { best = $5; line = $1 " " $2 " " $3 " " $4 " " $5 }
      END { if (line != "") print line }'
  }
  while :; do
    line=$(_e2e_tallest_popup)
    if [[ -n "$line" ]]; then
      sleep 0.3
      again=$(_e2e_tallest_popup)
      if [[ "$again" == "$line" ]]; then
        echo "$line"
        return 0
      fi
    fi
    _e2e_before "$deadline" || e2e_fail "no popup menu after ${timeout} s"
    sleep 0.1
  done
}

# e2e_menu_item_xy "X Y W H" INDEX COUNT: the centre of item INDEX (from 0) of
# a menu of COUNT equally tall items, as printed by e2e_wait_menu (id dropped).
e2e_menu_item_xy() {
  local x y w h
  read -r x y w h <<<"$1"
  echo "$((x + w / 2)) $((y + h * (2 * $2 + 1) / (2 * $3)))"
}

# e2e_focus ID: activates the window and gives it the keyboard focus, as a
# window manager would. The focus passes through the root first so that the
# window gets a focus-in event even when X already had it focused.
# Wine handles the focus events late, and the one from the root can reach it
# after the window's, when it hands the focus back to the root; so the focus
# is given again until it has stayed with the window for a moment.
e2e_focus() {
  local root attempt
  root=$(xdotool search --maxdepth 0 --name '.*' | head -n1)
  for attempt in 1 2 3 4 5; do
    xdotool windowfocus "$root" 2>/dev/null || true
    xdotool windowfocus "$1" 2>/dev/null || e2e_fail "cannot focus window $1"
    sleep 0.5
    [[ "$(xdotool getwindowfocus 2>/dev/null)" == "$1" ]] && return 0
  done
  e2e_fail "window $1 does not keep the keyboard focus"
}

# ---------------------------------------------------------------------------
# Tray: with no tray on the X display, Wine's explorer shows the notification
# icons in its own window, "Wine System Tray", one square cell per icon from the
# left. It is mapped only while at least one icon is present.

e2e_tray_visible() { e2e_window_visible "$E2E_TRAY_CAPTION"; }

# e2e_wait_tray [TIMEOUT=20]: prints the tray window's id once it is shown.
e2e_wait_tray() { e2e_wait_window "$E2E_TRAY_CAPTION" "${1:-20}"; }

e2e_wait_tray_gone() { e2e_wait_window_gone "$E2E_TRAY_CAPTION" "${1:-10}"; }

# e2e_tray_icon_xy [INDEX=0]: screen centre of icon INDEX in the tray window.
e2e_tray_icon_xy() {
  local index="${1:-0}" id x y w h
  id=$(e2e_wait_tray 5)
  read -r x y w h <<<"$(e2e_window_geometry "$id")"
  echo "$((x + h * index + h / 2)) $((y + h / 2))"
}

# e2e_tray_click [BUTTON=1] [INDEX=0]
e2e_tray_click() {
  local x y
  _e2e_no_tray_tip
  read -r x y <<<"$(e2e_tray_icon_xy "${2:-0}")"
  e2e_click "$x" "$y" "${1:-1}"
}

# The tray icon's tip (two lines) is a captionless popup like a menu: the
# pointer leaves the icon until no tip is up, so that a menu opened next is
# the only popup.
_e2e_no_tray_tip() {
  local deadline
  deadline=$(_e2e_deadline 3)
  xdotool mousemove 600 700 2>/dev/null || true
  while e2e_list_windows | awk 'NF == 6 && $6 == "yes" { found = 1 } END { exit !found }'; do
    _e2e_before "$deadline" || return 0
    sleep 0.1
  done
}

e2e_tray_double_click() {
  local x y
  read -r x y <<<"$(e2e_tray_icon_xy "${1:-0}")"
  e2e_double_click "$x" "$y"
}

# ---------------------------------------------------------------------------
# Screen

_e2e_path() { [[ "$1" == /* ]] && echo "$1" || echo "$E2E_DIR/$1"; }

# e2e_screenshot FILE [ID|root]: PNG of the screen, or of the screen area that
# window ID covers (what a person sees there, windows on top included). A
# relative FILE lands in the test's folder. Prints the file's path.
e2e_screenshot() {
  local file target="${2:-root}" x y w h
  file=$(_e2e_path "${1:?e2e_screenshot needs a file}")
  if [[ "$target" == root ]]; then
    import -display "$DISPLAY" -window root "$file" || e2e_fail "screenshot failed"
  else
    read -r x y w h <<<"$(e2e_window_geometry "$target")"
    import -display "$DISPLAY" -window root -crop "${w}x${h}+${x}+${y}" +repage "$file" ||
      e2e_fail "screenshot of window $target failed"
  fi
  echo "$file"
}

# e2e_pixel FILE X Y: "R G B" (0..255) of one pixel of a PNG.
e2e_pixel() {
  local file out
  file=$(_e2e_path "$1")
  out=$(convert "$file" -crop "1x1+$2+$3" +repage -alpha off -colorspace sRGB -depth 8 txt:- 2>/dev/null | sed -n '2p')
  [[ "$out" =~ \(([0-9]+),([0-9]+),([0-9]+) ]] || e2e_fail "no pixel $2,$3 in $file"
  echo "${BASH_REMATCH[1]} ${BASH_REMATCH[2]} ${BASH_REMATCH[3]}"
}

# e2e_color_near "R G B" "R G B" [TOLERANCE=0]: true when every channel is within TOLERANCE.
e2e_color_near() {
  local r1 g1 b1 r2 g2 b2 tol="${3:-0}"
  read -r r1 g1 b1 <<<"$1"
  read -r r2 g2 b2 <<<"$2"
  local d
  for d in $((r1 - r2)) $((g1 - g2)) $((b1 - b2)); do
    ((d <= tol && -d <= tol)) || return 1
  done
}

# ---------------------------------------------------------------------------
# Input

# e2e_click X Y [BUTTON=1]: 1 left, 2 middle, 3 right.
e2e_click() {
  xdotool mousemove "$1" "$2" || e2e_fail "cannot move the pointer to $1,$2"
  sleep 0.05
  xdotool click "${3:-1}" || e2e_fail "click at $1,$2 failed"
  sleep 0.1
}

e2e_double_click() {
  xdotool mousemove "$1" "$2" || e2e_fail "cannot move the pointer to $1,$2"
  sleep 0.05
  xdotool click --repeat 2 --delay 80 1 || e2e_fail "double click at $1,$2 failed"
  sleep 0.1
}

# e2e_drag X1 Y1 X2 Y2 [STEPS=10]: left-button drag in small moves.
e2e_drag() {
  local x1="$1" y1="$2" x2="$3" y2="$4" steps="${5:-10}" i
  xdotool mousemove "$x1" "$y1" || e2e_fail "drag: cannot move the pointer"
  sleep 0.05
  xdotool mousedown 1
  sleep 0.05
  for ((i = 1; i <= steps; i++)); do
    xdotool mousemove "$((x1 + (x2 - x1) * i / steps))" "$((y1 + (y2 - y1) * i / steps))"
    sleep 0.03
  done
  sleep 0.05
  xdotool mouseup 1
  sleep 0.1
}

# e2e_type TEXT: types into the window that has the focus (the one under the
# pointer unless e2e_focus chose another).
e2e_type() {
  xdotool type --delay 30 -- "$1" || e2e_fail "typing failed"
  sleep 0.1
}

# e2e_key KEY...: X key names, e.g. Escape, Return, alt+F4.
e2e_key() {
  xdotool key --delay 30 "$@" || e2e_fail "key $* failed"
  sleep 0.1
}

# ---------------------------------------------------------------------------
# Registry (through `wine reg`, so it sees what the running program wrote)

# e2e_reg_query KEY VALUE: prints "TYPE DATA" as `wine reg query` shows it
# (REG_DWORD 0x6, REG_SZ Tahoma, REG_BINARY 0000000080A6E640). An empty VALUE
# means the key's default value. Returns 1 when the value does not exist.
e2e_reg_query() {
  local key="$1" value="$2" out line type data
  if [[ -z "$value" ]]; then
    out=$(timeout 60 wine reg query "$key" /ve 2>/dev/null) || return 1
    value="(Default)"
  else
    out=$(timeout 60 wine reg query "$key" /v "$value" 2>/dev/null) || return 1
  fi
  # Lines are "    NAME    TYPE    DATA" with CR LF ends; names match without case.
  while IFS= read -r line; do
    line=${line%$'\r'}
    [[ "${line,,}" == "    ${value,,}    "* ]] || continue
    line=${line:$((8 + ${#value}))}
    type=${line%%    *}
    data=""
    [[ "$line" != *"    "* ]] || data=${line#*    }
    printf '%s %s\n' "$type" "$data"
    return 0
  done <<<"$out"
  return 1
}

# e2e_reg_data KEY VALUE: only the DATA part.
e2e_reg_data() {
  local result
  result=$(e2e_reg_query "$1" "$2") || return 1
  echo "${result#* }"
}

# e2e_reg_dword KEY VALUE: a REG_DWORD as a signed decimal number.
e2e_reg_dword() {
  local result
  result=$(e2e_reg_query "$1" "$2") || return 1
  [[ "$result" == "REG_DWORD 0x"* ]] || e2e_fail "$1\\$2 is not a REG_DWORD: $result"
  local n=$((16#${result#REG_DWORD 0x}))
  ((n < 2147483648)) || n=$((n - 4294967296))
  echo "$n"
}

# e2e_reg_key_exists KEY
e2e_reg_key_exists() { timeout 60 wine reg query "$1" >/dev/null 2>&1; }

# e2e_reg_add KEY VALUE TYPE DATA: TYPE is REG_DWORD (decimal, negative or
# 0x hex), REG_SZ or REG_BINARY (hex digits, e.g. 0000000080A6E640).
e2e_reg_add() {
  local key="$1" value="$2" type="$3" data="$4"
  if [[ "$type" == REG_DWORD && "$data" =~ ^-?[0-9]+$ ]]; then
    data=$(printf '0x%x' $((data & 0xffffffff)))
  fi
  [[ "$type" != REG_BINARY ]] || data=${data//[ ,]/}
  timeout 60 wine reg add "$key" /v "$value" /t "$type" /d "$data" /f >/dev/null 2>&1 ||
    e2e_fail "could not write $key\\$value ($type $data)"
}

# e2e_reg_delete KEY [VALUE]: deletes one value, or the whole key; absent is fine.
e2e_reg_delete() {
  if [[ $# -ge 2 ]]; then
    timeout 60 wine reg delete "$1" /v "$2" /f >/dev/null 2>&1 || true
  else
    timeout 60 wine reg delete "$1" /f >/dev/null 2>&1 || true
  fi
}

# e2e_text TAG TEXT_ID [ARG...]: what the program says in language TAG
# ("de-DE"), read from that language's table, "{1}".. filled with ARGs.
e2e_text() {
  local tables file text i=1
  tables="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../language/tables" && pwd)"
  file=$(grep -l "{\"$1\", " "$tables"/*.cpp | head -1)
  [[ -n "$file" ]] || e2e_fail "no language table tagged $1"
  text=$(sed -n "s/^ *{TextId::$2, \"\(.*\)\"},\$/\1/p" "$file" | sed 's/\\"/"/g')
  [[ -n "$text" ]] || e2e_fail "no text $2 in $file"
  for arg in "${@:3}"; do
    text=${text//"{$i}"/$arg}
    i=$((i + 1))
  done
  printf '%s\n' "$text"
}
