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

QPixmap ListaImmagini::adattata(const QImage& immagine) const {
    const qreal r = rapporto();
    QImage a = adatta(immagine, (QSizeF(dimensione_) * r).toSize());
    a.setDevicePixelRatio(r);
    return QPixmap::fromImage(a);
}

int ListaImmagini::aggiungiVoce(const QString& chiave, QPixmap pixmap, std::function<QImage()> leggi) {
    if (const int esistente = indice(chiave); esistente > 0 && !chiave.isEmpty())
        return esistente;
    voci_.push_back({chiave, std::move(pixmap), std::move(leggi)});
    const int n = conta();
    if (!chiave.isEmpty())
        indici_.insert(chiave.toLower(), n);
    return n;
}

int ListaImmagini::aggiungi(const QString& chiave, const QImage& immagine) {
    if (const int esistente = indice(chiave); esistente > 0 && !chiave.isEmpty())
        return esistente;
    return aggiungiVoce(chiave, adattata(immagine), {});
}

int ListaImmagini::aggiungi(const QString& chiave, const QPixmap& immagine) {
    if (immagine.deviceIndependentSize() == QSizeF(dimensione_) && immagine.devicePixelRatio() == rapporto())
        return aggiungiVoce(chiave, immagine, {});
    return aggiungi(chiave, immagine.toImage());
}

int ListaImmagini::aggiungiDaLeggere(const QString& chiave, std::function<QImage()> leggi) {
    return aggiungiVoce(chiave, QPixmap(), std::move(leggi));
}

bool ListaImmagini::letta(int indice) const {
    return indice >= 1 && indice <= conta() && !voci_[static_cast<size_t>(indice - 1)].leggi;
}

QString ListaImmagini::chiave(int indice) const {
    if (indice < 1 || indice > conta())
        return {};
    return voci_[static_cast<size_t>(indice - 1)].chiave;
}

QPixmap ListaImmagini::immagine(int indice) const {
    if (indice < 1 || indice > conta())
        return {};
    const Voce& v = voci_[static_cast<size_t>(indice - 1)];
    if (v.leggi) {
        // Taken out first, so a reader that fails or throws is not called again for nothing.
        const std::function<QImage()> leggi = std::move(v.leggi);
        v.leggi = nullptr;
        v.pixmap = adattata(leggi());
    }
    return v.pixmap;
}
