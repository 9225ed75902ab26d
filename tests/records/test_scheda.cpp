#include "ArchivioSchede.h"
#include "records/scheda.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace {

class Schede : public ArchivioSchede {
protected:
    void SetUp() override {
        ArchivioSchede::SetUp();
        atleta = atletaDiretto();
    }

    scheda nuovaScheda() const {
        scheda s;
        s.id_utente = atleta;
        s.Istruttore = QStringLiteral("Anna");
        s.PeriodoDal = QStringLiteral("10/12/2026");
        s.PeriodoAl = QStringLiteral("31/12/2026");
        s.categoria = QStringLiteral("Tonificazione");
        s.Obiettivo = QStringLiteral("tono");
        s.FreqAllen = 3;
        s.GGAllen = QStringLiteral("001010100");
        s.note = QStringLiteral("fine");
        return s;
    }

    std::vector<qlonglong> nprogDi(std::int32_t idScheda) const {
        std::vector<qlonglong> r;
        const qlonglong n = conta(QStringLiteral("Esercizi"), QStringLiteral("ID_Scheda = %1").arg(idScheda));
        for (qlonglong i = 0; i < n; ++i)
            r.push_back(contaDiretto(
                QStringLiteral(
                    "SELECT NProg FROM Esercizi WHERE ID_Scheda = %1 ORDER BY NProg LIMIT 1 OFFSET %2")
                    .arg(idScheda)
                    .arg(i)));
        return r;
    }

    std::int32_t atleta = 0;
};

TEST_F(Schede, QuattroEserciziConIlTerzoVuoto) {
    scheda s = nuovaScheda();
    s.esercizi.Add(esercizio(101));
    s.esercizi.Add(libero(QStringLiteral("corsa")));
    s.esercizi.Add(Esercizio()); // neither picture nor free: not stored
    s.esercizi.Add(esercizio(104));

    const auto id = s.save();
    ASSERT_GT(id, 0);
    EXPECT_EQ(s.id_scheda, id);
    EXPECT_TRUE(s.isSaved);
    EXPECT_EQ(nprogDi(id), (std::vector<qlonglong>{1, 2, 4}));
    EXPECT_EQ(s.esercizi.Item(3).nprog, 0); // the skipped one keeps its number
    EXPECT_EQ(s.esercizi.Item(3).ct, 0);
    for (long i : {1, 2, 4}) {
        EXPECT_NE(s.esercizi.Item(i).ct, 0);
        EXPECT_EQ(s.esercizi.Item(i).id_scheda, id);
    }
    EXPECT_EQ(conta(QStringLiteral("schede"), QStringLiteral("id_scheda = %1 AND id_cat = 2").arg(id)), 1);
}

TEST_F(Schede, TestoDiInsertEUpdateDellIntestazione) {
    scheda s = nuovaScheda();
    svuotaLog();
    const auto id = s.save();
    ASSERT_GT(id, 0);
    s.save();
    const QStringList attese{
        QStringLiteral(
            "INSERT INTO schede (id_utente,istruttore,periododal,periodoal, id_cat,freqAllen,GGAllen,"
            "obiettivo,[note]) VALUES ('%1','Anna',#12/10/2026#,#12/31/2026#,2,3,'001010100','tono',"
            "'fine')")
            .arg(atleta),
        QStringLiteral("UPDATE schede SET id_utente= '%1',istruttore = 'Anna',periododal = #12/10/2026#,"
                       "periodoal = #12/31/2026#,id_cat=2 ,obiettivo='tono',freqAllen=3,GGAllen='001010100',"
                       "[note]='fine' WHERE id_scheda=%2")
            .arg(atleta)
            .arg(id)};
    EXPECT_EQ(istruzioni(), attese);
}

TEST_F(Schede, TestoDiInsertEUpdateDellEsercizio) {
    Esercizio e = esercizio(7, QStringLiteral("n"));
    e.id_scheda = schedaDiretta(atleta);
    e.nprog = 1;
    svuotaLog();
    const auto ct = e.save();
    ASSERT_GT(ct, 0);
    EXPECT_EQ(e.ct, ct);
    EXPECT_EQ(e.save(), 0);
    const QStringList attese{
        QStringLiteral(
            "INSERT INTO Esercizi  (NProg, ID_Scheda, ID_Fig, Durata, Frequenza, Ampiezza, RecuperoMin,"
            "RecuperoSec,Serie, Modalita, Peso, isLibero, [Note])  VALUES (1,%1,7,'30s','35Hz','L',1,30,"
            "'3','Statico a carico naturale','',FALSE,'n')")
            .arg(e.id_scheda),
        QStringLiteral(
            "UPDATE Esercizi SET NProg = 1,ID_Scheda = %1,ID_Fig = 7,Durata = '30s',Frequenza = '35Hz',"
            "Ampiezza = 'L',RecuperoMin = 1,RecuperoSec = 30,Serie = 3,Modalita = 'Statico a carico "
            "naturale',peso = '',isLibero = FALSE,[Note]='n' WHERE ct=%2")
            .arg(e.id_scheda)
            .arg(ct)};
    EXPECT_EQ(istruzioni(), attese);
    EXPECT_EQ(conta(QStringLiteral("Esercizi"),
                    QStringLiteral("ct = %1 AND Serie = 3 AND RecuperoSec = 30").arg(ct)),
              1);
}

TEST_F(Schede, EsercizioDiModelloVaInEserciziModello) {
    const auto modello = modelloDiretto(QStringLiteral("m"));
    const auto cartaCt = [&] {
        Esercizio e = esercizio(1);
        e.id_scheda = schedaDiretta(atleta);
        return e.save();
    }();
    Esercizio e = esercizio(5);
    e.isModello = true;
    e.id_scheda = modello;
    e.nprog = 1;
    svuotaLog();
    const auto ct = e.save();
    EXPECT_EQ(ct, contaDiretto(QStringLiteral("SELECT max(ct) FROM EserciziModello")));
    EXPECT_TRUE(istruzioni().value(0).startsWith(QStringLiteral("INSERT INTO EserciziModello  (")));
    EXPECT_EQ(conta(QStringLiteral("EserciziModello"),
                    QStringLiteral("ct = %1 AND ID_Scheda = %2").arg(ct).arg(modello)),
              1);
    EXPECT_EQ(conta(QStringLiteral("Esercizi"), QStringLiteral("ct = %1").arg(cartaCt)), 1);
    EXPECT_EQ(conta(QStringLiteral("Esercizi")), 1); // nothing went into the cards' table

    Esercizio letto;
    letto.isModello = true;
    ASSERT_TRUE(letto.carica(ct));
    EXPECT_EQ(letto.id_fig, 5);
    EXPECT_TRUE(letto.Elimina(0));
    EXPECT_EQ(conta(QStringLiteral("EserciziModello")), 0);
}

TEST_F(Schede, CaricaEsercizioConValoriNulli) {
    const auto id = schedaDiretta(atleta);
    eseguiDiretto(
        QStringLiteral("INSERT INTO Esercizi (NProg, ID_Scheda, ID_Fig, Durata, Frequenza, Ampiezza, "
                       "isLibero) VALUES (4, %1, 9, '45s', '40Hz', 'H', 1)")
            .arg(id));
    Esercizio e;
    ASSERT_TRUE(
        e.carica(static_cast<std::int32_t>(contaDiretto(QStringLiteral("SELECT max(ct) FROM Esercizi")))));
    EXPECT_EQ(e.nprog, 4);
    EXPECT_EQ(e.id_fig, 9);
    EXPECT_EQ(e.durata, QStringLiteral("45s"));
    EXPECT_EQ(e.recuperoMin, 0);
    EXPECT_EQ(e.recuperoSec, 0);
    EXPECT_EQ(e.serie, 0);
    EXPECT_TRUE(e.modalita.isEmpty() && e.peso.isEmpty() && e.note.isEmpty());
    EXPECT_TRUE(e.isLibero);
    EXPECT_EQ(e.id_scheda, 0); // not read: the owner knows it

    Esercizio mancante = esercizio(3);
    EXPECT_FALSE(mancante.carica(9999));
    EXPECT_EQ(messaggi().testi(), QStringList{QStringLiteral("ERR:Problemi di connessione")});
    EXPECT_EQ(mancante.id_fig, 3);
}

TEST_F(Schede, EliminaEsercizioNuovoNonTrovaRighe) {
    schedaDiretta(atleta, 2);
    Esercizio e;
    svuotaLog();
    EXPECT_TRUE(e.Elimina(0));
    EXPECT_EQ(istruzioni(), QStringList{QStringLiteral("DELETE * FROM Esercizi WHERE ct=0")});
    EXPECT_EQ(conta(QStringLiteral("Esercizi")), 2);
}

TEST_F(Schede, CopiaConLoStessoCtAggiornaLaRigaDellOriginale) {
    const auto id = schedaDiretta(atleta, 1);
    Esercizio originale;
    originale.carica(static_cast<std::int32_t>(contaDiretto(QStringLiteral("SELECT max(ct) FROM Esercizi"))));
    Esercizio copia;
    copia.nuovoDaEsercizio(originale);
    EXPECT_EQ(copia.ct, originale.ct);
    EXPECT_EQ(copia.id_scheda, 0); // not copied
    copia.id_scheda = id;
    copia.note = QStringLiteral("cambiata");
    EXPECT_EQ(copia.save(), 0);
    EXPECT_EQ(conta(QStringLiteral("Esercizi")), 1);
    EXPECT_EQ(conta(QStringLiteral("Esercizi"), QStringLiteral("Note = 'cambiata'")), 1);
}

TEST_F(Schede, GetFotoDaIlPercorsoDelCatalogo) {
    eseguiDiretto(QStringLiteral("INSERT INTO figure (id_fig, numero, ID_MAC, figura) VALUES "
                                 "(12, 1, 'VIBRANA', 'images\\Vibrana\\12.jpg')"));
    Esercizio e;
    e.id_fig = 12;
    EXPECT_EQ(e.getFoto(), QStringLiteral("images\\Vibrana\\12.jpg"));
    e.id_fig = 0;
    EXPECT_EQ(e.getFoto(), ERR_DATI_NON_TROVATI);
}

TEST_F(Schede, EliminaEsercizioDueDiCinque) {
    const auto id = schedaDiretta(atleta, 5);
    scheda s;
    ASSERT_TRUE(s.carica(id));
    s.caricaEsercizi();
    ASSERT_EQ(s.esercizi.Count(), 5);
    const auto ctSecondo = s.esercizi.Item(2).ct;

    svuotaLog();
    s.EliminaEsercizio(2);
    // The register follows at the next save, with the rest of the card: a card closed without saving
    // keeps the exercise.
    EXPECT_TRUE(istruzioni().isEmpty());
    EXPECT_EQ(conta(QStringLiteral("Esercizi"), QStringLiteral("ct = %1").arg(ctSecondo)), 1);
    ASSERT_EQ(s.esercizi.Count(), 4);
    for (long i = 1; i <= 4; ++i)
        EXPECT_EQ(s.esercizi.Item(i).nprog, i);
    EXPECT_EQ(s.esercizi.Item(2).note, QStringLiteral("es 3"));
    EXPECT_EQ(nprogDi(id), (std::vector<qlonglong>{1, 2, 3, 4, 5}));
    s.save();
    EXPECT_EQ(conta(QStringLiteral("Esercizi"), QStringLiteral("ct = %1").arg(ctSecondo)), 0);
    EXPECT_EQ(nprogDi(id), (std::vector<qlonglong>{1, 2, 3, 4}));

    // An exercise never stored is only taken out of the list.
    s.esercizi.Add(esercizio(1), 1);
    svuotaLog();
    s.EliminaEsercizio(1);
    EXPECT_TRUE(istruzioni().isEmpty());
    EXPECT_EQ(s.esercizi.Count(), 4);
    EXPECT_THROW(s.EliminaEsercizio(5), Errore);
}

// What a save leaves in the register is exactly the card in memory, whatever happened to its list:
// rows follow their exercises by identity, and nothing else of the register moves.
TEST_F(Schede, IlSalvataggioScriveEsattamenteLaSchedaInMemoria) {
    struct Caso {
        const char* nome;
        std::function<void(scheda& s, const scheda& altra)> cambia;
        QStringList attese; // note of each stored row in NProg order
    };
    const std::vector<Caso> casi = {
        {"tolto dalla lista",
         [](scheda& s, const scheda&) { s.EliminaEsercizio(2); },
         {"es 1", "es 3", "es 4"}},
        {"spostato in testa",
         [](scheda& s, const scheda&) {
             Esercizio quarto = s.esercizi.Item(4);
             s.esercizi.Remove(4);
             s.esercizi.Add(std::move(quarto), 1);
         },
         {"es 4", "es 1", "es 2", "es 3"}},
        {"senza immagine e non piu libero",
         [](scheda& s, const scheda&) { s.esercizi.Item(3).id_fig = 0; },
         {"es 1", "es 2", "es 4"}},
        {"tolto e rimesso", // an undone deletion: the same exercise back in its place
         [](scheda& s, const scheda&) {
             Esercizio secondo = s.esercizi.Item(2);
             s.EliminaEsercizio(2);
             s.esercizi.Add(std::move(secondo), 2);
         },
         {"es 1", "es 2", "es 3", "es 4"}},
        {"copiato da un'altra scheda", // its ct names the other card's row
         [](scheda& s, const scheda& altra) { s.esercizi.Add(altra.esercizi.Item(1)); },
         {"es 1", "es 2", "es 3", "es 4", "es 1"}},
        {"lo stesso esercizio due volte",
         [](scheda& s, const scheda&) { s.esercizi.Add(s.esercizi.Item(1), 2); },
         {"es 1", "es 1", "es 2", "es 3", "es 4"}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const auto id = schedaDiretta(atleta, 4);
        const auto idAltra = schedaDiretta(atleta, 2);
        scheda altra;
        ASSERT_TRUE(altra.carica(idAltra));
        altra.caricaEsercizi();
        scheda s;
        ASSERT_TRUE(s.carica(id));
        s.caricaEsercizi();
        std::vector<std::int32_t> ctPrima;
        for (const Esercizio& e : s.esercizi)
            ctPrima.push_back(e.ct);

        c.cambia(s, altra);
        s.save();
        ASSERT_TRUE(s.isSaved);

        scheda riletta;
        ASSERT_TRUE(riletta.carica(id));
        riletta.caricaEsercizi();
        QStringList note;
        for (const Esercizio& e : riletta.esercizi) {
            note << e.note;
            // The rows kept are the same rows, updated rather than stored anew.
            if (e.note != QStringLiteral("es 1")) {
                EXPECT_NE(std::find(ctPrima.begin(), ctPrima.end(), e.ct), ctPrima.end())
                    << e.note.toStdString();
            }
        }
        EXPECT_EQ(note, c.attese);
        // The memory names the rows the register holds, so saving again changes nothing.
        for (const Esercizio& e : s.esercizi)
            if (e.isLibero || e.id_fig != 0) {
                EXPECT_EQ(conta(QStringLiteral("Esercizi"),
                                QStringLiteral("ct = %1 AND ID_Scheda = %2").arg(e.ct).arg(id)),
                          1);
            }
        s.save();
        EXPECT_EQ(conta(QStringLiteral("Esercizi"), QStringLiteral("ID_Scheda = %1").arg(id)),
                  c.attese.size());
        EXPECT_EQ(conta(QStringLiteral("Esercizi"), QStringLiteral("ID_Scheda = %1").arg(idAltra)), 2);
    }
}

TEST_F(Schede, EliminaZeroODiciassette) {
    struct {
        bool propria;
    } casi[] = {{true}, {false}};
    for (const auto& c : casi) {
        const auto caricata = schedaDiretta(atleta, 1);
        const auto altra = schedaDiretta(atleta, 1);
        scheda s;
        ASSERT_TRUE(s.carica(caricata));
        EXPECT_TRUE(s.Elimina(c.propria ? 0 : altra));
        const auto eliminata = c.propria ? caricata : altra;
        const auto rimasta = c.propria ? altra : caricata;
        EXPECT_EQ(conta(QStringLiteral("schede"), QStringLiteral("id_scheda = %1").arg(eliminata)), 0);
        EXPECT_EQ(conta(QStringLiteral("schede"), QStringLiteral("id_scheda = %1").arg(rimasta)), 1);
        EXPECT_EQ(conta(QStringLiteral("Esercizi"), QStringLiteral("ID_Scheda = %1").arg(rimasta)), 1);
    }
}

TEST_F(Schede, CaricaLeggeLaVistaEIValoriNulli) {
    const auto id = schedaDiretta(atleta, 0);
    eseguiDiretto(QStringLiteral("UPDATE schede SET PeriodoAl = NULL, Obiettivo = NULL, GGAllen = NULL WHERE "
                                 "id_scheda = %1")
                      .arg(id));
    scheda s;
    ASSERT_TRUE(s.carica(id));
    EXPECT_TRUE(s.isSaved);
    EXPECT_EQ(s.id_scheda, id);
    EXPECT_EQ(s.id_utente, atleta);
    EXPECT_EQ(s.Istruttore, QStringLiteral("Anna"));
    EXPECT_EQ(s.PeriodoDal, QStringLiteral("10/01/2026"));
    EXPECT_EQ(s.PeriodoAl, QString()); // no end date, and none made up
    EXPECT_EQ(s.id_cat, 1);
    EXPECT_EQ(s.categoria, QStringLiteral("Dimagrimento"));
    EXPECT_EQ(s.Obiettivo, QString());
    EXPECT_EQ(s.FreqAllen, 3);
    EXPECT_EQ(s.GGAllen, QString());
    EXPECT_EQ(s.note, QStringLiteral("note finali"));
    EXPECT_EQ(s.nomeUtente, QStringLiteral("Mario"));
    EXPECT_EQ(s.cognomeUtente, QStringLiteral("Rossi"));
    EXPECT_FALSE(s.isModello);
    EXPECT_FALSE(s.preimpostata);
    // Saved again, it stays without an end date.
    s.save();
    ASSERT_TRUE(s.isSaved);
    EXPECT_EQ(conta(QStringLiteral("schede"), QStringLiteral("id_scheda = %1 AND PeriodoAl IS NULL").arg(id)),
              1);

    scheda mancante;
    mancante.Istruttore = QStringLiteral("x");
    EXPECT_FALSE(mancante.carica(9999));
    EXPECT_TRUE(mancante.isSaved);
    EXPECT_EQ(mancante.Istruttore, QStringLiteral("x"));
    EXPECT_EQ(messaggi().testi(), QStringList{QStringLiteral("Archivio Vuoto o Problemi di connessione!")});
}

TEST_F(Schede, CaricaEserciziInOrdineESenzaDoppioni) {
    const auto id = schedaDiretta(atleta, 3);
    eseguiDiretto(QStringLiteral("UPDATE Esercizi SET NProg = 4 - NProg WHERE ID_Scheda = %1").arg(id));
    scheda s;
    s.carica(id);
    s.caricaEsercizi();
    s.caricaEsercizi();
    ASSERT_EQ(s.esercizi.Count(), 3);
    EXPECT_EQ(s.esercizi.Item(1).note, QStringLiteral("es 3"));
    EXPECT_EQ(s.esercizi.Item(3).note, QStringLiteral("es 1"));
    EXPECT_FALSE(s.esercizi.Item(1).isModello);
}

TEST_F(Schede, CategoriaPerNome) {
    eseguiDiretto(QStringLiteral("INSERT INTO categorie (id_cat, nome) VALUES (40, 'Dell''anca')"));
    struct {
        const char* nome;
        long idAtteso; // 0: no such category
    } casi[] = {
        {"Tonificazione", 2}, {"", 1}, // empty: saved with the category it had
        {"Dell'anca", 40},    {"Inesistente", 0},
        {"x' OR '1'='1", 0},
    };
    for (const auto& c : casi) {
        scheda s = nuovaScheda();
        s.id_cat = 1;
        s.categoria = QString::fromUtf8(c.nome);
        const auto schedePrima = conta(QStringLiteral("schede"));
        if (c.idAtteso == 0) {
            svuotaLog();
            try {
                s.save();
                ADD_FAILURE() << c.nome;
            } catch (const Errore& e) {
                EXPECT_EQ(e.numero(), 513);
                EXPECT_EQ(e.descrizione(), QStringLiteral("Categoria non esistente!"));
            }
            EXPECT_EQ(conta(QStringLiteral("schede")), schedePrima);
            EXPECT_TRUE(istruzioni().isEmpty());
            EXPECT_FALSE(s.isSaved);
        } else {
            const auto id = s.save();
            ASSERT_GT(id, 0) << c.nome;
            EXPECT_EQ(conta(QStringLiteral("schede"),
                            QStringLiteral("id_scheda = %1 AND id_cat = %2").arg(id).arg(c.idAtteso)),
                      1)
                << c.nome;
        }
    }
    EXPECT_TRUE(messaggi().testi().isEmpty());
}

TEST_F(Schede, ApostrofiInOgniTestoDellaScheda) {
    struct {
        const char* campo;
        void (*imposta)(scheda&);
        const char* condizione;
    } casi[] = {
        {"Istruttore", [](scheda& s) { s.Istruttore = QStringLiteral("Dell'Orto"); },
         "Istruttore = 'Dell`Orto'"},
        {"Obiettivo", [](scheda& s) { s.Obiettivo = QStringLiteral("l'anca"); }, "Obiettivo = 'l`anca'"},
        {"note", [](scheda& s) { s.note = QStringLiteral("un'altra"); }, "note = 'un`altra'"},
    };
    for (const auto& c : casi) {
        scheda s = nuovaScheda();
        c.imposta(s);
        const auto id = s.save(); // first save: insert
        ASSERT_GT(id, 0) << c.campo;
        EXPECT_EQ(conta(QStringLiteral("schede"),
                        QStringLiteral("id_scheda = %1 AND %2").arg(id).arg(c.condizione)),
                  1)
            << c.campo;
        eseguiDiretto(
            QStringLiteral("UPDATE schede SET Istruttore = '', Obiettivo = '', note = '', GGAllen = '' "
                           "WHERE id_scheda = %1")
                .arg(id));
        EXPECT_EQ(s.save(), 0); // later save: update
        EXPECT_EQ(conta(QStringLiteral("schede"),
                        QStringLiteral("id_scheda = %1 AND %2").arg(id).arg(c.condizione)),
                  1)
            << c.campo;
    }
    EXPECT_TRUE(messaggi().testi().isEmpty());
}

TEST_F(Schede, ApostrofiInOgniTestoDellEsercizio) {
    struct {
        const char* campo;
        void (*imposta)(Esercizio&);
        const char* condizione;
    } casi[] = {
        {"durata", [](Esercizio& e) { e.durata = QStringLiteral("30'"); }, "Durata = '30`'"},
        {"frequenza", [](Esercizio& e) { e.frequenza = QStringLiteral("35'"); }, "Frequenza = '35`'"},
        {"ampiezza", [](Esercizio& e) { e.ampiezza = QStringLiteral("'"); }, "Ampiezza = '`'"},
        {"modalita", [](Esercizio& e) { e.modalita = QStringLiteral("dell'atleta"); },
         "Modalita = 'dell`atleta'"},
        {"peso", [](Esercizio& e) { e.peso = QStringLiteral("5 kg l'uno"); }, "Peso = '5 kg l`uno'"},
        {"note", [](Esercizio& e) { e.note = QStringLiteral("l'anca"); }, "Note = 'l`anca'"},
    };
    const auto id = schedaDiretta(atleta);
    for (const auto& c : casi) {
        Esercizio e = esercizio(3);
        e.id_scheda = id;
        c.imposta(e);
        const auto ct = e.save();
        ASSERT_GT(ct, 0) << c.campo;
        EXPECT_EQ(
            conta(QStringLiteral("Esercizi"), QStringLiteral("ct = %1 AND %2").arg(ct).arg(c.condizione)), 1)
            << c.campo;
        eseguiDiretto(
            QStringLiteral("UPDATE Esercizi SET Durata = '', Frequenza = '', Ampiezza = '', Modalita = '', "
                           "Peso = '', Note = '' WHERE ct = %1")
                .arg(ct));
        e.save();
        EXPECT_EQ(
            conta(QStringLiteral("Esercizi"), QStringLiteral("ct = %1 AND %2").arg(ct).arg(c.condizione)), 1)
            << c.campo;
    }
    EXPECT_TRUE(messaggi().testi().isEmpty());
}

TEST_F(Schede, InsertRifiutataNonScriveEserciziNeLeggeUnAltraScheda) {
    const auto altra = schedaDiretta(atleta, 2);
    scheda s = nuovaScheda();
    s.id_utente = 9999; // no such athlete: the database refuses the card
    s.esercizi.Add(esercizio(1));
    s.esercizi.Add(esercizio(2));
    EXPECT_EQ(s.save(), 0);
    EXPECT_EQ(s.id_scheda, 0);
    EXPECT_FALSE(s.isSaved);
    for (const Esercizio& e : s.esercizi) {
        EXPECT_EQ(e.ct, 0);
        EXPECT_EQ(e.id_scheda, 0);
    }
    EXPECT_EQ(conta(QStringLiteral("schede")), 1);
    EXPECT_EQ(conta(QStringLiteral("Esercizi")), 2);
    EXPECT_EQ(conta(QStringLiteral("Esercizi"), QStringLiteral("ID_Scheda = %1").arg(altra)), 2);
    EXPECT_EQ(messaggi().testi().size(), 1);
}

TEST_F(Schede, UnEsercizioRifiutatoAnnullaTuttaLaScheda) {
    rifiutaRighe(QStringLiteral("rifiuta"), QStringLiteral("INSERT"), QStringLiteral("Esercizi"),
                 QStringLiteral("NEW.Peso = 'rifiuta'"));
    struct {
        bool giaSalvata;
    } casi[] = {{false}, {true}};
    for (const auto& c : casi) {
        scheda s = nuovaScheda();
        s.esercizi.Add(esercizio(1));
        std::int32_t idPrima = 0;
        if (c.giaSalvata) {
            idPrima = s.save();
            ASSERT_GT(idPrima, 0);
            s.Obiettivo = QStringLiteral("cambiato");
            s.isSaved = false;
        }
        const auto ctPrimo = s.esercizi.Item(1).ct;
        s.esercizi.Add(esercizio(2), 1); // becomes position 1; the stored one moves to 2
        Esercizio& rifiutato = s.esercizi.Add(esercizio(3));
        rifiutato.peso = QStringLiteral("rifiuta");
        const auto schede = conta(QStringLiteral("schede"));
        const auto esercizi = conta(QStringLiteral("Esercizi"));

        EXPECT_EQ(s.save(), 0);
        EXPECT_FALSE(s.isSaved);
        EXPECT_EQ(s.id_scheda, idPrima);
        EXPECT_EQ(s.esercizi.Item(1).ct, 0); // its insert was rolled back: not kept
        EXPECT_EQ(s.esercizi.Item(2).ct, ctPrimo);
        EXPECT_EQ(s.esercizi.Item(2).nprog, c.giaSalvata ? 1 : 0);
        EXPECT_EQ(conta(QStringLiteral("schede")), schede);
        EXPECT_EQ(conta(QStringLiteral("Esercizi")), esercizi);
        EXPECT_EQ(conta(QStringLiteral("schede"), QStringLiteral("Obiettivo = 'cambiato'")), 0);

        // Once the cause is gone, the same record saves whole, without doubles.
        rifiutato.peso = QStringLiteral("5 kg");
        const auto id = s.save();
        EXPECT_TRUE(s.isSaved);
        const auto idFinale = c.giaSalvata ? idPrima : id;
        EXPECT_EQ(id, c.giaSalvata ? 0 : s.id_scheda);
        EXPECT_EQ(nprogDi(idFinale), (std::vector<qlonglong>{1, 2, 3}));
    }
}

TEST_F(Schede, NumeriCheNonStannoInUnByte) {
    Esercizio e;
    e.serie = 3;
    EXPECT_THROW(e.serie = 300, Errore);
    EXPECT_EQ(e.serie, 3);
    EXPECT_THROW(e.recuperoMin = -1, Errore);
    EXPECT_THROW(e.recuperoSec = 256, Errore);
    scheda s;
    EXPECT_THROW(s.FreqAllen = 1000, Errore);
    try {
        e.serie = 300;
    } catch (const Errore& err) {
        EXPECT_EQ(err.numero(), NumeriErrore::Overflow);
    }
}

TEST_F(Schede, RaccoglitoreCaricaEdEliminaTutto) {
    const auto altro = atletaDiretto(QStringLiteral("Verdi"));
    schedaDiretta(altro, 1);
    const std::vector<std::int32_t> sue{schedaDiretta(atleta, 1), schedaDiretta(atleta, 0),
                                        schedaDiretta(atleta, 2)};
    raccoglitore r;
    r.id_utente = atleta;
    EXPECT_TRUE(r.caricaSchede());
    ASSERT_EQ(r.archivio.Count(), 3);
    for (long i = 1; i <= 3; ++i) {
        EXPECT_EQ(r.archivio.Item(i).id_scheda, sue[static_cast<size_t>(i - 1)]);
        EXPECT_EQ(r.archivio.Item(i).esercizi.Count(), 0); // headers only
    }
    EXPECT_TRUE(r.EliminaTutto());
    EXPECT_EQ(conta(QStringLiteral("schede"), QStringLiteral("id_utente = %1").arg(atleta)), 0);
    EXPECT_EQ(conta(QStringLiteral("schede"), QStringLiteral("id_utente = %1").arg(altro)), 1);

    raccoglitore vuoto;
    vuoto.id_utente = atleta;
    svuotaLog();
    EXPECT_TRUE(vuoto.EliminaTutto());
    EXPECT_TRUE(istruzioni().isEmpty());
    EXPECT_EQ(conta(QStringLiteral("schede")), 1);
}

} // namespace
