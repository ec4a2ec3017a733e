#!/usr/bin/env bash
# The layered skin face and window motion, on the clock: a stored skin,
# transparency and oval shape show on screen pixel for pixel as the core's
# face planes say (the cut-out rim shows the window beneath, the rest the
# premultiplied face); the transparent rim lets clicks through to the window
# beneath while the face takes them; a drag on the face moves the clock and
# writes its new position to the registry.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/display_lib.sh"
e2e_setup face

clock_key='HKCU\Software\Zentrova\Clock'
skin=7
transparency=10
left=340
skin_bmp=$ZD_SKINS/$(printf skin%02d.bmp $skin)
top=420

zd_seed_by_first_start
# A time-only oval face of skin 7 at 10 % transparency, over the beneath window.
zd_reg_import <<EOF
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Zentrova\\Clock]
"ClockSkin"=dword:$(printf %08x $skin)
"ClockTransparent"=dword:$(printf %08x $transparency)
"ClockRectOval"=dword:00000001
"DateShow"=dword:00000000
"ClockLeft"=dword:$(printf %08x $left)
"ClockTop"=dword:$(printf %08x $top)
EOF

# xev's own small subwindow sits at its top left, clear of the clock.
zd_start_beneath 250 360 320 160
zd_set_desktop
sleep 0.3
e2e_screenshot before.png >/dev/null

e2e_start_zentrova
clock=$(e2e_wait_window "Tessarvelune" 60)
read -r x y w h <<<"$(e2e_window_geometry "$clock")"
((x == left && y == top)) || e2e_fail "the clock is at $x,$y, not at its stored $left,$top"
((w > 2 * h && h > 10)) || e2e_fail "a time-only face of ${w}x$h"
e2e_expect_eq "$(e2e_reg_dword "$clock_key" ClockSkin)" "$skin" "ClockSkin kept by the later start"

# The face without its text, as the core computes it for this W x H.
zd_crop before.png "$x" "$y" "$w" "$h" beneath.ppm >/dev/null
zd_face_expect face "$skin_bmp" "$w" "$h" oval "$transparency" \
  "$E2E_DIR/beneath.ppm" "$E2E_DIR/expected.ppm"
# Away from the text: the top and bottom sixth of the rows and the outer
# tenth of the columns, which hold the whole soft rim and the cut-out corners.
band_y=$((h / 6))
band_x=$((w / 10))
bands=("$(zd_rect 0 0 "$w" "$band_y")" "$(zd_rect 0 $((h - band_y)) "$w" "$h")"
  "$(zd_rect 0 0 "$band_x" "$h")" "$(zd_rect $((w - band_x)) 0 "$w" "$h")")
deadline=$(_e2e_deadline 15)
until result=$(zd_face_expect compare "$E2E_DIR/expected.ppm" "$(zd_window_ppm "$clock" face.ppm)" 2 "${bands[@]}"); do
  _e2e_before "$deadline" || e2e_fail "the face's outer bands differ from the core's planes: $result"
  sleep 0.3
done
echo "face bands: $result"

# The checks above hold both kinds of pixel; make sure both are there: cut-out
# corners that show the beneath window, and a faint rim that shows dark.
zd_expect_alpha() {
  local got
  got=$(zd_face_expect alpha "$skin_bmp" "$w" "$h" oval "$transparency" "$1" "$2")
  ((got >= $3 && got <= $4)) || e2e_fail "face alpha at $1,$2 is $got, expected $3..$4"
}
zd_expect_alpha 1 1 0 0
zd_expect_alpha $((w / 2)) $((h / 2)) 204 204
corner=$(e2e_pixel face.png 1 1)
e2e_color_near "$corner" "$(e2e_pixel before.png $((x + 1)) $((y + 1)))" 0 ||
  e2e_fail "the cut-out corner shows $corner, not what lies beneath"
rim_x=$(awk -v w="$w" 'BEGIN { print int(w * 0.04) }')
zd_expect_alpha "$rim_x" $((h / 2)) 1 120
rim=$(e2e_pixel face.png "$rim_x" $((h / 2)))
read -r r g b <<<"$rim"
((r < 120 && g < 120 && b < 120)) || e2e_fail "the faint rim at $rim_x shows $rim, not the face blended over black"

# The transparent corner: the pointer is over the beneath window, and a press
# and drag started there reach it and leave the clock where it is.
e2e_expect_eq "$(zd_window_under $((x + 1)) $((y + 1)))" "$ZD_BENEATH_ID" "window under the transparent corner"
e2e_expect_eq "$(zd_window_under $((x + w / 2)) $((y + h / 2)))" "$clock" "window under the face"
e2e_drag $((x + 1)) $((y + 1)) $((x + 41)) $((y + 31))
zd_wait_press_at $((x + 1)) $((y + 1)) || e2e_fail "the press on the transparent corner did not reach the window beneath"
sleep 0.5
zd_expect_geometry "$clock" "$x $y $w $h" "the clock after a drag from its transparent corner" 0
e2e_expect_eq "$(e2e_reg_dword "$clock_key" ClockLeft)" "$left" "ClockLeft after a drag from the corner"

# A drag on the face moves the clock by the drag and saves the position.
cx=$((x + w / 2))
cy=$((y + h / 2))
e2e_drag "$cx" "$cy" $((cx + 60)) $((cy + 40))
drag_end=$(_e2e_now)
zd_expect_geometry "$clock" "$((x + 60)) $((y + 40)) $w $h" "the clock after a drag on its face"
(($(zd_presses_at "$cx" "$cy") == 0)) || e2e_fail "the press on the face reached the window beneath"
while :; do
  asked=$(_e2e_now)
  saved="$(e2e_reg_dword "$clock_key" ClockLeft) $(e2e_reg_dword "$clock_key" ClockTop)"
  [[ "$saved" != "$((x + 60)) $((y + 40))" ]] || break
  ((asked - drag_end <= 1000000)) || e2e_fail "the registry still holds $saved a second after the drag"
done
echo "position saved within $(awk -v a="$drag_end" -v b="$asked" 'BEGIN { printf "%.2f", (b - a) / 1e6 }') s"

zd_stop_beneath
e2e_pass
