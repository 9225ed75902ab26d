#include "ArchivioStampa.h"
#include "data/Connessione.h"
#include "printing/StampaPdf.h"
#include "records/Figure.h"
#include "records/SchedaModello.h"
#include "records/scheda.h"

#include <QDir>
#include <algorithm>
#include <functional>
#include <memory>

namespace {

// What a task costs in statements, the same for a card of one exercise and of forty: on the shared
// register every statement is a round trip, so a cost that grows with the card grows with the
// distance to the server.
class Istruzioni : public ArchivioStampa {
protected:
    static long long costo(const std::function<void()>& compito) {
        const long long prima = Connessione::istruzioniInviate();
        compito();
        return Connessione::istruzioniInviate() - prima;
    }
    std::int32_t modello(int esercizi) const {
        SchedaModello m;
        m.descrizione = QStringLiteral("Modello di %1").arg(esercizi);
        m.categoria = QStringLiteral("Tonificazione");
        for (int i = 1; i <= esercizi; ++i)
            m.esercizi.Add(esercizio(i));
        m.save();
        return m.id_scheda;
    }
};

TEST_F(Istruzioni, UnaSchedaCostaLeStesseIstruzioniQualunqueSiaLaSuaLunghezza) {
    figura(1);
    palestraDiretta(QString());
    struct Compito {
        const char* nome;
        std::function<void(std::int32_t scheda, std::int32_t modello, std::int32_t atleta)> esegui;
        long long massimo;
    };
    const Compito compiti[] = {
        {"scheda con i suoi esercizi",
         [](std::int32_t id, std::int32_t, std::int32_t) {
             ::scheda s;
             ASSERT_TRUE(s.carica(id));
             s.caricaEsercizi();
         },
         3},
        {"modello con i suoi esercizi",
         [](std::int32_t, std::int32_t id, std::int32_t) {
             SchedaModello m;
             ASSERT_TRUE(m.carica(id));
             m.caricaEsercizi();
         },
         3},
        {"elenco delle schede dell'atleta",
         [](std::int32_t, std::int32_t, std::int32_t atleta) {
             raccoglitore r;
             r.id_utente = atleta;
             ASSERT_TRUE(r.caricaSchede());
         },
         3},
        {"PDF della scheda",
         [this](std::int32_t id, std::int32_t, std::int32_t) {
             ASSERT_GT(scriviSchedaPdf(id, QDir(cartella()).filePath(QStringLiteral("s.pdf"))), 0);
         },
         6},
    };
    std::map<std::string, long long> costi;
    // The server is asked once per connection how the columns of a query are named; the cost that
    // counts is the one of every later card, so each task runs once before it is measured.
    for (int esercizi : {0, 1, 40}) {
        const std::int32_t idScheda = scheda(std::max(esercizi, 1));
        const std::int32_t atleta = static_cast<std::int32_t>(
            contaDiretto(QStringLiteral("SELECT id_utente FROM schede WHERE id_scheda = %1").arg(idScheda)));
        const std::int32_t idModello = modello(std::max(esercizi, 1));
        for (const Compito& c : compiti) {
            SCOPED_TRACE(std::string(c.nome) + ", esercizi: " + std::to_string(esercizi));
            const long long n = costo([&] { c.esegui(idScheda, idModello, atleta); });
            if (esercizi == 0)
                continue;
            RecordProperty(std::string(c.nome) + " " + std::to_string(esercizi), std::to_string(n));
            EXPECT_LE(n, c.massimo);
            if (esercizi == 1)
                costi[c.nome] = n;
            else
                EXPECT_EQ(n, costi[c.nome]) << "il costo cresce con gli esercizi";
        }
    }
}

// Saving: a new card or template, and one opened again with its exercises changed and one more added,
// cost the same statements for one exercise as for forty, and the rows come back as they were saved.
TEST_F(Istruzioni, SalvareUnaSchedaCostaLeStesseIstruzioniQualunqueSiaLaSuaLunghezza) {
    figura(1);
    figura(2);
    eseguiDiretto(QStringLiteral("INSERT INTO utenti (nome, cognome, dataNascita, sesso, Note) "
                                 "VALUES ('Mario', 'Rossi', '1990-03-04', 'M', '')"));
    const auto atleta =
        static_cast<std::int32_t>(contaDiretto(QStringLiteral("SELECT max(id_utente) FROM utenti")));
    struct Compito {
        const char* nome;
        std::function<SchedaEditabile*()> nuova;
        std::function<std::unique_ptr<SchedaEditabile>(std::int32_t)> riaperta;
    };
    const Compito compiti[] = {
        {"scheda", [] { return new ::scheda; },
         [](std::int32_t id) {
             auto s = std::make_unique<::scheda>();
             EXPECT_TRUE(s->carica(id));
             return std::unique_ptr<SchedaEditabile>(std::move(s));
         }},
        {"modello", [] { return new SchedaModello; },
         [](std::int32_t id) {
             auto m = std::make_unique<SchedaModello>();
             EXPECT_TRUE(m->carica(id));
             return std::unique_ptr<SchedaEditabile>(std::move(m));
         }},
    };
    for (const Compito& c : compiti) {
        std::map<std::string, long long> costi;
        bool riscaldato = false;
        for (int esercizi : {1, 1, 40}) {
            SCOPED_TRACE(std::string(c.nome) + ", esercizi: " + std::to_string(esercizi));
            std::unique_ptr<SchedaEditabile> nuova(c.nuova());
            if (auto* s = dynamic_cast<::scheda*>(nuova.get())) {
                s->id_utente = atleta;
                s->Istruttore = QStringLiteral("Anna");
                s->PeriodoDal = QStringLiteral("10/12/2026");
            }
            nuova->categoria = QStringLiteral("Tonificazione");
            for (int i = 1; i <= esercizi; ++i)
                nuova->esercizi.Add(esercizio(i, 1 + i % 2));
            std::int32_t id = 0;
            const long long salvataggio = costo([&] { id = nuova->save(); });
            ASSERT_GT(id, 0);

            auto riaperta = c.riaperta(id);
            riaperta->caricaEsercizi();
            ASSERT_EQ(riaperta->esercizi.Count(), esercizi);
            for (Esercizio& e : riaperta->esercizi)
                e.note = QStringLiteral("cambiata %1").arg(e.nprog);
            riaperta->esercizi.Add(esercizio(esercizi + 1, 2));
            // An update answers 0: what the register holds afterwards tells whether it was stored.
            const long long modifica = costo([&] { riaperta->save(); });

            auto letta = c.riaperta(id);
            letta->caricaEsercizi();
            ASSERT_EQ(letta->esercizi.Count(), esercizi + 1);
            for (long i = 1; i <= letta->esercizi.Count(); ++i) {
                const Esercizio& e = letta->esercizi.Item(i);
                EXPECT_EQ(e.nprog, i);
                EXPECT_EQ(e.ct, riaperta->esercizi.Item(i).ct);
                EXPECT_EQ(e.id_fig, i <= esercizi ? 1 + i % 2 : 2);
                EXPECT_EQ(e.note,
                          i <= esercizi ? QStringLiteral("cambiata %1").arg(i) : QStringLiteral("lento"));
            }
            // The first round pays the server's one-off questions about the tables' keys and columns.
            if (!riscaldato) {
                riscaldato = true;
                continue;
            }
            RecordProperty(std::string(c.nome) + " salvata " + std::to_string(esercizi),
                           std::to_string(salvataggio));
            RecordProperty(std::string(c.nome) + " modificata " + std::to_string(esercizi),
                           std::to_string(modifica));
            EXPECT_LE(salvataggio, 6);
            EXPECT_LE(modifica, 7);
            if (esercizi == 1) {
                costi["salvata"] = salvataggio;
                costi["modificata"] = modifica;
            } else {
                EXPECT_EQ(salvataggio, costi["salvata"]) << "il costo cresce con gli esercizi";
                EXPECT_EQ(modifica, costi["modificata"]) << "il costo cresce con gli esercizi";
            }
        }
    }
}

// The picture catalogue: one statement per list, whatever the number of figures.
TEST_F(Istruzioni, IlCatalogoDelleFigureNonCostaUnaIstruzionePerFigura) {
    for (int i = 1; i <= 30; ++i)
        figura(i);
    Figure primo; // the server's column names, asked once per connection
    primo.init(false);
    for (bool distinte : {false, true}) {
        Figure f;
        const long long n = costo([&] { f.init(distinte); });
        EXPECT_LE(n, 6) << "distinte: " << distinte;
    }
}

} // namespace
