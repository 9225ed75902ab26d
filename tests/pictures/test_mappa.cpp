#include "ImmaginiDiProva.h"

#include "base/Errore.h"
#include "pictures/BodyMap.h"
#include "pictures/FileConsegnati.h"
#include "pictures/SuonoClic.h"
#include "pictures/ZoneMappa.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

namespace {

class Mappa : public ImmaginiDiProva {};

// Codes raised by a left click at a point given in the control's twips, delivered where a real click
// lands: on the topmost child under the pointer.
QStringList cliccaIn(BodyMap& m, QPoint twip) {
    QStringList ricevuti;
    QObject contesto;
    QObject::connect(&m, &BodyMap::Change, &contesto, [&](QString& g) { ricevuti << g; });
    const QPoint px(twip.x() / 15, twip.y() / 15);
    QWidget* bersaglio = m.childAt(px);
    if (!bersaglio)
        bersaglio = &m;
    QTest::mouseClick(bersaglio, Qt::LeftButton, {}, bersaglio->mapFrom(&m, px));
    return ricevuti;
}

bool rosso(QRgb c) {
    return qRed(c) > 150 && qRed(c) - qGreen(c) > 80 && qRed(c) - qBlue(c) > 80;
}

// Share of red pixels of the picture shown under a rectangle of the control.
double quotaRossa(const BodyMap& m, const QRect& zona) {
    const QLabel* img = m.Image1();
    const QImage figura = img->pixmap().toImage();
    const double sx = double(figura.width()) / img->width();
    const double sy = double(figura.height()) / img->height();
    const QRectF r = QRectF(zona.translated(-img->pos()));
    const QRect px = QRectF(r.x() * sx, r.y() * sy, r.width() * sx, r.height() * sy).toAlignedRect() &
                     figura.rect().adjusted(0, 0, -1, -1);
    int rossi = 0, tutti = 0;
    for (int y = px.top(); y <= px.bottom(); ++y)
        for (int x = px.left(); x <= px.right(); ++x, ++tutti)
            rossi += rosso(figura.pixel(x, y));
    return tutti ? double(rossi) / tutti : 0;
}

TEST_F(Mappa, UnClicManda_IlCodiceDellaZonaPiuInAlto) {
    BodyMap m;
    m.show();
    m.onLoad();
    struct Caso {
        QPoint twip;
        QString atteso; // empty: no event
    } casi[] = {
        {{2150, 1835}, QStringLiteral("ADU")}, // over QUA too
        {{2385, 1845}, QStringLiteral("ADU")}, // over another QUA zone
        {{2100, 1950}, QStringLiteral("QUA")}, // just below ADU
        {{337, 757}, QStringLiteral("DAL")},   // the DEL array sends DAL
        {{2500, 635}, QStringLiteral("PET")},  // a PET zone over a DEL one
        {{140, 1200}, QStringLiteral("ADD")},  // the Add array sends ADD
        {{185, 1000}, QStringLiteral("FI1")},  // a FI1 zone over an Add one
        {{1300, 690}, QStringLiteral("DOR")},  // a DOR zone over a TRA one
        {{30, 30}, QString()},                 // corner of the picture
        {{2800, 2900}, QString()},             // outside the picture
    };
    for (const Caso& c : casi) {
        // One event with the code, or none.
        EXPECT_EQ(cliccaIn(m, c.twip).join(QLatin1Char('|')).toStdString(), c.atteso.toStdString())
            << c.twip.x() << "," << c.twip.y();
    }
    // A click changes neither the picture nor anything else: the container decides.
    EXPECT_TRUE(m.immagineMostrata().endsWith(QStringLiteral("corpo.JPG")))
        << qPrintable(m.immagineMostrata());
}

TEST_F(Mappa, ZoneCome_ControlliConCursoreACroceSenzaBordoDopoOnLoad) {
    BodyMap m;
    ASSERT_EQ(m.zone().size(), 62);
    EXPECT_EQ(m.size(), QSize(190, 201));
    EXPECT_EQ(m.Image1()->geometry(), QRect(0, 0, 187, 199));
    EXPECT_NE(m.findChild<ZonaMappa*>(QStringLiteral("DEL_12")), nullptr);
    EXPECT_EQ(m.findChild<ZonaMappa*>(QStringLiteral("Add_0"))->codice(), QStringLiteral("ADD"));
    for (ZonaMappa* z : m.zone()) {
        EXPECT_EQ(z->cursor().shape(), Qt::CrossCursor);
        EXPECT_TRUE(z->bordo());
    }
    m.onLoad();
    for (ZonaMappa* z : m.zone())
        EXPECT_FALSE(z->bordo()) << qPrintable(z->objectName());
}

// Each zone, where the widget places it, lies over red in its own group's picture and over no red in
// the plain body. The whole zone is sampled: some centres fall between two legs.
TEST_F(Mappa, OgniZonaSopraIlSuoMuscoloEvidenziato) {
    BodyMap m;
    for (ZonaMappa* z : m.zone()) {
        m.onLoad();
        EXPECT_LT(quotaRossa(m, z->geometry()), 0.05) << qPrintable(z->objectName());
        m.changeMuscle(z->codice());
        EXPECT_TRUE(
            m.immagineMostrata().endsWith(QStringLiteral("Corpo_") + z->codice() + QStringLiteral(".JPG")));
        EXPECT_GT(quotaRossa(m, z->geometry()), 0.25) << qPrintable(z->objectName());
    }
}

TEST_F(Mappa, ImmaginiVuoteOMancanti) {
    BodyMap m;
    m.changeMuscle(QStringLiteral("GLU"));
    const QString glutei = m.immagineMostrata();
    const qint64 chiave = m.Image1()->pixmap().cacheKey();

    m.changeBackground(QString());
    EXPECT_EQ(m.immagineMostrata(), glutei);
    EXPECT_EQ(m.Image1()->pixmap().cacheKey(), chiave);

    rimuovi(FileConsegnati::corpoGruppo(QStringLiteral("PET")));
    try {
        m.changeMuscle(QStringLiteral("PET"));
        ADD_FAILURE() << "a missing picture must be reported";
    } catch (const Errore& e) {
        EXPECT_TRUE(e.descrizione().contains(QStringLiteral("Corpo_PET.JPG"))) << qPrintable(e.descrizione());
        EXPECT_TRUE(e.descrizione().startsWith(QStringLiteral("Impossibile caricare l'immagine")));
    }
    EXPECT_EQ(m.immagineMostrata(), glutei);
    EXPECT_EQ(m.Image1()->pixmap().cacheKey(), chiave);

    // A file that is there but is no picture is reported the same way.
    QFile finto(percorso(FileConsegnati::corpo));
    ASSERT_TRUE(finto.open(QIODevice::WriteOnly | QIODevice::Truncate));
    finto.write("non un'immagine");
    finto.close();
    EXPECT_THROW(m.onLoad(), Errore);
    // The borders go all the same: the map stays usable.
    EXPECT_FALSE(m.zone().first()->bordo());
}

TEST_F(Mappa, SuonoSenzaServerTornaSubito) {
    QTemporaryDir d;
    const QString finto = d.filePath(QStringLiteral("finto.wav"));
    QFile f(finto);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("RIFF\x10\0\0\0WAVEjunk", 16);
    f.close();
    const QString vero = percorso(FileConsegnati::suonoMappa);
    ASSERT_TRUE(QFile::exists(vero));
    const struct {
        QString file;
        bool riproducibile;
    } casi[] = {{vero, true}, {finto, false}, {d.filePath(QStringLiteral("manca.wav")), false}};
    for (const auto& [file, riproducibile] : casi) {
        EXPECT_EQ(SuonoClic::riproducibile(file), riproducibile) << qPrintable(file);
        QElapsedTimer t;
        t.start();
        EXPECT_FALSE(SuonoClic::riproduci(file)) << qPrintable(file);
        EXPECT_LT(t.elapsed(), 2000) << qPrintable(file);
    }
    BodyMap m;
    QElapsedTimer t;
    t.start();
    for (const QString& c : ZoneMappa::codici())
        m.changeMuscle(c);
    EXPECT_LT(t.elapsed(), 5000);
}

} // namespace
