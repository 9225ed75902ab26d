#include "base/Errore.h"
#include "comune/ArchivioDiProva.h"
#include "data/ConnessioneFile.h"
#include "data/db.h"
#include "records/scheda.h"
#include "records/utente.h"

#include <QDate>
#include <QFile>
#include <QRegularExpression>

namespace {

class Db : public ArchivioDiProva {};

TEST_F(Db, DlookupTrovaNonTrovaENull) {
    EXPECT_EQ(db().Dlookup(QStringLiteral("nome"), QStringLiteral("categorie"), QStringLiteral("id_cat = 2")),
              QVariant(QStringLiteral("Tonificazione")));
    EXPECT_EQ(righeLog(), QStringList{QStringLiteral("DLOOKUP - SELECT categorie (id_cat=2)")});

    svuotaLog();
    EXPECT_EQ(
        db().Dlookup(QStringLiteral("nome"), QStringLiteral("categorie"), QStringLiteral("id_cat = 99")),
        QVariant(ERR_DATI_NON_TROVATI));
    EXPECT_EQ(righeLog(), (QStringList{QStringLiteral("DLOOKUP - SELECT categorie (id_cat=99)"),
                                       QStringLiteral("DLOOKUP - Errore dati non trovati")}));

    eseguiDiretto(QStringLiteral("INSERT INTO Parametri VALUES ('VUOTO', NULL)"));
    const QVariant nullo = db().Dlookup(QStringLiteral("valore"), QStringLiteral("Parametri"),
                                        QStringLiteral("parametro='VUOTO'"));
    EXPECT_TRUE(nullo.isNull());
    EXPECT_TRUE(messaggi().mostrati.empty());
}

TEST_F(Db, DlookupSenzaCondizioneFinisceConSpazio) {
    EXPECT_EQ(DB::sqlDlookup(QStringLiteral("COUNT(*)"), QStringLiteral("categorie"), QString()),
              QStringLiteral("SELECT COUNT(*) FROM categorie "));
    db().Dlookup(QStringLiteral("COUNT(*)"), QStringLiteral("categorie"), QString());
    EXPECT_EQ(righeLog(), QStringList{QStringLiteral("DLOOKUP - SELECT categorie")});
}

TEST_F(Db, DlookupInErroreMostraIlMessaggioERestituisceIlMarcatore) {
    EXPECT_EQ(db().Dlookup(QStringLiteral("nome"), QStringLiteral("tabella_inesistente"), QString()),
              QVariant(ERR_CONNESSIONE));
    ASSERT_EQ(messaggi().mostrati.size(), 1u);
    EXPECT_TRUE(messaggi().mostrati[0].testo.contains(QStringLiteral("tabella_inesistente")));
    EXPECT_EQ(messaggi().mostrati[0].pulsanti, Pulsanti::OK);
    EXPECT_EQ(righeLog(), QStringList{QStringLiteral("DLOOKUP - ERR:Problemi nella connessione")});
}

TEST_F(Db, DFirstLeggePerNomeESenzaLog) {
    EXPECT_EQ(db().DFirst(QStringLiteral("nome"), QStringLiteral("categorie"), QStringLiteral("id_cat = 1")),
              QVariant(QStringLiteral("Dimagrimento")));
    EXPECT_EQ(db().DFirst(QStringLiteral("nome"), QStringLiteral("categorie"), QStringLiteral("id_cat = 0")),
              QVariant(ERR_DATI_NON_TROVATI));
    EXPECT_EQ(db().DFirst(QStringLiteral("manca"), QStringLiteral("categorie"), QString()),
              QVariant(ERR_CONNESSIONE));
    EXPECT_EQ(messaggi().mostrati.size(), 1u);
    EXPECT_TRUE(righeLog().isEmpty());
}

TEST_F(Db, DCountContaIValoriNonNulliAncheOltre32767) {
    eseguiDiretto(QStringLiteral("INSERT INTO Parametri VALUES ('A', NULL), ('B', 'x')"));
    EXPECT_EQ(db().DCount(QStringLiteral("valore"), QStringLiteral("Parametri"),
                          QStringLiteral("parametro IN ('A','B')")),
              1);
    EXPECT_EQ(db().DCount(QStringLiteral("parametro"), QStringLiteral("Parametri"),
                          QStringLiteral("parametro='NO'")),
              0);

    eseguiDiretto(
        QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i < 40000) "
                       "INSERT INTO utenti (nome, cognome) SELECT 'N' || i, 'C' FROM n"));
    EXPECT_EQ(db().DCount(QStringLiteral("id_utente"), QStringLiteral("utenti"), QString()), 40000);
    EXPECT_TRUE(messaggi().mostrati.empty());

    EXPECT_EQ(db().DCount(QStringLiteral("x"), QStringLiteral("manca"), QString()), 0);
    EXPECT_EQ(messaggi().mostrati.size(), 1u);
}

TEST_F(Db, DMaxSuTabellaVuotaENonVuota) {
    EXPECT_TRUE(db().dMax(QStringLiteral("id_utente"), QStringLiteral("utenti"), QString()).isNull());
    eseguiDiretto(QStringLiteral("INSERT INTO utenti (nome, cognome) VALUES ('a','b'), ('c','d')"));
    EXPECT_EQ(db().dMax(QStringLiteral("id_utente"), QStringLiteral("utenti"), QString()).toLongLong(), 2);
    EXPECT_EQ(db().dMax(QStringLiteral("id_utente"), QStringLiteral("manca"), QString()),
              QVariant(ERR_CONNESSIONE));
    EXPECT_EQ(messaggi().mostrati.size(), 1u);
}

TEST_F(Db, ExecuteRegistraTipoTabellaEdEsitoEMostraNumeroEDescrizione) {
    const QString buona = QStringLiteral("INSERT INTO utenti (nome,cognome,dataNascita,sesso,[Note]) "
                                         "VALUES ('Anna','D`Angelo',#12/05/2004#,'F','')");
    EXPECT_TRUE(db().Execute(buona));
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM utenti WHERE dataNascita = '2004-12-05'")),
              1);

    const QString cattiva = QStringLiteral("INSERT INTO utenti (nome) VALUES ('l'amico')");
    EXPECT_FALSE(db().Execute(cattiva));
    EXPECT_EQ(istruzioniInviate(), (QStringList{buona, cattiva}));
    const QStringList log = righeLog();
    ASSERT_EQ(log.size(), 2);
    EXPECT_TRUE(log[0].contains(
        QRegularExpression(QStringLiteral(R"(^Execute - INSERT utenti: eseguita, id \d+ \(\d+ ms\)$)"))))
        << log[0].toStdString();
    EXPECT_TRUE(log[1].contains(
        QRegularExpression(QStringLiteral(R"(^Execute - INSERT utenti: errore \d+ \(\d+ ms\)$)"))))
        << log[1].toStdString();
    ASSERT_EQ(messaggi().mostrati.size(), 1u);
    EXPECT_TRUE(messaggi().mostrati[0].testo.contains(QRegularExpression(QStringLiteral("^\\d+-"))))
        << messaggi().mostrati[0].testo.toStdString();
}

TEST_F(Db, ExecuteRifiutaLaDataVuotaEPiuIstruzioni) {
    EXPECT_FALSE(db().Execute(QStringLiteral("UPDATE utenti SET dataNascita = ## WHERE id_utente = 1")));
    EXPECT_FALSE(db().Execute(QStringLiteral("DELETE * FROM utenti; DELETE * FROM categorie")));
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM categorie")), 6);
    EXPECT_EQ(messaggi().mostrati.size(), 2u);
}

TEST_F(Db, ArchivioMancante) {
    QFile::remove(percorsoArchivio());
    EXPECT_FALSE(db().Execute(QStringLiteral("DELETE * FROM utenti")));
    ASSERT_EQ(messaggi().mostrati.size(), 1u);
    EXPECT_TRUE(messaggi().mostrati[0].testo.contains(QStringLiteral("splash.ps")));
    EXPECT_THROW(db().getRs(QStringLiteral("SELECT * FROM utenti")), Errore);
    // Never a silent new empty database.
    EXPECT_FALSE(QFile::exists(percorsoArchivio()));
}

TEST_F(Db, ParametriInserisceAggiornaEDoppiApici) {
    EXPECT_EQ(db().Load_Param(QStringLiteral("NUOVO")), ERR_DATI_NON_TROVATI);
    db().Save_Param(QStringLiteral("NUOVO"), QStringLiteral("1"));
    db().Save_Param(QStringLiteral("nuovo"), QStringLiteral("2")); // keys compare without letter case
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM Parametri WHERE parametro = 'NUOVO'")), 1);
    EXPECT_EQ(db().Load_Param(QStringLiteral("NUOVO")), QStringLiteral("2"));

    db().Save_Param(QStringLiteral("L'ATLETA"), QStringLiteral("C:\\l'archivio"));
    EXPECT_EQ(db().Load_Param(QStringLiteral("L'ATLETA")), QStringLiteral("C:\\l'archivio"));
    db().Save_Param(QStringLiteral("L'ATLETA"), QStringLiteral("d'altro"));
    EXPECT_EQ(db().Load_Param(QStringLiteral("L'ATLETA")), QStringLiteral("d'altro"));

    eseguiDiretto(QStringLiteral("INSERT INTO Parametri VALUES ('NULLO', NULL)"));
    EXPECT_EQ(db().Load_Param(QStringLiteral("NULLO")), QString());
    EXPECT_TRUE(messaggi().mostrati.empty());
}

TEST_F(Db, RecordSetPerPosizioneENomeSenzaMaiuscole) {
    eseguiDiretto(QStringLiteral(
        "INSERT INTO utenti (nome, cognome, dataNascita) VALUES ('Ugo', 'Neri', '1990-03-04')"));
    RecordSet rs = db().getRs(QStringLiteral("SELECT * From UTENTI WHERE id_utente = 1"));
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.campo(QStringLiteral("NOME")).toString(), QStringLiteral("Ugo"));
    EXPECT_EQ(rs.campo(2).toString(), QStringLiteral("Neri"));
    EXPECT_EQ(rs.campo(QStringLiteral("datanascita")).toDate(), QDate(1990, 3, 4));
    EXPECT_TRUE(rs.campo(QStringLiteral("note")).isNull());
    EXPECT_THROW(rs.campo(QStringLiteral("inesistente")), Errore);
    rs.MoveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_THROW(rs.campo(0), Errore);
}

TEST_F(Db, TransazioneSalvaTuttoONiente) {
    DB privato(QStringLiteral("splash.ps"));
    {
        Transazione t(db());
        EXPECT_TRUE(privato.Execute(QStringLiteral("INSERT INTO utenti (nome, cognome) VALUES ('a','b')")));
        EXPECT_TRUE(
            db().dMax(QStringLiteral("id_utente"), QStringLiteral("utenti"), QString()).toLongLong() == 1);
        EXPECT_TRUE(t.commit());
    }
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM utenti")), 1);

    {
        Transazione t(db());
        EXPECT_TRUE(db().Execute(QStringLiteral("INSERT INTO utenti (nome, cognome) VALUES ('c','d')")));
        EXPECT_FALSE(db().Execute(QStringLiteral("INSERT INTO utenti (nome) VALUES ('solo nome')")));
        EXPECT_FALSE(t.commit());
    }
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM utenti")), 1);

    {
        Transazione esterna(db());
        EXPECT_TRUE(db().Execute(QStringLiteral("INSERT INTO utenti (nome, cognome) VALUES ('e','f')")));
        {
            Transazione interna(privato);
            EXPECT_TRUE(
                privato.Execute(QStringLiteral("INSERT INTO utenti (nome, cognome) VALUES ('g','h')")));
            // Left without commit: the whole group is given up.
        }
        EXPECT_FALSE(esterna.commit());
    }
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM utenti")), 1);

    {
        Transazione t(db());
        db().Execute(QStringLiteral("INSERT INTO utenti (nome, cognome) VALUES ('i','l')"));
    } // destroyed without commit
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM utenti")), 1);
}

// Failures of the file engine: the user reads Italian naming the file, the engine's words go to the log.
class MotoreFile : public ArchivioDiProva {};

TEST_F(MotoreFile, IGuastiDelMotoreHannoUnMessaggioItalianoCheNominaIlFile) {
    struct Caso {
        const char* nome;
        QString preparazione; // run first, on the group's connection
        QString atteso;
        const char* motore; // the engine's text, in the log only
    } casi[] = {
        {"disco pieno", QStringLiteral("PRAGMA max_page_count = %1"),
         QStringLiteral("Il disco dell'archivio %1 è pieno").arg(percorsoArchivio()),
         "database or disk is full"},
        {"sola lettura", QStringLiteral("PRAGMA query_only = 1"),
         QStringLiteral("L'archivio %1 non accetta modifiche (sola lettura)").arg(percorsoArchivio()),
         "attempt to write a readonly database"},
    };
    const qlonglong pagine = contaDiretto(QStringLiteral("PRAGMA page_count"));
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        svuotaLog();
        messaggi().mostrati.clear();
        {
            Transazione t(db());
            ASSERT_TRUE(
                db().Execute(QString(c.preparazione).replace(QStringLiteral("%1"), QString::number(pagine))));
            EXPECT_FALSE(db().Execute(
                QStringLiteral("INSERT INTO utenti (nome, cognome, [Note]) VALUES ('a', 'b', '") +
                QString(200000, QLatin1Char('x')) + QStringLiteral("')")));
        }
        ASSERT_EQ(messaggi().mostrati.size(), 1u);
        const QString testo = messaggi().mostrati[0].testo;
        EXPECT_TRUE(testo.startsWith(QStringLiteral("3146-") + c.atteso)) << testo.toStdString();
        EXPECT_FALSE(testo.contains(QLatin1String(c.motore))) << testo.toStdString();
        const QString log = righeLog().join(QLatin1Char('\n'));
        EXPECT_TRUE(log.contains(
            QStringLiteral("Motore di database (%1): %2").arg(percorsoArchivio(), QLatin1String(c.motore))))
            << log.toStdString();
    }
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM utenti")), 0);
}

TEST_F(Db, UnTestoConIlCarattereNulVieneSalvatoSenza) {
    const QString nul(QChar(u'\0'));
    utente u;
    u.nome = QStringLiteral("Ma") + nul + QStringLiteral("rio");
    u.cognome = nul + QStringLiteral("Rossi") + nul;
    u.note = QStringLiteral("incollato") + nul + QStringLiteral(" da un altro programma");
    const std::int32_t id = u.save();
    ASSERT_GT(id, 0);
    EXPECT_TRUE(messaggi().mostrati.empty());
    utente letto;
    ASSERT_TRUE(letto.carica(id));
    EXPECT_EQ(letto.nome, QStringLiteral("Mario"));
    EXPECT_EQ(letto.cognome, QStringLiteral("Rossi"));
    EXPECT_EQ(letto.note, QStringLiteral("incollato da un altro programma"));

    // Values that reach SQL by other ways than the record classes as well.
    db().Save_Param(QStringLiteral("CHIAVE") + nul, QStringLiteral("va") + nul + QStringLiteral("lore"));
    EXPECT_EQ(db().Load_Param(QStringLiteral("CHIAVE")), QStringLiteral("valore"));
    EXPECT_TRUE(messaggi().mostrati.empty());
    for (const QString& riga : righeLog())
        EXPECT_FALSE(riga.contains(nul)) << riga.toStdString();
}

// Another program holds the register's write lock for longer than the program waits.
class ArchivioOccupato : public ArchivioDiProva {
protected:
    void SetUp() override {
        ArchivioDiProva::SetUp();
        Connessione::impostaAttesaOccupato(200);
        eseguiDiretto(QStringLiteral("INSERT INTO utenti (nome, cognome) VALUES ('Ugo', 'Neri')"));
    }
    void TearDown() override {
        libera();
        Connessione::impostaAttesaOccupato(-1);
        ArchivioDiProva::TearDown();
    }
    void blocca() {
        altro_ = ConnessioneFile::apri(percorsoArchivio());
        altro_->esegui(QStringLiteral("BEGIN IMMEDIATE"));
    }
    void libera() {
        if (altro_)
            altro_->esegui(QStringLiteral("ROLLBACK"));
        altro_.reset();
    }

private:
    std::shared_ptr<Connessione> altro_;
};

TEST_F(ArchivioOccupato, SaveSegnalaUnaVoltaERestituisceZero) {
    struct Caso {
        const char* nome;
        std::int32_t id;
    };
    for (const Caso c : {Caso{"nuovo", 0}, Caso{"esistente", 1}}) {
        SCOPED_TRACE(c.nome);
        messaggi().mostrati.clear();
        utente u;
        if (c.id) {
            ASSERT_TRUE(u.carica(c.id));
        }
        u.id_utente = c.id;
        u.nome = QStringLiteral("Anna");
        u.cognome = QStringLiteral("Bianchi");
        blocca();
        std::int32_t risultato = -1;
        EXPECT_NO_THROW(risultato = u.save());
        libera();
        EXPECT_EQ(risultato, 0);
        EXPECT_FALSE(u.salvato());
        ASSERT_EQ(messaggi().mostrati.size(), 1u);
        EXPECT_TRUE(messaggi().mostrati[0].testo.contains(QStringLiteral("in uso da un altro programma")))
            << messaggi().mostrati[0].testo.toStdString();
        EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM utenti WHERE nome = 'Anna'")), 0);
    }
    // Once the lock is gone the same record saves.
    utente u;
    u.nome = QStringLiteral("Anna");
    u.cognome = QStringLiteral("Bianchi");
    EXPECT_GT(u.save(), 0);
}

TEST_F(ArchivioOccupato, LaSchedaConIEserciziNonVieneSalvataEResta) {
    scheda s;
    s.id_utente = 1;
    s.Istruttore = QStringLiteral("Anna");
    s.categoria = QStringLiteral("Tonificazione");
    s.FreqAllen = 3;
    s.GGAllen = QStringLiteral("001010100");
    Esercizio libero;
    libero.isLibero = true;
    libero.note = QStringLiteral("corsa");
    s.esercizi.Add(libero);
    blocca();
    std::int32_t risultato = -1;
    EXPECT_NO_THROW(risultato = s.save());
    libera();
    EXPECT_EQ(risultato, 0);
    EXPECT_FALSE(s.isSaved);
    EXPECT_EQ(s.id_scheda, 0);
    EXPECT_EQ(s.esercizi.Item(1).ct, 0);
    EXPECT_EQ(messaggi().mostrati.size(), 1u);
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM schede")), 0);
    // The same card saves once the other program lets go.
    EXPECT_GT(s.save(), 0);
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM Esercizi")), 1);
}

TEST_F(ArchivioOccupato, UnGruppoCheNonPuoIniziareNonScriveNulla) {
    blocca();
    {
        Transazione t(db());
        EXPECT_FALSE(db().Execute(QStringLiteral("INSERT INTO utenti (nome, cognome) VALUES ('a','b')")));
        libera();
        // Even with the lock gone, nothing of the group is written outside it.
        EXPECT_FALSE(db().Execute(QStringLiteral("INSERT INTO utenti (nome, cognome) VALUES ('c','d')")));
        EXPECT_FALSE(t.commit());
    }
    EXPECT_EQ(messaggi().mostrati.size(), 1u);
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM utenti")), 1);
    EXPECT_TRUE(db().Execute(QStringLiteral("INSERT INTO utenti (nome, cognome) VALUES ('e','f')")));
}

} // namespace
