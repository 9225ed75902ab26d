#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Every picture of the program is read here, one way: a photo's EXIF orientation is applied, so a
// picture stands the same way up in every window and on the printed sheet, and a file that cannot be
// read gives a null image with the reason, never an exception.
struct ImmagineLetta {
    QImage immagine; // upright; null when the file could not be read
    QString causa;   // why it could not be read, in Italian; empty when it was read

    bool letta() const { return !immagine.isNull(); }
};

// The picture in `percorso`. With `adatta` valid it is decoded straight at the size that fits
// `adatta` keeping its upright proportions (smaller or larger than the file), which is faster than
// decoding it whole and scaling it afterwards.
ImmagineLetta leggiImmagine(const QString& percorso, QSize adatta = QSize());

// As leggiImmagine; a file that cannot be read raises Errore (file not found) from `fonte`, whose
// text is `testo`, a new line and the path.
QImage leggiImmagineOErrore(const QString& percorso, const QString& testo, const QString& fonte);
