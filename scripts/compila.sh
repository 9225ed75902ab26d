#!/usr/bin/env bash
# Configures and builds. Usage: compila.sh BUILD_FOLDER [cmake options...]
# Running and testing use separate folders (build/esecuzione, build/prove), so switching between
# them never rebuilds everything; each folder's programma/ is a complete program folder.
set -euo pipefail
cd "$(dirname "$0")/.."
CARTELLA="$1"
shift
TIPO="${VIBRANA_BUILD_TYPE:-RelWithDebInfo}"
export CCACHE_BASEDIR="$PWD"
# Debug information names the build folder; leaving it out of the hash lets the two build folders,
# the sanitizer folder and a fresh clone elsewhere reuse each other's objects.
export CCACHE_NOHASHDIR=true
cmake -S . -B "$CARTELLA" -G Ninja -DCMAKE_BUILD_TYPE="$TIPO" "$@"
cmake --build "$CARTELLA" -j"$(nproc)"
