#!/usr/bin/env bash
# From a fresh clone: installs what is missing, builds, and runs the whole suite headless:
#   1. the normal build (build/) and its suite;
#   2. the same suite built with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer
#      (build-asan/);
#   3. each libFuzzer target for a bounded time (build-fuzz/, clang).
# The sanitizer and fuzzing builds compile while the first suite runs; the fuzzers run side by side.
# KESTRUNE_QUICK=1 runs only the first, for day-to-day work. KESTRUNE_TEST_JOBS sets how many
# tests run at once (default: twice the cores).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KESTRUNE_BUILD_DIR:-$root/build}
bash "$root/scripts/install-deps.sh"
export QT_QPA_PLATFORM=offscreen
# Every tool a test needs is installed above, so a test that would skip for want of one fails.
export KESTRUNE_REQUIRE_TOOLS=1
jobs=$(nproc)
# Most of the slow tests wait on child processes (fake tools, ffmpeg) or on timers, not on a
# core, so twice as many tests as cores keeps the cores busy.
test_jobs=${KESTRUNE_TEST_JOBS:-$((jobs * 2))}

# Both builds compile a batch of sources at a time (unity), link with lld and keep line tables
# only (-g1: stacks and reports still name functions, files and lines): together about a third
# of the CPU time of plain builds.
lld=-fuse-ld=lld
fast=(-DCMAKE_UNITY_BUILD=ON "-DCMAKE_EXE_LINKER_FLAGS=$lld" "-DCMAKE_SHARED_LINKER_FLAGS=$lld" "-DCMAKE_MODULE_LINKER_FLAGS=$lld")

# A build started in the background while tests run: most tests wait on child processes, so it
# takes the idle cores; at the lowest priority, so it never slows a test that does compute.
background=()
start_build() { # <log> <command...>
  local log=$1
  shift
  setsid nice -n 19 "$@" >"$log" 2>&1 & # its own process group, so a failed run can end it whole
  background+=("$!")
}
finish_build() { # <log> <index>: waits for that background build, shows its output if it failed
  wait "${background[$2]}" || { cat "$1"; echo "background build failed"; exit 1; }
}
logs=$(mktemp -d)
trap 'for pid in "${background[@]}"; do kill -- "-$pid" 2>/dev/null || true; done; rm -rf "$logs"' EXIT

echo "== normal build"
bash "$root/scripts/build.sh" "${fast[@]}" "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG"

asan_build=$root/build-asan
if [ "${KESTRUNE_QUICK:-0}" != 1 ]; then
  # Debug keeps the assertions; -O1 runs the suite much faster than -O0 under the sanitizers and
  # keeps whole stacks for the reports and suppressions. The benchmarks and the screenshot tool
  # run no tests, so they are not built here.
  start_build "$logs/asan" env KESTRUNE_BUILD_DIR="$asan_build" KESTRUNE_BUILD_TYPE=Debug bash "$root/scripts/build.sh" \
    -DKESTRUNE_SANITIZE=ON -DKESTRUNE_BUILD_BENCH=OFF -DKESTRUNE_BUILD_TOOLS=OFF "${fast[@]}" "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g1"
  # Small (the fuzzed parts alone), so it is ready long before the sanitizer build.
  start_build "$logs/fuzz" env KESTRUNE_FUZZ_BUILD_ONLY=1 bash "$root/scripts/fuzz.sh"
fi
(cd "$build" && ctest --output-on-failure --parallel "$test_jobs" --timeout 600)
# The QML module must lint clean: any warning fails the run.
lint=$(cmake --build "$build" --target kestrune_lib_qmllint 2>&1) || { echo "$lint"; exit 1; }
if grep -qi "warning" <<<"$lint"; then echo "$lint"; exit 1; fi

[ "${KESTRUNE_QUICK:-0}" = 1 ] && exit 0

echo "== sanitizer build"
finish_build "$logs/asan" 0
# Full unwinding: Qt is built without frame pointers, and suppressions need whole stacks.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=0:fast_unwind_on_malloc=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
(cd "$asan_build" && ctest --output-on-failure --parallel "$test_jobs" --timeout 900)

echo "== fuzzing"
finish_build "$logs/fuzz" 1
KESTRUNE_FUZZ_SECONDS=${KESTRUNE_FUZZ_SECONDS:-30} bash "$root/scripts/fuzz.sh"
