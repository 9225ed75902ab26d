#include "pictures/LeggiImmagine.h"

#include "base/Errore.h"

#include <QFileInfo>
#include <QImageReader>

ImmagineLetta leggiImmagine(const QString& percorso, QSize adatta) {
    ImmagineLetta esito;
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
    esito.immagine = lettore.read();
    if (esito.immagine.isNull())
        esito.causa = !QFileInfo(percorso).isFile() ? QStringLiteral("il file non esiste")
                                                    : QStringLiteral("il file non è un'immagine leggibile");
    return esito;
}

QImage leggiImmagineOErrore(const QString& percorso, const QString& testo, const QString& fonte) {
    ImmagineLetta letta = leggiImmagine(percorso);
    if (!letta.letta())
        throw Errore(NumeriErrore::FileNonTrovato, testo + QLatin1Char('\n') + percorso, fonte);
    return std::move(letta.immagine);
}
