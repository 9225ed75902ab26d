#include "comune/ArchivioDiProva.h"
#include "comune/Azioni.h"
#include "comune/Modale.h"
#include "comune/RigheElenco.h"
#include "selection/RegistraSelezione.h"
#include "selection/SchedeMODELLOSelezione.h"
#include "selection/SchedeSelezione.h"
#include "selection/UtentiSelezione.h"
#include "shell/BarraStrumenti.h"
#include "shell/Finestre.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QToolBar>
#include <QTreeWidget>

namespace {

// A list refilled just after its register went away (the file moved, as a server that stops answering):
// the failure is told once, and the pointer and the list come back as they were.
class ElenchiSenzaArchivio : public ArchivioDiProva {
protected:
    void SetUp() override {
        ArchivioDiProva::SetUp();
        eseguiDiretto(QStringLiteral(
            "INSERT INTO utenti (id_utente, nome, cognome) VALUES (4, 'Mario', 'Rossi'), (5, 'Anna', 'Neri');"
            "INSERT INTO schede (id_scheda, id_utente, Istruttore, id_cat, FreqAllen) VALUES (10, 4, 'Aldo', "
            "1, "
            "3), (11, 4, 'Aldo', 1, 3);"
            "INSERT INTO schedeModello (id_Scheda, id_cat, descrizione, preimpostata) VALUES (7, 2, 'Tono', "
            "0), "
            "(8, 5, 'Alfa', 0);"));
        salvato_ = finestre();
        registraFinestreSelezione();
    }
    void TearDown() override {
        finestre() = salvato_;
        ArchivioDiProva::TearDown();
    }

    // The register goes away while the message `testo` is up.
    void togliArchivioAl(const QString& testo) {
        messaggi().allaComparsa = [this, testo](const QString& mostrato) {
            if (mostrato == testo)
                togliArchivio();
        };
    }
    void togliArchivio() const {
        ASSERT_TRUE(QFile::rename(percorsoArchivio(), percorsoArchivio() + QStringLiteral(".altrove")));
    }
    // The error messages shown, each with the reason the register gave.
    QStringList errori() {
        QStringList r;
        for (const auto& m : messaggi().mostrati)
            if (m.testo.contains(QStringLiteral("Impossibile trovare il file")))
                r << m.testo;
        return r;
    }
    static void tornaUtilizzabile(const QTreeWidget* lw) {
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_TRUE(lw->isEnabled());
        EXPECT_TRUE(lw->updatesEnabled());
    }

    RegistroFinestre salvato_;
};

TEST_F(ElenchiSenzaArchivio, Atleti) {
    UtentiSelezione w;
    w.Tag = UtentiSelezione::MODIFICA;
    w.show();
    selezionaRiga(w.LW(), QStringLiteral("5"));
    messaggi().rispondi(Risposta::Si);
    togliArchivioAl(QStringLiteral("Utente e schede eliminati"));
    attiva(*w.Toolbar(), "elimina");
    EXPECT_EQ(errori().size(), 1) << messaggi().testi().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(errori().value(0).startsWith(QStringLiteral("Si è verificato un errore:")));
    tornaUtilizzabile(w.LW());
}

TEST_F(ElenchiSenzaArchivio, SchedeDellAtleta) {
    usaModale<SchedeSelezione>([] { finestre().SchedeSelezione(4); },
                               [this](SchedeSelezione& w) {
                                   selezionaRiga(w.LW(), QStringLiteral("11"));
                                   messaggi().rispondi(Risposta::Si);
                                   togliArchivioAl(QStringLiteral("Scheda eliminata"));
                                   w.Toolbar()->pulsante(QStringLiteral("elimina"))->trigger();
                                   EXPECT_EQ(errori().size(), 1)
                                       << messaggi().testi().join(QLatin1Char('|')).toStdString();
                                   tornaUtilizzabile(w.LW());
                                   w.Toolbar()->pulsante(QStringLiteral("annulla"))->trigger();
                               });
}

TEST_F(ElenchiSenzaArchivio, Modelli) {
    usaModale<SchedeMODELLOSelezione>(
        [] { finestre().SchedeMODELLOSelezione(); },
        [this](SchedeMODELLOSelezione& w) {
            togliArchivio();
            w.categoria()->setCurrentIndex(w.categoria()->findText(QStringLiteral("Tonificazione")));
            EXPECT_EQ(errori().size(), 1) << messaggi().testi().join(QLatin1Char('|')).toStdString();
            tornaUtilizzabile(w.LW());
            w.Toolbar()->pulsante(QStringLiteral("annulla"))->trigger();
        });
}

} // namespace
