#!/usr/bin/env bash
# From a fresh clone: installs what is missing, builds, and starts Kestrune.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh"
exec "${KESTRUNE_BUILD_DIR:-$root/build}/src/kestrune" "$@"
