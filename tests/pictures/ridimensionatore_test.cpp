#include "base/Errore.h"
#include "pictures/RidimensionatoreImmagini.h"

#include <QLabel>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

TEST(RidimensionatoreImmagini, SenzaImmagineFallisce) {
    RidimensionatoreImmagini r;
    EXPECT_THROW(r.ridimensiona(), Errore);
}

TEST(RidimensionatoreImmagini, AdattaUnaEtichettaDallaDimensioneDellaSuaImmagine) {
    QWidget contenitore;
    auto* img = new QLabel(&contenitore);
    QPixmap p(300, 150); // 4500 x 2250 twips
    p.fill(Qt::red);
    img->setPixmap(p);
    img->setGeometry(20, 40, 10, 10); // not yet adapted: the picture's own size counts
    RidimensionatoreImmagini r;
    r.MAX = 2250; // 150 pixels
    r.setImage(img);
    r.ridimensiona();
    EXPECT_EQ(img->geometry(), QRect(20, 40 + 38, 150, 75)); // (150 - 75) / 2 = 37.5 -> 38 below the corner
    EXPECT_TRUE(img->hasScaledContents());

    // Once stretching, the element's current size is what gets fitted.
    r.MAX = 1500; // 100 pixels
    r.setImage(img);
    r.ridimensiona();
    EXPECT_EQ(img->size(), QSize(100, 50));
}

} // namespace
