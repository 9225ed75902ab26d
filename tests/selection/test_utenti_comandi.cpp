#include "base/variabiliGlobali.h"
#include "comune/ArchivioDiProva.h"
#include "comune/Azioni.h"
#include "comune/Modale.h"
#include "selection/RegistraSelezione.h"
#include "selection/UtentiSelezione.h"
#include "shell/Finestre.h"
#include "shell/Principale.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

namespace {

// The main window's commands with the real athlete list.
class ComandiUtenti : public ArchivioDiProva {
protected:
    void SetUp() override {
        ArchivioDiProva::SetUp();
        eseguiDiretto(
            QStringLiteral("INSERT INTO utenti (id_utente, nome, cognome, dataNascita) VALUES "
                           "(4, 'Mario', 'Rossi', '1980-05-02'), (7, 'Anna', 'Bianchi', '1975-12-01');"));
        salvato_ = finestre();
        registraFinestreSelezione();
        // The card editor comes later: a stand-in records that the command reached it.
        finestre().mdiSchedaMostra = [this] { ++apertureEditor_; };
    }
    void TearDown() override {
        finestre() = salvato_;
        ArchivioDiProva::TearDown();
    }
    static void premi(UtentiSelezione& w, const char* chiave) { attiva(w, chiave); }

    RegistroFinestre salvato_;
    int apertureEditor_ = 0;
};

TEST_F(ComandiUtenti, GestioneApreLElencoInModifica) {
    Principale p;
    p.mostra();
    QString modo;
    usaModale<UtentiSelezione>([&] { p.mnuUtentiGestione->trigger(); },
                               [&](UtentiSelezione& w) {
                                   modo = w.Tag;
                                   premi(w, "annulla");
                               });
    EXPECT_EQ(modo, QStringLiteral("MODIFICA"));
    EXPECT_EQ(apertureEditor_, 0);
}

TEST_F(ComandiUtenti, NuovaSchedaSceglieLAtletaPoiApreLEditor) {
    Principale p;
    p.mostra();
    usaModale<UtentiSelezione>([&] { p.mnuSchedeNuova->trigger(); },
                               [](UtentiSelezione& w) {
                                   EXPECT_EQ(w.Tag, QStringLiteral("SELEZIONA"));
                                   QTest::keyClicks(w.Ricerca(), QStringLiteral("bia"));
                                   premi(w, "seleziona");
                               });
    EXPECT_EQ(idUtenteSelezionato, 7);
    EXPECT_EQ(apertureEditor_, 1);

    // Cancelling opens nothing, even after an earlier choice.
    p.mostra();
    usaModale<UtentiSelezione>([&] { p.mnuSchedeNuova->trigger(); },
                               [](UtentiSelezione& w) { premi(w, "annulla"); });
    EXPECT_EQ(idUtenteSelezionato, 0);
    EXPECT_EQ(apertureEditor_, 1);
}

} // namespace
