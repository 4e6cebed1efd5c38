#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan on) in build-fuzz/ and runs each for a bounded
# time over its seed corpus. New inputs go to a scratch folder, never into the repository.
#   KESTRUNE_FUZZ_SECONDS     core-seconds per target (default 30); the targets run side by side
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
# The targets run side by side, one worker per core between them, each for as long as it takes
# to get the core-seconds it would have had alone: the same fuzzing in less wall time.
read -ra list <<<"$(echo $targets)"
count=${#list[@]}
cores=$(nproc)
share=$(( count > cores ? (seconds * count + cores - 1) / cores : seconds ))
pids=()
for target in "${list[@]}"; do
  mkdir -p "$scratch/$target"
  echo "fuzzing $target for ${share}s (${seconds} core-seconds)"
  "$build/fuzz/$target" -max_total_time="$share" -timeout=10 -rss_limit_mb=4096 \
    -print_final_stats=1 "$scratch/$target" "$root/fuzz/corpus/$target" > "$scratch/$target.log" 2>&1 &
  pids+=("$!")
done
status=0
for i in "${!list[@]}"; do
  target=${list[$i]}
  if ! wait "${pids[$i]}"; then
    tail -n 60 "$scratch/$target.log"
    status=1
  else
    echo "$target: $(grep -E 'stat::number_of_executed_units' "$scratch/$target.log" | tail -n 1)"
  fi
done
exit $status
