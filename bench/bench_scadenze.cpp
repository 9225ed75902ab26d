// Time to open "Schede in scadenza" on a register of 10 000 athletes with 5 cards each: the query
// alone, and the window as the main window opens it (query, fill, show).
#include "PreparaBench.h"
#include "base/Orologio.h"
#include "data/ConnessioneFile.h"
#include "records/Scadenze.h"
#include "selection/SchedeInScadenza.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace {

QTemporaryDir* cartella = nullptr;
constexpr int atleti = 10000;
constexpr int schedePerAtleta = 5;

// Card k of each athlete follows card k-1 by 30 days; the athletes' latest cards end scattered over the
// year around 11/12/2026, so about one in ten is in the list.
void preparaArchivio() {
    auto c = ConnessioneFile::apri(cartella->path() + QStringLiteral("/splash.ps"));
    c->eseguiScript(QStringLiteral("BEGIN;") + sqlAtleti(atleti));
    c->eseguiScript(
        QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i+1 FROM n WHERE i < %1) "
            "INSERT INTO schede (id_utente, Istruttore, PeriodoDal, PeriodoAl, id_cat, FreqAllen, "
            "GGAllen, Obiettivo, note) "
            "SELECT 1 + i / %2, 'Istruttore ' || (i % 13), "
            "date('2026-05-13', '+' || (((1 + i / %2) * 7919) % 360 + (i % %2 - 4) * 30) || ' days'), "
            "date('2026-06-11', '+' || (((1 + i / %2) * 7919) % 360 + (i % %2 - 4) * 30) || ' days'), "
            "1 + i % 6, 3, '001010100', 'Obiettivo ' || i, 'Note ' || i FROM n; COMMIT;")
            .arg(atleti * schedePerAtleta - 1)
            .arg(schedePerAtleta));
}

void BM_ElencoScadenze(benchmark::State& stato) {
    std::size_t righe = 0;
    for (auto _ : stato) {
        righe = schedeInScadenza(Scadenze::giorniPredefiniti).size();
        benchmark::DoNotOptimize(righe);
    }
    stato.counters["righe"] = static_cast<double>(righe);
    if (righe == 0)
        stato.SkipWithError("nessuna scheda in scadenza");
}
BENCHMARK(BM_ElencoScadenze)->Unit(benchmark::kMillisecond);

void BM_AperturaScadenze(benchmark::State& stato) {
    int righe = 0;
    for (auto _ : stato) {
        SchedeInScadenza w;
        w.show();
        QApplication::processEvents();
        righe = w.LW()->topLevelItemCount();
    }
    stato.counters["righe"] = righe;
    if (righe == 0)
        stato.SkipWithError("l'elenco è vuoto");
}
BENCHMARK(BM_AperturaScadenze)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    schermoPredefinito();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    cartella = &dir;
    // The number of days is read from a settings folder of the run's own, never the user's.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    impostaOrologio(QDateTime(QDate(2026, 12, 11), QTime(9, 0)));
    creaArchivioSoloSchema(dir.path() + QStringLiteral("/splash.ps"));
    usaCartella(dir.path());
    preparaArchivio();
    eseguiBenchmark(&argc, argv);
    return 0;
}
