#include "base/variabiliGlobali.h"
#include "comune/ArchivioDiProva.h"
#include "selection/SelettoreData.h"
#include "selection/UtentiNuovo.h"
#include "selection/UtentiSelezione.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <functional>

namespace {

class FinestreUtenti : public ArchivioDiProva {
protected:
    void SetUp() override {
        ArchivioDiProva::SetUp();
        eseguiDiretto(
            QStringLiteral("INSERT INTO utenti (id_utente, nome, cognome, dataNascita, sesso) VALUES "
                           "(9, 'Mario', 'Rossi', '1980-05-02', 'M'),"
                           "(10, 'anna', 'bianchi', '1975-12-01', 'F'),"
                           "(2, 'Luca', 'Verdi', '1990-01-31', ''),"
                           "(11, 'Bice', 'Ruggeri', '2001-07-15', 'F');"
                           "INSERT INTO schede (id_utente, Istruttore, id_cat, FreqAllen) VALUES (9, 'I', 1, "
                           "3), (9, 'I', 1, 3), (9, 'I', 1, 3);"));
    }

    static QStringList colonna(const QTreeWidget* lw, int c) {
        QStringList valori;
        for (int i = 0; i < lw->topLevelItemCount(); ++i)
            valori << lw->topLevelItem(i)->text(c);
        return valori;
    }
    static QString selezionato(const QTreeWidget* lw) {
        return lw->currentItem() && lw->currentItem()->isSelected() ? lw->currentItem()->text(0) : QString();
    }
    static void selezionaRiga(QTreeWidget* lw, const QString& id) {
        for (int i = 0; i < lw->topLevelItemCount(); ++i)
            if (lw->topLevelItem(i)->text(0) == id)
                lw->setCurrentItem(lw->topLevelItem(i));
    }
    // Runs `azione` on the entry form as soon as it is shown modally.
    static void sulModulo(std::function<void(UtentiNuovo&)> azione) {
        QTimer::singleShot(0, [azione] {
            auto* f = qobject_cast<UtentiNuovo*>(QApplication::activeModalWidget());
            ASSERT_NE(f, nullptr);
            azione(*f);
            if (f->isVisible())
                f->reject();
        });
    }
};

TEST_F(FinestreUtenti, ColonneEOrdinePerValore) {
    UtentiSelezione w;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Elenco UTENTI"));
    QTreeWidget* lw = w.LW();
    EXPECT_EQ(lw->headerItem()->text(3), QStringLiteral("Data Nascita"));
    // Identifiers sort as numbers: 9 before 10.
    EXPECT_EQ(colonna(lw, 0), (QStringList{"2", "9", "10", "11"}));
    EXPECT_EQ(colonna(lw, 3), (QStringList{"31/01/1990", "02/05/1980", "01/12/1975", "15/07/2001"}));

    lw->header()->sectionClicked(UtentiSelezione::ColCognome);
    EXPECT_EQ(colonna(lw, 1), (QStringList{"bianchi", "Rossi", "Ruggeri", "Verdi"}));
    lw->header()->sectionClicked(UtentiSelezione::ColDataNascita);
    EXPECT_EQ(colonna(lw, 0), (QStringList{"10", "9", "2", "11"}));
    lw->header()->sectionClicked(UtentiSelezione::ColNome);
    EXPECT_EQ(colonna(lw, 2), (QStringList{"anna", "Bice", "Luca", "Mario"}));
}

TEST_F(FinestreUtenti, RicercaSuCognomeENomeInOgniMaiuscola) {
    UtentiSelezione w;
    QTreeWidget* lw = w.LW();
    struct {
        const char* testo;
        const char* atteso;
    } passi[] = {
        {"R", "9"},    // Rossi, first in list order
        {"RU", "11"},  // Ruggeri
        {"RUX", "11"}, // nothing matches: the selection stays
        {"", "2"},     // empty text matches the first row
        {"AN", "10"},  // first name "anna"
        {"bi", "10"},  // surname "bianchi" comes before first name "Bice" in list order
    };
    for (const auto& p : passi) {
        w.Ricerca()->setText(QString::fromLatin1(p.testo));
        EXPECT_EQ(selezionato(lw), QString::fromLatin1(p.atteso)) << p.testo;
    }
}

TEST_F(FinestreUtenti, InvioSceglieInEntrambiIModi) {
    for (const QString& modo : {UtentiSelezione::SELEZIONA, UtentiSelezione::MODIFICA}) {
        idUtenteSelezionato = 0;
        UtentiSelezione w;
        w.Tag = modo;
        w.show();
        w.Ricerca()->setText(QStringLiteral("ver"));
        QTest::keyClick(w.Ricerca(), Qt::Key_Return);
        EXPECT_EQ(idUtenteSelezionato, 2) << modo.toStdString();
        EXPECT_EQ(w.result(), QDialog::Accepted);
    }
}

TEST_F(FinestreUtenti, AnnullaLasciaLaSceltaPrecedente) {
    idUtenteSelezionato = 77;
    UtentiSelezione w;
    w.show();
    selezionaRiga(w.LW(), QStringLiteral("9"));
    w.Toolbar_ButtonClick(QStringLiteral("Annulla"));
    EXPECT_EQ(idUtenteSelezionato, 77);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(FinestreUtenti, DoppioClicSecondoIlModo) {
    UtentiSelezione w;
    w.Tag = UtentiSelezione::SELEZIONA;
    selezionaRiga(w.LW(), QStringLiteral("11"));
    emit w.LW()->itemDoubleClicked(w.LW()->currentItem(), 0);
    EXPECT_EQ(idUtenteSelezionato, 11);

    idUtenteSelezionato = 0;
    UtentiSelezione m;
    m.Tag = UtentiSelezione::MODIFICA;
    selezionaRiga(m.LW(), QStringLiteral("10"));
    bool aperto = false;
    sulModulo([&](UtentiNuovo& f) {
        aperto = true;
        EXPECT_EQ(f.txtCognome()->text(), QStringLiteral("bianchi"));
        EXPECT_TRUE(f.optF()->isChecked());
    });
    emit m.LW()->itemDoubleClicked(m.LW()->currentItem(), 0);
    EXPECT_TRUE(aperto);
    EXPECT_EQ(idUtenteSelezionato, 0);
}

TEST_F(FinestreUtenti, ModuloRifiutaIDatiMancanti) {
    struct {
        const char* cognome;
        const char* nome;
        const char* data;
    } casi[] = {{"", "Ugo", "01/01/2000"},
                {"Neri", "", "01/01/2000"},
                {"Neri", "Ugo", ""},
                {"Neri", "Ugo", "31/02/2000"}};
    for (const auto& c : casi) {
        messaggi().mostrati.clear();
        UtentiNuovo f;
        f.Tag = QStringLiteral("0");
        f.show();
        f.txtCognome()->setText(QString::fromLatin1(c.cognome));
        f.txtNome()->setText(QString::fromLatin1(c.nome));
        f.txtDataNascita()->campo()->setText(QString::fromLatin1(c.data));
        f.CmdSave_Click();
        EXPECT_EQ(messaggi().testi(), QStringList{QStringLiteral("Mancano alcuni dati essenziali!")})
            << c.cognome << c.nome << c.data;
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(f.txtNome()->text(), QString::fromLatin1(c.nome)); // what was typed stays
    }
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM utenti")), 4);
}

TEST_F(FinestreUtenti, NuovoAtletaAggiornaLElenco) {
    UtentiSelezione w;
    w.show();
    sulModulo([](UtentiNuovo& f) {
        EXPECT_TRUE(f.optM()->isChecked());
        EXPECT_EQ(f.txtDataNascita()->data(), QDate(2004, 1, 28));
        f.txtCognome()->setText(QStringLiteral("D'Angelo"));
        f.txtNome()->setText(QStringLiteral("Nino"));
        f.txtDataNascita()->setData(QDate(1999, 3, 4));
        f.optF()->setChecked(true);
        f.txtNote()->setPlainText(QStringLiteral("l'atleta"));
        f.CmdSave_Click();
        EXPECT_FALSE(f.isVisible());
    });
    w.Toolbar_ButtonClick(QStringLiteral("nuovo"));
    EXPECT_EQ(w.LW()->topLevelItemCount(), 5);
    EXPECT_TRUE(colonna(w.LW(), 1).contains(QStringLiteral("D`Angelo")));
    EXPECT_EQ(selezionato(w.LW()), QStringLiteral("12")); // the new athlete is the selected row
    EXPECT_EQ(
        contaDiretto(QStringLiteral("SELECT COUNT(*) FROM utenti WHERE cognome='D`Angelo' AND sesso='F' "
                                    "AND dataNascita='1999-03-04' AND Note='l`atleta'")),
        1);
}

TEST_F(FinestreUtenti, SalvataggioRifiutatoLasciaApertoIlModulo) {
    eseguiDiretto(QStringLiteral(
        "CREATE TRIGGER rifiuta BEFORE INSERT ON utenti BEGIN SELECT RAISE(ABORT, 'rifiutato'); END;"));
    UtentiNuovo f;
    f.Tag = QStringLiteral("0");
    f.show();
    f.txtCognome()->setText(QStringLiteral("Neri"));
    f.txtNome()->setText(QStringLiteral("Ugo"));
    f.CmdSave_Click();
    EXPECT_EQ(messaggi().mostrati.size(), 1u);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.txtCognome()->text(), QStringLiteral("Neri"));
}

TEST_F(FinestreUtenti, ModificaSalvaEAnnullaNonTocca) {
    UtentiSelezione w;
    w.Tag = UtentiSelezione::MODIFICA;
    w.show();
    selezionaRiga(w.LW(), QStringLiteral("2"));
    sulModulo([](UtentiNuovo& f) {
        EXPECT_TRUE(f.optF()->isChecked()); // empty sex shows F
        f.txtNome()->setText(QStringLiteral("Cambiato"));
        f.cmdAnnulla_Click();
    });
    w.Toolbar_ButtonClick(QStringLiteral("modifica"));
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM utenti WHERE nome='Luca'")), 1);

    sulModulo([](UtentiNuovo& f) {
        f.txtNome()->setText(QStringLiteral("Lucio"));
        f.CmdSave_Click();
    });
    w.Toolbar_ButtonClick(QStringLiteral("MODIFICA"));
    EXPECT_TRUE(colonna(w.LW(), 2).contains(QStringLiteral("Lucio")));
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM utenti")), 4);
}

TEST_F(FinestreUtenti, EliminaChiedeECancellaLeSchede) {
    UtentiSelezione w;
    w.show();
    selezionaRiga(w.LW(), QStringLiteral("9"));
    messaggi().rispondi(Risposta::No);
    w.Toolbar_ButtonClick(QStringLiteral("elimina"));
    EXPECT_EQ(messaggi().testi(),
              QStringList{QStringLiteral(
                  "Sei sicuro di cancellare l'atleta? Verranno cancellate tutte le sue schede!")});
    EXPECT_EQ(w.LW()->topLevelItemCount(), 4);

    messaggi().mostrati.clear();
    w.Toolbar_ButtonClick(QStringLiteral("elimina"));
    EXPECT_EQ(messaggi().testi(),
              (QStringList{QStringLiteral(
                               "Sei sicuro di cancellare l'atleta? Verranno cancellate tutte le sue schede!"),
                           QStringLiteral("Utente e schede eliminati")}));
    EXPECT_EQ(colonna(w.LW(), 0), (QStringList{"2", "10", "11"}));
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM schede")), 0);
}

TEST_F(FinestreUtenti, ElencoVuotoNonFaNulla) {
    eseguiDiretto(QStringLiteral("DELETE FROM utenti"));
    UtentiSelezione w;
    w.Tag = UtentiSelezione::MODIFICA;
    w.show();
    EXPECT_EQ(w.LW()->topLevelItemCount(), 0);
    for (const char* k : {"seleziona", "modifica", "elimina"})
        w.Toolbar_ButtonClick(QString::fromLatin1(k));
    QTest::keyClick(w.Ricerca(), Qt::Key_Return);
    EXPECT_EQ(idUtenteSelezionato, 0);
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(messaggi().mostrati.empty());
    EXPECT_FALSE(w.Toolbar()->findChild<QAction*>(QStringLiteral("elimina"))->isEnabled());
}

TEST_F(FinestreUtenti, SelettoreDataAccettaDateItaliane) {
    SelettoreData s;
    const std::pair<const char*, QDate> casi[] = {{"05/12/2004", QDate(2004, 12, 5)},
                                                  {"5/1/2004", QDate(2004, 1, 5)},
                                                  {"", QDate()},
                                                  {"32/01/2004", QDate()}};
    for (const auto& [testo, data] : casi) {
        s.campo()->setText(QString::fromLatin1(testo));
        EXPECT_EQ(s.data(), data) << testo;
    }
    s.setData(QDate(2026, 12, 10));
    EXPECT_EQ(s.testo(), QStringLiteral("10/12/2026"));
}

} // namespace
