#include "pictures/AdattaQuadrato.h"

#include <cmath>

RettangoloTwips adattaAlQuadrato(double width, double height, double lato, double angoloLeft,
                                 double angoloTop) {
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
