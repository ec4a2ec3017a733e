#!/usr/bin/env bash
# The program in the user's Windows language: under a German and then a
# Japanese user locale, the settings window's caption, tabs and buttons, a
# clock's menu and the question its "Remove this clock" asks are in that
# language. Save under each leaves every stored value as it was.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
source "$(dirname "$0")/clocks_lib.sh"
e2e_setup languages
tree="${ZENTROVA_WIN_BUILD_DIR:-}/accessible_tree.exe"
dialogs="${ZENTROVA_WIN_BUILD_DIR:-}/dialog_text.exe"
[[ -f "$tree" && -f "$dialogs" ]] || e2e_fail "no accessible_tree.exe or dialog_text.exe in '${ZENTROVA_WIN_BUILD_DIR:-}'"

# Wine takes the user's language from LC_MESSAGES; the locales are compiled
# into the test folder.
mkdir -p "$E2E_DIR/locales"
for locale in de_DE ja_JP; do
  localedef -i "$locale" -f UTF-8 "$E2E_DIR/locales/$locale.UTF-8" 2>/dev/null || e2e_fail "could not compile $locale"
done
unset LC_ALL
export LOCPATH="$E2E_DIR/locales" LC_CTYPE=C.UTF-8
probe() { (cd "$E2E_DIR" && timeout 60 wine "$tree" "$@" 2>/dev/null) | tr -d '\r'; }
store() { zc_values "$ZC_KEY" "store-$1.reg"; }

# speaks TAG: the settings window, a clock's menu and its question in TAG.
speaks() {
  local tag="$1" pid clock menu x y question settings
  e2e_start_zentrova
  pid=$E2E_PID
  clock=$(e2e_wait_window "$(e2e_text "$tag" CaptionClock) Lisbon" 60)
  e2e_wait_tray 30 >/dev/null
  zd_wait_drawn "$clock"
  read -r x y _ _ <<<"$(e2e_window_geometry "$clock")"
  # The pointer rests on the clock before the click, as a person's would.
  xdotool mousemove $((x + 10)) $((y + 10)) 2>/dev/null || true
  sleep 0.4
  e2e_click $((x + 10)) $((y + 10)) 3
  menu=$(e2e_wait_menu 10)
  e2e_expect_eq "$(probe menu)" "$(printf '%s\n' "$(e2e_text "$tag" MenuSettings)" \
    "$(e2e_text "$tag" MenuRemoveClock)" "$(e2e_text "$tag" MenuClose)")" "the clock's menu in $tag"
  read -r x y <<<"$(e2e_menu_item_xy "${menu#* }" 1 3)"
  xdotool mousemove "$x" "$y" 2>/dev/null || true
  sleep 0.4
  e2e_click "$x" "$y"
  question=$(e2e_wait_window Zentrova 20)
  sleep 0.5
  local shown
  shown=$( (cd "$E2E_DIR" && timeout 60 wine "$dialogs" Zentrova 2>/dev/null) | tr -d '\r' | head -1)
  e2e_expect_eq "$shown" "Zentrova|$(e2e_text "$tag" RemoveClockQuestion "$(e2e_text "$tag" ClockChoice 2 Lisbon)")" \
    "the question of \"Remove this clock\" in $tag"
  e2e_focus "$question"
  e2e_key n  # No: the clock stays
  e2e_wait_window_gone Zentrova 10 || e2e_fail "the question stayed open after No"
  e2e_tray_click
  e2e_wait_window "$(e2e_text "$tag" CaptionSettings)" 20 >/dev/null
  sleep 0.5
  e2e_expect_eq "$(probe texts)" "$(printf '%s\n' "$(e2e_text "$tag" CaptionSettings)" \
    "$(e2e_text "$tag" PageClock)" "$(e2e_text "$tag" PageCountdown)" "$(e2e_text "$tag" PageCalendar)" \
    "$(e2e_text "$tag" PageGeneral)" "$(e2e_text "$tag" ButtonSave)" "$(e2e_text "$tag" ButtonCancel)")" \
    "the settings window's caption, tabs and buttons in $tag"
  settings=$(e2e_wait_window "$(e2e_text "$tag" CaptionSettings)" 5)
  e2e_screenshot "settings-$tag.png" "$settings" >/dev/null
  probe save || e2e_fail "no Save button"
  e2e_focus "$settings"
  e2e_key Escape  # as Cancel: the window hides and the tray icon comes back
  e2e_wait_tray 20 >/dev/null

  zd_close_by_tray "$pid"
}

# A first start writes the defaults; a second clock is added to them.
export LC_MESSAGES=de_DE.UTF-8
zd_seed_by_first_start
zc_seed_clock 2 "" Lisbon 560 520
before=$(store before)

speaks de-DE
e2e_expect_eq "$(store german)" "$before" "the store after Save in German"
export LC_MESSAGES=ja_JP.UTF-8
speaks ja-JP
e2e_expect_eq "$(store japanese)" "$before" "the store after Save in Japanese"
e2e_pass
