#!/usr/bin/env bash
# Installs what is missing, builds and starts Vibrana from its program folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/dipendenze.sh
bash scripts/compila.sh
exec ./build/programma/vibrana "$@"
