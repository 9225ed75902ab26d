#include "ArchivioSchede.h"
#include "records/utente.h"

#include <QDate>

namespace {

class Atleti : public ArchivioSchede {};

TEST(DatiAtleta, CognomeNomeEDataSonoEssenziali) {
    const QString manca = QStringLiteral("Mancano alcuni dati essenziali!");
    struct {
        const char* cognome;
        const char* nome;
        const char* data;
        bool mancano;
    } casi[] = {
        {"Rossi", "Mario", "05/12/2004", false},
        {"", "Mario", "05/12/2004", true},
        {"Rossi", "", "05/12/2004", true},
        {"Rossi", "Mario", "", true},
        {"Rossi", "Mario", "   ", true},       // a date of spaces is no date
        {"   ", "Mario", "05/12/2004", false}, // a surname of spaces is stored as typed
        {"Rossi", " ", "05/12/2004", false},
        {"Rossi", "Mario", "31/02/2004", false}, // an impossible date is there: its own check says so
    };
    for (const auto& c : casi)
        EXPECT_EQ(datiEssenzialiMancanti(QString::fromLatin1(c.cognome), QString::fromLatin1(c.nome),
                                         QString::fromLatin1(c.data)),
                  c.mancano ? manca : QString())
            << c.cognome << "|" << c.nome << "|" << c.data;
}

utente mario() {
    utente u;
    u.nome = QStringLiteral("Mario");
    u.cognome = QStringLiteral("Rossi");
    u.dataNascita = QDate(2004, 12, 5);
    u.sesso = QStringLiteral("M");
    u.note = QStringLiteral("n");
    return u;
}

TEST_F(Atleti, NuovoAtletaInseritoConIlTestoDellaInsert) {
    const auto vecchio = atletaDiretto();
    svuotaLog();
    utente u = mario();
    const auto nuovo = u.save();
    EXPECT_EQ(istruzioni(),
              QStringList{QStringLiteral("INSERT INTO utenti (nome,cognome,dataNascita,sesso,[Note]) "
                                         "VALUES ('Mario','Rossi',#12/05/2004#,'M','n')")});
    EXPECT_GT(nuovo, vecchio);
    EXPECT_EQ(u.id_utente, 0); // the record itself stays new
    EXPECT_EQ(
        contaDiretto(QStringLiteral("SELECT count(*) FROM utenti WHERE id_utente = %1 AND cognome = 'Rossi' "
                                    "AND dataNascita = '2004-12-05'")
                         .arg(nuovo)),
        1);
    // Still new, so a second save is a second athlete.
    const auto secondo = u.save();
    EXPECT_GT(secondo, nuovo);
    EXPECT_EQ(conta(QStringLiteral("utenti")), 3);
}

TEST_F(Atleti, AggiornamentoConIlTestoDellaUpdate) {
    const auto id = atletaDiretto();
    utente u = mario();
    u.id_utente = id;
    svuotaLog();
    EXPECT_EQ(u.save(), 0);
    EXPECT_EQ(istruzioni(),
              QStringList{
                  QStringLiteral("UPDATE utenti SET nome= 'Mario',cognome = 'Rossi',sesso= 'M',dataNascita = "
                                 "#12/05/2004#,[Note]='n' WHERE id_utente=%1")
                      .arg(id)});
    EXPECT_EQ(conta(QStringLiteral("utenti"), QStringLiteral("nome = 'Mario' AND Note = 'n'")), 1);
}

TEST_F(Atleti, ApostrofiDiventanoAccentiGraviInOgniCampo) {
    struct {
        const char* campo;
        void (*imposta)(utente&);
        const char* colonna;
        const char* atteso;
    } casi[] = {
        {"nome", [](utente& u) { u.nome = QStringLiteral("D'Artagnan"); }, "nome", "D`Artagnan"},
        {"cognome", [](utente& u) { u.cognome = QStringLiteral("D'Amico"); }, "cognome", "D`Amico"},
        {"note", [](utente& u) { u.note = QStringLiteral("l'anca"); }, "Note", "l`anca"},
        {"sesso", [](utente& u) { u.sesso = QStringLiteral("'"); }, "sesso", "`"},
    };
    for (const auto& c : casi) {
        for (const bool aggiorna : {false, true}) {
            utente u = mario();
            if (aggiorna)
                u.id_utente = atletaDiretto();
            c.imposta(u);
            const auto nuovo = u.save();
            const auto id = aggiorna ? u.id_utente : nuovo;
            ASSERT_NE(id, 0) << c.campo;
            EXPECT_EQ(conta(QStringLiteral("utenti"),
                            QStringLiteral("id_utente = %1 AND %2 = '%3'").arg(id).arg(c.colonna, c.atteso)),
                      1)
                << c.campo << (aggiorna ? " update" : " insert");
        }
    }
    EXPECT_TRUE(messaggi().testi().isEmpty());
}

TEST_F(Atleti, InsertRifiutataNonRestituisceUnAltroAtleta) {
    atletaDiretto();
    utente u = mario();
    u.sesso = QStringLiteral("MF"); // refused by the table: one character at most
    EXPECT_EQ(u.save(), 0);
    EXPECT_EQ(conta(QStringLiteral("utenti")), 1);
    EXPECT_EQ(messaggi().testi().size(), 1); // the database's refusal, shown by Execute
}

TEST_F(Atleti, CaricaLeggeLaRigaEIValoriNulli) {
    // No birth date: NULL, or the empty date the older program stored in its place.
    for (const char* data : {"NULL", "'1899-12-30'"}) {
        SCOPED_TRACE(data);
        eseguiDiretto(
            QStringLiteral("INSERT INTO utenti (nome, cognome, dataNascita) VALUES ('Lucia', 'Bianchi', %1)")
                .arg(QLatin1String(data)));
        const auto id =
            static_cast<std::int32_t>(contaDiretto(QStringLiteral("SELECT max(id_utente) FROM utenti")));
        utente u;
        ASSERT_TRUE(u.carica(id));
        EXPECT_EQ(u.id_utente, id);
        EXPECT_EQ(u.nome, QStringLiteral("Lucia"));
        EXPECT_EQ(u.cognome, QStringLiteral("Bianchi"));
        EXPECT_TRUE(u.dataNascita.isNull()) << u.dataNascita.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(u.sesso, QString());
        EXPECT_EQ(u.note, QString());
        EXPECT_EQ(u.raccoglitore.id_utente, id);
        EXPECT_EQ(u.raccoglitore.archivio.Count(), 0); // cards are loaded only on request

        // Saved again, it is stored without a birth date: none is made up.
        u.save();
        EXPECT_EQ(
            conta(QStringLiteral("utenti"), QStringLiteral("id_utente = %1 AND dataNascita IS NULL").arg(id)),
            1);
    }
}

TEST_F(Atleti, AtletaInesistente) {
    utente u = mario();
    u.id_utente = 5;
    EXPECT_FALSE(u.carica(999));
    EXPECT_EQ(messaggi().testi(), QStringList{QStringLiteral("ERR:Problemi di connessione")});
    EXPECT_EQ(messaggi().mostrati.front().tipo, TipoMessaggio::Errore);
    EXPECT_EQ(u.id_utente, 5);
    EXPECT_EQ(u.nome, QStringLiteral("Mario"));
}

TEST_F(Atleti, NuovoRecordVuoto) {
    utente u;
    EXPECT_EQ(u.id_utente, 0);
    EXPECT_TRUE(u.dataNascita.isNull());
    EXPECT_TRUE(u.nome.isEmpty() && u.cognome.isEmpty() && u.sesso.isEmpty() && u.note.isEmpty());
}

TEST_F(Atleti, EliminaConOSenzaSchede) {
    struct {
        int schede;
    } casi[] = {{3}, {0}};
    for (const auto& c : casi) {
        const auto altro = atletaDiretto(QStringLiteral("Verdi"));
        const auto schedaAltrui = schedaDiretta(altro, 2);
        const auto id = atletaDiretto();
        for (int i = 0; i < c.schede; ++i)
            schedaDiretta(id, 2);
        ASSERT_EQ(conta(QStringLiteral("schede"), QStringLiteral("id_utente = %1").arg(id)), c.schede);

        utente u; // not loaded: the argument alone names the athlete
        EXPECT_TRUE(u.Elimina(id)) << c.schede;
        EXPECT_EQ(conta(QStringLiteral("utenti"), QStringLiteral("id_utente = %1").arg(id)), 0);
        EXPECT_EQ(conta(QStringLiteral("schede"), QStringLiteral("id_utente = %1").arg(id)), 0);
        EXPECT_EQ(conta(QStringLiteral("Esercizi"),
                        QStringLiteral("ID_Scheda NOT IN (SELECT id_scheda FROM schede)")),
                  0);
        // Nobody else's card is touched.
        EXPECT_EQ(conta(QStringLiteral("schede"), QStringLiteral("id_scheda = %1").arg(schedaAltrui)), 1);
        EXPECT_EQ(conta(QStringLiteral("Esercizi"), QStringLiteral("ID_Scheda = %1").arg(schedaAltrui)), 2);
    }
}

TEST_F(Atleti, EliminaNonUsaLeSchedeCaricatePrimaPerUnAltroAtleta) {
    const auto altro = atletaDiretto(QStringLiteral("Verdi"));
    const auto schedaAltrui = schedaDiretta(altro, 1);
    const auto id = atletaDiretto();
    schedaDiretta(id, 1);
    utente u;
    ASSERT_TRUE(u.carica(altro));
    u.raccoglitore.caricaSchede(); // the record's list now holds the other athlete's card
    ASSERT_EQ(u.raccoglitore.archivio.Count(), 1);

    EXPECT_TRUE(u.Elimina(id));
    EXPECT_EQ(conta(QStringLiteral("utenti"), QStringLiteral("id_utente = %1").arg(id)), 0);
    EXPECT_EQ(conta(QStringLiteral("schede"), QStringLiteral("id_utente = %1").arg(id)), 0);
    EXPECT_EQ(conta(QStringLiteral("schede"), QStringLiteral("id_scheda = %1").arg(schedaAltrui)), 1);
    EXPECT_EQ(conta(QStringLiteral("Esercizi"), QStringLiteral("ID_Scheda = %1").arg(schedaAltrui)), 1);
}

TEST_F(Atleti, EliminaRifiutataNonCancellaNulla) {
    const auto id = atletaDiretto();
    const auto s1 = schedaDiretta(id, 1);
    schedaDiretta(id, 1);
    rifiutaRighe(QStringLiteral("blocca"), QStringLiteral("DELETE"), QStringLiteral("schede"),
                 QStringLiteral("OLD.id_scheda = %1").arg(s1));
    utente u;
    EXPECT_FALSE(u.Elimina(id));
    EXPECT_EQ(conta(QStringLiteral("utenti")), 1);
    EXPECT_EQ(conta(QStringLiteral("schede")), 2);
    EXPECT_EQ(conta(QStringLiteral("Esercizi")), 2);
}

TEST_F(Atleti, CaricaTuttiComeUnoAllaVolta) {
    atletaDiretto(QStringLiteral("Rossi"), QStringLiteral("Mario"));
    eseguiDiretto(QStringLiteral("INSERT INTO utenti (nome, cognome) VALUES ('Lucia', 'Bianchi')"));
    atletaDiretto(QStringLiteral("D`Amico"), QStringLiteral("Pia"));
    eseguiDiretto(QStringLiteral("DELETE FROM utenti WHERE cognome = 'Rossi'"));
    atletaDiretto(QStringLiteral("Neri"), QStringLiteral("Ugo"));

    const std::vector<utente> tutti = utente::caricaTutti();
    ASSERT_EQ(tutti.size(), 3u);
    std::int32_t precedente = 0;
    for (const utente& u : tutti) {
        EXPECT_GT(u.id_utente, precedente);
        precedente = u.id_utente;
        utente uno;
        ASSERT_TRUE(uno.carica(u.id_utente));
        EXPECT_EQ(u.nome, uno.nome);
        EXPECT_EQ(u.cognome, uno.cognome);
        EXPECT_EQ(u.dataNascita, uno.dataNascita);
        EXPECT_EQ(u.sesso, uno.sesso);
        EXPECT_EQ(u.note, uno.note);
        EXPECT_EQ(u.raccoglitore.id_utente, u.id_utente);
    }
    EXPECT_TRUE(tutti[0].dataNascita.isNull());
}

} // namespace
