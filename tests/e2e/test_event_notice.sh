#!/usr/bin/env bash
# An event 25 seconds ahead raises the tray icon's notification balloon when it
# arrives, with the countdown hidden (the check rides its ticks all the same),
# and the moment told is kept in CountNoticed; a restart right after shows no
# second balloon for it.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
e2e_setup event_notice
balloons() { zd_probe balloon_probe; }

# wait_balloon TIMEOUT: until a balloon shows; 1 when none came.
wait_balloon() {
  local deadline=$((SECONDS + $1))
  until [[ -n "$(balloons)" ]]; do ((SECONDS < deadline)) && sleep 1 || return 1; done
}

zd_seed_by_first_start
# "Standup", 25 s from now (time enough to start), as CountDate and CountTime values.
read -r day seconds moment <<<"$(python3 - <<'PY'
import datetime
epoch = datetime.datetime(1899, 12, 30)
at = (datetime.datetime.now() + datetime.timedelta(seconds=25)).replace(microsecond=0)
seconds = at.hour * 3600 + at.minute * 60 + at.second
day = (at.date() - epoch.date()).days
print(day, seconds / 86400, day * 86400 + seconds)
PY
)"
{
  echo REGEDIT4
  zd_dwords Countdown CountShow=0
  zd_dwords 'Countdown\CountTitle' CountMax=1 CountIndex=0 CountRepeat0=0
  printf '"Count0"="Standup"\n"CountDate0"=hex:%s\n"CountTime0"=hex:%s\n' "$(zd_double_hex "$day")" \
    "$(zd_double_hex "$seconds")"
} | zd_reg_import

e2e_start_zentrova
pid=$E2E_PID
e2e_wait_tray 60 >/dev/null
xdotool mousemove 600 700 2>/dev/null || true
[[ -z "$(balloons)" ]] || e2e_fail "a balloon before the event: $(balloons)"
wait_balloon 120 || e2e_fail "no notification balloon after the event's time"
e2e_screenshot balloon.png

# The moment told, in seconds since 30 December 1899, is at least the event's.
noticed=$(python3 -c 'import struct,sys; print(round(struct.unpack("<d", bytes.fromhex(sys.argv[1]))[0] * 86400))' \
  "$(e2e_reg_data 'HKCU\Software\Zentrova\Countdown' CountNoticed)")
((noticed >= moment)) || e2e_fail "CountNoticed $noticed lies before the event $moment"

# Closing takes the icon and its balloon away; the next start tells nothing.
zd_close_by_tray "$pid"
e2e_start_zentrova
e2e_wait_tray 60 >/dev/null
xdotool mousemove 600 700 2>/dev/null || true
if wait_balloon 15; then e2e_fail "a second balloon after the restart: $(balloons)"; fi
e2e_pass
