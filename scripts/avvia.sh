#!/usr/bin/env bash
# Installs what is missing, builds and starts Vibrana from its program folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/dipendenze.sh
bash scripts/compila.sh build/esecuzione -DVIBRANA_WERROR=OFF -DVIBRANA_TESTS=OFF -DVIBRANA_BENCH=OFF
exec ./build/esecuzione/programma/vibrana "$@"
