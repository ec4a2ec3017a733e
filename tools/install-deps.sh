#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12 (as root),
# and only what is missing, so a second call costs nothing.
#
# A Debian mirror can be out of step for days: the security suite's i386
# index may not match its Release file, so apt has no i386 twin of the amd64
# security updates already installed and wine32:i386 cannot be resolved.
# When the ordinary install fails, it is tried once more with the point
# release preferred, which both architectures can agree on.
set -uo pipefail

need_packages=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
want() { have_pkg "$1" || need_packages+=("$1"); }

for pkg in cmake g++ make ccache googletest libgtest-dev libbenchmark-dev \
           g++-mingw-w64-i686 binutils-mingw-w64-i686 \
           xvfb x11-utils x11-xserver-utils xdotool imagemagick libx11-dev \
           fonts-liberation fonts-wine fonts-ipafont-gothic fonts-wqy-microhei procps python3 wine \
           clang libclang-rt-14-dev valgrind nsis \
           wine64 g++-mingw-w64-x86-64 xserver-xorg-core xserver-xorg-video-dummy openbox; do
    want "$pkg"
done
# The 32-bit Wine sees the monitors of an X server through libxrandr2:i386.
for pkg in wine32:i386 libxrandr2:i386; do
    if ! dpkg --print-foreign-architectures | grep -qx i386 || ! have_pkg "$pkg"; then
        need_packages+=("$pkg")
    fi
done

[ ${#need_packages[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
log=$(mktemp)
trap 'rm -f "$log"' EXIT

# The lines of apt's output that say why it failed.
explain() {
    grep -E '^(E|W): |unmet dependencies|Depends: |unexpected size|Hash Sum mismatch|Mirror sync' "$log" \
        | sort -u | head -40 >&2
}

update_lists() {
    for attempt in 1 2; do
        $SUDO apt-get update -q >"$log" 2>&1 && return 0
        [ "$attempt" -eq 1 ] && { echo "apt-get update failed; trying once more" >&2; sleep 5; }
    done
    # Lists that did arrive may still be enough: let the install decide.
    echo "apt-get update failed twice; going on with the lists that arrived:" >&2
    explain
    return 0
}

install() {
    local rc=0
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "$@" \
        "${need_packages[@]}" >"$log" 2>&1 || rc=$?
    [ "$rc" -eq 0 ] && echo "Installed: $(grep -c '^Setting up' "$log") packages set up"
    return "$rc"
}

echo "Installing: ${need_packages[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
fi
update_lists
install && exit 0

release=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
echo "apt-get install failed; retrying once with the point release ($release) preferred over the updates" >&2
install -t "$release" && exit 0

echo "apt-get install failed; apt said:" >&2
explain
exit 1
