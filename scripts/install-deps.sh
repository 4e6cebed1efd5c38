#!/usr/bin/env bash
# Installs every build, run and test dependency from Debian 12's own packages.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config git
  # the test script links with lld: much faster than the default linker
  lld
  # Qt 6.4 and QCoro 0.8
  qt6-base-dev libxcb1-dev qt6-declarative-dev qt6-svg-dev qcoro-qt6-dev libqt6svg6
  # the view tests drag files onto the window through the window-system layer
  qt6-base-private-dev
  qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-templates
  qml6-module-qtquick-layouts qml6-module-qtquick-shapes qml6-module-qtquick-window
  qml6-module-qtqml-workerscript qml6-module-qttest qml6-module-qtqml
  # the catalogs: lrelease and lupdate, their CMake API, and Qt's own translated texts
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  # the in-process duration and stream probe
  libavformat-dev libavcodec-dev libavutil-dev
  # the character set of subtitles beside a video
  libuchardet-dev
  # ffmpeg is run as a child process, never linked
  ffmpeg
  # headless UI, session bus and desktop-file checks used by the tests
  xvfb xauth dbus-daemon dbus-bin desktop-file-utils appstream
  # the launch test reads window titles and stacking (xwininfo, xmessage) and types Ctrl+Q
  x11-utils xdotool
  # the launch test reads the window as a screen reader does, over the accessibility bus
  at-spi2-core python3-gi gir1.2-atspi-2.0
  # the launch test's share that stops answering (a FUSE server it can pause)
  fuse3 python3-fusepy
  # fonts for a readable window, Chinese and Japanese file names included
  fonts-dejavu-core fonts-wqy-microhei
  # native Wayland windows, and the Wayland compositor the launch test runs inside Xvfb
  qt6-wayland weston
  # the Debian package build (dpkg-shlibdeps) and its checks; gvfs local paths (gio)
  libglib2.0-bin
  dpkg-dev file lintian
  # the libFuzzer build
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
