#include "comune/ArchivioDiProva.h"
#include "comune/Modale.h"
#include "comune/RigheElenco.h"
#include "printing/DialoghiFinti.h"
#include "selection/RegistraSelezione.h"
#include "selection/SchedeSelezione.h"
#include "selection/UtentiSelezione.h"
#include "shell/BarraStrumenti.h"
#include "shell/Finestre.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

namespace {

const QByteArray bom("\xEF\xBB\xBF");

// Two athletes with awkward texts (stored with the register's backquote for an apostrophe) and their cards.
class EsportaElenchi : public ArchivioDiProva {
protected:
    void SetUp() override {
        ArchivioDiProva::SetUp();
        eseguiDiretto(QStringLiteral(
            "INSERT INTO utenti (id_utente, nome, cognome, dataNascita, sesso, Note) VALUES"
            " (4, 'Mario', 'D`Amico', '1980-05-04', 'M', 'spalla; \"fragile\"'),"
            " (5, 'Zoë', 'Neri', '1899-12-30', 'F', 'riga 1' || char(10) || 'riga 2 💪'),"
            " (6, 'Anna', 'Bianchi', '1999-12-31', 'F', NULL);"
            "INSERT INTO schede (id_scheda, id_utente, Istruttore, PeriodoDal, PeriodoAl, id_cat, FreqAllen, "
            "Obiettivo) VALUES"
            " (10, 4, 'Carla', '2026-02-01', '2026-03-01', 1, 3, 'forza; tono'),"
            " (2, 4, 'Aldo', '2026-11-20', '2026-12-11', 2, 2, NULL),"
            " (3, 6, 'Aldo', '2026-01-01', '2026-01-22', 1, 3, NULL);"));
        salvato_ = finestre();
        registraFinestreSelezione();
        (*dialoghi_).fileDaSalvare = cartella() + QStringLiteral("/uscita.csv");
    }
    void TearDown() override {
        finestre() = salvato_;
        ArchivioDiProva::TearDown();
    }
    QByteArray scritto() const {
        QFile f(cartella() + QStringLiteral("/uscita.csv"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The identifiers of the written rows, in the file's order (rows end with CR LF, a line break
    // within a note is LF alone).
    QStringList idScritti() const {
        QStringList id;
        const QList<QByteArray> righe = scritto().split('\r');
        for (qsizetype i = 1; i < righe.size(); ++i)
            if (const QByteArray r = righe[i].trimmed(); !r.isEmpty())
                id << QString::fromUtf8(r.left(r.indexOf(';')));
        return id;
    }

    RegistroFinestre salvato_;
    DialoghiInstallati dialoghi_;
};

TEST_F(EsportaElenchi, UtentiNellOrdineDellElenco) {
    usaModale<UtentiSelezione>([] { finestre().UtentiSelezione(QStringLiteral("MODIFICA")); },
                               [](UtentiSelezione& w) {
                                   // Sorted by surname, as the user clicked the column.
                                   w.LW()->sortByColumn(UtentiSelezione::ColCognome, Qt::AscendingOrder);
                                   QAction* esporta =
                                       w.Toolbar()->findChild<QAction*>(QStringLiteral("esporta"));
                                   ASSERT_NE(esporta, nullptr);
                                   EXPECT_EQ(esporta->text(), QStringLiteral("Esporta..."));
                                   // From the keyboard, while typing in the search box.
                                   w.activateWindow();
                                   ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
                                   w.Ricerca()->setFocus();
                                   QTest::keyClick(w.Ricerca(), Qt::Key_S, Qt::ControlModifier);
                                   w.reject();
                               });
    EXPECT_EQ(QFileInfo((*dialoghi_).nomeProposto).fileName(), QStringLiteral("utenti.csv"));
    EXPECT_EQ(scritto(), bom + "ID_atleta;Cognome;Nome;Data Nascita;Sesso;Note\r\n"
                               "6;Bianchi;Anna;31/12/1999;F;\r\n"
                               "4;D'Amico;Mario;04/05/1980;M;\"spalla; \"\"fragile\"\"\"\r\n"
                               "5;Neri;Zo\xC3\xAB;;F;\"riga 1\nriga 2 \xF0\x9F\x92\xAA\"\r\n");
    ASSERT_EQ(messaggi().mostrati.size(), 1u);
    EXPECT_EQ(messaggi().mostrati[0].tipo, TipoMessaggio::Informazione);
    EXPECT_EQ(messaggi().mostrati[0].testo,
              QStringLiteral("3 righe esportate nel file %1.")
                  .arg(QDir::toNativeSeparators(cartella() + QStringLiteral("/uscita.csv"))));
}

TEST_F(EsportaElenchi, SchedeDellAtletaScelto) {
    usaModale<SchedeSelezione>([] { finestre().SchedeSelezione(4); },
                               [](SchedeSelezione& w) {
                                   QAction* esporta = w.Toolbar()->pulsante(QStringLiteral("esporta"));
                                   ASSERT_NE(esporta, nullptr);
                                   EXPECT_TRUE(esporta->isEnabled());
                                   esporta->trigger();
                                   w.reject();
                               });
    EXPECT_EQ(QFileInfo((*dialoghi_).nomeProposto).fileName(), QStringLiteral("schede.csv"));
    EXPECT_EQ(scritto(), bom + "ID_scheda;Dal;Al;Istruttore;Categoria;Obiettivo;Note\r\n"
                               "2;20/11/2026;11/12/2026;Aldo;Tonificazione;;\r\n"
                               "10;01/02/2026;01/03/2026;Carla;Dimagrimento;\"forza; tono\";\r\n");
    EXPECT_EQ(messaggi().testi().size(), 1);
}

// What the user sees is what the file holds: every row of the list (the search box only moves the
// selection), in the order of the column header clicked last.
TEST_F(EsportaElenchi, IlFileHaLeRigheComeLElencoLeMostra) {
    QStringList mostrati;
    usaModale<UtentiSelezione>([] { finestre().UtentiSelezione(QStringLiteral("MODIFICA")); },
                               [&mostrati](UtentiSelezione& w) {
                                   w.activateWindow();
                                   ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
                                   clicIntestazione(w.LW(), UtentiSelezione::ColNome);
                                   w.Ricerca()->setFocus();
                                   QTest::keyClicks(w.Ricerca(), QStringLiteral("ner"));
                                   EXPECT_EQ(selezionata(w.LW()), QStringLiteral("5"));
                                   mostrati = colonna(w.LW(), 0);
                                   QTest::keyClick(w.Ricerca(), Qt::Key_S, Qt::ControlModifier);
                                   w.reject();
                               });
    EXPECT_EQ(mostrati, (QStringList{"6", "4", "5"}));
    EXPECT_EQ(idScritti(), mostrati);
    EXPECT_TRUE(messaggi().testi().value(0).startsWith(QStringLiteral("3 righe esportate")))
        << messaggi().testi().join('|').toStdString();

    messaggi().mostrati.clear();
    QFile::remove(cartella() + QStringLiteral("/uscita.csv"));
    usaModale<SchedeSelezione>([] { finestre().SchedeSelezione(4); },
                               [&mostrati](SchedeSelezione& w) {
                                   w.activateWindow();
                                   ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
                                   clicIntestazione(w.LW(), SchedeSelezione::ColDal);
                                   mostrati = colonna(w.LW(), 0);
                                   QTest::keyClick(w.LW(), Qt::Key_S, Qt::ControlModifier);
                                   w.reject();
                               });
    EXPECT_EQ(mostrati, (QStringList{"10", "2"}));
    EXPECT_EQ(idScritti(), mostrati);
    EXPECT_TRUE(messaggi().testi().value(0).startsWith(QStringLiteral("2 righe esportate")))
        << messaggi().testi().join('|').toStdString();
}

// A date the register does not hold is an empty cell in the lists and in their files, and sorting by
// that column keeps such rows together, before the dated ones.
TEST_F(EsportaElenchi, SenzaDataLaCellaEVuota) {
    eseguiDiretto(QStringLiteral("INSERT INTO utenti (id_utente, nome, cognome, dataNascita, sesso) VALUES "
                                 "(7, 'Piero', 'Verdi', NULL, "
                                 "'M');"
                                 "INSERT INTO schede (id_scheda, id_utente, Istruttore, PeriodoDal, "
                                 "PeriodoAl, id_cat, FreqAllen) VALUES"
                                 " (20, 7, 'Aldo', NULL, NULL, 1, 3),"
                                 " (21, 7, 'Aldo', '2026-03-01', NULL, 1, 3),"
                                 " (22, 7, 'Aldo', NULL, '2026-04-01', 1, 3),"
                                 " (23, 7, 'Aldo', '2026-01-15', '2026-02-05', 1, 3);"));

    // Athlete 5 holds the older program's empty date.
    QStringList ordine, date;
    usaModale<UtentiSelezione>([] { finestre().UtentiSelezione(QStringLiteral("MODIFICA")); },
                               [&](UtentiSelezione& w) {
                                   w.activateWindow();
                                   ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
                                   clicIntestazione(w.LW(), UtentiSelezione::ColDataNascita);
                                   ordine = colonna(w.LW(), 0);
                                   date = colonna(w.LW(), UtentiSelezione::ColDataNascita);
                                   w.Ricerca()->setFocus();
                                   QTest::keyClick(w.Ricerca(), Qt::Key_S, Qt::ControlModifier);
                                   w.reject();
                               });
    EXPECT_EQ(ordine, (QStringList{"5", "7", "4", "6"}));
    EXPECT_EQ(date, (QStringList{"", "", "04/05/1980", "31/12/1999"}));
    EXPECT_EQ(scritto(), bom + "ID_atleta;Cognome;Nome;Data Nascita;Sesso;Note\r\n"
                               "5;Neri;Zo\xC3\xAB;;F;\"riga 1\nriga 2 \xF0\x9F\x92\xAA\"\r\n"
                               "7;Verdi;Piero;;M;\r\n"
                               "4;D'Amico;Mario;04/05/1980;M;\"spalla; \"\"fragile\"\"\"\r\n"
                               "6;Bianchi;Anna;31/12/1999;F;\r\n");

    const struct {
        int colonna;
        QStringList ordine;
        QStringList date; // the sorted column
        QByteArray righe; // of the file written in that order
    } casi[] = {
        {SchedeSelezione::ColDal,
         {"20", "22", "23", "21"},
         {"", "", "15/01/2026", "01/03/2026"},
         "20;;;Aldo;Dimagrimento;;\r\n22;;01/04/2026;Aldo;Dimagrimento;;\r\n"
         "23;15/01/2026;05/02/2026;Aldo;Dimagrimento;;\r\n21;01/03/2026;;Aldo;Dimagrimento;;\r\n"},
        {SchedeSelezione::ColAl,
         {"20", "21", "23", "22"},
         {"", "", "05/02/2026", "01/04/2026"},
         "20;;;Aldo;Dimagrimento;;\r\n21;01/03/2026;;Aldo;Dimagrimento;;\r\n"
         "23;15/01/2026;05/02/2026;Aldo;Dimagrimento;;\r\n22;;01/04/2026;Aldo;Dimagrimento;;\r\n"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.colonna);
        usaModale<SchedeSelezione>([] { finestre().SchedeSelezione(7); },
                                   [&](SchedeSelezione& w) {
                                       w.activateWindow();
                                       ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
                                       clicIntestazione(w.LW(), c.colonna);
                                       ordine = colonna(w.LW(), 0);
                                       date = colonna(w.LW(), c.colonna);
                                       QTest::keyClick(w.LW(), Qt::Key_S, Qt::ControlModifier);
                                       w.reject();
                                   });
        EXPECT_EQ(ordine, c.ordine);
        EXPECT_EQ(date, c.date);
        EXPECT_EQ(scritto(), bom + "ID_scheda;Dal;Al;Istruttore;Categoria;Obiettivo;Note\r\n" + c.righe);
    }
}

TEST_F(EsportaElenchi, AnnullatoONonScrivibileNonLasciaFile) {
    const struct {
        const char* caso;
        QString risposta;
        int messaggi;
    } casi[] = {
        {"dialogo annullato", QString(), 0},
        {"cartella inesistente", QStringLiteral("/manca/del/tutto/uscita.csv"), 1},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.caso);
        messaggi().mostrati.clear();
        (*dialoghi_).fileDaSalvare = c.risposta;
        usaModale<SchedeSelezione>([] { finestre().SchedeSelezione(4); },
                                   [](SchedeSelezione& w) {
                                       w.Toolbar()->pulsante(QStringLiteral("esporta"))->trigger();
                                       w.reject();
                                   });
        EXPECT_EQ(static_cast<int>(messaggi().mostrati.size()), c.messaggi);
        if (c.messaggi > 0) {
            EXPECT_EQ(messaggi().mostrati[0].tipo, TipoMessaggio::Errore);
        }
        EXPECT_FALSE(QFileInfo::exists(c.risposta.isEmpty() ? cartella() + QStringLiteral("/uscita.csv")
                                                            : c.risposta));
    }
}

} // namespace
