#include "base/variabiliGlobali.h"
#include "comune/ArchivioDiProva.h"
#include "comune/Azioni.h"
#include "comune/Modale.h"
#include "comune/RigheElenco.h"
#include "selection/SelettoreData.h"
#include "selection/UtentiNuovo.h"
#include "selection/UtentiSelezione.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>
#include <QToolTip>
#include <QTreeWidget>
#include <functional>
#include <optional>

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

    static QString selezionato(const QTreeWidget* lw) {
        return lw->currentItem() && lw->currentItem()->isSelected() ? lw->currentItem()->text(0) : QString();
    }
    static void selezionaRiga(QTreeWidget* lw, const QString& id) {
        for (int i = 0; i < lw->topLevelItemCount(); ++i)
            if (lw->topLevelItem(i)->text(0) == id)
                lw->setCurrentItem(lw->topLevelItem(i));
    }
    // A toolbar command, as a click on its button does.
    static void premi(UtentiSelezione& w, const char* chiave) { attiva(w, chiave); }
    // Opens the entry form with a toolbar command and runs `azione` on it while it is up.
    static void sulModulo(UtentiSelezione& w, const char* chiave,
                          const std::function<void(UtentiNuovo&)>& azione) {
        usaModale<UtentiNuovo>([&] { premi(w, chiave); },
                               [&](UtentiNuovo& f) {
                                   azione(f);
                                   if (f.isVisible())
                                       f.cmdAnnulla()->click();
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

    w.show();
    QApplication::processEvents();
    clicIntestazione(lw, UtentiSelezione::ColCognome);
    EXPECT_EQ(colonna(lw, 1), (QStringList{"bianchi", "Rossi", "Ruggeri", "Verdi"}));
    clicIntestazione(lw, UtentiSelezione::ColDataNascita);
    EXPECT_EQ(colonna(lw, 0), (QStringList{"10", "9", "2", "11"}));
    clicIntestazione(lw, UtentiSelezione::ColNome);
    EXPECT_EQ(colonna(lw, 2), (QStringList{"anna", "Bice", "Luca", "Mario"}));
    clicIntestazione(lw, UtentiSelezione::ColNome); // a second click keeps the ascending order
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

TEST_F(FinestreUtenti, CognomeConApostrofoMostratoECercatoComeDigitato) {
    // Stored with a backquote, as the register keeps every apostrophe typed.
    eseguiDiretto(
        QStringLiteral("INSERT INTO utenti (id_utente, nome, cognome, dataNascita) VALUES "
                       "(1, 'Ada', 'Dal Monte', '1970-01-01'), (12, 'Pia', 'D`Amico', '1985-02-03')"));
    UtentiSelezione w;
    w.show();
    QTreeWidget* lw = w.LW();
    EXPECT_EQ(colonna(lw, UtentiSelezione::ColCognome),
              (QStringList{"Dal Monte", "Verdi", "Rossi", "bianchi", "Ruggeri", "D'Amico"}));
    QTest::keyClicks(w.Ricerca(), QStringLiteral("D'Amico"));
    EXPECT_EQ(selezionato(lw), QStringLiteral("12"));
    QTest::keyClick(w.Ricerca(), Qt::Key_Return);
    EXPECT_EQ(idUtenteSelezionato, 12);
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
    premi(w, "annulla");
    EXPECT_EQ(idUtenteSelezionato, 77);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(FinestreUtenti, DoppioClicSecondoIlModo) {
    // The list's signal for a double click on a row.
    const auto doppioClic = [](QTreeWidget* lw) { emit lw->itemDoubleClicked(lw->currentItem(), 0); };
    UtentiSelezione w;
    w.Tag = UtentiSelezione::SELEZIONA;
    w.show();
    selezionaRiga(w.LW(), QStringLiteral("11"));
    doppioClic(w.LW());
    EXPECT_EQ(idUtenteSelezionato, 11);

    idUtenteSelezionato = 0;
    UtentiSelezione m;
    m.Tag = UtentiSelezione::MODIFICA;
    m.show();
    selezionaRiga(m.LW(), QStringLiteral("10"));
    usaModale<UtentiNuovo>([&] { doppioClic(m.LW()); },
                           [](UtentiNuovo& f) {
                               EXPECT_EQ(f.txtCognome()->text(), QStringLiteral("bianchi"));
                               EXPECT_TRUE(f.optF()->isChecked());
                               f.cmdAnnulla()->click();
                           });
    EXPECT_EQ(idUtenteSelezionato, 0);
}

TEST_F(FinestreUtenti, ModuloRifiutaIDatiMancanti) {
    struct {
        const char* cognome;
        const char* nome;
        const char* data;
        const char* messaggio;
    } casi[] = {{"", "Ugo", "01/01/2000", "Mancano alcuni dati essenziali!"},
                {"Neri", "", "01/01/2000", "Mancano alcuni dati essenziali!"},
                {"Neri", "Ugo", "", "Mancano alcuni dati essenziali!"},
                // a date is there, but no such day exists: the message says so and names the field
                {"Neri", "Ugo", "31/02/2000", "Data non valida: «31/02/2000» nel campo «Data di Nascita»"},
                {"Neri", "Ugo", "1/13/85", "Data non valida: «1/13/85» nel campo «Data di Nascita»"}};
    for (const auto& c : casi) {
        messaggi().mostrati.clear();
        UtentiNuovo f;
        f.Tag = QStringLiteral("0");
        f.show();
        f.txtCognome()->setText(QString::fromLatin1(c.cognome));
        f.txtNome()->setText(QString::fromLatin1(c.nome));
        f.txtDataNascita()->campo()->setText(QString::fromLatin1(c.data));
        f.CmdSave()->click();
        ASSERT_EQ(messaggi().mostrati.size(), 1u) << c.cognome << c.nome << c.data;
        EXPECT_TRUE(messaggi().mostrati[0].testo.startsWith(QString::fromUtf8(c.messaggio)))
            << messaggi().mostrati[0].testo.toStdString();
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(f.txtNome()->text(), QString::fromLatin1(c.nome)); // what was typed stays
        EXPECT_EQ(f.txtDataNascita()->testo(), QString::fromLatin1(c.data));
    }
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM utenti")), 4);
}

TEST_F(FinestreUtenti, NuovoAtletaAggiornaLElenco) {
    UtentiSelezione w;
    w.show();
    sulModulo(w, "nuovo", [](UtentiNuovo& f) {
        EXPECT_TRUE(f.optM()->isChecked());
        EXPECT_EQ(f.txtDataNascita()->data(), QDate(2004, 1, 28));
        QTest::keyClicks(f.txtCognome(), QStringLiteral("D'Angelo"));
        QTest::keyClicks(f.txtNome(), QStringLiteral("Nino"));
        f.txtDataNascita()->campo()->clear();
        QTest::keyClicks(f.txtDataNascita()->campo(), QStringLiteral("4/3/99"));
        f.optF()->click();
        QTest::keyClicks(f.txtNote(), QStringLiteral("l'atleta"));
        f.CmdSave()->click();
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_EQ(w.LW()->topLevelItemCount(), 5);
    EXPECT_TRUE(colonna(w.LW(), 1).contains(QStringLiteral("D'Angelo")));
    EXPECT_EQ(selezionato(w.LW()), QStringLiteral("12")); // the new athlete is the selected row
    EXPECT_EQ(
        contaDiretto(QStringLiteral("SELECT COUNT(*) FROM utenti WHERE cognome='D`Angelo' AND sesso='F' "
                                    "AND dataNascita='1999-03-04' AND Note='l`atleta'")),
        1);
}

TEST_F(FinestreUtenti, IlModuloRestituisceLAtletaSalvato) {
    struct {
        const char* caso;
        const char* tag;
        bool salva;
        std::optional<std::int32_t> atteso;
    } casi[] = {
        {"nuovo salvato", "0", true, 12},
        {"nuovo annullato", "0", false, std::nullopt},
        {"modificato", "10", true, 10},
        {"modifica annullata", "10", false, std::nullopt},
    };
    for (const auto& c : casi) {
        UtentiNuovo f;
        f.Tag = QString::fromLatin1(c.tag);
        std::optional<std::int32_t> risultato = -1;
        usaModale<UtentiNuovo>([&] { risultato = f.esegui(); },
                               [&](UtentiNuovo& modulo) {
                                   modulo.txtCognome()->setText(QStringLiteral("Neri"));
                                   modulo.txtNome()->setText(QStringLiteral("Ugo"));
                                   (c.salva ? modulo.CmdSave() : modulo.cmdAnnulla())->click();
                               });
        EXPECT_EQ(risultato, c.atteso) << c.caso;
        EXPECT_EQ(f.atletaSalvato(), c.atteso) << c.caso;
    }
    // Only the first save inserted; the athlete changed is the one named.
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM utenti")), 5);
    EXPECT_EQ(
        contaDiretto(QStringLiteral("SELECT COUNT(*) FROM utenti WHERE id_utente = 10 AND nome = 'Ugo'")), 1);
}

TEST_F(FinestreUtenti, SalvataggioRifiutatoLasciaApertoIlModulo) {
    eseguiDiretto(QStringLiteral(
        "CREATE TRIGGER rifiuta BEFORE INSERT ON utenti BEGIN SELECT RAISE(ABORT, 'rifiutato'); END;"));
    UtentiNuovo f;
    f.Tag = QStringLiteral("0");
    f.show();
    f.txtCognome()->setText(QStringLiteral("Neri"));
    f.txtNome()->setText(QStringLiteral("Ugo"));
    f.CmdSave()->click();
    EXPECT_EQ(messaggi().mostrati.size(), 1u);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.txtCognome()->text(), QStringLiteral("Neri"));
}

TEST_F(FinestreUtenti, ModificaSalvaEAnnullaNonTocca) {
    UtentiSelezione w;
    w.Tag = UtentiSelezione::MODIFICA;
    w.show();
    selezionaRiga(w.LW(), QStringLiteral("2"));
    sulModulo(w, "modifica", [](UtentiNuovo& f) {
        EXPECT_TRUE(f.optF()->isChecked()); // empty sex shows F
        f.txtNome()->setText(QStringLiteral("Cambiato"));
        f.cmdAnnulla()->click();
    });
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM utenti WHERE nome='Luca'")), 1);

    sulModulo(w, "modifica", [](UtentiNuovo& f) {
        f.txtNome()->setText(QStringLiteral("Lucio"));
        f.CmdSave()->click();
    });
    EXPECT_TRUE(colonna(w.LW(), 2).contains(QStringLiteral("Lucio")));
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM utenti")), 4);
}

TEST_F(FinestreUtenti, EliminaChiedeECancellaLeSchede) {
    UtentiSelezione w;
    w.show();
    selezionaRiga(w.LW(), QStringLiteral("9"));
    messaggi().rispondi(Risposta::No);
    premi(w, "elimina");
    EXPECT_EQ(messaggi().testi(),
              QStringList{QStringLiteral(
                  "Sei sicuro di cancellare l'atleta? Verranno cancellate tutte le sue schede!")});
    // A hasty Enter deletes nothing.
    EXPECT_EQ(messaggi().mostrati[0].predefinita, Risposta::No);
    EXPECT_EQ(w.LW()->topLevelItemCount(), 4);

    messaggi().mostrati.clear();
    messaggi().rispondi(Risposta::Si);
    premi(w, "elimina");
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
        premi(w, k);
    QTest::keyClick(w.Ricerca(), Qt::Key_Return);
    EXPECT_EQ(idUtenteSelezionato, 0);
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(messaggi().mostrati.empty());
    EXPECT_FALSE(w.Toolbar()->findChild<QAction*>(QStringLiteral("elimina"))->isEnabled());
}

TEST_F(FinestreUtenti, DopoLEliminazioneSiSelezionaLaRigaVicina) {
    // Rows in list order: 2, 9, 10, 11.
    struct {
        const char* elimina;
        QStringList restano;
        const char* selezionata;
    } casi[] = {
        {"9", {"2", "10", "11"}, "10"}, // the next row takes its place
        {"11", {"2", "10"}, "10"},      // the last row: the new last one
        {"2", {"10"}, "10"},
        {"10", {}, ""}, // the list is empty
    };
    UtentiSelezione w;
    w.show();
    for (const auto& c : casi) {
        selezionaRiga(w.LW(), QString::fromLatin1(c.elimina));
        messaggi().rispondi(Risposta::Si);
        premi(w, "elimina");
        EXPECT_EQ(colonna(w.LW(), 0), c.restano) << c.elimina;
        EXPECT_EQ(selezionato(w.LW()), QString::fromLatin1(c.selezionata)) << c.elimina;
    }
}

TEST_F(FinestreUtenti, ColonneSiAllarganoETestoTagliatoNelSuggerimento) {
    eseguiDiretto(QStringLiteral("INSERT INTO utenti (id_utente, nome, cognome, dataNascita) VALUES "
                                 "(20, 'Maria', 'Bartolomeo Della Gherardesca Lungavilla', '1970-01-01')"));
    UtentiSelezione w;
    w.resize(w.minimumWidth(), 400);
    w.show();
    QApplication::processEvents();
    QTreeWidget* lw = w.LW();
    QHeaderView* h = lw->header();
    const auto somma = [h] {
        int s = 0;
        for (int c = 0; c < h->count(); ++c)
            s += h->sectionSize(c);
        return s;
    };
    const int cognomePrima = h->sectionSize(UtentiSelezione::ColCognome);
    const int nomePrima = h->sectionSize(UtentiSelezione::ColNome);
    EXPECT_EQ(somma(), lw->viewport()->width());

    const int ricerca = w.Ricerca()->width();
    w.resize(w.width() + 300, 400);
    QApplication::processEvents();
    EXPECT_EQ(somma(), lw->viewport()->width()); // no empty strip, no scrolling
    EXPECT_LT(w.Ricerca()->width(), ricerca + 150);
    EXPECT_GT(h->sectionSize(UtentiSelezione::ColCognome), cognomePrima + 100);
    EXPECT_GT(h->sectionSize(UtentiSelezione::ColNome), nomePrima + 100);

    // Narrow again: the long surname is cut and its tooltip shows it whole; a short name has none.
    w.resize(w.minimumWidth(), 400);
    QApplication::processEvents();
    const auto suggerimento = [lw](const QString& id, int colonna) {
        QTreeWidgetItem* riga = nullptr;
        for (int i = 0; i < lw->topLevelItemCount(); ++i)
            if (lw->topLevelItem(i)->text(0) == id)
                riga = lw->topLevelItem(i);
        lw->scrollToItem(riga);
        // A tip on screen fades out over a moment: wait until it has gone.
        QToolTip::hideText();
        EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 3000));
        const QPoint punto =
            lw->visualItemRect(riga).topLeft() + QPoint(lw->header()->sectionPosition(colonna) + 4, 4);
        QHelpEvent evento(QEvent::ToolTip, punto, lw->viewport()->mapToGlobal(punto));
        QApplication::sendEvent(lw->viewport(), &evento);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(suggerimento(QStringLiteral("20"), UtentiSelezione::ColCognome),
              QStringLiteral("Bartolomeo Della Gherardesca Lungavilla"));
    EXPECT_EQ(suggerimento(QStringLiteral("9"), UtentiSelezione::ColCognome), QString());
    QToolTip::hideText();
}

TEST_F(FinestreUtenti, ModuloLargoNonStiraICampiBrevi) {
    UtentiNuovo f;
    EXPECT_EQ(f.windowTitle(), QStringLiteral("UTENTE"));
    f.show();
    const int cognome = f.txtCognome()->width(), data = f.txtDataNascita()->width(),
              note = f.txtNote()->width();
    f.resize(f.width() + 800, f.height());
    QApplication::processEvents();
    EXPECT_EQ(f.txtDataNascita()->width(), data);
    EXPECT_LT(f.txtCognome()->width(), cognome + 400);
    EXPECT_EQ(f.txtNome()->width(), f.txtCognome()->width());
    EXPECT_GE(f.txtNote()->width(), note + 500); // the notes take the room
}

TEST_F(FinestreUtenti, SalvaCliccatoConDataImpossibileUnSoloMessaggio) {
    UtentiNuovo f;
    f.Tag = QStringLiteral("0");
    f.show();
    QApplication::setActiveWindow(&f);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    f.txtCognome()->setText(QStringLiteral("Neri"));
    f.txtNome()->setText(QStringLiteral("Ugo"));
    f.txtDataNascita()->campo()->setFocus();
    f.txtDataNascita()->campo()->selectAll();
    QTest::keyClicks(f.txtDataNascita()->campo(), QStringLiteral("30/02/1990"));
    QTest::mouseClick(f.CmdSave(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !messaggi().mostrati.empty(); }, 5000));
    // Whatever the click left queued (the date field losing its focus) has its turn: still one message.
    QCoreApplication::processEvents();
    ASSERT_EQ(messaggi().mostrati.size(), 1u);
    EXPECT_TRUE(messaggi().mostrati[0].testo.startsWith(QStringLiteral("Data non valida: «30/02/1990»")));
    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(f.txtDataNascita()->campo()->hasFocus());
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM utenti")), 4);

    // Corrected, the same click saves.
    QTest::keyClicks(f.txtDataNascita()->campo(), QStringLiteral("28021990"));
    QTest::mouseClick(f.CmdSave(), Qt::LeftButton);
    EXPECT_EQ(messaggi().mostrati.size(), 1u);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM utenti WHERE dataNascita = '1990-02-28'")),
              1);
}

TEST_F(FinestreUtenti, TastiDiAccessoDelModulo) {
    UtentiNuovo f;
    f.show();
    QApplication::setActiveWindow(&f);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    struct {
        Qt::Key tasto;
        QWidget* campo;
    } casi[] = {{Qt::Key_D, f.txtDataNascita()->campo()},
                {Qt::Key_C, f.txtCognome()},
                {Qt::Key_N, f.txtNome()},
                {Qt::Key_O, f.txtNote()}};
    for (const auto& c : casi) {
        QTest::keyClick(&f, c.tasto, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), c.campo) << char(c.tasto);
    }
    EXPECT_TRUE(messaggi().mostrati.empty());
}

} // namespace
