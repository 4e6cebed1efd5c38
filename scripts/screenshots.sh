#!/usr/bin/env bash
# Renders the window's content at 620×540 in each state the views distinguish, offscreen with the
# software scene graph, into ./screenshots/ (or the folder given), in English or in the language
# given second (de, fr, es, ja):
#   scripts/screenshots.sh /tmp/shots-de de
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KESTRUNE_BUILD_DIR:-$root/build}
out=${1:-$root/screenshots}
language=${2:-}
# Japanese wants a Japanese font, not the Chinese shapes of the CJK fallback.
if [ "$language" = ja ] && ! fc-list :lang=ja family | grep -qi "IPA"; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends fonts-ipafont-gothic >/dev/null
fi
bash "$root/scripts/build.sh" >/dev/null
mkdir -p "$out"
export XDG_CONFIG_HOME=${XDG_CONFIG_HOME:-$(mktemp -d)}
QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software LC_ALL=C.UTF-8 LANGUAGE=$language \
  "$build/tools/screenshots/kestrune_screenshots" "$out"

# The real application under an X server, grabbed from the screen (ffmpeg's x11grab).
if command -v Xvfb >/dev/null && command -v ffmpeg >/dev/null; then
  display=:$((80 + RANDOM % 9))
  Xvfb "$display" -screen 0 800x640x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  sleep 1
  DISPLAY=$display QT_QPA_PLATFORM=xcb LANGUAGE=$language "$build/src/kestrune" >/dev/null 2>&1 &
  app=$!
  sleep 3
  ffmpeg -loglevel error -y -f x11grab -video_size 800x640 -i "$display" -frames:v 1 "$out/00-application-xvfb.png" && echo "$out/00-application-xvfb.png"
  kill "$app" "$xvfb" 2>/dev/null || true
fi
