#include "pictures/BodyMap.h"

#include "base/CartellaProgramma.h"
#include "base/Errore.h"
#include "base/Twips.h"
#include "pictures/FileConsegnati.h"
#include "pictures/LeggiImmagine.h"
#include "pictures/SuonoClic.h"
#include "pictures/ZoneMappa.h"
#include "ui_BodyMap.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QThreadPool>
#include <ranges>

ZonaMappa::ZonaMappa(const QString& codice, QWidget* genitore) : QWidget(genitore), codice_(codice) {
    setCursor(Qt::CrossCursor);
    setAttribute(Qt::WA_NoSystemBackground);
}

void ZonaMappa::setBordo(bool visibile) {
    bordo_ = visibile;
    update();
}

void ZonaMappa::paintEvent(QPaintEvent*) {
    if (!bordo_)
        return;
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ZonaMappa::mousePressEvent(QMouseEvent* e) {
    premuta_ = e->button() == Qt::LeftButton;
}

// A click is a press and a release over the same zone, as with a button.
void ZonaMappa::mouseReleaseEvent(QMouseEvent* e) {
    const bool clic = premuta_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    premuta_ = false;
    if (clic)
        emit cliccata(codice_);
}

BodyMap::BodyMap(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::BodyMap>()) {
    ui_->setupUi(this);
    const QRect area =
        twips::rettangolo(0, 0, ZoneMappa::areaControllo.width(), ZoneMappa::areaControllo.height());
    setFixedSize(area.size());
    const QRect r = ZoneMappa::rettangoloImmagine;
    ui_->Image1->setGeometry(twips::rettangolo(r.x(), r.y(), r.width(), r.height()));
    ui_->Image1->setAttribute(Qt::WA_TransparentForMouseEvents);

    // Created bottom layer first, so the zone with layer 1 ends up on top and receives the click.
    for (const ZoneMappa::Zona& z : ZoneMappa::zone() | std::views::reverse) {
        auto* zona = new ZonaMappa(QLatin1String(z.codice), this);
        zona->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(z.arrayNome)).arg(z.indice));
        zona->setGeometry(twips::rettangolo(z.left, z.top, z.width, z.height));
        connect(zona, &ZonaMappa::cliccata, this, [this](const QString& codice) {
            QString gruppo = codice;
            emit Change(gruppo);
        });
        zone_.prepend(zona);
    }

    // Until the first onLoad the plain body shows if it can; a missing file is reported by onLoad.
    const QPixmap iniziale(percorsoProgramma(FileConsegnati::corpo));
    if (!iniziale.isNull())
        ui_->Image1->setPixmap(iniziale);
}

BodyMap::~BodyMap() = default;

QLabel* BodyMap::Image1() const {
    return ui_->Image1;
}

void BodyMap::changeMuscle(const QString& gruppo) {
    changeBackground(percorsoProgramma(FileConsegnati::corpoGruppo(gruppo)));
    riproduciSuono();
}

void BodyMap::changeBackground(const QString& img) {
    if (img.isEmpty())
        return;
    const QImage immagine =
        leggiImmagineOErrore(img, QStringLiteral("Impossibile caricare l'immagine della mappa del corpo:"),
                             QStringLiteral("BodyMap"));
    ui_->Image1->setPixmap(QPixmap::fromImage(immagine));
    immagineMostrata_ = img;
}

void BodyMap::onLoad() {
    // The borders go even when the picture is missing: the map stays usable without it.
    nascondiBordi();
    changeBackground(percorsoProgramma(FileConsegnati::corpo));
}

void BodyMap::riproduciSuono() {
    // The sound server returns only once its buffers have played, up to two seconds after a click of
    // a few hundredths: the window does not wait for it.
    QThreadPool::globalInstance()->start(
        [percorso = percorsoProgramma(FileConsegnati::suonoMappa)] { SuonoClic::riproduci(percorso); });
}

void BodyMap::nascondiBordi() {
    for (ZonaMappa* z : zone_)
        z->setBordo(false);
    ui_->Image1->setFrameShape(QFrame::NoFrame);
}
