#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12 (as root),
# and only what is missing, so a second call costs nothing.
set -euo pipefail

need_packages=()
have_cmd() { command -v "$1" >/dev/null 2>&1; }
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
want() { have_pkg "$1" || need_packages+=("$1"); }

want cmake
want g++
want make
want googletest
want libgtest-dev
want libbenchmark-dev
want g++-mingw-w64-i686
want binutils-mingw-w64-i686
want xvfb
want x11-utils
want x11-xserver-utils
want xdotool
want imagemagick
want fonts-liberation
want fonts-wine
want procps
want python3
want wine
want clang
want libclang-rt-14-dev
want valgrind
if ! dpkg --print-foreign-architectures | grep -qx i386 || ! have_pkg wine32:i386; then
    need_packages+=("wine32:i386")
fi

if [ ${#need_packages[@]} -eq 0 ]; then
    exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${need_packages[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
fi
# A mirror in the middle of a sync fails the update now and then; try again,
# and in the end let the install decide with the lists that did arrive.
for attempt in 1 2 3 4; do
    $SUDO apt-get update -q && break
    echo "apt-get update failed (attempt $attempt); retrying" >&2
    sleep $((attempt * 10))
done
for attempt in 1 2 3; do
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${need_packages[@]}" && exit 0
    echo "apt-get install failed (attempt $attempt); retrying" >&2
    sleep $((attempt * 10))
    $SUDO apt-get update -q || true
done
exit 1
