#!/usr/bin/env bash
# Builds and runs the queue benchmark (Release) in its own build folder, so it works whether or
# not bench/CMakeLists.txt lists bench/queue. Prints the figures (10,000 files added to 10,000:
# GUI-thread time and the longest frame meanwhile; progress reports; a 10,000-file folder walk
# with the longest GUI-thread stall meanwhile); asserts nothing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KESTRUNE_BENCH_BUILD_DIR:-$root/build-bench-queue}
wrapper=$build/wrapper
mkdir -p "$wrapper"
cat > "$wrapper/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(KestruneQueueBench LANGUAGES CXX)
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
# Imported targets are visible only below the folder that found them: find them here too.
find_package(Qt6 6.4 REQUIRED COMPONENTS Core Concurrent Gui Widgets Qml Quick QuickControls2 DBus Network Svg Test QuickTest)
find_package(QCoro6 REQUIRED COMPONENTS Core Network DBus)
find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBAV REQUIRED IMPORTED_TARGET libavformat libavcodec libavutil)
set(KESTRUNE_BUILD_TESTS OFF CACHE BOOL "" FORCE)
set(KESTRUNE_BUILD_BENCH OFF CACHE BOOL "" FORCE)
add_subdirectory("$root" kestrune)
add_subdirectory("$root/bench/queue" queue)
CMAKE
cmake -S "$wrapper" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target queuebench --parallel 2
"$build/queue/queuebench"
