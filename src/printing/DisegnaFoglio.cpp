#include "printing/DisegnaFoglio.h"

#include "base/Twips.h"
#include "pictures/LeggiImmagine.h"
#include "printing/JpegNelPdf.h"

#include <QDateTime>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

namespace {

struct ImmagineRicordata {
    QImage immagine;
    QDateTime modificata;
    qint64 dimensione = -1;
};

QHash<QString, ImmagineRicordata>& archivioImmagini() {
    static QHash<QString, ImmagineRicordata> archivio;
    return archivio;
}

QFont fontDi(const ElementoFoglio& e) {
    QFont f;
    f.setFamilies(e.famiglie);
    // Sizes are given in twips so the painter's scale applies to text as to everything else.
    f.setPixelSize(qMax(1, qRound(twips::daPunti(e.punti))));
    f.setBold(e.grassetto);
    f.setItalic(e.corsivo);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(true);
    // Any letter spacing makes Qt shape without ligatures, and 100 % leaves every advance as it is:
    // "ff" and "fi" stay two letters, so a PDF's text is found as written.
    f.setLetterSpacing(QFont::PercentageSpacing, 100);
    return f;
}

// A picture that cannot be loaded leaves its place framed, with the file's name in small grey text.
void disegnaMancante(QPainter& p, const QRectF& r, const QString& percorso, double sottile) {
    p.save();
    p.setPen(QPen(QColor(0x90, 0x90, 0x90), sottile));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
    QFont f;
    f.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    f.setPixelSize(120);
    f.setHintingPreference(QFont::PreferNoHinting);
    p.setFont(f);
    p.setPen(QColor(0x80, 0x80, 0x80));
    const QString nome =
        percorso.isEmpty() ? QStringLiteral("(nessuna immagine)") : QFileInfo(percorso).fileName();
    p.drawText(r.adjusted(60, 60, -60, -60), Qt::AlignCenter | Qt::TextWrapAnywhere, nome);
    p.restore();
}

bool entra(QPainter& p, const QRectF& riquadro, int flags, const QString& testo) {
    const QRectF occupato = p.boundingRect(riquadro, flags, testo);
    return occupato.height() <= riquadro.height() + 0.5 && occupato.width() <= riquadro.width() + 0.5;
}

// The lines that fit the box, the last one ending in an ellipsis (font already on the painter).
QString tagliato(QPainter& p, const QRectF& riquadro, const QString& testo) {
    QString corpo = testo;
    corpo.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(corpo, p.font(), p.device());
    QTextOption opzioni;
    opzioni.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(opzioni);
    QList<QTextLine> righe;
    double y = 0;
    layout.beginLayout();
    for (QTextLine riga = layout.createLine(); riga.isValid(); riga = layout.createLine()) {
        riga.setLineWidth(riquadro.width());
        riga.setPosition(QPointF(0, y));
        y += riga.height();
        if (!righe.isEmpty() && y > riquadro.height() + 0.5)
            break;
        righe << riga;
    }
    layout.endLayout();
    QStringList uscita;
    for (qsizetype i = 0; i + 1 < righe.size(); ++i)
        uscita << corpo.mid(righe[i].textStart(), righe[i].textLength()).trimmed();
    const QString resto = corpo.mid(righe.last().textStart()).replace(QChar::LineSeparator, QLatin1Char(' '));
    uscita << QFontMetricsF(p.font(), p.device())
                  .elidedText(resto.simplified(), Qt::ElideRight, riquadro.width());
    return uscita.join(QLatin1Char('\n'));
}

} // namespace

QString adattaAlRiquadro(QPainter& p, const QRectF& riquadro, int flags, const QString& testo) {
    if (entra(p, riquadro, flags, testo))
        return testo;
    QFont f = p.font();
    const int base = f.pixelSize();
    const int passo = qMax(1, base / 50);
    for (int px = base - passo; px >= base * 3 / 4; px -= passo) {
        f.setPixelSize(px);
        p.setFont(f);
        if (entra(p, riquadro, flags, testo))
            return testo;
    }
    return tagliato(p, riquadro, testo);
}

QImage immagineFoglio(const QString& percorso) {
    if (percorso.isEmpty())
        return {};
    const QFileInfo info(percorso);
    auto& archivio = archivioImmagini();
    const auto it = archivio.constFind(percorso);
    if (it != archivio.constEnd() && it->modificata == info.lastModified() && it->dimensione == info.size())
        return it->immagine;
    ImmagineRicordata r;
    r.immagine = leggiImmagine(percorso);
    r.modificata = info.lastModified();
    r.dimensione = info.exists() ? info.size() : -1;
    if (archivio.size() > 200)
        archivio.clear();
    archivio.insert(percorso, r);
    return r.immagine;
}

void dimenticaImmaginiFoglio() {
    archivioImmagini().clear();
    dimenticaJpegIntatti();
}

void disegnaFoglio(QPainter& p, const Foglio& foglio, double twipPerUnita) {
    disegnaFoglio(p, foglio, twipPerUnita, &immagineFoglio);
}

void disegnaFoglio(QPainter& p, const Foglio& foglio, double twipPerUnita, const ImmaginiFoglio& immagini) {
    p.save();
    p.scale(1.0 / twipPerUnita, 1.0 / twipPerUnita);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    // One device unit at least, so thin rules never vanish on screen.
    const double sottile = qMax(twips::perPixel, twipPerUnita);
    for (const ElementoFoglio& e : foglio.elementi()) {
        if (!e.visibile)
            continue;
        const QRectF r(e.left, e.top, e.width, e.height);
        switch (e.tipo) {
        case ElementoFoglio::Tipo::Linea:
            p.setPen(QPen(e.colore, sottile));
            p.drawLine(QPointF(e.left, e.top), QPointF(e.left + e.width, e.top + e.height));
            break;
        case ElementoFoglio::Tipo::Cornice:
            p.setPen(QPen(e.colore, sottile));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(r, 180, 180);
            break;
        case ElementoFoglio::Tipo::Immagine: {
            const QImage img = immagini(e.immagine);
            if (img.isNull())
                disegnaMancante(p, r, e.immagine, sottile);
            else
                p.drawImage(r, img);
            break;
        }
        case ElementoFoglio::Tipo::Etichetta:
            if (e.sfondo.isValid())
                p.fillRect(r, e.sfondo);
            if (e.bordo) {
                p.setPen(QPen(Qt::black, sottile));
                p.setBrush(Qt::NoBrush);
                p.drawRect(r);
            }
            if (!e.testo.isEmpty()) {
                p.setFont(fontDi(e));
                p.setPen(e.colore);
                const int allineamento =
                    e.allineamento == 0 ? int(Qt::AlignLeft | Qt::AlignTop) : e.allineamento;
                const int verticale = (allineamento & Qt::AlignVertical_Mask) ? 0 : int(Qt::AlignTop);
                QRectF testo = e.bordo ? r.adjusted(45, 30, -45, -30) : r;
                p.save();
                p.setClipRect(r);
                // A carriage return alone starts a new line, as in the warnings block.
                QString t = e.testo;
                t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                    .replace(QLatin1Char('\r'), QLatin1Char('\n'));
                const int flags = allineamento | verticale | Qt::TextWordWrap;
                p.drawText(testo, flags, adattaAlRiquadro(p, testo, flags, t));
                p.restore();
            }
            break;
        }
    }
    p.restore();
}
