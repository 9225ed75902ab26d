#!/usr/bin/env bash
# Opens a CSV written by "Esporta..." in LibreOffice Calc without a display, as a spreadsheet user in
# Italy would (semicolons, UTF-8), saves it as .ods and reads the cells back, one line per row with
# the cells between [ ], so quotes, line breaks and dates can be checked by eye.
#   bash bench/csv_in_calc.sh FILE.csv
# Calc is a tool of this check only, never a dependency of the build or of the tests: it is installed
# here when missing (Debian: libreoffice-calc-nogui).
set -euo pipefail
csv=${1:?"uso: $0 FILE.csv"}
if ! command -v soffice >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get install -y --no-install-recommends libreoffice-calc-nogui
fi
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
cp "$csv" "$lavoro/elenco.csv"
profilo="-env:UserInstallation=file://$lavoro/profilo"
# Filter options: separator 59 (;), text delimiter 34 ("), character set 76 (UTF-8), from line 1,
# standard column formats, Italian (1040) for dates and numbers.
soffice "$profilo" --headless --infilter="CSV:59,34,76,1,,1040" --convert-to ods --outdir "$lavoro" \
  "$lavoro/elenco.csv" >/dev/null
mv "$lavoro/elenco.csv" "$lavoro/originale.csv"
# Back out as CSV with a tab between cells, so the cells read back are not quoted again.
soffice "$profilo" --headless --convert-to "csv:Text - txt - csv (StarCalc):9,34,76,1" --outdir "$lavoro" \
  "$lavoro/elenco.ods" >/dev/null
python3 - "$lavoro/elenco.csv" "$lavoro/elenco.ods" <<'PY'
import csv, re, sys, zipfile
with open(sys.argv[1], encoding="utf-8", newline="") as f:
    for riga in csv.reader(f, delimiter="\t"):
        print(" ".join("[" + c.replace("\n", "\\n") + "]" for c in riga))
# What Calc made of each cell: dates and numbers are values, the rest text.
contenuto = zipfile.ZipFile(sys.argv[2]).read("content.xml").decode("utf-8")
tipi = re.findall(r'office:value-type="(\w+)"', contenuto)
print("celle:", {t: tipi.count(t) for t in sorted(set(tipi))})
print("date:", re.findall(r'office:date-value="([^"]+)"', contenuto))
PY
