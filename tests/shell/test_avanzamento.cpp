#include "base/Errore.h"
#include "shell/Tool_BarProg.h"
#include "shell/frmSplash.h"

#include <QApplication>
#include <QKeyEvent>
#include <QProgressBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Counts the paint events a widget really receives.
class ContaDisegni : public QObject {
public:
    int disegni = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            ++disegni;
        return false;
    }
};

TEST(Tool_BarProg, FinestraNuovaMostraZeroPerCento) {
    Tool_BarProg finestra;
    EXPECT_EQ(finestra.Status->text(), QStringLiteral("0%"));
    EXPECT_EQ(finestra.windowTitle(), QStringLiteral("Elaborazione in corso..."));
    EXPECT_EQ(finestra.Status->retStatus.width(), 0);
    finestra.setTitolo(QStringLiteral("Caricamento immagini in corso"));
    EXPECT_EQ(finestra.windowTitle(), QStringLiteral("Caricamento immagini in corso"));
}

TEST(Tool_BarProg, TrePassiDannoTerziInteriFinoAllaLarghezzaPiena) {
    Tool_BarProg finestra;
    finestra.Totale = 3;
    const std::pair<const char*, float> attesi[] = {{"33%", 1}, {"66%", 2}, {"100%", 3}};
    for (const auto& [testo, passo] : attesi) {
        float n = 0;
        finestra.update(n);
        EXPECT_EQ(n, passo); // the caller's variable receives the step
        EXPECT_EQ(finestra.Status->text(), QString::fromLatin1(testo));
    }
    EXPECT_EQ(finestra.Status->retStatus.width(), finestra.Status->width());
}

TEST(Tool_BarProg, MilleePassiCentoRidisegni) {
    Tool_BarProg finestra;
    finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&finestra));
    QApplication::processEvents();
    ContaDisegni conta;
    finestra.Status->installEventFilter(&conta);
    finestra.Totale = 1000;
    for (int i = 0; i < 1000; ++i)
        finestra.update(0);
    EXPECT_EQ(finestra.ultimoPasso, 1000);
    EXPECT_EQ(finestra.Status->text(), QStringLiteral("100%"));
    EXPECT_EQ(conta.disegni, 100);
}

TEST(Tool_BarProg, OgniPercentualeInteraVieneMostrata) {
    // Totals whose single-precision fractions fall just short of a whole percentage.
    for (const int totale : {100, 200, 300, 500}) {
        Tool_BarProg finestra;
        finestra.Totale = static_cast<float>(totale);
        const int primi = finestra.ridisegni();
        for (int i = 1; i <= totale; ++i) {
            finestra.update(0);
            ASSERT_EQ(finestra.Status->text(), QString::number(100 * i / totale) + QLatin1Char('%'))
                << i << " di " << totale;
        }
        EXPECT_EQ(finestra.ridisegni() - primi, 100) << totale;
    }
}

TEST(Tool_BarProg, PassoEsplicitoIndietroEPassoOltreIlTotale) {
    Tool_BarProg finestra;
    finestra.Totale = 10;
    finestra.update(8);
    EXPECT_EQ(finestra.Status->text(), QStringLiteral("80%"));
    const int larga = finestra.Status->retStatus.width();
    finestra.update(3);
    EXPECT_EQ(finestra.Status->text(), QStringLiteral("30%"));
    EXPECT_LT(finestra.Status->retStatus.width(), larga);
    EXPECT_EQ(finestra.ultimoPasso, 3);
    // Above the total: nothing changes, not even the last step.
    finestra.update(11);
    EXPECT_EQ(finestra.Status->text(), QStringLiteral("30%"));
    EXPECT_EQ(finestra.ultimoPasso, 3);
    float n = 0;
    finestra.update(n);
    EXPECT_EQ(n, 4);
    EXPECT_EQ(finestra.Status->text(), QStringLiteral("40%"));
}

TEST(Tool_BarProg, TotaleZeroEUnErrore) {
    Tool_BarProg finestra;
    EXPECT_THROW(finestra.update(0), Errore);
}

TEST(frmSplash, TestiEBarra) {
    frmSplash splash;
    EXPECT_EQ(splash.Label1->text(), QStringLiteral("Attendere prego, caricamento in corso:"));
    EXPECT_EQ(splash.lblProductName->text(), QStringLiteral("Vibrana"));
    EXPECT_EQ(splash.lblVersion->text(), QStringLiteral("Versione 1.2.2"));
    splash.barReset();
    splash.barSetMax(4);
    EXPECT_EQ(splash.bar->value(), 1);
    for (int i = 0; i < 3; ++i)
        splash.barStep();
    EXPECT_EQ(splash.bar->value(), 4);
    EXPECT_EQ(splash.bar->maximum(), 4);
    splash.barStep(); // beyond the maximum: the bar stays full
    EXPECT_EQ(splash.bar->value(), 4);
}

TEST(frmSplash, CatalogoVuotoMostraLaBarraPiena) {
    frmSplash splash;
    splash.barReset();
    splash.barSetMax(1);
    EXPECT_EQ(splash.bar->value(), splash.bar->maximum());
    EXPECT_LT(splash.bar->minimum(), splash.bar->maximum());
}

TEST(frmSplash, UnTastoOUnClicSullaCorniceLaChiudono) {
    frmSplash splash;
    splash.show();
    ASSERT_TRUE(splash.isVisible());
    QKeyEvent tasto(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(&splash, &tasto);
    EXPECT_FALSE(splash.isVisible());

    splash.show();
    QTest::mouseClick(splash.Frame1, Qt::LeftButton);
    EXPECT_FALSE(splash.isVisible());
}

} // namespace
