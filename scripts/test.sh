#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds with warnings as errors and runs every
# test without a display; then builds the core without Qt Widgets (build/nucleo) and runs its tests
# there too, so the core cannot come to need a window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/dipendenze.sh
bash scripts/formato.sh --controlla
bash scripts/compila.sh build/prove -DVIBRANA_WERROR=ON
bash scripts/compila.sh build/nucleo -DVIBRANA_WERROR=ON -DVIBRANA_GUI=OFF -DVIBRANA_BENCH=OFF
bash scripts/prove_con_server.sh build/prove
# The server variants run the very programs build/prove has just run against the server; here the
# point is that the core builds and passes without windows.
bash scripts/prove_con_server.sh build/nucleo -E '_server$'
