// Time to open "Apri SCHEDA" (load the athlete's card headers, fill the list, show it) for an athlete
// with 1 000 cards.
#include "PreparaBench.h"
#include "data/ConnessioneFile.h"
#include "selection/SchedeSelezione.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace {

QTemporaryDir* cartella = nullptr;

void preparaSchede(int schede) {
    auto c = ConnessioneFile::apri(cartella->path() + QStringLiteral("/splash.ps"));
    c->eseguiScript(
        QStringLiteral("DELETE FROM schede; DELETE FROM utenti;"
                       "INSERT INTO utenti (id_utente, nome, cognome) VALUES (1, 'Mario', 'Rossi');"));
    c->eseguiScript(
        QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i < %1) "
                       "INSERT INTO schede (id_utente, Istruttore, PeriodoDal, PeriodoAl, id_cat, FreqAllen, "
                       "GGAllen, Obiettivo, note) "
                       "SELECT 1, 'Istruttore ' || (i % 13), date('2020-01-01', '+' || i || ' days'), "
                       "date('2020-01-22', '+' || i || ' days'), 1 + i % 6, 3, '001010100', "
                       "'Obiettivo della scheda ' || i, 'Note ' || i FROM n;")
            .arg(schede));
}

void BM_AperturaSchede(benchmark::State& stato) {
    preparaSchede(static_cast<int>(stato.range(0)));
    for (auto _ : stato) {
        // As the main window opens it: set the athlete, fill, show.
        SchedeSelezione w;
        w.id_utente = 1;
        w.fillList();
        w.show();
        QApplication::processEvents();
        if (w.LW()->topLevelItemCount() != stato.range(0))
            stato.SkipWithError("l'elenco non contiene tutte le schede");
    }
}
BENCHMARK(BM_AperturaSchede)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    schermoPredefinito();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    cartella = &dir;
    creaArchivioSoloSchema(dir.path() + QStringLiteral("/splash.ps"));
    usaCartella(dir.path());
    eseguiBenchmark(&argc, argv);
    return 0;
}
