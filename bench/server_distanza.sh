#!/usr/bin/env bash
# Opening and saving a card of 40 exercises on a throw-away PostgreSQL server reached through a link
# that adds 1 ms each way (2 ms a round trip), beside the same server reached directly.
#
#   bash bench/server_distanza.sh [build folder] [ms each way]      (defaults: build/prove 1)
#
# Figures of 2026-12-11 (median of 5, 1 ms each way; the earlier figure in brackets): a card of 40
# exercises saved in 31.1 ms (352 ms; target under 150 ms), opened in 10.8 ms (13.8 ms). Directly:
# 8.2 ms and 1.7 ms. The save is now a handful of round trips (BEGIN, header, one INSERT of every
# exercise, COMMIT, and the category's lookup); what is left is those trips and the server's work.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${1:-build/prove}"
RITARDO="${2:-1}"
[ -x "$BUILD/bench/bench_server" ] || { echo "Manca $BUILD/bench/bench_server" >&2; exit 1; }
eval "$(bash scripts/server_prova.sh avvia)"
PROXY="$(mktemp -d)"
trap 'kill "${PID_PROXY:-0}" 2>/dev/null || true; rm -rf "$PROXY"; bash scripts/server_prova.sh ferma "$VIBRANA_PROVA_CARTELLA"' EXIT
python3 bench/ritardo.py "$PROXY" "$VIBRANA_PROVA_CARTELLA" "$RITARDO" > "$PROXY/stato" &
PID_PROXY=$!
for _ in $(seq 50); do grep -q pronto "$PROXY/stato" 2>/dev/null && break; sleep 0.1; done
export QT_QPA_PLATFORM=offscreen
FILTRO='BM_(Apri|Salva)Scheda40Esercizi/1'
echo "== server diretto"
"$BUILD/bench/bench_server" --benchmark_filter="$FILTRO" --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true 2>&1 | grep -E "median|Esercizi"
echo "== server con $RITARDO ms di ritardo per verso"
VIBRANA_PROVA_SERVER="postgresql:///postgres?host=$PROXY&user=vibrana" "$BUILD/bench/bench_server" \
  --benchmark_filter="$FILTRO" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>&1 |
  grep -E "median|Esercizi"
