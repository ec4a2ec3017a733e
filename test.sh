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

passed=0
failed=0
# Adds the counts of a ctest run's LOG; a run without its summary line
# counts as one failure.
count_ctest_log() {
    local line total bad
    line=$(grep -E "tests passed, [0-9]+ tests? failed out of [0-9]+" "$1" | tail -1)
    if [ -z "$line" ]; then
        failed=$((failed + 1))
        return
    fi
    total=$(echo "$line" | sed -E 's/.*out of ([0-9]+).*/\1/')
    bad=$(echo "$line" | sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/')
    passed=$((passed + total - bad))
    failed=$((failed + bad))
}
run_ctest() {
    local dir=$1 log
    shift
    log=$(mktemp)
    ctest --test-dir "$dir" --output-on-failure --timeout 900 -j"$jobs" "$@" 2>&1 | tee "$log"
    count_ctest_log "$log"
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

# The sanitizer and fuzz builds and their runs need no display and never
# wait on the clock, while the end-to-end tests mostly wait on Wine: they
# run beside the tests, at the lowest priority, on what the tests leave of
# the cores. Their output is shown once the tests are done.
side=$(mktemp -d)
side_phase() { echo "$1 $((SECONDS - side_started))" >>"$side/phases"; side_started=$SECONDS; }
(
    exec >"$side/output" 2>&1
    renice -n 19 -p "$BASHPID" >/dev/null
    side_started=$SECONDS
    cmake -S . -B "$build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DZENTROVA_SANITIZE=ON >/dev/null &&
        # Only the unit tests run under the sanitizers.
        cmake --build "$build/sanitize" -j"$jobs" --target zentrova_unit_tests ||
        { echo "sanitize" >"$side/failed"; exit; }
    side_phase "Native build with AddressSanitizer and UndefinedBehaviorSanitizer"
    CXX=clang++ cmake -S . -B "$build/fuzz" -DZENTROVA_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null &&
        cmake --build "$build/fuzz" -j"$jobs" || { echo "fuzz" >"$side/failed"; exit; }
    side_phase "Fuzz targets (libFuzzer, clang)"
    # One process each, side by side.
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        start_gtest "$build/sanitize/tests/zentrova_unit_tests" "$side/sanitized"
    ctest --test-dir "$build/fuzz" --output-on-failure --timeout 900 >"$side/fuzz" 2>&1
    wait
    side_phase "Unit tests under sanitizers, and fuzzing the settings load"
) &
side_pid=$!

step "Unit tests"
run_ctest "$build/native" -LE e2e
# Two at a time: each has its own X display and its own copy of the prefix.
step "End-to-end tests"
run_ctest "$build/native" -L e2e
step "Waiting for the sanitizer and fuzz runs beside the tests"
wait "$side_pid"
cat "$side/output"
[ -f "$side/failed" ] && fail_build "$(cat "$side/failed")"
end_phase
while read -r seconds name; do
    phase_names+=("(beside the tests) $name")
    phase_seconds+=("$seconds")
done < <(sed -E 's/^(.*) ([0-9]+)$/\2 \1/' "$side/phases")
cat "$side/fuzz"
count_ctest_log "$side/fuzz"
count_gtest "$side/sanitized"
rm -rf "$side"

print_phases
echo
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
