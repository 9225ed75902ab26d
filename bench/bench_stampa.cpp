// Time to open the print preview of a 40-exercise card (four sheets, 40 different pictures): build
// the sheets and show sheet 1 painted; and to write the four sheets into a PDF file.
//   QT_QPA_PLATFORM=offscreen build/prove/bench/bench_stampa [--benchmark_...]
// The program folder of the build (splash.ps and images/) provides catalogue and pictures.
#include "base/CartellaProgramma.h"
#include "base/variabiliGlobali.h"
#include "data/ConnessioneFile.h"
#include "printing/DisegnaFoglio.h"
#include "printing/PrinterCanvas.h"
#include "printing/StampaPdf.h"
#include "printing/SuperficieFoglio.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

QTemporaryDir* cartella = nullptr;
std::int32_t idScheda = 0;

std::int32_t preparaScheda(const QString& archivio) {
    auto c = ConnessioneFile::apri(archivio);
    c->eseguiScript(QStringLiteral(
        "INSERT INTO utenti (nome, cognome, dataNascita, sesso, Note) "
        "VALUES ('Mario', 'Rossi', '1990-03-04', 'M', '');"
        "INSERT INTO schede (id_utente, Istruttore, PeriodoDal, PeriodoAl, id_cat, "
        "FreqAllen, GGAllen, Obiettivo, note) SELECT max(id_utente), 'Anna', "
        "'2026-12-01', '2026-12-22', 1, 3, '001010100', '', 'Bere molta acqua' "
        "FROM utenti;"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i < 40) "
        "INSERT INTO Esercizi (NProg, ID_Scheda, ID_Fig, Durata, Frequenza, Ampiezza, "
        "RecuperoMin, RecuperoSec, Serie, Modalita, Peso, isLibero, Note) "
        "SELECT i, (SELECT max(id_scheda) FROM schede), f.id_fig, '30s', '40Hz', 'H', 1, 30, 3, "
        "'Combinata', '', 0, 'esercizio ' || i FROM n JOIN (SELECT id_fig, "
        "row_number() OVER (ORDER BY id_fig) AS r FROM figure) AS f ON f.r = n.i;"));
    return static_cast<std::int32_t>(
        c->interroga(QStringLiteral("SELECT max(id_scheda) FROM schede")).campo(0).toInt());
}

void BM_AnteprimaFoglio1(benchmark::State& stato) {
    idSchedaSelezionata = idScheda;
    for (auto _ : stato) {
        dimenticaImmaginiFoglio(); // every opening loads its pictures afresh
        PrinterCanvas w;
        w.show();
        QApplication::processEvents();
        const QPixmap dipinto = w.canvas()->grab();
        if (w.testoStato() != QLatin1String("Pagina 1/4") || dipinto.isNull())
            stato.SkipWithError("anteprima non mostrata");
    }
}
BENCHMARK(BM_AnteprimaFoglio1)->Unit(benchmark::kMillisecond);

void BM_SchedaInPdf(benchmark::State& stato) {
    const QString file = cartella->path() + QStringLiteral("/scheda.pdf");
    for (auto _ : stato) {
        dimenticaImmaginiFoglio();
        scriviSchedaPdf(idScheda, file);
    }
    stato.counters["byte"] = static_cast<double>(QFileInfo(file).size());
}
BENCHMARK(BM_SchedaInPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString origine = QStringLiteral(VIBRANA_CARTELLA_BUILD);
    QTemporaryDir dir;
    cartella = &dir;
    if (!QFile::copy(origine + QStringLiteral("/splash.ps"), dir.path() + QStringLiteral("/splash.ps"))) {
        std::fprintf(stderr, "Manca %s/splash.ps\n", qPrintable(origine));
        return 1;
    }
    QFile::setPermissions(dir.path() + QStringLiteral("/splash.ps"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile::link(origine + QStringLiteral("/images"), dir.path() + QStringLiteral("/images"));
    qputenv("VIBRANA_CARTELLA", dir.path().toLocal8Bit());
    idScheda = preparaScheda(dir.path() + QStringLiteral("/splash.ps"));
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    return 0;
}
