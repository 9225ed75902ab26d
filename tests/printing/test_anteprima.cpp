#include "ArchivioStampa.h"
#include "DialoghiFinti.h"
#include "LimitiScrittura.h"
#include "StrumentiPdf.h"
#include "base/variabiliGlobali.h"
#include "comune/FinestraIntera.h"
#include "comune/Modale.h"
#include "comune/SchermoDiProva.h"
#include "printing/DialoghiStampa.h"
#include "printing/PrinterCanvas.h"
#include "printing/PrinterDaNonFare.h"
#include "printing/RegistraStampa.h"
#include "printing/SliderEffect.h"
#include "printing/SuperficieFoglio.h"
#include "shell/BarraStrumenti.h"
#include "shell/Finestre.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <optional>

namespace {

// The screen the program is designed for.
const bool schermo1024 = schermoDiProva(1024, 768);

class Anteprima : public ArchivioStampa {
protected:
    void SetUp() override {
        ArchivioStampa::SetUp();
        figura(1);
    }
    // The preview of a card with n exercises, shown as the registry would show it (but not modal).
    std::unique_ptr<PrinterCanvas> apri(int esercizi) {
        idSchedaSelezionata = scheda(esercizi);
        auto w = std::make_unique<PrinterCanvas>();
        w->show();
        QApplication::processEvents();
        return w;
    }
    static void premi(AnteprimaFoglio& w, const char* chiave) {
        QAction* a = w.Toolbar()->pulsante(QLatin1String(chiave));
        ASSERT_NE(a, nullptr) << chiave;
        a->trigger();
        QApplication::processEvents();
    }
    // The register as scheda(3) wrote it, and nothing else.
    void registroComeScritto(qlonglong idScheda) const {
        EXPECT_EQ(contaDiretto(QStringLiteral("SELECT count(*) FROM schede")), 1);
        EXPECT_EQ(contaDiretto(QStringLiteral("SELECT count(*) FROM schede WHERE id_scheda = %1 AND "
                                              "Istruttore = 'Anna Bianchi' AND PeriodoDal = '2026-12-01' AND "
                                              "PeriodoAl = '2026-12-22'")
                                   .arg(idScheda)),
                  1);
        EXPECT_EQ(contaDiretto(QStringLiteral("SELECT count(*) FROM Esercizi")), 3);
        EXPECT_EQ(contaDiretto(QStringLiteral("SELECT count(*) FROM Esercizi WHERE id_scheda = %1 AND "
                                              "Serie = 3 AND Note = 'esercizio ' || NProg")
                                   .arg(idScheda)),
                  3);
    }
    static QString pie(const PrinterCanvas& w) {
        return w.superficie().el(QStringLiteral("piepagina")).testo;
    }
};

TEST_F(Anteprima, SfogliaIFogliFermandosiAgliEstremi) {
    auto w = apri(25);
    EXPECT_EQ(w->testoStato(), QStringLiteral("Pagina 1/3"));
    // Pictures numbered by button, separators skipped.
    EXPECT_EQ(BarraStrumenti::numeroImmagine(w->Toolbar()->pulsante(QStringLiteral("esci"))), 5);
    EXPECT_FALSE(w->Toolbar()->pulsante(QStringLiteral("Stampa"))->icon().isNull());
    premi(*w, "PagPrec");
    EXPECT_EQ(w->testoStato(), QStringLiteral("Pagina 1/3"));
    premi(*w, "PagSucc");
    EXPECT_EQ(w->testoStato(), QStringLiteral("Pagina 2/3"));
    EXPECT_EQ(pie(*w), QStringLiteral("Pagina 2/3"));
    EXPECT_EQ(w->superficie().el(QStringLiteral("nprog"), 0).testo, QStringLiteral("11"));
    premi(*w, "PagSucc");
    premi(*w, "PagSucc");
    EXPECT_EQ(w->testoStato(), QStringLiteral("Pagina 3/3"));
    EXPECT_FALSE(w->Toolbar()->pulsante(QStringLiteral("PagSucc"))->isEnabled());
    premi(*w, "PagPrec");
    EXPECT_EQ(pie(*w), QStringLiteral("Pagina 2/3"));
    EXPECT_TRUE(messaggi().testi().isEmpty());
}

TEST_F(Anteprima, PaginaSuccessivaDallaTastieraTornaInCima) {
    auto w = apri(11);
    w->VScroll1()->setValue(w->VScroll1()->maximum());
    QTest::keyClick(w.get(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(w->testoStato(), QStringLiteral("Pagina 2/2"));
    EXPECT_EQ(w->VScroll1()->value(), 0);
}

TEST_F(Anteprima, SchedaVuotaAvvisaESiApreSenzaDati) {
    auto w = apri(0);
    EXPECT_EQ(messaggi().testi(), QStringList{QStringLiteral("Nessun esercizio caricato in questa scheda!")});
    EXPECT_EQ(w->canvas()->foglio(), nullptr);
    EXPECT_FALSE(w->Toolbar()->pulsante(QStringLiteral("Stampa"))->isEnabled());
    EXPECT_TRUE(w->isVisible());
}

TEST_F(Anteprima, StampaIntervalloInCopieNonFascicolate) {
    DialoghiInstallati dialoghi;
    dialoghi->filePdf = cartella() + QStringLiteral("/stampa.pdf");
    dialoghi->da = 2;
    dialoghi->a = 3;
    dialoghi->copie = 2;
    auto w = apri(25);
    premi(*w, "Stampa");
    EXPECT_EQ(dialoghi->intervalloProposto, qMakePair(1, 3));
    ASSERT_EQ(StrumentiPdf::pagine(dialoghi->filePdf), 4);
    const QStringList testi = StrumentiPdf::testiPagine(dialoghi->filePdf);
    const char* attese[] = {"Pagina 2/3", "Pagina 2/3", "Pagina 3/3", "Pagina 3/3"};
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(testi.value(i).contains(QLatin1String(attese[i]))) << i;
    EXPECT_EQ(w->testoStato(), QStringLiteral("Pagina 3/3"));
    EXPECT_TRUE(messaggi().testi().isEmpty());
}

TEST(DialogoStampa, LaFascicolazioneNonSiPuoScegliere) {
    // Copies come out 1,1,2,2 whatever the tick says, so the dialog shows it off and unusable.
    QPrinter stampante;
    stampante.setCollateCopies(true);
    usaModale<QPrintDialog>([&] { dialoghi().sceltaStampante(stampante, 1, 3, nullptr); },
                            [](QPrintDialog& d) {
                                auto* fascicola = d.findChild<QCheckBox*>(QStringLiteral("collate"));
                                ASSERT_NE(fascicola, nullptr);
                                EXPECT_FALSE(fascicola->isChecked());
                                EXPECT_FALSE(fascicola->isEnabled());
                                auto* copie = d.findChild<QSpinBox*>(QStringLiteral("copies"));
                                ASSERT_NE(copie, nullptr);
                                copie->setValue(2);
                                QCoreApplication::processEvents();
                                EXPECT_FALSE(fascicola->isChecked());
                                EXPECT_FALSE(fascicola->isEnabled());
                                d.reject();
                            });
}

TEST_F(Anteprima, StampaAnnullataNonStampaENonDiceNulla) {
    DialoghiInstallati dialoghi;
    dialoghi->annullaStampa = true;
    dialoghi->filePdf = cartella() + QStringLiteral("/stampa.pdf");
    auto w = apri(3);
    premi(*w, "Stampa");
    EXPECT_EQ(dialoghi->stampe, 1);
    EXPECT_FALSE(QFileInfo::exists(dialoghi->filePdf));
    EXPECT_TRUE(messaggi().testi().isEmpty());
}

TEST_F(Anteprima, StampanteCheNonParteERiferita) {
    DialoghiInstallati dialoghi;
    dialoghi->filePdf = cartella() + QStringLiteral("/manca/cartella/stampa.pdf");
    auto w = apri(3);
    premi(*w, "Stampa");
    ASSERT_EQ(messaggi().testi().size(), 1);
    EXPECT_TRUE(messaggi().testi()[0].contains(QStringLiteral("stampa")));
}

TEST_F(Anteprima, PdfDiTuttiIFogliConNomeProposto) {
    DialoghiInstallati dialoghi;
    dialoghi->fileDaSalvare = cartella() + QStringLiteral("/scheda");
    auto w = apri(13);
    premi(*w, "PDF");
    EXPECT_TRUE(
        QFileInfo(dialoghi->nomeProposto).fileName().startsWith(QStringLiteral("Scheda Rossi Mario dal ")));
    const QString file = dialoghi->fileDaSalvare + QStringLiteral(".pdf");
    EXPECT_EQ(StrumentiPdf::pagine(file), 2);
    // The sheet on screen is left as it was.
    EXPECT_EQ(w->testoStato(), QStringLiteral("Pagina 1/2"));
    EXPECT_EQ(pie(*w), QStringLiteral("Pagina 1/2"));
}

// The status bar's second panel.
QString notaStato(const AnteprimaFoglio& w) {
    const auto* nota = w.findChild<QLabel*>(QStringLiteral("pannello2"));
    return nota ? nota->text() : QStringLiteral("(manca il pannello)");
}

// A PDF that cannot be written whole is not written at all: one Italian message naming the file,
// no temporary file left beside it, the file of before as it was.
TEST_F(Anteprima, PdfNonScrittoLasciaIlFileDiPrima) {
    const QString destinazione = cartella() + QStringLiteral("/uscita");
    ASSERT_TRUE(QDir().mkpath(destinazione));
    const QString file = destinazione + QStringLiteral("/scheda.pdf");
    const QByteArray diIeri("PDF di ieri");
    const struct {
        const char* nome;
        bool discoPieno; // else a folder that may not be written
        const char* causa;
    } casi[] = {
        {"disco pieno", true, "disco pieno o errore di scrittura"},
        {"cartella di sola lettura", false, "non si ha il permesso di scrivere"},
    };
    auto w = apri(13);
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        messaggi().mostrati.clear();
        QFile vecchio(file);
        ASSERT_TRUE(vecchio.open(QIODevice::WriteOnly | QIODevice::Truncate));
        vecchio.write(diIeri);
        vecchio.close();
        DialoghiInstallati dialoghi;
        dialoghi->fileDaSalvare = file;
        {
            std::optional<DiscoPieno> pieno;
            std::optional<PermessiRispettati> permessi;
            if (c.discoPieno) {
                pieno.emplace(8192);
            } else {
                QFile::setPermissions(destinazione, QFile::ReadOwner | QFile::ExeOwner);
                permessi.emplace();
                ASSERT_FALSE(QFile(destinazione + QStringLiteral("/prova")).open(QIODevice::WriteOnly))
                    << "la cartella resta scrivibile";
            }
            premi(*w, "PDF");
        }
        QFile::setPermissions(destinazione, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        ASSERT_EQ(messaggi().testi().size(), 1);
        EXPECT_TRUE(messaggi().testi()[0].endsWith(
            QStringLiteral(": Impossibile scrivere «scheda.pdf»: %1").arg(QString::fromUtf8(c.causa))))
            << messaggi().testi()[0].toStdString();
        EXPECT_FALSE(notaStato(*w).contains(QStringLiteral("salvata"))) << notaStato(*w).toStdString();
        EXPECT_EQ(QDir(destinazione).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("scheda.pdf")});
        ASSERT_TRUE(vecchio.open(QIODevice::ReadOnly));
        EXPECT_EQ(vecchio.readAll(), diIeri);
        vecchio.close();
    }
    // Once the disk has room the same button writes the file.
    messaggi().mostrati.clear();
    DialoghiInstallati dialoghi;
    dialoghi->fileDaSalvare = file;
    premi(*w, "PDF");
    EXPECT_TRUE(messaggi().testi().isEmpty()) << messaggi().testi().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(StrumentiPdf::pagine(file), 2);
    EXPECT_EQ(notaStato(*w), QStringLiteral("Scheda salvata in %1").arg(file));
}

TEST_F(Anteprima, LogoIllegibileAvvisatoNellaBarraDiStato) {
    palestraDiretta(cartella() + QStringLiteral("/images/spostato.jpg"));
    auto w = apri(13);
    EXPECT_EQ(notaStato(*w), QStringLiteral("Il logo della palestra \"%1/images/spostato.jpg\" non si può "
                                            "leggere: le schede sono stampate senza logo.")
                                 .arg(cartella()));
    EXPECT_FALSE(w->superficie().el(QStringLiteral("logoPalestra")).visibile);
    premi(*w, "PagSucc");
    EXPECT_FALSE(w->superficie().el(QStringLiteral("logoPalestra")).visibile);
    EXPECT_TRUE(messaggi().testi().isEmpty());
}

TEST_F(Anteprima, FoglioCentratoSeLaFinestraELarga) {
    auto w = apri(1);
    const std::pair<int, bool> larghezze[] = {{1400, true}, {500, false}};
    for (const auto& [larghezza, centrato] : larghezze) {
        w->resize(larghezza, 700);
        QApplication::processEvents();
        QWidget* area = w->canvas()->parentWidget();
        EXPECT_EQ(w->canvas()->x(), centrato ? (area->width() - w->canvas()->width()) / 2 : 0) << larghezza;
    }
    // Scrolling moves the sheet up.
    w->VScroll1()->setValue(1500);
    EXPECT_EQ(w->canvas()->y(), -100);
}

TEST_F(Anteprima, TrascinandoIlFoglioConIlTastoSinistroScorre) {
    auto w = apri(3);
    w->resize(900, 500);
    QApplication::processEvents();
    int y = 300;
    w->trascinamento().posizioneY = [&y] { return y; };
    auto muovi = [&](int nuovaY, Qt::MouseButtons pulsanti) {
        y = nuovaY;
        QMouseEvent e(QEvent::MouseMove, QPointF(100, 100), QPointF(100, nuovaY), Qt::NoButton, pulsanti,
                      Qt::NoModifier);
        QApplication::sendEvent(w->canvas(), &e);
    };
    w->VScroll1()->setValue(2000);
    muovi(300, Qt::NoButton);
    muovi(290, Qt::LeftButton); // pointer up by 10 pixels: 400 twips further down the sheet
    EXPECT_EQ(w->VScroll1()->value(), 2400);
    EXPECT_EQ(w->canvas()->y(), -160);
    muovi(280, Qt::RightButton);
    EXPECT_EQ(w->VScroll1()->value(), 2400);
}

TEST(TrascinaFoglio, OgniPixelVersoIlBassoSale40Twip) {
    QScrollBar barra(Qt::Vertical);
    barra.setRange(0, 5000);
    barra.setValue(2000);
    SliderEffect s;
    int y = 0;
    s.posizioneY = [&y] { return y; };
    const struct {
        int y;
        int pulsante;
        int valore;
    } passi[] = {
        {100, 0, 2000},                 // no button: only remembered
        {110, 1, 1600},                 // 10 pixels down: 400 twips towards the top
        {105, 1, 1800}, {300, 1, 1800}, // out of range: nothing
        {250, 1, 3800},
    };
    for (const auto& p : passi) {
        y = p.y;
        s.setDisplacement(p.pulsante, &barra);
        EXPECT_EQ(barra.value(), p.valore) << p.y;
    }
}

TEST_F(Anteprima, IstruzioniStampateInCopie) {
    DialoghiInstallati dialoghi;
    dialoghi->filePdf = cartella() + QStringLiteral("/istruzioni.pdf");
    dialoghi->copie = 3;
    PrinterDaNonFare w;
    w.show();
    QApplication::processEvents();
    // As wide as the sheet: shown from its left edge, without a status bar.
    EXPECT_EQ(w.canvas()->x(), 0);
    EXPECT_FALSE(w.StatusBar1()->isVisible());
    EXPECT_EQ(w.Toolbar()->pulsante(QStringLiteral("PagSucc")), nullptr);
    premi(w, "Stampa");
    EXPECT_EQ(dialoghi->intervalloProposto, qMakePair(0, 0));
    EXPECT_EQ(StrumentiPdf::pagine(dialoghi->filePdf), 3);
    EXPECT_TRUE(
        StrumentiPdf::testiPagine(dialoghi->filePdf).value(2).contains(QStringLiteral("ISTRUZIONI D'USO")));
    dialoghi->annullaStampa = true;
    QFile::remove(dialoghi->filePdf);
    premi(w, "Stampa");
    EXPECT_FALSE(QFileInfo::exists(dialoghi->filePdf));
    EXPECT_TRUE(messaggi().testi().isEmpty());
    premi(w, "esci");
    EXPECT_FALSE(w.isVisible());
}

TEST_F(Anteprima, IlRegistroApreLeFinestreModali) {
    finestre() = RegistroFinestre{};
    registraFinestreStampa();
    ASSERT_TRUE(finestre().PrinterCanvas && finestre().PrinterDaNonFare && finestre().frmPersonalizza);
    idSchedaSelezionata = scheda(2);
    usaModale<PrinterCanvas>([] { finestre().PrinterCanvas(); },
                             [](PrinterCanvas& w) {
                                 EXPECT_EQ(w.testoStato(), QStringLiteral("Pagina 1/1"));
                                 w.Toolbar()->pulsante(QStringLiteral("esci"))->trigger();
                             });
    usaModale<PrinterDaNonFare>(
        [] { finestre().PrinterDaNonFare(); },
        [](PrinterDaNonFare& w) { w.Toolbar()->pulsante(QStringLiteral("esci"))->trigger(); });
    finestre() = RegistroFinestre{};
}

TEST_F(Anteprima, SchedaInMemoriaStampataSenzaSalvarla) {
    finestre() = RegistroFinestre{};
    registraFinestreStampa();
    ASSERT_TRUE(finestre().AnteprimaScheda);
    const std::int32_t id = scheda(3);
    ::scheda c;
    ASSERT_TRUE(c.carica(id));
    c.caricaEsercizi();
    c.Istruttore = QStringLiteral("Luca Verdi");
    c.PeriodoDal.clear();
    c.PeriodoAl = QStringLiteral("31/12/2026");
    c.esercizi[2].note = QStringLiteral("piano piano");
    c.esercizi[2].serie = 5;
    c.esercizi.Add(libero(0, QStringLiteral("Corsa leggera")));
    c.isSaved = false;
    DialoghiInstallati dialoghi;
    dialoghi->filePdf = cartella() + QStringLiteral("/stampata.pdf");
    dialoghi->fileDaSalvare = cartella() + QStringLiteral("/salvata.pdf");
    usaModale<PrinterCanvas>(
        [&] { finestre().AnteprimaScheda(c); },
        [](PrinterCanvas& w) {
            const Foglio& f = w.superficie();
            EXPECT_EQ(w.testoStato(), QStringLiteral("Pagina 1/1"));
            EXPECT_EQ(f.el(QStringLiteral("Istruttore")).testo, QStringLiteral("Luca Verdi"));
            EXPECT_EQ(f.el(QStringLiteral("Periodo")).testo, QStringLiteral("fino al 31/12/2026"));
            EXPECT_EQ(f.el(QStringLiteral("note"), 1).testo, QStringLiteral("Note: piano piano"));
            EXPECT_EQ(f.el(QStringLiteral("serie"), 1).testo, QStringLiteral("5"));
            EXPECT_EQ(f.el(QStringLiteral("nprog"), 3).testo, QStringLiteral("4"));
            EXPECT_EQ(f.el(QStringLiteral("note"), 3).testo, QStringLiteral("Corsa leggera"));
            premi(w, "Stampa");
            premi(w, "PDF");
            premi(w, "esci");
        });
    EXPECT_TRUE(messaggi().testi().isEmpty()) << messaggi().testi().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(QFileInfo(dialoghi->nomeProposto).fileName(),
              QStringLiteral("Scheda Rossi Mario fino al 31-12-2026.pdf"));
    for (const QString& file : {dialoghi->filePdf, dialoghi->fileDaSalvare}) {
        SCOPED_TRACE(file.toStdString());
        const QString testo = StrumentiPdf::testiPagine(file).join(QLatin1Char('\n'));
        for (const char* atteso : {"Luca Verdi", "fino al 31/12/2026", "Note: piano piano", "Corsa leggera"})
            EXPECT_TRUE(testo.contains(QLatin1String(atteso))) << atteso;
        EXPECT_FALSE(testo.contains(QLatin1String("Anna Bianchi")));
    }
    registroComeScritto(id);
    EXPECT_EQ(idSchedaSelezionata, 0);
    EXPECT_FALSE(c.isSaved);
    EXPECT_EQ(c.esercizi.Count(), 4);
    EXPECT_EQ(c.esercizi[4].ct, 0);
    EXPECT_EQ(c.esercizi[4].nprog, 0);
    finestre() = RegistroFinestre{};
}

TEST_F(Anteprima, SchedaNuovaSenzaPeriodoStampataSenzaSalvarla) {
    finestre() = RegistroFinestre{};
    registraFinestreStampa();
    const std::int32_t id = scheda(3);
    ::scheda nuova;
    nuova.id_utente =
        static_cast<std::int32_t>(contaDiretto(QStringLiteral("SELECT max(id_utente) FROM utenti")));
    nuova.cognomeUtente = QStringLiteral("Rossi");
    nuova.nomeUtente = QStringLiteral("Mario");
    nuova.Istruttore = QStringLiteral("Luca Verdi");
    nuova.esercizi.Add(esercizio(0));
    nuova.esercizi.Add(libero(0, QStringLiteral("Corsa leggera")));
    DialoghiInstallati dialoghi;
    dialoghi->fileDaSalvare = cartella() + QStringLiteral("/nuova.pdf");
    usaModale<PrinterCanvas>([&] { finestre().AnteprimaScheda(nuova); },
                             [this](PrinterCanvas& w) {
                                 const Foglio& f = w.superficie();
                                 EXPECT_FALSE(f.el(QStringLiteral("Periodo")).visibile);
                                 EXPECT_FALSE(f.el(QStringLiteral("periodoEti")).visibile);
                                 EXPECT_EQ(f.el(QStringLiteral("nprog"), 0).testo, QStringLiteral("1"));
                                 EXPECT_EQ(f.el(QStringLiteral("nprog"), 1).testo, QStringLiteral("2"));
                                 EXPECT_EQ(
                                     QDir::cleanPath(f.el(QStringLiteral("figura"), 0).immagine),
                                     QDir::cleanPath(cartella() + QStringLiteral("/images/esercizi/f1.jpg")));
                                 premi(w, "PDF");
                                 premi(w, "esci");
                             });
    EXPECT_TRUE(messaggi().testi().isEmpty()) << messaggi().testi().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(QFileInfo(dialoghi->nomeProposto).fileName(), QStringLiteral("Scheda Rossi Mario.pdf"));
    const QString testo = StrumentiPdf::testiPagine(dialoghi->fileDaSalvare).join(QLatin1Char('\n'));
    EXPECT_TRUE(testo.contains(QLatin1String("Luca Verdi")));
    EXPECT_TRUE(testo.contains(QLatin1String("Corsa leggera")));
    EXPECT_FALSE(testo.contains(QLatin1String("Periodo")));
    EXPECT_FALSE(testo.contains(QLatin1String("1980")));
    registroComeScritto(id);
    EXPECT_EQ(nuova.id_scheda, 0);
    EXPECT_EQ(nuova.esercizi[1].ct, 0);
    EXPECT_EQ(nuova.esercizi[1].nprog, 0);
    finestre() = RegistroFinestre{};
}

} // namespace

TEST_F(Anteprima, LeAnteprimeStannoSulloSchermoConLaCorniceELaRotellaScorre) {
    ASSERT_TRUE(schermo1024);
    auto scheda = apri(25);
    PrinterDaNonFare istruzioni;
    istruzioni.show();
    QApplication::processEvents();
    for (AnteprimaFoglio* w :
         {static_cast<AnteprimaFoglio*>(scheda.get()), static_cast<AnteprimaFoglio*>(&istruzioni)}) {
        SCOPED_TRACE(w->objectName().toStdString());
        QScrollBar* vs = w->VScroll1();
        const QRect schermo = w->screen()->availableGeometry();
        // The title bar and borders count: the whole frame lies on the screen, 100 twips above its bottom.
        EXPECT_GT(w->frameGeometry().height(), w->geometry().height());
        EXPECT_TRUE(schermo.adjusted(0, 0, 0, -7).contains(w->frameGeometry()))
            << w->frameGeometry().top() << " " << w->frameGeometry().bottom();
        if (w->StatusBar1()->isVisibleTo(w)) {
            EXPECT_EQ(partiTagliate(w->StatusBar1()).join('\n').toStdString(), "");
        }
        EXPECT_TRUE(w->rect().contains(QRect(vs->mapTo(w, QPoint()), vs->size())));

        QWidget* foglio = w->canvas();
        vs->setValue(0);
        const QPointF punto = QPointF(foglio->rect().center());
        QWheelEvent giu(punto, foglio->mapToGlobal(punto), QPoint(), QPoint(0, -120), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(foglio, &giu);
        EXPECT_GT(vs->value(), 0);
        const int sceso = vs->value();
        QWheelEvent su(punto, foglio->mapToGlobal(punto), QPoint(), QPoint(0, 120), Qt::NoButton,
                       Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(foglio, &su);
        EXPECT_LT(vs->value(), sceso);
    }
    EXPECT_EQ(scheda->testoStato(), QStringLiteral("Pagina 1/3"));
}
