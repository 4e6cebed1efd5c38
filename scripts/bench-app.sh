#!/usr/bin/env bash
# Start-up benchmark: launch to first frame, and idle resident memory, of the real program
# against a bare Qt Quick window (one Text, same size, colours and software renderer), all
# under one private Xvfb and session bus, interleaved round by round. Also runs the bare window
# with libavformat linked in, as a QApplication with Qt Widgets linked, and as the least a window
# of Kestrune's design needs (Qt Quick Controls' window, menu bar and a button), to price each on
# its own. Prints medians and the two ratios Kestrune / bare window; asserts nothing. Builds Release
# in its own folder.
#   ROUNDS=n           rounds (default 7)
#   BASELINE=<commit>  also builds Kestrune as of that commit and runs it in the same rounds
#   EXTRA="name=/path/to/program ..."  more programs (linked with bench/app's hook) to run
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KESTRUNE_BENCH_BUILD_DIR:-$root/build-bench-app}
rounds=${ROUNDS:-7}
idle_seconds=${IDLE_SECONDS:-2}
jobs=${KESTRUNE_BENCH_JOBS:-2}

# One wrapper project per source tree: each adds that tree's library (without tests or
# benchmarks) and the timed entry point and its hook from this tree.
configure() { # source tree, build folder, targets...
  local tree=$1 dir=$2
  shift 2
  mkdir -p "$dir/wrapper"
  cat > "$dir/wrapper/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(KestruneAppBench LANGUAGES C CXX)
set(KESTRUNE_BUILD_TESTS OFF CACHE BOOL "" FORCE)
set(KESTRUNE_BUILD_BENCH OFF CACHE BOOL "" FORCE)
add_subdirectory("$tree" kestrune)
add_subdirectory("$root/bench/app" app)
CMAKE
  cmake -S "$dir/wrapper" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release ${KESTRUNE_BENCH_CMAKE_ARGS:-} >/dev/null
  cmake --build "$dir" --target "$@" --parallel "$jobs" >/dev/null
}
configure "$root" "$build" firstframe barewindow barewindow_libav barewindow_widgets barewindow_controls kestrune_timed

declare -A programs=(
  [bare]="$build/app/barewindow"
  [bare+libav]="$build/app/barewindow_libav"
  [bare+widgets]="$build/app/barewindow_widgets"
  [bare+controls]="$build/app/barewindow_controls"
  [kestrune]="$build/app/kestrune_timed"
)
order=(bare kestrune bare+libav bare+widgets bare+controls)
if [ -n "${BASELINE:-}" ]; then
  base_tree=$build/baseline/src
  rm -rf "$base_tree" && mkdir -p "$base_tree"
  git -C "$root" archive "$BASELINE" | tar -x -C "$base_tree"
  # The baseline's own bench/app may not have the hook: take this tree's.
  rm -rf "$base_tree/bench/app" && cp -r "$root/bench/app" "$base_tree/bench/app"
  ( root=$base_tree configure "$base_tree" "$build/baseline/build" kestrune_timed )
  programs[kestrune-base]="$build/baseline/build/app/kestrune_timed"
  order=(bare kestrune-base kestrune bare+libav bare+widgets bare+controls)
fi

# More programs built elsewhere (each linked with the hook), e.g. a variant for comparison.
for extra in ${EXTRA:-}; do
  programs[${extra%%=*}]=${extra#*=}
  order+=("${extra%%=*}")
done

scratch=$(mktemp -d)
xvfb_pid=
bus_pid=
cleanup() {
  [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

# -displayfd picks a free display and writes its number to the descriptor.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.05; done
export DISPLAY=:$(head -1 "$scratch/display")
dbus-daemon --session --nofork --print-address=3 3>"$scratch/bus" >/dev/null 2>&1 &
bus_pid=$!
for _ in $(seq 100); do [ -s "$scratch/bus" ] && break; sleep 0.05; done
export DBUS_SESSION_BUS_ADDRESS=$(head -1 "$scratch/bus")
mkdir -p "$scratch/home" "$scratch/runtime" && chmod 700 "$scratch/runtime"
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config XDG_RUNTIME_DIR=$scratch/runtime QT_QPA_PLATFORM=xcb

declare -A times rss
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
# One warm-up start each, so the first measured round does not pay for a cold disk cache.
for name in "${order[@]}"; do "$build/app/firstframe" 0.2 "${programs[$name]}" >/dev/null 2>&1 || true; done

for round in $(seq "$rounds"); do
  for name in "${order[@]}"; do
    if read -r ms kib < <("$build/app/firstframe" "$idle_seconds" "${programs[$name]}" 2>/dev/null); then
      times[$name]+="$ms "
      rss[$name]+="$kib "
      echo "round $round  $name: ${ms} ms to first frame, $((kib / 1024)) MiB resident" >&2
    else
      echo "round $round  $name: no figure" >&2
    fi
  done
done

median() { tr ' ' '\n' | grep -v '^$' | sort -g | awk '{v[NR]=$1} END {if (NR) print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }
declare -A med_ms med_mib
for name in "${order[@]}"; do
  med_ms[$name]=$(echo "${times[$name]:-}" | median)
  r=$(echo "${rss[$name]:-}" | median)
  med_mib[$name]=$([ -n "$r" ] && awk -v k="$r" 'BEGIN {printf "%.1f", k / 1024}')
done
libs() { ldd "$1" 2>/dev/null | grep -c '=>'; }

echo
echo "median of $rounds rounds (Xvfb, private session bus, Release build, $(nproc) cores, load average $load_before before, $(cut -d' ' -f1-3 /proc/loadavg) after)"
printf '%-14s %22s %16s %16s\n' program "first frame (ms)" "idle RSS (MiB)" "shared libraries"
for name in "${order[@]}"; do
  printf '%-14s %22s %16s %16s\n' "$name" "${med_ms[$name]:-n/a}" "${med_mib[$name]:-n/a}" "$(libs "${programs[$name]}")"
done
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a != "" && b != "" && b != 0) printf "%.2f", a / b; else printf "n/a" }'; }
echo
for name in "${order[@]}"; do
  [ "$name" = bare ] && continue
  echo "ratio $name/bare: first frame $(ratio "${med_ms[$name]:-}" "${med_ms[bare]:-}") (goal <= 1.2), idle RSS $(ratio "${med_mib[$name]:-}" "${med_mib[bare]:-}") (goal <= 1.3)"
done
