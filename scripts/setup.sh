#!/usr/bin/env bash
# Installs, only when missing, every Debian 12 package the build, the tests and the program need.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-image-formats-plugins qt6-translations-l10n
  libsqlite3-dev sqlite3
  libavformat-dev libavcodec-dev libswscale-dev libavutil-dev ffmpeg
  libgtest-dev libgmock-dev libbenchmark-dev
  # DejaVu for the pages; Nimbus Mono PS, the stand-in for the console list's Courier New
  fonts-dejavu-core fonts-urw-base35
  poppler-utils
  tzdata
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi
