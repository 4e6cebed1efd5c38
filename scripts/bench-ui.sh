#!/usr/bin/env bash
# Benchmarks of the window's views:
#  1. frame time while a 1,000-file queue converts with its group open, a fake engine reporting
#     progress every millisecond (offscreen, then on an X server), software scene graph;
#  2. the renderer choice for a window showing the content: time to first frame and idle RSS,
#     software scene graph against the default (OpenGL through Mesa), interleaved, median of 5.
# ROUNDS (default 5) and FRAME_SECONDS (default 5) shorten a run.
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

echo "== frame time, 1000 files converting, group open: offscreen, software scene graph"
QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software "$bin" frames 1000 "$seconds" open
echo "== the same with the group closed (only the first row is made)"
QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software "$bin" frames 1000 "$seconds" closed

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
