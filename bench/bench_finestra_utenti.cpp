// Time to open "Elenco UTENTI" (load every athlete and fill the list) on registers of 1 000 and
// 10 000 athletes.
#include "base/CartellaProgramma.h"
#include "data/Connessione.h"
#include "data/CreaArchivio.h"
#include "selection/UtentiSelezione.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

namespace {

QTemporaryDir* cartella = nullptr;

void preparaRegistro(int atleti) {
    const QString archivio = cartella->path() + QStringLiteral("/splash.ps");
    auto c = Connessione::apri(archivio);
    c->eseguiScript(QStringLiteral("DELETE FROM utenti;"));
    c->eseguiScript(
        QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i < %1) "
                       "INSERT INTO utenti (nome, cognome, dataNascita, sesso, Note) "
                       "SELECT 'Nome' || i, 'Cognome' || (i * 7919 % %1), "
                       "date('1950-01-01', '+' || (i % 20000) || ' days'), 'M', '' FROM n;")
            .arg(atleti));
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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    cartella = &dir;
    QDir sql(QStringLiteral(VIBRANA_SQL_DIR));
    QTemporaryDir soloSchema;
    for (const QString& f : {QStringLiteral("01_schema.sql"), QStringLiteral("02_dati_base.sql")})
        QFile::copy(sql.filePath(f), soloSchema.path() + QLatin1Char('/') + f);
    creaArchivio(soloSchema.path(), dir.path() + QStringLiteral("/splash.ps"));
    qputenv("VIBRANA_CARTELLA", dir.path().toLocal8Bit());
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    return 0;
}
