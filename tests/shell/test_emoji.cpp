#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

// Names and notes may hold emoji; without a font that draws them the user sees empty boxes.
TEST(Emoji, UnCaratteredelNomeHaUnCarattereCheLoDisegna) {
    bool trovato = false;
    for (const QString& famiglia : QFontDatabase::families()) {
        if (QFontMetrics(QFont(famiglia)).inFontUcs4(0x1F600)) {
            trovato = true;
            break;
        }
    }
    EXPECT_TRUE(trovato) << "nessun carattere installato disegna U+1F600";
}

} // namespace
