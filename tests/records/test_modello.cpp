#include "ArchivioSchede.h"
#include "records/SchedaModello.h"
#include "records/scheda.h"

#include <functional>
#include <memory>

namespace {

class Modelli : public ArchivioSchede {
protected:
    void SetUp() override {
        ArchivioSchede::SetUp();
        atleta = atletaDiretto();
    }
    std::int32_t atleta = 0;
};

TEST_F(Modelli, CaricaIlModelloEISuoiEsercizi) {
    const auto id = modelloDiretto(QStringLiteral("Base dell'anca"), 3, true);
    SchedaModello m;
    ASSERT_TRUE(m.carica(id));
    EXPECT_TRUE(m.isSaved);
    EXPECT_TRUE(m.isModello);
    EXPECT_EQ(m.id_scheda, id);
    EXPECT_EQ(m.id_cat, 2);
    EXPECT_EQ(m.categoria, QStringLiteral("Tonificazione"));
    EXPECT_EQ(m.descrizione, QStringLiteral("Base dell'anca"));
    EXPECT_EQ(m.note, QStringLiteral("note del modello"));
    EXPECT_TRUE(m.preimpostata);
    EXPECT_EQ(m.esercizi.Count(), 0);
    m.caricaEsercizi();
    ASSERT_EQ(m.esercizi.Count(), 3);
    for (const Esercizio& e : m.esercizi) {
        EXPECT_TRUE(e.isModello);
        EXPECT_EQ(e.durata, QStringLiteral("45s"));
    }

    SchedaModello mancante;
    EXPECT_FALSE(mancante.carica(999));
    EXPECT_TRUE(mancante.isSaved);
    EXPECT_EQ(messaggi().testi(), QStringList{QStringLiteral("Archivio Vuoto o Problemi di connessione!")});
}

TEST_F(Modelli, TestoDiInsertEUpdate) {
    SchedaModello m;
    m.categoria = QStringLiteral("Riabilitazione");
    m.descrizione = QStringLiteral("Schiena dell'anziano");
    m.note = QStringLiteral("piano");
    m.esercizi.Add(esercizio(9));
    svuotaLog();
    const auto id = m.save();
    ASSERT_GT(id, 0);
    const auto ct = m.esercizi.Item(1).ct;
    m.esercizi.Item(1).ct = 0; // so the exercise is written again, now as an insert of its own
    eseguiDiretto(QStringLiteral("DELETE FROM EserciziModello"));
    m.preimpostata = true;
    m.save();
    // The row of the exercise it held is no longer its own: the save deletes it and inserts anew.
    const QStringList istr = istruzioni();
    ASSERT_EQ(istr.size(), 5);
    EXPECT_EQ(
        istr[3],
        QStringLiteral("DELETE * FROM EserciziModello WHERE id_scheda = %1 AND ct IN (%2)").arg(id).arg(ct));
    EXPECT_EQ(istr[0],
              QStringLiteral("INSERT INTO schedeModello (id_cat,descrizione,preimpostata,[note]) VALUES "
                             "(4,'Schiena dell`anziano',FALSE,'piano')"));
    EXPECT_TRUE(istr[1].startsWith(QStringLiteral("INSERT INTO EserciziModello  (")));
    EXPECT_EQ(istr[2], QStringLiteral("UPDATE schedemodello SET descrizione= 'Schiena dell`anziano',id_cat=4,"
                                      "preimpostata=TRUE,[note]='piano' WHERE id_Scheda=%1")
                           .arg(id));
    EXPECT_GT(ct, 0);
    EXPECT_EQ(
        conta(QStringLiteral("EserciziModello"), QStringLiteral("ID_Scheda = %1 AND NProg = 1").arg(id)), 1);
    EXPECT_EQ(conta(QStringLiteral("Esercizi")), 0);
}

TEST_F(Modelli, InsertRifiutataNonToccaAltriModelli) {
    const auto altro = modelloDiretto(QStringLiteral("altro"), 2);
    SchedaModello m;
    m.id_cat = 999; // no such category: the database refuses the template
    m.descrizione = QStringLiteral("nuovo");
    m.esercizi.Add(esercizio(1));
    EXPECT_EQ(m.save(), 0);
    EXPECT_EQ(m.id_scheda, 0);
    EXPECT_FALSE(m.isSaved);
    EXPECT_EQ(m.esercizi.Item(1).ct, 0);
    EXPECT_EQ(conta(QStringLiteral("schedeModello")), 1);
    EXPECT_EQ(conta(QStringLiteral("EserciziModello")), 2);
    EXPECT_EQ(conta(QStringLiteral("EserciziModello"), QStringLiteral("ID_Scheda = %1").arg(altro)), 2);
    EXPECT_EQ(messaggi().testi().size(), 1);
}

TEST_F(Modelli, IlModelloPreimpostatoRestaTale) {
    const auto id = modelloDiretto(QStringLiteral("Dato"), 1, true);
    SchedaModello m;
    m.carica(id);
    m.caricaEsercizi();
    m.note = QStringLiteral("altre");
    EXPECT_EQ(m.save(), 0);
    EXPECT_EQ(
        conta(QStringLiteral("schedeModello"), QStringLiteral("id_Scheda = %1 AND preimpostata = 1").arg(id)),
        1);
}

TEST_F(Modelli, EliminaSoloQuelModello) {
    const auto a = modelloDiretto(QStringLiteral("a"), 2);
    const auto b = modelloDiretto(QStringLiteral("b"), 2);
    SchedaModello m;
    m.carica(a);
    EXPECT_TRUE(m.Elimina(0));
    EXPECT_EQ(conta(QStringLiteral("schedeModello"), QStringLiteral("id_Scheda = %1").arg(a)), 0);
    EXPECT_EQ(conta(QStringLiteral("schedeModello"), QStringLiteral("id_Scheda = %1").arg(b)), 1);
    EXPECT_EQ(conta(QStringLiteral("EserciziModello"), QStringLiteral("ID_Scheda = %1").arg(b)), 2);
}

TEST_F(Modelli, EliminaEsercizioDiUnModello) {
    const auto id = modelloDiretto(QStringLiteral("a"), 3);
    SchedaModello m;
    m.carica(id);
    m.caricaEsercizi();
    const auto ct = m.esercizi.Item(1).ct;
    svuotaLog();
    m.EliminaEsercizio(1);
    EXPECT_TRUE(istruzioni().isEmpty());
    EXPECT_EQ(m.esercizi.Item(1).nprog, 1);
    EXPECT_EQ(m.esercizi.Item(2).nprog, 2);
    m.save();
    EXPECT_EQ(conta(QStringLiteral("EserciziModello"), QStringLiteral("ct = %1").arg(ct)), 0);
    EXPECT_EQ(conta(QStringLiteral("EserciziModello"), QStringLiteral("ID_Scheda = %1").arg(id)), 2);
}

TEST_F(Modelli, RaccoglitoreModelliCaricaTutti) {
    modelloDiretto(QStringLiteral("a"), 1);
    modelloDiretto(QStringLiteral("b"), 0, true);
    RaccoglitoreModelli r;
    EXPECT_TRUE(r.caricaSchede());
    ASSERT_EQ(r.archivio.Count(), 2);
    EXPECT_EQ(r.archivio.Item(1).descrizione, QStringLiteral("a"));
    EXPECT_TRUE(r.archivio.Item(2).preimpostata);
    EXPECT_EQ(r.archivio.Item(1).esercizi.Count(), 0);
}

// The copy in every direction: source loaded with its exercises, destination a fresh record
// (or, for soloEsercizi, a stored header of its own).
TEST_F(Modelli, TravasaInOgniDirezione) {
    struct {
        const char* nome;
        bool daModello;
        bool aModello;
        bool soloEsercizi;
    } casi[] = {
        {"scheda -> modello", false, true, true},
        {"modello -> scheda", true, false, false},
        {"scheda -> scheda", false, false, false},
        {"modello -> modello", true, true, true},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        std::unique_ptr<SchedaEditabile> sorgente;
        if (c.daModello) {
            auto m = std::make_unique<SchedaModello>();
            m->carica(modelloDiretto(QStringLiteral("sorgente"), 3));
            sorgente = std::move(m);
        } else {
            auto s = std::make_unique<scheda>();
            s->carica(schedaDiretta(atleta, 3));
            sorgente = std::move(s);
        }
        sorgente->caricaEsercizi();
        std::vector<std::int32_t> ctSorgente;
        for (const Esercizio& e : sorgente->esercizi)
            ctSorgente.push_back(e.ct);
        const auto righeSorgente =
            conta(c.daModello ? QStringLiteral("EserciziModello") : QStringLiteral("Esercizi"));

        std::unique_ptr<SchedaEditabile> destinazione;
        if (c.aModello) {
            auto m = std::make_unique<SchedaModello>();
            if (c.soloEsercizi) {
                eseguiDiretto(QStringLiteral("INSERT INTO schedeModello (id_cat, descrizione, preimpostata) "
                                             "VALUES (6, 'nuovo', 0)"));
                m->carica(static_cast<std::int32_t>(
                    contaDiretto(QStringLiteral("SELECT max(id_Scheda) FROM schedeModello"))));
            }
            destinazione = std::move(m);
        } else {
            auto s = std::make_unique<scheda>();
            s->id_utente = atleta;
            s->Istruttore = QStringLiteral("Io");
            s->FreqAllen = 2;
            destinazione = std::move(s);
        }
        const auto catPrima = destinazione->categoria;

        EXPECT_TRUE(sorgente->travasaTo(*destinazione, c.soloEsercizi));
        EXPECT_EQ(destinazione->note, sorgente->note);
        if (c.soloEsercizi) {
            EXPECT_EQ(destinazione->categoria, catPrima);
        } else {
            EXPECT_EQ(destinazione->categoria, sorgente->categoria);
            EXPECT_EQ(destinazione->id_cat, sorgente->id_cat);
        }
        ASSERT_EQ(destinazione->esercizi.Count(), 3);
        for (long i = 1; i <= 3; ++i) {
            const Esercizio& copia = destinazione->esercizi.Item(i);
            EXPECT_EQ(copia.ct, 0);
            EXPECT_EQ(copia.isModello, c.aModello);
            EXPECT_EQ(copia.id_fig, sorgente->esercizi.Item(i).id_fig);
            EXPECT_EQ(copia.note, sorgente->esercizi.Item(i).note);
            EXPECT_NE(&copia, &sorgente->esercizi.Item(i));
        }

        const auto id = destinazione->save();
        const auto idDest = id != 0 ? id : destinazione->id_scheda;
        ASSERT_GT(idDest, 0);
        const QString tabella = c.aModello ? QStringLiteral("EserciziModello") : QStringLiteral("Esercizi");
        for (long i = 1; i <= 3; ++i)
            EXPECT_EQ(conta(tabella, QStringLiteral("ID_Scheda = %1 AND NProg = %2 AND ID_Fig = %3")
                                         .arg(idDest)
                                         .arg(i)
                                         .arg(destinazione->esercizi.Item(i).id_fig)),
                      1);
        // The source's exercises and rows are untouched.
        ASSERT_EQ(sorgente->esercizi.Count(), 3);
        for (long i = 1; i <= 3; ++i) {
            EXPECT_EQ(sorgente->esercizi.Item(i).ct, ctSorgente[static_cast<size_t>(i - 1)]);
            EXPECT_EQ(sorgente->esercizi.Item(i).isModello, c.daModello);
        }
        if (c.daModello != c.aModello) {
            EXPECT_EQ(conta(c.daModello ? QStringLiteral("EserciziModello") : QStringLiteral("Esercizi")),
                      righeSorgente);
        }
        // Header fields of the destination are its own.
        if (auto* s = dynamic_cast<scheda*>(destinazione.get())) {
            EXPECT_EQ(s->Istruttore, QStringLiteral("Io"));
            EXPECT_EQ(s->FreqAllen, 2);
        }
        if (auto* m = dynamic_cast<SchedaModello*>(destinazione.get()); m && c.soloEsercizi) {
            EXPECT_EQ(m->descrizione, QStringLiteral("nuovo"));
            EXPECT_EQ(m->id_cat, 6);
        }
    }
}

TEST_F(Modelli, TravasaInSeStesso) {
    scheda s;
    s.carica(schedaDiretta(atleta, 2));
    s.caricaEsercizi();
    EXPECT_TRUE(s.travasaTo(s, true));
    EXPECT_EQ(s.esercizi.Count(), 4);
    EXPECT_EQ(s.esercizi.Item(3).note, s.esercizi.Item(1).note);
    EXPECT_EQ(s.esercizi.Item(3).ct, 0);
}

} // namespace
