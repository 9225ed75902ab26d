#!/usr/bin/env bash
# Runs the tests of a build folder without a display. The tests of the shared register run on a
# throw-away PostgreSQL cluster, stopped even on failure; without one they fail when CI is set and
# are skipped otherwise. Usage: prove_con_server.sh BUILD_FOLDER [CTEST_OPTIONS...]
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
if [ -z "${VIBRANA_PROVA_SERVER:-}" ]; then
  if stato=$(bash scripts/server_prova.sh avvia); then
    eval "$stato"
    trap "bash '$PWD/scripts/server_prova.sh' ferma '$VIBRANA_PROVA_CARTELLA'" EXIT
  else
    echo "Server PostgreSQL di prova non avviato." >&2
  fi
fi
cd "$1"
shift
ctest --output-on-failure -j"$(nproc)" "$@"
