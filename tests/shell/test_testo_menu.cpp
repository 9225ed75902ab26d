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

// The picture keeps the place it has in the smallest item (19 pixels: 2 from the left and the top)
// and moves down to the middle of taller rows; the caption starts 3 pixels after the picture's column.
TEST(TestoMenu, PostiDelleParti) {
    struct Caso {
        int altezzaVoce;
        QSize voce;
        int altezzaCarattere;
        TestoMenu::PostiVoce attesi;
    };
    const Caso casi[] = {
        {19, {120, 19}, 13, {QRect(0, 0, 19, 19), QRect(2, 2, 16, 16), QPoint(22, 3)}},
        {22, {150, 22}, 16, {QRect(0, 0, 22, 22), QRect(3, 3, 16, 16), QPoint(25, 3)}},
        {26, {150, 26}, 20, {QRect(0, 0, 26, 26), QRect(5, 5, 16, 16), QPoint(29, 3)}},
        // A row taller than the items (a style's minimum) centres the picture in the row.
        {19, {120, 30}, 13, {QRect(0, 0, 19, 30), QRect(2, 7, 16, 16), QPoint(22, 8)}},
        // One shorter keeps the picture at its place rather than above it.
        {26, {150, 20}, 13, {QRect(0, 0, 26, 20), QRect(5, 5, 16, 16), QPoint(29, 3)}},
    };
    for (const Caso& c : casi) {
        const TestoMenu::PostiVoce p = TestoMenu::postiVoce(c.altezzaVoce, c.voce, c.altezzaCarattere);
        EXPECT_EQ(p.riquadro, c.attesi.riquadro) << c.altezzaVoce << " " << c.voce.height();
        EXPECT_EQ(p.immagine, c.attesi.immagine) << c.altezzaVoce << " " << c.voce.height();
        EXPECT_EQ(p.testo, c.attesi.testo) << c.altezzaVoce << " " << c.voce.height();
    }
}

TEST(TestoMenu, EvidenziazioneDopoLaColonnaIncorniciata) {
    const TestoMenu::PostiVoce p = TestoMenu::postiVoce(22, QSize(150, 22), 16);
    EXPECT_EQ(TestoMenu::inizioEvidenziazione(p, true, true), 22);
    EXPECT_EQ(TestoMenu::inizioEvidenziazione(p, false, true), 0);
    EXPECT_EQ(TestoMenu::inizioEvidenziazione(p, true, false), 0);
    EXPECT_EQ(TestoMenu::xScorciatoia(150, 20), 122);
}

TEST(TestoMenu, ChiaveDellImmagineSecondoLoStato) {
    const TestoMenu::ChiaviImmagine tutte{QStringLiteral("n"), QStringLiteral("t"), QStringLiteral("s")};
    const TestoMenu::ChiaviImmagine soloNormale{QStringLiteral("n"), {}, {}};
    struct Caso {
        const TestoMenu::ChiaviImmagine& chiavi;
        bool spuntata, selezionata, abilitata;
        const char* attesa;
    };
    const Caso casi[] = {
        {tutte, false, false, true, "n"},      {tutte, true, false, true, "t"},
        {tutte, true, true, true, "t"},        {tutte, false, true, true, "s"},
        {tutte, false, true, false, "n"}, // disabled: the selected picture is not shown
        {tutte, true, false, false, "t"},      {soloNormale, true, true, true, "n"},
        {soloNormale, false, true, true, "n"},
    };
    for (const Caso& c : casi)
        EXPECT_EQ(TestoMenu::chiaveImmagine(c.chiavi, c.spuntata, c.selezionata, c.abilitata),
                  QString::fromLatin1(c.attesa))
            << c.spuntata << c.selezionata << c.abilitata;
}

} // namespace
