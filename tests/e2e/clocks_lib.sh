# Helpers of the several-clocks tests: a clock key's values as lines, and a
# further clock seeded as a copy of the first with its own zone, label and
# place. Source after lib.sh and display_lib.sh.

ZC_KEY='HKCU\Software\Zentrova'

# zc_values KEY FILE: the key's "name"=data lines as `wine reg export` writes
# them, sorted; FILE keeps the export in the test folder.
zc_values() {
  (cd "$E2E_DIR" && timeout 60 wine reg export "$1" "$2" /y >/dev/null 2>&1) || e2e_fail "could not export $1"
  iconv -f UTF-16 -t UTF-8 "$E2E_DIR/$2" | tr -d '\r' | grep '^"' | sort
}

# zc_seed_clock N ZONE LABEL LEFT TOP: stores clock N (Clock<N>) with every
# value of the first clock but these.
zc_seed_clock() {
  local n="$1" zone="$2" label="$3" left="$4" top="$5"
  {
    echo REGEDIT4
    printf '\n[HKEY_CURRENT_USER\\Software\\Zentrova\\Clock%s]\n' "$n"
    zc_values "$ZC_KEY\\Clock" "clock-for-$n.reg" | grep -vE '^"(ClockZone|ClockZoneLabel|ClockLeft|ClockTop)"='
    printf '"ClockZone"="%s"\n"ClockZoneLabel"="%s"\n' "$zone" "$label"
    printf '"ClockLeft"=dword:%08x\n"ClockTop"=dword:%08x\n' "$left" "$top"
  } | zd_reg_import
}

# zc_expect_at CAPTION LEFT TOP: the window titled CAPTION is shown there;
# prints its width.
zc_expect_at() {
  local id x y w h
  id=$(e2e_wait_window "$1" 60)
  zd_expect_geometry "$id" "$2 $3 $(e2e_window_geometry "$id" | cut -d' ' -f3-)" "the window \"$1\"" 5
  read -r x y w h <<<"$(e2e_window_geometry "$id")"
  echo "$w"
}
