#!/usr/bin/env bash
# Configures and builds into build/ (the program folder is build/programma).
set -euo pipefail
cd "$(dirname "$0")/.."
TIPO="${VIBRANA_BUILD_TYPE:-RelWithDebInfo}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="$TIPO" -DVIBRANA_WERROR="${VIBRANA_WERROR:-OFF}" "$@"
cmake --build build -j"$(nproc)"
