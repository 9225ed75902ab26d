#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test Vibrana; "dipendenze.sh pacchetto" also
# those that build and check the Debian package.
# Skips apt entirely when everything is already there, so repeated runs are fast.
set -euo pipefail

PACCHETTI=(
  cmake g++ ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-translations-l10n qt6-image-formats-plugins qt6-qpa-plugins
  libsqlite3-dev sqlite3
  libpq-dev libpq5 postgresql-15
  libgtest-dev libgmock-dev libbenchmark-dev
  libxrandr-dev libpulse-dev libpulse0
  breeze-icon-theme libqt6svg6
  fonts-liberation2 fonts-dejavu-core fonts-urw-base35 fonts-noto-color-emoji
  xvfb xauth
  clang-format ccache poppler-utils
  python3-reportlab
)
if [ "${1:-}" = "pacchetto" ]; then
  PACCHETTI+=(dpkg-dev file appstream desktop-file-utils)
fi

mancanti=()
for p in "${PACCHETTI[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    mancanti+=("$p")
  fi
done

if [ ${#mancanti[@]} -eq 0 ]; then
  exit 0
fi

echo "Installo i pacchetti mancanti: ${mancanti[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${mancanti[@]}"
