# The set-up the README's screenshot tools share: the Windows build under
# Wine in a private Xvfb through the end-to-end harness, and a crop of the
# desktop around some windows.
#
#   source "$(dirname "$0")/screenshot_lib.sh" NAME [ZENTROVA_EXE]
#
# ZENTROVA_EXE defaults to $ZENTROVA_EXE, then build/windows/zentrova.exe; a
# tool that needs another screen sets E2E_SCREEN_SIZE first.
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export ZENTROVA_EXE=${2:-${ZENTROVA_EXE:-$repo/build/windows/zentrova.exe}}
export ZENTROVA_E2E_WORK=${ZENTROVA_E2E_WORK:-$repo/build/screenshots}
out=$repo/assets/screenshots
source "$repo/tests/e2e/lib.sh"
source "$repo/tests/e2e/display_lib.sh"
e2e_setup "$1"

# shot_around FILE.png MARGIN CAPTION...: writes assets/screenshots/FILE.png,
# the desktop around those windows with a margin of desktop (less where the
# screen ends).
shot_around() {
  local png=$1 margin=$2 caption x y w h x0 y0 x1 y1
  read -r x0 y0 x1 y1 < <(
    for caption in "${@:3}"; do
      read -r x y w h <<<"$(e2e_window_geometry "$(e2e_wait_window "$caption")")"
      echo "$x $y $((x + w)) $((y + h))"
    done | awk 'NR == 1 { a = $1; b = $2; c = $3; d = $4 }
                { if ($1 < a) a = $1; if ($2 < b) b = $2; if ($3 > c) c = $3; if ($4 > d) d = $4 }
                END { print a, b, c, d }')
  x0=$((x0 > margin ? x0 - margin : 0))
  y0=$((y0 > margin ? y0 - margin : 0))
  e2e_screenshot desktop-full.png >/dev/null
  mkdir -p "$out"
  convert "$E2E_DIR/desktop-full.png" -crop "$((x1 + margin - x0))x$((y1 + margin - y0))+$x0+$y0" \
    +repage -strip "$out/$png"
  echo "wrote $out/$png"
}
