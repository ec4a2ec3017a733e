#!/usr/bin/env bash
# A first start with a Russian user locale: the clock shows the short date
# and a 24-hour time exactly as Windows' own calls write them for the region,
# and the "As in Windows" entries are stored; the Delete dialog names a
# 40-character title whole and the event's date as the region writes it.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
e2e_setup regional

# Wine takes the user locale from LC_MESSAGES and the code page from
# LC_CTYPE; the Russian locale is compiled into the test folder.
mkdir -p "$E2E_DIR/locales"
localedef -i ru_RU -f UTF-8 "$E2E_DIR/locales/ru_RU.UTF-8" 2>/dev/null || e2e_fail "could not compile the ru_RU locale"
unset LC_ALL
export LOCPATH="$E2E_DIR/locales" LC_CTYPE=C.UTF-8 LC_MESSAGES=ru_RU.UTF-8

# Each line of the probe's output decoded from hex.
decoded() { while read -r line; do xxd -r -p <<<"$line"; echo; done; }
regional() { zd_probe wide_text regional "$@" | decoded; }
clock_value() { zd_probe accessible_tree gadgets | sed -n 's/^Tessarvelune|//p'; }

# --- First start -------------------------------------------------------------
e2e_start_zentrova
pid=$E2E_PID
# The program speaks Russian too, Windows' language here.
e2e_wait_window "$(e2e_text ru-RU CaptionSettings)" 60 >/dev/null
e2e_wait_window "Tessarvelune" 30 >/dev/null
e2e_wait_tray 30 >/dev/null
clock_key='HKCU\Software\Zentrova\Clock'
e2e_expect_eq "$(e2e_reg_query "$clock_key" TimeIndex)" "REG_DWORD 0x4" "TimeIndex (As in Windows, short)"
e2e_expect_eq "$(e2e_reg_query "$clock_key" DateIndex)" "REG_DWORD 0xd" "DateIndex (As in Windows, short)"
e2e_expect_eq "$(e2e_reg_query 'HKCU\Software\Zentrova\Calendar' CalendarTimeIndex)" "REG_DWORD 0x4" \
  "CalendarTimeIndex (As in Windows, short)"

# The clock's one line is the short date, a comma and the short time; a
# minute may turn between reading Windows' texts and the clock's.
for attempt in 1 2 3; do
  mapfile -t windows < <(regional $(date '+%Y %-m %-d %-H %-M'))
  shown=$(clock_value)
  [[ "$shown" == "${windows[0]}, ${windows[2]}" ]] && break
  sleep 1
done
e2e_expect_eq "$shown" "${windows[0]}, ${windows[2]}" "the clock with a Russian user locale"
[[ "${windows[2]}" =~ ^[0-9]{1,2}:[0-9]{2}$ ]] || e2e_fail "Windows' short time is not a 24-hour time: ${windows[2]}"
[[ "${windows[0]}" =~ ^[0-9]{2}\.[0-9]{2}\.[0-9]{4}$ ]] || e2e_fail "Windows' short date is not dd.MM.yyyy: ${windows[0]}"
e2e_screenshot clock.png "$(e2e_wait_window Tessarvelune 5)" >/dev/null
zd_close_by_tray "$pid"

# --- The Delete dialog names a long title whole, with its date ---------------
title="Grandmother's birthday at the lake house"  # 40 characters
e2e_expect_eq "${#title}" 40 "the title's length"
e2e_reg_add 'HKCU\Software\Zentrova\Countdown\CountTitle' Count0 REG_SZ "$title"
# In English words, the region's formats all the same: the Delete button is
# found at its English place.
e2e_reg_add 'HKCU\Software\Zentrova\General' Language REG_SZ en-US
e2e_start_zentrova
pid=$E2E_PID
e2e_wait_window "Tessarvelune" 60 >/dev/null
e2e_wait_tray 30 >/dev/null
# A second start brings up the running copy's settings window.
e2e_start_zentrova
e2e_wait_window "Zentrova Settings" 30 >/dev/null
zd_settings_click 100 12  # the "Countdown" tab
sleep 0.5
read -r x y bw bh <<<"$(zd_probe control_rect "Zentrova Settings" Button 152 136 70 25)"
[[ -n "${bh:-}" ]] || e2e_fail "no Delete button on the Countdown page"
e2e_click $((x + bw / 2)) $((y + bh / 2))
dialog=$(e2e_wait_window Zentrova 10)
sleep 0.5
texts=()
while read -r hex; do texts+=("$(xxd -r -p <<<"$hex")"); done < <(zd_probe wide_text statics Zentrova)
((${#texts[@]} >= 2)) || e2e_fail "the Delete dialog shows no title and date: ${texts[*]}"
e2e_screenshot delete.png "$dialog" >/dev/null
# The title may be broken over two lines, but nothing of it is cut.
e2e_expect_eq "${texts[0]//$'\n'/ }" "Selected \"$title \"" "the Delete dialog's title"
mapfile -t christmas < <(regional "$(date +%Y)" 12 25 0 0)
e2e_expect_eq "${texts[1]}" "${christmas[1]} ${christmas[2]}" "the Delete dialog's date and time"
e2e_key Escape
e2e_wait_window_gone Zentrova 5
zd_close_by_tray "$pid"
e2e_pass
