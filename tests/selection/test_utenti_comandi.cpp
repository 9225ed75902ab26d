#include "base/variabiliGlobali.h"
#include "comune/ArchivioDiProva.h"
#include "selection/RegistraSelezione.h"
#include "selection/UtentiSelezione.h"
#include "shell/Finestre.h"
#include "shell/Principale.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

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
    // Acts on the athlete list as soon as it is shown modally.
    static void sullaLista(std::function<void(UtentiSelezione&)> azione) {
        QTimer::singleShot(0, [azione] {
            auto* w = qobject_cast<UtentiSelezione*>(QApplication::activeModalWidget());
            ASSERT_NE(w, nullptr);
            azione(*w);
            if (w->isVisible())
                w->reject();
        });
    }

    RegistroFinestre salvato_;
    int apertureEditor_ = 0;
};

TEST_F(ComandiUtenti, GestioneApreLElencoInModifica) {
    Principale p;
    QString modo;
    sullaLista([&](UtentiSelezione& w) { modo = w.Tag; });
    p.mnuUtentiGestione_Click();
    EXPECT_EQ(modo, QStringLiteral("MODIFICA"));
    EXPECT_EQ(apertureEditor_, 0);
}

TEST_F(ComandiUtenti, NuovaSchedaSceglieLAtletaPoiApreLEditor) {
    Principale p;
    sullaLista([](UtentiSelezione& w) {
        EXPECT_EQ(w.Tag, QStringLiteral("SELEZIONA"));
        w.Ricerca()->setText(QStringLiteral("bia"));
        w.Toolbar_ButtonClick(QStringLiteral("seleziona"));
    });
    p.mnuSchedeNuova_Click();
    EXPECT_EQ(idUtenteSelezionato, 7);
    EXPECT_EQ(apertureEditor_, 1);

    // Cancelling opens nothing, even after an earlier choice.
    sullaLista([](UtentiSelezione& w) { w.Toolbar_ButtonClick(QStringLiteral("annulla")); });
    p.mnuSchedeNuova_Click();
    EXPECT_EQ(idUtenteSelezionato, 0);
    EXPECT_EQ(apertureEditor_, 1);
}

} // namespace
