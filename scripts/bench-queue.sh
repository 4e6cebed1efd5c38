#!/usr/bin/env bash
# Builds and runs the queue benchmark (Release) in its own build folder, so it works whether or
# not bench/CMakeLists.txt lists bench/queue. Prints the figures; asserts nothing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KESTRUNE_BENCH_BUILD_DIR:-$root/build-bench-queue}
wrapper=$build/wrapper
mkdir -p "$wrapper"
cat > "$wrapper/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(KestruneQueueBench LANGUAGES CXX)
set(KESTRUNE_BUILD_TESTS OFF CACHE BOOL "" FORCE)
set(KESTRUNE_BUILD_BENCH OFF CACHE BOOL "" FORCE)
add_subdirectory("$root" kestrune)
add_subdirectory("$root/bench/queue" queue)
CMAKE
cmake -S "$wrapper" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target queuebench --parallel 2
"$build/queue/queuebench"
