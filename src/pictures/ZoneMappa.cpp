#include "pictures/ZoneMappa.h"

#include <algorithm>
#include <array>

namespace ZoneMappa {
namespace {

// clang-format off
constexpr std::array<Zona, 62> tabella{{
    { 1, "ADU", 0,  "ADU", 2145, 1530, 255, 330},
    { 2, "FI3", 1,  "FI3",  375, 1995, 135, 225},
    { 3, "FI3", 0,  "FI3",  315, 1620, 105, 570},
    { 4, "FI2", 2,  "FI2", 2460, 1350, 135, 300},
    { 5, "FI2", 1,  "FI2", 1965, 1350, 120, 300},
    { 6, "FI2", 0,  "FI2",  330, 1440,  90, 195},
    { 7, "FI1", 2,  "FI1", 2445,  900, 120, 465},
    { 8, "FI1", 1,  "FI1", 1980,  870, 135, 495},
    { 9, "FI1", 4,  "FI1", 1350, 1230, 120, 270},
    {10, "FI1", 3,  "FI1",  885, 1200, 105, 270},
    {11, "FI1", 0,  "FI1",  180,  885,  90, 465},
    {12, "ERE", 0,  "ERE", 1095,  960, 180, 450},
    {13, "ICI", 0,  "ICI", 1065, 1620, 240, 525},
    {14, "ICE", 2,  "ICE", 1305, 1680, 105, 420},
    {15, "ICE", 1,  "ICE",  975, 1680,  90, 390},
    {16, "ICE", 0,  "ICE",  405, 1650, 105, 345},
    {17, "GLU", 4,  "GLU", 1395, 1485,  90, 360},
    {18, "GLU", 3,  "GLU",  885, 1470, 105, 360},
    {19, "GLU", 2,  "GLU", 1230, 1350, 180, 300},
    {20, "GLU", 1,  "GLU",  960, 1365, 180, 270},
    {21, "GLU", 0,  "GLU",  405, 1260, 165, 405},
    {22, "POL", 2,  "POL", 2040, 2175, 480, 480},
    {23, "POL", 1,  "POL",  930, 2130, 510, 420},
    {24, "POL", 0,  "POL",  390, 2220, 165, 495},
    {25, "DOR", 1,  "DOR", 1290,  675, 195, 540},
    {26, "DOR", 0,  "DOR",  885,  705, 195, 495},
    {27, "TRA", 1,  "TRA", 1065,  645, 210, 315},
    {28, "TRA", 0,  "TRA",  960,  525, 405, 180},
    {29, "PET", 6,  "PET", 2490,  675, 105, 120},
    {30, "PET", 5,  "PET", 1935,  660, 105, 120},
    {31, "PET", 4,  "PET", 2445,  630, 105, 255},
    {32, "PET", 3,  "PET", 1980,  630, 105, 255},
    {33, "QUA", 4,  "QUA",  225, 1845, 105, 240},
    {34, "QUA", 2,  "QUA", 2415, 1620, 105, 210},
    {35, "QUA", 1,  "QUA", 2040, 1620, 105, 315},
    {36, "QUA", 0,  "QUA", 2370, 1830, 120, 210},
    {37, "QUA", 3,  "QUA", 2085, 1830, 105, 255},
    {38, "TRI", 2,  "TRI",  390,  870, 105, 255},
    {39, "TRI", 1,  "TRI", 1470,  765, 150, 300},
    {40, "TRI", 0,  "TRI",  750,  765, 150, 300},
    {41, "BIC", 2,  "BIC", 2580,  750, 120, 300},
    {42, "BIC", 1,  "BIC", 1830,  780, 150, 270},
    {43, "BIC", 0,  "BIC",  255,  870, 105, 300},
    {44, "DEL", 12, "DAL", 2490,  555, 105,  90},
    {45, "DEL", 11, "DAL", 2580,  570, 105, 135},
    {46, "DEL", 10, "DAL", 2640,  645,  75, 135},
    {47, "DEL", 9,  "DAL", 1965,  540, 105,  90},
    {48, "DEL", 8,  "DAL", 1875,  540, 105, 135},
    {49, "DEL", 7,  "DAL", 1800,  615, 105, 135},
    {50, "DEP", 6,  "DEP", 1425,  555, 105,  90},
    {51, "DEP", 5,  "DEP", 1485,  555, 105, 135},
    {52, "DEP", 4,  "DEP", 1515,  660, 105, 120},
    {53, "DEP", 3,  "DEP",  885,  570,  90,  90},
    {54, "DEP", 2,  "DEP",  795,  570, 105, 135},
    {55, "DEP", 1,  "DEP",  750,  630, 105, 135},
    {56, "DEL", 0,  "DAL",  240,  645, 195, 225},
    {57, "PET", 2,  "PET",   90,  645, 150, 255},
    {58, "PET", 1,  "PET", 2070,  540, 150, 375},
    {59, "PET", 0,  "PET", 2310,  555, 180, 360},
    {60, "Add", 2,  "ADD",   90,  900, 105, 585},
    {61, "Add", 1,  "ADD", 2310,  930, 105, 570},
    {62, "Add", 0,  "ADD", 2130,  915, 120, 585},
}};
// clang-format on

} // namespace

std::span<const Zona> zone() {
    return tabella;
}

QStringList codici() {
    QStringList c;
    for (const Zona& z : tabella)
        if (!c.contains(QLatin1String(z.codice)))
            c << QLatin1String(z.codice);
    c.sort();
    return c;
}

QList<Zona> zoneDelGruppo(const QString& codice) {
    QList<Zona> r;
    for (const Zona& z : tabella)
        if (codice == QLatin1String(z.codice))
            r << z;
    return r;
}

QString codiceInPunto(QPoint puntoTwip) {
    // The table is ordered topmost first, so the first hit is the zone that lies on top.
    for (const Zona& z : tabella)
        if (z.rettangolo().contains(puntoTwip))
            return QLatin1String(z.codice);
    return {};
}

QRectF inPixel(const QRect& twip) {
    const double sx = double(dimensioneImmagine.width()) / rettangoloImmagine.width();
    const double sy = double(dimensioneImmagine.height()) / rettangoloImmagine.height();
    return QRectF((twip.x() - rettangoloImmagine.x()) * sx, (twip.y() - rettangoloImmagine.y()) * sy,
                  twip.width() * sx, twip.height() * sy);
}

} // namespace ZoneMappa
