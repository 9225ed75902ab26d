#include "SequenzaModali.h"
#include "base/variabiliGlobali.h"
#include "comune/ArchivioDiProva.h"
#include "comune/Modale.h"
#include "comune/RigheElenco.h"
#include "selection/RegistraSelezione.h"
#include "selection/SchedeMODELLONuova.h"
#include "selection/SchedeMODELLOSelezione.h"
#include "shell/BarraStrumenti.h"
#include "shell/Finestre.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

const QString flessibilita = QStringLiteral("Flessibilità e mobilità"); // second in alphabetical order

// Templates: three of "Flessibilità e mobilità" (3 delivered and protected), one of "Tonificazione".
class ListaModelli : public ArchivioDiProva {
protected:
    void SetUp() override {
        ArchivioDiProva::SetUp();
        eseguiDiretto(
            QStringLiteral("INSERT INTO schedeModello (id_Scheda, id_cat, descrizione, preimpostata) VALUES"
                           " (3, 5, 'Zeta', 1), (12, 5, 'beta', 0), (4, 5, 'Alfa', 0), (7, 2, 'Tono', 0);"
                           "INSERT INTO utenti (id_utente, nome, cognome) VALUES (4, 'Mario', 'Rossi');"));
        salvato_ = finestre();
        registraFinestreSelezione();
    }
    void TearDown() override {
        finestre() = salvato_;
        ArchivioDiProva::TearDown();
    }

    // Opens the template list as the main window does and lets `agisci` use it.
    static void conLista(const std::function<void(SchedeMODELLOSelezione&)>& agisci) {
        usaModale<SchedeMODELLOSelezione>([] { finestre().SchedeMODELLOSelezione(); }, agisci);
    }
    static QAction* pulsante(SchedeMODELLOSelezione& w, const char* chiave) {
        return w.Toolbar()->pulsante(QString::fromLatin1(chiave));
    }
    static void scegliCategoria(QComboBox* box, const QString& nome) {
        box->setCurrentIndex(box->findText(nome));
    }
    qlonglong modelli(const QString& condizione) const {
        return contaDiretto(QStringLiteral("SELECT count(*) FROM schedeModello WHERE ") + condizione);
    }

    RegistroFinestre salvato_;
};

TEST_F(ListaModelli, ApreSullaSecondaCategoriaEFiltraPerNomeEsatto) {
    categoriaNuovoModello = QStringLiteral("resto di prima");
    conLista([](SchedeMODELLOSelezione& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("SCHEDA Modello"));
        EXPECT_EQ(w.categoria()->currentText(), flessibilita);
        EXPECT_EQ(categoriaNuovoModello, QString());
        QTreeWidget* lw = w.LW();
        EXPECT_EQ(lw->headerItem()->text(0), QStringLiteral("ID_scheda"));
        EXPECT_EQ(lw->headerItem()->text(1), QStringLiteral("Descrizione"));
        EXPECT_TRUE(lw->isColumnHidden(0));
        EXPECT_EQ(colonna(lw, 0), (QStringList{"3", "4", "12"}));
        EXPECT_EQ(colonna(lw, 1), (QStringList{"Zeta", "Alfa", "beta"}));

        lw->header()->sectionClicked(SchedeMODELLOSelezione::ColDescrizione);
        EXPECT_EQ(colonna(lw, 1), (QStringList{"Alfa", "beta", "Zeta"}));

        scegliCategoria(w.categoria(), QStringLiteral("Tonificazione"));
        EXPECT_EQ(colonna(lw, 0), QStringList{"7"});
        scegliCategoria(w.categoria(), QStringLiteral("Dimagrimento"));
        EXPECT_EQ(lw->topLevelItemCount(), 0);

        // Letter case counts.
        w.categoria()->setEditText(flessibilita.toLower());
        w.fillList();
        EXPECT_EQ(lw->topLevelItemCount(), 0);
        w.reject();
    });
}

TEST_F(ListaModelli, UnClicSullIntestazioneOrdinaLaDescrizione) {
    conLista([](SchedeMODELLOSelezione& w) {
        QTreeWidget* lw = w.LW();
        QHeaderView* h = lw->header();
        const int x = h->sectionViewportPosition(SchedeMODELLOSelezione::ColDescrizione) + 10;
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(x, h->height() / 2));
        EXPECT_EQ(colonna(lw, 1), (QStringList{"Alfa", "beta", "Zeta"}));
        // Another category stays in the order chosen.
        scegliCategoria(w.categoria(), QStringLiteral("Tonificazione"));
        scegliCategoria(w.categoria(), flessibilita);
        EXPECT_EQ(colonna(lw, 1), (QStringList{"Alfa", "beta", "Zeta"}));
        w.reject();
    });
}

TEST_F(ListaModelli, NomeConApostrofo) {
    eseguiDiretto(QStringLiteral("INSERT INTO schedeModello (id_Scheda, id_cat, descrizione, preimpostata) "
                                 "VALUES (8, 2, 'Schiena dell`anziano', 0)"));
    conLista([](SchedeMODELLOSelezione& w) {
        scegliCategoria(w.categoria(), QStringLiteral("Tonificazione"));
        EXPECT_EQ(colonna(w.LW(), SchedeMODELLOSelezione::ColDescrizione),
                  (QStringList{"Tono", "Schiena dell'anziano"}));
        pulsante(w, "annulla")->trigger();
    });
    EXPECT_TRUE(messaggi().mostrati.empty());
}

TEST_F(ListaModelli, IDueModiSecondoLAtletaScelto) {
    const struct {
        std::int32_t atleta;
        std::vector<std::pair<const char*, bool>> attivi;
    } casi[] = {
        {4,
         {{"seleziona", true}, {"annulla", true}, {"nuova", false}, {"modifica", false}, {"elimina", true}}},
        {0,
         {{"seleziona", false}, {"annulla", true}, {"nuova", true}, {"modifica", true}, {"elimina", true}}},
    };
    for (const auto& c : casi) {
        idUtenteSelezionato = c.atleta;
        conLista([&c](SchedeMODELLOSelezione& w) {
            for (const auto& [chiave, attivo] : c.attivi)
                EXPECT_EQ(pulsante(w, chiave)->isEnabled(), attivo) << chiave << " atleta " << c.atleta;
            w.reject();
        });
    }
}

TEST_F(ListaModelli, DidascalieSuggerimentiEImmagini) {
    conLista([](SchedeMODELLOSelezione& w) {
        const struct {
            const char* chiave;
            const char* didascalia;
            const char* suggerimento;
            int immagine;
        } attesi[] = {
            {"seleziona", "Seleziona", "Seleziona il modello in evidenza", 1},
            {"annulla", "Annulla", "Esce dalla videata annullando ogni operazione in corso", 2},
            {"nuova", "Nuova", "Crea una nuova Scheda Modello", 3},
            {"modifica", "Modifica", "Modifica la Scheda Modello selezionata", 4},
            {"elimina", "Elimina", "Elimina dall'archivio la scheda", 5},
        };
        for (const auto& a : attesi) {
            QAction* p = pulsante(w, a.chiave);
            ASSERT_NE(p, nullptr) << a.chiave;
            EXPECT_EQ(p->text(), QString::fromUtf8(a.didascalia));
            EXPECT_EQ(p->toolTip(), QString::fromUtf8(a.suggerimento));
            EXPECT_EQ(BarraStrumenti::numeroImmagine(p), a.immagine);
        }
        EXPECT_TRUE(w.Toolbar()->actions().at(2)->isSeparator());
        w.reject();
    });
}

TEST_F(ListaModelli, SceltaPerPulsanteDoppioClicOInvio) {
    const struct {
        const char* modo;
        std::int32_t atleta;
        std::function<void(SchedeMODELLOSelezione&)> scegli;
    } casi[] = {
        {"Seleziona", 4, [](SchedeMODELLOSelezione& w) { pulsante(w, "seleziona")->trigger(); }},
        {"Modifica", 0, [](SchedeMODELLOSelezione& w) { pulsante(w, "modifica")->trigger(); }},
        {"F2", 0,
         [](SchedeMODELLOSelezione& w) {
             w.activateWindow();
             ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
             QTest::keyClick(w.LW(), Qt::Key_F2);
         }},
        {"doppio clic", 4,
         [](SchedeMODELLOSelezione& w) {
             const QRect r = w.LW()->visualItemRect(w.LW()->currentItem());
             QTest::mouseClick(w.LW()->viewport(), Qt::LeftButton, {}, r.center());
             QTest::mouseDClick(w.LW()->viewport(), Qt::LeftButton, {}, r.center());
         }},
        {"Invio", 0, [](SchedeMODELLOSelezione& w) { QTest::keyClick(w.LW(), Qt::Key_Return); }},
    };
    for (const auto& c : casi) {
        idUtenteSelezionato = c.atleta;
        idModelloSelezionato = 0;
        conLista([&c](SchedeMODELLOSelezione& w) {
            selezionaRiga(w.LW(), QStringLiteral("12"));
            c.scegli(w);
        });
        EXPECT_EQ(idModelloSelezionato, 12) << c.modo;
    }
}

TEST_F(ListaModelli, AnnullaScriveMenoUnoLaChiusuraNonCambiaNulla) {
    idModelloSelezionato = 0;
    conLista([](SchedeMODELLOSelezione& w) { pulsante(w, "annulla")->trigger(); });
    EXPECT_EQ(idModelloSelezionato, -1);

    idModelloSelezionato = 0;
    conLista([](SchedeMODELLOSelezione& w) { QTest::keyClick(&w, Qt::Key_Escape); });
    EXPECT_EQ(idModelloSelezionato, 0);
}

TEST_F(ListaModelli, ElencoVuotoNessunIdentificativoConsegnato) {
    idModelloSelezionato = 0;
    conLista([this](SchedeMODELLOSelezione& w) {
        scegliCategoria(w.categoria(), QStringLiteral("Dimagrimento"));
        ASSERT_EQ(w.LW()->topLevelItemCount(), 0);
        for (const char* k : {"modifica", "elimina"})
            pulsante(w, k)->trigger();
        QTest::keyClick(w.LW(), Qt::Key_Return);
        QTest::keyClick(w.LW(), Qt::Key_Delete);
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(messaggi().mostrati.empty());
        w.reject();
    });
    EXPECT_EQ(idModelloSelezionato, 0);
}

TEST_F(ListaModelli, EliminaRifiutaIPreimpostatiEConfermaGliAltri) {
    idUtenteSelezionato = 4; // deleting works in selection mode too
    conLista([this](SchedeMODELLOSelezione& w) {
        QTreeWidget* lw = w.LW();
        selezionaRiga(lw, QStringLiteral("3"));
        pulsante(w, "elimina")->trigger();
        EXPECT_EQ(messaggi().testi(),
                  QStringList{"Impossibile eliminare la scheda perchè è una scheda preimpostata!"});
        EXPECT_EQ(colonna(lw, 0), (QStringList{"3", "4", "12"}));

        messaggi().mostrati.clear();
        selezionaRiga(lw, QStringLiteral("4"));
        messaggi().rispondi(Risposta::No);
        pulsante(w, "elimina")->trigger();
        EXPECT_EQ(messaggi().testi(), QStringList{"Confermi?"});
        EXPECT_EQ(messaggi().mostrati.at(0).predefinita, Risposta::No);
        EXPECT_EQ(colonna(lw, 0), (QStringList{"3", "4", "12"}));

        messaggi().mostrati.clear();
        messaggi().rispondi(Risposta::Si);
        QTest::keyClick(lw, Qt::Key_Delete);
        EXPECT_EQ(messaggi().testi(), (QStringList{"Confermi?", "Scheda eliminata"}));
        EXPECT_EQ(colonna(lw, 0), (QStringList{"3", "12"}));
        EXPECT_EQ(selezionata(lw), QStringLiteral("12"));
        w.reject();
    });
    EXPECT_EQ(modelli(QStringLiteral("id_Scheda IN (3, 12)")), 2);
    EXPECT_EQ(modelli(QStringLiteral("id_Scheda = 4")), 0);
}

TEST_F(ListaModelli, CategoriaNonInElencoRifiutataAllUscita) {
    conLista([this](SchedeMODELLOSelezione& w) {
        QComboBox* box = w.categoria();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        box->setFocus();
        ASSERT_TRUE(box->hasFocus());
        const struct {
            QString testo;
            bool accettato;
            QStringList righe;
        } casi[] = {
            {QStringLiteral("Yoga"), false, {}},
            {QStringLiteral("tonificazione"), false, {}},
            {QStringLiteral("Tonificazione"), true, {"7"}},
            {flessibilita, true, {"3", "4", "12"}},
        };
        for (const auto& c : casi) {
            messaggi().mostrati.clear();
            box->lineEdit()->setText(c.testo);
            QTest::keyClick(box->lineEdit(), Qt::Key_Tab);
            if (c.accettato) {
                EXPECT_TRUE(messaggi().mostrati.empty()) << c.testo.toStdString();
                EXPECT_EQ(colonna(w.LW(), 0), c.righe) << c.testo.toStdString();
                box->setFocus();
            } else {
                EXPECT_EQ(messaggi().testi(), QStringList{"Selezionare un valore tra quelli disponibili!"})
                    << c.testo.toStdString();
                EXPECT_TRUE(box->hasFocus() || box->lineEdit()->hasFocus()) << c.testo.toStdString();
            }
        }
        w.reject();
    });
}

// The new-template dialog on its own, opened as the editor and the template list open it.
class NuovoModello : public ListaModelli {
protected:
    static void conDialogo(const std::function<void(SchedeMODELLONuova&)>& agisci) {
        usaModale<SchedeMODELLONuova>([] { finestre().SchedeMODELLONuova(); }, agisci);
    }
};

TEST_F(NuovoModello, CategoriaPropostaOppureLaSeconda) {
    const struct {
        QString proposta;
        QString attesa;
    } casi[] = {
        {QStringLiteral("Tonificazione"), QStringLiteral("Tonificazione")},
        {QString(), flessibilita},
    };
    for (const auto& c : casi) {
        categoriaNuovoModello = c.proposta;
        conDialogo([&c](SchedeMODELLONuova& d) {
            EXPECT_EQ(d.windowTitle(), QStringLiteral("Nuova Scheda Modello"));
            EXPECT_EQ(d.categoria()->currentText(), c.attesa);
            EXPECT_EQ(d.cmdOK()->text(), QStringLiteral("Ok"));
            d.reject();
        });
    }
}

TEST_F(NuovoModello, DatiMancantiNonSalvanoNulla) {
    const struct {
        QString categoria;
        QString descrizione;
    } casi[] = {
        {QStringLiteral("Tonificazione"), QString()},
        {QStringLiteral("Tonificazione"), QStringLiteral("   ")},
        {QString(), QStringLiteral("Gambe")},
    };
    for (const auto& c : casi) {
        idModelloSelezionato = 9;
        messaggi().mostrati.clear();
        conDialogo([&c, this](SchedeMODELLONuova& d) {
            d.categoria()->setEditText(c.categoria);
            d.descrizione()->setPlainText(c.descrizione);
            QTest::mouseClick(d.cmdOK(), Qt::LeftButton);
            EXPECT_EQ(messaggi().testi(), QStringList{"Inserire tutti i dati"});
            EXPECT_TRUE(d.isVisible());
            d.reject();
        });
        EXPECT_EQ(idModelloSelezionato, 0) << "chiusa senza conferma";
    }
    EXPECT_EQ(modelli(QStringLiteral("1")), 4);
}

TEST_F(NuovoModello, InvioNellaDescrizioneSalvaIlModelloVuoto) {
    categoriaNuovoModello = QStringLiteral("Tonificazione");
    idModelloSelezionato = 3; // a template was being edited: the dialog's result replaces it
    conDialogo([](SchedeMODELLONuova& d) {
        QTest::keyClicks(d.descrizione(), QStringLiteral("Gambe d'acciaio"));
        QTest::keyClick(d.descrizione(), Qt::Key_Return);
    });
    ASSERT_GT(idModelloSelezionato, 12);
    EXPECT_EQ(modelli(QStringLiteral("id_Scheda = %1 AND id_cat = 2 AND descrizione = 'Gambe d`acciaio' "
                                     "AND preimpostata = 0")
                          .arg(idModelloSelezionato)),
              1);
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT count(*) FROM EserciziModello")), 0);
    EXPECT_TRUE(messaggi().mostrati.empty());
}

TEST_F(NuovoModello, CategoriaSconosciutaSegnalataEFinestraAperta) {
    conDialogo([this](SchedeMODELLONuova& d) {
        d.categoria()->setEditText(QStringLiteral("Yoga"));
        d.descrizione()->setPlainText(QStringLiteral("Rilassamento"));
        QTest::mouseClick(d.cmdOK(), Qt::LeftButton);
        ASSERT_EQ(messaggi().mostrati.size(), 1u);
        EXPECT_TRUE(messaggi().testi().at(0).contains(QStringLiteral("Categoria non esistente!")))
            << messaggi().testi().at(0).toStdString();
        EXPECT_TRUE(d.isVisible());
        d.reject();
    });
    EXPECT_EQ(idModelloSelezionato, 0);
    EXPECT_EQ(modelli(QStringLiteral("descrizione = 'Rilassamento'")), 0);
}

TEST_F(NuovoModello, NuovaDallaListaPassaLaCategoria) {
    idUtenteSelezionato = 0;
    idModelloSelezionato = 0;
    SequenzaModali()
        .poi<SchedeMODELLOSelezione>([](SchedeMODELLOSelezione& w) {
            scegliCategoria(w.categoria(), QStringLiteral("Tonificazione"));
            pulsante(w, "nuova")->trigger();
        })
        .poi<SchedeMODELLONuova>([this](SchedeMODELLONuova& d) {
            EXPECT_EQ(d.categoria()->currentText(), QStringLiteral("Tonificazione"));
            QTest::mouseClick(d.cmdOK(), Qt::LeftButton);
            EXPECT_EQ(messaggi().testi(), QStringList{"Inserire tutti i dati"});
            QTest::keyClicks(d.descrizione(), QStringLiteral("Addome"));
            QTest::mouseClick(d.cmdOK(), Qt::LeftButton);
        })
        .esegui([] { finestre().SchedeMODELLOSelezione(); });
    EXPECT_EQ(categoriaNuovoModello, QStringLiteral("Tonificazione"));
    ASSERT_GT(idModelloSelezionato, 0);
    EXPECT_EQ(modelli(QStringLiteral("id_Scheda = %1 AND id_cat = 2 AND descrizione = 'Addome'")
                          .arg(idModelloSelezionato)),
              1);
}

} // namespace
