#pragma once

#include "printing/Foglio.h"

#include <QImage>
#include <QString>

class QPainter;

// Paints a sheet with QPainter in twips, on any paint device: the preview, a printer, a PDF file,
// an image. The painter's origin is the sheet's top-left corner; `twipPerUnita` is how many twips one
// unit of the painter's coordinates holds (15 on screen, 1440 / dpi on a printer).
void disegnaFoglio(QPainter& p, const Foglio& foglio, double twipPerUnita);

// The scale of a paint device, in twips per device unit.
double twipPerUnitaDi(int dpi);

// Pictures as drawn by the sheets, loaded once per file (and reloaded when the file changes), so
// a picture drawn twice in one PDF is embedded once. A file that cannot be read gives a null image.
QImage immagineFoglio(const QString& percorso);
// Empties the picture store (tests that rewrite files within the same second).
void dimenticaImmaginiFoglio();
