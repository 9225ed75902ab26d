#include "SequenzaModali.h"
#include "base/variabiliGlobali.h"
#include "comune/ArchivioDiProva.h"
#include "comune/Azioni.h"
#include "selection/RegistraSelezione.h"
#include "selection/SchedeMODELLONuova.h"
#include "selection/SchedeMODELLOSelezione.h"
#include "selection/SchedeSelezione.h"
#include "selection/UtentiSelezione.h"
#include "shell/BarraStrumenti.h"
#include "shell/Finestre.h"
#include "shell/Principale.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

// The main window's card commands with the real selection windows; the card editor is a stand-in that
// records what the selection state asked it to open and that the main window stepped aside.
class ComandiSchede : public ArchivioDiProva {
protected:
    void SetUp() override {
        ArchivioDiProva::SetUp();
        eseguiDiretto(
            QStringLiteral("INSERT INTO utenti (id_utente, nome, cognome) VALUES (4, 'Mario', 'Rossi'), (7, "
                           "'Anna', 'Bianchi');"
                           "INSERT INTO schede (id_scheda, id_utente, Istruttore, id_cat, FreqAllen) VALUES "
                           "(21, 4, 'I', 1, 3),"
                           " (22, 4, 'I', 2, 3);"
                           "INSERT INTO schedeModello (id_Scheda, id_cat, descrizione, preimpostata) VALUES"
                           " (3, 5, 'Base', 1), (8, 5, 'Mia', 0);"));
        salvato_ = finestre();
        registraFinestreSelezione();
        finestre().mdiSchedaMostra = [this] {
            editor_ << QStringLiteral("%1/%2/%3")
                           .arg(idUtenteSelezionato)
                           .arg(idSchedaSelezionata)
                           .arg(idModelloSelezionato);
        };
        principale_ = std::make_unique<Principale>();
        principale_->show();
    }
    void TearDown() override {
        principale_.reset();
        finestre() = salvato_;
        ArchivioDiProva::TearDown();
    }

    static void scegliAtleta(UtentiSelezione& w, const char* id) {
        for (int i = 0; i < w.LW()->topLevelItemCount(); ++i)
            if (w.LW()->topLevelItem(i)->text(0) == QLatin1String(id))
                w.LW()->setCurrentItem(w.LW()->topLevelItem(i));
        w.Toolbar_ButtonClick(QStringLiteral("seleziona"));
    }
    template <class T> static void scegliRiga(T& w, const char* id, const char* chiave) {
        for (int i = 0; i < w.LW()->topLevelItemCount(); ++i)
            if (w.LW()->topLevelItem(i)->text(0) == QLatin1String(id))
                w.LW()->setCurrentItem(w.LW()->topLevelItem(i));
        w.Toolbar()->pulsante(QString::fromLatin1(chiave))->trigger();
    }
    QAction* menu(const char* nome) { return principale_->findChild<QAction*>(QString::fromLatin1(nome)); }

    RegistroFinestre salvato_;
    std::unique_ptr<Principale> principale_;
    QStringList editor_; // athlete/card/template the editor was opened on
};

TEST_F(ComandiSchede, ComandiAttiviConLeListeRegistrate) {
    principale_->aggiornaComandi();
    for (const char* nome :
         {"mnuSchedeNuova", "mnuSchedeApri", "mnuSchedeDaModello", "mnuSchedeGestioneModello"}) {
        ASSERT_NE(menu(nome), nullptr) << nome;
        EXPECT_TRUE(menu(nome)->isEnabled()) << nome;
    }
}

TEST_F(ComandiSchede, ApriSceltaAtletaPoiSchedaPoiEditor) {
    SequenzaModali()
        .poi<UtentiSelezione>([](UtentiSelezione& w) { scegliAtleta(w, "4"); })
        .poi<SchedeSelezione>([](SchedeSelezione& w) {
            EXPECT_EQ(w.LW()->topLevelItemCount(), 2);
            scegliRiga(w, "22", "seleziona");
        })
        .esegui([this] { attiva(*principale_, "mnuSchedeApri"); });
    EXPECT_EQ(editor_, QStringList{"4/22/0"});
    EXPECT_FALSE(principale_->isVisible());
}

TEST_F(ComandiSchede, ApriPerAtletaSenzaSchedeNonApreNulla) {
    SequenzaModali()
        .poi<UtentiSelezione>([](UtentiSelezione& w) { scegliAtleta(w, "7"); })
        .poi<SchedeSelezione>([](SchedeSelezione& w) { w.Toolbar_ButtonClick(QStringLiteral("annulla")); })
        .esegui([this] { principale_->Toolbar1_ButtonClickChiave(QStringLiteral("apri")); });
    EXPECT_EQ(messaggi().testi(), QStringList{"L'utente non ha schede salvate!"});
    EXPECT_TRUE(editor_.isEmpty());
    EXPECT_TRUE(principale_->isVisible());
}

TEST_F(ComandiSchede, NuovaDaModelloApreUnaSchedaDalModello) {
    SequenzaModali()
        .poi<UtentiSelezione>([](UtentiSelezione& w) { scegliAtleta(w, "7"); })
        .poi<SchedeMODELLOSelezione>([](SchedeMODELLOSelezione& w) {
            EXPECT_FALSE(w.Toolbar()->pulsante(QStringLiteral("nuova"))->isEnabled());
            scegliRiga(w, "3", "seleziona");
        })
        .esegui([this] { principale_->Toolbar1_ButtonClickChiave(QStringLiteral("nuovaDaModello")); });
    EXPECT_EQ(editor_, QStringList{"7/0/3"});

    // Cancelling the template list leaves -1 and opens nothing.
    principale_->show();
    SequenzaModali()
        .poi<UtentiSelezione>([](UtentiSelezione& w) { scegliAtleta(w, "7"); })
        .poi<SchedeMODELLOSelezione>(
            [](SchedeMODELLOSelezione& w) { w.Toolbar()->pulsante(QStringLiteral("annulla"))->trigger(); })
        .esegui([this] { attiva(*principale_, "mnuSchedeDaModello"); });
    EXPECT_EQ(idModelloSelezionato, -1);
    EXPECT_EQ(editor_.size(), 1);
    EXPECT_TRUE(principale_->isVisible());
}

TEST_F(ComandiSchede, GestioneModelliModificaONuovo) {
    const auto gestione = [this] { attiva(*principale_, "mnuSchedeGestioneModello"); };
    // Editing a template: no athlete, the template itself.
    SequenzaModali()
        .poi<SchedeMODELLOSelezione>([](SchedeMODELLOSelezione& w) { scegliRiga(w, "8", "modifica"); })
        .esegui(gestione);
    EXPECT_EQ(editor_, QStringList{"0/0/8"});

    // A new template, dismissed: nothing opens.
    principale_->show();
    SequenzaModali()
        .poi<SchedeMODELLOSelezione>(
            [](SchedeMODELLOSelezione& w) { w.Toolbar()->pulsante(QStringLiteral("nuova"))->trigger(); })
        .poi<SchedeMODELLONuova>([](SchedeMODELLONuova& d) { d.reject(); })
        .esegui(gestione);
    EXPECT_EQ(editor_.size(), 1);
    EXPECT_TRUE(principale_->isVisible());

    // A new template, confirmed: the editor opens on it.
    SequenzaModali()
        .poi<SchedeMODELLOSelezione>(
            [](SchedeMODELLOSelezione& w) { w.Toolbar()->pulsante(QStringLiteral("nuova"))->trigger(); })
        .poi<SchedeMODELLONuova>([](SchedeMODELLONuova& d) {
            QTest::keyClicks(d.descrizione(), QStringLiteral("Nuovo giro"));
            QTest::keyClick(d.descrizione(), Qt::Key_Enter);
        })
        .esegui(gestione);
    const qlonglong nuovo = contaDiretto(QStringLiteral("SELECT max(id_Scheda) FROM schedeModello"));
    EXPECT_GT(nuovo, 8);
    EXPECT_EQ(editor_, (QStringList{"0/0/8", QStringLiteral("0/0/%1").arg(nuovo)}));
    EXPECT_FALSE(principale_->isVisible());
}

} // namespace
