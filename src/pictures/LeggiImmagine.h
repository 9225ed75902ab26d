#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Every picture of the program is read here, one way: a photo's EXIF orientation is applied, so a
// picture stands the same way up in every window and on the printed sheet, and a file that is
// missing or cannot be decoded gives a null image, never an exception.

// The picture in `percorso`, upright. With `adatta` valid it is decoded straight at the size that
// fits `adatta` keeping its upright proportions (smaller or larger than the file), which is faster
// than decoding it whole and scaling it afterwards.
QImage leggiImmagine(const QString& percorso, QSize adatta = QSize());

// The size the picture has upright, read from its header without decoding it; invalid when the
// file cannot be read.
QSize dimensioneImmagine(const QString& percorso);

// As leggiImmagine, for the windows that report a picture they cannot show as an error: raises
// Errore (file not found) from `fonte`, whose text is `testo`, a new line and the path.
QImage leggiImmagineOErrore(const QString& percorso, const QString& testo, const QString& fonte);
