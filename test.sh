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

step "Unit tests"
run_ctest "$build/native" -LE e2e

# The sanitizer and fuzz builds and their runs need the processor, the
# end-to-end tests mostly wait on Wine and the display: the first go on
# beside the second at the lowest priority, so the tests keep their pace.
# Each side counts its own results; the background's come back in a file.
background_log="$build/beside-e2e.log"
background_counts="$build/beside-e2e.counts"
background_phases="$build/beside-e2e.phases"
(
    renice -n 19 -p "$BASHPID" >/dev/null 2>&1 || true
    passed=0
    failed=0
    phase() { echo "$1 $2" >>"$background_phases"; }
    : >"$background_phases"
    started=$SECONDS
    if ! { cmake -S . -B "$build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DZENTROVA_SANITIZE=ON >/dev/null &&
           cmake --build "$build/sanitize" -j"$jobs" --target zentrova_unit_tests; }; then
        echo "BUILD FAILED: sanitize"; failed=$((failed + 1))
    fi
    phase $((SECONDS - started)) "Native build with AddressSanitizer and UndefinedBehaviorSanitizer"
    started=$SECONDS
    if ! { CXX=clang++ cmake -S . -B "$build/fuzz" -DZENTROVA_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null &&
           cmake --build "$build/fuzz" -j"$jobs"; }; then
        echo "BUILD FAILED: fuzz"; failed=$((failed + 1))
    fi
    phase $((SECONDS - started)) "Fuzz targets (libFuzzer, clang)"
    started=$SECONDS
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_ctest "$build/sanitize"
    phase $((SECONDS - started)) "Unit tests under sanitizers"
    started=$SECONDS
    run_ctest "$build/fuzz"
    phase $((SECONDS - started)) "Fuzzing the settings load"
    echo "$passed $failed" >"$background_counts"
) >"$background_log" 2>&1 &
background=$!

step "End-to-end tests (the sanitizer and fuzz work beside them)"
run_ctest "$build/native" -L e2e
end_phase
waited=$SECONDS
wait "$background"
echo
echo "== Sanitizer and fuzz builds and runs, beside the end-to-end tests"
cat "$background_log"
if read -r more_passed more_failed <"$background_counts" 2>/dev/null; then
    passed=$((passed + more_passed))
    failed=$((failed + more_failed))
else
    failed=$((failed + 1))
fi
while read -r seconds name; do
    phase_names+=("$name (beside)")
    phase_seconds+=("$seconds")
done <"$background_phases"
phase_names+=("Waiting for the work beside the end-to-end tests")
phase_seconds+=($((SECONDS - waited)))
phase_started=$SECONDS

print_phases
echo
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
