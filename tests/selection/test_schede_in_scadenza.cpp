#include "base/variabiliGlobali.h"
#include "comune/ArchivioDiProva.h"
#include "comune/Azioni.h"
#include "comune/Modale.h"
#include "comune/RigheElenco.h"
#include "printing/DialoghiFinti.h"
#include "records/Scadenze.h"
#include "selection/RegistraSelezione.h"
#include "selection/SchedeInScadenza.h"
#include "shell/BarraStrumenti.h"
#include "shell/FinestraGuida.h"
#include "shell/Finestre.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>

namespace {

// Sheets in a PDF file; 0 when it is not a whole PDF.
int fogliPdf(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray dati = f.readAll();
    if (!dati.startsWith("%PDF") || !dati.trimmed().endsWith("%%EOF"))
        return 0;
    return static_cast<int>(
        QString::fromLatin1(dati).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

// Today is 10/12/2026. Rossi's card 11 ends in 5 days, Verdi's 12 ended 9 days ago, Bianchi's 13 ends in
// 12 days; Neri's old card 14 would end in 2 days, but card 15 follows it well after the range.
class ListaScadenze : public ArchivioDiProva {
protected:
    void SetUp() override {
        ArchivioDiProva::SetUp();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, impostazioni_.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, impostazioni_.path());
        QSettings(QStringLiteral("Vibrana"), QStringLiteral("Vibrana")).clear();
        eseguiDiretto(QStringLiteral(
            "INSERT INTO utenti (id_utente, nome, cognome) VALUES (4, 'Mario', 'Rossi'), (5, 'Luca', "
            "'Verdi'),"
            " (6, 'Pia', 'Bianchi'), (7, 'Anna', 'Neri');"
            "INSERT INTO schede (id_scheda, id_utente, Istruttore, PeriodoDal, PeriodoAl, id_cat, FreqAllen, "
            "GGAllen, Obiettivo, note) VALUES"
            " (11, 4, 'Aldo', '2026-11-16', '2026-12-15', 1, 3, '', 'tono', 'fine'),"
            " (12, 5, 'bruno', '2026-11-01', '2026-12-01', 2, 3, '', '', ''),"
            " (13, 6, 'Carla', '2026-11-23', '2026-12-22', 6, 2, '', '', ''),"
            " (14, 7, 'Aldo', '2026-11-13', '2026-12-12', 1, 3, '', '', ''),"
            " (15, 7, 'Aldo', '2026-12-13', '2027-02-12', 1, 3, '', '', '');"));
        // One free exercise each: a sheet to print without pictures.
        for (int id : {11, 12, 13, 14, 15})
            eseguiDiretto(
                QStringLiteral("INSERT INTO Esercizi (NProg, ID_Scheda, ID_Fig, Durata, Frequenza, "
                               "Ampiezza, RecuperoMin, RecuperoSec, Serie, Modalita, Peso, isLibero, "
                               "Note) VALUES (1, %1, 0, '', '', '', 0, 0, 0, '', '', 1, 'corsa')")
                    .arg(id));
        salvato_ = finestre();
        registraFinestreSelezione();
        idUtenteSelezionato = 0;
        idSchedaSelezionata = 0;
    }
    void TearDown() override {
        finestre() = salvato_;
        ArchivioDiProva::TearDown();
    }

    void conLista(const std::function<void(SchedeInScadenza&)>& agisci) {
        usaModale<SchedeInScadenza>([] { finestre().SchedeInScadenza(); }, agisci);
    }
    static QAction* pulsante(SchedeInScadenza& w, const char* chiave) {
        return w.Toolbar()->pulsante(QString::fromLatin1(chiave));
    }
    static void scegli(QTreeWidget* lw, std::initializer_list<const char*> schede) {
        lw->clearSelection();
        for (int i = 0; i < lw->topLevelItemCount(); ++i)
            for (const char* id : schede)
                if (lw->topLevelItem(i)->text(SchedeInScadenza::ColId) == QLatin1String(id)) {
                    lw->topLevelItem(i)->setSelected(true);
                    lw->setCurrentItem(lw->topLevelItem(i), 0, QItemSelectionModel::Current);
                }
    }
    // Shortcuts reach the active window only.
    static void inPrimoPiano(SchedeInScadenza& w) {
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }
    static int righe(const QString& cartella) {
        return static_cast<int>(QDir(cartella).entryList(QDir::Files | QDir::Hidden).size());
    }

    RegistroFinestre salvato_;
    QTemporaryDir impostazioni_;
};

TEST_F(ListaScadenze, ElencoOrdinatoPerGiorniEOrdinabilePerValore) {
    conLista([](SchedeInScadenza& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Schede in scadenza"));
        QTreeWidget* lw = w.LW();
        QStringList intestazioni;
        for (int c = 0; c < lw->columnCount(); ++c)
            intestazioni << lw->headerItem()->text(c);
        EXPECT_EQ(intestazioni,
                  (QStringList{"Atleta", "ID_scheda", "Dal", "Al", "Giorni", "Istruttore", "Categoria"}));
        EXPECT_EQ(w.giorni()->value(), 7);
        EXPECT_EQ(colonna(lw, SchedeInScadenza::ColId), (QStringList{"12", "11"}));
        EXPECT_EQ(colonna(lw, SchedeInScadenza::ColAtleta), (QStringList{"Verdi Luca", "Rossi Mario"}));
        EXPECT_EQ(colonna(lw, SchedeInScadenza::ColDal), (QStringList{"01/11/2026", "16/11/2026"}));
        EXPECT_EQ(colonna(lw, SchedeInScadenza::ColAl), (QStringList{"01/12/2026", "15/12/2026"}));
        EXPECT_EQ(colonna(lw, SchedeInScadenza::ColGiorni), (QStringList{"-9", "5"}));
        EXPECT_EQ(colonna(lw, SchedeInScadenza::ColCategoria),
                  (QStringList{"Tonificazione", "Dimagrimento"}));
        EXPECT_EQ(w.riepilogo()->text(), QStringLiteral("2 schede"));
        // A period already over stands out; one still running does not.
        EXPECT_EQ(lw->topLevelItem(0)->foreground(SchedeInScadenza::ColGiorni).color(), QColor(128, 0, 0));
        EXPECT_EQ(lw->topLevelItem(1)->foreground(SchedeInScadenza::ColGiorni).style(), Qt::NoBrush);

        // More days: the list follows at once, and the number is kept for the next time.
        w.giorni()->setValue(12);
        EXPECT_EQ(colonna(lw, SchedeInScadenza::ColId), (QStringList{"12", "11", "13"}));
        struct Caso {
            int colonna;
            QStringList ordine;
        };
        const Caso casi[] = {
            {SchedeInScadenza::ColGiorni, {"12", "11", "13"}},     // -9, 5, 12 as numbers, not as texts
            {SchedeInScadenza::ColIstruttore, {"11", "12", "13"}}, // letter case ignored
            {SchedeInScadenza::ColDal, {"12", "11", "13"}},
            {SchedeInScadenza::ColAtleta, {"13", "11", "12"}},
            {SchedeInScadenza::ColId, {"11", "12", "13"}},
        };
        for (const Caso& c : casi) {
            lw->header()->sectionClicked(c.colonna);
            EXPECT_EQ(colonna(lw, SchedeInScadenza::ColId), c.ordine) << "colonna " << c.colonna;
        }
        attiva(w, "chiudi");
    });
    EXPECT_EQ(giorniScadenzaSalvati(), 12);
    conLista([](SchedeInScadenza& w) {
        EXPECT_EQ(w.giorni()->value(), 12);
        EXPECT_EQ(w.LW()->topLevelItemCount(), 3);
        QTest::keyClick(w.LW(), Qt::Key_Escape);
    });
    EXPECT_EQ(idSchedaSelezionata, 0);
    EXPECT_TRUE(messaggi().mostrati.empty());
}

TEST_F(ListaScadenze, CellaTroncataMostraIlTestoInteroNelSuggerimento) {
    const QString lungo = QStringLiteral("Castellammare di Stabia Buonaparte Sanseverino");
    eseguiDiretto(QStringLiteral("UPDATE utenti SET cognome = '%1' WHERE id_utente = 4;").arg(lungo));
    conLista([&lungo](SchedeInScadenza& w) {
        QTreeWidget* lw = w.LW();
        const struct {
            int riga;
            QString suggerimento;
        } casi[] = {{1, lungo + QStringLiteral(" Mario")},
                    {0, QString()}}; // rows: 12 (Verdi), 11 (the long name)
        for (const auto& c : casi) {
            QToolTip::hideText();
            EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 1000));
            const QRect cella = lw->visualRect(lw->model()->index(c.riga, SchedeInScadenza::ColAtleta));
            QHelpEvent aiuto(QEvent::ToolTip, cella.center(), lw->viewport()->mapToGlobal(cella.center()));
            QApplication::sendEvent(lw->viewport(), &aiuto);
            EXPECT_EQ((QToolTip::isVisible() ? QToolTip::text() : QString()).toStdString(),
                      c.suggerimento.toStdString());
        }
        w.reject();
    });
}

TEST_F(ListaScadenze, InvioApreLaSchedaConIlSuoAtleta) {
    conLista([](SchedeInScadenza& w) {
        scegli(w.LW(), {"11"});
        QTest::keyClick(w.LW(), Qt::Key_Return);
    });
    EXPECT_EQ(idSchedaSelezionata, 11);
    EXPECT_EQ(idUtenteSelezionato, 4);
}

TEST_F(ListaScadenze, RinnovaSalvaUnaNuovaSchedaELaConsegna) {
    const qlonglong prima = contaDiretto(QStringLiteral("SELECT count(*) FROM schede"));
    conLista([](SchedeInScadenza& w) {
        scegli(w.LW(), {"12"});
        ASSERT_TRUE(pulsante(w, "rinnova")->isEnabled());
        inPrimoPiano(w);
        QTest::keySequence(w.LW(), QKeySequence(Qt::CTRL | Qt::Key_R));
    });
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT count(*) FROM schede")), prima + 1);
    // The athlete's other card (on the server the fixture's own numbers do not move the key sequence).
    const qlonglong nuova =
        contaDiretto(QStringLiteral("SELECT id_scheda FROM schede WHERE id_utente = 5 AND id_scheda <> 12"));
    EXPECT_NE(nuova, 0);
    EXPECT_EQ(idSchedaSelezionata, nuova);
    EXPECT_EQ(idUtenteSelezionato, 5);
    // Card 12 ran from 01/11 to 01/12 and is over: the new one starts today and lasts as long.
    EXPECT_EQ(
        contaDiretto(QStringLiteral("SELECT count(*) FROM schede WHERE id_scheda = %1 AND id_utente = 5 "
                                    "AND PeriodoDal = '2026-12-10' AND PeriodoAl = '2027-01-09'")
                         .arg(nuova)),
        1);
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT count(*) FROM Esercizi WHERE ID_Scheda = %1").arg(nuova)),
              1);
    EXPECT_TRUE(messaggi().mostrati.empty());
}

TEST_F(ListaScadenze, SenzaRigheScelteIComandiSonoSpenti) {
    conLista([](SchedeInScadenza& w) {
        w.LW()->clearSelection();
        inPrimoPiano(w);
        for (const char* k : {"apri", "rinnova", "stampatutte", "pdftutte"})
            EXPECT_FALSE(pulsante(w, k)->isEnabled()) << k;
        // The shortcuts of switched-off buttons do nothing either.
        QTest::keySequence(w.LW(), QKeySequence(Qt::CTRL | Qt::Key_R));
        QTest::keyClick(w.LW(), Qt::Key_Return);
        EXPECT_TRUE(w.isVisible());
        w.reject();
    });
    EXPECT_EQ(idSchedaSelezionata, 0);
}

TEST_F(ListaScadenze, StampaTutteInUnSoloLavoro) {
    DialoghiInstallati dialoghi;
    dialoghi->filePdf = cartella() + QStringLiteral("/stampa.pdf");
    conLista([](SchedeInScadenza& w) {
        w.giorni()->setValue(12);
        scegli(w.LW(), {"12", "13"});
        attiva(w, "stampatutte");
        EXPECT_TRUE(w.isVisible());
        w.reject();
    });
    EXPECT_EQ(dialoghi->stampe, 1);
    EXPECT_EQ(fogliPdf(dialoghi->filePdf), 2);
    EXPECT_TRUE(messaggi().mostrati.empty());
}

TEST_F(ListaScadenze, StampaAnnullataNonStampaNulla) {
    DialoghiInstallati dialoghi;
    dialoghi->annullaStampa = true;
    dialoghi->filePdf = cartella() + QStringLiteral("/stampa.pdf");
    conLista([](SchedeInScadenza& w) {
        scegli(w.LW(), {"11", "12"});
        inPrimoPiano(w);
        QTest::keySequence(w.LW(), QKeySequence::Print);
        w.reject();
    });
    EXPECT_EQ(dialoghi->stampe, 1);
    EXPECT_FALSE(QFile::exists(dialoghi->filePdf));
    EXPECT_TRUE(messaggi().mostrati.empty());
}

TEST_F(ListaScadenze, PdfTutteUnFilePerSchedaColNomeDellAnteprima) {
    DialoghiInstallati dialoghi;
    const QString uscita = cartella() + QStringLiteral("/pdf");
    dialoghi->cartellaScelta = uscita;
    conLista([](SchedeInScadenza& w) {
        w.giorni()->setValue(12);
        scegli(w.LW(), {"11", "13"});
        attiva(w, "pdftutte");
        w.reject();
    });
    EXPECT_EQ(dialoghi->scelteCartella, 1);
    const QStringList attesi{QStringLiteral("Scheda Rossi Mario dal 16-11-2026 al 15-12-2026.pdf"),
                             QStringLiteral("Scheda Bianchi Pia dal 23-11-2026 al 22-12-2026.pdf")};
    for (const QString& nome : attesi)
        EXPECT_EQ(fogliPdf(uscita + QLatin1Char('/') + nome), 1) << nome.toStdString();
    EXPECT_EQ(righe(uscita), 2);
    EXPECT_EQ(messaggi().testi(), QStringList{QStringLiteral("2 schede salvate in %1").arg(uscita)});
}

TEST_F(ListaScadenze, CartellaNonSceltaNonScriveNulla) {
    DialoghiInstallati dialoghi;
    dialoghi->cartellaScelta.clear();
    conLista([](SchedeInScadenza& w) {
        scegli(w.LW(), {"11"});
        inPrimoPiano(w);
        QTest::keySequence(w.LW(), QKeySequence(Qt::CTRL | Qt::Key_S));
        w.reject();
    });
    EXPECT_EQ(dialoghi->scelteCartella, 1);
    EXPECT_TRUE(messaggi().mostrati.empty());
}

TEST_F(ListaScadenze, InterrompereLasciaSoloFileInteri) {
    DialoghiInstallati dialoghi;
    const QString uscita = cartella() + QStringLiteral("/pdf");
    dialoghi->cartellaScelta = uscita;
    // As soon as the first file is there, the user stops from the progress window.
    QTimer interrompi;
    interrompi.setInterval(1);
    bool premuto = false;
    QObject::connect(&interrompi, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* p = w->findChild<QProgressDialog*>(QStringLiteral("avanzamento")))
                if (p->isVisible() && righe(uscita) >= 1 && !premuto) {
                    auto* annulla = p->findChild<QPushButton*>();
                    ASSERT_NE(annulla, nullptr);
                    EXPECT_EQ(annulla->text(), QStringLiteral("&Interrompi"));
                    QTest::mouseClick(annulla, Qt::LeftButton);
                    premuto = true;
                }
    });
    conLista([&](SchedeInScadenza& w) {
        w.giorni()->setValue(12);
        w.LW()->selectAll();
        interrompi.start();
        attiva(w, "pdftutte");
        interrompi.stop();
        w.reject();
    });
    ASSERT_TRUE(premuto);
    EXPECT_EQ(righe(uscita), 1);
    for (const QString& f : QDir(uscita).entryList(QDir::Files | QDir::Hidden))
        EXPECT_EQ(fogliPdf(uscita + QLatin1Char('/') + f), 1) << f.toStdString();
    ASSERT_EQ(messaggi().testi().size(), 1);
    EXPECT_TRUE(messaggi().testi().front().contains(QStringLiteral("Salvataggio interrotto")))
        << messaggi().testi().front().toStdString();
}

TEST_F(ListaScadenze, F1ApreLaGuidaAlCapitoloDelleScadenze) {
    const QString guida = cartella() + QStringLiteral("/guida.html");
    QFile f(guida);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<html><body><a name=\"inizio\"></a>Indice<a name=\"scadenze\"></a>Scadenze</body></html>");
    f.close();
    impostaFileGuida(guida);
    installaTastoGuida(QApplication::instance());
    conLista([](SchedeInScadenza& w) {
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(w.LW(), Qt::Key_F1);
        ASSERT_NE(finestraGuida(), nullptr);
        EXPECT_TRUE(finestraGuida()->isVisible());
        EXPECT_EQ(finestraGuida()->browser()->source().fragment(), QStringLiteral("scadenze"));
        finestraGuida()->close();
        w.reject();
    });
    impostaFileGuida(QString());
    EXPECT_TRUE(messaggi().mostrati.empty());
}

} // namespace
