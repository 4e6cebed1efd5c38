#!/usr/bin/env bash
# Benchmarks of the window's views:
#  1. frame time and RSS while a queue of 100, 1,000 and 10,000 files converts with its group
#     open and closed, a fake engine reporting progress every millisecond (offscreen, software
#     scene graph), and the time the group takes to open; then 1,000 files on an X server;
#  2. the renderer choice for a window showing the content: time to first frame and idle RSS,
#     software scene graph against the default (OpenGL through Mesa), interleaved, median of 5.
# ROUNDS (default 5) and FRAME_SECONDS (default 5) shorten a run; QUICK=1 stops after the table.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KESTRUNE_BUILD_DIR:-$root/build}
rounds=${ROUNDS:-5}
seconds=${FRAME_SECONDS:-5}
bash "$root/scripts/build.sh" >/dev/null 2>&1
bin=$(find "$build" -name kestrune_uibench -type f -perm -u+x | head -n 1)
[ -x "$bin" ] || { echo "kestrune_uibench was not built" >&2; exit 1; }
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME LC_ALL=C.UTF-8

echo "== files converting: offscreen, software scene graph, ${seconds}s each (frame times in ms)"
printf '%7s %7s %7s %7s %7s %9s %8s %8s\n' files group p50 p99 max over16ms rss_MiB open_ms
for files in 100 1000 10000; do
  for group in open closed; do
    r=$(QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software "$bin" frames "$files" "$seconds" "$group" 2>/dev/null)
    frames=$(grep '^frames=' <<<"$r") memory=$(grep '^rss_mib=' <<<"$r")
    field() { grep -o "$1=[^ ]*" <<<"$2" | cut -d= -f2; }
    printf '%7s %7s %7s %7s %7s %9s %8s %8s\n' "$files" "$group" "$(field frame_ms_p50 "$frames")" "$(field p99 "$frames")" \
      "$(field max "$frames")" "$(field over_16ms "$frames")" "$(field rss_mib "$memory")" "$(field group_open_ms "$memory")"
  done
done
[ "${QUICK:-0}" = 1 ] && exit 0

display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=$display QT_QPA_PLATFORM=xcb

echo "== frame time, 1000 files converting, group open: Xvfb, software scene graph"
QT_QUICK_BACKEND=software "$bin" frames 1000 "$seconds" open

echo "== first frame and idle RSS under Xvfb, $rounds interleaved rounds"
declare -A frame rss
for ((i = 1; i <= rounds; i++)); do
  for renderer in software opengl; do
    if [ "$renderer" = software ]; then backend=software; else backend=; fi
    start=$(date +%s.%N)
    result=$(QT_QUICK_BACKEND=$backend "$bin" startup "$start")
    frame[$renderer]+="$(sed -n 's/^first_frame_s=//p' <<<"$result") "
    rss[$renderer]+="$(sed -n 's/^idle_rss_mib=//p' <<<"$result") "
  done
done
median() { tr ' ' '\n' | grep -v '^$' | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
for renderer in software opengl; do
  printf '%-8s first frame median %ss (runs: %s)  idle RSS median %s MiB (runs: %s)\n' "$renderer" \
    "$(median <<<"${frame[$renderer]}")" "${frame[$renderer]% }" "$(median <<<"${rss[$renderer]}")" "${rss[$renderer]% }"
done
