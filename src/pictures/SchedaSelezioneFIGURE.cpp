#include "pictures/SchedaSelezioneFIGURE.h"

#include "base/Messaggi.h"
#include "base/Twips.h"
#include "editor/CancelloEditor.h"
#include "editor/ImmaginiScheda.h"
#include "pictures/AlberoImmagini.h"
#include "pictures/BodyMap.h"
#include "pictures/FinestraFiglia.h"
#include "pictures/SchedaPreviewFigura.h"
#include "shell/ImmaginiProgramma.h"
#include "ui_SchedaSelezioneFIGURE.h"

#include <QCloseEvent>
#include <QTabBar>

namespace {

const QString chiaveCartella = QStringLiteral("Cartella");

// The editor's picture lists, decoded now if this is their first use; before start-up has prepared
// them, empty ones (nodes without pictures).
const ImmaginiScheda& liste() {
    if (const ImmaginiScheda* caricate = immaginiSchedaComplete())
        return *caricate;
    static const ImmaginiScheda vuote;
    return vuote;
}

} // namespace

SchedaSelezioneFIGURE::SchedaSelezioneFIGURE(QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::SchedaSelezioneFIGURE>()) {
    ui_->setupUi(this);
    ui_->TabStrip1->setGeometry(twips::rettangolo(-15, 0, 375, 7215));
    ui_->Frame1_1->setGeometry(twips::rettangolo(360, 0, 6405, 7215));
    ui_->twFolder->setGeometry(twips::rettangolo(105, 240, 2970, 6450));
    ui_->Frame1_2->setGeometry(twips::rettangolo(360, 0, 6390, 7200));
    ui_->Label1->setGeometry(twips::rettangolo(30, 240, 3135, 375));
    ui_->BodyMap1->move(twips::rettangolo(165, 705, 2835, 3015).topLeft());
    ui_->twImage->setGeometry(twips::rettangolo(3495, 240, 3180, 6870));
    ui_->cmdZoom->setGeometry(twips::rettangolo(465, 6690, 2955, 480));
    QFont verdana = ui_->Label1->font();
    verdana.setPointSizeF(8.25);
    ui_->Label1->setFont(verdana);
    // Its two lines take a little more than the design's height in the fonts found here; the body
    // map below leaves room for them.
    const int altezzaTesto = ui_->Label1->heightForWidth(ui_->Label1->width());
    if (altezzaTesto > ui_->Label1->height())
        ui_->Label1->resize(ui_->Label1->width(), qMin(altezzaTesto, ui_->BodyMap1->y() - ui_->Label1->y()));
    ui_->cmdZoom->setIcon(ImmaginiProgramma::icona(QStringLiteral("zoom-in")));

    ui_->TabStrip1->setShape(QTabBar::RoundedWest);
    ui_->TabStrip1->setExpanding(false);
    ui_->TabStrip1->setDrawBase(false);
    ui_->TabStrip1->addTab(QStringLiteral("Elenco Completo"));
    ui_->TabStrip1->addTab(QStringLiteral("Per Gruppo Muscolare"));
    ui_->Frame1_1->hide();
    ui_->Frame1_2->show();
    setTabOrder(ui_->TabStrip1, ui_->twFolder);
    setTabOrder(ui_->twFolder, ui_->twImage);
    setTabOrder(ui_->twImage, ui_->cmdZoom);

    connect(ui_->TabStrip1, &QTabBar::currentChanged, this, [this](int i) { TabStrip1_Click(i + 1); });
    connect(ui_->BodyMap1, &BodyMap::Change, this, [this](QString& gruppo) { BodyMap1_Change(gruppo); });
    // A click, or the arrow keys, on a folder lists its pictures.
    connect(ui_->twFolder, &QTreeWidget::itemClicked, this, [this] { mostraCartellaSelezionata(); });
    connect(ui_->twFolder, &QTreeWidget::currentItemChanged, this, [this] {
        if (!riempimento_ && tabCorrente_ == 1)
            mostraCartellaSelezionata();
    });
    connect(ui_->twImage, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* n) { twImage_NodeClick(n); });
    connect(ui_->twImage, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* n) {
        if (!riempimento_)
            twImage_NodeClick(n);
    });
    connect(ui_->cmdZoom, &QPushButton::clicked, this, [this] { cmdZoom_Click(); });
    FinestraFiglia::collegaGuida(this);

    // Load.
    FinestraFiglia::mantieniDimensione(this, [] { return QSize(twips::aPixel(6930), twips::aPixel(7635)); });
    riempimento_ = true;
    proteggi([this] { inizializzaListaCartelle(); });
    riempimento_ = false;
    inizializzaListaImmagini();
    tabCorrente_ = 2;
    ui_->TabStrip1->setCurrentIndex(1);
    proteggi([this] { ui_->BodyMap1->onLoad(); });
    QString iniziale = QStringLiteral("PET");
    BodyMap1_Change(iniziale);
}

SchedaSelezioneFIGURE::~SchedaSelezioneFIGURE() = default;

void SchedaSelezioneFIGURE::setPreview(SchedaPreviewFigura* preview) {
    preview_ = preview;
}

QTabBar* SchedaSelezioneFIGURE::TabStrip1() const {
    return ui_->TabStrip1;
}
QWidget* SchedaSelezioneFIGURE::Frame1(int indice) const {
    return indice == 1 ? ui_->Frame1_1 : ui_->Frame1_2;
}
QTreeWidget* SchedaSelezioneFIGURE::twFolder() const {
    return ui_->twFolder;
}
AlberoImmagini* SchedaSelezioneFIGURE::twImage() const {
    return ui_->twImage;
}
BodyMap* SchedaSelezioneFIGURE::BodyMap1() const {
    return ui_->BodyMap1;
}
QPushButton* SchedaSelezioneFIGURE::cmdZoom() const {
    return ui_->cmdZoom;
}

void SchedaSelezioneFIGURE::inizializzaListaCartelle() {
    gestoreCartelle_ = std::make_unique<GestoreListaFolder>();
    gestoreCartelle_->tw = ui_->twFolder;
    gestoreCartelle_->init(liste().ImageList1);
    gestoreCartelle_->fillList();
}

void SchedaSelezioneFIGURE::inizializzaListaImmagini() {
    gestoreImmagini_ = std::make_unique<GestoreListaIMG>();
    gestoreImmagini_->tw = ui_->twImage;
    gestoreImmagini_->init(liste().ImageList2);
}

void SchedaSelezioneFIGURE::riempiImmagini() {
    ui_->twImage->hide();
    riempimento_ = true;
    proteggi([this] { gestoreImmagini_->aggiorna(); });
    riempimento_ = false;
    ui_->twImage->show();
    // Laid out only now that it shows again: bring the selected node into view.
    if (QTreeWidgetItem* nodo = ui_->twImage->currentItem())
        ui_->twImage->scrollToItem(nodo, QAbstractItemView::PositionAtTop);
}

void SchedaSelezioneFIGURE::TabStrip1_Click(int indice) {
    if (indice == tabCorrente_)
        return;
    Frame1(indice)->show();
    Frame1(tabCorrente_)->hide();
    tabCorrente_ = indice;
    ui_->twImage->hide();
    ui_->twImage->clear();
    ui_->twImage->show();
    if (indice == 1) {
        ui_->twFolder->setFocus();
        mostraCartellaSelezionata();
    } else {
        ultimoGruppo_.clear();
        proteggi([this] { ui_->BodyMap1->onLoad(); });
    }
}

void SchedaSelezioneFIGURE::BodyMap1_Change(QString& gruppo) {
    if (gruppo != ultimoGruppo_) {
        // A missing highlighted picture is reported; the group's pictures are listed all the same.
        proteggi([&] { ui_->BodyMap1->changeMuscle(gruppo); });
        gestoreImmagini_->gruppo.clear();
        gestoreImmagini_->muscolo = gruppo;
        riempiImmagini();
    }
    ultimoGruppo_ = gruppo;
}

void SchedaSelezioneFIGURE::mostraCartellaSelezionata() {
    QTreeWidgetItem* nodo = ui_->twFolder->currentItem();
    if (!nodo)
        return;
    QString k = NodoAlbero::chiave(nodo);
    const QString t = nodo->text(0);
    if (t != ultimoGruppo_) {
        // Muscle codes have at most three characters: a longer key is the root, every picture.
        if (k.size() > 3)
            k = QStringLiteral("*");
        gestoreImmagini_->muscolo = k;
        gestoreImmagini_->gruppo = t;
        riempiImmagini();
    }
    ultimoGruppo_ = t;
}

void SchedaSelezioneFIGURE::twImage_NodeClick(QTreeWidgetItem* nodo) {
    if (!nodo || !preview_)
        return;
    const QString chiave = NodoAlbero::immagine(nodo);
    if (chiave != chiaveCartella && preview_->visibile())
        proteggi([&] { preview_->LoadImage(chiave); });
}

// With an empty list there is nothing to enlarge: the preview opens with its hint.
void SchedaSelezioneFIGURE::cmdZoom_Click() {
    if (!preview_)
        return;
    proteggi([this] {
        if (QTreeWidgetItem* nodo = ui_->twImage->currentItem())
            preview_->LoadImage(NodoAlbero::immagine(nodo));
        preview_->Show();
    });
}

void SchedaSelezioneFIGURE::closeEvent(QCloseEvent* e) {
    ultimoGruppo_.clear();
    if (puoiChiudereEditor())
        e->accept();
    else
        e->ignore();
}
