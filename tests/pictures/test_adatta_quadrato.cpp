#include "pictures/AdattaQuadrato.h"

#include <gtest/gtest.h>

namespace {

struct CasoAdatta {
    double w, h, lato, angoloLeft, angoloTop;
    double attesoLeft, attesoTop, attesoW, attesoH;
};

class AdattaNelQuadrato : public ::testing::TestWithParam<CasoAdatta> {};

TEST_P(AdattaNelQuadrato, RiduceSenzaIngrandireECentra) {
    const CasoAdatta c = GetParam();
    const auto r = adattaAlQuadrato(c.w, c.h, c.lato, c.angoloLeft, c.angoloTop);
    EXPECT_DOUBLE_EQ(r.width, c.attesoW);
    EXPECT_DOUBLE_EQ(r.height, c.attesoH);
    EXPECT_DOUBLE_EQ(r.left, c.attesoLeft);
    EXPECT_DOUBLE_EQ(r.top, c.attesoTop);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, AdattaNelQuadrato,
    ::testing::Values(
        // Wide picture: the width is brought to the side, the height follows.
        CasoAdatta{4600, 2300, 2300, 0, 0, 0, 575, 2300, 1150},
        // Smaller than the square: same size, only centred.
        CasoAdatta{1000, 1000, 2300, 0, 0, 650, 650, 1000, 1000},
        // The square's corner is where the element stood.
        CasoAdatta{1000, 1000, 2300, 300, 450, 950, 1100, 1000, 1000},
        // Tall picture: the height is brought to the side; the reduction is taken off in whole twips.
        CasoAdatta{1000, 3000, 1500, 0, 0, 500, 0, 500, 1500},
        CasoAdatta{1001, 3000, 1500, 0, 0, 499.5, 0, 501, 1500},
        // Too high and, after that, still too wide: both steps apply.
        CasoAdatta{6000, 4000, 2000, 0, 0, 0, 333, 2000, 1334},
        // Exactly the side: untouched.
        CasoAdatta{2300, 2300, 2300, 10, 20, 10, 20, 2300, 2300}));

} // namespace
