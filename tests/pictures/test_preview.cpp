#include "ImmaginiDiProva.h"

#include "base/Errore.h"
#include "editor/CancelloEditor.h"
#include "pictures/SchedaPreviewFigura.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <cmath>

namespace {

class Anteprima : public ImmaginiDiProva {
protected:
    QPushButton* pulsante(SchedaPreviewFigura& p, const char* nome) {
        auto* b = p.findChild<QPushButton*>(QLatin1String(nome));
        EXPECT_NE(b, nullptr) << nome;
        return b;
    }
};

// "+" and "-" scale the outer window by 1.2 and leave the picture area as it is; in the editor's
// MDI area the outer window is the frame around it. It starts at 5850 x 6150 twips, or as much more
// as this frame needs to show the whole 385-pixel picture area with its buttons.
TEST_F(Anteprima, PiuPiuMenoMeno) {
    QMdiArea area;
    area.resize(1200, 1000);
    auto* p = new SchedaPreviewFigura;
    QMdiSubWindow* sub = area.addSubWindow(p);
    area.show();
    sub->show();
    const QMargins m = sub->contentsMargins();
    const QSize base =
        QSize(390, 410).expandedTo(QSize(385 + m.left() + m.right(), 385 + m.top() + m.bottom()));
    EXPECT_EQ(sub->size(), base);
    EXPECT_TRUE(p->rect().contains(p->Image1()->geometry())) << "l'immagine è tagliata dalla cornice";
    const auto per = [&](double f) {
        return QSize(static_cast<int>(std::lround(base.width() * f)),
                     static_cast<int>(std::lround(base.height() * f)));
    };
    struct Passo {
        const char* pulsante;
        double fattore;
    } passi[] = {
        {"ZoomPiu", 1.2},      {"ZoomPiu", 1.44},
        {"ZoomMeno", 1.2},     {"ZoomMeno", 1}, // back exactly, no drift
        {"ZoomMeno", 1 / 1.2},
    };
    for (const Passo& s : passi) {
        QTest::mouseClick(pulsante(*p, s.pulsante), Qt::LeftButton);
        EXPECT_EQ(sub->size(), per(s.fattore)) << s.pulsante << " " << s.fattore;
        EXPECT_EQ(p->Image1()->geometry(), QRect(0, 0, 385, 385));
    }
}

TEST_F(Anteprima, ImmagineEAvviso) {
    SchedaPreviewFigura p;
    p.show();
    EXPECT_EQ(p.windowTitle(), QStringLiteral("Preview"));
    EXPECT_EQ(p.Label1()->text(), QStringLiteral("Fare click su un'immagine per visualizzare l'anteprima"));
    EXPECT_TRUE(p.Image1()->pixmap().isNull());

    const QString figura = percorso(QStringLiteral("images\\esercizi\\vibrana_003.JPG"));
    p.LoadImage(figura);
    EXPECT_FALSE(p.Image1()->pixmap().isNull());
    EXPECT_EQ(p.immagine(), figura);
    // The picture lies over the hint and covers it.
    EXPECT_EQ(p.childAt(p.Label1()->geometry().center()), p.Image1());

    EXPECT_THROW(p.LoadImage(percorso(QStringLiteral("images\\esercizi\\manca.JPG"))), Errore);
    EXPECT_EQ(p.immagine(), figura);

    p.LoadImage(QString());
    EXPECT_TRUE(p.Image1()->pixmap().isNull());
    EXPECT_TRUE(p.immagine().isEmpty());
}

TEST_F(Anteprima, IlPulsanteNascondeLaChiusuraDipendeDallEditor) {
    QMdiArea area;
    auto* p = new SchedaPreviewFigura;
    QMdiSubWindow* sub = area.addSubWindow(p);
    area.show();
    p->Show();
    const QString figura = percorso(QStringLiteral("images\\esercizi\\vibrana_002.JPG"));
    p->LoadImage(figura);
    ASSERT_TRUE(p->visibile());

    QTest::mouseClick(pulsante(*p, "cmdClose"), Qt::LeftButton);
    EXPECT_FALSE(p->visibile());
    EXPECT_FALSE(sub->isVisible());
    p->Show();
    EXPECT_TRUE(sub->isVisible());
    EXPECT_EQ(p->immagine(), figura);

    setPuoiChiudereEditor(false);
    EXPECT_FALSE(sub->close());
    EXPECT_TRUE(p->visibile());
    setPuoiChiudereEditor(true);
    EXPECT_TRUE(sub->close());
}

} // namespace
