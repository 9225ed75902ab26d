#include "pictures/LeggiImmagine.h"

#include "base/Errore.h"

#include <QImageReader>

namespace {
bool girata(const QImageReader& lettore) {
    return lettore.transformation().testFlag(QImageIOHandler::TransformationRotate90);
}
} // namespace

QImage leggiImmagine(const QString& percorso, QSize adatta) {
    QImageReader lettore(percorso);
    lettore.setAutoTransform(true);
    const QSize propria = lettore.size();
    if (adatta.isValid() && propria.isValid()) {
        // The size asked for is the upright one; the decoder scales before it turns the picture.
        const QSize dritta = girata(lettore) ? propria.transposed() : propria;
        const QSize voluta = dritta.scaled(adatta, Qt::KeepAspectRatio);
        lettore.setScaledSize(girata(lettore) ? voluta.transposed() : voluta);
    }
    return lettore.read();
}

QSize dimensioneImmagine(const QString& percorso) {
    QImageReader lettore(percorso);
    lettore.setAutoTransform(true);
    const QSize propria = lettore.size();
    return girata(lettore) ? propria.transposed() : propria;
}

QImage leggiImmagineOErrore(const QString& percorso, const QString& testo, const QString& fonte) {
    QImage letta = leggiImmagine(percorso);
    if (letta.isNull())
        throw Errore(NumeriErrore::FileNonTrovato, testo + QLatin1Char('\n') + percorso, fonte);
    return letta;
}
