#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan on) in build-fuzz/ and runs each for a bounded
# time over its seed corpus. New inputs go to a scratch folder, never into the repository.
#   KESTRUNE_FUZZ_SECONDS     seconds per target (default 30)
#   KESTRUNE_FUZZ_BUILD_ONLY  1 builds the targets and runs nothing
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KESTRUNE_FUZZ_BUILD_DIR:-$root/build-fuzz}
seconds=${KESTRUNE_FUZZ_SECONDS:-30}

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKESTRUNE_FUZZ=ON -DKESTRUNE_SANITIZE=ON -DKESTRUNE_BUILD_TESTS=OFF -DKESTRUNE_BUILD_BENCH=OFF >/dev/null
targets=$(sed -n 's/^kestrune_add_fuzzer(\([a-z]*\) .*/\1/p' "$root/fuzz/CMakeLists.txt")
# shellcheck disable=SC2086
cmake --build "$build" --parallel "$(nproc)" --target $targets
[ "${KESTRUNE_FUZZ_BUILD_ONLY:-0}" = 1 ] && exit 0

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for target in $targets; do
  mkdir -p "$scratch/$target"
  echo "fuzzing $target for ${seconds}s"
  if ! "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
      -print_final_stats=1 "$scratch/$target" "$root/fuzz/corpus/$target" > "$scratch/$target.log" 2>&1; then
    tail -n 60 "$scratch/$target.log"
    status=1
  else
    grep -E 'stat::number_of_executed_units|Done' "$scratch/$target.log" | tail -n 2
  fi
done
exit $status
