#include "shell/ListaImmagini.h"
#include "shell/OwnMenu.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <gtest/gtest.h>
#include <optional>

namespace {

// A window with two registered drop-down menus: one with a side bar, one without.
class MenuDiProva : public ::testing::Test {
protected:
    void SetUp() override {
        conBarra = new MenuDisegnato(QStringLiteral("&Schede"), &finestra);
        nuova = conBarra->addAction(QStringLiteral("&Nuova Scheda"));
        separatore = conBarra->addSeparator();
        disattivata = conBarra->addAction(QStringLiteral("Sali&&Scendi"));
        disattivata->setEnabled(false);
        nascosta = conBarra->addAction(QStringLiteral("Nascosta"));
        nascosta->setVisible(false);
        finestra.menuBar()->addMenu(conBarra);
        senzaBarra = new MenuDisegnato(QStringLiteral("&Utenti"), &finestra);
        gestione = senzaBarra->addAction(QStringLiteral("&Gestione..."));
        finestra.menuBar()->addMenu(senzaBarra);

        QImage rosso(16, 16, QImage::Format_ARGB32);
        rosso.fill(Qt::red);
        immagini.aggiungi(QStringLiteral("nuova"), rosso);
        barra = QPixmap(22, 40);
        barra.fill(Qt::blue);

        OwnMenu& om = ownMenu();
        om.inizializzaMenu(&finestra, &immagini);
        om.impostaBarraMenu(finestra.menuBar());
        om.aggiungiSottomenu(0, 1, barra, 1, QColor(255, 128, 128));
        om.aggiungiVoce(nuova, 0, QStringLiteral("nuova"));
        om.aggiungiVoce(separatore, 1, {});
        om.aggiungiVoce(disattivata, 2, {});
        om.aggiungiSottomenu(1, 1, QPixmap(), 0, QColor());
        om.aggiungiVoce(gestione, 0, QStringLiteral("utenti"));
        om.agganciaFinestra();
    }
    void TearDown() override {
        ownMenu().sganciaFinestra();
        cambiaCarattereMenu(QFont());
        QApplication::setPalette(QPalette());
    }

    // A font of the system's family whose character cell is `altezza` pixels high, if there is one.
    static std::optional<QFont> carattereAlto(int altezza) {
        for (int px = 4; px < 40; ++px) {
            QFont f(QStringLiteral("DejaVu Sans"));
            f.setPixelSize(px);
            if (QFontMetrics(f).height() == altezza)
                return f;
        }
        return std::nullopt;
    }

    // A new system menu font, announced to the menus as the running event loop does.
    static void cambiaCarattereMenu(const QFont& f) {
        QApplication::setFont(f, "QMenu");
        QEvent cambio(QEvent::ApplicationFontChange);
        for (QWidget* w : QApplication::allWidgets())
            if (w->inherits("QMenu"))
                QApplication::sendEvent(w, &cambio);
    }

    static QImage immagine(QMenu* menu) {
        menu->resize(menu->sizeHint());
        return menu->grab().toImage();
    }

    QMainWindow finestra;
    ListaImmagini immagini{QSize(16, 16)};
    QPixmap barra;
    MenuDisegnato* conBarra;
    MenuDisegnato* senzaBarra;
    QAction* nuova;
    QAction* separatore;
    QAction* disattivata;
    QAction* nascosta;
    QAction* gestione;
};

TEST_F(MenuDiProva, AltezzaDelleVociSegueIlCarattereDelMenu) {
    for (const auto& [carattere, voce] : {std::pair{13, 19}, std::pair{16, 22}, std::pair{20, 26}}) {
        const std::optional<QFont> f = carattereAlto(carattere);
        if (!f)
            continue; // no such size in this font; the other heights still test the rule
        cambiaCarattereMenu(*f);
        EXPECT_EQ(ownMenu().altezzaVoce(), voce) << "carattere " << carattere;
        EXPECT_EQ(conBarra->actionGeometry(nuova).height(), voce) << "carattere " << carattere;
        EXPECT_EQ(conBarra->actionGeometry(disattivata).height(), voce);
        EXPECT_EQ(conBarra->actionGeometry(separatore).height(), 10);
        EXPECT_EQ(senzaBarra->actionGeometry(gestione).height(), voce);
    }
    EXPECT_TRUE(carattereAlto(16).has_value());
}

TEST_F(MenuDiProva, BarraLateraleSoloDoveHaUnImmagine) {
    EXPECT_EQ(conBarra->larghezzaBarra(), 24); // the bitmap and a 2-pixel strip
    EXPECT_GE(conBarra->actionGeometry(nuova).left(), 24);
    EXPECT_EQ(senzaBarra->larghezzaBarra(), 0);
    EXPECT_LT(senzaBarra->actionGeometry(gestione).left(), 5);
    // Hidden items take no room.
    EXPECT_FALSE(conBarra->actionGeometry(nascosta).isValid() &&
                 conBarra->actionGeometry(nascosta).height() > 0);

    // The bar: the bitmap at the bottom, the bar colour above it.
    const QImage img = immagine(conBarra);
    const int x = 1 + 10;
    EXPECT_EQ(img.pixelColor(x, img.height() - 5), QColor(Qt::blue));
    EXPECT_EQ(img.pixelColor(x, 3), QColor(255, 128, 128));
}

TEST_F(MenuDiProva, ImmagineDellaVoceDallaSuaChiave) {
    const QRect r = conBarra->actionGeometry(nuova);
    const QImage img = immagine(conBarra);
    const int h = ownMenu().altezzaVoce();
    const int pos = (h - 19) / 2 + 2;
    EXPECT_EQ(img.pixelColor(r.left() + pos + 8, r.top() + r.height() / 2), QColor(Qt::red));
}

TEST_F(MenuDiProva, ColoriDiSistemaCambiatiDuranteLEsecuzione) {
    const QRect r = conBarra->actionGeometry(disattivata);
    QPalette p = QApplication::palette();
    p.setColor(QPalette::Button, QColor(10, 200, 30));
    QApplication::setPalette(p);
    QApplication::processEvents();
    const QImage img = immagine(conBarra);
    // The item background is the new button face, without registering anything again.
    EXPECT_EQ(img.pixelColor(r.right() - 3, r.top() + 1), QColor(10, 200, 30));

    p.setColor(QPalette::Button, QColor(200, 200, 0));
    QApplication::setPalette(p);
    QApplication::processEvents();
    EXPECT_EQ(immagine(conBarra).pixelColor(r.right() - 3, r.top() + 1), QColor(200, 200, 0));
}

TEST_F(MenuDiProva, RegistrareDiNuovoSostituisceLeChiavi) {
    const size_t prima = ownMenu().voci().size();
    ownMenu().aggiungiVoce(nuova, 0, QStringLiteral("apri"));
    EXPECT_EQ(ownMenu().voci().size(), prima);
    EXPECT_EQ(ownMenu().voceDi(nuova)->chiaveNormale, QStringLiteral("apri"));
    EXPECT_EQ(ownMenu().voceDi(nuova)->sottomenu, 1);
    EXPECT_EQ(ownMenu().voceDi(gestione)->sottomenu, 2);
}

TEST_F(MenuDiProva, SganciatoIlMenuTornaNormale) {
    ownMenu().sganciaFinestra();
    EXPECT_EQ(conBarra->larghezzaBarra(), 0);
    EXPECT_FALSE(ownMenu().agganciato());
    // Hooking twice does nothing more than once.
    ownMenu().agganciaFinestra();
    ownMenu().agganciaFinestra();
    EXPECT_TRUE(ownMenu().agganciato());
    EXPECT_EQ(conBarra->larghezzaBarra(), 24);
}

} // namespace
