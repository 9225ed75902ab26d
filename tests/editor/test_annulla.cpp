// Undo and redo in the card editor, driven as the user does: typing, choosing, dropping pictures,
// the panels' buttons, the keys and the toolbar.
#include "EditorDiProva.h"
#include "base/variabiliGlobali.h"
#include "comune/Azioni.h"
#include "comune/CampiScheda.h"
#include "comune/SchermoDiProva.h"
#include "editor/CancelloEditor.h"
#include "editor/ImmagineEsercizio.h"
#include "editor/ImmaginiScheda.h"
#include "editor/RegistraEditor.h"
#include "editor/SchedaCorpo.h"
#include "editor/SchedaIntestazione.h"
#include "editor/SchedaIntestazioneMODELLO.h"
#include "editor/mdiScheda.h"
#include "records/SchedaModello.h"
#include "records/scheda.h"
#include "selection/SelettoreData.h"
#include "shell/BarraStrumenti.h"
#include "shell/Finestre.h"
#include "shell/SenzaAvanzamento.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <functional>

namespace {

const bool schermo1024 = schermoDiProva(1024, 768);

class Storia : public EditorDiProva {
protected:
    // Its training days stored, all unticked, so that a change of them is a step like any other.
    static std::int32_t schedaConEsercizi(const std::vector<int>& figure) {
        return EditorDiProva::schedaConEsercizi(figure, QStringLiteral("000000000"));
    }
    // An athlete 9's card (0: a new one), or template `modello`.
    static mdiScheda& apri(std::int32_t schedaId, std::int32_t modello = 0) {
        return EditorDiProva::apri(modello ? 0 : 9, schedaId, modello);
    }
    static scheda& card(mdiScheda& e) { return *static_cast<scheda*>(e.scheda()); }

    // A key as the platform delivers it: to the control holding the focus (the window when none does).
    static void premi(mdiScheda& e, const QKeySequence& tasti) {
        QWidget* w = QApplication::focusWidget();
        if (!w || w->window() != &e)
            w = &e;
        QTest::keyClick(w, tasti[0].key(), tasti[0].keyboardModifiers());
        QApplication::processEvents();
    }
    static void premi(mdiScheda& e, QKeySequence::StandardKey tasto) {
        premi(e, QKeySequence::keyBindings(tasto).value(0));
    }
    qlonglong righe(std::int32_t id, const QString& dove = {}) const {
        return contaDiretto(QStringLiteral("SELECT COUNT(*) FROM Esercizi WHERE id_scheda = %1").arg(id) +
                            dove);
    }
};

// What a control shows, as text: a date field's text, a day list's ticks as "0"/"1".
QString mostrato(QWidget* w) {
    if (auto* t = qobject_cast<QLineEdit*>(w))
        return t->text();
    if (auto* b = qobject_cast<QComboBox*>(w))
        return b->currentText();
    if (auto* p = qobject_cast<QPlainTextEdit*>(w))
        return p->toPlainText();
    if (auto* d = qobject_cast<SelettoreData*>(w))
        return d->testo();
    if (auto* l = qobject_cast<QListWidget*>(w)) {
        QString spunte;
        for (int i = 0; i < l->count(); ++i)
            spunte += l->item(i)->checkState() == Qt::Checked ? u'1' : u'0';
        return spunte;
    }
    ADD_FAILURE() << "controllo senza testo: " << w->objectName().toStdString();
    return {};
}

struct CasoCampo {
    const char* nome;
    std::function<QWidget*(mdiScheda&)> campo;
    std::function<void(QWidget*)> cambia; // as the user does, leaving the focus in the field
    std::function<QString(const scheda&)> valore;
    const char* prima; // in the card and on screen once opened
    const char* dopo;
};

std::vector<CasoCampo> casiCampi() {
    auto corpo = [](const char* nome) { return [nome](mdiScheda& e) { return campo<QWidget>(e, 0, nome); }; };
    auto intestazione = [](const char* nome) {
        return [nome](mdiScheda& e) { return testa<QWidget>(e, nome); };
    };
    auto digita = [](const char* testo) {
        return [testo](QWidget* w) {
            if (auto* d = qobject_cast<SelettoreData*>(w))
                w = d->campo();
            w->setFocus(Qt::MouseFocusReason);
            QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(w, QString::fromUtf8(testo));
        };
    };
    auto sceglie = [](int indice) {
        return [indice](QWidget* w) { scegli(qobject_cast<QComboBox*>(w), indice); };
    };
    auto testo = [](QString Esercizio::*m) { return [m](const scheda& s) { return s.esercizi.Item(1).*m; }; };
    auto numero = [](ValoreByte Esercizio::*m) {
        return [m](const scheda& s) { return QString::number(static_cast<int>(s.esercizi.Item(1).*m)); };
    };
    auto testata = [](QString scheda::*m) { return [m](const scheda& s) { return s.*m; }; };
    return {
        {"peso", corpo("peso"), digita("5 kg"), testo(&Esercizio::peso), "", "5 kg"},
        {"serie", corpo("serie"), digita("14"), numero(&Esercizio::serie), "2", "14"},
        {"recupero minuti", corpo("recuperoMin"), digita("3"), numero(&Esercizio::recuperoMin), "1", "3"},
        {"recupero secondi", corpo("recuperoSec"), digita("45"), numero(&Esercizio::recuperoSec), "0", "45"},
        {"durata scritta", corpo("durata"), digita("60s"), testo(&Esercizio::durata), "45s", "60s"},
        {"frequenza scelta", corpo("frequenza"), sceglie(0), testo(&Esercizio::frequenza), "40Hz", "30Hz"},
        {"ampiezza scelta", corpo("ampiezza"), sceglie(0), testo(&Esercizio::ampiezza), "H", "L"},
        {"modalita scelta", corpo("modalita"), sceglie(2), testo(&Esercizio::modalita), "Combinata",
         "Dinamico a carico naturale"},
        {"note dell'esercizio", corpo("note"), digita("in punta di piedi"), testo(&Esercizio::note), "nota 1",
         "in punta di piedi"},
        {"istruttore", intestazione("Istruttore"), digita("Gino"), testata(&scheda::Istruttore), "Anna",
         "Gino"},
        {"obiettivo", intestazione("Obiettivo"), digita("Forma"), testata(&scheda::Obiettivo), "", "Forma"},
        {"note finali", intestazione("note"), digita("Bere molto"), [](const scheda& s) { return s.note; },
         "", "Bere molto"},
        {"frequenza settimanale", intestazione("FreqAllen"), digita("5"),
         [](const scheda& s) { return QString::number(static_cast<int>(s.FreqAllen)); }, "2", "5"},
        {"categoria", intestazione("categoria"), sceglie(3), [](const scheda& s) { return s.categoria; },
         "Tonificazione", "Riabilitazione"},
        {"dal", intestazione("dal"), digita("05/12/2026"), testata(&scheda::PeriodoDal), "01/12/2026",
         "05/12/2026"},
        {"al", intestazione("al"), digita("20/01/2027"), testata(&scheda::PeriodoAl), "31/12/2026",
         "20/01/2027"},
        {"giorni", intestazione("GGAllen"),
         [](QWidget* w) {
             auto* l = qobject_cast<QListWidget*>(w);
             l->setFocus(Qt::MouseFocusReason);
             l->item(2)->setCheckState(Qt::Checked);
             l->item(4)->setCheckState(Qt::Checked);
         },
         [](const scheda& s) { return s.GGAllen; }, "000000000", "001010000"},
    };
}

// Every kind of field: one visit is one step, undone and redone with the platform's keys while the
// focus is still in the field (the field's own undo does not take them) and with the toolbar.
TEST_F(Storia, OgniCampoSiAnnullaESiRipeteInUnPasso) {
    for (const CasoCampo& c : casiCampi()) {
        SCOPED_TRACE(c.nome);
        const std::int32_t id = schedaConEsercizi({1, 2, 3});
        mdiScheda& e = apri(id);
        scheda& s = card(e);
        QWidget* w = c.campo(e);
        ASSERT_NE(w, nullptr);
        EXPECT_FALSE(pulsante(e, "annulla")->isEnabled());
        EXPECT_FALSE(pulsante(e, "ripeti")->isEnabled());
        ASSERT_EQ(c.valore(s), QString::fromUtf8(c.prima));

        c.cambia(w);
        ASSERT_EQ(c.valore(s), QString::fromUtf8(c.dopo));
        EXPECT_TRUE(pulsante(e, "annulla")->isEnabled());
        s.isSaved = true;

        premi(e, QKeySequence::Undo);
        EXPECT_EQ(c.valore(s), QString::fromUtf8(c.prima));
        EXPECT_EQ(mostrato(w), QString::fromUtf8(c.prima));
        EXPECT_FALSE(s.isSaved);
        // The whole visit was one step, and nothing of the undo was recorded as a new one.
        EXPECT_FALSE(pulsante(e, "annulla")->isEnabled());
        EXPECT_TRUE(pulsante(e, "ripeti")->isEnabled());

        premi(e, QKeySequence::Redo);
        EXPECT_EQ(c.valore(s), QString::fromUtf8(c.dopo));
        EXPECT_EQ(mostrato(w), QString::fromUtf8(c.dopo));
        EXPECT_FALSE(pulsante(e, "ripeti")->isEnabled());

        attiva(*e.ToolbarSchede, "annulla");
        EXPECT_EQ(c.valore(s), QString::fromUtf8(c.prima));
        premi(e, QKeySequence(Qt::CTRL | Qt::Key_Y));
        EXPECT_EQ(c.valore(s), QString::fromUtf8(c.dopo));
        EXPECT_EQ(mostrato(w), QString::fromUtf8(c.dopo));
        EXPECT_TRUE(messaggi().testi().isEmpty()) << messaggi().testi().join('|').toStdString();
        scaricaEditorScheda();
    }
}

TEST_F(Storia, OgniVisitaAUnCampoEUnPassoASe) {
    mdiScheda& e = apri(schedaConEsercizi({1}));
    scheda& s = card(e);
    auto* istruttore = testa<QLineEdit>(e, "Istruttore");
    auto* peso = campo<QLineEdit>(e, 0, "peso");
    scrivi(istruttore, QStringLiteral("Gino"));
    lascia();
    scrivi(peso, QStringLiteral("2 kg"));
    scrivi(istruttore, QStringLiteral("Luca"));
    scrivi(peso, QStringLiteral("4 kg"));
    const struct {
        const char* istruttore;
        const char* peso;
    } attesi[] = {{"Luca", "2 kg"}, {"Gino", "2 kg"}, {"Gino", ""}, {"Anna", ""}};
    for (const auto& a : attesi) {
        premi(e, QKeySequence::Undo);
        EXPECT_EQ(s.Istruttore, QString::fromLatin1(a.istruttore));
        EXPECT_EQ(istruttore->text(), QString::fromLatin1(a.istruttore));
        EXPECT_EQ(s.esercizi.Item(1).peso, QString::fromLatin1(a.peso));
        EXPECT_EQ(peso->text(), QString::fromLatin1(a.peso));
    }
    EXPECT_FALSE(pulsante(e, "annulla")->isEnabled());
    EXPECT_TRUE(pulsante(e, "ripeti")->isEnabled());
    // Typed back to what it held: no step at all; but a change after undoing drops what could be
    // redone.
    scrivi(peso, QStringLiteral("x"));
    scrivi(peso, QString());
    EXPECT_FALSE(pulsante(e, "annulla")->isEnabled());
    EXPECT_FALSE(pulsante(e, "ripeti")->isEnabled());
}

TEST_F(Storia, AnnullareMostraLaPaginaDellaModificaEITempiLaSeguono) {
    mdiScheda& e = apri(schedaConEsercizi({1, 2, 3, 4, 5}));
    scheda& s = card(e);
    const QString tempiAperti = stato(e);
    scrivi(campo<QLineEdit>(e, 0, "serie"), QStringLiteral("3"));
    const QString tempiDopo = stato(e);
    EXPECT_NE(tempiDopo, tempiAperti);
    vs(e)->setValue(2);
    scrivi(campo<QLineEdit>(e, 1, "peso"), QStringLiteral("8 kg")); // exercise 4
    vs(e)->setValue(3);
    ASSERT_EQ(campo<QLabel>(e, 0, "nEsercizio")->text(), QStringLiteral("5"));

    premi(e, QKeySequence::Undo);
    EXPECT_EQ(vs(e)->value(), 2);
    EXPECT_EQ(campo<QLabel>(e, 1, "nEsercizio")->text(), QStringLiteral("4"));
    EXPECT_EQ(campo<QLineEdit>(e, 1, "peso")->text(), QString());
    EXPECT_EQ(stato(e), tempiDopo);

    premi(e, QKeySequence::Undo);
    EXPECT_EQ(vs(e)->value(), 1);
    EXPECT_EQ(campo<QLabel>(e, 0, "nEsercizio")->text(), QStringLiteral("1"));
    EXPECT_EQ(campo<QLineEdit>(e, 0, "serie")->text(), QStringLiteral("2"));
    EXPECT_EQ(static_cast<int>(s.esercizi.Item(1).serie), 2);
    EXPECT_EQ(stato(e), tempiAperti);

    // Redoing the later step goes back to its page; the body window is the one on top.
    premi(e, QKeySequence::Redo);
    premi(e, QKeySequence::Redo);
    EXPECT_EQ(vs(e)->value(), 2);
    EXPECT_EQ(campo<QLineEdit>(e, 1, "peso")->text(), QStringLiteral("8 kg"));
    EXPECT_EQ(e.area()->activeSubWindow()->widget(), e.corpo());
    EXPECT_EQ(stato(e), tempiDopo);
    EXPECT_EQ(s.esercizi.Item(4).peso, QStringLiteral("8 kg"));
}

TEST_F(Storia, UnaFiguraTrascinataEIlTipoDiEsercizioSiAnnullano) {
    mdiScheda& e = apri(0);
    scheda& s = card(e);
    auto* figura = campo<ImmagineEsercizio>(e, 1, "figura");
    trascina(figura, QStringLiteral("7"));
    ASSERT_EQ(s.esercizi.Item(2).id_fig, 7);
    trascina(figura, QStringLiteral("12"));
    ASSERT_EQ(s.esercizi.Item(2).id_fig, 12);
    auto* tab = campo<QTabBar>(e, 0, "TipoEsercizio");
    scrivi(campo<QPlainTextEdit>(e, 0, "note"), QStringLiteral("piano"));
    tab->setCurrentIndex(1);
    ASSERT_TRUE(s.esercizi.Item(1).isLibero);

    premi(e, QKeySequence::Undo);
    EXPECT_FALSE(s.esercizi.Item(1).isLibero);
    EXPECT_EQ(tab->currentIndex(), 0);
    EXPECT_TRUE(campo<QWidget>(e, 0, "FrameVibrana")->isVisible());
    EXPECT_FALSE(campo<QWidget>(e, 0, "FrameLibero")->isVisible());
    EXPECT_EQ(s.esercizi.Item(1).note, QStringLiteral("piano"));
    premi(e, QKeySequence::Undo); // the note
    EXPECT_EQ(s.esercizi.Item(1).note, QString());
    premi(e, QKeySequence::Undo);
    EXPECT_EQ(s.esercizi.Item(2).id_fig, 7);
    EXPECT_EQ(figura->Tag, QStringLiteral("7"));
    premi(e, QKeySequence::Undo);
    EXPECT_EQ(s.esercizi.Item(2).id_fig, 0);
    EXPECT_TRUE(figura->Tag.isEmpty());
    EXPECT_FALSE(pulsante(e, "annulla")->isEnabled());

    for (int i = 0; i < 4; ++i)
        premi(e, QKeySequence::Redo);
    EXPECT_EQ(figura->Tag, QStringLiteral("12"));
    EXPECT_FALSE(figura->pixmap().isNull());
    EXPECT_TRUE(s.esercizi.Item(1).isLibero);
    EXPECT_EQ(tab->currentIndex(), 1);
    EXPECT_EQ(campo<QPlainTextEdit>(e, 0, "noteLibero")->toPlainText(), QStringLiteral("piano"));
    // What is redone is what is saved.
    pulsante(e, "salva")->trigger();
    EXPECT_EQ(righe(s.id_scheda, QStringLiteral(" AND ID_Fig = 12 AND NProg = 2")), 1);
    EXPECT_EQ(righe(s.id_scheda, QStringLiteral(" AND isLibero <> 0")), 1);
}

TEST_F(Storia, InserireEdEliminareSiAnnullanoEUnEsercizioSalvatoTornaInArchivio) {
    const std::int32_t id = schedaConEsercizi({1, 2, 3});
    mdiScheda& e = apri(id);
    scheda& s = card(e);
    auto figure = [&s] {
        QList<int> f;
        for (const Esercizio& es : s.esercizi)
            f << es.id_fig;
        return f;
    };
    const QList<int> aperta = figure();
    ASSERT_EQ(aperta, (QList<int>{1, 2, 3, 0}));

    QTest::mouseClick(campo<QToolButton>(e, 1, "InserisciEsecizio"), Qt::LeftButton);
    ASSERT_EQ(figure(), (QList<int>{1, 0, 2, 3, 0, 0}));
    premi(e, QKeySequence::Undo);
    EXPECT_EQ(figure(), aperta);
    EXPECT_EQ(campo<ImmagineEsercizio>(e, 1, "figura")->Tag, QStringLiteral("2"));
    EXPECT_EQ(s.esercizi.Item(3).nprog, 3);
    EXPECT_EQ(vs(e)->maximum(), 3);
    premi(e, QKeySequence::Redo);
    EXPECT_EQ(figure(), (QList<int>{1, 0, 2, 3, 0, 0}));
    EXPECT_TRUE(campo<ImmagineEsercizio>(e, 1, "figura")->Tag.isEmpty());
    premi(e, QKeySequence::Undo);

    // Deleting a stored exercise takes it out of the card; its row goes with the next save, and an
    // undone deletion brings back the very exercise, row and all.
    const std::int32_t ctPrimo = s.esercizi.Item(1).ct;
    QTest::mouseClick(campo<QToolButton>(e, 0, "EliminaEsercizio"), Qt::LeftButton);
    ASSERT_EQ(righe(id), 3);
    ASSERT_EQ(figure(), (QList<int>{2, 3, 0, 0}));
    premi(e, QKeySequence::Undo);
    EXPECT_EQ(figure(), aperta);
    EXPECT_EQ(s.esercizi.Item(1).ct, ctPrimo);
    EXPECT_EQ(campo<ImmagineEsercizio>(e, 0, "figura")->Tag, QStringLiteral("1"));
    EXPECT_EQ(campo<QPlainTextEdit>(e, 0, "note")->toPlainText(), QStringLiteral("nota 1"));
    QTest::keyClick(&e, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(messaggi().testi().last(), QStringLiteral("Salvataggio effettuato"));
    EXPECT_EQ(righe(id), 3);
    EXPECT_EQ(righe(id, QStringLiteral(" AND ct = %1 AND ID_Fig = 1 AND NProg = 1 AND Note = 'nota 1' AND "
                                       "Durata = '45s'")
                            .arg(ctPrimo)),
              1);
    // The history outlives the save: redoing deletes the row at the next save.
    EXPECT_TRUE(pulsante(e, "ripeti")->isEnabled());
    premi(e, QKeySequence::Redo);
    EXPECT_EQ(righe(id), 3);
    QTest::keyClick(&e, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(righe(id), 2);
    EXPECT_EQ(righe(id, QStringLiteral(" AND ID_Fig = 1")), 0);
}

TEST_F(Storia, UnValoreRifiutatoNonDiventaMaiUnPasso) {
    mdiScheda& e = apri(schedaConEsercizi({1}));
    scheda& s = card(e);
    auto* serie = campo<QLineEdit>(e, 0, "serie");
    auto* peso = campo<QLineEdit>(e, 0, "peso");
    scrivi(peso, QStringLiteral("1 kg"));
    // Refused as long as it is shown: the undo keys are a command like any other.
    scrivi(serie, QStringLiteral("150"));
    premi(e, QKeySequence::Undo);
    EXPECT_EQ(messaggi().testi(), QStringList{QStringLiteral("Valore troppo grande!")});
    EXPECT_EQ(serie->text(), QStringLiteral("150"));
    EXPECT_EQ(peso->text(), QStringLiteral("1 kg"));
    EXPECT_TRUE(serie->hasFocus());
    scrivi(serie, QStringLiteral("15"));
    lascia();

    // A week's frequency its list refuses never reaches the card; the step goes from one accepted
    // value to the next.
    auto* frequenza = testa<QComboBox>(e, "FreqAllen");
    scrivi(frequenza, QStringLiteral("9"));
    ASSERT_EQ(static_cast<int>(s.FreqAllen), 2);
    messaggi().mostrati.clear();
    lascia();
    EXPECT_EQ(messaggi().testi(),
              QStringList{QStringLiteral("Selezionare un valore tra quelli disponibili!")});
    scrivi(frequenza, QStringLiteral("4"));
    lascia();
    messaggi().mostrati.clear();

    premi(e, QKeySequence::Undo);
    EXPECT_EQ(static_cast<int>(s.FreqAllen), 2);
    EXPECT_EQ(frequenza->currentText(), QStringLiteral("2"));
    premi(e, QKeySequence::Undo);
    EXPECT_EQ(static_cast<int>(s.esercizi.Item(1).serie), 2);
    EXPECT_EQ(serie->text(), QStringLiteral("2"));
    premi(e, QKeySequence::Undo);
    EXPECT_EQ(peso->text(), QString());
    EXPECT_FALSE(pulsante(e, "annulla")->isEnabled());
    premi(e, QKeySequence::Redo);
    premi(e, QKeySequence::Redo);
    EXPECT_EQ(serie->text(), QStringLiteral("15"));
    premi(e, QKeySequence::Redo);
    EXPECT_EQ(frequenza->currentText(), QStringLiteral("4"));
    EXPECT_TRUE(messaggi().testi().isEmpty()) << messaggi().testi().join('|').toStdString();
}

TEST_F(Storia, SalvareNonSvuotaLaStoriaEFineChiedeComeSempre) {
    const std::int32_t id = schedaConEsercizi({1});
    mdiScheda& e = apri(id);
    scheda& s = card(e);
    scrivi(testa<QLineEdit>(e, "Istruttore"), QStringLiteral("Gino"));
    pulsante(e, "salva")->trigger();
    ASSERT_TRUE(s.isSaved);
    // Typing on after the save is a step of its own.
    QTest::keyClicks(testa<QLineEdit>(e, "Istruttore"), QStringLiteral("ne"));
    premi(e, QKeySequence::Undo);
    EXPECT_EQ(s.Istruttore, QStringLiteral("Gino"));
    premi(e, QKeySequence::Undo);
    EXPECT_EQ(s.Istruttore, QStringLiteral("Anna"));
    EXPECT_FALSE(s.isSaved);
    messaggi().rispondi(Risposta::No);
    pulsante(e, "fine")->trigger();
    EXPECT_EQ(messaggi().testi().last(), QStringLiteral("Salvo le ultime modifiche?"));
    EXPECT_EQ(contaDiretto(
                  QStringLiteral("SELECT COUNT(*) FROM schede WHERE Istruttore = 'Gino' AND id_scheda = %1")
                      .arg(id)),
              1);

    // Opened again, the card has nothing to undo.
    mdiScheda& f = apri(id);
    EXPECT_FALSE(pulsante(f, "annulla")->isEnabled());
    EXPECT_FALSE(pulsante(f, "ripeti")->isEnabled());
    premi(f, QKeySequence::Undo);
    EXPECT_EQ(card(f).Istruttore, QStringLiteral("Gino"));
}

// Printing draws the card in memory and changes nothing of it: the history goes on, whatever was
// inserted before the print.
TEST_F(Storia, DopoLaStampaLaStoriaProsegue) {
    int stampe = 0;
    finestre().AnteprimaScheda = [&stampe](const scheda&) { ++stampe; };
    const std::int32_t id = schedaConEsercizi({1, 2});
    mdiScheda& e = apri(id);
    scrivi(campo<QLineEdit>(e, 1, "peso"), QStringLiteral("3 kg"));
    QTest::mouseClick(campo<QToolButton>(e, 0, "InserisciEsecizio"), Qt::LeftButton);
    messaggi().rispondi(Risposta::No);
    pulsante(e, "stampa")->trigger();
    ASSERT_EQ(stampe, 1);
    EXPECT_EQ(righe(id, QStringLiteral(" AND Peso = '3 kg'")), 0);
    EXPECT_TRUE(pulsante(e, "annulla")->isEnabled());
    premi(e, QKeySequence::Undo);
    EXPECT_EQ(card(e).esercizi.Item(1).id_fig, 1);
    EXPECT_EQ(campo<ImmagineEsercizio>(e, 0, "figura")->Tag, QStringLiteral("1"));
    premi(e, QKeySequence::Undo);
    EXPECT_EQ(card(e).esercizi.Item(2).peso, QString());
    EXPECT_EQ(campo<QLineEdit>(e, 1, "peso")->text(), QString());
    premi(e, QKeySequence::Redo);
    EXPECT_EQ(campo<QLineEdit>(e, 1, "peso")->text(), QStringLiteral("3 kg"));
    EXPECT_EQ(messaggi().testi(), QStringList{QStringLiteral(
                                      "La scheda ha modifiche non salvate.\nSalvarle prima della stampa?")});
}

TEST_F(Storia, NelModelloSiAnnullanoDescrizioneECategoria) {
    mdiScheda& e = apri(0, modelloProprio({4}));
    auto& modello = static_cast<SchedaModello&>(*e.scheda());
    auto* descrizione = e.intestazioneModello()->findChild<QPlainTextEdit*>(QStringLiteral("descrizione"));
    auto* categoria = e.intestazioneModello()->findChild<QComboBox*>(QStringLiteral("categoria"));
    ASSERT_TRUE(descrizione && categoria);
    scrivi(descrizione, QStringLiteral("Gambe"));
    scegli(categoria, 3);
    trascina(campo<ImmagineEsercizio>(e, 1, "figura"), QStringLiteral("5"));
    ASSERT_EQ(modello.esercizi.Item(2).id_fig, 5);
    for (int i = 0; i < 3; ++i)
        premi(e, QKeySequence::Undo);
    EXPECT_EQ(modello.descrizione, QStringLiteral("Proprio"));
    EXPECT_EQ(descrizione->toPlainText(), QStringLiteral("Proprio"));
    EXPECT_EQ(modello.categoria, QStringLiteral("Dimagrimento"));
    EXPECT_EQ(categoria->currentText(), QStringLiteral("Dimagrimento"));
    EXPECT_EQ(modello.esercizi.Item(2).id_fig, 0);
    EXPECT_FALSE(pulsante(e, "annulla")->isEnabled());
}

} // namespace
