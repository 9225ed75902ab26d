#include "ImmaginiDiProva.h"

#include "editor/CancelloEditor.h"
#include "editor/ImmaginiScheda.h"
#include "pictures/AlberoImmagini.h"
#include "pictures/BodyMap.h"
#include "pictures/FileConsegnati.h"
#include "pictures/GestoriListe.h"
#include "pictures/SchedaPreviewFigura.h"
#include "pictures/SchedaSelezioneFIGURE.h"

#include <QAbstractItemDelegate>
#include <QDrag>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionViewItem>
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>
#include <memory>

namespace {

QStringList testi(const QTreeWidget* tw) {
    QStringList r;
    for (int i = 0; i < tw->topLevelItemCount(); ++i)
        r << tw->topLevelItem(i)->text(0);
    return r;
}

QTreeWidgetItem* nodoConTesto(QTreeWidget* tw, const QString& testo) {
    const auto trovati = tw->findItems(testo, Qt::MatchExactly | Qt::MatchRecursive);
    return trovati.isEmpty() ? nullptr : trovati.first();
}

void clicca(QTreeWidget* tw, QTreeWidgetItem* nodo) {
    ASSERT_NE(nodo, nullptr);
    tw->scrollToItem(nodo);
    QTest::mouseClick(tw->viewport(), Qt::LeftButton, {}, tw->visualItemRect(nodo).center());
}

// The map's zone of a group, clicked as a user does.
void cliccaGruppo(SchedaSelezioneFIGURE& w, const QString& codice) {
    for (ZonaMappa* z : w.BodyMap1()->zone())
        if (z->codice() == codice) {
            QTest::mouseClick(z, Qt::LeftButton, {}, z->rect().center());
            return;
        }
    ADD_FAILURE() << "no zone for " << qPrintable(codice);
}

class Selezione : public ImmaginiDiProva {
protected:
    std::unique_ptr<SchedaSelezioneFIGURE> apri() {
        auto w = std::make_unique<SchedaSelezioneFIGURE>();
        w->show();
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
        return w;
    }
};

TEST_F(Selezione, AllAperturaMappaConIPettorali) {
    auto w = apri();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Selezione Esercizi"));
    EXPECT_EQ(w->size(), QSize(462, 509));
    ASSERT_EQ(w->TabStrip1()->count(), 2);
    EXPECT_EQ(w->TabStrip1()->tabText(0), QStringLiteral("Elenco Completo"));
    EXPECT_EQ(w->TabStrip1()->tabText(1), QStringLiteral("Per Gruppo Muscolare"));
    EXPECT_EQ(w->TabStrip1()->currentIndex(), 1);
    EXPECT_EQ(w->tabCorrente(), 2);
    EXPECT_TRUE(w->Frame1(2)->isVisible());
    EXPECT_FALSE(w->Frame1(1)->isVisible());
    EXPECT_EQ(testi(w->twImage()), (QStringList{QStringLiteral("[1]"), QStringLiteral("[12.5]")}));
    EXPECT_EQ(w->twImage()->currentItem(), w->twImage()->topLevelItem(0));
    EXPECT_TRUE(w->BodyMap1()->immagineMostrata().endsWith(QStringLiteral("Corpo_PET.JPG")));
    EXPECT_EQ(w->ultimoGruppo(), QStringLiteral("PET"));
    EXPECT_TRUE(messaggi().mostrati.empty()) << qPrintable(messaggi().testi().join(QLatin1Char('|')));
}

// In the editor's MDI area the frame takes the window's outer size, also once the area is shown.
TEST_F(Selezione, NellAreaMdiLaCorniceHaLaDimensioneDellaFinestra) {
    QMdiArea area;
    area.resize(1200, 900);
    QMdiSubWindow* sub = area.addSubWindow(new SchedaSelezioneFIGURE);
    EXPECT_EQ(sub->size(), QSize(462, 509));
    area.show();
    sub->show();
    EXPECT_EQ(sub->size(), QSize(462, 509));
    setPuoiChiudereEditor(false);
    EXPECT_FALSE(sub->close());
    EXPECT_TRUE(sub->isVisible());
}

TEST_F(Selezione, NodiConChiaveTestoImmagineETag) {
    auto w = apri();
    const QTreeWidgetItem* n = w->twImage()->topLevelItem(1);
    const QString chiave = percorso(QStringLiteral("images\\esercizi\\vibrana_012_5.JPG"));
    EXPECT_EQ(NodoAlbero::chiave(n), chiave);
    EXPECT_EQ(NodoAlbero::immagine(n), chiave);
    EXPECT_EQ(NodoAlbero::tag(n).toLongLong(), 13);
    EXPECT_EQ(n->icon(0).pixmap(150, 150).toImage(), immaginiScheda()->ImageList2.immagine(chiave).toImage());
    EXPECT_FALSE(n->flags() & Qt::ItemIsEditable);
    EXPECT_EQ(w->twImage()->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(w->twFolder()->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(Selezione, CartelleUnaPerNomeDiMuscolo) {
    auto w = apri();
    QTreeWidget* tf = w->twFolder();
    ASSERT_EQ(tf->topLevelItemCount(), 1);
    QTreeWidgetItem* radice = tf->topLevelItem(0);
    EXPECT_EQ(radice->text(0), QStringLiteral("Elenco Completo"));
    EXPECT_EQ(NodoAlbero::chiave(radice), QStringLiteral("root"));
    QStringList nomi;
    for (int i = 0; i < radice->childCount(); ++i)
        nomi << radice->child(i)->text(0);
    EXPECT_EQ(nomi, (QStringList{"Addominali", "Adduttori", "Bicipiti", "Deltoidi", "Dorsali", "Fianchi",
                                 "Glutei", "Ischiocrurali", "Lombari", "Pettorali", "Polpacci",
                                 "Quadricipiti", "Trapezio", "Tricipiti"}));
    EXPECT_TRUE((QStringList{"DAL", "DEP"})
                    .contains(NodoAlbero::chiave(nodoConTesto(tf, QStringLiteral("Deltoidi")))));
    EXPECT_EQ(NodoAlbero::chiave(nodoConTesto(tf, QStringLiteral("Pettorali"))), QStringLiteral("PET"));
    EXPECT_EQ(NodoAlbero::immagine(radice), QStringLiteral("Cartella"));
    EXPECT_EQ(tf->currentItem(), radice);
}

TEST_F(Selezione, UnaCartellaElencaLeSueFigureUnaVolta) {
    auto w = apri();
    w->TabStrip1()->setCurrentIndex(0);
    ASSERT_EQ(w->tabCorrente(), 1);
    const struct {
        QString cartella;
        QStringList attese;
    } casi[] = {
        {QStringLiteral("Elenco Completo"), {"[1]", "[2]", "[3]", "[4]", "[12.5]"}},
        {QStringLiteral("Deltoidi"), {"[2]", "[3]"}}, // two muscles of that name, figure 2 trains both
        {QStringLiteral("Glutei"), {"[12.5]"}},
        {QStringLiteral("Addominali"), {}},
    };
    for (const auto& c : casi) {
        clicca(w->twFolder(), nodoConTesto(w->twFolder(), c.cartella));
        EXPECT_EQ(testi(w->twImage()), c.attese) << qPrintable(c.cartella);
        EXPECT_EQ(w->ultimoGruppo(), c.cartella);
    }
    // Keys are unique even where a figure matched twice.
    clicca(w->twFolder(), nodoConTesto(w->twFolder(), QStringLiteral("Deltoidi")));
    EXPECT_EQ(messaggi().mostrati.size(), 0u);
}

TEST_F(Selezione, CambiTabSvuotanoERiempiono) {
    auto w = apri();
    w->TabStrip1()->setCurrentIndex(0); // to the folders: the selected folder (the root) is listed
    EXPECT_TRUE(w->Frame1(1)->isVisible());
    EXPECT_FALSE(w->Frame1(2)->isVisible());
    EXPECT_EQ(testi(w->twImage()).size(), 5);
    EXPECT_TRUE(w->twFolder()->hasFocus());

    w->TabStrip1()->setCurrentIndex(1); // to the map: empty list, plain body, no group
    EXPECT_TRUE(w->Frame1(2)->isVisible());
    EXPECT_EQ(w->twImage()->topLevelItemCount(), 0);
    EXPECT_TRUE(w->BodyMap1()->immagineMostrata().endsWith(QStringLiteral("corpo.JPG")));
    EXPECT_TRUE(w->ultimoGruppo().isEmpty());

    w->TabStrip1()->setCurrentIndex(0); // back: listed again although it was listed before
    EXPECT_EQ(testi(w->twImage()).size(), 5);

    w->TabStrip1()->setCurrentIndex(1);
    cliccaGruppo(*w, QStringLiteral("QUA"));
    EXPECT_EQ(testi(w->twImage()), QStringList{QStringLiteral("[4]")});
    EXPECT_TRUE(w->BodyMap1()->immagineMostrata().endsWith(QStringLiteral("Corpo_QUA.JPG")));
}

// A second click on the group shown reloads nothing: a figure added meanwhile does not appear, and the
// map keeps whatever picture it has (no changeMuscle, so no sound either).
TEST_F(Selezione, StessoGruppoNonRicarica) {
    auto w = apri();
    cliccaGruppo(*w, QStringLiteral("GLU"));
    ASSERT_EQ(testi(w->twImage()), QStringList{QStringLiteral("[12.5]")});
    eseguiDiretto(QStringLiteral("INSERT INTO figure_muscoli (id_fig, id_muscolo) VALUES (1, 'GLU');"));
    w->BodyMap1()->changeBackground(percorso(FileConsegnati::corpo));

    cliccaGruppo(*w, QStringLiteral("GLU"));
    EXPECT_EQ(testi(w->twImage()), QStringList{QStringLiteral("[12.5]")});
    EXPECT_TRUE(w->BodyMap1()->immagineMostrata().endsWith(QStringLiteral("corpo.JPG")));

    // The same for a folder.
    w->TabStrip1()->setCurrentIndex(0);
    clicca(w->twFolder(), nodoConTesto(w->twFolder(), QStringLiteral("Pettorali")));
    ASSERT_EQ(testi(w->twImage()), (QStringList{"[1]", "[12.5]"}));
    eseguiDiretto(QStringLiteral("INSERT INTO figure_muscoli (id_fig, id_muscolo) VALUES (3, 'PET');"));
    clicca(w->twFolder(), nodoConTesto(w->twFolder(), QStringLiteral("Pettorali")));
    EXPECT_EQ(testi(w->twImage()), (QStringList{"[1]", "[12.5]"}));

    // Another group, then the first again: now it is read afresh.
    clicca(w->twFolder(), nodoConTesto(w->twFolder(), QStringLiteral("Glutei")));
    EXPECT_EQ(testi(w->twImage()), (QStringList{"[1]", "[12.5]"}));
    clicca(w->twFolder(), nodoConTesto(w->twFolder(), QStringLiteral("Pettorali")));
    EXPECT_EQ(testi(w->twImage()), (QStringList{"[1]", "[3]", "[12.5]"}));
}

TEST_F(Selezione, FrecceNelleCartelleElencanoComeUnClic) {
    auto w = apri();
    w->TabStrip1()->setCurrentIndex(0);
    w->twFolder()->setFocus();
    QTest::keyClick(w->twFolder(), Qt::Key_Down); // the first folder, "Addominali"
    EXPECT_EQ(w->ultimoGruppo(), QStringLiteral("Addominali"));
    EXPECT_EQ(w->twImage()->topLevelItemCount(), 0);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(w->twFolder(), Qt::Key_Down); // "Deltoidi"
    EXPECT_EQ(testi(w->twImage()), (QStringList{"[2]", "[3]"}));
}

TEST_F(Selezione, SenzaGruppoUnAvvisoELaListaResta) {
    QTreeWidget tw;
    GestoreListaIMG g;
    g.tw = &tw;
    g.init(immaginiScheda()->ImageList2);
    g.muscolo = QStringLiteral("PET");
    g.aggiorna();
    ASSERT_EQ(testi(&tw), (QStringList{"[1]", "[12.5]"}));
    g.muscolo.clear();
    g.aggiorna();
    EXPECT_EQ(messaggi().testi(), QStringList{QStringLiteral("Selezionare un gruppo muscolare!")});
    EXPECT_EQ(messaggi().mostrati.at(0).tipo, TipoMessaggio::Errore);
    EXPECT_EQ(testi(&tw), (QStringList{"[1]", "[12.5]"}));
}

// Counts the progress windows shown while it lives.
class SpiaAvanzamento : public QObject {
public:
    SpiaAvanzamento() { qApp->installEventFilter(this); }
    ~SpiaAvanzamento() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && o->objectName() == QLatin1String("Tool_BarProg"))
            ++mostrate;
        return false;
    }
    int mostrate = 0;
};

// The progress window shows for more than ten catalogue entries (one per figure and muscle when a
// group is listed), not for ten.
TEST_F(Selezione, AvanzamentoSoloOltreDieciVoci) {
    QTreeWidget tw;
    GestoreListaIMG g;
    g.tw = &tw;
    g.init(immaginiScheda()->ImageList2);
    g.muscolo = QStringLiteral("QUA");
    // 7 pairs in the fixture; 3 more make 10, one more 11.
    eseguiDiretto(QStringLiteral(
        "INSERT INTO figure_muscoli (id_fig, id_muscolo) VALUES (1, 'BIC'), (3, 'BIC'), (5, 'BIC');"));
    {
        SpiaAvanzamento spia;
        g.aggiorna();
        EXPECT_EQ(spia.mostrate, 0);
    }
    eseguiDiretto(QStringLiteral("INSERT INTO figure_muscoli (id_fig, id_muscolo) VALUES (13, 'BIC');"));
    {
        SpiaAvanzamento spia;
        g.aggiorna();
        EXPECT_EQ(spia.mostrate, 1);
    }
    EXPECT_EQ(testi(&tw), QStringList{QStringLiteral("[4]")});
}

TEST_F(Selezione, EsisteChiaveATuttiILivelliConMaiuscoleDistinte) {
    QTreeWidget tw;
    auto* radice = new QTreeWidgetItem(&tw);
    radice->setData(0, NodoAlbero::Chiave, QStringLiteral("root"));
    auto* figlio = new QTreeWidgetItem(radice);
    figlio->setData(0, NodoAlbero::Chiave, QStringLiteral("PET"));
    const struct {
        QString chiave;
        bool attesa;
    } casi[] = {{"root", true}, {"PET", true}, {"pet", false}, {"Root", false}, {"", false}, {"PE", false}};
    for (const auto& c : casi)
        EXPECT_EQ(TreeViewHelper::esisteChiave(&tw, c.chiave), c.attesa) << qPrintable(c.chiave);
}

TEST_F(Selezione, TrascinarePortaLIdentificativoNonIlNumero) {
    auto w = apri(); // PET: [1] (id 1) and [12.5] (id 13)
    AlberoImmagini* t = w->twImage();
    QTreeWidgetItem* nodo = t->topLevelItem(1);
    ASSERT_EQ(nodo->text(0), QStringLiteral("[12.5]"));

    // What the view puts on the clipboard for a drag of that row.
    const QModelIndex indice = t->model()->index(1, 0);
    std::unique_ptr<QMimeData> dati(t->model()->mimeData({indice}));
    ASSERT_NE(dati, nullptr);
    EXPECT_EQ(dati->text(), QStringLiteral("13"));
    EXPECT_EQ(t->model()->supportedDragActions(), Qt::CopyAction);
    EXPECT_TRUE(t->model()->flags(indice) & Qt::ItemIsDragEnabled);

    // A press on the node, then the drag the view would run.
    t->scrollToItem(nodo);
    QTest::mousePress(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(nodo).center());
    EXPECT_EQ(t->nodoPremuto(), nodo);
    std::unique_ptr<QDrag> drag(t->preparaTrascinamento());
    ASSERT_NE(drag, nullptr);
    EXPECT_EQ(drag->mimeData()->text(), QStringLiteral("13"));
    EXPECT_FALSE(drag->pixmap().isNull());
    QTest::mouseRelease(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(nodo).center());

    // A press on empty space starts nothing.
    QTest::mousePress(t->viewport(), Qt::LeftButton, {}, QPoint(5, t->viewport()->height() - 3));
    EXPECT_EQ(t->nodoPremuto(), nullptr);
    EXPECT_EQ(t->preparaTrascinamento(), nullptr);
    QTest::mouseRelease(t->viewport(), Qt::LeftButton, {}, QPoint(5, t->viewport()->height() - 3));

    // A refill forgets the pressed node.
    QTest::mousePress(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(t->topLevelItem(0)).center());
    cliccaGruppo(*w, QStringLiteral("QUA"));
    EXPECT_EQ(t->nodoPremuto(), nullptr);
}

class ConAnteprima : public Selezione {
protected:
    void SetUp() override {
        Selezione::SetUp();
        w = apri();
        w->setPreview(&anteprima);
    }
    void TearDown() override {
        w.reset();
        Selezione::TearDown();
    }
    SchedaPreviewFigura anteprima;
    std::unique_ptr<SchedaSelezioneFIGURE> w;
};

TEST_F(ConAnteprima, ZoomMostraLImmagineSelezionataEIClicLaSeguono) {
    QTreeWidget* t = w->twImage();
    clicca(t, t->topLevelItem(1)); // preview hidden: nothing loaded
    EXPECT_TRUE(anteprima.immagine().isEmpty());

    QTest::mouseClick(w->cmdZoom(), Qt::LeftButton);
    EXPECT_TRUE(anteprima.visibile());
    EXPECT_EQ(anteprima.immagine(), NodoAlbero::chiave(t->topLevelItem(1)));

    clicca(t, t->topLevelItem(0)); // open preview follows
    EXPECT_EQ(anteprima.immagine(), NodoAlbero::chiave(t->topLevelItem(0)));
    t->setFocus();
    QTest::keyClick(t, Qt::Key_Down); // with the keys too
    EXPECT_EQ(anteprima.immagine(), NodoAlbero::chiave(t->topLevelItem(1)));

    // A refill selects its first node without loading it into the preview.
    cliccaGruppo(*w, QStringLiteral("QUA"));
    ASSERT_EQ(testi(t), QStringList{QStringLiteral("[4]")});
    EXPECT_EQ(anteprima.immagine(), percorso(QStringLiteral("images\\esercizi\\vibrana_012_5.JPG")));
    EXPECT_TRUE(messaggi().mostrati.empty());
}

TEST_F(ConAnteprima, ZoomConListaVuotaMostraSoloLAvviso) {
    w->TabStrip1()->setCurrentIndex(0);
    w->TabStrip1()->setCurrentIndex(1); // the map again: empty list
    ASSERT_EQ(w->twImage()->topLevelItemCount(), 0);
    QTest::mouseClick(w->cmdZoom(), Qt::LeftButton);
    EXPECT_TRUE(anteprima.visibile());
    EXPECT_TRUE(anteprima.immagine().isEmpty());
    EXPECT_TRUE(messaggi().mostrati.empty());
}

TEST_F(ConAnteprima, ImmagineDiEsercizioMancanteSegnalataConIlNome) {
    rimuovi(QStringLiteral("images\\esercizi\\vibrana_001.JPG"));
    QTest::mouseClick(w->cmdZoom(), Qt::LeftButton); // first node: figure 1
    ASSERT_EQ(messaggi().mostrati.size(), 1u);
    EXPECT_TRUE(messaggi().testi().at(0).contains(QStringLiteral("vibrana_001.JPG")))
        << qPrintable(messaggi().testi().at(0));
    // Still usable: another picture loads.
    clicca(w->twImage(), w->twImage()->topLevelItem(1));
    QTest::mouseClick(w->cmdZoom(), Qt::LeftButton);
    EXPECT_EQ(anteprima.immagine(), NodoAlbero::chiave(w->twImage()->topLevelItem(1)));
}

TEST_F(Selezione, ImmagineDellaMappaMancanteSegnalataELElencoCeLoStesso) {
    rimuovi(FileConsegnati::corpoGruppo(QStringLiteral("PET")));
    auto w = apri();
    ASSERT_EQ(messaggi().mostrati.size(), 1u);
    EXPECT_TRUE(messaggi().testi().at(0).contains(QStringLiteral("Corpo_PET.JPG")))
        << qPrintable(messaggi().testi().at(0));
    EXPECT_EQ(testi(w->twImage()), (QStringList{"[1]", "[12.5]"}));
    cliccaGruppo(*w, QStringLiteral("QUA"));
    EXPECT_EQ(testi(w->twImage()), QStringList{QStringLiteral("[4]")});
    EXPECT_EQ(messaggi().mostrati.size(), 1u);
}

// F1 from any control opens the help (here: its file is not set, so the message about it shows).
TEST_F(Selezione, F1ApreLaGuida) {
    auto w = apri();
    SchedaPreviewFigura anteprima;
    anteprima.show();
    QWidget* dove[] = {w->twImage(), w->twFolder(), w->cmdZoom(), &anteprima};
    for (QWidget* controllo : dove) {
        messaggi().mostrati.clear();
        QTest::keyClick(controllo, Qt::Key_F1);
        ASSERT_EQ(messaggi().mostrati.size(), 1u) << qPrintable(controllo->objectName());
        EXPECT_TRUE(messaggi().testi().at(0).startsWith(QStringLiteral("Impossibile trovare la guida")));
    }
}

TEST_F(Selezione, SiChiudeSoloQuandoLEditorLoPermette) {
    auto w = apri();
    setPuoiChiudereEditor(false);
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->ultimoGruppo().isEmpty()); // a refused close still forgets the group
    cliccaGruppo(*w, QStringLiteral("PET"));  // so the same group is read again
    EXPECT_EQ(w->ultimoGruppo(), QStringLiteral("PET"));
    setPuoiChiudereEditor(true);
    EXPECT_TRUE(w->close());
    EXPECT_FALSE(w->isVisible());
}

} // namespace

TEST_F(Selezione, IlNumeroDellaFiguraSiLeggeIntero) {
    auto w = apri();
    QTest::mouseClick(w->TabStrip1(), Qt::LeftButton, {}, w->TabStrip1()->tabRect(0).center());
    QTreeWidget* tw = w->twImage();
    // Every figure: more than the list shows at once, so its scroll bar takes its part of the width.
    ASSERT_EQ(testi(tw).size(), 5);
    QApplication::processEvents();
    ASSERT_TRUE(tw->verticalScrollBar()->isVisible());
    // What the item needs, picture and number, fits the list's width: nothing is elided.
    for (int i = 0; i < tw->topLevelItemCount(); ++i) {
        QStyleOptionViewItem opzione;
        opzione.initFrom(tw->viewport());
        opzione.font = tw->font();
        opzione.decorationSize = tw->iconSize();
        const QModelIndex indice = tw->model()->index(i, 0);
        const QSize serve = tw->itemDelegateForIndex(indice)->sizeHint(opzione, indice);
        EXPECT_LE(serve.width(), tw->viewport()->width()) << tw->topLevelItem(i)->text(0).toStdString();
        EXPECT_GE(tw->visualRect(indice).height(), serve.height());
    }
}
