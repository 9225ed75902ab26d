// Timings of the record classes on a database of realistic size: the athlete list, a long card,
// and the figure catalogue read at start-up.
#include "base/CartellaProgramma.h"
#include "data/ConnessioneFile.h"
#include "data/CreaArchivio.h"
#include "data/LettoriCampi.h"
#include "data/RecordSet.h"
#include "data/db.h"
#include "records/Figure.h"
#include "records/scheda.h"
#include "records/utente.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

// A program folder with a fresh database (schema and base rows), made the program folder.
class Cartella {
public:
    Cartella() {
        QTemporaryDir sql;
        for (const char* f : {"01_schema.sql", "02_dati_base.sql"})
            QFile::copy(QStringLiteral(VIBRANA_SQL_DIR "/") + QLatin1String(f),
                        sql.path() + QLatin1Char('/') + QLatin1String(f));
        creaArchivio(sql.path(), dir_.path() + QStringLiteral("/splash.ps"));
        qputenv("VIBRANA_CARTELLA", dir_.path().toLocal8Bit());
        dimenticaCartellaProgramma();
    }
    void esegui(const QString& sql) const {
        auto c = ConnessioneFile::apri(dir_.path() + QStringLiteral("/splash.ps"));
        c->eseguiScript(QStringLiteral("BEGIN;") + sql + QStringLiteral("COMMIT;"));
    }
    void attiva() const {
        qputenv("VIBRANA_CARTELLA", dir_.path().toLocal8Bit());
        dimenticaCartellaProgramma();
    }

private:
    QTemporaryDir dir_;
};

Cartella& conAtleti(int n) {
    static std::map<int, std::unique_ptr<Cartella>> cartelle;
    auto& c = cartelle[n];
    if (!c) {
        c = std::make_unique<Cartella>();
        QString sql;
        for (int i = 1; i <= n; ++i)
            sql += QStringLiteral("INSERT INTO utenti (nome, cognome, dataNascita, sesso, Note) VALUES "
                                  "('Nome%1', 'Cognome%1', '1980-05-%2', 'F', 'nota');")
                       .arg(i)
                       .arg(1 + i % 28, 2, 10, QLatin1Char('0'));
        c->esegui(sql);
    }
    c->attiva();
    return *c;
}

// As the athlete list fills itself: the identifiers, then one record loaded per identifier.
void ElencoAtletiUnoPerUno(benchmark::State& stato) {
    conAtleti(static_cast<int>(stato.range(0)));
    for (auto _ : stato) {
        std::vector<utente> elenco;
        RecordSet rs = db().getRs(QStringLiteral("SELECT id_utente FROM UTENTI"));
        for (rs.MoveFirst(); !rs.eof(); rs.MoveNext()) {
            utente u;
            u.carica(cLong(rs[QStringLiteral("id_utente")]));
            elenco.push_back(std::move(u));
        }
        benchmark::DoNotOptimize(elenco.data());
    }
    stato.SetItemsProcessed(stato.iterations() * stato.range(0));
}
BENCHMARK(ElencoAtletiUnoPerUno)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The same list read with one query.
void ElencoAtletiCaricaTutti(benchmark::State& stato) {
    conAtleti(static_cast<int>(stato.range(0)));
    for (auto _ : stato) {
        std::vector<utente> elenco = utente::caricaTutti();
        benchmark::DoNotOptimize(elenco.data());
    }
    stato.SetItemsProcessed(stato.iterations() * stato.range(0));
}
BENCHMARK(ElencoAtletiCaricaTutti)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

Cartella& conScheda40(std::int32_t& idScheda) {
    static std::unique_ptr<Cartella> c;
    static std::int32_t id = 0;
    if (!c) {
        c = std::make_unique<Cartella>();
        QString sql =
            QStringLiteral("INSERT INTO utenti (nome, cognome) VALUES ('Mario', 'Rossi');"
                           "INSERT INTO schede (id_utente, Istruttore, PeriodoDal, PeriodoAl, id_cat, "
                           "FreqAllen, GGAllen, Obiettivo, note) VALUES (1, 'Anna', '2026-01-10', "
                           "'2026-01-31', 1, 3, '001010100', 'tono', 'note');");
        for (int i = 1; i <= 40; ++i)
            sql +=
                QStringLiteral("INSERT INTO Esercizi (NProg, ID_Scheda, ID_Fig, Durata, Frequenza, Ampiezza, "
                               "RecuperoMin, RecuperoSec, Serie, Modalita, Peso, isLibero, Note) VALUES "
                               "(%1, 1, %1, '30s', '35Hz', 'L', 1, 30, 3, 'Combinata', '', 0, 'nota %1');")
                    .arg(i);
        c->esegui(sql);
        id = 1;
    }
    c->attiva();
    idScheda = id;
    return *c;
}

void CaricaScheda40(benchmark::State& stato) {
    std::int32_t id = 0;
    conScheda40(id);
    for (auto _ : stato) {
        scheda s;
        s.carica(id);
        s.caricaEsercizi();
        if (s.esercizi.Count() != 40)
            stato.SkipWithError("la scheda non ha 40 esercizi");
    }
}
BENCHMARK(CaricaScheda40)->Unit(benchmark::kMillisecond);

// A new card of 40 exercises: header insert and 40 exercise inserts.
void SalvaNuovaScheda40(benchmark::State& stato) {
    std::int32_t id = 0;
    conScheda40(id);
    scheda modello;
    modello.carica(id);
    modello.caricaEsercizi();
    for (auto _ : stato) {
        stato.PauseTiming();
        scheda s;
        modello.travasaTo(s, false);
        s.id_utente = modello.id_utente;
        s.Istruttore = modello.Istruttore;
        stato.ResumeTiming();
        if (s.save() == 0)
            stato.SkipWithError("salvataggio non riuscito");
    }
}
BENCHMARK(SalvaNuovaScheda40)->Unit(benchmark::kMillisecond);

// The stored card saved again: header and 40 exercise updates.
void SalvaSchedaEsistente40(benchmark::State& stato) {
    std::int32_t id = 0;
    conScheda40(id);
    scheda s;
    s.carica(id);
    s.caricaEsercizi();
    for (auto _ : stato) {
        s.save();
        if (!s.isSaved)
            stato.SkipWithError("salvataggio non riuscito");
    }
}
BENCHMARK(SalvaSchedaEsistente40)->Unit(benchmark::kMillisecond);

void FigureInit500(benchmark::State& stato) {
    static std::unique_ptr<Cartella> c;
    if (!c) {
        c = std::make_unique<Cartella>();
        static const char* muscoli[] = {"ADD", "ADU", "BIC", "DAL", "DEP", "DOR", "ERE", "FI1", "FI2",
                                        "FI3", "GLU", "ICE", "ICI", "PET", "POL", "QUA", "TRA", "TRI"};
        QString sql;
        for (int i = 1; i <= 500; ++i) {
            sql += QStringLiteral(
                       "INSERT INTO figure (id_fig, numero, ID_MAC, figura) VALUES (%1, %2, 'VIBRANA', "
                       "'images\\Vibrana\\%1.jpg');")
                       .arg(i)
                       .arg(i * 0.5);
            for (int k = 0; k < 2; ++k)
                sql += QStringLiteral("INSERT INTO figure_muscoli (id_fig, id_muscolo) VALUES (%1, '%2');")
                           .arg(i)
                           .arg(QLatin1String(muscoli[(i + k * 7) % 18]));
        }
        c->esegui(sql);
    }
    c->attiva();
    const bool distinct = stato.range(0) != 0;
    for (auto _ : stato) {
        Figure f;
        f.init(distinct);
        if (f.figureVibrana.Count() != (distinct ? 500 : 1000))
            stato.SkipWithError("catalogo incompleto");
    }
}
BENCHMARK(FigureInit500)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
