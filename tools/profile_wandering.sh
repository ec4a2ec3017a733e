#!/usr/bin/env bash
# Profiles where the wandering program's CPU time goes under Wine: runs the
# real exe in Xvfb with all three windows wandering, samples it with
# `perf record` for SECONDS, then does the same for the moving_windows probe
# (three windows of the program's kind moved every 30 ms, nothing drawn), and
# prints each one's sample count and its top shared objects and symbols.
#
#   tools/profile_wandering.sh [SECONDS=15]
#
# Needs perf (Debian: linux-perf) and the Windows build (build/windows by
# default, or ZENTROVA_EXE / ZENTROVA_WIN_BUILD_DIR as for the tests).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-15}
[[ "$seconds" =~ ^[0-9]+$ ]] && ((seconds > 0)) || { echo "usage: $0 [SECONDS]" >&2; exit 2; }
command -v perf >/dev/null || { echo "perf is not installed (apt-get install linux-perf)" >&2; exit 2; }
export ZENTROVA_EXE=${ZENTROVA_EXE:-$root/build/windows/zentrova.exe}
export ZENTROVA_WIN_BUILD_DIR=${ZENTROVA_WIN_BUILD_DIR:-$(dirname "$ZENTROVA_EXE")}

# shellcheck source=../tests/e2e/lib.sh
source "$root/tests/e2e/lib.sh"
# shellcheck source=../tests/e2e/display_lib.sh
source "$root/tests/e2e/display_lib.sh"
e2e_setup profile_wandering

profile() {
  local label="$1" pid="$2" data="$E2E_DIR/$1.perf"
  perf record -q -F 2000 -g -o "$data" -p "$pid" -- sleep "$seconds" >/dev/null 2>&1 ||
    e2e_fail "perf record failed (perf_event_paranoid: $(cat /proc/sys/kernel/perf_event_paranoid))"
  echo "== $label: $(perf script -i "$data" -F tid 2>/dev/null | wc -l) samples at 2000 Hz over $seconds s"
  perf report -i "$data" --stdio --no-children -g none --sort dso 2>/dev/null | grep -v '^#' | grep -v '^$' | head -8
  echo "-- symbols, with callees:"
  perf report -i "$data" --stdio --children -g none --sort sym 2>/dev/null | grep -v '^#' | grep -v '^$' |
    grep -E 'NtUser|Nt[A-Z]|Gdip|X[A-Z]' | head -10
}

zd_seed_by_first_start
zd_set_all_wandering

e2e_start_zentrova
launcher=$E2E_PID
zd_wait_display_windows 60
sleep 3
profile "wandering program" "$(e2e_linux_pid_of zentrova.exe)"
zd_close_by_tray "$launcher"

e2e_start_exe "$ZENTROVA_WIN_BUILD_DIR/moving_windows.exe" $((seconds + 8))
probe_launcher=$E2E_PID
e2e_wait_window "Moving window 3" 30 >/dev/null
sleep 3
profile "moving_windows probe" "$(e2e_linux_pid_of moving_windows.exe)"
e2e_wait_exit 30 "$probe_launcher" || e2e_fail "moving_windows did not end by itself"
e2e_pass "profiled"
