#!/usr/bin/env bash
# Builds Dentaro and starts the English program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDENTARO_BENCH=OFF
cmake --build build -j"$(nproc)" --target dentaro_en
exec build/dentaro_en "$@"
