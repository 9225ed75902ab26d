#!/usr/bin/env bash
# Whole-process time and size of "vibrana-archivio pdf" for a 40-exercise card (four sheets, 40
# pictures of the delivered catalogue), and of "vibrana-archivio istruzioni"; the whole-process CPU
# time (user + system, median of the runs) of the 40-exercise card and of a 400-exercise card beside
# ReportLab drawing the same sheets (bench/stampa_reportlab.py, same pictures, same pages), as ratios;
# 100 cards of 40 exercises in one process.
#
#   bash bench/stampa_pdf.sh [build folder] [runs]        (defaults: build/prove 10)
#
# Works on a copy of the build's database; the build's images are used in place. Uses hyperfine
# when installed. ReportLab comes from the Debian package python3-reportlab (scripts/dipendenze.sh).
#
# Figures of 2026-12-11, later in the day, on the shared 2-core machine with nothing else running
# (median CPU time of 7 runs; the build of that morning in brackets, measured right after with the
# same script and its own ReportLab runs):
#   40 exercises:  vibrana-archivio 80 ms, ReportLab 220 ms, ratio 0.36 (210 / 200 ms, 1.05)
#                                                                                  target <= 0.50
#   400 exercises: vibrana-archivio 170 ms, ReportLab 339 ms, ratio 0.50 (360 / 260 ms, 1.38)
#                                                                                  target <= 1.00
#   100 cards of 40 exercises in one process: 2.42 s CPU, 2.53 s wall (4.80 s CPU, 4.95 s wall)
#                                                                                  target < 3 s
#   each file: 48 pictures drawn, 42 embedded (each once), each font embedded once.
# ReportLab's own time moves by a third from run to run (200 to 340 ms for the same 400 exercises).
# The JPEG files go into the PDF as they are, never decoded; Qt's PDF writer still shapes every text
# twice (fitting, then drawing), and for every file looks up each of the 65 536 first characters in
# each of the six fonts to write their maps: a third of a card in a batch. Process start (dynamic
# linking, Qt's font set-up) is about half of a single card.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${1:-build/prove}"
RUNS="${2:-10}"
PROGRAMMA="$(realpath "$BUILD/programma")"
[ -x "$PROGRAMMA/vibrana-archivio" ] && [ -f "$PROGRAMMA/splash.ps" ] || { echo "Manca la build in $BUILD" >&2; exit 1; }

LAVORO="$(mktemp -d)"
trap 'rm -rf "$LAVORO"' EXIT
cp "$PROGRAMMA/splash.ps" "$LAVORO/splash.ps"
ln -s "$PROGRAMMA/images" "$LAVORO/images"
sqlite3 "$LAVORO/splash.ps" <<'SQL'
INSERT INTO utenti (nome, cognome, dataNascita, sesso, Note) VALUES ('Mario', 'Rossi', '1990-03-04', 'M', '');
INSERT INTO schede (id_utente, Istruttore, PeriodoDal, PeriodoAl, id_cat, FreqAllen, GGAllen, Obiettivo, note)
  SELECT max(id_utente), 'Anna', '2026-12-01', '2026-12-22', 1, 3, '001010100', '', 'Bere molta acqua' FROM utenti;
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40)
INSERT INTO Esercizi (NProg, ID_Scheda, ID_Fig, Durata, Frequenza, Ampiezza, RecuperoMin, RecuperoSec, Serie,
                      Modalita, Peso, isLibero, Note)
  SELECT i, (SELECT max(id_scheda) FROM schede), f.id_fig, '30s', '40Hz', 'H', 1, 30, 3, 'Combinata', '', 0,
         'esercizio ' || i
  FROM n JOIN (SELECT id_fig, row_number() OVER (ORDER BY id_fig) AS r FROM figure) AS f ON f.r = n.i;
SQL
ID="$(sqlite3 "$LAVORO/splash.ps" 'SELECT max(id_scheda) FROM schede')"
export VIBRANA_CARTELLA="$LAVORO" QT_QPA_PLATFORM=offscreen
PDF="$PROGRAMMA/vibrana-archivio pdf $ID $LAVORO/scheda.pdf"
IST="$PROGRAMMA/vibrana-archivio istruzioni $LAVORO/istruzioni.pdf"

if command -v hyperfine >/dev/null; then
  hyperfine -N --warmup 2 --runs "$RUNS" "$PDF" "$IST"
else
  for comando in "$PDF" "$IST"; do
    $comando >/dev/null
    inizio=$(date +%s%N)
    for _ in $(seq "$RUNS"); do $comando >/dev/null; done
    fine=$(date +%s%N)
    echo "$comando: $(( (fine - inizio) / RUNS / 1000000 )) ms in media su $RUNS esecuzioni"
  done
fi
if [ -x /usr/bin/time ]; then
  /usr/bin/time -f "pdf: %e s reali, %U s utente + %S s sistema, %M KB di memoria" $PDF >/dev/null
fi

# Median whole-process CPU time (user + system) in ms of RUNS runs of a command, after one to warm
# the caches: the machine may be shared, and CPU time is what the gym's computer would spend.
cpu_mediana() {
  local f="$LAVORO/tempo"
  "$@" >/dev/null 2>&1
  for _ in $(seq "$RUNS"); do
    /usr/bin/time -f "%U %S" -o "$f" -a "$@" >/dev/null 2>&1
  done
  awk '{print int(($1 + $2) * 1000)}' "$f" | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'
  rm -f "$f"
}

# The same card drawn by ReportLab: the card's pictures in its order, the two logos of the footer.
reportlab() {
  local id="$1" uscita="$2"
  local -a figure
  mapfile -t figure < <(sqlite3 "$LAVORO/splash.ps" "SELECT '$LAVORO/' || replace(f.figura, '\\', '/')
                                                     FROM Esercizi e JOIN figure f ON f.id_fig = e.ID_Fig
                                                     WHERE e.ID_Scheda = $id ORDER BY e.NProg")
  echo /usr/bin/python3 bench/stampa_reportlab.py "$uscita" "$LAVORO/images/LogoVibranaStampa.JPG" \
    "$LAVORO/images/LogoArvel.JPG" "${figure[@]}"
}

# A card of 400 exercises for another athlete, its pictures going round the catalogue.
sqlite3 "$LAVORO/splash.ps" <<'SQL'
INSERT INTO utenti (nome, cognome, dataNascita, sesso, Note) VALUES ('Luigi', 'Verdi', '1985-05-06', 'M', '');
INSERT INTO schede (id_utente, Istruttore, PeriodoDal, PeriodoAl, id_cat, FreqAllen, GGAllen, Obiettivo, note)
  SELECT max(id_utente), 'Bruno', '2026-12-01', '2026-12-22', 1, 3, '001010100', '', 'Bere molta acqua' FROM utenti;
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 400)
INSERT INTO Esercizi (NProg, ID_Scheda, ID_Fig, Durata, Frequenza, Ampiezza, RecuperoMin, RecuperoSec, Serie,
                      Modalita, Peso, isLibero, Note)
  SELECT i, (SELECT max(id_scheda) FROM schede), f.id_fig, '30s', '40Hz', 'H', 1, 30, 3, 'Combinata', '', 0,
         'esercizio ' || i
  FROM n JOIN (SELECT id_fig, row_number() OVER (ORDER BY id_fig) - 1 AS r FROM figure) AS f
    ON f.r = (n.i - 1) % (SELECT count(*) FROM figure);
SQL
ID400="$(sqlite3 "$LAVORO/splash.ps" 'SELECT max(id_scheda) FROM schede')"
if [ -x /usr/bin/time ] && /usr/bin/python3 -c 'import reportlab' 2>/dev/null; then
  echo "Tempo di CPU dell'intero processo (utente + sistema), mediana di $RUNS esecuzioni:"
  for caso in "40 $ID" "400 $ID400"; do
    read -r esercizi id <<< "$caso"
    # shellcheck disable=SC2046
    rl=$(cpu_mediana $(reportlab "$id" "$LAVORO/reportlab.pdf"))
    vb=$(cpu_mediana "$PROGRAMMA/vibrana-archivio" pdf "$id" "$LAVORO/scheda$esercizi.pdf")
    echo "  $esercizi esercizi: vibrana-archivio $vb ms, ReportLab $rl ms, rapporto $(echo "scale=2; $vb / $rl" | bc)" \
      "($(pdfinfo "$LAVORO/scheda$esercizi.pdf" | awk '/^Pages:/ {print $2}') / $(pdfinfo "$LAVORO/reportlab.pdf" | awk '/^Pages:/ {print $2}') pagine," \
      "$(stat -c %s "$LAVORO/scheda$esercizi.pdf") / $(stat -c %s "$LAVORO/reportlab.pdf") byte)"
  done
else
  echo "Confronto con ReportLab saltato: manca /usr/bin/time o python3-reportlab." >&2
fi
echo "scheda.pdf: $(stat -c %s "$LAVORO/scheda.pdf") byte, $(pdfinfo "$LAVORO/scheda.pdf" | awk '/^Pages:/ {print $2}') pagine"
echo "istruzioni.pdf: $(stat -c %s "$LAVORO/istruzioni.pdf") byte"
if command -v pdfimages >/dev/null; then
  echo "immagini disegnate / incorporate: $(pdfimages -list "$LAVORO/scheda.pdf" | tail -n +3 | wc -l) / $(pdfimages -list "$LAVORO/scheda.pdf" | tail -n +3 | awk '{print $11}' | sort -u | wc -l)"
fi

# Many cards in one process: 100 cards of 40 exercises of one athlete, one file each, CPU time
# (user + system) beside the wall time, since the machine may be shared.
sqlite3 "$LAVORO/splash.ps" <<'SQL'
WITH RECURSIVE c(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM c WHERE k < 99)
INSERT INTO schede (id_utente, Istruttore, PeriodoDal, PeriodoAl, id_cat, FreqAllen, GGAllen, Obiettivo, note)
  SELECT max(id_utente), 'Anna', date('2026-01-01', '+' || k || ' days'), '2026-12-22', 1, 3, '001010100', '', ''
  FROM utenti, c GROUP BY k;
INSERT INTO Esercizi (NProg, ID_Scheda, ID_Fig, Durata, Frequenza, Ampiezza, RecuperoMin, RecuperoSec, Serie,
                      Modalita, Peso, isLibero, Note)
  SELECT e.NProg, s.id_scheda, e.ID_Fig, e.Durata, e.Frequenza, e.Ampiezza, e.RecuperoMin, e.RecuperoSec, e.Serie,
         e.Modalita, e.Peso, e.isLibero, e.Note
  FROM Esercizi e, schede s WHERE e.ID_Scheda = (SELECT min(id_scheda) FROM schede WHERE Istruttore = 'Anna')
                              AND s.id_scheda > e.ID_Scheda AND s.Istruttore = 'Anna';
SQL
ATLETA="$(sqlite3 "$LAVORO/splash.ps" 'SELECT max(id_utente) FROM utenti')"
echo "schede dell'atleta: $(sqlite3 "$LAVORO/splash.ps" "SELECT count(*) FROM schede WHERE id_utente = $ATLETA")"
if [ -x /usr/bin/time ]; then
  /usr/bin/time -f "100 schede: %e s reali, %U s utente + %S s sistema, %M KB di memoria" \
    "$PROGRAMMA/vibrana-archivio" pdf --utente "$ATLETA" "$LAVORO/cartella" >/dev/null
fi
echo "file scritti: $(find "$LAVORO/cartella" -name '*.pdf' | wc -l)"
