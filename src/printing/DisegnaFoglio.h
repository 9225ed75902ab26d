#pragma once

#include "printing/Foglio.h"

#include <QImage>
#include <QString>
#include <functional>

class QPainter;
class QRectF;

// Paints a sheet with QPainter in twips, on any paint device: the preview, a printer, a PDF file,
// an image. The painter's origin is the sheet's top-left corner; `twipPerUnita` is how many twips one
// unit of the painter's coordinates holds (twips::perPixel on screen, twips::perUnitaDi(dpi) on a printer).
void disegnaFoglio(QPainter& p, const Foglio& foglio, double twipPerUnita);
// The same, each picture given by `immagini` from its file's path.
using ImmaginiFoglio = std::function<QImage(const QString&)>;
void disegnaFoglio(QPainter& p, const Foglio& foglio, double twipPerUnita, const ImmaginiFoglio& immagini);

// The text to draw in `riquadro` with `flags`, the painter's font made smaller when needed: text
// longer than its box is set smaller, down to three quarters of its size, and what still does not fit
// ends in an ellipsis, so a long mode and load never run into the notes below them. The card keeps the
// whole text; text that fits is left as it is, font and all.
QString adattaAlRiquadro(QPainter& p, const QRectF& riquadro, int flags, const QString& testo);

// Pictures as drawn by the sheets, loaded once per file (and reloaded when the file changes), so
// a picture drawn twice in one PDF is embedded once. A file that cannot be read gives a null image.
QImage immagineFoglio(const QString& percorso);
// Empties the picture store (tests that rewrite files within the same second).
void dimenticaImmaginiFoglio();
