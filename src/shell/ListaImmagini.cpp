#include "shell/ListaImmagini.h"

#include <QGuiApplication>
#include <QPainter>

namespace {
// Pictures are kept at the screen's density, so a scaled display draws them sharp, not enlarged.
qreal rapporto() {
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}
} // namespace

void ListaImmagini::Clear() {
    voci_.clear();
    indici_.clear();
}

void ListaImmagini::setDimensione(QSize dimensione) {
    Clear();
    dimensione_ = dimensione;
}

QImage ListaImmagini::adatta(const QImage& immagine, QSize dimensione) {
    if (immagine.size() == dimensione)
        return immagine;
    QImage tela(dimensione, QImage::Format_ARGB32_Premultiplied);
    tela.fill(Qt::transparent);
    if (immagine.isNull())
        return tela;
    const QSize adattata = immagine.size().scaled(dimensione, Qt::KeepAspectRatio);
    QPainter p(&tela);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect dove(
        QPoint((dimensione.width() - adattata.width()) / 2, (dimensione.height() - adattata.height()) / 2),
        adattata);
    p.drawImage(dove, immagine);
    return tela;
}

int ListaImmagini::aggiungi(const QString& chiave, const QImage& immagine) {
    if (const int esistente = indice(chiave); esistente > 0 && !chiave.isEmpty())
        return esistente;
    const qreal r = rapporto();
    QImage adattata = adatta(immagine, (QSizeF(dimensione_) * r).toSize());
    adattata.setDevicePixelRatio(r);
    voci_.push_back({chiave, QPixmap::fromImage(adattata)});
    const int n = conta();
    if (!chiave.isEmpty())
        indici_.insert(chiave.toLower(), n);
    return n;
}

int ListaImmagini::aggiungi(const QString& chiave, const QPixmap& immagine) {
    if (immagine.deviceIndependentSize() == QSizeF(dimensione_) &&
        immagine.devicePixelRatio() == rapporto()) {
        if (const int esistente = indice(chiave); esistente > 0 && !chiave.isEmpty())
            return esistente;
        voci_.push_back({chiave, immagine});
        const int n = conta();
        if (!chiave.isEmpty())
            indici_.insert(chiave.toLower(), n);
        return n;
    }
    return aggiungi(chiave, immagine.toImage());
}

QString ListaImmagini::chiave(int indice) const {
    if (indice < 1 || indice > conta())
        return {};
    return voci_[static_cast<size_t>(indice - 1)].chiave;
}

QPixmap ListaImmagini::immagine(int indice) const {
    if (indice < 1 || indice > conta())
        return {};
    return voci_[static_cast<size_t>(indice - 1)].pixmap;
}
