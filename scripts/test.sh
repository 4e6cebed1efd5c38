#!/usr/bin/env bash
# From a fresh clone: installs what is missing, builds, and runs the whole suite headless:
#   1. the normal build (build/) and its suite;
#   2. the same suite built with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer
#      (build-asan/);
#   3. each libFuzzer target for a bounded time (build-fuzz/, clang).
# KESTRUNE_QUICK=1 runs only the first, for day-to-day work. KESTRUNE_TEST_JOBS sets how many
# tests run at once (default: twice the cores).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KESTRUNE_BUILD_DIR:-$root/build}
bash "$root/scripts/install-deps.sh"
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
# Most of the slow tests wait on child processes (fake tools, ffmpeg) or on timers, not on a
# core, so twice as many tests as cores keeps the cores busy.
test_jobs=${KESTRUNE_TEST_JOBS:-$((jobs * 2))}

echo "== normal build"
bash "$root/scripts/build.sh"
(cd "$build" && ctest --output-on-failure --parallel "$test_jobs" --timeout 600)
# The QML module must lint clean: any warning fails the run.
lint=$(cmake --build "$build" --target kestrune_lib_qmllint 2>&1) || { echo "$lint"; exit 1; }
if grep -qi "warning" <<<"$lint"; then echo "$lint"; exit 1; fi

[ "${KESTRUNE_QUICK:-0}" = 1 ] && exit 0

echo "== sanitizer build"
asan_build=$root/build-asan
# Debug keeps the assertions; -O1 runs the suite much faster than -O0 under the sanitizers and
# keeps whole stacks for the reports and suppressions. The benchmarks and the screenshot tool
# run no tests, so they are not built here.
KESTRUNE_BUILD_DIR=$asan_build KESTRUNE_BUILD_TYPE=Debug bash "$root/scripts/build.sh" \
  -DKESTRUNE_SANITIZE=ON -DKESTRUNE_BUILD_BENCH=OFF -DKESTRUNE_BUILD_TOOLS=OFF "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g"
# Full unwinding: Qt is built without frame pointers, and suppressions need whole stacks.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=0:fast_unwind_on_malloc=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
(cd "$asan_build" && ctest --output-on-failure --parallel "$test_jobs" --timeout 900)

echo "== fuzzing"
KESTRUNE_FUZZ_SECONDS=${KESTRUNE_FUZZ_SECONDS:-30} bash "$root/scripts/fuzz.sh"
