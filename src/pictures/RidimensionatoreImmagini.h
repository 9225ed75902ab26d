#pragma once

#include <QPointer>
#include <cmath>

class QLabel;

// Fits a picture element into a square of side MAX (twips), keeping its proportions: the picture is
// shrunk, never enlarged, and centred in the square whose top-left corner is where the element stood
// when it was handed over with setImage.
class RidimensionatoreImmagini {
public:
    struct Rettangolo {
        double left = 0;
        double top = 0;
        double width = 0;
        double height = 0;
    };

    // The arithmetic on its own, in twips. Sizes are compared in single precision and the reduction is
    // taken off in whole twips, as the picture element does it.
    static Rettangolo adatta(double width, double height, double lato, double angoloLeft, double angoloTop) {
        double w = width;
        double h = height;
        if (static_cast<float>(h) > static_cast<float>(lato)) {
            const double c = (h - lato) * 100 / h;
            h = lato;
            w = w - std::floor(w * c / 100);
        }
        if (static_cast<float>(w) > static_cast<float>(lato)) {
            const double f = (w - lato) * 100 / w;
            w = lato;
            h = h - std::floor(h * f / 100);
        }
        return {(lato - w) / 2 + angoloLeft, (lato - h) / 2 + angoloTop, w, h};
    }

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
