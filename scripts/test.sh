#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds with warnings as errors and runs every
# test without a display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/dipendenze.sh
bash scripts/formato.sh --controlla
bash scripts/compila.sh build/prove -DVIBRANA_WERROR=ON
bash scripts/prove_con_server.sh build/prove
