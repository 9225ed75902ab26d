#include "pictures/LeggiImmagine.h"

#include "base/Errore.h"

#include <QImageReader>

QImage leggiImmagine(const QString& percorso, QSize adatta) {
    QImageReader lettore(percorso);
    lettore.setAutoTransform(true);
    const QSize propria = lettore.size();
    if (adatta.isValid() && propria.isValid()) {
        // The size asked for is the upright one; the decoder scales before it turns the picture.
        const bool girata = lettore.transformation().testFlag(QImageIOHandler::TransformationRotate90);
        const QSize dritta = girata ? propria.transposed() : propria;
        const QSize voluta = dritta.scaled(adatta, Qt::KeepAspectRatio);
        lettore.setScaledSize(girata ? voluta.transposed() : voluta);
    }
    return lettore.read();
}

QImage leggiImmagineOErrore(const QString& percorso, const QString& testo, const QString& fonte) {
    QImage letta = leggiImmagine(percorso);
    if (letta.isNull())
        throw Errore(NumeriErrore::FileNonTrovato, testo + QLatin1Char('\n') + percorso, fonte);
    return letta;
}
