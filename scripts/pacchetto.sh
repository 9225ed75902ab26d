#!/usr/bin/env bash
# Builds the Debian package of Vibrana into build/pacchetto/ and checks its desktop files.
# With --prova it then installs the package, starts the program once without a display and removes
# the package again (as root or with sudo; leaves no per-user files behind).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/dipendenze.sh pacchetto
bash scripts/compila.sh build/pacchetto -DCMAKE_INSTALL_PREFIX=/usr -DVIBRANA_WERROR=ON \
  -DVIBRANA_TESTS=OFF -DVIBRANA_BENCH=OFF
rm -f build/pacchetto/vibrana_*.deb
(cd build/pacchetto && cpack -G DEB)
DEB=$(realpath build/pacchetto/vibrana_*.deb)

# The package's own desktop entry and metainfo, as installed.
CONTENUTO=$(mktemp -d)
trap 'rm -rf "$CONTENUTO"' EXIT
dpkg-deb -x "$DEB" "$CONTENUTO"
desktop-file-validate "$CONTENUTO/usr/share/applications/it.vibrana.Vibrana.desktop"
appstreamcli validate --no-net --pedantic "$CONTENUTO/usr/share/metainfo/it.vibrana.Vibrana.metainfo.xml"
echo "Pacchetto: $DEB"

if [ "${1:-}" = "--prova" ]; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "$DEB"
  CASA=$(mktemp -d)
  # A user who never ran the program: the register is filled from the installed copy, and the start
  # goes as far as the main window (then leaves); a question on the way would fail the time limit.
  esito=0
  env -i PATH=/usr/bin:/bin HOME="$CASA" LC_ALL=C.UTF-8 VIBRANA_ESCI_DOPO_AVVIO=1 \
    timeout 120 xvfb-run -a -s "-screen 0 1280x1024x24" /usr/bin/vibrana || esito=$?
  DATI="$CASA/.local/share/vibrana"
  /usr/bin/vibrana-archivio verifica "$DATI/splash.ps" || esito=1
  grep -q "Application END" "$DATI/log.txt" || { echo "avvio non completato: $DATI/log.txt" >&2; esito=1; }
  rm -rf "$CASA"
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get remove -y vibrana
  exit "$esito"
fi
