#include "shell/BarraStrumenti.h"
#include "shell/ListaImmagini.h"
#include "shell/f_library.h"

#include <QAction>
#include <QComboBox>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

struct CasoLista {
    QStringList voci;
    QString testo;
    bool atteso;
};

TEST(valoreNonInLista, ConfrontoEsattoSuTutteLeVoci) {
    const QStringList durate = {QStringLiteral("30s"), QStringLiteral("45s"), QStringLiteral("60s")};
    const CasoLista casi[] = {
        {durate, QStringLiteral("30s"), false},
        {durate, QStringLiteral("60s"), false}, // the last entry counts too
        {durate, QStringLiteral("30S"), true},  // letter case matters
        {durate, QStringLiteral("30s "), true},
        {durate, QString(), true},
        {{}, QStringLiteral("30s"), true},
        {{}, QString(), true},
        {{QString(), QStringLiteral("A")}, QString(), false},
    };
    for (const CasoLista& c : casi) {
        QComboBox box;
        box.setEditable(true);
        box.addItems(c.voci);
        box.setEditText(c.testo);
        EXPECT_EQ(valoreNonInLista(&box), c.atteso)
            << c.voci.join(QLatin1Char(',')).toStdString() << " / \"" << c.testo.toStdString() << "\"";
    }
}

class CercaInLista : public ::testing::Test {
protected:
    void SetUp() override {
        lista.setColumnCount(4);
        const QStringList righe[] = {
            {QStringLiteral("1"), QStringLiteral("Rossi"), QStringLiteral("Mario"), QStringLiteral("")},
            {QStringLiteral("2"), QStringLiteral("Bianchi"), QStringLiteral("Anna"), QStringLiteral("note")},
            {QStringLiteral("3"), QStringLiteral("Verdi"), QStringLiteral("Bruno"), QStringLiteral("")},
            {QStringLiteral("Bx"), QStringLiteral(""), QStringLiteral(""), QStringLiteral("")},
        };
        for (const QStringList& r : righe)
            lista.addTopLevelItem(new QTreeWidgetItem(r));
    }
    int selezionata() const {
        return lista.currentItem() ? lista.indexOfTopLevelItem(lista.currentItem()) : -1;
    }

    QTreeWidget lista;
};

TEST_F(CercaInLista, PrimaRigaLaCuiColonnaIniziaColTesto) {
    struct Caso {
        const char* testo;
        short colonne;
        int attesa;
    };
    const Caso casi[] = {
        {"BIA", 2, 1},                   // capitals match any case
        {"b", 2, 1},                     // Bianchi comes before Bruno
        {"bru", 2, 2},                   // second sub-column
        {"bru", 1, -1},                  // ... not examined with one column
        {"mario", 2, 0}, {"ari", 2, -1}, // must begin with it
        {"bx", 3, -1},                   // the key column is never examined
        {"no", 3, 1},                    // third sub-column
        {"", 2, 0},                      // empty text: first row with a non-empty sub-column
    };
    for (const Caso& c : casi) {
        lista.setCurrentItem(nullptr);
        QString testo = QString::fromUtf8(c.testo);
        cercaInLista(&lista, testo, c.colonne);
        EXPECT_EQ(selezionata(), c.attesa) << c.testo << " su " << c.colonne << " colonne";
    }
}

TEST_F(CercaInLista, TestoRestituitoInMinuscoloESelezioneInvariataSeNonTrova) {
    lista.setCurrentItem(lista.topLevelItem(2));
    QString testo = QStringLiteral("ZeTa");
    cercaInLista(&lista, testo, 3);
    EXPECT_EQ(testo, QStringLiteral("zeta"));
    EXPECT_EQ(selezionata(), 2);
    EXPECT_TRUE(lista.topLevelItem(2)->isSelected());

    testo = QStringLiteral("ROSSI");
    cercaInLista(&lista, testo, 3);
    EXPECT_EQ(testo, QStringLiteral("rossi"));
    EXPECT_EQ(selezionata(), 0);
    EXPECT_TRUE(lista.topLevelItem(0)->isSelected());
}

TEST_F(CercaInLista, RigaVuotaSenzaColonneNonCorrisponde) {
    QTreeWidget vuota;
    vuota.setColumnCount(1);
    vuota.addTopLevelItem(new QTreeWidgetItem(QStringList{QStringLiteral("solo chiave")}));
    QString testo;
    cercaInLista(&vuota, testo, 2);
    EXPECT_EQ(vuota.currentItem(), nullptr);
}

TEST(numeraImmaginiToolbar, NumeriInOrdineSaltandoISeparatori) {
    BarraStrumenti barra(QStringLiteral("prova"));
    ListaImmagini immagini(QSize(16, 16));
    const QColor colori[] = {Qt::red, Qt::green, Qt::blue};
    for (const QColor& c : colori) {
        QImage i(16, 16, QImage::Format_ARGB32);
        i.fill(c);
        immagini.aggiungi(c.name(), i);
    }
    barra.setImageList(&immagini);
    QAction* a = barra.aggiungiPulsante(QStringLiteral("A"), QStringLiteral("a"), {});
    QAction* sep = barra.aggiungiSeparatore();
    QAction* b = barra.aggiungiPulsante(QStringLiteral("B"), QStringLiteral("b"), {});
    QAction* c = barra.aggiungiPulsante(QStringLiteral("C"), QStringLiteral("c"), {});
    numeraImmaginiToolbar(&barra);
    EXPECT_EQ(BarraStrumenti::numeroImmagine(a), 1);
    EXPECT_EQ(BarraStrumenti::numeroImmagine(sep), 0);
    EXPECT_EQ(BarraStrumenti::numeroImmagine(b), 2);
    EXPECT_EQ(BarraStrumenti::numeroImmagine(c), 3);
    // The buttons show those pictures of the list.
    EXPECT_EQ(c->icon().pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::blue));
    EXPECT_EQ(b->icon().pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::green));
}

TEST(ListaImmagini, AdattaSenzaDeformareEChiaviSenzaMaiuscole) {
    ListaImmagini lista(QSize(150, 150));
    QImage larga(300, 150, QImage::Format_RGB32);
    larga.fill(Qt::red);
    EXPECT_EQ(lista.aggiungi(QStringLiteral("/Prog/Images/Uno.jpg"), larga), 1);
    const QImage dentro = lista.immagine(1).toImage();
    EXPECT_EQ(dentro.size(), QSize(150, 150));
    // 150 x 75 centred: transparent above and below, red in the middle.
    EXPECT_EQ(dentro.pixelColor(75, 10).alpha(), 0);
    EXPECT_EQ(dentro.pixelColor(75, 140).alpha(), 0);
    EXPECT_EQ(dentro.pixelColor(75, 75), QColor(Qt::red));
    EXPECT_EQ(dentro.pixelColor(2, 75), QColor(Qt::red));

    EXPECT_EQ(lista.indice(QStringLiteral("/prog/images/UNO.JPG")), 1);
    QImage altra(10, 10, QImage::Format_RGB32);
    altra.fill(Qt::blue);
    // A key already present keeps its first picture.
    EXPECT_EQ(lista.aggiungi(QStringLiteral("/prog/images/uno.jpg"), altra), 1);
    EXPECT_EQ(lista.conta(), 1);
    EXPECT_EQ(lista.aggiungi(QStringLiteral("due"), altra), 2);
    EXPECT_EQ(lista.chiave(2), QStringLiteral("due"));
    EXPECT_TRUE(lista.immagine(QStringLiteral("tre")).isNull());
    EXPECT_TRUE(lista.immagine(3).isNull());
    lista.setDimensione(QSize(25, 25));
    EXPECT_EQ(lista.conta(), 0);
}

} // namespace
