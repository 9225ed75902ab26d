#!/usr/bin/env bash
# A throw-away PostgreSQL cluster for the tests, reachable only through a Unix socket in its folder.
#   server_prova.sh avvia        starts one; prints the lines to eval (VIBRANA_PROVA_SERVER, ..._CARTELLA)
#   server_prova.sh ferma DIR    stops the cluster of folder DIR and removes the folder
# The cluster runs as an unprivileged user: the current one, or (when run as root) "nobody".
set -euo pipefail

BIN=/usr/lib/postgresql/15/bin
# The server's user may not be allowed into the caller's folder (a checkout under /root).
cd /

come() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u nobody -- "$@"
  else
    "$@"
  fi
}

case "${1:-}" in
avvia)
  if [ ! -x "$BIN/initdb" ]; then
    echo "server_prova: $BIN/initdb non trovato (pacchetto postgresql-15)" >&2
    exit 1
  fi
  DIR=$(mktemp -d /tmp/vibrana-pg.XXXXXX)
  chmod 755 "$DIR"
  if [ "$(id -u)" -eq 0 ]; then chown nobody "$DIR"; fi
  # A role with a password, reached only through the socket, lets the tests see a refused login.
  come "$BIN/initdb" -D "$DIR/dati" -U vibrana --auth=trust --encoding=UTF8 --locale=C.UTF-8 >"$DIR/initdb.log" 2>&1 || {
    cat "$DIR/initdb.log" >&2
    exit 1
  }
  {
    echo "local all con_password scram-sha-256"
    cat "$DIR/dati/pg_hba.conf"
  } >"$DIR/hba" && come cp "$DIR/hba" "$DIR/dati/pg_hba.conf"
  come "$BIN/pg_ctl" -D "$DIR/dati" -l "$DIR/server.log" -w -t 60 \
    -o "-c listen_addresses='' -c unix_socket_directories='$DIR' -c fsync=off -c max_connections=100" start >/dev/null || {
    cat "$DIR/server.log" >&2
    exit 1
  }
  come "$BIN/psql" -q -h "$DIR" -U vibrana -d postgres \
    -c "CREATE ROLE con_password LOGIN PASSWORD 'giusta'" >/dev/null
  echo "export VIBRANA_PROVA_SERVER='postgresql:///postgres?host=$DIR&user=vibrana'"
  echo "export VIBRANA_PROVA_CARTELLA='$DIR'"
  ;;
ferma)
  DIR="${2:-${VIBRANA_PROVA_CARTELLA:-}}"
  case "$DIR" in
  /tmp/vibrana-pg.*) ;;
  *)
    echo "server_prova: cartella non valida: '$DIR'" >&2
    exit 1
    ;;
  esac
  if [ -d "$DIR/dati" ]; then
    come "$BIN/pg_ctl" -D "$DIR/dati" -m immediate -w stop >/dev/null 2>&1 || true
  fi
  rm -rf "$DIR"
  ;;
*)
  echo "Uso: server_prova.sh avvia | ferma CARTELLA" >&2
  exit 2
  ;;
esac
