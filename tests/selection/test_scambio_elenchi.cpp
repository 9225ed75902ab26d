#include "../printing/DialoghiFinti.h"
#include "base/variabiliGlobali.h"
#include "comune/ArchivioDiProva.h"
#include "comune/Azioni.h"
#include "comune/Modale.h"
#include "comune/RigheElenco.h"
#include "records/ScambioScheda.h"
#include "records/SchedaModello.h"
#include "records/scheda.h"
#include "selection/RegistraSelezione.h"
#include "selection/SchedeMODELLOSelezione.h"
#include "selection/SchedeSelezione.h"
#include "shell/BarraStrumenti.h"
#include "shell/Finestre.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// The card list and the template list pass cards and templates to and from .vibrana files.
class ScambioElenchi : public ArchivioDiProva {
protected:
    bool archivioCompleto() const override { return true; }
    void SetUp() override {
        ArchivioDiProva::SetUp();
        eseguiDiretto(
            QStringLiteral("INSERT INTO utenti (id_utente, nome, cognome) VALUES (4, 'Mario', 'Rossi'), "
                           "(5, 'Anna', 'Neri');"));
        scheda s;
        s.id_utente = 4;
        s.categoria = QStringLiteral("Tonificazione");
        s.Istruttore = QStringLiteral("Dell'Orto");
        Esercizio e;
        e.id_fig = 13;
        e.durata = QStringLiteral("30s");
        e.serie = 2;
        e.note = QStringLiteral("piano 😀");
        s.esercizi.Add(e);
        s.save();
        card = s.id_scheda;
        salvato_ = finestre();
        registraFinestreSelezione();
    }
    void TearDown() override {
        finestre() = salvato_;
        ArchivioDiProva::TearDown();
    }
    qlonglong conta(const QString& sql) const { return contaDiretto(sql); }
    // The messages shown, without the list's own notice that the athlete has no cards yet.
    QStringList testi() {
        QStringList t = messaggi().testi();
        t.removeAll(QStringLiteral("L'utente non ha schede salvate!"));
        return t;
    }

    DialoghiInstallati dialoghi;
    RegistroFinestre salvato_;
    std::int32_t card = 0;
};

TEST_F(ScambioElenchi, SchedaEsportataEImportataPerUnAltroAtleta) {
    const QString file = cartella() + QStringLiteral("/rossi.vibrana");
    usaModale<SchedeSelezione>(
        [] { finestre().SchedeSelezione(4); },
        [&](SchedeSelezione& w) {
            ASSERT_TRUE(w.findChild<QAction*>(QStringLiteral("cmdEsportaScheda")));
            EXPECT_EQ(w.findChild<QAction*>(QStringLiteral("cmdEsportaScheda"))->shortcut(),
                      QKeySequence(Qt::CTRL | Qt::Key_E));
            // Nothing highlighted: nothing asked.
            w.LW()->clearSelection();
            w.LW()->setCurrentItem(nullptr);
            attiva(w, "cmdEsportaScheda");
            EXPECT_TRUE(dialoghi->nomeProposto.isEmpty());
            selezionaRiga(w.LW(), QString::number(card));
            // Cancelled: no file, no message.
            attiva(w, "cmdEsportaScheda");
            EXPECT_TRUE(
                dialoghi->nomeProposto.endsWith(QStringLiteral("/Rossi Mario - Tonificazione.vibrana")))
                << dialoghi->nomeProposto.toStdString();
            EXPECT_TRUE(testi().isEmpty());
            // Written where the user said, the extension added.
            dialoghi->fileDaSalvare = cartella() + QStringLiteral("/rossi");
            attiva(w, "cmdEsportaScheda");
            EXPECT_EQ(testi(), QStringList{QStringLiteral("Scheda esportata in \"%1\"").arg(file)});
            w.reject();
        });
    ASSERT_TRUE(QFile::exists(file));

    messaggi().mostrati.clear();
    QFile rotto(cartella() + QStringLiteral("/rotto.vibrana"));
    ASSERT_TRUE(rotto.open(QIODevice::WriteOnly));
    rotto.write("{\"programma\": \"Vibrana\"");
    rotto.close();
    usaModale<SchedeSelezione>(
        [] { finestre().SchedeSelezione(5); },
        [&](SchedeSelezione& w) {
            EXPECT_EQ(w.LW()->topLevelItemCount(), 0);
            dialoghi->fileScelto = rotto.fileName();
            attiva(w, "cmdImportaScheda");
            EXPECT_EQ(testi(),
                      QStringList{QStringLiteral("Il file è danneggiato o non è una scheda di Vibrana.")});
            EXPECT_EQ(w.LW()->topLevelItemCount(), 0);
            messaggi().mostrati.clear();
            dialoghi->fileScelto = file;
            attiva(w, "cmdImportaScheda");
            EXPECT_EQ(testi(), QStringList{QStringLiteral("Scheda importata")});
            ASSERT_EQ(w.LW()->topLevelItemCount(), 1);
            EXPECT_EQ(selezionata(w.LW()), QString::number(conta(QStringLiteral(
                                               "SELECT max(id_scheda) FROM schede WHERE id_utente = 5"))));
            EXPECT_EQ(colonna(w.LW(), 3), QStringList{QStringLiteral("Dell'Orto")});
            w.reject();
        });
    EXPECT_EQ(conta(QStringLiteral("SELECT count(*) FROM schede WHERE id_utente = 5")), 1);
    EXPECT_EQ(conta(QStringLiteral("SELECT count(*) FROM schede WHERE id_utente = 4")), 1);
}

TEST_F(ScambioElenchi, ModelloEsportatoEImportato) {
    SchedaModello m;
    m.categoria = QStringLiteral("Tonificazione");
    m.descrizione = QStringLiteral("Gambe dell'atleta");
    m.esercizi.Add(Esercizio());
    m.esercizi.Item(1).id_fig = 5;
    m.esercizi.Item(1).durata = QStringLiteral("45s");
    m.save();
    ASSERT_TRUE(m.isSaved);
    const QString file = cartella() + QStringLiteral("/gambe.vibrana");
    dialoghi->fileDaSalvare = file;
    dialoghi->fileScelto = file;
    usaModale<SchedeMODELLOSelezione>(
        [] { finestre().SchedeMODELLOSelezione(); },
        [&](SchedeMODELLOSelezione& w) {
            w.categoria()->setCurrentIndex(w.categoria()->findText(QStringLiteral("Tonificazione")));
            selezionaRiga(w.LW(), QString::number(m.id_scheda));
            attiva(w, "cmdEsportaScheda");
            EXPECT_TRUE(dialoghi->nomeProposto.endsWith(
                QStringLiteral("/Gambe dell'atleta - Tonificazione.vibrana")));
            EXPECT_EQ(testi(), QStringList{QStringLiteral("Modello esportato in \"%1\"").arg(file)});
            const int righe = w.LW()->topLevelItemCount();
            attiva(w, "cmdImportaScheda");
            EXPECT_EQ(w.LW()->topLevelItemCount(), righe + 1);
            EXPECT_EQ(selezionata(w.LW()),
                      QString::number(conta(QStringLiteral("SELECT max(id_Scheda) FROM schedeModello"))));
            w.reject();
        });
    EXPECT_EQ(
        conta(QStringLiteral("SELECT count(*) FROM schedeModello WHERE descrizione = 'Gambe dell`atleta'")),
        2);
    // A template's file is not a card: refused in the card list.
    messaggi().mostrati.clear();
    usaModale<SchedeSelezione>(
        [] { finestre().SchedeSelezione(5); },
        [&](SchedeSelezione& w) {
            attiva(w, "cmdImportaScheda");
            EXPECT_TRUE(testi().value(0).startsWith(QStringLiteral("Il file contiene un modello")));
            EXPECT_EQ(w.LW()->topLevelItemCount(), 0);
            w.reject();
        });
}

// The first card of an athlete, imported while the list is open, is shown chosen and the commands the
// empty list turned off work on it at once.
TEST_F(ScambioElenchi, LaPrimaSchedaImportataSiPuoSubitoUsare) {
    finestre().PrinterCanvas = [] {};
    const QString file = cartella() + QStringLiteral("/rossi.vibrana");
    {
        scheda s;
        ASSERT_TRUE(s.carica(card));
        s.caricaEsercizi();
        ASSERT_EQ(scambioScheda::scriviFile(file, scambioScheda::esporta(s)), QString());
    }
    dialoghi->fileScelto = file;
    const char* const comandi[] = {"seleziona", "elimina", "stampa", "esporta"};
    QString importata;
    usaModale<SchedeSelezione>(
        [] { finestre().SchedeSelezione(5); },
        [&](SchedeSelezione& w) {
            for (const char* k : comandi)
                EXPECT_FALSE(w.Toolbar()->pulsante(QString::fromLatin1(k))->isEnabled()) << k;
            attiva(w, "cmdImportaScheda");
            EXPECT_EQ(testi(), QStringList{QStringLiteral("Scheda importata")});
            importata = QString::number(
                conta(QStringLiteral("SELECT max(id_scheda) FROM schede WHERE id_utente = 5")));
            EXPECT_EQ(colonna(w.LW(), 0), QStringList{importata});
            EXPECT_EQ(selezionata(w.LW()), importata);
            for (const char* k : comandi)
                EXPECT_TRUE(w.Toolbar()->pulsante(QString::fromLatin1(k))->isEnabled()) << k;
            // "Seleziona" hands it over and closes the list.
            attiva(w, "seleziona");
        });
    EXPECT_EQ(QString::number(idSchedaSelezionata), importata);
}

// A template imported while the list shows another category: the list turns to the template's
// category and shows it chosen.
TEST_F(ScambioElenchi, IlModelloImportatoSiMostraNellaSuaCategoria) {
    SchedaModello m;
    m.categoria = QStringLiteral("Riabilitazione");
    m.descrizione = QStringLiteral("Schiena");
    m.esercizi.Add(Esercizio());
    m.esercizi.Item(1).id_fig = 5;
    m.save();
    ASSERT_TRUE(m.isSaved);
    const QString file = cartella() + QStringLiteral("/schiena.vibrana");
    ASSERT_EQ(scambioScheda::scriviFile(file, scambioScheda::esporta(m)), QString());
    dialoghi->fileScelto = file;
    QString importato;
    usaModale<SchedeMODELLOSelezione>(
        [] { finestre().SchedeMODELLOSelezione(); },
        [&](SchedeMODELLOSelezione& w) {
            ASSERT_NE(w.categoria()->currentText(), m.categoria);
            attiva(w, "cmdImportaScheda");
            EXPECT_EQ(testi(), QStringList{QStringLiteral("Modello importato")});
            importato = QString::number(conta(QStringLiteral("SELECT max(id_Scheda) FROM schedeModello")));
            EXPECT_EQ(w.categoria()->currentText(), m.categoria);
            EXPECT_TRUE(colonna(w.LW(), 0).contains(QString::number(m.id_scheda)));
            EXPECT_TRUE(colonna(w.LW(), 0).contains(importato));
            EXPECT_EQ(selezionata(w.LW()), importato);
            // "Modifica" opens the imported one.
            attiva(w, "modifica");
        });
    EXPECT_EQ(QString::number(idModelloSelezionato), importato);
}

// Each item of the list's small export menu, chosen with the mouse, runs its command once.
TEST_F(ScambioElenchi, OgniVoceDelMenuDiEsportazioneSiEsegueUnaVolta) {
    usaModale<SchedeSelezione>(
        [] { finestre().SchedeSelezione(4); },
        [&](SchedeSelezione& w) {
            selezionaRiga(w.LW(), QString::number(card));
            QStringList eseguiti;
            QObject::connect(w.Toolbar(), &BarraStrumenti::ButtonClick, &w,
                             [&](QAction* a) { eseguiti << BarraStrumenti::chiave(a); });
            QAction* scambio = w.Toolbar()->pulsante(QStringLiteral("scambio"));
            ASSERT_NE(scambio, nullptr);
            auto* pulsante = qobject_cast<QToolButton*>(w.Toolbar()->widgetForAction(scambio));
            ASSERT_NE(pulsante, nullptr);
            for (const char* voce : {"cmdEsportaScheda", "esporta"}) {
                eseguiti.clear();
                bool scelta = false;
                QTimer::singleShot(0, &w, [&] {
                    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                    ASSERT_NE(menu, nullptr);
                    auto* a = w.findChild<QAction*>(QString::fromLatin1(voce));
                    ASSERT_NE(a, nullptr);
                    ASSERT_TRUE(menu->actions().contains(a)) << voce;
                    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(a).center());
                    scelta = true;
                });
                QTest::mouseClick(pulsante, Qt::LeftButton);
                QTRY_VERIFY(scelta);
                QApplication::processEvents();
                EXPECT_EQ(eseguiti.size(), 1) << voce << ": " << eseguiti.join(',').toStdString();
            }
            w.reject();
        });
}

} // namespace
