#include "../printing/DialoghiFinti.h"
#include "EditorDiProva.h"
#include "base/variabiliGlobali.h"
#include "comune/CampiScheda.h"
#include "comune/FinestraIntera.h"
#include "comune/SchermoDiProva.h"
#include "customisation/palestra.h"
#include "data/db.h"
#include "editor/CancelloEditor.h"
#include "editor/ImmagineEsercizio.h"
#include "editor/ImmaginiScheda.h"
#include "editor/PannelloEsercizio.h"
#include "editor/RegistraEditor.h"
#include "editor/SchedaCorpo.h"
#include "editor/SchedaIntestazione.h"
#include "editor/SchedaIntestazioneMODELLO.h"
#include "editor/mdiScheda.h"
#include "pictures/SchedaSelezioneFIGURE.h"
#include "records/ScambioScheda.h"
#include "records/SchedaModello.h"
#include "records/scheda.h"
#include "selection/SelettoreData.h"
#include "shell/BarraStrumenti.h"
#include "shell/Finestre.h"
#include "shell/ModuloBase.h"
#include "shell/Principale.h"
#include "shell/SenzaAvanzamento.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

namespace {

// The screen the program is designed for.
const bool schermo1024 = schermoDiProva(1024, 768);

// The status bar while a timing value of the first exercise is refused.
const QString tempiRifiutati =
    QStringLiteral("Tempi Vibrana: correggere i valori dell'esercizio 1 per calcolare i tempi");

class Editor : public EditorDiProva {
protected:
    void SetUp() override {
        EditorDiProva::SetUp();
        finestre().AnteprimaScheda = [this](const scheda& s) {
            anteprime << s.id_scheda;
            stampate.push_back(s);
        };
        finestre().SchedeMODELLONuova = [this] {
            categorieProposte << categoriaNuovoModello;
            if (!confermaNuovoModello)
                return;
            SchedaModello m;
            m.descrizione = QStringLiteral("Il mio modello");
            m.categoria = QStringLiteral("Riabilitazione");
            m.save();
            idModelloSelezionato = m.id_scheda;
        };
    }

    static bool haFuoco(QWidget* w) { return w->hasFocus() || w->isAncestorOf(QApplication::focusWidget()); }

    QList<std::int32_t> anteprime;
    std::vector<scheda> stampate; // the cards the preview was given
    QStringList categorieProposte;
    bool confermaNuovoModello = true;
};

struct CasoApertura {
    const char* nome;
    bool atleta;
    int eserciziSalvati; // -1: no stored card
    int modello;         // 0: none; 1: own template; 2: delivered template
    bool intestazioneScheda;
    bool salva;
    bool stampa;
    long esercizi; // in the collection once the body is open
};

TEST_F(Editor, IQuattroModiDiAperturaMostranoLaTestataEIPulsantiGiusti) {
    const CasoApertura casi[] = {
        {"nuova vuota", true, -1, 0, true, true, true, 2},
        {"esistente con 1", true, 1, 0, true, true, true, 2},
        {"esistente con 2", true, 2, 0, true, true, true, 4},
        {"esistente con 3", true, 3, 0, true, true, true, 4},
        {"modello proprio", false, -1, 1, false, true, false, 4},
        {"modello preimpostato", false, -1, 2, false, false, false, 0},
        {"nuova da modello", true, -1, 1, true, true, true, 4},
    };
    for (const CasoApertura& c : casi) {
        SCOPED_TRACE(c.nome);
        std::int32_t idScheda = 0, idModello = 0;
        if (c.eserciziSalvati >= 0)
            idScheda = schedaConEsercizi(std::vector<int>(static_cast<size_t>(c.eserciziSalvati), 3));
        if (c.modello == 1) {
            idModello = modelloProprio({4, 5, 0});
        } else if (c.modello == 2) {
            idModello = 1;
        }
        mdiScheda& e = apri(c.atleta ? 9 : 0, idScheda, idModello);
        EXPECT_EQ(e.intestazione() != nullptr, c.intestazioneScheda);
        EXPECT_EQ(e.intestazioneModello() != nullptr, !c.intestazioneScheda);
        EXPECT_NE(e.corpo(), nullptr);
        EXPECT_TRUE(pulsante(e, "fine")->isEnabled());
        EXPECT_EQ(pulsante(e, "salva")->isEnabled(), c.salva);
        EXPECT_EQ(pulsante(e, "stampa")->isEnabled(), c.stampa);
        EXPECT_TRUE(pulsante(e, "SalvaSuModello")->isEnabled());
        EXPECT_EQ(e.scheda()->isModello, !c.atleta);
        if (c.esercizi > 0)
            EXPECT_EQ(e.scheda()->esercizi.Count(), c.esercizi);
        else
            EXPECT_EQ(e.scheda()->esercizi.Count() % 2, 0);
        EXPECT_EQ(e.windowTitle(), QStringLiteral(" Arvel"));
        EXPECT_TRUE(e.isVisible());
        EXPECT_FALSE(puoiChiudereEditor());
        if (c.modello == 1 && c.atleta) {
            // Copied from the template, not yet stored.
            EXPECT_EQ(e.scheda()->id_scheda, 0);
            EXPECT_EQ(static_cast<scheda*>(e.scheda())->id_utente, 9);
            EXPECT_EQ(e.scheda()->categoria, QStringLiteral("Dimagrimento"));
        }
        scaricaEditorScheda();
    }
}

TEST_F(Editor, UnaSchedaApertaSenzaAtletaSelezionatoMostraLaTestataDellaScheda) {
    mdiScheda& e = apri(0, schedaConEsercizi({1}), 0);
    ASSERT_NE(e.intestazione(), nullptr);
    EXPECT_EQ(e.intestazioneModello(), nullptr);
    EXPECT_EQ(testa<QLabel>(e, "utente")->text(), QStringLiteral("Rossi Mario"));
    EXPECT_TRUE(pulsante(e, "stampa")->isEnabled());
}

// The preview draws the card as the editor holds it; printing stores nothing unless the user says so.
TEST_F(Editor, StampaMostraLaSchedaInMemoriaESalvaSoloSeLoSiChiede) {
    finestre().AnteprimaScheda = nullptr;
    mdiScheda& e = apri(9, 0, 0);
    EXPECT_FALSE(pulsante(e, "stampa")->isEnabled());
    scaricaEditorScheda();
    finestre().AnteprimaScheda = [this](const scheda& s) { stampate.push_back(s); };

    const QString domanda =
        QStringLiteral("La scheda ha modifiche non salvate.\nSalvarle prima della stampa?");
    const qlonglong schede = contaDiretto(QStringLiteral("SELECT COUNT(*) FROM schede"));
    mdiScheda& f = apri(9, 0, 0);
    ASSERT_TRUE(pulsante(f, "stampa")->isEnabled());
    bool accettato = false;
    trascina(campo<ImmagineEsercizio>(f, 0, "figura"), QStringLiteral("7"), &accettato);
    ASSERT_TRUE(accettato);
    scrivi(campo<QPlainTextEdit>(f, 0, "note"), QStringLiteral("piano"));

    messaggi().rispondi(Risposta::Annulla);
    pulsante(f, "stampa")->trigger();
    EXPECT_TRUE(stampate.empty());
    messaggi().rispondi(Risposta::No);
    pulsante(f, "stampa")->trigger();
    ASSERT_EQ(stampate.size(), 1u);
    EXPECT_EQ(stampate[0].id_scheda, 0);
    EXPECT_EQ(stampate[0].esercizi.Item(1).id_fig, 7);
    EXPECT_EQ(stampate[0].esercizi.Item(1).note, QStringLiteral("piano"));
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM schede")), schede);
    EXPECT_EQ(f.scheda()->id_scheda, 0);
    EXPECT_FALSE(f.scheda()->isSaved);
    EXPECT_EQ(messaggi().testi(), (QStringList{domanda, domanda}));

    messaggi().mostrati.clear();
    messaggi().rispondi(Risposta::Si);
    pulsante(f, "stampa")->trigger();
    ASSERT_EQ(stampate.size(), 2u);
    EXPECT_NE(stampate[1].id_scheda, 0);
    EXPECT_EQ(f.scheda()->id_scheda, stampate[1].id_scheda);
    EXPECT_EQ(
        contaDiretto(QStringLiteral("SELECT COUNT(*) FROM Esercizi WHERE id_scheda = %1 AND Note = 'piano'")
                         .arg(stampate[1].id_scheda)),
        1);
    // Saved, it prints without a question.
    messaggi().mostrati.clear();
    pulsante(f, "stampa")->trigger();
    EXPECT_EQ(stampate.size(), 3u);
    EXPECT_TRUE(messaggi().testi().isEmpty()) << messaggi().testi().join('|').toStdString();
    ASSERT_NE(f.corpo(), nullptr);
    EXPECT_EQ(campo<ImmagineEsercizio>(f, 0, "figura")->Tag, QStringLiteral("7"));
}

TEST_F(Editor, UnaNuovaSchedaRiceveIValoriPredefiniti) {
    mdiScheda& e = apri(9, 0, 0);
    const auto& s = *static_cast<scheda*>(e.scheda());
    EXPECT_EQ(s.PeriodoDal, QStringLiteral("10/12/2026"));
    EXPECT_EQ(s.PeriodoAl, QStringLiteral("31/12/2026"));
    EXPECT_EQ(static_cast<int>(s.FreqAllen), 3);
    EXPECT_EQ(s.categoria, QStringLiteral("Flessibilità e mobilità"));
    EXPECT_FALSE(s.isSaved);
    EXPECT_EQ(testa<QLabel>(e, "utente")->text(), QStringLiteral("Rossi Mario"));
    EXPECT_EQ(testa<QComboBox>(e, "FreqAllen")->currentText(), QStringLiteral("3"));
    EXPECT_EQ(testa<SelettoreData>(e, "dal")->data(), QDate(2026, 12, 10));
    EXPECT_EQ(testa<SelettoreData>(e, "al")->data(), QDate(2026, 12, 31));
    for (int k = 0; k < 2; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(campo<QComboBox>(e, k, "durata")->currentText(), QStringLiteral("30s"));
        EXPECT_EQ(campo<QComboBox>(e, k, "frequenza")->currentText(), QStringLiteral("30Hz"));
        EXPECT_EQ(campo<QComboBox>(e, k, "ampiezza")->currentText(), QStringLiteral("L"));
        EXPECT_EQ(campo<QComboBox>(e, k, "modalita")->currentText(),
                  QStringLiteral("Statico a carico naturale"));
        for (const char* n : {"recuperoMin", "recuperoSec", "serie"})
            EXPECT_EQ(campo<QLineEdit>(e, k, n)->text(), QStringLiteral("0")) << n;
        EXPECT_EQ(campo<QLabel>(e, k, "nEsercizio")->text(), QString::number(k + 1));
    }
}

TEST_F(Editor, ITestiRiapertiMostranoIlLoroInizio) {
    // Texts longer than their box: a reopened card shows where each one starts.
    scheda s;
    s.id_utente = 9;
    s.categoria = QStringLiteral("Tonificazione");
    s.FreqAllen = 2;
    s.Istruttore = QStringLiteral("Anna Maria Bianchi De Santis Lungavilla");
    s.Obiettivo = QStringLiteral("Tonificare gambe e glutei, perdere 3 kg entro la fine del periodo");
    Esercizio es;
    es.id_fig = 1;
    es.peso = QStringLiteral("manubri da 4 kg per braccio e cavigliere");
    s.esercizi.Add(es);
    s.save();
    const std::int32_t id = s.id_scheda;
    mdiScheda& e = apri(9, id, 0);
    const std::vector<QLineEdit*> campi{testa<QLineEdit>(e, "Istruttore"), testa<QLineEdit>(e, "Obiettivo"),
                                        campo<QLineEdit>(e, 0, "peso")};
    for (QLineEdit* c : campi) {
        SCOPED_TRACE(c->objectName().toStdString());
        EXPECT_GT(c->fontMetrics().horizontalAdvance(c->text()), c->width());
        EXPECT_EQ(c->cursorPosition(), 0);
    }
}

TEST_F(Editor, LaTestataScriveNellaSchedaAdOgniModifica) {
    mdiScheda& e = apri(9, schedaConEsercizi({1}), 0);
    auto& s = *static_cast<scheda*>(e.scheda());
    EXPECT_EQ(testa<QComboBox>(e, "categoria")->currentText(), QStringLiteral("Tonificazione"));
    s.isSaved = true;
    scrivi(testa<QLineEdit>(e, "Istruttore"), QStringLiteral("Gino"));
    EXPECT_EQ(s.Istruttore, QStringLiteral("Gino"));
    EXPECT_FALSE(s.isSaved);
    scrivi(testa<QLineEdit>(e, "Obiettivo"), QStringLiteral("Forma"));
    EXPECT_EQ(s.Obiettivo, QStringLiteral("Forma"));
    scrivi(testa<QComboBox>(e, "FreqAllen"), QStringLiteral("5"));
    EXPECT_EQ(static_cast<int>(s.FreqAllen), 5);
    scegli(testa<QComboBox>(e, "categoria"), 3);
    EXPECT_EQ(s.categoria, QStringLiteral("Riabilitazione"));
    // Typing a name without choosing it leaves the card's category alone.
    scrivi(testa<QComboBox>(e, "categoria"), QStringLiteral("Dimagrimento"));
    EXPECT_EQ(s.categoria, QStringLiteral("Riabilitazione"));
    scrivi(testa<SelettoreData>(e, "al")->campo(), QStringLiteral("15/01/2027"));
    EXPECT_EQ(s.PeriodoAl, QStringLiteral("15/01/2027"));

    // The day list opens over the fields and closes again; ticks become the flags.
    auto* giorni = testa<QListWidget>(e, "GGAllen");
    EXPECT_FALSE(giorni->isVisible());
    QTest::mouseClick(testa<QToolButton>(e, "apriGGAllen"), Qt::LeftButton);
    EXPECT_TRUE(giorni->isVisible());
    giorni->item(2)->setCheckState(Qt::Checked);
    giorni->item(4)->setCheckState(Qt::Checked);
    EXPECT_EQ(s.GGAllen, QStringLiteral("001010000"));
    // Working in the body closes it, as a drop-down would.
    e.area()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(e.corpo()->parentWidget()));
    EXPECT_FALSE(giorni->isVisible());
    QTest::keyClick(testa<QToolButton>(e, "apriGGAllen"), Qt::Key_Space);
    EXPECT_TRUE(giorni->isVisible());
    pulsante(e, "salva")->trigger();
    EXPECT_FALSE(giorni->isVisible());
    EXPECT_EQ(messaggi().testi(), QStringList{QStringLiteral("Salvataggio effettuato")});
}

TEST_F(Editor, LaFrequenzaNonNumericaNonArrivaMaiAllaScheda) {
    // Typed key by key: the card keeps the last entry of the list the box showed, never a value the
    // list refuses.
    const std::pair<const char*, int> casi[] = {{"x", 3}, {"300", 3}, {"-1", 3}, {"1e2", 1},
                                                {" ", 3}, {"256", 2}, {"9", 3},  {"07", 3}};
    mdiScheda& e = apri(9, 0, 0);
    auto& s = *static_cast<scheda*>(e.scheda());
    for (const auto& [testo, atteso] : casi) {
        SCOPED_TRACE(testo);
        scrivi(testa<QComboBox>(e, "FreqAllen"), QStringLiteral("3"));
        scrivi(testa<QComboBox>(e, "FreqAllen"), QString::fromLatin1(testo));
        EXPECT_EQ(static_cast<int>(s.FreqAllen), atteso);
    }
    EXPECT_TRUE(messaggi().testi().isEmpty());
}

struct CasoValidazione {
    const char* nome;
    bool testata;
    const char* campo;
    const char* testo;
    const char* messaggio; // nullptr: accepted
};

TEST_F(Editor, ICampiControllatiTrattengonoIlFuocoConIlLoroMessaggio) {
    const CasoValidazione casi[] = {
        {"secondi 75", false, "recuperoSec", "75", "Inserire un numero tra 0 e 59"},
        {"secondi 59", false, "recuperoSec", "59", nullptr},
        {"serie 150", false, "serie", "150", "Valore troppo grande!"},
        {"serie 99", false, "serie", "99", nullptr},
        {"minuti 300", false, "recuperoMin", "300", "Inserire un numero tra 0 e 255"},
        {"minuti 255", false, "recuperoMin", "255", nullptr},
        {"durata fuori lista", false, "durata", "31s", "Selezionare un valore tra quelli disponibili!"},
        {"ampiezza sconosciuta", false, "ampiezza", "M", "Selezionare un valore tra quelli disponibili!"},
        // Another case of an entry is that entry, as the box's completion shows it.
        {"ampiezza minuscola", false, "ampiezza", "h", nullptr},
        {"modalita valida", false, "modalita", "Combinata", nullptr},
        {"categoria sconosciuta", true, "categoria", "Yoga", "Selezionare un valore tra quelli disponibili!"},
        {"categoria vuota", true, "categoria", "", "Selezionare un valore tra quelli disponibili!"},
        {"frequenza 9", true, "FreqAllen", "9", "Selezionare un valore tra quelli disponibili!"},
        {"frequenza 7", true, "FreqAllen", "7", nullptr},
    };
    for (const CasoValidazione& c : casi) {
        SCOPED_TRACE(c.nome);
        mdiScheda& e = apri(9, 0, 0);
        messaggi().mostrati.clear();
        QWidget* w = c.testata ? testa<QWidget>(e, c.campo) : campo<QWidget>(e, 0, c.campo);
        scrivi(w, QString::fromLatin1(c.testo));
        lascia(w);
        if (c.messaggio) {
            EXPECT_EQ(messaggi().testi(), QStringList{QString::fromUtf8(c.messaggio)});
            EXPECT_EQ(messaggi().mostrati.back().tipo, TipoMessaggio::Errore);
            EXPECT_TRUE(haFuoco(w));
        } else {
            EXPECT_TRUE(messaggi().testi().isEmpty()) << messaggi().testi().join('|').toStdString();
            EXPECT_FALSE(haFuoco(w));
        }
        scaricaEditorScheda();
    }
}

TEST_F(Editor, ValoriOltreIlByteNonArrivanoAllEsercizioELeLettereNonEntrano) {
    mdiScheda& e = apri(9, 0, 0);
    Esercizio& es = e.scheda()->esercizi.Item(1);
    scrivi(campo<QLineEdit>(e, 0, "recuperoMin"), QStringLiteral("7"));
    EXPECT_EQ(static_cast<int>(es.recuperoMin), 7);
    // 3 and 30 fit on the way; 300 does not, and never arrives as a wrapped 44.
    scrivi(campo<QLineEdit>(e, 0, "recuperoMin"), QStringLiteral("300"));
    EXPECT_EQ(static_cast<int>(es.recuperoMin), 30);
    scrivi(campo<QLineEdit>(e, 0, "recuperoMin"), QStringLiteral("999"));
    EXPECT_EQ(static_cast<int>(es.recuperoMin), 99);
    // Corrected before leaving the field, so no check message either.
    scrivi(campo<QLineEdit>(e, 0, "recuperoMin"), QStringLiteral("99"));
    for (const char* n : {"recuperoMin", "recuperoSec", "serie"}) {
        auto* c = campo<QLineEdit>(e, 1, n);
        scrivi(c, QStringLiteral("a1b2-c"));
        EXPECT_EQ(c->text(), QStringLiteral("12")) << n;
    }
    // Nothing overflowed on the way.
    EXPECT_TRUE(messaggi().testi().isEmpty()) << messaggi().testi().join('|').toStdString();
    pulsante(e, "salva")->trigger();
    EXPECT_EQ(static_cast<int>(es.recuperoMin), 99);
}

TEST_F(Editor, LeModificheDeiTempiAggiornanoLaBarraDiStato) {
    mdiScheda& e = apri(9, schedaConEsercizi({1}), 0);
    // 2 series of 45 s, 1:00 recovery after each.
    EXPECT_TRUE(stato(e).startsWith(QStringLiteral(
        "Tempi Vibrana: Tempo effettivo: 01:30 - Tempo recupero: 02:00 - Tempo totale: 03:30")))
        << stato(e).toStdString();
    scrivi(campo<QLineEdit>(e, 0, "serie"), QStringLiteral("3"));
    EXPECT_TRUE(stato(e).contains(
        QStringLiteral("Tempo effettivo: 02:15 - Tempo recupero: 03:00 - Tempo totale: 05:15")))
        << stato(e).toStdString();
    scrivi(campo<QLineEdit>(e, 0, "recuperoSec"), QStringLiteral("30"));
    EXPECT_TRUE(stato(e).contains(QStringLiteral("Tempo recupero: 04:30"))) << stato(e).toStdString();
    scegli(campo<QComboBox>(e, 0, "durata"), 0);
    EXPECT_TRUE(stato(e).contains(QStringLiteral("Tempo effettivo: 01:30"))) << stato(e).toStdString();
    EXPECT_EQ(e.barraStato().pannello(QStringLiteral("date2"))->text(), QStringLiteral("10/12/2026"));
}

// Beside the totals, the time on the platform; past the gym's limit it turns amber and its hint names
// the limit; without a limit it never does.
TEST_F(Editor, IlTempoSullaPedanaDiventaAmbraOltreIlLimiteDellaPalestra) {
    const auto id = schedaConEsercizi({1, 2, 0}); // two platform exercises of 2 x 45 s and a free one
    auto ambra = [](QLabel* l) {
        const QImage foto = l->grab().toImage();
        const QColor c = foto.pixelColor(1, foto.height() / 2);
        return c.red() > 200 && c.green() > 150 && c.green() < 220 && c.blue() < 80;
    };
    struct {
        int limite;
        bool oltre;
        const char* nelSuggerimento;
    } casi[] = {
        {0, false, "senza recuperi"},
        {240, false, "Limite per seduta impostato dalla palestra: 04:00."},
        {150, true, "Oltre il limite per seduta impostato dalla palestra (02:30)."},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.limite);
        palestra p;
        p.nome = QStringLiteral("Vibra Club");
        p.limitePedana = c.limite;
        ASSERT_TRUE(p.save());
        mdiScheda& e = apri(9, id, 0);
        QLabel* pedana = e.barraStato().pannello(QStringLiteral("pedana"));
        ASSERT_TRUE(pedana);
        EXPECT_TRUE(pedana->isVisible());
        EXPECT_EQ(pedana->text(), QStringLiteral("03:00"));
        EXPECT_EQ(ambra(pedana), c.oltre);
        EXPECT_TRUE(pedana->toolTip().contains(QString::fromUtf8(c.nelSuggerimento)))
            << pedana->toolTip().toStdString();
        EXPECT_EQ(pedana->toolTip().contains(QStringLiteral("limite"), Qt::CaseInsensitive), c.limite > 0);
        if (c.oltre) {
            // One series less on each: 1:30, within the limit again.
            scrivi(campo<QLineEdit>(e, 0, "serie"), QStringLiteral("1"));
            scrivi(campo<QLineEdit>(e, 1, "serie"), QStringLiteral("1"));
            lascia(campo<QLineEdit>(e, 1, "serie"));
            EXPECT_EQ(pedana->text(), QStringLiteral("01:30"));
            EXPECT_FALSE(ambra(pedana));
            EXPECT_TRUE(pedana->toolTip().startsWith(QStringLiteral("Limite per seduta")));
        }
    }
}

// "Esporta scheda…" writes what the editor shows, saved or not, and leaves the card as it is.
TEST_F(Editor, EsportaScriveLaSchedaComeSulloSchermo) {
    DialoghiInstallati dialoghi;
    const QString file = cartella() + QStringLiteral("/copia.vibrana");
    dialoghi->fileDaSalvare = file;
    mdiScheda& e = apri(9, schedaConEsercizi({1, 0}), 0);
    QAction* esporta = e.findChild<QAction*>(QStringLiteral("cmdEsportaScheda"));
    ASSERT_TRUE(esporta);
    EXPECT_EQ(esporta->text(), QStringLiteral("Esporta scheda…"));
    scrivi(campo<QLineEdit>(e, 0, "serie"), QStringLiteral("4"));
    lascia(campo<QLineEdit>(e, 0, "serie"));
    QTest::keyClick(&e, Qt::Key_E, Qt::ControlModifier);
    ASSERT_EQ(messaggi().testi(), QStringList{QStringLiteral("Scheda esportata in \"%1\"").arg(file)});
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray dati = f.readAll();
    EXPECT_EQ(dati, scambioScheda::esporta(*e.scheda()));
    EXPECT_TRUE(dati.contains("\"serie\": 4"));
    EXPECT_FALSE(e.scheda()->isSaved); // exporting is not saving

    // A template says so on the button.
    SchedaModello m;
    m.categoria = QStringLiteral("Riabilitazione");
    m.descrizione = QStringLiteral("Mio");
    m.save();
    apri(0, 0, m.id_scheda);
    EXPECT_EQ(esporta->text(), QStringLiteral("Esporta modello…"));
}

TEST_F(Editor, LaPaginazioneAggiungeUnaPaginaOltreLaFine) {
    mdiScheda& e = apri(9, schedaConEsercizi({1, 2}), 0);
    QScrollBar* barra = vs(e);
    EXPECT_EQ(e.scheda()->esercizi.Count(), 4);
    EXPECT_EQ(barra->maximum(), 3);
    scrivi(campo<QLineEdit>(e, 0, "peso"), QStringLiteral("5 kg"));
    barra->setValue(2);
    EXPECT_EQ(e.scheda()->esercizi.Item(1).peso, QStringLiteral("5 kg"));
    EXPECT_EQ(campo<QLabel>(e, 0, "nEsercizio")->text(), QStringLiteral("3"));
    EXPECT_EQ(campo<QLabel>(e, 1, "nEsercizio")->text(), QStringLiteral("4"));
    EXPECT_TRUE(campo<ImmagineEsercizio>(e, 0, "figura")->Tag.isEmpty());
    barra->setValue(3);
    EXPECT_EQ(e.scheda()->esercizi.Count(), 6);
    EXPECT_EQ(barra->maximum(), 4);
    EXPECT_EQ(campo<QLabel>(e, 1, "nEsercizio")->text(), QStringLiteral("6"));
    // Back on the first page the stored exercises come back.
    QTest::keyClick(campo<QLineEdit>(e, 0, "peso"), Qt::Key_PageUp, Qt::ControlModifier);
    QTest::keyClick(campo<QLineEdit>(e, 0, "peso"), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(barra->value(), 1);
    EXPECT_EQ(campo<QLineEdit>(e, 0, "peso")->text(), QStringLiteral("5 kg"));
    EXPECT_EQ(campo<ImmagineEsercizio>(e, 1, "figura")->Tag, QStringLiteral("2"));
    EXPECT_EQ(campo<QComboBox>(e, 1, "durata")->currentText(), QStringLiteral("45s"));
}

TEST_F(Editor, InserireSulSecondoPannelloSpostaGliEserciziSeguenti) {
    mdiScheda& e = apri(9, schedaConEsercizi({1, 2}), 0);
    QTest::mouseClick(campo<QToolButton>(e, 1, "InserisciEsecizio"), Qt::LeftButton);
    auto& es = e.scheda()->esercizi;
    ASSERT_EQ(es.Count(), 6);
    EXPECT_EQ(es.Item(1).id_fig, 1);
    EXPECT_EQ(es.Item(2).id_fig, 0);
    EXPECT_EQ(es.Item(3).id_fig, 2);
    EXPECT_EQ(es.Item(3).nprog, 3);
    EXPECT_TRUE(campo<ImmagineEsercizio>(e, 1, "figura")->Tag.isEmpty());
    EXPECT_EQ(campo<QComboBox>(e, 1, "durata")->currentText(), QStringLiteral("30s"));
    EXPECT_EQ(vs(e)->maximum(), 4);
}

TEST_F(Editor, UnEsercizioEliminatoLasciaLArchivioSoloColSalvataggio) {
    const std::int32_t id = schedaConEsercizi({1, 2, 3});
    const QString righe = QStringLiteral("SELECT COUNT(*) FROM Esercizi WHERE id_scheda = %1").arg(id);
    for (const Risposta fine : {Risposta::No, Risposta::Si}) {
        SCOPED_TRACE(fine == Risposta::Si ? "salvata" : "non salvata");
        mdiScheda& e = apri(9, id, 0);
        ASSERT_EQ(contaDiretto(righe), 3);
        QTest::mouseClick(campo<QToolButton>(e, 0, "EliminaEsercizio"), Qt::LeftButton);
        EXPECT_EQ(contaDiretto(righe), 3);
        EXPECT_EQ(e.scheda()->esercizi.Count(), 4);
        EXPECT_EQ(campo<ImmagineEsercizio>(e, 0, "figura")->Tag, QStringLiteral("2"));
        EXPECT_EQ(campo<ImmagineEsercizio>(e, 1, "figura")->Tag, QStringLiteral("3"));
        EXPECT_TRUE(messaggi().testi().isEmpty());
        messaggi().rispondi(fine);
        pulsante(e, "fine")->trigger();
        messaggi().mostrati.clear();
    }
    // Closed without saving, the card kept it; saved, it is gone and the others are numbered anew.
    EXPECT_EQ(contaDiretto(righe), 2);
    EXPECT_EQ(contaDiretto(righe + QStringLiteral(" AND id_fig = 1")), 0);
    EXPECT_EQ(contaDiretto(righe + QStringLiteral(" AND id_fig = 2 AND NProg = 1")), 1);
}

TEST_F(Editor, PassareALiberoPortaConSeLaNota) {
    mdiScheda& e = apri(9, schedaConEsercizi({1}), 0);
    scrivi(campo<QPlainTextEdit>(e, 0, "note"), QStringLiteral("piano"));
    auto* tab = campo<QTabBar>(e, 0, "TipoEsercizio");
    tab->setCurrentIndex(1);
    EXPECT_TRUE(campo<QWidget>(e, 0, "FrameLibero")->isVisible());
    EXPECT_FALSE(campo<QWidget>(e, 0, "FrameVibrana")->isVisible());
    EXPECT_EQ(campo<QPlainTextEdit>(e, 0, "noteLibero")->toPlainText(), QStringLiteral("piano"));
    scrivi(campo<QPlainTextEdit>(e, 0, "noteLibero"), QStringLiteral("corsa"));
    pulsante(e, "salva")->trigger();
    EXPECT_TRUE(e.scheda()->esercizi.Item(1).isLibero);
    EXPECT_EQ(e.scheda()->esercizi.Item(1).note, QStringLiteral("corsa"));
    // Free exercises do not count in the machine times.
    EXPECT_TRUE(stato(e).contains(QStringLiteral("Tempo totale: 00:00"))) << stato(e).toStdString();
    tab->setCurrentIndex(0);
    EXPECT_EQ(campo<QPlainTextEdit>(e, 0, "note")->toPlainText(), QStringLiteral("corsa"));
    EXPECT_FALSE(e.scheda()->esercizi.Item(1).isLibero);
}

TEST_F(Editor, UnIdentificativoTrascinatoMostraLaFiguraEVieneSalvato) {
    mdiScheda& e = apri(9, 0, 0);
    auto* figura = campo<ImmagineEsercizio>(e, 1, "figura");
    bool accettato = false;
    trascina(figura, QStringLiteral("12"), &accettato);
    EXPECT_TRUE(accettato);
    EXPECT_EQ(figura->Tag, QStringLiteral("12"));
    EXPECT_FALSE(figura->pixmap().isNull());
    EXPECT_EQ(e.scheda()->esercizi.Item(2).id_fig, 12);
    pulsante(e, "salva")->trigger();
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT id_fig FROM Esercizi WHERE id_scheda = %1 AND nprog = 2")
                               .arg(e.scheda()->id_scheda)),
              12);
}

TEST_F(Editor, UnTestoCheNonEUnaFiguraNonCambiaNienteENonMostraErrori) {
    mdiScheda& e = apri(9, schedaConEsercizi({5}), 0);
    auto* figura = campo<ImmagineEsercizio>(e, 0, "figura");
    for (const char* testo : {"abc", "99999", "0", "", "5; DROP TABLE figure", "-3", "99999999999"}) {
        SCOPED_TRACE(testo);
        bool accettato = true;
        trascina(figura, QString::fromLatin1(testo), &accettato);
        EXPECT_FALSE(accettato);
        EXPECT_EQ(figura->Tag, QStringLiteral("5"));
        EXPECT_FALSE(figura->pixmap().isNull());
    }
    EXPECT_TRUE(messaggi().testi().isEmpty()) << messaggi().testi().join('|').toStdString();
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM figure")) > 0, true);
}

TEST_F(Editor, FineAnnullaLasciaTuttoComEra) {
    mdiScheda& e = apri(9, 0, 0);
    scrivi(testa<QLineEdit>(e, "Istruttore"), QStringLiteral("Gino"));
    messaggi().rispondi(Risposta::Annulla);
    pulsante(e, "fine")->trigger();
    EXPECT_EQ(messaggi().testi(), QStringList{QStringLiteral("Salvo le ultime modifiche?")});
    EXPECT_EQ(messaggi().mostrati[0].pulsanti, Pulsanti::SiNoAnnulla);
    EXPECT_TRUE(e.isVisible());
    EXPECT_FALSE(puoiChiudereEditor());
    EXPECT_EQ(idUtenteSelezionato, 9);
    EXPECT_EQ(static_cast<scheda*>(e.scheda())->Istruttore, QStringLiteral("Gino"));
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM schede")), 0);
}

TEST_F(Editor, FineSiSalvaEAzzeraGliIdentificativiFineNoNonSalva) {
    for (Risposta r : {Risposta::Si, Risposta::No}) {
        SCOPED_TRACE(r == Risposta::Si ? "Si" : "No");
        mdiScheda& e = apri(9, 0, 0);
        trascina(campo<ImmagineEsercizio>(e, 0, "figura"), QStringLiteral("3"));
        messaggi().rispondi(r);
        pulsante(e, "fine")->trigger();
        EXPECT_FALSE(e.isVisible());
        EXPECT_EQ(idUtenteSelezionato, 0);
        EXPECT_EQ(idSchedaSelezionata, 0);
        EXPECT_EQ(idModelloSelezionato, 0);
        EXPECT_EQ(e.corpo(), nullptr);
        EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM Esercizi WHERE id_fig = 3")),
                  r == Risposta::Si ? 1 : 0);
        eseguiDiretto(QStringLiteral("DELETE FROM Esercizi; DELETE FROM schede;"));
        scaricaEditorScheda();
    }
}

TEST_F(Editor, UnModelloPreimpostatoSiChiudeSenzaDomanda) {
    mdiScheda& e = apri(0, 0, 1);
    pulsante(e, "fine")->trigger();
    EXPECT_TRUE(messaggi().testi().isEmpty());
    EXPECT_FALSE(e.isVisible());
    EXPECT_EQ(idModelloSelezionato, 1);
}

TEST_F(Editor, ChiudereLaCorniceOLeFinestreFiglieDuranteLaModificaNonFaNulla) {
    mdiScheda& e = apri(9, 0, 0);
    campo<QLineEdit>(e, 0, "peso")->setText(QStringLiteral("3 kg"));
    e.close();
    QApplication::processEvents();
    EXPECT_TRUE(e.isVisible());
    for (QMdiSubWindow* sub : e.area()->subWindowList()) {
        const bool visibile = sub->isVisible();
        sub->close();
        QApplication::processEvents();
        EXPECT_EQ(sub->isVisible(), visibile) << sub->objectName().toStdString();
        EXPECT_EQ(sub->widget()->isVisible(), visibile) << sub->objectName().toStdString();
    }
    EXPECT_EQ(e.area()->subWindowList().size(), 4);
    // The refused close of the body still wrote its panels back.
    EXPECT_EQ(e.scheda()->esercizi.Item(1).peso, QStringLiteral("3 kg"));
    EXPECT_NE(e.corpo(), nullptr);
    EXPECT_TRUE(messaggi().testi().isEmpty());
}

TEST_F(Editor, SalvaSuNuovoModelloDaUnaSchedaLasciaLaSchedaAperta) {
    const std::int32_t id = schedaConEsercizi({1, 0});
    mdiScheda& e = apri(9, id, 0);
    pulsante(e, "SalvaSuModello")->trigger();
    EXPECT_EQ(categorieProposte, QStringList{QStringLiteral("Tonificazione")});
    EXPECT_EQ(messaggi().testi(),
              QStringList{QStringLiteral("Creata la nuova Scheda Modello 'Il mio modello'")});
    EXPECT_EQ(idModelloSelezionato, 0);
    EXPECT_TRUE(categoriaNuovoModello.isEmpty());
    EXPECT_EQ(e.scheda()->id_scheda, id);
    EXPECT_FALSE(e.scheda()->isModello);
    EXPECT_NE(e.intestazione(), nullptr);
    const qlonglong nuovo = contaDiretto(QStringLiteral("SELECT MAX(id_Scheda) FROM schedeModello"));
    EXPECT_EQ(
        contaDiretto(QStringLiteral("SELECT COUNT(*) FROM EserciziModello WHERE id_scheda = %1").arg(nuovo)),
        2);
    EXPECT_EQ(
        contaDiretto(QStringLiteral("SELECT id_cat FROM schedeModello WHERE id_Scheda = %1").arg(nuovo)), 4);
}

TEST_F(Editor, SalvaSuNuovoModelloAnnullatoNonCreaNulla) {
    confermaNuovoModello = false;
    mdiScheda& e = apri(9, schedaConEsercizi({1}), 0);
    const qlonglong prima = contaDiretto(QStringLiteral("SELECT COUNT(*) FROM schedeModello"));
    pulsante(e, "SalvaSuModello")->trigger();
    EXPECT_EQ(categorieProposte.size(), 1);
    EXPECT_TRUE(messaggi().testi().isEmpty());
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM schedeModello")), prima);
    EXPECT_EQ(idModelloSelezionato, 0);
}

TEST_F(Editor, SalvaSuNuovoModelloDaUnPreimpostatoApreIlNuovoModifiabile) {
    mdiScheda& e = apri(0, 0, 1);
    const long esercizi =
        contaDiretto(QStringLiteral("SELECT COUNT(*) FROM EserciziModello WHERE id_scheda = 1"));
    ASSERT_FALSE(pulsante(e, "salva")->isEnabled());
    scrivi(e.intestazioneModello()->findChild<QPlainTextEdit*>(QStringLiteral("note")),
           QStringLiteral("mie note"));
    pulsante(e, "SalvaSuModello")->trigger();
    EXPECT_EQ(messaggi().testi(),
              QStringList{QStringLiteral("Creata e aperta la nuova Scheda Modello 'Il mio modello'")});
    auto* m = dynamic_cast<SchedaModello*>(e.scheda());
    ASSERT_NE(m, nullptr);
    EXPECT_NE(m->id_scheda, 1);
    EXPECT_FALSE(m->preimpostata);
    EXPECT_EQ(m->descrizione, QStringLiteral("Il mio modello"));
    EXPECT_TRUE(pulsante(e, "salva")->isEnabled());
    EXPECT_FALSE(pulsante(e, "stampa")->isEnabled());
    EXPECT_EQ(
        e.intestazioneModello()->findChild<QPlainTextEdit*>(QStringLiteral("descrizione"))->toPlainText(),
        QStringLiteral("Il mio modello"));
    EXPECT_EQ(
        contaDiretto(
            QStringLiteral("SELECT COUNT(*) FROM EserciziModello WHERE id_scheda = %1").arg(m->id_scheda)),
        esercizi);
    EXPECT_EQ(m->note, QStringLiteral("mie note"));
    // The delivered template is untouched.
    EXPECT_EQ(contaDiretto(QStringLiteral(
                  "SELECT COUNT(*) FROM schedeModello WHERE id_Scheda = 1 AND note = 'mie note'")),
              0);
    // Now editable: Fine asks.
    messaggi().mostrati.clear();
    messaggi().rispondi(Risposta::No);
    pulsante(e, "fine")->trigger();
    EXPECT_EQ(messaggi().testi(), QStringList{QStringLiteral("Salvo le ultime modifiche?")});
}

TEST_F(Editor, SalvaSuNuovoModelloDaUnModelloProprioChiedeDiSalvareIlPrecedente) {
    for (Risposta r : {Risposta::Si, Risposta::No}) {
        SCOPED_TRACE(r == Risposta::Si ? "Si" : "No");
        SchedaModello proprio;
        proprio.descrizione = QStringLiteral("Vecchio");
        proprio.categoria = QStringLiteral("Dimagrimento");
        proprio.save();
        mdiScheda& e = apri(0, 0, proprio.id_scheda);
        scrivi(e.intestazioneModello()->findChild<QPlainTextEdit*>(QStringLiteral("note")),
               QStringLiteral("riviste"));
        messaggi().mostrati.clear();
        messaggi().rispondi(r);
        pulsante(e, "SalvaSuModello")->trigger();
        ASSERT_EQ(messaggi().testi().size(), 2);
        EXPECT_EQ(messaggi().testi()[0], QStringLiteral("Salvare le modifiche al modello precedente?"));
        EXPECT_EQ(messaggi().mostrati[0].pulsanti, Pulsanti::SiNo);
        EXPECT_NE(e.scheda()->id_scheda, proprio.id_scheda);
        EXPECT_EQ(
            contaDiretto(
                QStringLiteral("SELECT COUNT(*) FROM schedeModello WHERE id_Scheda = %1 AND note = 'riviste'")
                    .arg(proprio.id_scheda)),
            r == Risposta::Si ? 1 : 0);
        scaricaEditorScheda();
    }
}

TEST_F(Editor, IComandiSiRaggiungonoDallaTastiera) {
    mdiScheda& e = apri(9, 0, 0);
    trascina(campo<ImmagineEsercizio>(e, 0, "figura"), QStringLiteral("6"));
    QTest::keyClick(&e, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(messaggi().testi(), QStringList{QStringLiteral("Salvataggio effettuato")});
    QTest::keyClick(&e, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(anteprime.size(), 1);
    messaggi().rispondi(Risposta::Annulla);
    QTest::keyClick(&e, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(messaggi().testi().last(), QStringLiteral("Salvo le ultime modifiche?"));
    // Pages from the fields of the panels.
    QTest::mouseClick(campo<QLineEdit>(e, 1, "peso"), Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(vs(e)->value(), 2);
    EXPECT_EQ(campo<QLabel>(e, 0, "nEsercizio")->text(), QStringLiteral("3"));
    QTest::mouseClick(campo<QLineEdit>(e, 0, "serie"), Qt::LeftButton);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(vs(e)->value(), 1);
}

TEST_F(Editor, UnaSchedaCoiTempiTroppoLunghiSiApreLoStesso) {
    // 255 minutes of recovery after each of 150 series cannot be counted.
    scheda s;
    s.id_utente = 9;
    s.categoria = QStringLiteral("Tonificazione");
    Esercizio lungo;
    lungo.id_fig = 1;
    lungo.durata = QStringLiteral("30s");
    lungo.serie = 99;
    lungo.recuperoMin = 255;
    s.esercizi.Add(lungo);
    s.save();
    // As an older program could store it.
    eseguiDiretto(QStringLiteral("UPDATE Esercizi SET Serie = 150 WHERE id_scheda = %1").arg(s.id_scheda));
    mdiScheda& e = apri(9, s.id_scheda, 0);
    EXPECT_TRUE(e.isVisible());
    EXPECT_NE(e.corpo(), nullptr);
    EXPECT_TRUE(stato(e).contains(QStringLiteral("troppo lunga"))) << stato(e).toStdString();
    EXPECT_TRUE(messaggi().testi().isEmpty());
    // Back to countable values, the totals come back; the 150 series on view are refused until
    // mended, so they are not counted meanwhile.
    scrivi(campo<QLineEdit>(e, 0, "recuperoMin"), QStringLiteral("1"));
    EXPECT_EQ(stato(e), tempiRifiutati);
    scrivi(campo<QLineEdit>(e, 0, "serie"), QStringLiteral("99"));
    EXPECT_TRUE(stato(e).contains(QStringLiteral("Tempo recupero: 1:39:00"))) << stato(e).toStdString();
}

TEST_F(Editor, UnErroreInUnComandoVieneMostratoELaSchedaRestaInMemoria) {
    mdiScheda& e = apri(9, 0, 0);
    trascina(campo<ImmagineEsercizio>(e, 0, "figura"), QStringLiteral("2"));
    scrivi(testa<QLineEdit>(e, "Istruttore"), QStringLiteral("Gino"));
    // The chosen category disappears from the catalogue behind the editor's back.
    eseguiDiretto(QStringLiteral("DELETE FROM categorie WHERE nome = 'Flessibilità e mobilità';"));
    pulsante(e, "salva")->trigger();
    ASSERT_EQ(messaggi().testi().size(), 1);
    EXPECT_TRUE(messaggi().testi()[0].contains(QStringLiteral("Categoria non esistente!")));
    EXPECT_EQ(e.scheda()->id_scheda, 0);
    EXPECT_EQ(e.scheda()->esercizi.Item(1).ct, 0);
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM schede")), 0);
    EXPECT_TRUE(e.isVisible());
    // Still usable: another category and the save goes through.
    scegli(testa<QComboBox>(e, "categoria"), 0);
    messaggi().mostrati.clear();
    pulsante(e, "salva")->trigger();
    EXPECT_EQ(messaggi().testi(), QStringList{QStringLiteral("Salvataggio effettuato")});
    EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM Esercizi WHERE id_fig = 2")), 1);
}

TEST_F(Editor, UnaSchedaScrittaDalleFinestreTornaUgualeDallArchivio) {
    mdiScheda& e = apri(9, 0, 0);
    scrivi(testa<QLineEdit>(e, "Istruttore"), QStringLiteral("Anna De Amicis"));
    scrivi(testa<QLineEdit>(e, "Obiettivo"), QStringLiteral("Tono"));
    scrivi(testa<QComboBox>(e, "FreqAllen"), QStringLiteral("4"));
    scegli(testa<QComboBox>(e, "categoria"), 5);
    scrivi(testa<QPlainTextEdit>(e, "note"), QStringLiteral("Bere acqua"));
    QTest::mouseClick(testa<QToolButton>(e, "apriGGAllen"), Qt::LeftButton);
    testa<QListWidget>(e, "GGAllen")->item(8)->setCheckState(Qt::Checked);

    trascina(campo<ImmagineEsercizio>(e, 0, "figura"), QStringLiteral("4"));
    scegli(campo<QComboBox>(e, 0, "durata"), 2);
    scegli(campo<QComboBox>(e, 0, "frequenza"), 3);
    scegli(campo<QComboBox>(e, 0, "ampiezza"), 1);
    scegli(campo<QComboBox>(e, 0, "modalita"), 4);
    scrivi(campo<QLineEdit>(e, 0, "serie"), QStringLiteral("12"));
    scrivi(campo<QLineEdit>(e, 0, "recuperoMin"), QStringLiteral("2"));
    scrivi(campo<QLineEdit>(e, 0, "recuperoSec"), QStringLiteral("15"));
    scrivi(campo<QLineEdit>(e, 0, "peso"), QStringLiteral("10 kg"));
    scrivi(campo<QPlainTextEdit>(e, 0, "note"), QStringLiteral("schiena dritta"));
    campo<QTabBar>(e, 1, "TipoEsercizio")->setCurrentIndex(1);
    scrivi(campo<QPlainTextEdit>(e, 1, "noteLibero"), QStringLiteral("10 minuti di corsa"));
    vs(e)->setValue(2);
    trascina(campo<ImmagineEsercizio>(e, 1, "figura"), QStringLiteral("9"));

    pulsante(e, "salva")->trigger();
    ASSERT_EQ(messaggi().testi(), QStringList{QStringLiteral("Salvataggio effettuato")});
    const scheda& s = *static_cast<scheda*>(e.scheda());

    scheda letta;
    letta.carica(s.id_scheda);
    letta.caricaEsercizi();
    EXPECT_EQ(letta.id_utente, 9);
    EXPECT_EQ(letta.Istruttore, QStringLiteral("Anna De Amicis"));
    EXPECT_EQ(letta.Obiettivo, QStringLiteral("Tono"));
    EXPECT_EQ(static_cast<int>(letta.FreqAllen), 4);
    EXPECT_EQ(letta.categoria, QStringLiteral("Tonificazione"));
    EXPECT_EQ(letta.note, QStringLiteral("Bere acqua"));
    EXPECT_EQ(letta.GGAllen, QStringLiteral("000000001"));
    EXPECT_EQ(letta.PeriodoDal, QStringLiteral("10/12/2026"));
    EXPECT_EQ(letta.PeriodoAl, QStringLiteral("31/12/2026"));
    ASSERT_EQ(letta.esercizi.Count(), 3);
    const Esercizio& a = letta.esercizi.Item(1);
    EXPECT_EQ(a.id_fig, 4);
    EXPECT_EQ(a.durata, QStringLiteral("60s"));
    EXPECT_EQ(a.frequenza, QStringLiteral("50Hz"));
    EXPECT_EQ(a.ampiezza, QStringLiteral("H"));
    EXPECT_EQ(a.modalita, QStringLiteral("Combinata"));
    EXPECT_EQ(static_cast<int>(a.serie), 12);
    EXPECT_EQ(static_cast<int>(a.recuperoMin), 2);
    EXPECT_EQ(static_cast<int>(a.recuperoSec), 15);
    EXPECT_EQ(a.peso, QStringLiteral("10 kg"));
    EXPECT_EQ(a.note, QStringLiteral("schiena dritta"));
    EXPECT_FALSE(a.isLibero);
    const Esercizio& b = letta.esercizi.Item(2);
    EXPECT_TRUE(b.isLibero);
    EXPECT_EQ(b.note, QStringLiteral("10 minuti di corsa"));
    EXPECT_EQ(b.nprog, 2);
    const Esercizio& c = letta.esercizi.Item(3);
    EXPECT_EQ(c.id_fig, 9);
    EXPECT_EQ(c.nprog, 4);
}

TEST_F(Editor, NuovaSchedaDallaFinestraPrincipaleApreLEditorEFineLaRiporta) {
    registraFinestreProgramma();
    finestre().UtentiSelezione = [](const QString&) { idUtenteSelezionato = 9; };
    Principale& p = principale();
    p.mostra();
    p.aggiornaComandi();
    ASSERT_TRUE(p.mnuSchedeNuova->isEnabled());
    p.mnuSchedeNuova->trigger();
    mdiScheda* e = editorSchedaCaricato();
    ASSERT_NE(e, nullptr);
    EXPECT_TRUE(e->isVisible());
    EXPECT_FALSE(p.isVisible());
    EXPECT_EQ(static_cast<scheda*>(e->scheda())->id_utente, 9);
    messaggi().rispondi(Risposta::No);
    pulsante(*e, "fine")->trigger();
    EXPECT_FALSE(e->isVisible());
    EXPECT_TRUE(p.isVisible());
    p.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Closing the main window unloads the editor with the program.
    EXPECT_EQ(editorSchedaCaricato(), nullptr);
}

TEST_F(Editor, ScaricareLEditorColFuocoInUnElencoNonScriveInUnaSchedaGiaAndata) {
    mdiScheda& e = apri(9, schedaConEsercizi({1}), 0);
    // A drop-down left holding one of its entries reports it as chosen when the focus goes.
    scrivi(campo<QComboBox>(e, 0, "durata"), QStringLiteral("60s"));
    ASSERT_TRUE(haFuoco(campo<QWidget>(e, 0, "durata")));
    scaricaEditorScheda();
    EXPECT_EQ(editorSchedaCaricato(), nullptr);
    EXPECT_TRUE(messaggi().testi().isEmpty()) << messaggi().testi().join('|').toStdString();
}

// Every stored row of the card and of its exercises, to tell whether a command wrote anything.
QString archivioScheda(std::int32_t id) {
    QString testo;
    for (const char* sql : {"SELECT * FROM schede WHERE id_scheda = %1",
                            "SELECT * FROM Esercizi WHERE ID_Scheda = %1 ORDER BY NProg"}) {
        RecordSet rs = db().getRs(QString::fromLatin1(sql).arg(id));
        for (rs.MoveFirst(); !rs.eof(); rs.MoveNext()) {
            for (int i = 0; i < rs.contaCampi(); ++i)
                testo += rs.campo(i).toString() + QLatin1Char('|');
            testo += QLatin1Char('\n');
        }
    }
    return testo;
}

// Where the user types into a field: a date field's text box, or the field itself.
QWidget* doveScrivere(QWidget* campo) {
    if (auto* data = qobject_cast<SelettoreData*>(campo))
        return data->campo();
    return campo;
}

const char* const fuoriElenco = "Selezionare un valore tra quelli disponibili!";

struct CampoRifiutato {
    const char* nome;
    bool testata;
    std::function<QWidget*(mdiScheda&)> campo;
    const char* testo; // refused
    const char* messaggio;
    TipoMessaggio tipo;
    const char* corretto; // typed, or chosen from the list when scegliere
    bool scegliere;
    std::function<QString(const scheda&)> archiviato; // the field as stored
};

std::vector<CampoRifiutato> campiRifiutati() {
    auto pannello0 = [](const char* nome) {
        return [nome](mdiScheda& e) { return campo<QWidget>(e, 0, nome); };
    };
    auto intestazione = [](const char* nome) {
        return [nome](mdiScheda& e) { return testa<QWidget>(e, nome); };
    };
    auto esercizio = [](QString Esercizio::*membro) {
        return [membro](const scheda& s) { return s.esercizi.Item(1).*membro; };
    };
    auto byte = [](ValoreByte Esercizio::*membro) {
        return [membro](const scheda& s) {
            return QString::number(static_cast<int>(s.esercizi.Item(1).*membro));
        };
    };
    const auto freq = [](const scheda& s) { return QString::number(static_cast<int>(s.FreqAllen)); };
    return {
        {"serie 150", false, pannello0("serie"), "150", "Valore troppo grande!", TipoMessaggio::Errore, "15",
         false, byte(&Esercizio::serie)},
        {"secondi 75", false, pannello0("recuperoSec"), "75", "Inserire un numero tra 0 e 59",
         TipoMessaggio::Errore, "45", false, byte(&Esercizio::recuperoSec)},
        {"minuti 300", false, pannello0("recuperoMin"), "300", "Inserire un numero tra 0 e 255",
         TipoMessaggio::Errore, "30", false, byte(&Esercizio::recuperoMin)},
        {"durata fuori lista", false, pannello0("durata"), "31s", fuoriElenco, TipoMessaggio::Errore, "60s",
         false, esercizio(&Esercizio::durata)},
        {"modalita fuori lista", false, pannello0("modalita"), "Camminata", fuoriElenco,
         TipoMessaggio::Errore, "Dinamico a carico naturale", false, esercizio(&Esercizio::modalita)},
        {"frequenza 9", true, intestazione("FreqAllen"), "9", fuoriElenco, TipoMessaggio::Errore, "5", false,
         freq},
        {"frequenza abc", true, intestazione("FreqAllen"), "abc", fuoriElenco, TipoMessaggio::Errore, "6",
         false, freq},
        {"categoria sconosciuta", true, intestazione("categoria"), "Yoga", fuoriElenco, TipoMessaggio::Errore,
         "Dimagrimento", true, [](const scheda& s) { return s.categoria; }},
        {"dal 31/02/2026", true, intestazione("dal"), "31/02/2026",
         "Data non valida: «31/02/2026» nel campo «Dal».\nScrivere la data come gg/mm/aaaa, per esempio "
         "01/02/1985.",
         TipoMessaggio::Avviso, "15/12/2026", false, [](const scheda& s) { return s.PeriodoDal; }},
        {"al vuoto", true, intestazione("al"), "",
         "Data non valida: «» nel campo «Al».\nScrivere la data come gg/mm/aaaa, per esempio 01/02/1985.",
         TipoMessaggio::Avviso, "20/01/2027", false, [](const scheda& s) { return s.PeriodoAl; }},
    };
}

struct ComandoEditor {
    const char* nome;
    std::function<void(mdiScheda&)> esegui;
    bool chiedeDiSalvare; // "Salvo le ultime modifiche?" comes first and is answered Sì
    bool soloDalCorpo;    // a key of the body, which the header's fields do not reach
};

TEST_F(Editor, UnValoreRifiutatoFermaOgniComandoENonArrivaAllArchivio) {
    const ComandoEditor comandi[] = {
        {"Salva", [](mdiScheda& e) { pulsante(e, "salva")->trigger(); }, false, false},
        {"Salva su nuovo Modello", [](mdiScheda& e) { pulsante(e, "SalvaSuModello")->trigger(); }, false,
         false},
        {"Stampa", [](mdiScheda& e) { pulsante(e, "stampa")->trigger(); }, false, false},
        {"Fine, Sì", [](mdiScheda& e) { pulsante(e, "fine")->trigger(); }, true, false},
        {"Ctrl+PgGiù",
         [](mdiScheda&) {
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
         },
         false, true},
        {"freccia della barra",
         [](mdiScheda& e) {
             QScrollBar* b = vs(e);
             QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(b->width() / 2, b->height() - 3));
         },
         false, false},
        {"Inserisci",
         [](mdiScheda& e) {
             QTest::mouseClick(campo<QToolButton>(e, 1, "InserisciEsecizio"), Qt::LeftButton);
         },
         false, false},
        {"Elimina",
         [](mdiScheda& e) {
             QTest::mouseClick(campo<QToolButton>(e, 0, "EliminaEsercizio"), Qt::LeftButton);
         },
         false, false},
    };
    const qlonglong modelli = contaDiretto(QStringLiteral("SELECT COUNT(*) FROM schedeModello"));
    for (const CampoRifiutato& c : campiRifiutati()) {
        for (const ComandoEditor& k : comandi) {
            if (c.testata && k.soloDalCorpo)
                continue;
            SCOPED_TRACE(std::string(c.nome) + " / " + k.nome);
            const std::int32_t id = schedaConEsercizi({1});
            const QString prima = archivioScheda(id);
            mdiScheda& e = apri(9, id, 0);
            // Accepted changes in the header and in the body, which must not be half saved either.
            scrivi(testa<QLineEdit>(e, "Istruttore"), QStringLiteral("Gino"));
            scrivi(campo<QLineEdit>(e, 0, "peso"), QStringLiteral("3 kg"));
            QWidget* w = c.campo(e);
            scrivi(doveScrivere(w), QString::fromUtf8(c.testo));
            messaggi().mostrati.clear();
            if (k.chiedeDiSalvare)
                messaggi().rispondi(Risposta::Si);
            k.esegui(e);
            QApplication::processEvents();

            QStringList attesi{QString::fromUtf8(c.messaggio)};
            if (k.chiedeDiSalvare)
                attesi.prepend(QStringLiteral("Salvo le ultime modifiche?"));
            EXPECT_EQ(messaggi().testi().join(u'|').toStdString(), attesi.join(u'|').toStdString());
            if (!messaggi().mostrati.empty()) {
                EXPECT_EQ(messaggi().mostrati.back().tipo, c.tipo);
            }
            EXPECT_TRUE(haFuoco(w));
            EXPECT_EQ(archivioScheda(id), prima);
            EXPECT_EQ(contaDiretto(QStringLiteral("SELECT COUNT(*) FROM schedeModello")), modelli);
            EXPECT_TRUE(anteprime.isEmpty());
            EXPECT_TRUE(categorieProposte.isEmpty());
            EXPECT_TRUE(e.isVisible());
            EXPECT_FALSE(puoiChiudereEditor());
            EXPECT_EQ(vs(e)->value(), 1);
            EXPECT_EQ(campo<QLabel>(e, 0, "nEsercizio")->text(), QStringLiteral("1"));
            EXPECT_EQ(e.scheda()->esercizi.Count(), 2);

            // Mended, the card is saved as the windows show it.
            if (c.scegliere) {
                auto* box = qobject_cast<QComboBox*>(w);
                scegli(box, box->findText(QString::fromUtf8(c.corretto)));
            } else {
                scrivi(doveScrivere(w), QString::fromUtf8(c.corretto));
            }
            messaggi().mostrati.clear();
            pulsante(e, "salva")->trigger();
            EXPECT_EQ(messaggi().testi(), QStringList{QStringLiteral("Salvataggio effettuato")});
            scheda letta;
            letta.carica(id);
            letta.caricaEsercizi();
            EXPECT_EQ(c.archiviato(letta), QString::fromUtf8(c.corretto));
            EXPECT_EQ(letta.Istruttore, QStringLiteral("Gino"));
            EXPECT_EQ(letta.esercizi.Item(1).peso, QStringLiteral("3 kg"));

            scaricaEditorScheda();
            messaggi().mostrati.clear();
        }
    }
}

TEST_F(Editor, LaBarraDiStatoContaSoloIValoriCheSarebberoSalvati) {
    // One exercise of 2 series of 45 s with 1:00 of recovery; each text is typed over the last one.
    struct Passo {
        const char* testo;
        const char* stato; // nullptr: the box's value is refused and nothing is counted
    };
    const struct {
        const char* campo;
        std::vector<Passo> passi;
    } casi[] = {
        {"serie",
         {{"1", "Tempo effettivo: 00:45 - Tempo recupero: 01:00"},
          {"15", "Tempo effettivo: 11:15 - Tempo recupero: 15:00"},
          {"150", nullptr},
          {"15", "Tempo effettivo: 11:15 - Tempo recupero: 15:00"}}},
        {"recuperoSec", {{"7", "Tempo recupero: 02:14"}, {"75", nullptr}, {"59", "Tempo recupero: 03:58"}}},
        {"recuperoMin",
         {{"30", "Tempo recupero: 1:00:00"}, {"300", nullptr}, {"255", "Tempo recupero: 8:30:00"}}},
        {"durata", {{"9", nullptr}, {"90", nullptr}}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.campo);
        mdiScheda& e = apri(9, schedaConEsercizi({1}), 0);
        for (const Passo& p : c.passi) {
            SCOPED_TRACE(p.testo);
            scrivi(campo<QWidget>(e, 0, c.campo), QString::fromLatin1(p.testo));
            if (p.stato)
                EXPECT_TRUE(stato(e).contains(QString::fromLatin1(p.stato))) << stato(e).toStdString();
            else
                EXPECT_EQ(stato(e), tempiRifiutati);
        }
        EXPECT_TRUE(messaggi().testi().isEmpty()) << messaggi().testi().join('|').toStdString();
        scaricaEditorScheda();
    }
}

// Opening a drop-down's own list is not leaving it: a click on its arrow after a refused text opens
// the list at once, so the user can pick a value in place of the one typed.
TEST_F(Editor, LaFrecciaDiUnElencoConTestoRifiutatoApreLaLista) {
    for (const CampoRifiutato& c : campiRifiutati()) {
        auto* box = qobject_cast<QComboBox*>(c.campo(apri(9, schedaConEsercizi({1}), 0)));
        if (!box)
            continue;
        SCOPED_TRACE(c.nome);
        scrivi(box, QString::fromUtf8(c.testo));
        messaggi().mostrati.clear();
        QStyleOptionComboBox opzione;
        opzione.initFrom(box);
        opzione.editable = box->isEditable();
        const QRect freccia =
            box->style()->subControlRect(QStyle::CC_ComboBox, &opzione, QStyle::SC_ComboBoxArrow, box);
        QTest::mouseClick(box, Qt::LeftButton, {}, freccia.center());
        QApplication::processEvents();
        EXPECT_TRUE(box->view()->isVisible()) << "la lista non si è aperta al primo clic";
        EXPECT_TRUE(messaggi().testi().isEmpty()) << messaggi().testi().join('|').toStdString();
        box->hidePopup();
        QApplication::processEvents();
        messaggi().mostrati.clear();
        scaricaEditorScheda();
        messaggi().mostrati.clear();
    }
}

TEST_F(Editor, UnaSchedaConValoriRifiutatiOvunqueSiSalvaSoloQuandoSonoTuttiCorretti) {
    const std::int32_t id = schedaConEsercizi({1, 2});
    // Stored by an older program: values the editor refuses in the header and in both exercises.
    eseguiDiretto(QStringLiteral("UPDATE schede SET FreqAllen = 9 WHERE id_scheda = %1; "
                                 "UPDATE Esercizi SET Durata = '31s', Frequenza = '33Hz', Ampiezza = 'M', "
                                 "Serie = 150, RecuperoSec = 75, Modalita = 'Camminata' "
                                 "WHERE ID_Scheda = %1 AND NProg = 1; "
                                 "UPDATE Esercizi SET Serie = 120 WHERE ID_Scheda = %1 AND NProg = 2;")
                      .arg(id));
    mdiScheda& e = apri(9, id, 0);
    scrivi(testa<QLineEdit>(e, "Obiettivo"), QStringLiteral("Forza"));
    // Being typed: the field in use speaks first.
    scrivi(testa<SelettoreData>(e, "dal")->campo(), QStringLiteral("31/02/2026"));
    const QString prima = archivioScheda(id);
    const struct {
        QWidget* campo;
        const char* messaggio;
        const char* corretto;
    } passi[] = {
        {testa<QWidget>(e, "dal"),
         "Data non valida: «31/02/2026» nel campo «Dal».\nScrivere la data come gg/mm/aaaa, per esempio "
         "01/02/1985.",
         "15/12/2026"},
        {testa<QWidget>(e, "FreqAllen"), fuoriElenco, "4"},
        {campo<QWidget>(e, 0, "durata"), fuoriElenco, "45s"},
        {campo<QWidget>(e, 0, "frequenza"), fuoriElenco, "40Hz"},
        {campo<QWidget>(e, 0, "ampiezza"), fuoriElenco, "H"},
        {campo<QWidget>(e, 0, "serie"), "Valore troppo grande!", "12"},
        {campo<QWidget>(e, 0, "recuperoSec"), "Inserire un numero tra 0 e 59", "30"},
        {campo<QWidget>(e, 0, "modalita"), fuoriElenco, "Combinata"},
        {campo<QWidget>(e, 1, "serie"), "Valore troppo grande!", "3"},
    };
    for (const auto& p : passi) {
        SCOPED_TRACE(p.messaggio);
        messaggi().mostrati.clear();
        pulsante(e, "salva")->trigger();
        EXPECT_EQ(messaggi().testi().join(u'|').toStdString(), p.messaggio);
        EXPECT_TRUE(haFuoco(p.campo));
        EXPECT_EQ(archivioScheda(id), prima);
        scrivi(doveScrivere(p.campo), QString::fromUtf8(p.corretto));
    }
    messaggi().mostrati.clear();
    pulsante(e, "salva")->trigger();
    ASSERT_EQ(messaggi().testi(), QStringList{QStringLiteral("Salvataggio effettuato")});

    // The register now holds what the windows show.
    scheda letta;
    letta.carica(id);
    letta.caricaEsercizi();
    EXPECT_EQ(letta.PeriodoDal, testa<SelettoreData>(e, "dal")->testo());
    EXPECT_EQ(letta.PeriodoAl, testa<SelettoreData>(e, "al")->testo());
    EXPECT_EQ(QString::number(static_cast<int>(letta.FreqAllen)),
              testa<QComboBox>(e, "FreqAllen")->currentText());
    EXPECT_EQ(letta.categoria, testa<QComboBox>(e, "categoria")->currentText());
    EXPECT_EQ(letta.Obiettivo, QStringLiteral("Forza"));
    ASSERT_EQ(letta.esercizi.Count(), 2);
    for (int k = 0; k < 2; ++k) {
        SCOPED_TRACE(k);
        const Esercizio& es = letta.esercizi.Item(k + 1);
        EXPECT_EQ(es.durata, campo<QComboBox>(e, k, "durata")->currentText());
        EXPECT_EQ(es.frequenza, campo<QComboBox>(e, k, "frequenza")->currentText());
        EXPECT_EQ(es.ampiezza, campo<QComboBox>(e, k, "ampiezza")->currentText());
        EXPECT_EQ(es.modalita, campo<QComboBox>(e, k, "modalita")->currentText());
        EXPECT_EQ(QString::number(static_cast<int>(es.serie)), campo<QLineEdit>(e, k, "serie")->text());
        EXPECT_EQ(QString::number(static_cast<int>(es.recuperoMin)),
                  campo<QLineEdit>(e, k, "recuperoMin")->text());
        EXPECT_EQ(QString::number(static_cast<int>(es.recuperoSec)),
                  campo<QLineEdit>(e, k, "recuperoSec")->text());
    }
}

TEST_F(Editor, InUnModelloProprioIlValoreRifiutatoFermaSalva) {
    const std::int32_t proprio = modelloProprio({4});
    mdiScheda& e = apri(0, 0, proprio);
    const QString righe =
        QStringLiteral("SELECT COUNT(*) FROM EserciziModello WHERE id_scheda = %1 AND Serie = %2");
    scrivi(campo<QLineEdit>(e, 0, "serie"), QStringLiteral("150"));
    pulsante(e, "salva")->trigger();
    EXPECT_EQ(messaggi().testi(), QStringList{QStringLiteral("Valore troppo grande!")});
    EXPECT_TRUE(haFuoco(campo<QWidget>(e, 0, "serie")));
    EXPECT_EQ(contaDiretto(righe.arg(proprio).arg(150)), 0);
    scrivi(campo<QLineEdit>(e, 0, "serie"), QStringLiteral("50"));
    messaggi().mostrati.clear();
    pulsante(e, "salva")->trigger();
    EXPECT_EQ(messaggi().testi(), QStringList{QStringLiteral("Salvataggio effettuato")});
    EXPECT_EQ(contaDiretto(righe.arg(proprio).arg(50)), 1);
}

} // namespace

namespace {

QMdiSubWindow* cornice(QWidget* finestra) {
    return qobject_cast<QMdiSubWindow*>(finestra->parentWidget());
}

} // namespace

TEST_F(Editor, LeFinestreFiglieHannoLaMisuraDisegnataESiVedonoInteraA1024x768) {
    ASSERT_TRUE(schermo1024);
    for (const bool modello : {false, true}) {
        SCOPED_TRACE(modello ? "modello" : "scheda");
        mdiScheda& e = modello ? apri(0, 0, 1) : apri(9, schedaConEsercizi({1, 2, 3}), 0);
        QWidget* testa = modello ? static_cast<QWidget*>(e.intestazioneModello()) : e.intestazione();
        // Outer sizes, frame and title bar included.
        const struct {
            QWidget* finestra;
            QSize misura;
        } figlie[] = {
            {testa, modello ? QSize(330, 180) : QSize(420, 227)},
            {e.corpo(), QSize(420, 391)},
            {e.selezioneFigure(), QSize(462, 509)},
        };
        const QRect area = e.area()->viewport()->rect();
        for (const auto& f : figlie) {
            SCOPED_TRACE(f.finestra->objectName().toStdString());
            QMdiSubWindow* sub = cornice(f.finestra);
            ASSERT_NE(sub, nullptr);
            EXPECT_EQ(sub->size(), f.misura) << sub->width() << "x" << sub->height();
            EXPECT_TRUE(area.contains(sub->geometry()))
                << sub->geometry().bottom() << " sotto " << area.bottom();
            EXPECT_EQ(partiTagliate(f.finestra).join('\n').toStdString(), "");
        }
        EXPECT_EQ(cornice(e.corpo())->y(), cornice(testa)->height());
        // The picture window keeps 250 twips from the right edge.
        EXPECT_EQ(area.right() - cornice(e.selezioneFigure())->geometry().right(), 17);
        scaricaEditorScheda();
    }
}

TEST_F(Editor, SelezioneEserciziTieneMisuraEPostoDopoSalvaSuNuovoModello) {
    ASSERT_TRUE(schermo1024);
    mdiScheda& e = apri(0, 0, 1);
    QMdiSubWindow* selezione = cornice(e.selezioneFigure());
    const QRect prima = selezione->geometry();
    EXPECT_EQ(prima.size(), QSize(462, 509));
    pulsante(e, "SalvaSuModello")->trigger();
    ASSERT_EQ(messaggi().testi(),
              QStringList{QStringLiteral("Creata e aperta la nuova Scheda Modello 'Il mio modello'")});
    EXPECT_EQ(cornice(e.selezioneFigure())->geometry(), prima);
}

TEST_F(Editor, LaBarraDiStatoMostraITempiInteriAncheColMouseSuiPulsanti) {
    ASSERT_TRUE(schermo1024);
    mdiScheda& e = apri(9, schedaConEsercizi({1, 2}), 0);
    QLabel* totali = e.barraStato().pannello(QStringLiteral("status"));
    const QString testo = totali->text();
    ASSERT_TRUE(testo.endsWith(QStringLiteral("riguarda solo uno di essi]")));
    EXPECT_EQ(partiTagliate(e.StatusBar1).join('\n').toStdString(), "");
    for (const char* chiave : {"salva", "SalvaSuModello", "stampa", "fine"}) {
        SCOPED_TRACE(chiave);
        QWidget* bottone = e.ToolbarSchede->widgetForAction(pulsante(e, chiave));
        QTest::mouseMove(bottone, bottone->rect().center());
        QApplication::processEvents();
        EXPECT_TRUE(e.StatusBar1->currentMessage().isEmpty()) << e.StatusBar1->currentMessage().toStdString();
        EXPECT_TRUE(totali->isVisible());
        EXPECT_EQ(totali->text(), testo);
    }
}
