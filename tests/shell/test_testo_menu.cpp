#include "shell/TestoMenu.h"

#include <gtest/gtest.h>

namespace {

struct CasoDidascalia {
    const char* didascalia;
    const char* prima;
    const char* sottolineato;
    const char* dopo;
};

class ScomponiDidascalia : public ::testing::TestWithParam<CasoDidascalia> {};

TEST_P(ScomponiDidascalia, TastoDiAccessoEDoppiaEcommerciale) {
    const CasoDidascalia c = GetParam();
    const TestoMenu::Parti p = TestoMenu::scomponi(QString::fromUtf8(c.didascalia));
    EXPECT_EQ(p.prima, QString::fromUtf8(c.prima));
    EXPECT_EQ(p.sottolineato, QString::fromUtf8(c.sottolineato));
    EXPECT_EQ(p.dopo, QString::fromUtf8(c.dopo));
}

INSTANTIATE_TEST_SUITE_P(
    Casi, ScomponiDidascalia,
    ::testing::Values(CasoDidascalia{"&Esci", "", "E", "sci"},
                      CasoDidascalia{"Pe&rsonalizza", "Pe", "r", "sonalizza"},
                      // A doubled ampersand is one ampersand and no access key.
                      CasoDidascalia{"Sali&&Scendi", "Sali&Scendi", "", ""},
                      CasoDidascalia{"A&&B&C", "A&B", "C", ""},
                      // Only the first single ampersand marks the key; later doubled ones still show one.
                      CasoDidascalia{"&Uno && due", "", "U", "no & due"},
                      CasoDidascalia{"&Stampa \"ISTRUZIONI D'USO\"", "", "S", "tampa \"ISTRUZIONI D'USO\""},
                      CasoDidascalia{"Guida del programma", "Guida del programma", "", ""},
                      // A trailing ampersand has nothing to underline.
                      CasoDidascalia{"Fine&", "Fine", "", ""}, CasoDidascalia{"", "", "", ""}));

TEST(TestoMenu, ColonneDivisePrimoACapo) {
    EXPECT_EQ(TestoMenu::colonne(QStringLiteral("&Esci")),
              (TestoMenu::Colonne{QString(), QStringLiteral("&Esci")}));
    EXPECT_EQ(TestoMenu::colonne(QStringLiteral("A\nB\nC")),
              (TestoMenu::Colonne{QStringLiteral("A"), QStringLiteral("B\nC")}));
    EXPECT_EQ(TestoMenu::colonne(QStringLiteral("\nDestra")),
              (TestoMenu::Colonne{QString(), QStringLiteral("Destra")}));
}

TEST(TestoMenu, AltezzaVoceAlmenoDiciannove) {
    const std::pair<int, int> casi[] = {{13, 19}, {16, 22}, {8, 19}, {12, 19}, {14, 20}, {30, 36}};
    for (const auto& [carattere, voce] : casi)
        EXPECT_EQ(TestoMenu::altezzaVoce(carattere), voce) << "carattere alto " << carattere;
}

} // namespace
