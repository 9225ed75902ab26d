#pragma once

#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>
#include <span>

// The clickable zones of the body map. One table serves the control that receives the clicks and the
// tool that draws the body pictures, so the highlighted muscles always lie under their zones.
namespace ZoneMappa {

struct Zona {
    int strato;                   // 1 = topmost; where zones overlap, the lower number receives the click
    const char* arrayNome;        // name of the control array the zone belongs to
    int indice;                   // index inside that array
    const char* codice;           // muscle-group code sent on a click
    int left, top, width, height; // twips, in the control's coordinates
    QRect rettangolo() const { return QRect(left, top, width, height); }
};

// Size of the control's design area and of the rectangle the body picture is stretched into (twips).
inline constexpr QSize areaControllo{2850, 3015};
inline constexpr QRect rettangoloImmagine{0, 0, 2805, 2985};
// Size in pixels of every body picture.
inline constexpr QSize dimensioneImmagine{182, 195};

// The 62 zones, topmost first.
std::span<const Zona> zone();

// The 18 muscle-group codes in alphabetical order.
QStringList codici();

// Zones sending `codice`, topmost first (empty for an unknown code).
QList<Zona> zoneDelGruppo(const QString& codice);

// Code of the topmost zone containing `puntoTwip`, or an empty string outside every zone.
QString codiceInPunto(QPoint puntoTwip);

// A rectangle in twips mapped onto the body picture's pixels (the picture fills rettangoloImmagine).
QRectF inPixel(const QRect& twip);

} // namespace ZoneMappa
