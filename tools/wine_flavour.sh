# shellcheck shell=bash
# Which Wine runs Zentrova on this machine. The program ships as a 32-bit exe
# and runs under the 32-bit Wine. Some virtual machines' kernels cannot
# execute 32-bit code at all ("Exec format error" from the 32-bit loader);
# there the same sources are built as a 64-bit exe and run under the 64-bit
# Wine, so the end-to-end tests still drive the real program.

# True when this machine runs the 32-bit Wine loader.
zentrova_runs_32bit_wine() {
  [[ -x /usr/lib/wine/wine ]] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

# The bits of the exe that this machine's Wine runs: 32 or 64.
zentrova_wine_bits() {
  if zentrova_runs_32bit_wine || [[ ! -x /usr/lib/wine/wine64 ]]; then echo 32; else echo 64; fi
}

# zentrova_use_wine SHIM_DIR: exports WINEARCH for this machine's Wine. For
# the 64-bit Wine it also puts `wine` and `wine-stable` commands that start
# the 64-bit loader first on PATH (Debian's own pick the 32-bit loader
# whenever it is installed, runnable or not); `wineboot` and friends call
# `wine-stable`, so they follow.
zentrova_use_wine() {
  local shims="$1"
  if [[ "$(zentrova_wine_bits)" == 32 ]]; then
    export WINEARCH=win32
    return
  fi
  mkdir -p "$shims"
  local name
  for name in wine wine-stable; do
    printf '#!/bin/sh\nexport WINELOADER=/usr/lib/wine/wine64\nexec /usr/lib/wine/wine64 "$@"\n' >"$shims/$name"
    chmod +x "$shims/$name"
  done
  [[ ":$PATH:" == *":$shims:"* ]] || export PATH="$shims:$PATH"
  export WINEARCH=win64
}
