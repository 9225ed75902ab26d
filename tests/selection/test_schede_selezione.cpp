#include "base/variabiliGlobali.h"
#include "comune/ArchivioDiProva.h"
#include "comune/FinestraIntera.h"
#include "comune/Modale.h"
#include "comune/RigheElenco.h"
#include "selection/RegistraSelezione.h"
#include "selection/SchedeSelezione.h"
#include "shell/BarraStrumenti.h"
#include "shell/FinestraGuida.h"
#include "shell/Finestre.h"

#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QTest>
#include <QToolTip>
#include <QTreeWidget>

namespace {

// Athlete 4 has three cards, athlete 5 none; athlete 6's card must never show up in 4's list.
class ListaSchede : public ArchivioDiProva {
protected:
    void SetUp() override {
        ArchivioDiProva::SetUp();
        eseguiDiretto(QStringLiteral(
            "INSERT INTO utenti (id_utente, nome, cognome) VALUES (4, 'Mario', 'Rossi'), (5, 'Anna', 'Neri'),"
            " (6, 'Luca', 'Verdi');"
            "INSERT INTO schede (id_scheda, id_utente, Istruttore, PeriodoDal, PeriodoAl, id_cat, FreqAllen) "
            "VALUES"
            " (10, 4, 'bruno', '2026-02-01', '2026-02-22', 1, 3),"
            " (9, 4, 'Carla', '2025-12-15', '2026-01-05', 2, 3),"
            " (2, 4, 'Aldo', '2026-11-20', '2026-12-11', 6, 2),"
            " (3, 6, 'Aldo', '2026-01-01', '2026-01-22', 1, 3);"));
        salvato_ = finestre();
        registraFinestreSelezione();
        finestre().PrinterCanvas = [this] {
            anteprime_ << idSchedaSelezionata;
            QWidget* lista = QApplication::activeModalWidget();
            listaApertaInAnteprima_ = lista && lista->isVisible();
        };
    }
    void TearDown() override {
        finestre() = salvato_;
        ArchivioDiProva::TearDown();
    }

    // Opens the list of `atleta` as the main window does and lets `agisci` use it.
    void conLista(std::int32_t atleta, const std::function<void(SchedeSelezione&)>& agisci) {
        usaModale<SchedeSelezione>([atleta] { finestre().SchedeSelezione(atleta); }, agisci);
    }

    static QAction* pulsante(SchedeSelezione& w, const char* chiave) {
        return w.Toolbar()->pulsante(QString::fromLatin1(chiave));
    }

    RegistroFinestre salvato_;
    QList<std::int32_t> anteprime_;
    bool listaApertaInAnteprima_ = false;
};

TEST_F(ListaSchede, MostraLeSchedeDellAtletaOrdinatePerValore) {
    conLista(4, [](SchedeSelezione& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Apri SCHEDA"));
        EXPECT_EQ(w.utente()->text(), QStringLiteral("[Rossi Mario]"));
        EXPECT_EQ(w.utente()->palette().color(w.utente()->foregroundRole()), QColor(128, 0, 0));
        QTreeWidget* lw = w.LW();
        QStringList intestazioni;
        for (int c = 0; c < lw->columnCount(); ++c)
            intestazioni << lw->headerItem()->text(c);
        EXPECT_EQ(intestazioni, (QStringList{"ID_scheda", "Dal", "Al", "Istruttore", "Categoria"}));

        // Identifiers as numbers (2 before 9 before 10), the other athlete's card left out.
        EXPECT_EQ(colonna(lw, 0), (QStringList{"2", "9", "10"}));
        EXPECT_EQ(colonna(lw, 1), (QStringList{"20/11/2026", "15/12/2025", "01/02/2026"}));
        EXPECT_EQ(colonna(lw, 2), (QStringList{"11/12/2026", "05/01/2026", "22/02/2026"}));
        EXPECT_EQ(colonna(lw, 3), (QStringList{"Aldo", "Carla", "bruno"}));
        EXPECT_EQ(colonna(lw, 4), (QStringList{"Terza età", "Tonificazione", "Dimagrimento"}));

        struct Caso {
            int colonna;
            QStringList ordine;
        };
        const Caso casi[] = {
            {SchedeSelezione::ColDal, {"9", "10", "2"}}, // dates by date, not by their text
            {SchedeSelezione::ColAl, {"9", "10", "2"}},
            {SchedeSelezione::ColIstruttore, {"2", "10", "9"}}, // letter case ignored
            {SchedeSelezione::ColCategoria, {"10", "2", "9"}},
            {SchedeSelezione::ColId, {"2", "9", "10"}},
        };
        for (const Caso& c : casi) {
            lw->header()->sectionClicked(c.colonna);
            EXPECT_EQ(colonna(lw, 0), c.ordine) << "colonna " << c.colonna;
        }
        w.Toolbar_ButtonClick(QStringLiteral("annulla"));
    });
    EXPECT_TRUE(messaggi().mostrati.empty());
}

TEST_F(ListaSchede, AtletaEIstruttoreConApostrofo) {
    eseguiDiretto(QStringLiteral(
        "INSERT INTO utenti (id_utente, nome, cognome) VALUES (7, 'Pia', 'D`Amico');"
        "INSERT INTO schede (id_scheda, id_utente, Istruttore, PeriodoDal, PeriodoAl, id_cat, FreqAllen) "
        "VALUES (20, 7, 'Dell`Orto', '2026-02-01', '2026-02-22', 1, 3);"));
    conLista(7, [](SchedeSelezione& w) {
        EXPECT_EQ(w.utente()->text(), QStringLiteral("[D'Amico Pia]"));
        EXPECT_EQ(colonna(w.LW(), SchedeSelezione::ColIstruttore), QStringList{QStringLiteral("Dell'Orto")});
        pulsante(w, "annulla")->trigger();
    });
    EXPECT_TRUE(messaggi().mostrati.empty());
}

TEST_F(ListaSchede, PulsantiConDidascalieESuggerimenti) {
    conLista(4, [](SchedeSelezione& w) {
        const struct {
            const char* chiave;
            const char* didascalia;
            const char* suggerimento;
        } attesi[] = {
            {"seleziona", "Seleziona", "Seleziona la Scheda evidenziata"},
            {"annulla", "Annulla", "Chiude la finestra e annulla ogni processo in corso"},
            {"elimina", "Elimina", "Elimina la Scheda evidenziata"},
            {"stampa", "Stampa", "Anteprima di Stampa"},
        };
        int numero = 0;
        for (const auto& a : attesi) {
            QAction* p = pulsante(w, a.chiave);
            ASSERT_NE(p, nullptr) << a.chiave;
            EXPECT_EQ(p->text(), QString::fromUtf8(a.didascalia));
            EXPECT_EQ(p->toolTip(), QString::fromUtf8(a.suggerimento));
            EXPECT_EQ(BarraStrumenti::numeroImmagine(p), ++numero);
            EXPECT_TRUE(p->isEnabled()) << a.chiave;
        }
        w.reject();
    });
}

TEST_F(ListaSchede, OgniModoDiScegliereConsegnaLaSchedaEvidenziata) {
    const struct {
        const char* modo;
        std::function<void(SchedeSelezione&)> scegli;
    } casi[] = {
        {"Seleziona", [](SchedeSelezione& w) { pulsante(w, "seleziona")->trigger(); }},
        {"doppio clic",
         [](SchedeSelezione& w) {
             QTreeWidget* lw = w.LW();
             const QRect r = lw->visualItemRect(lw->currentItem());
             QTest::mouseClick(lw->viewport(), Qt::LeftButton, {}, r.center());
             QTest::mouseDClick(lw->viewport(), Qt::LeftButton, {}, r.center());
         }},
        {"Invio", [](SchedeSelezione& w) { QTest::keyClick(w.LW(), Qt::Key_Return); }},
    };
    for (const auto& c : casi) {
        idSchedaSelezionata = 0;
        conLista(4, [&c](SchedeSelezione& w) {
            selezionaRiga(w.LW(), QStringLiteral("10"));
            c.scegli(w);
        });
        EXPECT_EQ(idSchedaSelezionata, 10) << c.modo;
    }
}

TEST_F(ListaSchede, AnnullaLasciaLaSceltaComEra) {
    idSchedaSelezionata = 77;
    conLista(4, [](SchedeSelezione& w) { pulsante(w, "annulla")->trigger(); });
    EXPECT_EQ(idSchedaSelezionata, 77);
}

TEST_F(ListaSchede, AtletaSenzaSchedeAvvisaELasciaSoloAnnulla) {
    conLista(5, [this](SchedeSelezione& w) {
        EXPECT_EQ(messaggi().testi(), QStringList{"L'utente non ha schede salvate!"});
        EXPECT_EQ(messaggi().mostrati.at(0).tipo, TipoMessaggio::Errore);
        EXPECT_EQ(w.utente()->text(), QStringLiteral("[Neri Anna]"));
        for (const char* k : {"seleziona", "elimina", "stampa"})
            EXPECT_FALSE(pulsante(w, k)->isEnabled()) << k;
        EXPECT_TRUE(pulsante(w, "annulla")->isEnabled());
        // Nothing to choose: the keys do nothing and the window stays.
        QTest::keyClick(w.LW(), Qt::Key_Return);
        QTest::keyClick(w.LW(), Qt::Key_Delete);
        EXPECT_TRUE(w.isVisible());
        pulsante(w, "annulla")->trigger();
    });
    EXPECT_EQ(idSchedaSelezionata, 0);
    EXPECT_TRUE(anteprime_.isEmpty());
    EXPECT_EQ(messaggi().mostrati.size(), 1u);
}

TEST_F(ListaSchede, EliminaChiedeConfermaEPassaAllaRigaVicina) {
    conLista(4, [this](SchedeSelezione& w) {
        QTreeWidget* lw = w.LW();
        selezionaRiga(lw, QStringLiteral("9"));

        messaggi().rispondi(Risposta::No);
        pulsante(w, "elimina")->trigger();
        EXPECT_EQ(messaggi().testi(), QStringList{"Confermi?"});
        EXPECT_EQ(messaggi().mostrati.at(0).pulsanti, Pulsanti::SiNo);
        EXPECT_EQ(messaggi().mostrati.at(0).predefinita, Risposta::No); // a hasty Enter deletes nothing
        EXPECT_EQ(colonna(lw, 0), (QStringList{"2", "9", "10"}));

        messaggi().rispondi(Risposta::Si);
        QTest::keyClick(lw, Qt::Key_Delete);
        EXPECT_EQ(messaggi().testi(), (QStringList{"Confermi?", "Confermi?", "Scheda eliminata"}));
        EXPECT_EQ(messaggi().mostrati.at(2).tipo, TipoMessaggio::Informazione);
        EXPECT_EQ(colonna(lw, 0), (QStringList{"2", "10"}));
        EXPECT_EQ(selezionata(lw), QStringLiteral("10")); // the row that took its place
        EXPECT_EQ(contaDiretto(QStringLiteral("SELECT count(*) FROM schede WHERE id_scheda = 9")), 0);

        // Deleting the last row selects the one before it.
        messaggi().rispondi(Risposta::Si);
        pulsante(w, "elimina")->trigger();
        EXPECT_EQ(selezionata(lw), QStringLiteral("2"));
        w.reject();
    });
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT count(*) FROM schede")), 2);
}

TEST_F(ListaSchede, ConLElencoSvuotatoIComandiNonFannoNulla) {
    eseguiDiretto(QStringLiteral("DELETE FROM schede WHERE id_scheda <> 2;"));
    conLista(4, [this](SchedeSelezione& w) {
        messaggi().rispondi(Risposta::Si);
        pulsante(w, "elimina")->trigger();
        ASSERT_EQ(w.LW()->topLevelItemCount(), 0);
        messaggi().mostrati.clear();
        // The buttons stay enabled after the last card went, but hand nothing on.
        for (const char* k : {"seleziona", "elimina", "stampa"}) {
            EXPECT_TRUE(pulsante(w, k)->isEnabled()) << k;
            pulsante(w, k)->trigger();
        }
        QTest::keyClick(w.LW(), Qt::Key_Return);
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(messaggi().mostrati.empty());
        w.reject();
    });
    EXPECT_EQ(idSchedaSelezionata, 0);
    EXPECT_TRUE(anteprime_.isEmpty());
}

TEST_F(ListaSchede, StampaMostraLAnteprimaELasciaLaListaAperta) {
    conLista(4, [this](SchedeSelezione& w) {
        selezionaRiga(w.LW(), QStringLiteral("2"));
        pulsante(w, "stampa")->trigger();
        EXPECT_EQ(anteprime_, QList<std::int32_t>{2});
        EXPECT_TRUE(listaApertaInAnteprima_);
        EXPECT_EQ(idSchedaSelezionata, 0);
        EXPECT_TRUE(w.isVisible());
        // Ctrl+P previews as well.
        selezionaRiga(w.LW(), QStringLiteral("10"));
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        QTest::keySequence(&w, QKeySequence::Print);
        EXPECT_EQ(anteprime_, (QList<std::int32_t>{2, 10}));
        pulsante(w, "annulla")->trigger();
    });
    EXPECT_EQ(idSchedaSelezionata, 0);
}

TEST_F(ListaSchede, SenzaAnteprimaStampaEDisattivata) {
    finestre().PrinterCanvas = nullptr;
    conLista(4, [](SchedeSelezione& w) {
        EXPECT_FALSE(pulsante(w, "stampa")->isEnabled());
        EXPECT_TRUE(pulsante(w, "seleziona")->isEnabled());
        w.reject();
    });
}

TEST_F(ListaSchede, EliminazioneRifiutataDallArchivioNonAnnunciaNulla) {
    eseguiDiretto(QStringLiteral("CREATE TRIGGER blocca BEFORE DELETE ON schede "
                                 "BEGIN SELECT RAISE(ABORT, 'bloccata'); END;"));
    conLista(4, [this](SchedeSelezione& w) {
        selezionaRiga(w.LW(), QStringLiteral("9"));
        messaggi().rispondi(Risposta::Si);
        pulsante(w, "elimina")->trigger();
        EXPECT_FALSE(messaggi().testi().contains(QStringLiteral("Scheda eliminata")));
        EXPECT_EQ(colonna(w.LW(), 0), (QStringList{"2", "9", "10"}));
        EXPECT_TRUE(w.isVisible());
        w.reject();
    });
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT count(*) FROM schede WHERE id_utente = 4")), 3);
}

TEST_F(ListaSchede, CellaTroncataMostraIlTestoInteroNelSuggerimento) {
    const QString lungo = QStringLiteral("Istruttrice Maria Beatrice Castellammare di Stabia");
    eseguiDiretto(QStringLiteral("UPDATE schede SET Istruttore = '%1' WHERE id_scheda = 9;").arg(lungo));
    conLista(4, [&lungo](SchedeSelezione& w) {
        QTreeWidget* lw = w.LW();
        const struct {
            int riga;
            QString suggerimento;
        } casi[] = {{1, lungo}, {0, QString()}}; // rows in id order: 2 (Aldo), 9 (the long name)
        for (const auto& c : casi) {
            QToolTip::hideText();
            EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 1000));
            const QRect cella = lw->visualRect(lw->model()->index(c.riga, SchedeSelezione::ColIstruttore));
            QHelpEvent aiuto(QEvent::ToolTip, cella.center(), lw->viewport()->mapToGlobal(cella.center()));
            QApplication::sendEvent(lw->viewport(), &aiuto);
            EXPECT_EQ((QToolTip::isVisible() ? QToolTip::text() : QString()).toStdString(),
                      c.suggerimento.toStdString());
        }
        w.reject();
    });
}

TEST_F(ListaSchede, F1ApreLaGuida) {
    const QString guida = cartella() + QStringLiteral("/guida.html");
    QFile f(guida);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<html><body>Guida</body></html>");
    f.close();
    impostaFileGuida(guida);
    installaTastoGuida(QApplication::instance());
    conLista(4, [](SchedeSelezione& w) {
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(w.LW(), Qt::Key_F1);
        ASSERT_NE(finestraGuida(), nullptr);
        EXPECT_TRUE(finestraGuida()->isVisible());
        // Over a modal list the help belongs to it, so it can be read while the list waits.
        EXPECT_EQ(finestraGuida()->parentWidget(), &w);
        finestraGuida()->close();
        w.reject();
    });
    impostaFileGuida(QString());
    EXPECT_TRUE(messaggi().mostrati.empty());
}

} // namespace

TEST_F(ListaSchede, LaFinestraHaLaLarghezzaDisegnataEMostraTuttoSenzaVuoti) {
    conLista(4, [](SchedeSelezione& w) {
        // Inner area 6015 x 5115 twips.
        EXPECT_EQ(w.size(), QSize(401, 341));
        EXPECT_EQ(partiTagliate(&w).join('\n').toStdString(), "");
        // The columns fill the list: no empty band at the right, and the first four whole.
        QTreeWidget* lw = w.LW();
        int colonne = 0;
        for (int c = 0; c < lw->columnCount(); ++c)
            colonne += lw->columnWidth(c);
        EXPECT_EQ(colonne, lw->viewport()->width());
        const QFontMetrics misure = lw->fontMetrics();
        for (int riga = 0; riga < lw->topLevelItemCount(); ++riga)
            for (int c = SchedeSelezione::ColId; c < SchedeSelezione::ColCategoria; ++c) {
                const QRect cella = lw->visualRect(lw->model()->index(riga, c));
                EXPECT_LE(misure.horizontalAdvance(lw->topLevelItem(riga)->text(c)) + 6, cella.width())
                    << riga << "," << c;
            }
        w.reject();
    });
}
