#!/usr/bin/env bash
# Installs what is missing, builds everything and starts the program on the demo base folder
# (the program's base folder is the folder it starts in).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build=${RAZUDAR_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=${RAZUDAR_BUILD_TYPE:-RelWithDebInfo}
cmake --build "$build"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
  echo "Built. Razudar needs a display and none is set (DISPLAY is empty)."
  echo "Run it on a desktop, or under a virtual display:  xvfb-run -a bash scripts/run.sh"
  exit 2
fi
cd "$build/demo"
exec ../app/Razudar "$@"
