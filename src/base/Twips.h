#pragma once

#include <QRect>
#include <cmath>

// Screen and layout lengths are designed in twips: 1/1440 inch, 15 twips to a logical pixel at
// 96 dpi. Qt's high-DPI scaling does the rest.
namespace twips {
constexpr double perPixel = 15.0;
constexpr double perCentimetro = 567.0;
constexpr double perPunto = 20.0;
constexpr double perPollice = 1440.0;

constexpr int aPixel(double t) {
    return static_cast<int>(t / perPixel + (t >= 0 ? 0.5 : -0.5));
}
constexpr double daPixel(double px) {
    return px * perPixel;
}
constexpr double daCentimetri(double cm) {
    return cm * perCentimetro;
}
constexpr double aCentimetri(double t) {
    return t / perCentimetro;
}
constexpr double daPunti(double punti) {
    return punti * perPunto;
}
// How many twips one unit of a device of `dpi` dots per inch holds.
constexpr double perUnitaDi(int dpi) {
    return perPollice / dpi;
}
inline QRect rettangolo(double sinistra, double alto, double larghezza, double altezza) {
    return QRect(aPixel(sinistra), aPixel(alto), aPixel(larghezza), aPixel(altezza));
}
} // namespace twips
