#include "SequenzaModali.h"
#include "base/variabiliGlobali.h"
#include "comune/ArchivioDiProva.h"
#include "comune/Azioni.h"
#include "comune/CampiScheda.h"
#include "comune/Modale.h"
#include "customisation/frmPersonalizza.h"
#include "editor/ImmagineEsercizio.h"
#include "editor/ImmaginiScheda.h"
#include "editor/RegistraEditor.h"
#include "editor/SchedaCorpo.h"
#include "editor/SchedaIntestazione.h"
#include "editor/mdiScheda.h"
#include "pictures/AlberoImmagini.h"
#include "pictures/SchedaSelezioneFIGURE.h"
#include "printing/DialoghiFinti.h"
#include "printing/PrinterCanvas.h"
#include "printing/PrinterDaNonFare.h"
#include "records/SchedaModello.h"
#include "records/scheda.h"
#include "selection/SchedeMODELLONuova.h"
#include "selection/SchedeMODELLOSelezione.h"
#include "selection/SchedeSelezione.h"
#include "selection/SelettoreData.h"
#include "selection/UtentiNuovo.h"
#include "selection/UtentiSelezione.h"
#include "shell/BarraStrumenti.h"
#include "shell/Finestre.h"
#include "shell/ModuloBase.h"
#include "shell/Principale.h"
#include "shell/SenzaAvanzamento.h"

#include <QAction>
#include <QComboBox>
#include <QDrag>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>

namespace {

// What the instructor sets on each of the four exercises.
struct Impostazione {
    int durata, frequenza, ampiezza, modalita; // entries of the value lists
    const char* serie;
    const char* recuperoMin;
    const char* recuperoSec;
    const char* peso;
    const char* note;
};

const Impostazione impostazioni[] = {
    {0, 0, 0, 0, "2", "0", "30", "", "piedi paralleli"},
    {1, 1, 1, 1, "3", "1", "0", "5 kg", "schiena dritta"},
    {2, 2, 0, 2, "1", "0", "0", "", ""},
    {0, 3, 1, 4, "2", "0", "15", "manubri", "lento"},
};

// The whole program as a user meets it: main window, selection windows, editor with its picture
// windows and the print preview, on the delivered catalogue.
class RichiestaTipica : public ArchivioDiProva {
protected:
    bool archivioCompleto() const override { return true; }

    void SetUp() override {
        ArchivioDiProva::SetUp();
        // The delivered pictures, as an installed program has them.
        ASSERT_TRUE(copiaImmaginiConsegnate());
        salvato_ = finestre();
        registraFinestreProgramma();
        caricaImmaginiScheda(barra_);
        principale().mostra();
    }
    void TearDown() override {
        scaricaEditorScheda();
        scaricaImmaginiScheda();
        if (Principale* p = principaleCaricata())
            delete p;
        finestre() = salvato_;
        ArchivioDiProva::TearDown();
    }

    static void scrivi(QWidget* w, const QString& testo) {
        w->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(w, Qt::Key_Delete);
        QTest::keyClicks(w, testo);
    }
    // Presses on the picture tree's node and drops what its drag carries on the panel's picture.
    static QString trascinaFigura(AlberoImmagini* albero, QTreeWidgetItem* nodo, QWidget* destinazione) {
        albero->scrollToItem(nodo);
        const QPoint punto = albero->visualItemRect(nodo).center();
        QTest::mousePress(albero->viewport(), Qt::LeftButton, {}, punto);
        std::unique_ptr<QDrag> drag(albero->preparaTrascinamento());
        QTest::mouseRelease(albero->viewport(), Qt::LeftButton, {}, punto);
        if (!drag)
            return {};
        const QPoint centro = destinazione->rect().center();
        QDragEnterEvent entra(centro, Qt::CopyAction, drag->mimeData(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(destinazione, &entra);
        QDropEvent lascia(QPointF(centro), Qt::CopyAction, drag->mimeData(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(destinazione, &lascia);
        return drag->mimeData()->text();
    }
    static int pagineNelPdf(const QString& file) {
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly))
            return -1;
        static const QRegularExpression pagina(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
        return static_cast<int>(QString::fromLatin1(f.readAll()).count(pagina));
    }

    SenzaAvanzamento barra_;
    RegistroFinestre salvato_;
};

TEST_F(RichiestaTipica, NuovaSchedaDallAtletaAllaStampaPoiRiapertaUgualeAllArchivio) {
    Principale& p = principale();
    QAction* nuova = p.findChild<QAction*>(QStringLiteral("mnuSchedeNuova"));
    ASSERT_NE(nuova, nullptr);
    ASSERT_TRUE(nuova->isEnabled());

    // 1. A new athlete, entered from the athlete list and chosen.
    SequenzaModali()
        .poi<UtentiSelezione>([](UtentiSelezione& lista) {
            usaModale<UtentiNuovo>(
                [&lista] { attiva(*lista.Toolbar(), "nuovo"); },
                [](UtentiNuovo& f) {
                    QTest::keyClicks(f.findChild<QLineEdit*>(QStringLiteral("txtCognome")),
                                     QStringLiteral("Bianchi"));
                    QTest::keyClicks(f.findChild<QLineEdit*>(QStringLiteral("txtNome")),
                                     QStringLiteral("Laura"));
                    QLineEdit* data = f.findChild<SelettoreData*>(QStringLiteral("txtDataNascita"))->campo();
                    data->setFocus(Qt::MouseFocusReason);
                    QTest::keyClicks(data, QStringLiteral("14031988"));
                    f.findChild<QRadioButton*>(QStringLiteral("optF"))->click();
                    QTest::mouseClick(f.findChild<QPushButton*>(QStringLiteral("CmdSave")), Qt::LeftButton);
                });
            attiva(*lista.Toolbar(), "seleziona");
        })
        .esegui([nuova] { nuova->trigger(); });
    const qlonglong atleta = contaDiretto(
        QStringLiteral("SELECT id_utente FROM utenti WHERE cognome = 'Bianchi' AND nome = 'Laura'"));
    ASSERT_GT(atleta, 0);

    // 2. The editor opens on a new card of that athlete; the main window steps aside.
    mdiScheda& e = editorScheda();
    ASSERT_TRUE(e.isVisible());
    EXPECT_FALSE(p.isVisible());
    e.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&e));

    // 3. The header's defaults, and the instructor's own fields.
    EXPECT_EQ(testa<QComboBox>(e, "FreqAllen")->currentText(), QStringLiteral("3"));
    EXPECT_EQ(testa<QComboBox>(e, "categoria")->currentText(), QStringLiteral("Flessibilità e mobilità"));
    scrivi(testa<QLineEdit>(e, "Istruttore"), QStringLiteral("Paolo Neri"));
    scrivi(testa<QLineEdit>(e, "Obiettivo"), QStringLiteral("Tonificare le gambe"));
    scrivi(testa<QPlainTextEdit>(e, "note"), QStringLiteral("Bere molta acqua"));

    // 4. Four exercises, each picture dragged from the picture tree, two panels to a page.
    AlberoImmagini* albero = e.selezioneFigure()->twImage();
    ASSERT_GE(albero->topLevelItemCount(), 2);
    QScrollBar* vs = e.corpo()->findChild<QScrollBar*>(QStringLiteral("VS"));
    ASSERT_NE(vs, nullptr);
    QStringList figure;
    for (int i = 0; i < 4; ++i) {
        if (i == 2)
            vs->setValue(2);
        const int k = i % 2;
        QTreeWidgetItem* nodo = albero->topLevelItem(i % albero->topLevelItemCount());
        figure << trascinaFigura(albero, nodo, campo<ImmagineEsercizio>(e, k, "figura"));
        ASSERT_FALSE(figure.last().isEmpty()) << i;
        const Impostazione& s = impostazioni[i];
        scegli(campo<QComboBox>(e, k, "durata"), s.durata);
        scegli(campo<QComboBox>(e, k, "frequenza"), s.frequenza);
        scegli(campo<QComboBox>(e, k, "ampiezza"), s.ampiezza);
        scegli(campo<QComboBox>(e, k, "modalita"), s.modalita);
        scrivi(campo<QLineEdit>(e, k, "serie"), QString::fromLatin1(s.serie));
        scrivi(campo<QLineEdit>(e, k, "recuperoMin"), QString::fromLatin1(s.recuperoMin));
        scrivi(campo<QLineEdit>(e, k, "recuperoSec"), QString::fromLatin1(s.recuperoSec));
        scrivi(campo<QLineEdit>(e, k, "peso"), QString::fromUtf8(s.peso));
        scrivi(campo<QPlainTextEdit>(e, k, "note"), QString::fromUtf8(s.note));
    }

    // The status bar counts 30 s x 2 + 45 s x 3 + 60 s x 1 + 30 s x 2 on the platform and
    // 0:30 x 2 + 1:00 x 3 + 0 + 0:15 x 2 of recovery.
    const QString stato = e.barraStato().pannello(QStringLiteral("status"))->text();
    EXPECT_TRUE(stato.contains(
        QStringLiteral("Tempo effettivo: 05:15 - Tempo recupero: 04:30 - Tempo totale: 09:45")))
        << stato.toStdString();

    // 5. Save. Up to here nothing needed a message.
    EXPECT_TRUE(messaggi().mostrati.empty()) << messaggi().testi().join(QLatin1Char('|')).toStdString();
    e.ToolbarSchede->pulsante(QStringLiteral("salva"))->trigger();
    EXPECT_EQ(messaggi().testi(), QStringList{QStringLiteral("Salvataggio effettuato")});
    const qlonglong idScheda =
        contaDiretto(QStringLiteral("SELECT id_scheda FROM schede WHERE id_utente = %1").arg(atleta));
    ASSERT_GT(idScheda, 0);

    // 6. Print two copies to a PDF printer from the preview.
    DialoghiInstallati dialoghi;
    dialoghi->filePdf = cartella() + QStringLiteral("/scheda.pdf");
    dialoghi->copie = 2;
    usaModale<PrinterCanvas>([&e] { e.ToolbarSchede->pulsante(QStringLiteral("stampa"))->trigger(); },
                             [](PrinterCanvas& w) {
                                 w.Toolbar()->pulsante(QStringLiteral("Stampa"))->trigger();
                                 w.Toolbar()->pulsante(QStringLiteral("esci"))->trigger();
                             });
    EXPECT_EQ(dialoghi->stampe, 1);
    EXPECT_EQ(pagineNelPdf(dialoghi->filePdf), 2); // one sheet, two copies

    // 7. "Fine", saving: the editor goes, the main window comes back.
    messaggi().rispondi(Risposta::Si);
    e.ToolbarSchede->pulsante(QStringLiteral("fine"))->trigger();
    EXPECT_FALSE(e.isVisible());
    EXPECT_TRUE(p.isVisible());
    EXPECT_EQ(idUtenteSelezionato, 0);

    EXPECT_EQ(messaggi().testi(), (QStringList{"Salvataggio effettuato", "Salvo le ultime modifiche?"}));

    // Reopened through "&Apri...": the athlete, the card list, the card.
    messaggi().mostrati.clear();
    SequenzaModali()
        .poi<UtentiSelezione>([atleta](UtentiSelezione& lista) {
            lista.selezionaId(static_cast<long>(atleta));
            attiva(*lista.Toolbar(), "seleziona");
        })
        .poi<SchedeSelezione>([idScheda](SchedeSelezione& lista) {
            QTreeWidget* lw = lista.LW();
            ASSERT_EQ(lw->topLevelItemCount(), 1);
            const QTreeWidgetItem* riga = lw->topLevelItem(0);
            EXPECT_EQ(riga->text(0), QString::number(idScheda));
            EXPECT_EQ(riga->text(1), QStringLiteral("10/12/2026"));
            EXPECT_EQ(riga->text(2), QStringLiteral("31/12/2026"));
            EXPECT_EQ(riga->text(3), QStringLiteral("Paolo Neri"));
            EXPECT_EQ(riga->text(4), QStringLiteral("Flessibilità e mobilità"));
            lista.Toolbar()->pulsante(QStringLiteral("seleziona"))->trigger();
        })
        .esegui([&p] { attiva(p, "mnuSchedeApri"); });
    ASSERT_TRUE(e.isVisible());
    EXPECT_FALSE(p.isVisible());

    // Every field in the editor as stored, and as typed.
    scheda letta;
    ASSERT_TRUE(letta.carica(static_cast<std::int32_t>(idScheda)));
    letta.caricaEsercizi();
    EXPECT_EQ(letta.id_utente, atleta);
    EXPECT_EQ(letta.Istruttore, QStringLiteral("Paolo Neri"));
    EXPECT_EQ(letta.Obiettivo, QStringLiteral("Tonificare le gambe"));
    EXPECT_EQ(letta.note, QStringLiteral("Bere molta acqua"));
    EXPECT_EQ(static_cast<int>(letta.FreqAllen), 3);
    EXPECT_EQ(letta.categoria, QStringLiteral("Flessibilità e mobilità"));
    EXPECT_EQ(letta.PeriodoDal, QStringLiteral("10/12/2026"));
    EXPECT_EQ(letta.PeriodoAl, QStringLiteral("31/12/2026"));
    EXPECT_EQ(testa<QLineEdit>(e, "Istruttore")->text(), letta.Istruttore);
    EXPECT_EQ(testa<QLineEdit>(e, "Obiettivo")->text(), letta.Obiettivo);
    EXPECT_EQ(testa<QPlainTextEdit>(e, "note")->toPlainText(), letta.note);
    EXPECT_EQ(testa<QComboBox>(e, "FreqAllen")->currentText(), QString::number(letta.FreqAllen));
    EXPECT_EQ(testa<QComboBox>(e, "categoria")->currentText(), letta.categoria);
    ASSERT_EQ(letta.esercizi.Count(), 4);
    // The body is a new window in the reopened editor.
    vs = e.corpo()->findChild<QScrollBar*>(QStringLiteral("VS"));
    ASSERT_NE(vs, nullptr);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        if (i == 2)
            vs->setValue(2);
        const int k = i % 2;
        const Esercizio& es = letta.esercizi.Item(i + 1);
        const Impostazione& s = impostazioni[i];
        EXPECT_EQ(QString::number(es.id_fig), figure[i]);
        EXPECT_EQ(es.nprog, i + 1);
        EXPECT_FALSE(es.isLibero);
        EXPECT_EQ(QString::number(es.serie), QString::fromLatin1(s.serie));
        EXPECT_EQ(QString::number(es.recuperoMin), QString::fromLatin1(s.recuperoMin));
        EXPECT_EQ(QString::number(es.recuperoSec), QString::fromLatin1(s.recuperoSec));
        EXPECT_EQ(es.peso, QString::fromUtf8(s.peso));
        EXPECT_EQ(es.note, QString::fromUtf8(s.note));
        // Each list as chosen, stored, and shown again.
        const std::pair<const char*, std::pair<int, QString>> liste[] = {
            {"durata", {s.durata, es.durata}},
            {"frequenza", {s.frequenza, es.frequenza}},
            {"ampiezza", {s.ampiezza, es.ampiezza}},
            {"modalita", {s.modalita, es.modalita}},
        };
        for (const auto& [nome, valori] : liste) {
            QComboBox* box = campo<QComboBox>(e, k, nome);
            EXPECT_EQ(valori.second, box->itemText(valori.first)) << nome;
            EXPECT_EQ(box->currentText(), valori.second) << nome;
        }
        EXPECT_EQ(campo<QLineEdit>(e, k, "serie")->text(), QString::fromLatin1(s.serie));
        EXPECT_EQ(campo<QLineEdit>(e, k, "peso")->text(), es.peso);
        EXPECT_EQ(campo<QPlainTextEdit>(e, k, "note")->toPlainText(), es.note);
    }
    EXPECT_EQ(e.barraStato().pannello(QStringLiteral("status"))->text(), stato);

    messaggi().rispondi(Risposta::No);
    e.ToolbarSchede->pulsante(QStringLiteral("fine"))->trigger();
    EXPECT_TRUE(p.isVisible());
}

TEST_F(RichiestaTipica, ModelloCreatoModificatoUsatoPerUnaSchedaEdEliminato) {
    eseguiDiretto(
        QStringLiteral("INSERT INTO utenti (id_utente, nome, cognome) VALUES (40, 'Carlo', 'Verdi');"));
    Principale& p = principale();
    QAction* gestione = p.findChild<QAction*>(QStringLiteral("mnuSchedeGestioneModello"));
    QAction* daModello = p.findChild<QAction*>(QStringLiteral("mnuSchedeDaModello"));
    ASSERT_TRUE(gestione->isEnabled());
    ASSERT_TRUE(daModello->isEnabled());

    // Made: "Nuova" in the template list, then its dialog; the editor opens on the new template.
    SequenzaModali()
        .poi<SchedeMODELLOSelezione>(
            [](SchedeMODELLOSelezione& w) { w.Toolbar()->pulsante(QStringLiteral("nuova"))->trigger(); })
        .poi<SchedeMODELLONuova>([](SchedeMODELLONuova& d) {
            QTest::keyClicks(d.descrizione(), QStringLiteral("Circuito mattutino"));
            QTest::keyClick(d.descrizione(), Qt::Key_Return);
        })
        .esegui([gestione] { gestione->trigger(); });
    const qlonglong modello = contaDiretto(
        QStringLiteral("SELECT id_Scheda FROM schedeModello WHERE descrizione = 'Circuito mattutino'"));
    ASSERT_GT(modello, 0);
    mdiScheda& e = editorScheda();
    ASSERT_TRUE(e.isVisible());
    EXPECT_FALSE(p.isVisible());
    ASSERT_NE(e.scheda(), nullptr);
    EXPECT_TRUE(e.scheda()->isModello);
    EXPECT_EQ(e.scheda()->id_scheda, modello);

    // Edited: one exercise dragged in, kept by "Fine".
    AlberoImmagini* albero = e.selezioneFigure()->twImage();
    ASSERT_GE(albero->topLevelItemCount(), 1);
    const QString figura =
        trascinaFigura(albero, albero->topLevelItem(0), campo<ImmagineEsercizio>(e, 0, "figura"));
    ASSERT_FALSE(figura.isEmpty());
    messaggi().rispondi(Risposta::Si);
    e.ToolbarSchede->pulsante(QStringLiteral("fine"))->trigger();
    EXPECT_TRUE(p.isVisible());
    EXPECT_EQ(contaDiretto(
                  QStringLiteral("SELECT count(*) FROM EserciziModello WHERE ID_Scheda = %1 AND ID_Fig = %2")
                      .arg(modello)
                      .arg(figura)),
              1);

    // Used: a new card for an athlete starts from it.
    SequenzaModali()
        .poi<UtentiSelezione>([](UtentiSelezione& lista) {
            lista.selezionaId(40);
            attiva(*lista.Toolbar(), "seleziona");
        })
        .poi<SchedeMODELLOSelezione>([modello](SchedeMODELLOSelezione& w) {
            EXPECT_FALSE(w.Toolbar()->pulsante(QStringLiteral("nuova"))->isEnabled());
            for (int i = 0; i < w.LW()->topLevelItemCount(); ++i)
                if (w.LW()->topLevelItem(i)->text(0) == QString::number(modello))
                    w.LW()->setCurrentItem(w.LW()->topLevelItem(i));
            w.Toolbar()->pulsante(QStringLiteral("seleziona"))->trigger();
        })
        .esegui([daModello] { daModello->trigger(); });
    ASSERT_TRUE(e.isVisible());
    ASSERT_NE(e.scheda(), nullptr);
    EXPECT_FALSE(e.scheda()->isModello);
    ASSERT_EQ(e.scheda()->esercizi.Count(), 2); // the template's exercise and the empty one after it
    EXPECT_EQ(QString::number(e.scheda()->esercizi.Item(1).id_fig), figura);
    messaggi().rispondi(Risposta::Si);
    e.ToolbarSchede->pulsante(QStringLiteral("fine"))->trigger();
    EXPECT_TRUE(p.isVisible());
    EXPECT_EQ(contaDiretto(
                  QStringLiteral("SELECT count(*) FROM Esercizi x JOIN schede s ON s.id_scheda = x.id_scheda "
                                 "WHERE s.id_utente = 40 AND x.id_fig = %1")
                      .arg(figura)),
              1);

    // Deleted, while a delivered template is refused.
    const QString preimpostato = QString::number(
        contaDiretto(QStringLiteral("SELECT min(id_Scheda) FROM schedeModello WHERE preimpostata = 1")));
    const QString categoriaPreimpostato = [&] {
        SchedaModello m;
        m.carica(preimpostato.toInt());
        return m.categoria;
    }();
    messaggi().mostrati.clear();
    SequenzaModali()
        .poi<SchedeMODELLOSelezione>([&, this](SchedeMODELLOSelezione& w) {
            const auto scegli = [&w](const QString& id) {
                for (int i = 0; i < w.LW()->topLevelItemCount(); ++i)
                    if (w.LW()->topLevelItem(i)->text(0) == id)
                        w.LW()->setCurrentItem(w.LW()->topLevelItem(i));
                return w.LW()->currentItem() && w.LW()->currentItem()->text(0) == id;
            };
            ASSERT_TRUE(scegli(QString::number(modello)));
            messaggi().rispondi(Risposta::Si);
            w.Toolbar()->pulsante(QStringLiteral("elimina"))->trigger();
            w.categoria()->setCurrentIndex(w.categoria()->findText(categoriaPreimpostato));
            ASSERT_TRUE(scegli(preimpostato));
            w.Toolbar()->pulsante(QStringLiteral("elimina"))->trigger();
            w.Toolbar()->pulsante(QStringLiteral("annulla"))->trigger();
        })
        .esegui([gestione] { gestione->trigger(); });
    EXPECT_EQ(messaggi().testi(),
              (QStringList{"Confermi?", "Scheda eliminata",
                           "Impossibile eliminare la scheda perchè è una scheda preimpostata!"}));
    EXPECT_EQ(
        contaDiretto(QStringLiteral("SELECT count(*) FROM schedeModello WHERE id_Scheda = %1").arg(modello)),
        0);
    EXPECT_EQ(
        contaDiretto(
            QStringLiteral("SELECT count(*) FROM schedeModello WHERE id_Scheda = %1").arg(preimpostato)),
        1);
    EXPECT_FALSE(e.isVisible());
    EXPECT_TRUE(p.isVisible());
}

TEST_F(RichiestaTipica, OgniComandoDellaFinestraPrincipaleEAttivoEApreLaSuaFinestra) {
    Principale& p = principale();
    for (const char* nome :
         {"mnuZDFPersonalizza", "mnuZDFEsci", "mnuUtentiGestione", "mnuSchedeNuova", "mnuSchedeApri",
          "mnuSchedeDaModello", "mnuSchedeGestioneModello", "mnuSchedeCosaNonFare", "mnuHelpHelp"}) {
        QAction* a = p.findChild<QAction*>(QString::fromLatin1(nome));
        ASSERT_NE(a, nullptr) << nome;
        EXPECT_TRUE(a->isEnabled()) << nome;
    }
    for (const char* chiave : {"nuova", "nuovaDaModello", "apri", "esci"})
        EXPECT_TRUE(p.Toolbar1->pulsante(QString::fromLatin1(chiave))->isEnabled()) << chiave;

    // The two commands that open a window of their own and nothing after it.
    usaModale<PrinterDaNonFare>([&p] { attiva(p, "mnuSchedeCosaNonFare"); },
                                [](PrinterDaNonFare& w) { w.reject(); });
    usaModale<frmPersonalizza>([&p] { attiva(p, "mnuZDFPersonalizza"); },
                               [](frmPersonalizza& w) { w.reject(); });
    EXPECT_TRUE(p.isVisible());
}

} // namespace
