#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test without a display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/dipendenze.sh
VIBRANA_WERROR=ON bash scripts/compila.sh
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j"$(nproc)"
