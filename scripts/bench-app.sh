#!/usr/bin/env bash
# Start-to-first-window time and idle resident memory of the real program on a private Xvfb and
# session bus, interleaved round by round with a peer desktop program (Debian's mkvtoolnix-gui,
# installed here for the benchmark only) and with Kestrune drawn through OpenGL (Mesa's software
# rasteriser on Xvfb) to check the choice of renderer. Median of 5 rounds (ROUNDS=n for another
# count). Prints the figures; asserts nothing. Builds Release in its own folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KESTRUNE_BENCH_BUILD_DIR:-$root/build-bench-app}
rounds=${ROUNDS:-5}
idle_seconds=2

if ! command -v mkvtoolnix-gui >/dev/null; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends mkvtoolnix-gui >/dev/null
fi

wrapper=$build/wrapper
mkdir -p "$wrapper"
cat > "$wrapper/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(KestruneAppBench LANGUAGES C CXX)
set(KESTRUNE_BUILD_TESTS OFF CACHE BOOL "" FORCE)
set(KESTRUNE_BUILD_BENCH OFF CACHE BOOL "" FORCE)
add_subdirectory("$root" kestrune)
add_subdirectory("$root/bench/app" app)
CMAKE
cmake -S "$wrapper" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target kestrune kestrune_opengl firstwindow --parallel 2 >/dev/null

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

declare -A programs=(
  [kestrune]="$build/kestrune/src/kestrune"
  [kestrune-opengl]="$build/app/kestrune_opengl"
  [mkvtoolnix-gui]="$(command -v mkvtoolnix-gui)"
)
order=(kestrune kestrune-opengl mkvtoolnix-gui)
declare -A times rss

# One warm-up start each, so the first measured round does not pay for a cold disk cache.
for name in "${order[@]}"; do "$build/app/firstwindow" 0.2 "${programs[$name]}" >/dev/null 2>&1 || true; done

for round in $(seq "$rounds"); do
  for name in "${order[@]}"; do
    read -r ms kib < <("$build/app/firstwindow" "$idle_seconds" "${programs[$name]}" 2>/dev/null)
    times[$name]+="$ms "
    rss[$name]+="$kib "
    echo "round $round  $name: ${ms} ms to first window, $((kib / 1024)) MiB resident" >&2
  done
done

median() { tr ' ' '\n' | grep -v '^$' | sort -g | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }

echo
echo "median of $rounds rounds (Xvfb, private session bus, Release build, $(nproc) cores)"
printf '%-16s %22s %22s\n' program "start to window (ms)" "idle RSS (MiB)"
for name in "${order[@]}"; do
  t=$(echo "${times[$name]}" | median)
  r=$(echo "${rss[$name]}" | median)
  printf '%-16s %22s %22s\n' "$name" "$t" "$(awk -v k="$r" 'BEGIN {printf "%.1f", k / 1024}')"
done
