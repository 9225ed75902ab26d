#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <gtest/gtest.h>

namespace {

// Names and notes may hold emoji; without a font that draws them the user sees empty boxes.
TEST(Emoji, UnCaratteredelNomeHaUnCarattereCheLoDisegna) {
    bool trovato = false;
    for (const QString& famiglia : QFontDatabase::families()) {
        if (QFontMetrics(QFont(famiglia)).inFontUcs4(0x1F600)) {
            trovato = true;
            break;
        }
    }
    EXPECT_TRUE(trovato) << "nessun carattere installato disegna U+1F600";
}

// A missing glyph is drawn as a box in the text colour; a colour emoji brings other hues.
TEST(Emoji, UnaEtichettaMostraLaFacciaAColori) {
    QLabel etichetta(QString::fromUcs4(U"\U0001F600"));
    QPalette tavolozza = etichetta.palette();
    tavolozza.setColor(QPalette::WindowText, Qt::black);
    tavolozza.setColor(QPalette::Window, Qt::white);
    etichetta.setPalette(tavolozza);
    etichetta.setAutoFillBackground(true);
    QFont carattere = etichetta.font();
    carattere.setPixelSize(32);
    etichetta.setFont(carattere);
    etichetta.adjustSize();
    const QImage immagine = etichetta.grab().toImage();
    int colorati = 0;
    for (int y = 0; y < immagine.height(); ++y) {
        for (int x = 0; x < immagine.width(); ++x) {
            if (QColor(immagine.pixel(x, y)).hsvSaturation() > 80) {
                ++colorati;
            }
        }
    }
    EXPECT_GT(colorati, 20) << "l'emoji appare senza colori, cioè come un riquadro vuoto";
}

} // namespace
