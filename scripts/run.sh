#!/usr/bin/env bash
# Installs what is missing, builds everything and starts the program on the demo base folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build=${RAZUDAR_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=${RAZUDAR_BUILD_TYPE:-RelWithDebInfo}
cmake --build "$build"
if [ -x "$build/app/Razudar" ]; then
  exec "$build/app/Razudar" "$@"
fi
echo "Built. The program itself is not there yet; the libraries, tests and demo base folder are in $build/."
