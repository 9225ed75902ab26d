#!/usr/bin/env bash
# The README shows vibrana-archivio's usage texts as the program prints them: each fenced block that
# follows a line "<!-- uso: vibrana-archivio ARGOMENTI -->" must equal what the command with those
# arguments writes on standard error, and the command must end with the wrong-arguments code 2.
#   readme_uso.sh PROGRAMMA README
set -uo pipefail
PROGRAMMA="$1"
README="$2"

mapfile -t segni < <(grep -E '^<!-- uso: vibrana-archivio( [^>]*)? -->$' "$README")
if [ ${#segni[@]} -eq 0 ]; then
  echo "$README: nessun blocco \"<!-- uso: vibrana-archivio ... -->\"" >&2
  exit 1
fi
errori=0
for segno in "${segni[@]}"; do
  argomenti=$(sed -E 's/^<!-- uso: vibrana-archivio ?(.*) -->$/\1/' <<<"$segno")
  # The fenced block right after the marker, without its fences.
  atteso=$(awk -v segno="$segno" '
    $0 == segno { dopo = 1; next }
    dopo == 1 && /^```/ { dentro = 1; dopo = 2; next }
    dentro && /^```/ { exit }
    dentro { print }' "$README")
  # shellcheck disable=SC2086 # the arguments are words, as in the README
  stampato=$("$PROGRAMMA" $argomenti 2>&1 >/dev/null)
  codice=$?
  if [ "$codice" -ne 2 ]; then
    echo "vibrana-archivio $argomenti: codice di uscita $codice, atteso 2" >&2
    errori=1
  fi
  if [ "$stampato" != "$atteso" ]; then
    echo "vibrana-archivio $argomenti: il README non mostra il testo del programma:" >&2
    diff <(echo "$atteso") <(echo "$stampato") | sed 's/^/  /' >&2
    errori=1
  fi
done
[ "$errori" -eq 0 ] && echo "${#segni[@]} testi d'uso uguali al README"
exit "$errori"
