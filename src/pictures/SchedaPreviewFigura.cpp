#include "pictures/SchedaPreviewFigura.h"

#include "base/Errore.h"
#include "base/Twips.h"
#include "editor/CancelloEditor.h"
#include "pictures/FinestraFiglia.h"
#include "pictures/LeggiImmagine.h"
#include "shell/ImmaginiProgramma.h"
#include "ui_SchedaPreviewFigura.h"

#include <QCloseEvent>
#include <cmath>

namespace {
constexpr double passoZoom = 1.2;
}

SchedaPreviewFigura::SchedaPreviewFigura(QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::SchedaPreviewFigura>()) {
    ui_->setupUi(this);
    ui_->Image1->setGeometry(twips::rettangolo(0, 0, 5775, 5775));
    ui_->Label1->setGeometry(twips::rettangolo(675, 2385, 4470, 480));
    ui_->ZoomPiu->setGeometry(twips::rettangolo(4335, 15, 480, 255));
    ui_->ZoomMeno->setGeometry(twips::rettangolo(4815, 15, 480, 255));
    ui_->cmdClose->setGeometry(twips::rettangolo(5295, 15, 480, 255));
    ui_->cmdClose->setIcon(ImmaginiProgramma::icona(QStringLiteral("window-close")));

    connect(ui_->ZoomPiu, &QPushButton::clicked, this, [this] { ZoomPiu_Click(); });
    connect(ui_->ZoomMeno, &QPushButton::clicked, this, [this] { ZoomMeno_Click(); });
    connect(ui_->cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
    FinestraFiglia::collegaGuida(this);
    FinestraFiglia::mantieniDimensione(this, [this] { return dimensioneEsterna(); });
}

SchedaPreviewFigura::~SchedaPreviewFigura() = default;

QLabel* SchedaPreviewFigura::Image1() const {
    return ui_->Image1;
}

QLabel* SchedaPreviewFigura::Label1() const {
    return ui_->Label1;
}

void SchedaPreviewFigura::LoadImage(const QString& link) {
    if (link.isEmpty()) {
        ui_->Image1->clear();
        immagine_.clear();
        return;
    }
    const QImage letta =
        leggiImmagineOErrore(link, QStringLiteral("Impossibile caricare l'immagine dell'esercizio:"),
                             QStringLiteral("SchedaPreviewFigura"));
    ui_->Image1->setPixmap(QPixmap::fromImage(letta));
    immagine_ = link;
}

void SchedaPreviewFigura::Show() {
    QWidget* c = FinestraFiglia::cornice(this);
    show();
    c->show();
    c->raise();
}

bool SchedaPreviewFigura::visibile() const {
    return FinestraFiglia::cornice(const_cast<SchedaPreviewFigura*>(this))->isVisible() && !isHidden();
}

QSize SchedaPreviewFigura::dimensioneEsterna() const {
    // Drawn as 5850 x 6150 twips around a 5775-twip picture, for a thinner frame than today's
    // styles give: the start size is at least the picture area and its buttons whole in this frame.
    QSize base(twips::aPixel(5850), twips::aPixel(6150));
    const QWidget* c = FinestraFiglia::cornice(const_cast<SchedaPreviewFigura*>(this));
    if (c != this) {
        const QMargins m = c->contentsMargins();
        const int lato = twips::aPixel(5775);
        base = base.expandedTo(QSize(lato + m.left() + m.right(), lato + m.top() + m.bottom()));
    }
    const double fattore = std::pow(passoZoom, zoom_);
    return QSize(static_cast<int>(std::lround(base.width() * fattore)),
                 static_cast<int>(std::lround(base.height() * fattore)));
}

void SchedaPreviewFigura::ZoomPiu_Click() {
    ++zoom_;
    applicaDimensione();
}

void SchedaPreviewFigura::ZoomMeno_Click() {
    --zoom_;
    applicaDimensione();
}

void SchedaPreviewFigura::cmdClose_Click() {
    FinestraFiglia::cornice(this)->hide();
}

void SchedaPreviewFigura::applicaDimensione() {
    FinestraFiglia::impostaDimensioneEsterna(this, dimensioneEsterna());
}

void SchedaPreviewFigura::closeEvent(QCloseEvent* e) {
    if (puoiChiudereEditor())
        e->accept();
    else
        e->ignore();
}
