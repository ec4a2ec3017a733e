#!/usr/bin/env bash
# Installs what is missing, builds the native and the Windows builds, runs
# every unit and end-to-end test (and the unit tests again under ASan and
# UBSan, and the settings load under libFuzzer), prints how long each phase
# took and ends with one summary line (CI reads it, so it stays the last).
set -uo pipefail
cd "$(dirname "$0")"
root=$PWD
build=${ZENTROVA_BUILD_DIR:-$root/build}
jobs=${ZENTROVA_JOBS:-2}
# Paths below the checkout hash alike in every build folder and checkout.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
# The sanitizer and fuzz builds carry debugging information, which names the
# folder they were compiled in; ccache would hash that folder too, and a
# fresh clone elsewhere would compile them again from scratch.
export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}

# Each phase's name and seconds, printed together before the summary.
phase_names=()
phase_seconds=()
phase_started=$SECONDS
step() {
    end_phase
    phase_names+=("$*")
    phase_started=$SECONDS
    echo; echo "== $*"
}
end_phase() {
    ((${#phase_names[@]} > ${#phase_seconds[@]})) && phase_seconds+=($((SECONDS - phase_started)))
    return 0
}
print_phases() {
    end_phase
    local i
    echo
    echo "== Time per phase"
    for i in "${!phase_names[@]}"; do
        printf '%5d s  %s\n' "${phase_seconds[$i]}" "${phase_names[$i]}"
    done
    printf '%5d s  all\n' "$SECONDS"
}

step "Dependencies"
bash tools/install-deps.sh || { echo "dependency installation failed"; exit 1; }

fail_build() { echo "BUILD FAILED: $*"; print_phases; echo "0 passed, 1 failed"; exit 1; }

step "Windows build (i686-w64-mingw32)"
cmake -S . -B "$build/windows" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null \
    || fail_build "configure windows"
cmake --build "$build/windows" -j"$jobs" || fail_build "windows"

# The end-to-end tests run the build this machine's Wine can execute.
source tools/wine_flavour.sh
e2e_build="$build/windows"
if [ "$(zentrova_wine_bits)" = 64 ]; then
    step "Windows build (x86_64-w64-mingw32) for the end-to-end tests: this machine cannot execute 32-bit code"
    e2e_build="$build/windows64"
    cmake -S . -B "$e2e_build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null \
        || fail_build "configure windows64"
    cmake --build "$e2e_build" -j"$jobs" || fail_build "windows64"
fi

step "Native build"
cmake -S . -B "$build/native" -DCMAKE_BUILD_TYPE=Release \
    -DZENTROVA_EXE="$e2e_build/zentrova.exe" -DZENTROVA_WIN_BUILD_DIR="$e2e_build" >/dev/null \
    || fail_build "configure native"
cmake --build "$build/native" -j"$jobs" || fail_build "native"

step "Native build with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B "$build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DZENTROVA_SANITIZE=ON >/dev/null \
    || fail_build "configure sanitize"
# Only the unit tests run under the sanitizers.
cmake --build "$build/sanitize" -j"$jobs" --target zentrova_unit_tests || fail_build "sanitize"

step "Fuzz targets (libFuzzer, clang)"
CXX=clang++ cmake -S . -B "$build/fuzz" -DZENTROVA_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null \
    || fail_build "configure fuzz"
cmake --build "$build/fuzz" -j"$jobs" || fail_build "fuzz"

passed=0
failed=0
run_ctest() {
    local dir=$1 log
    shift
    log=$(mktemp)
    ctest --test-dir "$dir" --output-on-failure --timeout 900 -j"$jobs" "$@" 2>&1 | tee "$log"
    local line
    line=$(grep -E "tests passed, [0-9]+ tests? failed out of [0-9]+" "$log" | tail -1)
    if [ -z "$line" ]; then
        failed=$((failed + 1))
    else
        local total bad
        total=$(echo "$line" | sed -E 's/.*out of ([0-9]+).*/\1/')
        bad=$(echo "$line" | sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/')
        passed=$((passed + total - bad))
        failed=$((failed + bad))
    fi
    rm -f "$log"
}

# A unit test program run once, all its tests in one process: ctest's
# process per test would pay the sanitizers' start-up four hundred times.
# The output goes to LOG; count_gtest reads it afterwards.
start_gtest() {
    local program=$1 log=$2
    ("$program" --gtest_brief=1 >"$log" 2>&1; echo "exit status $?" >>"$log") &
}
# Adds the tests of a finished start_gtest's LOG to the counts. A program
# that ends badly without a failed test (a sanitizer's report at exit)
# counts as one failure more.
count_gtest() {
    local log=$1 code ok bad
    cat "$log"
    code=$(sed -nE 's/^exit status ([0-9]+)$/\1/p' "$log" | tail -1)
    ok=$(sed -nE 's/^\[  PASSED  \] ([0-9]+) tests?\..*/\1/p' "$log" | tail -1)
    bad=$(sed -nE 's/^\[  FAILED  \] ([0-9]+) tests?, listed below:.*/\1/p' "$log" | tail -1)
    passed=$((passed + ${ok:-0}))
    failed=$((failed + ${bad:-0}))
    if [ "${code:-1}" -ne 0 ] && [ "${bad:-0}" -eq 0 ]; then
        echo "the unit tests under the sanitizers ended with status ${code:-unknown}"
        failed=$((failed + 1))
    fi
}

step "Unit tests"
run_ctest "$build/native" -LE e2e
# Two at a time: each has its own X display and its own copy of the prefix.
step "End-to-end tests"
run_ctest "$build/native" -L e2e
# One process each, side by side on the two cores; nothing here waits on
# the clock, so neither slows the other's verdict.
step "Unit tests under sanitizers, and fuzzing the settings load beside them"
sanitized_log=$(mktemp)
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    start_gtest "$build/sanitize/tests/zentrova_unit_tests" "$sanitized_log"
run_ctest "$build/fuzz"
wait
count_gtest "$sanitized_log"
rm -f "$sanitized_log"

print_phases
echo
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
