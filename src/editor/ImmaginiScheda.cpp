#include "editor/ImmaginiScheda.h"

#include "base/CartellaProgramma.h"
#include "base/ImmaginiNonLette.h"
#include "base/Logger.h"
#include "data/LettoriCampi.h"
#include "data/db.h"
#include "pictures/FileConsegnati.h"
#include "pictures/LeggiImmagine.h"
#include "records/Figure.h"
#include "shell/AvanzamentoBarra.h"
#include "shell/ImmaginiProgramma.h"

#include <QGuiApplication>
#include <QImageReader>
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
    return leggiRidotta(percorso, lato, qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
}

QImage ImmaginiScheda::leggiRidotta(const QString& percorso, QSize lato, qreal rapporto) {
    QImage letta = leggiImmagine(percorso, (QSizeF(lato) * rapporto).toSize());
    letta.setDevicePixelRatio(rapporto);
    return letta;
}

void ImmaginiScheda::preparaImmagini(AvanzamentoBarra* barra) {
    ImageList1.setDimensione(QSize(25, 25));
    ImageList2.setDimensione(QSize(150, 150));
    complete_ = false;
    chiavi_.clear();
    leggibili_.clear();
    cartellaLeggibile_ = QImageReader(percorsoProgramma(FileConsegnati::simboloCartella)).canRead();
    if (!cartellaLeggibile_)
        segnalaImmagineNonLetta(percorsoProgramma(FileConsegnati::simboloCartella));
    // Every figure's picture path in one query: a query per figure cost a statement each.
    RecordSet rs = db().getRs(QStringLiteral("SELECT ID_FIG, figura from figure"));
    if (barra) {
        barra->barReset();
        barra->barSetMax(static_cast<std::int16_t>(qMin(rs.RecordCount() + 1, 32767)));
    }
    for (rs.MoveFirst(); !rs.eof(); rs.MoveNext()) {
        figura f;
        f.setFigura(nzStringa(rs.campo(1)));
        chiavi_ << f.Figura();
    }
    // The header tells a missing file or one that is no picture at once, so the user still learns
    // about them at start-up; decoding waits for the editor.
    for (const QString& chiave : std::as_const(chiavi_)) {
        const bool leggibile = QImageReader(chiave).canRead();
        if (!leggibile)
            segnalaImmagineNonLetta(chiave);
        leggibili_ << leggibile;
        if (barra)
            barra->barStep();
    }
}

void ImmaginiScheda::completa() {
    if (complete_)
        return;
    complete_ = true;
    QImage cartella;
    if (cartellaLeggibile_)
        cartella = leggiRidotta(percorsoProgramma(FileConsegnati::simboloCartella), ImageList1.dimensione());
    if (cartella.isNull()) {
        segnalaImmagineNonLetta(percorsoProgramma(FileConsegnati::simboloCartella));
        cartella = segnaposto(ImageList1.dimensione(), QStringLiteral("folder"));
    }
    ImageList1.aggiungi(QStringLiteral("Cartella"), cartella);

    // Each figure's picture is decoded when it is first shown: the editor's first opening reads the
    // few on view, not the whole catalogue.
    for (qsizetype k = 0; k < chiavi_.size(); ++k) {
        const QString chiave = chiavi_[k];
        if (!leggibili_[k]) {
            ImageList2.aggiungi(chiave, segnaposto(ImageList2.dimensione(), QStringLiteral("image-missing")));
            continue;
        }
        ImageList2.aggiungiDaLeggere(chiave, [chiave, lato = ImageList2.dimensione()] {
            QImage immagine = leggiRidotta(chiave, lato);
            if (immagine.isNull()) {
                // A sound header over a damaged picture shows only now, after start-up's notice: the
                // log keeps it.
                segnalaImmagineNonLetta(chiave);
                logger().log(QStringLiteral("Immagine non leggibile: ") + chiave);
                immagine = segnaposto(lato, QStringLiteral("image-missing"));
            }
            return immagine;
        });
    }
}

void ImmaginiScheda::caricaImmagini(AvanzamentoBarra* barra) {
    preparaImmagini(barra);
    completa();
}

ImmaginiScheda* immaginiScheda() {
    return globale().get();
}

ImmaginiScheda* immaginiSchedaComplete() {
    ImmaginiScheda* i = globale().get();
    if (i)
        i->completa();
    return i;
}

void preparaImmaginiScheda(AvanzamentoBarra& barra) {
    auto nuove = std::make_unique<ImmaginiScheda>();
    nuove->preparaImmagini(&barra);
    globale() = std::move(nuove);
}

void caricaImmaginiScheda(AvanzamentoBarra& barra) {
    auto nuove = std::make_unique<ImmaginiScheda>();
    nuove->caricaImmagini(&barra);
    globale() = std::move(nuove);
}

void scaricaImmaginiScheda() {
    globale().reset();
}
