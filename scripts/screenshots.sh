#!/usr/bin/env bash
# Renders the window's content at 620×540 in each state the views distinguish, offscreen with the
# software scene graph, into ./screenshots/ (or the folder given).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KESTRUNE_BUILD_DIR:-$root/build}
out=${1:-$root/screenshots}
bash "$root/scripts/build.sh" >/dev/null
mkdir -p "$out"
export XDG_CONFIG_HOME=${XDG_CONFIG_HOME:-$(mktemp -d)}
QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software LC_ALL=C.UTF-8 \
  "$build/tests/ui/kestrune_screenshots" "$out"
