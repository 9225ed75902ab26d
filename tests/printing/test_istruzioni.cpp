#include "ArchivioStampa.h"
#include "data/Connessione.h"
#include "printing/StampaPdf.h"
#include "records/Figure.h"
#include "records/SchedaModello.h"
#include "records/scheda.h"

#include <QDir>
#include <algorithm>
#include <functional>

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
