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
export QT_QPA_PLATFORM=offscreen
# The tests of the shared register run on a throw-away PostgreSQL cluster, stopped even on failure.
# Without one they fail when CI is set and are skipped otherwise.
if [ -z "${VIBRANA_PROVA_SERVER:-}" ]; then
  if stato=$(bash scripts/server_prova.sh avvia); then
    eval "$stato"
    trap "bash '$PWD/scripts/server_prova.sh' ferma '$VIBRANA_PROVA_CARTELLA'" EXIT
  else
    echo "Server PostgreSQL di prova non avviato." >&2
  fi
fi
(cd build/prove && ctest --output-on-failure -j"$(nproc)")
# The server variants run the very programs build/prove has just run against the server; here the
# point is that the core builds and passes without windows.
(cd build/nucleo && ctest --output-on-failure -j"$(nproc)" -E '_server$')
