#pragma once

#include <QPointer>

class QLabel;

// Fits a picture element into a square of side MAX (twips), keeping its proportions: the picture is
// shrunk, never enlarged, and centred in the square whose top-left corner is where the element stood
// when it was handed over with setImage (the arithmetic is adattaAlQuadrato's).
class RidimensionatoreImmagini {
public:
    double MAX = 3000;

    // Remembers the element and its current top-left corner.
    void setImage(QLabel* img);
    // Throws Errore when no element has been given.
    void ridimensiona();

private:
    QPointer<QLabel> immagine_;
    double ancoraTop_ = 0;
    double ancoraLeft_ = 0;
};
