#!/usr/bin/env bash
# Terminal-mode benchmark: the per-file cost of `kestrune --to mkv FILE` (a core application,
# the window's model and engine, the probes and checks, the temporary and its move) over a bare
# `ffmpeg -i FILE -c copy OUT` of the same clip, in interleaved rounds; medians of wall times
# and of the per-round differences.
#   ROUNDS=20 bash scripts/bench-terminal.sh
#   QUICK=1 bash scripts/bench-terminal.sh   # fewer rounds, a shorter clip, no rebuild
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KESTRUNE_BUILD_DIR:-$root/build}
work=${KESTRUNE_BENCH_DIR:-${TMPDIR:-/tmp}/kestrune-bench-terminal}
quick=${QUICK:-0}
rounds=${ROUNDS:-20}
seconds=10
if [ "$quick" = 1 ]; then
  rounds=${ROUNDS:-7}
  seconds=3
fi
[ "$quick" = 1 ] || bash "$root/scripts/build.sh" >/dev/null
mkdir -p "$work"
clip=$work/clip-$seconds.mp4
if [ ! -s "$clip" ]; then
  ffmpeg -hide_banner -loglevel error -nostdin -y -f lavfi -i "testsrc2=size=640x360:rate=25:duration=$seconds" \
    -f lavfi -i "sine=duration=$seconds:sample_rate=48000" -c:v libx264 -preset ultrafast -c:a aac -shortest "$clip"
fi
ms_since() { echo $((($(date +%s%N) - $1) / 1000000)); }
median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

bare=() kestrune=() diff=()
for ((i = 0; i < rounds; i++)); do
  rm -f "$work"/clip-"$seconds".mkv "$work"/out.mkv
  t0=$(date +%s%N)
  ffmpeg -hide_banner -loglevel error -nostdin -y -i "$clip" -map 0 -c copy "$work/out.mkv"
  b=$(ms_since "$t0")
  t0=$(date +%s%N)
  "$build/src/kestrune" --to mkv "$clip" >/dev/null
  k=$(ms_since "$t0")
  bare+=("$b") kestrune+=("$k") diff+=($((k - b)))
done
rm -f "$work"/clip-"$seconds".mkv "$work"/out.mkv
echo "clip: $seconds s, 640x360 H.264 + AAC, $(du -k "$clip" | cut -f1) KiB; $rounds rounds"
echo "bare ffmpeg: median $(printf '%s\n' "${bare[@]}" | median) ms"
echo "kestrune --to mkv: median $(printf '%s\n' "${kestrune[@]}" | median) ms"
echo "terminal overhead: $(printf '%s\n' "${diff[@]}" | median) ms per file (median of per-round differences)"
