// Refilling the picture tree of "Selezione Esercizi" from a catalogue of 500 figures: one muscle
// group, and the whole catalogue ("Elenco Completo"). The pictures come from a list filled before
// timing, as the editor's list is filled at start-up; nothing is decoded during a refill.
#include "PreparaBench.h"
#include "base/CartellaProgramma.h"
#include "data/ConnessioneFile.h"
#include "data/CreaArchivio.h"
#include "pictures/GestoriListe.h"
#include "records/Figure.h"
#include "shell/ListaImmagini.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace {

constexpr int numeroFigure = 500;
ListaImmagini* immagini = nullptr;

// 500 figures, each training two muscles of the 18, about 55 figures per group.
void preparaCatalogo(const QString& archivio) {
    auto c = ConnessioneFile::apri(archivio);
    c->eseguiScript(
        QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i < %1) "
                       "INSERT INTO figure (id_fig, numero, ID_MAC, figura) "
                       "SELECT i, i, 'VIBRANA', 'images\\esercizi\\fig_' || i || '.JPG' FROM n;"
                       "INSERT INTO figure_muscoli (id_fig, id_muscolo) "
                       "SELECT f.id_fig, m.id_muscolo FROM figure f JOIN "
                       "(SELECT id_muscolo, row_number() OVER (ORDER BY id_muscolo) - 1 AS k FROM muscoli) m "
                       "ON m.k = f.id_fig % 18 OR m.k = (f.id_fig * 7 + 3) % 18;")
            .arg(numeroFigure));
}

void riempi(benchmark::State& stato, const QString& muscolo) {
    QTreeWidget tw;
    tw.resize(212, 458);
    tw.show();
    GestoreListaIMG g;
    g.tw = &tw;
    g.init(*immagini);
    g.muscolo = muscolo;
    for (auto _ : stato) {
        tw.hide();
        g.aggiorna();
        tw.show();
        QApplication::processEvents();
    }
    stato.counters["nodi"] = tw.topLevelItemCount();
}

void BM_RiempimentoGruppo(benchmark::State& stato) {
    riempi(stato, QStringLiteral("PET"));
}
void BM_RiempimentoElencoCompleto(benchmark::State& stato) {
    riempi(stato, QStringLiteral("*"));
}
BENCHMARK(BM_RiempimentoGruppo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RiempimentoElencoCompleto)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    schermoPredefinito();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    creaArchivioSoloSchema(dir.path() + QStringLiteral("/splash.ps"));
    preparaCatalogo(dir.path() + QStringLiteral("/splash.ps"));
    usaCartella(dir.path());
    dimenticaCartellaProgramma();

    // The editor's figure list: one 150 x 150 picture per figure, made here instead of decoded.
    ListaImmagini lista(QSize(150, 150));
    Figure catalogo;
    catalogo.init(true);
    QImage campione(150, 150, QImage::Format_RGB32);
    for (const figura& f : catalogo.figureVibrana) {
        campione.fill(QColor::fromHsv(f.id_fig % 360, 120, 220));
        lista.aggiungi(f.Figura(), campione);
    }
    immagini = &lista;

    eseguiBenchmark(&argc, argv);
    return 0;
}
