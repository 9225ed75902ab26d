// Time to open "Elenco UTENTI" (load every athlete and fill the list) on registers of 1 000 and
// 10 000 athletes.
#include "PreparaBench.h"
#include "base/CartellaProgramma.h"
#include "data/ConnessioneFile.h"
#include "selection/UtentiSelezione.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace {

QTemporaryDir* cartella = nullptr;

void preparaRegistro(int atleti) {
    const QString archivio = cartella->path() + QStringLiteral("/splash.ps");
    auto c = ConnessioneFile::apri(archivio);
    c->eseguiScript(QStringLiteral("DELETE FROM utenti;"));
    c->eseguiScript(sqlAtleti(atleti));
}

void BM_AperturaElenco(benchmark::State& stato) {
    preparaRegistro(static_cast<int>(stato.range(0)));
    for (auto _ : stato) {
        UtentiSelezione w;
        w.show();
        QApplication::processEvents();
        if (w.LW()->topLevelItemCount() != stato.range(0))
            stato.SkipWithError("l'elenco non contiene tutti gli atleti");
    }
}
BENCHMARK(BM_AperturaElenco)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

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
