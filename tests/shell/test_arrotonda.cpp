#include "base/Errore.h"
#include "shell/f_library_core.h"

#include <gtest/gtest.h>

TEST(ArrotondaSuperiore, Casi) {
    const std::pair<double, int> casi[] = {{2.01, 3}, {2.0, 2},    {-0.5, 0},       {-2.0, -2},
                                           {0.0, 0},  {9.999, 10}, {32767.0, 32767}};
    for (auto [numero, atteso] : casi)
        EXPECT_EQ(arrotondaSuperiore(numero), atteso) << numero;
    EXPECT_THROW(arrotondaSuperiore(32767.5), Errore);
}
