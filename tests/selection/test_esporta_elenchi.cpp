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
