#include "editor/ImmagineEsercizio.h"

#include "base/Twips.h"
#include "data/db.h"
#include "editor/ImmaginiScheda.h"
#include "records/Figure.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QRegularExpression>

namespace {
const QString suggerimento = QStringLiteral("Trascinare qui l'immagine dell'esercizio");
}

ImmagineEsercizio::ImmagineEsercizio(QWidget* genitore) : QLabel(genitore) {
    setAcceptDrops(true);
    setFrameShape(QFrame::Box);
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setFixedSize(twips::aPixel(2265), twips::aPixel(2160));
    pulisci();
}

namespace {
const QRegularExpression& numeroFigura() {
    static const QRegularExpression numero(QStringLiteral("^\\s*([0-9]{1,9})\\s*$"));
    return numero;
}
} // namespace

std::int32_t ImmagineEsercizio::figuraDaTesto(const QString& testo) {
    const QRegularExpressionMatch m = numeroFigura().match(testo);
    if (!m.hasMatch())
        return 0;
    const std::int32_t id = m.captured(1).toInt();
    if (id <= 0)
        return 0;
    // Asked quietly: text from another program must not raise an error box.
    const long n = db().DCount(QStringLiteral("id_fig"), QStringLiteral("figure"),
                               QStringLiteral("id_fig = ") + QString::number(id));
    return n > 0 ? id : 0;
}

void ImmagineEsercizio::pulisci() {
    Tag.clear();
    setPixmap(QPixmap());
    setText(suggerimento);
}

bool ImmagineEsercizio::mostraFigura(std::int32_t id) {
    if (id == 0) {
        pulisci();
        return true;
    }
    figura f;
    if (!f.carica(id)) {
        pulisci();
        return false;
    }
    const QString percorso = f.Figura();
    QPixmap immagine;
    if (ImmaginiScheda* lista = immaginiSchedaComplete())
        immagine = lista->ImageList2.immagine(percorso);
    if (immagine.isNull())
        immagine = QPixmap::fromImage(ImmaginiScheda::leggiRidotta(percorso, size() - QSize(4, 4)));
    Tag = QString::number(id);
    setText(QString());
    if (immagine.isNull()) {
        // The figure is known but its file cannot be read: say so in place of the picture.
        setText(QStringLiteral("Figura n. %1\n(immagine non disponibile)").arg(f.numero));
    } else {
        // Scaled in the picture's own pixels, which are the screen's.
        const qreal r = immagine.devicePixelRatio();
        QPixmap adattata = immagine.scaled((QSizeF(size() - QSize(4, 4)) * r).toSize(), Qt::KeepAspectRatio,
                                           Qt::SmoothTransformation);
        adattata.setDevicePixelRatio(r);
        setPixmap(adattata);
    }
    return true;
}

bool ImmagineEsercizio::accettabile(const QMimeData* dati, Qt::DropActions azioni) const {
    // Only a number can be a figure: other text is refused already while it is dragged over.
    return dati && dati->hasText() && (azioni & Qt::CopyAction) &&
           numeroFigura().match(dati->text()).hasMatch();
}

void ImmagineEsercizio::dragEnterEvent(QDragEnterEvent* e) {
    if (accettabile(e->mimeData(), e->possibleActions())) {
        e->setDropAction(Qt::CopyAction);
        e->accept();
    } else {
        e->ignore();
    }
}

void ImmagineEsercizio::dragMoveEvent(QDragMoveEvent* e) {
    if (accettabile(e->mimeData(), e->possibleActions())) {
        e->setDropAction(Qt::CopyAction);
        e->accept();
    } else {
        e->ignore();
    }
}

void ImmagineEsercizio::dropEvent(QDropEvent* e) {
    if (!accettabile(e->mimeData(), e->possibleActions())) {
        e->ignore();
        return;
    }
    const std::int32_t id = figuraDaTesto(e->mimeData()->text());
    if (id == 0) {
        e->ignore();
        return;
    }
    e->setDropAction(Qt::CopyAction);
    e->accept();
    if (mostraFigura(id))
        emit figuraCambiata();
}
