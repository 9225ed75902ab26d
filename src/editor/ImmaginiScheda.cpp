#include "editor/ImmaginiScheda.h"

#include "base/CartellaProgramma.h"
#include "base/ImmaginiNonLette.h"
#include "data/LettoriCampi.h"
#include "data/db.h"
#include "pictures/FileConsegnati.h"
#include "pictures/LeggiImmagine.h"
#include "records/Figure.h"
#include "shell/AvanzamentoBarra.h"
#include "shell/ImmaginiProgramma.h"

#include <QGuiApplication>
#include <memory>

namespace {

std::unique_ptr<ImmaginiScheda>& globale() {
    static std::unique_ptr<ImmaginiScheda> i;
    return i;
}

// A picture file that is missing or unreadable shows the theme's "missing picture" symbol, so the
// picture lists stay complete and the program starts anyway.
QImage segnaposto(QSize lato, const QString& nomeIcona) {
    return ImmaginiProgramma::icona(nomeIcona).pixmap(lato).toImage();
}

} // namespace

QImage ImmaginiScheda::leggiRidotta(const QString& percorso, QSize lato) {
    // Read at the screen's density: the picture lists keep them so, sharp on a scaled display.
    const qreal r = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QImage letta = leggiImmagine(percorso, (QSizeF(lato) * r).toSize());
    letta.setDevicePixelRatio(r);
    return letta;
}

void ImmaginiScheda::caricaImmagini(AvanzamentoBarra* barra) {
    ImageList1.setDimensione(QSize(25, 25));
    QImage cartella =
        leggiRidotta(percorsoProgramma(FileConsegnati::simboloCartella), ImageList1.dimensione());
    if (cartella.isNull()) {
        segnalaImmagineNonLetta(percorsoProgramma(FileConsegnati::simboloCartella));
        cartella = segnaposto(ImageList1.dimensione(), QStringLiteral("folder"));
    }
    ImageList1.aggiungi(QStringLiteral("Cartella"), cartella);

    ImageList2.setDimensione(QSize(150, 150));
    RecordSet rs = db().getRs(QStringLiteral("SELECT ID_FIG from figure"));
    if (barra) {
        barra->barReset();
        barra->barSetMax(static_cast<std::int16_t>(qMin(rs.RecordCount() + 1, 32767)));
    }
    for (rs.MoveFirst(); !rs.eof(); rs.MoveNext()) {
        figura f;
        if (f.carica(cLong(rs.campo(0)))) {
            const QString chiave = f.Figura();
            QImage immagine = leggiRidotta(chiave, ImageList2.dimensione());
            if (immagine.isNull()) {
                segnalaImmagineNonLetta(chiave);
                immagine = segnaposto(ImageList2.dimensione(), QStringLiteral("image-missing"));
            }
            ImageList2.aggiungi(chiave, immagine);
        }
        if (barra)
            barra->barStep();
    }
}

ImmaginiScheda* immaginiScheda() {
    return globale().get();
}

void caricaImmaginiScheda(AvanzamentoBarra& barra) {
    auto nuove = std::make_unique<ImmaginiScheda>();
    nuove->caricaImmagini(&barra);
    globale() = std::move(nuove);
}

void scaricaImmaginiScheda() {
    globale().reset();
}
