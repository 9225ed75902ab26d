#include "pictures/RidimensionatoreImmagini.h"

#include "base/Errore.h"
#include "base/Twips.h"
#include "pictures/AdattaQuadrato.h"

#include <QLabel>
#include <QPixmap>

void RidimensionatoreImmagini::setImage(QLabel* img) {
    immagine_ = img;
    if (img) {
        ancoraTop_ = twips::daPixel(img->y());
        ancoraLeft_ = twips::daPixel(img->x());
    }
}

void RidimensionatoreImmagini::ridimensiona() {
    if (!immagine_)
        throw Errore(91, QStringLiteral("Variabile oggetto o variabile del blocco With non impostata"),
                     QStringLiteral("RidimensionatoreImmagini"));
    QLabel* img = immagine_;
    // An element that does not stretch yet shows its picture at the picture's own size.
    QSizeF dimensione = img->size();
    const QPixmap pic = img->pixmap();
    if (!img->hasScaledContents() && !pic.isNull())
        dimensione = pic.deviceIndependentSize();

    const RettangoloTwips r =
        adattaAlQuadrato(twips::daPixel(dimensione.width()), twips::daPixel(dimensione.height()), MAX,
                         ancoraLeft_, ancoraTop_);
    img->setScaledContents(true);
    img->setGeometry(twips::aPixel(r.left), twips::aPixel(r.top), twips::aPixel(r.width),
                     twips::aPixel(r.height));
    img->update();
}
