#include "pictures/ZoneMappa.h"

#include <gtest/gtest.h>

#include <set>

using namespace ZoneMappa;

TEST(ZoneMappa, SessantaDueZoneInOrdineDiStrato) {
    ASSERT_EQ(zone().size(), 62u);
    for (size_t i = 0; i < zone().size(); ++i)
        EXPECT_EQ(zone()[i].strato, int(i) + 1);
    EXPECT_EQ(codici(), QStringList({"ADD", "ADU", "BIC", "DAL", "DEP", "DOR", "ERE", "FI1", "FI2", "FI3",
                                     "GLU", "ICE", "ICI", "PET", "POL", "QUA", "TRA", "TRI"}));
}

TEST(ZoneMappa, OgniArrayHaIndiciDistintiEUnSoloCodice) {
    struct Caso {
        const char* array;
        const char* codice;
        std::set<int> indici;
    };
    const Caso casi[] = {
        {"Add", "ADD", {0, 1, 2}},
        {"ADU", "ADU", {0}},
        {"BIC", "BIC", {0, 1, 2}},
        {"DEL", "DAL", {0, 7, 8, 9, 10, 11, 12}},
        {"DEP", "DEP", {1, 2, 3, 4, 5, 6}},
        {"DOR", "DOR", {0, 1}},
        {"ERE", "ERE", {0}},
        {"FI1", "FI1", {0, 1, 2, 3, 4}},
        {"FI2", "FI2", {0, 1, 2}},
        {"FI3", "FI3", {0, 1}},
        {"GLU", "GLU", {0, 1, 2, 3, 4}},
        {"ICE", "ICE", {0, 1, 2}},
        {"ICI", "ICI", {0}},
        {"PET", "PET", {0, 1, 2, 3, 4, 5, 6}},
        {"POL", "POL", {0, 1, 2}},
        {"QUA", "QUA", {0, 1, 2, 3, 4}},
        {"TRA", "TRA", {0, 1}},
        {"TRI", "TRI", {0, 1, 2}},
    };
    size_t totale = 0;
    for (const Caso& c : casi) {
        std::set<int> trovati;
        for (const Zona& z : zone())
            if (QLatin1String(z.arrayNome) == QLatin1String(c.array)) {
                EXPECT_STREQ(z.codice, c.codice) << c.array;
                EXPECT_TRUE(trovati.insert(z.indice).second) << c.array << " indice doppio " << z.indice;
            }
        EXPECT_EQ(trovati, c.indici) << c.array;
        EXPECT_EQ(zoneDelGruppo(QLatin1String(c.codice)).size(), qsizetype(c.indici.size())) << c.codice;
        totale += trovati.size();
    }
    EXPECT_EQ(totale, zone().size());
}

TEST(ZoneMappa, IlClicVaAllaZonaPiuInAlto) {
    struct Caso {
        QPoint punto;
        const char* atteso;
    };
    const Caso casi[] = {
        {{2150, 1835}, "ADU"},                       // also inside QUA 3: ADU lies on top
        {{2500, 600}, "DAL"},                        // DEL array sends DAL
        {{2140, 1000}, "ADD"},                       // Add array sends ADD
        {{300, 700}, "DAL"},                         // side-view shoulder
        {{2000, 875}, "FI1"},                        // FI1 1 (layer 8) over PET 3 (layer 32)
        {{1100, 1000}, "ERE"}, {{2450, 640}, "PET"}, // PET 4 (layer 31) over PET 0 (layer 59)
        {{20, 20}, ""},        {{2800, 3000}, ""},
    };
    for (const Caso& c : casi)
        EXPECT_EQ(codiceInPunto(c.punto), QLatin1String(c.atteso)) << c.punto.x() << "," << c.punto.y();
}

TEST(ZoneMappa, LaFiguraRiempieIlRettangoloDellImmagine) {
    const QRectF tutto = inPixel(rettangoloImmagine);
    EXPECT_DOUBLE_EQ(tutto.left(), 0);
    EXPECT_DOUBLE_EQ(tutto.top(), 0);
    EXPECT_DOUBLE_EQ(tutto.width(), dimensioneImmagine.width());
    EXPECT_DOUBLE_EQ(tutto.height(), dimensioneImmagine.height());
    for (const Zona& z : zone())
        EXPECT_TRUE(QRectF(QPointF(0, 0), QSizeF(dimensioneImmagine)).contains(inPixel(z.rettangolo())))
            << z.arrayNome << z.indice;
}
