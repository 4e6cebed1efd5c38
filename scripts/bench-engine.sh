#!/usr/bin/env bash
# Engine benchmark: on a generated file of over 1 GB, times cp, the bare ffmpeg command, remux
# and (when it can be installed from Debian) mkvmerge in interleaved rounds, then the per-file
# cost of remux over bare ffmpeg on a 10-second clip, then what remux adds around a run that does
# nothing, and the two steps that keep broken files from real names: writing into a temporary and
# moving it to a free name (plain, and flushed to the disk on a clip and on the large file), and
# the checks of the new file against its source.
#   ROUNDS=5 CLIP_ROUNDS=30 KESTRUNE_BENCH_DIR=/tmp/kestrune-bench bash scripts/bench-engine.sh
#   QUICK=1 bash scripts/bench-engine.sh   # one 275 MB chunk, few rounds, no mkvmerge, no rebuild
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KESTRUNE_BUILD_DIR:-$root/build}
work=${KESTRUNE_BENCH_DIR:-${TMPDIR:-/tmp}/kestrune-bench}
quick=${QUICK:-0}
rounds=${ROUNDS:-5}
clip_rounds=${CLIP_ROUNDS:-30}
loops=3
if [ "$quick" = 1 ]; then
  rounds=${ROUNDS:-3}
  clip_rounds=${CLIP_ROUNDS:-10}
  loops=0
  work=${KESTRUNE_BENCH_DIR:-${TMPDIR:-/tmp}/kestrune-bench-quick}
fi

# mkvmerge is only a yardstick, so it is installed here and not with the project's dependencies.
if [ "$quick" != 1 ] && ! command -v mkvmerge >/dev/null; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends mkvtoolnix >/dev/null ||
    echo "mkvtoolnix not installable; the mkvmerge column is left out"
fi

[ "$quick" = 1 ] || bash "$root/scripts/build.sh"
mkdir -p "$work"
ffmpeg=(ffmpeg -hide_banner -loglevel error -nostdin -y)

# 10 s of noisy 720p at a high bit rate (about 275 MB), copied four times over into one file.
if [ ! -s "$work/large.mp4" ]; then
  echo "making $work/large.mp4 ..."
  "${ffmpeg[@]}" -f lavfi -i "testsrc2=size=1280x720:rate=25:duration=10,noise=alls=40:allf=t" \
    -f lavfi -i "sine=duration=10:sample_rate=48000" -c:v libx264 -preset ultrafast -qp 12 -c:a aac -shortest "$work/chunk.mp4"
  "${ffmpeg[@]}" -stream_loop "$loops" -i "$work/chunk.mp4" -c copy "$work/large.mp4"
  rm -f "$work/chunk.mp4"
fi
if [ ! -s "$work/clip.mp4" ]; then
  "${ffmpeg[@]}" -f lavfi -i "testsrc2=size=640x360:rate=25:duration=10" -f lavfi -i "sine=duration=10:sample_rate=48000" \
    -c:v libx264 -preset ultrafast -c:a aac -shortest "$work/clip.mp4"
fi

extra=()
[ "$quick" != 1 ] && command -v mkvmerge >/dev/null && extra=(--mkvmerge "$(command -v mkvmerge)")
"$build/bench/engine/enginebench" --large "$work/large.mp4" --clip "$work/clip.mp4" --work "$work" \
  --rounds "$rounds" --clip-rounds "$clip_rounds" "${extra[@]}"
