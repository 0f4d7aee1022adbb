#!/usr/bin/env bash
# Accuracy report of the astronomical engine against Swiss Ephemeris (Debian's swetest):
# installs what is missing, builds the report program and prints its table.
#   bench/precisao.sh            (build folder: build/; another with BUILD_DIR=...)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
BUILD_DIR="${BUILD_DIR:-build}"
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" --target precisao_motor >/dev/null
"$BUILD_DIR/bench-bin/precisao_motor"
