#pragma once

// A picture of width x height twips fitted into a square of side `lato` whose top-left corner is
// (angoloLeft, angoloTop), keeping its proportions: shrunk, never enlarged, and centred. Sizes are
// compared in single precision and the reduction is taken off in whole twips, as the picture element
// on screen does it, so a preview and its printed sheet place a picture alike.
struct RettangoloTwips {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

RettangoloTwips adattaAlQuadrato(double width, double height, double lato, double angoloLeft,
                                 double angoloTop);
