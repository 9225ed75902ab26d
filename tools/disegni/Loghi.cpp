#include "Loghi.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

const QColor arancio(232, 115, 26);
const QColor grafite(52, 58, 68);

// The wave mark: three vibration waves above a platform line, in a square of side `l` at `o`.
void marchio(QPainter& g, QPointF o, double l, bool chiaro = false) {
    g.save();
    g.translate(o);
    QLinearGradient lg(0, 0, l, l);
    lg.setColorAt(0, arancio.lighter(115));
    lg.setColorAt(1, arancio.darker(115));
    QPainterPath fondo;
    fondo.addRoundedRect(QRectF(0, 0, l, l), l * 0.2, l * 0.2);
    g.fillPath(fondo, lg);
    g.setPen(QPen(chiaro ? grafite : Qt::white, l * 0.075, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (int i = 0; i < 3; ++i) {
        QPainterPath onda;
        const double y = l * (0.3 + 0.17 * i), amp = l * (0.07 - 0.015 * i);
        onda.moveTo(l * 0.16, y);
        for (int k = 1; k <= 40; ++k) {
            double x = l * 0.16 + l * 0.68 * k / 40.0;
            onda.lineTo(x, y + amp * std::sin(k / 40.0 * 4 * M_PI));
        }
        g.drawPath(onda);
    }
    g.setPen(QPen(Qt::white, l * 0.09, Qt::SolidLine, Qt::RoundCap));
    g.drawLine(QPointF(l * 0.2, l * 0.82), QPointF(l * 0.8, l * 0.82));
    g.restore();
}

void scritta(QPainter& g, const QRectF& r, const QString& testo, const QColor& colore, double altezza,
             bool grassetto = true, Qt::Alignment a = Qt::AlignLeft | Qt::AlignVCenter) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(int(altezza));
    f.setBold(grassetto);
    f.setLetterSpacing(QFont::PercentageSpacing, 104);
    g.setFont(f);
    g.setPen(colore);
    g.drawText(r, a, testo);
}

QImage bianca(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

} // namespace

QImage logoProdotto() {
    QImage img = bianca(600, 400);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    g.setRenderHint(QPainter::TextAntialiasing);
    marchio(g, QPointF(215, 40), 170);
    scritta(g, QRectF(0, 225, 600, 100), QStringLiteral("Vibrana"), grafite, 92, true, Qt::AlignCenter);
    scritta(g, QRectF(0, 320, 600, 40), QStringLiteral("ALLENAMENTO A VIBRAZIONE"), arancio, 26, false,
            Qt::AlignCenter);
    return img;
}

QImage logoFamiglia() {
    QImage img = bianca(200, 200);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    g.setRenderHint(QPainter::TextAntialiasing);
    QPainterPath cerchio;
    cerchio.addEllipse(QRectF(12, 12, 176, 176));
    g.fillPath(cerchio, grafite);
    g.setPen(QPen(arancio, 10));
    g.drawEllipse(QRectF(24, 24, 152, 152));
    scritta(g, QRectF(0, 0, 200, 200), QStringLiteral("ZDF"), Qt::white, 50, true, Qt::AlignCenter);
    return img;
}

QImage logoMacchina() {
    QImage img = bianca(400, 120);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    g.setRenderHint(QPainter::TextAntialiasing);
    marchio(g, QPointF(10, 12), 96);
    scritta(g, QRectF(122, 0, 278, 120), QStringLiteral("VIBRANA"), grafite, 50);
    return img;
}

QImage logoProduttore() {
    QImage img = bianca(390, 120);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    g.setRenderHint(QPainter::TextAntialiasing);
    QPainterPath a;
    a.moveTo(14, 104);
    a.lineTo(58, 14);
    a.lineTo(102, 104);
    a.lineTo(80, 104);
    a.lineTo(58, 58);
    a.lineTo(36, 104);
    a.closeSubpath();
    g.fillPath(a, arancio);
    scritta(g, QRectF(118, 4, 272, 78), QStringLiteral("ARVEL"), grafite, 70);
    scritta(g, QRectF(120, 80, 270, 32), QStringLiteral("fitness technology"), grafite.lighter(160), 24,
            false);
    return img;
}

QImage simboloCartella() {
    QImage img = bianca(25, 25);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    const QColor bordo(150, 110, 20);
    QPainterPath dietro;
    dietro.moveTo(2.5, 6);
    dietro.lineTo(9, 6);
    dietro.lineTo(11, 8);
    dietro.lineTo(22.5, 8);
    dietro.lineTo(22.5, 20.5);
    dietro.lineTo(2.5, 20.5);
    dietro.closeSubpath();
    g.setPen(QPen(bordo, 1));
    g.setBrush(QColor(235, 190, 70));
    g.drawPath(dietro);
    QPainterPath davanti;
    davanti.moveTo(2.5, 20.5);
    davanti.lineTo(5, 11);
    davanti.lineTo(24, 11);
    davanti.lineTo(22.5, 20.5);
    davanti.closeSubpath();
    QLinearGradient lg(0, 11, 0, 21);
    lg.setColorAt(0, QColor(255, 226, 120));
    lg.setColorAt(1, QColor(244, 196, 64));
    g.setBrush(lg);
    g.drawPath(davanti);
    return img;
}

QImage icona(int lato) {
    QImage img(lato, lato, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    marchio(g, QPointF(lato * 0.04, lato * 0.04), lato * 0.92);
    return img;
}
