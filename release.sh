#!/usr/bin/env bash
# Builds a release: the Windows program with its installer and its portable
# zip, written to dist/ with a SHA256SUMS file. The version is the project
# version in CMakeLists.txt. The build is the Windows build of run.sh and
# test.sh; the work is the CMake target `release`.
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD
build=${ZENTROVA_BUILD_DIR:-$root/build}

bash tools/install-deps.sh
cmake -S . -B "$build/windows" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DZENTROVA_DIST_DIR="$root/dist" >/dev/null
cmake --build "$build/windows" -j"${ZENTROVA_JOBS:-2}" --target release
(cd "$root/dist" && sha256sum -c SHA256SUMS)
